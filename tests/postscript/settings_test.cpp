// The settings file and the opening dialog: defaults, memory from one opening to the next,
// damaged and unwritable files, and the answers the dialog accepts.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/text.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/psparams.hpp"
#include "ps_fixture.hpp"

namespace tensova {
namespace {

using Lines = std::vector<std::string>;

// Opens a plot file through the dialog with the keyboard answers given, and finishes it.
// Returns the console transcript; the file is rendered.
std::string openAndFinish(const std::string& keyboard, const std::string& name = "a.ps") {
    test::ConsoleCapture console(keyboard);
    test::resetBlocks();
    std::string fname = fit("seis.ps", 35);
    intplinit(fname, 2);
    EXPECT_EQ(fname, fit(name, 35));
    EXPECT_TRUE(psdevice.open);
    psend();
    test::expectRenders(name);
    return console.output();
}

bool has(const std::string& transcript, const std::string& line) {
    const auto lines = test::splitLines(transcript);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

const std::string kDefaultRecord = "  F   1 P    2\n    \n";

TEST(Settings, MissingFileGivesTheDefaultsAndIsCreated) {
    test::InFolder f;
    const std::string out = openAndFinish("\na.ps\n");
    EXPECT_EQ(f.dir.read("pslib7_ini.txt"), kDefaultRecord);
    for (const char* line :
         {" Overlay ?  = No ", " # Copies   =   1", " System     = Portrait",
          " PostScript = NeWS                ", " pslib7_ini.txt updated or created",
          " >>> CURRENT VERSION :  8.0         <<<", " >>> LAST MODIFIED ON: 19-03-2009   <<<"})
        EXPECT_TRUE(has(out, line)) << line << "\n" << out;
    EXPECT_EQ(test::splitLines(f.dir.read("a.ps"))[1], "% Initialize coordinate system and scales");
}

TEST(Settings, TextsOfTheUpdateDialogInOrder) {
    test::InFolder f;
    const std::string out = openAndFinish("n\n\n\nx\np\n\na.ps\n");
    const Lines expected = {
        " @ subroutine intplinit  ",
        " >>>       ORIGINS & CREDITS        <<<",
        " >>> library    date      by        <<<",
        " " + std::string(38, '-'),
        " >>> CURRENT VERSION :  8.0         <<<",
        " >>> LAST MODIFIED ON: 19-03-2009   <<<",
        " " + std::string(38, '-'),
        "          Default Settings:            ",
        " " + std::string(38, '-'),
        " Overlay ?  = No ",
        " # Copies   =   1",
        " System     = Portrait",
        " PostScript = NeWS                ",
        " @ subroutine intplinit  ",
        "        Updating Default Settings:      ",
        " " + std::string(39, '-'),
        " Page orientation...Command",
        " Portrait.................P",
        " Landscape US Letter....LUS",
        " Landscape A4...........LA4",
        " Unknown command ==> Asking again",
        " Page orientation...Command",
        " choose Postscript type",
        " Compressed             1",
        " NeWS                   2",
        " Illustrator v.2 = 88   3",
        " @ subroutine intplinit  ",
        " pslib7_ini.txt updated or created",
    };
    // Each line in its turn, other lines (prompts, echoes, frames) between them.
    const auto lines = test::splitLines(out);
    auto it = lines.begin();
    for (const auto& want : expected) {
        it = std::find(it, lines.end(), want);
        ASSERT_NE(it, lines.end()) << want << "\n" << out;
        ++it;
    }
}

TEST(Settings, ChangedSettingsAreRememberedForTheNextOpening) {
    test::InFolder f;
    openAndFinish("n\nn\n3\nLA4\n1\na.ps\n");
    EXPECT_EQ(f.dir.read("pslib7_ini.txt"), "  F   3 LA4  1\n    \n");
    // Kept as they are: the file is not written again.
    f.dir.write("pslib7_ini.txt", "  F   3 LA4  1\n    \nnot rewritten\n");
    const std::string out = openAndFinish("\nb.ps\n", "b.ps");
    EXPECT_TRUE(has(out, " System     = Landscape A4")) << out;
    EXPECT_TRUE(has(out, " PostScript = Compressed          ")) << out;
    EXPECT_FALSE(has(out, " pslib7_ini.txt updated or created"));
    EXPECT_EQ(f.dir.read("pslib7_ini.txt"), "  F   3 LA4  1\n    \nnot rewritten\n");
    const auto head = test::splitLines(f.dir.read("b.ps"));
    const Lines tail = {"% Initialize coordinate system and scales", "/#copies   3 def",
                        " 595 0 translate 90 rotate"};
    EXPECT_EQ(Lines(head.begin() + 46, head.begin() + 49), tail);
}

TEST(Settings, AnUnreadableFileFallsBackToAllDefaultsAndIsRewritten) {
    test::InFolder f;
    f.dir.write("pslib7_ini.txt", "  T   3 LA4 x1\n");
    const std::string out = openAndFinish("\na.ps\n");
    EXPECT_TRUE(has(out, " Overlay ?  = No ")) << out;
    EXPECT_TRUE(has(out, " System     = Portrait"));
    EXPECT_EQ(f.dir.read("pslib7_ini.txt"), kDefaultRecord);
}

TEST(Settings, RecordsAsRead) {
    struct Case {
        const char* content;
        bool read;
        PsSettings want;
    };
    const std::vector<Case> cases = {
        {"  F   1 P    2\n    \n", true, {false, 1, "P  ", 2}},
        {"  T 12  LUS  3", true, {true, 12, "LUS", 3}},
        {" .t 1 2 LA4 +1\n", true, {true, 12, "LA4", 1}},
        {"  F   1 P    7", true, {false, 1, "P  ", 2}},  // dialect outside 1..3
        {"  F   1 P     ", true, {false, 1, "P  ", 2}},  // a blank dialect reads as 0
        {"  F   0 XYZ  1", true, {false, 1, "XYZ", 1}},  // copies held to 1..999
        {"  F -99 P    1", true, {false, 1, "P  ", 1}},
        {"  T", true, {true, 1, "   ", 2}},  // a short record is padded
        {"  F *** P    2", false, {}},       // copies that did not fit
        {"    1 P    2", false, {}},         // no logical value
        {"  X   1 P    2", false, {}},
        {"  F   1 P    2x", true, {false, 1, "P  ", 2}},  // beyond column 14 is not read
        {"  F   1 P   -", false, {}},
        {"", false, {}},
        {"\n  F   3 P    1\n", false, {}},  // only the first record counts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        test::InFolder f;
        f.dir.write("pslib7_ini.txt", c.content);
        PsSettings s{true, 5, "LUS", 3};
        EXPECT_EQ(readPsSettings(s), c.read);
        EXPECT_EQ(s.overlay, c.want.overlay);
        EXPECT_EQ(s.copies, c.want.copies);
        EXPECT_EQ(s.orientation, c.want.orientation);
        EXPECT_EQ(s.dialect, c.want.dialect);
    }
}

TEST(Settings, DialectSevenIsReadAsTwoAndKeptInTheFile) {
    test::InFolder f;
    f.dir.write("pslib7_ini.txt", "  F   1 P    7\n    \n");
    const std::string out = openAndFinish("\na.ps\n");
    EXPECT_TRUE(has(out, " PostScript = NeWS                ")) << out;
    EXPECT_EQ(f.dir.read("pslib7_ini.txt"), "  F   1 P    7\n    \n");
}

TEST(Settings, ThousandCopiesAreHeldTo999) {
    test::InFolder f;
    const std::string out = openAndFinish("n\n\n1000\n\n1\na.ps\n");
    EXPECT_TRUE(has(out, " ==> RESET TO: 999")) << out;
    EXPECT_EQ(f.dir.read("pslib7_ini.txt"), "  F 999 P    1\n    \n");
    const auto head = test::splitLines(f.dir.read("a.ps"));
    EXPECT_EQ(head[47], "/#copies 999 def");
}

TEST(Settings, OrientationAnswers) {
    struct Case {
        const char* answers;  // orientation answers, the last accepted
        const char* stored;
        int refusals;
    };
    const std::vector<Case> cases = {
        {"lus\n", "LUS", 0}, {"LA4\n", "LA4", 0},      {"la4\n", "LA4", 0},
        {"p\n", "P  ", 0},   {"Portrait\n", "P  ", 0}, {"Lus\nx\nLUS\n", "LUS", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers);
        test::InFolder f;
        const std::string out = openAndFinish(std::string("n\n\n\n") + c.answers + "\na.ps\n");
        EXPECT_EQ(f.dir.read("pslib7_ini.txt"), std::string("  F   1 ") + c.stored + "  2\n    \n");
        const auto lines = test::splitLines(out);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), " Unknown command ==> Asking again"),
                  c.refusals);
    }
}

TEST(Settings, AnUnwritableSettingsFileWarnsAndTheRunGoesOn) {
    test::InFolder f;
    // A folder in its place can be neither read nor written.
    ASSERT_EQ(mkdir(f.dir.file("pslib7_ini.txt").c_str(), 0755), 0);
    // One line for the warning's pause.
    const std::string out = openAndFinish("\n\na.ps\n");
    EXPECT_TRUE(has(out, " pslib7_ini.txt could not be written")) << out;
    EXPECT_NE(out.find("WARNING"), std::string::npos);
}

TEST(Settings, OverlayChosenInTheDialog) {
    test::InFolder f;
    openAndFinish("n\ny\n\n\n2\na.ps\n");
    EXPECT_EQ(f.dir.read("pslib7_ini.txt"), "  T   1 P    2\n    \n");
    EXPECT_EQ(test::splitLines(f.dir.read("a.ps")).front(), "% Ready to go");
}

}  // namespace
}  // namespace tensova

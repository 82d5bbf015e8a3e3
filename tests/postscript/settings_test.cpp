// The settings file and the opening dialog: defaults, memory from one opening to the next,
// damaged and unwritable files, and the answers the dialog accepts.

#include <sys/stat.h>

#include "ps_fixture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {

const std::string kDefaultRecord = "  F   1 P    2\n    \n";

// Opens "a.ps" through the dialog with the keyboard answers given, and finishes it. The
// console's lines; the file is rendered.
Lines openAndFinish(const std::string& keys) {
    ConsoleCapture console(keys);
    resetBlocks();
    std::string fname = fit("seis.ps", 35);
    intplinit(fname, 2);
    EXPECT_TRUE(fname == fit("a.ps", 35) && psdevice.open);
    psend();
    expectRenders("a.ps");
    return console.lines();
}

TEST(Settings, TheFileAsFoundAndTheAnswersOfTheUpdateDialog) {
    struct Case {
        const char* found;  // the settings file before the opening; nullptr: none
        const char* keys;   // the answers before the file name
        Lines shown;        // console lines in their turn
        int refusals;       // of an orientation
        std::string after;  // the settings file after the opening
        std::vector<std::pair<std::size_t, std::string>> head;  // lines of the plot file
    };
    const Lines defaults = {" >>> CURRENT VERSION :  8.0         <<<",
                            " >>> LAST MODIFIED ON: 19-03-2009   <<<",
                            " Overlay ?  = No ",
                            " # Copies   =   1",
                            " System     = Portrait",
                            " PostScript = NeWS                ",
                            " pslib7_ini.txt updated or created"};
    const Lines orientations = {" Page orientation...Command", " Portrait.................P",
                                " Landscape US Letter....LUS", " Landscape A4...........LA4"};
    const Lines dialects = {" choose Postscript type", " Compressed             1",
                            " NeWS                   2", " Illustrator v.2 = 88   3"};
    const std::string refused = " Unknown command ==> Asking again";
    const std::string kept = "  F   3 LA4  1\n    \nkept\n", seven = "  F   1 P    7\n    \n";
    const std::pair<std::size_t, std::string> init{46, "% Initialize coordinate system and scales"},
        copies3{47, "/#copies   3 def"}, la4{48, " 595 0 translate 90 rotate"};
    // A missing or unreadable file gives all four defaults and is written; a record read is kept
    // as it is, its dialect 7 read as 2. Answers: no to the defaults, then overlay, copies,
    // orientation (asked again while unknown) and dialect.
    // clang-format off
    const Case cases[] = {
        {nullptr, "\n", defaults, 0, kDefaultRecord, {{1, init.second}}},
        {"  T   3 LA4 x1\n", "\n", defaults, 0, kDefaultRecord, {}},
        {kept.c_str(), "\n", {" System     = Landscape A4", " PostScript = Compressed          "},
         0, kept, {init, copies3, la4}},
        {seven.c_str(), "\n", {" PostScript = NeWS                "}, 0, seven, {}},
        {nullptr, "n\nn\n3\nLA4\n1\n", orientations + dialects, 0, "  F   3 LA4  1\n    \n",
         {init, copies3, la4}},
        {nullptr, "n\n\n1000\n\n1\n", {" ==> RESET TO: 999"}, 0, "  F 999 P    1\n    \n",
         {{47, "/#copies 999 def"}}},
        {nullptr, "n\ny\n\n\n2\n", {}, 0, "  T   1 P    2\n    \n", {{0, "% Ready to go"}}},
        {nullptr, "n\n\n\nLus\nx\nlus\n\n", orientations + Lines{refused} + orientations, 2,
         "  F   1 LUS  2\n    \n", {{4, " 612 0 translate 90 rotate"}}},
        {nullptr, "n\n\n\nPortrait\n\n", {}, 0, kDefaultRecord,
         {{4, " 0.000  0.000  0.000 setrgbcolor"}}}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.found ? c.found : "no file") + " answers " + c.keys);
        InFolder f;
        if (c.found) f.dir.write("pslib7_ini.txt", c.found);
        const Lines out = openAndFinish(std::string(c.keys) + "a.ps\n");
        EXPECT_EQ(missingInOrder(out, c.shown), "");
        EXPECT_EQ(countLines(out, refused), c.refusals);
        EXPECT_EQ(countLines(out, " pslib7_ini.txt updated or created"),
                  !c.found || c.after != c.found);
        EXPECT_EQ(f.dir.read("pslib7_ini.txt"), c.after);
        const Lines file = splitLines(f.dir.read("a.ps"));
        for (const auto& [k, line] : c.head)
            EXPECT_TRUE(k < file.size() && file[k] == line) << line;
    }
}

TEST(Settings, RecordsAsRead) {
    struct Case {
        const char* content;
        bool read;
        PsSettings want;  // the defaults when not read
    };
    // Blanks inside a number are ignored and an all-blank number reads as 0; a dialect outside
    // 1..3 is 2, copies are held to 1..999; nothing beyond column 14 or the first record counts.
    // clang-format off
    const Case cases[] = {
        {"  T 12  LUS  3", true, {true, 12, "LUS", 3}},
        {" .t 1 2 LA4 +1\n", true, {true, 12, "LA4", 1}},
        {"  F   1 P     ", true, {false, 1, "P  ", 2}},
        {"  F   0 XYZ  1", true, {false, 1, "XYZ", 1}},
        {"  T", true, {true, 1, "   ", 2}},
        {"  F   1 P    2x", true, {false, 1, "P  ", 2}}, {"  F *** P    2", false, {}},
        {"    1 P    2", false, {}}, {"", false, {}},
        {"\n  F   3 P    1\n", false, {}}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        InFolder f;
        f.dir.write("pslib7_ini.txt", c.content);
        PsSettings s{true, 5, "LUS", 3};
        EXPECT_EQ(readPsSettings(s), c.read);
        EXPECT_TRUE(s.overlay == c.want.overlay && s.copies == c.want.copies &&
                    s.orientation == c.want.orientation && s.dialect == c.want.dialect);
    }
}

TEST(Settings, AnUnwritableSettingsFileWarnsAndTheRunGoesOn) {
    InFolder f;
    // A folder in its place can be neither read nor written; one line for the warning's pause.
    ASSERT_EQ(mkdir(f.dir.file("pslib7_ini.txt").c_str(), 0755), 0);
    const Lines out = openAndFinish("\n\na.ps\n");
    EXPECT_EQ(countLines(out, " pslib7_ini.txt could not be written"), 1);
    EXPECT_TRUE(std::any_of(out.begin(), out.end(),
                            [](const auto& l) { return l.find("WARNING") != l.npos; }));
}

}  // namespace tensova::test

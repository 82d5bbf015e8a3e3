// The PostScript document: its heads and trailers, its life, its settings.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "console/prompts.hpp"
#include "console/stop.hpp"
#include "postscript/page.hpp"
#include "ps_fixture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// Heads and trailers of the three dialects, byte for byte (the part of the golden file numbered
// as the case), each one of the heads that plot files replace; the file's life from its opening to
// its trailer, however the run ends; each file rendered by Ghostscript.
const std::string kProlog = joined(golden("ps_prolog.txt"));

TEST(Document, HeadAndTrailerOfEachDialect) {
    // The settings are flat in the table and built per case: GCC 12 at -O3 falsely warns of an
    // uninitialised string when the table nests them.
    struct Case {
        bool overlay;
        int32_t copies;
        std::string_view orientation;
        int32_t dialect;
        bool colour;
    };
    // Copies only in dialect 1; the box only for known orientations; an overlay has no head of
    // its own in dialects 1 and 2, and is ignored in dialect 3 as are the copies.
    const Case cases[] = {
        {false, 1, "P  ", 1, false}, {false, 2, "P  ", 1, true},  {false, 999, "LUS", 1, true},
        {false, 1, "LA4", 1, false}, {true, 3, "LA4", 1, true},   {false, 1, "XYZ", 1, false},
        {false, 5, "P  ", 2, true},  {false, 1, "LA4", 2, false}, {false, 2, "LUS", 2, true},
        {true, 1, "P  ", 2, false},  {false, 1, "P  ", 3, true},  {true, 7, "LUS", 3, false},
        {false, 2, "LA4", 3, true}};
    for (const Case& c : cases) {
        const PsSettings settings{c.overlay, c.copies, std::string(c.orientation), c.dialect};
        SCOPED_TRACE(std::to_string(c.dialect) + " " + settings.orientation);
        PsDocument doc(settings, c.colour);
        expectGolden(doc.finish(), "ps_heads.txt#" + std::to_string(&c - cases));
        EXPECT_TRUE(readFile(doc.path).ends_with("%%EOF\n"));
        // A plot file replaces it without a question.
        EXPECT_TRUE(std::ranges::any_of(plotFileHeads(), [&](const std::string& head) {
            return regularFileBeginsWith(doc.path, head);
        }));
        // An overlay goes over a document of its own dialect: drawn after a compressed prolog.
        doc.dir.write("prolog.ps", "%!\n" + kProlog);
        const bool overlay1 = c.overlay && c.dialect == 1;
        expectRenders(doc.path, overlay1 ? doc.dir.file("prolog.ps") : "");
    }
}

TEST(Document, NothingIsWrittenOnceTheFileIsClosedAndTheLastColourIsForgotten) {
    PsDocument doc(PsSettings{false, 1, "P  ", 2});
    psattributes.linecolor = 2;
    psrgbcolor(1);  // the file ends in slot 2
    const Lines closed = doc.finish();
    std::array<float, 2> x{100, 200}, y{100, 100};
    float px = 5, py = 6;
    deline(x.data(), y.data(), 2), depolygon(x.data(), y.data(), 2), deplot(px, py, 0);
    deplot(px, py, 1), detext2(px, py, "late"), intslinewidth(2), psrgbcolor(-1), intnewpage();
    psend();
    EXPECT_TRUE(splitLines(readFile(doc.path)) == closed && !psdevice.open);
    // The next file opens black and white; colour switched on while it is open, its first
    // stroke names its colour.
    psattributes.colorplot = false;
    ASSERT_TRUE(unitOpen(kPlotUnit, doc.path, OpenStatus::Unknown));
    beginDocument(PsSettings{false, 1, "P  ", 2}, fit("plot.ps", 20));
    psattributes.colorplot = true;
    deline(x.data(), y.data(), 2);
    EXPECT_EQ(between(doc.finish(), "100.00 100.00 moveto", "stroke"),
              (Lines{"200.00 100.00 lineto", " 0.500  0.000  0.000 setrgbcolor"}));
    expectRenders(doc.path);
}

TEST(Document, AFileThatCouldNotBeWrittenIsReported) {
    ConsoleCapture console;
    if (!unitOpen(kPlotUnit, "/dev/full", OpenStatus::Unknown)) GTEST_SKIP() << "no /dev/full";
    resetBlocks();
    beginDocument(PsSettings{false, 1, "P  ", 1}, fit("/dev/full", 20));
    psend();
    EXPECT_FALSE(psdevice.open);
    const Lines said{" The PostScript plot file could not be written completely",
                     "   IN FILE: /dev/full", " FILE /dev/full IS CLOSED"};
    EXPECT_EQ(block(console.lines(), said), said);
    EXPECT_EQ(countLines(console.lines(), said[0]), 1);
}

// An answer refused from a pipe ends the run, and nothing more is read from standard input: the
// pause of the box that says the plot file could not be closed, as the run stops, reads none of
// the lines after it either.
TEST(DocumentDeathTest, ARefusedAnswerFromAPipeLeavesTheRestUnreadWhileThePlotFileFails) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const auto refused = [] {
        ConsoleCapture console("abc\nleft\nover\n", false);
        if (!unitOpen(kPlotUnit, "/dev/full", OpenStatus::Unknown)) std::exit(3);
        resetBlocks();
        beginDocument(PsSettings{false, 1, "P  ", 1}, fit("/dev/full", 20));
        atStop([] {
            std::string line;
            const bool read = unitReadLine(kKeyboardUnit, line) == ReadResult::Ok;
            std::fprintf(stderr, "%s%s\n", read ? "read after the refusal: " : "nothing read",
                         line.c_str());
        });
        int32_t choice = 0;
        inintegdef(choice, "your choice", 99);
    };
    EXPECT_EXIT(refused(), testing::ExitedWithCode(kExitFileNotWhole),
                "nothing read.*could not be written completely");
}

// Opening again finishes the file still open. Lines reach the file in large pieces: a file closed
// behind the document's back leaves nothing of its lines to the next document.
TEST(Document, OpeningAgainFinishesTheFileStillOpenAndANewOneStartsWithNothingGathered) {
    InFolder f;
    ConsoleCapture console("\nsecond.ps\n");
    openDocument(f.dir.file("first.ps"), PsSettings{false, 1, "P  ", 2});
    std::string fname = fit("seis.ps", 20);
    intplinit(fname, 2);
    psend();
    expectRenders(f.dir.file("first.ps"));
    expectRenders(f.dir.file("second.ps"));
    openDocument(f.dir.file("third.ps"), PsSettings{false, 1, "P  ", 2});
    psLine("% left over");
    unitClose(kPlotUnit);
    openDocument(f.dir.file("fourth.ps"), PsSettings{false, 1, "P  ", 2});
    psend();
    EXPECT_EQ(readFile(f.dir.file("fourth.ps")).find("left over"), std::string::npos);
    expectRenders(f.dir.file("fourth.ps"));
}

// The settings file and the opening dialog: defaults, memory from one opening to the next,
// damaged and unwritable files, and the answers the dialog accepts.

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

// The cases are the rows of a table of tests/data.
TEST(Settings, TheFileAsFoundAndTheAnswersOfTheUpdateDialog) {
    const auto cases = tableRows("ps_settings_dialog.txt", ';');
    ASSERT_EQ(cases.size(), 9u);
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const auto& c = cases[k];
        SCOPED_TRACE(c.at(0) + " answers " + c.at(1));
        InFolder f;
        if (c[0] != "-") f.dir.write("pslib7_ini.txt", c[0]);
        expectGolden(openAndFinish(c[1] + "a.ps\n"), "ps_settings.txt#" + std::to_string(k));
        EXPECT_EQ(f.dir.read("pslib7_ini.txt"), c.at(2));
        const Lines file = splitLines(f.dir.read("a.ps"));
        std::istringstream head(c.size() > 3 ? c[3] : "");
        for (std::string want; std::getline(head, want, '|');) {
            const auto line = std::stoul(want), b = want.find('"'), e = want.rfind('"');
            EXPECT_TRUE(line < file.size() && file[line] == want.substr(b + 1, e - b - 1)) << want;
        }
    }
}

// The orientation question takes its answer cut to the command's 3 characters: LUS or LA4 in
// capitals or in small letters, or a first letter P in either case; anything else is asked again.
TEST(Settings, TheOrientationAnswers) {
    const struct {
        const char* answer;
        const char* command;  // "" when refused
    } cases[] = {
        {"P", "P  "},        {"p", "P  "},
        {"Portrait", "P  "}, {"portrait page", "P  "},
        {"LUS", "LUS"},      {"lus", "LUS"},
        {"LUSX", "LUS"},     {"LA4", "LA4"},
        {"la4", "LA4"},      {"LA4 ! comment", "LA4"},
        {"Lus", ""},         {"La4", ""},
        {"x", ""},           {"L", ""},
        {"Landscape", ""},   {"", ""},
        {" P", ""},
    };
    for (const auto& c : cases) {
        const Orientation* o = orientationAnswered(c.answer);
        EXPECT_EQ(o != nullptr ? std::string(o->command) : "", c.command) << c.answer;
    }
}

// The settings files and what is read from them are the rows of a table of tests/data.
TEST(Settings, RecordsAsRead) {
    const auto cases = tableRows("ps_settings_records.txt", ';');
    ASSERT_EQ(cases.size(), 12u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at(0));
        InFolder f;
        f.dir.write("pslib7_ini.txt", c[0]);
        PsSettings s{true, 5, "LUS", 3};
        const auto n = numbers(c.at(1) + " " + c.at(2));
        ASSERT_EQ(n.size(), 4u);
        EXPECT_EQ(readPsSettings(s), n[0] == 1);
        EXPECT_TRUE(s.overlay == (n[1] == 1) && s.copies == n[2] && s.orientation == c.at(3) &&
                    s.dialect == n[3]);
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

// On a disk that takes 5 bytes the settings are not saved, and the file keeps what it held: not
// the 5 bytes of a record the next run would refuse, nor a leftover beside it.
TEST(Settings, WrittenWholeOrNotAtAll) {
    InFolder f;
    const PsSettings kept{true, 7, "L  ", 3};
    ASSERT_TRUE(writePsSettings(kept));
    const std::string before = f.dir.read("pslib7_ini.txt");
    {
        const FileSizeLimit disk(5);
        EXPECT_FALSE(writePsSettings(PsSettings{false, 1, "P  ", 2}));
    }
    EXPECT_EQ(f.dir.read("pslib7_ini.txt"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.path()), {}), 1);
    PsSettings s;
    EXPECT_TRUE(readPsSettings(s));
    EXPECT_EQ(s.copies, 7);
}

}  // namespace
}  // namespace tensova::test

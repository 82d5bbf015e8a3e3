// The plot commands of the main menu: opening and closing the plot file, the plot parameters
// with a colour file, and plot files finished however the run ends.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "console/text.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova {
namespace {

using test::Keyboard;
using test::Session;

// The file ends with its trailer, and Ghostscript draws its one page.
void expectComplete(const Session& s, const std::string& name) {
    EXPECT_TRUE(s.dir.read(name).ends_with("\n%%EOF\n")) << name;
    test::expectRenders(s.dir.file(name), "", 1);
}

TEST(PlotMenu, OpenTwiceSetFromAColourFileCloseTwiceAndQuit) {
    // 10 with the settings kept, again (a warning); 330: the colour file (its two colours leave
    // the fill colour outside: a warning), line colour 2, text size 0.8; 20 with its return,
    // again (a warning); quit.
    const Session s(
        "\n10\n\nplot.ps\n10\n\n330\n52\n300\ncolours.txt\n\n99\n12\n2\n31\n0."
        "8\n99\n20\n\n20\n\n9999\n",
        {{"colours.txt", "2\n0 100 100 100 paper\n1 0 0 0 ink\n2 0 0 100 blue\n"}});
    EXPECT_EQ(s.result.status, 0);
    test::expectGolden(test::fromMainMenu(s.result.out), "plot_menu.txt");
    expectComplete(s, "plot.ps");
}

TEST(PlotMenu, TheEndOfInputFinishesAnOpenPlotFile) {
    // At the main prompt; at the return that closes the file, which ends the wait, and the main
    // prompt that follows ends the run; at the return of the quit's close, which ends the wait
    // and lets the quit end the run as it does.
    const std::pair<std::string, int> cases[] = {{"", 1}, {"20\n", 1}, {"9999\n", 0}};
    for (const auto& [last, status] : cases) {
        const Session s("\n10\n\nplot.ps\n" + last);
        EXPECT_EQ(s.result.status, status) << last;
        EXPECT_EQ(s.count(" END OF INPUT"), status) << last;
        EXPECT_EQ(s.count(" The PostScript plot file is closed"), last.empty() ? 0 : 1) << last;
        expectComplete(s, "plot.ps");
    }
}

// A plot file replaces plot files only. A name that holds another file (here the catalogue read
// in the run) is asked about first at a terminal, default No, and No asks for a name again, at
// the main menu's plot prompt and the sheet's alike; at the end of the input the run stops and
// the file is kept. A command file that gives such a name is refused, ends, and the keyboard
// gives another. A plot file of this program is replaced without a question.
TEST(PlotMenu, APlotFileNameThatHoldsAnotherFileIsAskedAbout) {
    const std::string three = test::testData("three.ndk");
    const std::string read = "\n1000\n1001\nthree.ndk\n";
    const std::string cmds = "1000\n1001\nthree.ndk\n10\n\nthree.ndk\n9999\n";
    const struct {
        const char* what;
        std::string input;
        int status;
        int questions;     // "file exists: replace it ?"
        int refusals;      // boxes that refuse the name because the file exists
        const char* plot;  // the file that holds the finished plot; "" none
    } cases[] = {
        {"no, then another name", read + "10\n\nthree.ndk\n\nplot.ps\n20\n\n9999\n", 0, 1, 0,
         "plot.ps"},
        {"yes", read + "10\n\nthree.ndk\ny\n20\n\n9999\n", 0, 1, 0, "three.ndk"},
        {"end of input at the question", read + "10\n\nthree.ndk\n", 1, 1, 0, ""},
        {"the sheet's plot prompt", read + "3000\n10\n\nthree.ndk\nn\nplot.ps\n99\n20\n\n9999\n", 0,
         1, 0, "plot.ps"},
        {"a command file", "\n5000\n5001\ncmds.txt\n\nplot.ps\n20\n\n9999\n", 0, 0, 1, "plot.ps"},
        {"a PostScript file", "\n10\n\nold.ps\n20\n\n9999\n", 0, 0, 0, "old.ps"},
        {"a plot piece to lay over another", "\n10\n\nover.ps\n20\n\n9999\n", 0, 0, 0, "over.ps"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Session s(c.input,
                        {{"three.ndk", three},
                         {"cmds.txt", cmds},
                         {"old.ps", "%!\n%%Pages: (atend)\n"},
                         {"over.ps", "% Ready to go\n"}},
                        Keyboard::Terminal);
        EXPECT_EQ(s.result.status, c.status);
        EXPECT_EQ(s.count(" file exists: replace it ?"), c.questions);
        EXPECT_EQ(s.count(" File exists"), c.refusals);
        if (std::string(c.plot) != "three.ndk") {
            EXPECT_EQ(s.dir.read("three.ndk"), three);
        }
        if (*c.plot != '\0') expectComplete(s, c.plot);
    }
}

// Which existing files a plot file replaces without a question: those that begin as this
// program's plot files begin (the head of each dialect, a piece laid over another). Any other
// file, PostScript of other programs and files that merely begin with "%" among them, is asked
// about at a terminal (No keeps it) and refused in a command file, which then ends.
TEST(PlotMenu, OnlyThisProgramsPlotFilesAreReplacedWithoutAQuestion) {
    const struct {
        const char* what;
        std::string head;
        bool asked;
    } cases[] = {
        {"compressed head", "%!\n%%Pages: (atend)\n%%BoundingBox: 0 0 595 842\n", false},
        {"NeWS head", "%!\n% Initialize coordinate system and scales\n%%Pages: (atend)\n", false},
        {"Illustrator head", "%!PS-Adobe-2.0 EPSF-1.2\n%%Title: f.ps\n", false},
        {"piece laid over another", "% Ready to go\n0.5 setlinewidth\n", false},
        {"PostScript of another program", "%!PS-Adobe-3.0\n%%Creator: cairo\n", true},
        {"Illustrator's own file", "%!PS-Adobe-2.0 EPSF-1.2\n%%Creator:Adobe Illustrator\n", true},
        {"bare PostScript", "%!\nshowpage\n", true},
        {"TeX source", "% comment\n\\documentclass{article}\n", true},
        {"MATLAB script", "%% matlab\nx = 1;\n", true},
        {"binary", std::string("\0\x01\xff%!\n", 5), true},
        {"empty file", "", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Session keyboard(
            "\n10\n\nf.ps\n" + std::string(c.asked ? "n\nother.ps\n" : "") + "20\n\n9999\n",
            {{"f.ps", c.head}}, Keyboard::Terminal);
        EXPECT_EQ(keyboard.result.status, 0);
        EXPECT_EQ(keyboard.count(" file exists: replace it ?"), c.asked ? 1 : 0);
        const Session file(
            "\n5000\n5001\ncmds.txt\n" + std::string(c.asked ? "\nother.ps\n20\n\n9999\n" : ""),
            {{"f.ps", c.head}, {"cmds.txt", "10\n\nf.ps\n20\n\n9999\n"}}, Keyboard::Terminal);
        EXPECT_EQ(file.result.status, 0);
        EXPECT_EQ(file.count(" File exists"), c.asked ? 1 : 0);
        EXPECT_EQ(file.count(" ===> END OF COMMAND FILE"), c.asked ? 1 : 0);
        for (const Session* s : {&keyboard, &file}) {
            if (c.asked) {
                EXPECT_EQ(s->dir.read("f.ps"), c.head);
                expectComplete(*s, "other.ps");
            } else {
                expectComplete(*s, "f.ps");
            }
        }
    }
}

// A RUN with a plot file open, answered 1 (close it, open a new one): the new file's name takes
// 20 characters, and a line that starts with a blank takes its default name, Next_plot.
TEST(PlotMenu, TheNextPlotFileTakesTwentyCharactersAndABlankTakesTheDefault) {
    const Session s("\n10\n\nplot.ps\n3000\n1000\n1\n\n\n" + std::string(21, 'n') + "\n\n " +
                        std::string(20, 'n') + "\n99\n9999\n\n",
                    {}, Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" name longer than 20 characters"), 1);
    EXPECT_FALSE(s.dir.exists(std::string(20, 'n')));
    expectComplete(s, "plot.ps");
    test::expectRenders(s.dir.file("Next_plot"), "", 1);
}

// A settings file that cannot be written (a folder in its place, a full disk) is never said to be
// written: the warning alone, with its pause, and the plot file is written all the same.
void expectUnwritableSettings(bool fullDisk) {
    Session s;
    const std::string settings = s.dir.file("pslib7_ini.txt");
    ASSERT_EQ(fullDisk ? symlink("/dev/full", settings.c_str()) : mkdir(settings.c_str(), 0755), 0);
    s.run("\n10\n\n\nplot.ps\n20\n\n9999\n");
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" pslib7_ini.txt updated or created"), 0);
    EXPECT_EQ(s.count(" pslib7_ini.txt could not be written"), 1);
    expectComplete(s, "plot.ps");
}

TEST(PlotMenu, AnUnwritableSettingsFileIsNotSaidToBeWritten) {
    expectUnwritableSettings(false);
}

TEST(PlotMenu, ASettingsFileOnAFullDiskIsNotSaidToBeWritten) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    expectUnwritableSettings(true);
}

}  // namespace
}  // namespace tensova

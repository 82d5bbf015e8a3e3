// The program as a user meets it at the main menu.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "catalogue/catalogue_samples.hpp"
#include "console/text.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// The checks of every plot file rest on Ghostscript reporting a file it cannot draw.
TEST(Harness, GhostscriptReportsAnErrorInAFile) {
    if (!canRender("bad.ps")) return;
    TempDir dir;
    dir.write("bad.ps", "%!PS\nnewpath 100 100 moveto undefinedthing stroke showpage\n");
    const auto bad = renderPostScript(dir.file("bad.ps"));
    EXPECT_TRUE(bad.error || bad.exitCode != 0);
}

// The main menu, the end of input, the Si-Sh file and command files, driven through the real
// binary as a user or a command file would.
using test::Lines;
using test::Session;

// The refusal of a name, in the field of the file table (35 characters for a command file).
std::string couldNotOpen(const std::string& name, std::size_t field = 40) {
    return " COULD NOT OPEN FILE " + fit(name, field);
}

// The start-up trace of every module in its order, with the banner, which waits for one line;
// the main menu with help, the Si-Sh switch, two numbers it does not know, answers it cannot
// read (a decimal number and ",7", which is not 7), and the quit with the closing banner.
TEST(MainMenu, StartHelpSwitchUnknownNumbersBadAnswersAndQuit) {
    const Session s("\n900\n7\ny\n99\n0\n5.0\n\n,7\n\n9999\n", {}, Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    EXPECT_TRUE(s.result.err.empty()) << s.result.err;
    const Lines lines = test::splitLines(test::maskVolatile(s.result.out));
    const int menu = test::findLine(lines, " @ main program tensova    ") - 1;
    test::expectGolden(test::slice(lines, 0, menu), "startup.txt");
    test::expectGolden(test::slice(lines, menu, static_cast<int>(lines.size()) - menu),
                       "main_menu.txt");
}

// The run's system line, which the golden masks, names the processor: the x86 family as i86,
// any other as one of no known code.
TEST(MainMenu, TheSystemLineNamesTheProcessor) {
    const Session s("\n9999\n");
    const auto line = std::find_if(s.lines.begin(), s.lines.end(), [](const std::string& l) {
        return l.starts_with(" @ On system: ");
    });
    ASSERT_NE(line, s.lines.end());
    utsname u{};
    ASSERT_EQ(uname(&u), 0);
    const std::string machine = u.machine;
    const bool x86 = machine == "x86_64" ||
                     (machine.size() == 4 && machine[0] == 'i' && machine.ends_with("86"));
    const auto from = line->find('-') + 1;
    EXPECT_EQ(line->substr(from, line->find('-', from) - from), x86 ? "i86" : "CPU????") << *line;
}

// The waiting points, and the line each shows first, are the rows of a table of tests/data. The
// terminal hangs up where the input ends, as Ctrl-D at the keyboard: boxes and questions asked
// again wait there as for a person.
TEST(EndOfInput, EveryWaitingPointEndsTheRunAtOnce) {
    const auto cases = tableRows("end_of_input.txt", ';');
    ASSERT_EQ(cases.size(), 15u);
    const std::string three = test::testData("three.ndk");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at(0));
        const std::string &input = c.at(1), &before = c.at(2);
        Session s;  // a run that does not end is killed after 10 s and fails
        s.run(input, {{"three.ndk", three}}, 10, Keyboard::Terminal);
        EXPECT_EQ(s.result.status, 1);
        EXPECT_EQ(test::slice(s.lines, static_cast<int>(s.lines.size()) - 2, 2),
                  (Lines{" END OF INPUT", " ===> STOPPING EXECUTION"}));
        EXPECT_GE(s.find(before), 0);
        EXPECT_EQ(s.dir.read("out.ndk"), input.ends_with("out.ndk\n") ? three : "");
    }
}

TEST(SishFile, OpenListCloseAndQuit) {
    const Session s("\n13\nsish.txt\n13\n23\n23\n9999\n");
    EXPECT_EQ(s.result.status, 0);
    EXPECT_TRUE(s.dir.exists("sish.txt"));
    // After each 13 and each 23 the name is listed: it is kept; a second 13 does nothing at all.
    expectGolden(fromMainMenu(s.result.out), "menu_sessions.txt#si-sh file");
}

TEST(SishFile, ChooserRefusalsRetryAndNeverLoseAFile) {
    Session s;
    s.dir.write("keep.txt", "precious\n");
    std::filesystem::create_directory(s.dir.file("adir"));
    const std::string longName(41, 'x');
    const std::string withNul("keep.txt\0x", 10);
    const std::string newName = std::string(36, 'n') + ".txt";  // as long as the field
    // At the keyboard: a directory, a name too long for its field, a name holding a NUL (which
    // must not open the file named by its first part), then a good name of 40 characters.
    s.run("\n13\nadir\n\n" + longName + "\n\n" + withNul + "\n\n" + newName + "\n9999\n", {}, 20,
          Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(couldNotOpen("adir")), 1);
    EXPECT_EQ(s.count(" COULD NOT OPEN FILE " + longName), 1);
    EXPECT_EQ(s.count(" name longer than 40 characters"), 1);
    EXPECT_EQ(s.count(couldNotOpen(withNul)), 1);
    EXPECT_EQ(s.count(" ===> RETRYING"), 3);
    EXPECT_FALSE(s.dir.exists(longName.substr(0, 40)));
    EXPECT_TRUE(s.dir.exists(newName));
    EXPECT_EQ(s.dir.read("keep.txt"), "precious\n");
}

// A file that simply ends (no 5002) hands the question it ended at to the keyboard, in full:
// here a menu answer (after a last line without newline) and the name of a file to read.
TEST(CommandFile, AFileEndingAtAQuestionHandsItToTheKeyboard) {
    const std::pair<const char*, const char*> cases[] = {
        {"900", "9999\n"}, {"1000\n100\n250\ny\n252\n", "poly.txt\n99\n99\n9999\n"}};
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& [cmds, keyboard] = cases[k];
        const Session s("\n5000\n5001\ncmds.txt\n" + std::string(keyboard),
                        {{"cmds.txt", cmds}, {"poly.txt", "4 1\n0 10\n60 10\n60 40\n0 40\n"}});
        EXPECT_EQ(s.result.status, 0) << cmds;
        expectGolden(fromMainMenu(s.result.out),
                     "menu_sessions.txt#command file ending " + std::to_string(k));
    }
}

TEST(CommandFile, BoxesWaitForTheKeyboardAndRefusalsChangeNothing) {
    // At the keyboard a missing command file is asked for again. In the file: a second command
    // file, then a name to save under that exists, which ends the file. One keyboard line for
    // each of the three boxes; the keyboard names the file; then its own 5000 5002, and its box.
    const Session s("\n5000\n5001\nnothere.txt\n\ncmds.txt\n\n\nfresh.txt\n5000\n5002\n\n9999\n",
                    {{"cmds.txt", "5000\n5001\n13\nexists.txt\nnever.txt\n5000\n5002\n"},
                     {"exists.txt", "keep\n"}},
                    Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    expectGolden(fromMainMenu(s.result.out), "menu_sessions.txt#boxes wait");
    EXPECT_EQ(s.dir.read("exists.txt"), "keep\n");  // a command file never replaces a file
    EXPECT_TRUE(s.dir.exists("fresh.txt"));
    EXPECT_FALSE(s.dir.exists("never.txt"));
}

// A name the command file gives that cannot be opened ends the file, in the box that refuses
// it: its next lines, answers to later questions, are never taken as file names. At a terminal
// the keyboard takes over.
TEST(CommandFile, ARefusedNameEndsTheFileAndTheKeyboardTakesOver) {
    const std::string three = test::testData("three.ndk");
    const struct {
        const char* cmds;
        const char* keyboard;  // after the pause of the box
        const char* name;
    } cases[] = {{"1000\n1001\nthree.ndk\n1200\n1001\nout.ndk\ny\n99\n9999\n",
                  "new.ndk\ny\n99\n9999\n", "out.ndk"},
                 {"1000\n1001\nmissing.ndk\n99\n9999\n",
                  "three.ndk\n1200\n1001\nnew.ndk\ny\n99\n9999\n", "missing.ndk"}};
    for (const auto& c : cases) {
        const Session s("\n5000\n5001\ncmds.txt\n\n" + std::string(c.keyboard),
                        {{"cmds.txt", c.cmds}, {"three.ndk", three}, {"out.ndk", "old\n"}},
                        Keyboard::Terminal);
        EXPECT_EQ(s.result.status, 0) << c.name;
        expectGolden(fromMainMenu(s.result.out),
                     std::string("menu_sessions.txt#refused ") + c.name);
        EXPECT_EQ(s.dir.read("out.ndk"), "old\n") << c.name;
        EXPECT_EQ(s.dir.read("new.ndk"), three) << c.name;
        EXPECT_FALSE(s.dir.exists("y") || s.dir.exists("99")) << c.name;
    }
}

// A command file that ends at the question of a name to save under hands it to the keyboard's
// chooser. At a terminal a name that holds a file is asked about first, default No; No asks for
// the name again, Yes replaces the file.
TEST(Chooser, AnExistingFileIsReplacedOnlyOnceTheUserSaysSo) {
    const std::string three = test::testData("three.ndk");
    const Session s(
        "\n5000\n5001\ncmds.txt\nvictim.ndk\n\nother.ndk\ny\n99\n13\nsish.txt\ny\n9999\n",
        {{"cmds.txt", "1000\n1001\nvictim.ndk\n1200\n1001\n"},
         {"victim.ndk", three},
         {"sish.txt", "old\n"}},
        Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    expectGolden(fromMainMenu(s.result.out), "menu_sessions.txt#replace");
    EXPECT_EQ(s.dir.read("victim.ndk"), three);
    EXPECT_EQ(s.dir.read("other.ndk"), three);
    EXPECT_EQ(s.dir.read("sish.txt"), "");
}

// What is not a regular file is refused at once, and the name asked for again.
TEST(Chooser, PipesAndDevicesAreNotReadAndNeverHoldTheRun) {
    Session s;
    ASSERT_EQ(mkfifo(s.dir.file("pipe").c_str(), 0600), 0);
    s.dir.write("three.ndk", test::testData("three.ndk"));
    s.run("\n1000\n1001\npipe\n\n/dev/zero\n\nthree.ndk\n9999\n", {}, 5, Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    expectGolden(fromMainMenu(s.result.out), "menu_sessions.txt#pipes and devices");
}

// A file the run holds open, under its name or another, is refused as an output with a box
// that says so, and the name is asked for again: the Si-Sh file as a plot file, the plot file as
// a catalogue output, the running command file as a plot file (which also ends the command file).
TEST(Chooser, AFileTheRunHoldsOpenIsNoOutput) {
    const std::string three = testData("three.ndk");
    const std::string cmds = "10\n\ncmds.txt\n";
    const std::string sish =
        "1000\n1001\nthree.ndk\n13\nsame.txt\n7\ny\n2001\n320\n20\n-180 180 30\n99\n1000\n\n";
    const auto sishKept = [](const std::string& t) { return splitLines(t).size() == 4; };
    const auto plotKept = [](const std::string& t) { return t.ends_with("%%EOF\n"); };
    const struct {
        const char* what;
        std::string input;  // after the banner's line
        const char* kept;   // the file held open
        std::function<bool(const std::string&)> intact;
        const char* written;  // the name given after the refusal
    } cases[] = {
        {"plot file on the Si-Sh file", sish + "same.txt\n\nother.ps\n99\n99\n99\n9999\n\n",
         "same.txt", sishKept, "other.ps"},
        {"plot file on a link to the Si-Sh file",
         sish + "link.ps\n\nother.ps\n99\n99\n99\n9999\n\n", "same.txt", sishKept, "other.ps"},
        {"catalogue output on the plot file",
         "10\n\nplot.ps\n1000\n1001\nthree.ndk\n1200\n1001\nplot.ps\n\nnew.ndk\ny\n99\n20\n\n"
         "9999\n",
         "plot.ps", plotKept, "new.ndk"},
        {"plot file on the command file", "5000\n5001\ncmds.txt\n\nplot.ps\n20\n\n9999\n",
         "cmds.txt", [&](const std::string& t) { return t == cmds; }, "plot.ps"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        ASSERT_EQ(symlink("same.txt", s.dir.file("link.ps").c_str()), 0);
        s.run("\n" + c.input, {{"three.ndk", three}, {"cmds.txt", cmds}}, 20, Keyboard::Terminal);
        EXPECT_EQ(s.result.status, 0);
        EXPECT_EQ(s.count(" File already open in this run"), 1);
        EXPECT_TRUE(c.intact(s.dir.read(c.kept)));
        EXPECT_FALSE(s.dir.read(c.written).empty());
        for (const std::string name : {c.kept, c.written})
            if (name.ends_with(".ps")) expectRenders(s.dir.file(name));
    }
}

// A command file whose answer cannot be read ends there, in one box that names its line: a
// catalogue started as a command file, a wrong yes or no, a line of the grid's range, a real.
// At a terminal the keyboard then answers the question again; the file's later lines are never
// used. A yes or no of a command file counts whole, and its box quotes it whole.
TEST(CommandFile, AnAnswerThatCannotBeReadEndsItInOneBox) {
    const struct {
        const char* what;
        std::string cmds;
        const char* keyboard;  // after the box's pause
        const char* error;     // the box's first line
        int line;
    } cases[] = {
        {"catalogue", repeatedNdk(3), "9999\n", " could not read your choice", 1},
        {"yes or no", "7\nmaybe\n9999\n", "\n9999\n", " incorrect answer: \"maybe\"", 2},
        {"grid range", "2001\n320\n10\n-90 x 30\n99\n99\n9999\n", "-90 90 30\n99\n99\n9999\n",
         " could not read enter latitude mini, maxi and increment", 4},
        {"real", "1000\n100\n110\n1O\n9999\n", "10\n20\n99\n99\n9999\n",
         " could not read minimum latitude", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Session s("\n5000\n5001\ncmds.txt\n\n" + std::string(c.keyboard),
                        {{"cmds.txt", c.cmds}}, Keyboard::Terminal);
        EXPECT_EQ(s.result.status, 0);
        const int box = s.find(c.error);
        EXPECT_EQ(s.find(" line " + std::to_string(c.line) + " of command file cmds.txt"), box + 1);
        EXPECT_EQ(s.count(" ===> END OF COMMAND FILE"), 1);
        EXPECT_EQ(s.count(" ===> HIT RETURN TO CONTINUE"), 1);
    }
}

// A line longer than the console takes (a megabyte) is refused whole, at a question and at the
// pause of the box that refuses it: no part of it answers the next question. A line of exactly
// a megabyte is taken.
TEST(Answers, AnOverlongLineIsRefusedWhole) {
    constexpr std::size_t kMegabyte = std::size_t{1} << 20;
    const std::string overlong = std::string(kMegabyte, 'y') + " 9999\n";
    const std::string atTheLimit = "y" + std::string(kMegabyte - 1, ' ') + "\n";
    const Session s("\n7\n" + overlong + overlong + "n\n7\n" + atTheLimit + "9999\n", {},
                    Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" line longer than 1048576 characters"), 1);
    const int no = s.find(" New value =  No ");
    EXPECT_GT(no, s.find(" line longer than 1048576 characters"));
    EXPECT_GT(s.find(" New value =  Yes", no), no);
}

// A typed polygon vertex keeps its latitude on the globe; the scaling of the sheet (its 11)
// refuses a matrix it cannot invert, and asks again.
TEST(Answers, OutOfRangeVertexAndSingularScalingAreAskedAgain) {
    const Session s(
        "\n1000\n100\n250\ny\n253\n3\n261\n10\n262\n\n40\n99\n99\n"
        "3000\n11\ny\n0\n0\n0\n0\n0\n0\n\n0.5\n0\n0\n0.5\n99\n9999\n",
        {}, Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    const int outside = s.find(" outside [-90.000, 90.000]");
    EXPECT_GT(outside, 0);
    const int kept = s.find(" Enter latitude", outside);
    EXPECT_EQ(s.find(" New value =   40.0000    ", outside), kept + 4);
    EXPECT_EQ(s.count(" => Cannot Invert B"), 1);
    EXPECT_EQ(s.count(" ==> WILL ASK VALUES AGAIN"), 1);
}

}  // namespace
}  // namespace tensova::test

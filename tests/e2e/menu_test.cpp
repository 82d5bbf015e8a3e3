// The main menu, the end of input, the Si-Sh file and command files, driven through the real
// binary as a user or a command file would.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "console/text.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using test::countLines;
using test::findLine;
using test::runTensova;
using test::splitLines;
using test::TempDir;
using Lines = std::vector<std::string>;

const std::string kHelp = "                   HELP                     ";
const std::string kMenuBody = "   READ + EXTRACT DATA.......1000";

TEST(MainMenu, HelpSwitchAndQuit) {
    TempDir dir;
    const auto r = runTensova("\n900\n7\ny\n9999\n", dir.path());
    ASSERT_FALSE(r.timedOut);
    EXPECT_EQ(r.status, 0);
    const auto lines = splitLines(r.out);
    const int help = findLine(lines, kHelp);
    ASSERT_GT(help, 0);
    EXPECT_EQ(lines[help + 2], "        Did you REALLY expect help ?        ");
    EXPECT_EQ(lines[help + 5], " ===========================================");
    EXPECT_EQ(countLines(lines, "   WRITE TO Si-Sh FILE .........7 F"), 2);
    EXPECT_EQ(countLines(lines, "   WRITE TO Si-Sh FILE .........7 T"), 1);
    EXPECT_NE(findLine(lines, " @ EXECUTION TERMINATED AT:", 0), 0);
    EXPECT_EQ(lines.back(), " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@");
}

TEST(MainMenu, UnknownNumbersAndBadAnswersShowTheMenuAgain) {
    TempDir dir;
    const auto r = runTensova("\n99\n0\n5.0\n\n,7\n\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const auto lines = splitLines(r.out);
    EXPECT_EQ(countLines(lines, kMenuBody), 3);  // at the start, after 99, after 0
    EXPECT_EQ(countLines(lines, " could not read your choice"), 2);
    EXPECT_EQ(countLines(lines, "   WRITE TO Si-Sh FILE .........7 T"), 0);  // ",7" is not 7
}

TEST(EndOfInput, EveryWaitingPointEndsTheRunAtOnce) {
    struct Case {
        const char* name;
        const char* input;
        const char* lastBefore;  // a line that must come before the stop
    };
    const Case cases[] = {
        {"at the banner", "", " @         HIT RETURN TO CONTINUE"},
        {"at the main prompt", "\n", " Enter your choice"},
        {"inside a box pause", "\nabc\n", " ===> HIT RETURN TO CONTINUE"},
        {"at a yes/no question", "\n7\n", " write extracted data to si-sh file ?"},
        {"at a file name", "\n13\n", " Choose extracted si-sh output file name"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const auto start = std::chrono::steady_clock::now();
        const auto r = runTensova(c.input, dir.path(), 5);
        const double secs =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ASSERT_FALSE(r.timedOut) << c.name;
        EXPECT_LT(secs, 1.0) << c.name;
        EXPECT_EQ(r.status, 1) << c.name;
        const auto lines = splitLines(r.out);
        ASSERT_GE(lines.size(), 2u) << c.name;
        EXPECT_EQ(lines[lines.size() - 2], " END OF INPUT") << c.name;
        EXPECT_EQ(lines.back(), " ===> STOPPING EXECUTION") << c.name;
        EXPECT_GE(findLine(lines, c.lastBefore), 0) << c.name;
    }
}

TEST(SishFile, OpenListCloseAndQuit) {
    TempDir dir;
    const auto r = runTensova("\n13\nsish.txt\n13\n23\n23\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(dir.exists("sish.txt"));
    const auto lines = splitLines(r.out);
    const Lines opening = {" -------------------------------------------",
                           " OPENING OUTPUT FILE  2",
                           " -------------------------------------------",
                           " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                           " @ subroutine opef2      ",
                           " @==========================================",
                           " OPENING extracted si-sh output FILE",
                           " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                           " Choose extracted si-sh output file name",
                           " ..........................................",
                           " Enter extracted si-sh output file name",
                           " or return for default value",
                           " Default =  ",
                           " New value = sish.txt                                ",
                           " ..........................................",
                           " -------------------------------------------",
                           "              I/O FILES STATUS              "};
    const int at = findLine(lines, opening[1]) - 1;
    ASSERT_GE(at, 0);
    for (std::size_t i = 0; i < opening.size(); ++i) EXPECT_EQ(lines[at + i], opening[i]) << i;
    const std::string named = "   OPEN  Si-Sh OUTPUT FILE ....13 sish.txt" + std::string(32, ' ');
    EXPECT_EQ(countLines(lines, named), 4);  // after each 13 and each 23: the name is kept
    EXPECT_EQ(countLines(lines, "       opened : T"), 1);  // a second 13 does nothing at all
    EXPECT_EQ(countLines(lines, " OUTPUT FILE sish.txt" + std::string(32, ' ') + " CLOSED"), 1);
    EXPECT_EQ(countLines(lines, " OPENING OUTPUT FILE  2"), 1);
}

TEST(SishFile, ChooserRefusalsRetryAndNeverLoseAFile) {
    TempDir dir;
    dir.write("keep.txt", "precious\n");
    std::filesystem::create_directory(dir.file("adir"));
    const std::string longName(41, 'x');
    const std::string withNul("keep.txt\0x", 10);
    // At the keyboard: a directory, a name too long for its field, a name holding a NUL (which
    // must not open the file named by its first part), then a good name.
    const auto r = runTensova(
        "\n13\nadir\n\n" + longName + "\n\n" + withNul + "\n\nnew.txt\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const auto lines = splitLines(r.out);
    EXPECT_EQ(countLines(lines, " COULD NOT OPEN FILE adir" + std::string(36, ' ')), 1);
    EXPECT_EQ(countLines(lines, " COULD NOT OPEN FILE " + longName), 1);
    EXPECT_EQ(countLines(lines, " name longer than 40 characters"), 1);
    EXPECT_EQ(countLines(lines, " COULD NOT OPEN FILE " + fit(withNul, 40)), 1);
    EXPECT_EQ(countLines(lines, " ===> RETRYING"), 3);
    EXPECT_FALSE(dir.exists(longName.substr(0, 40)));
    EXPECT_TRUE(dir.exists("new.txt"));
    EXPECT_EQ(dir.read("keep.txt"), "precious\n");
}

TEST(CommandFile, RunsWithMenusHiddenAndHandsBackTheKeyboard) {
    TempDir dir;
    dir.write("cmds.txt", "900\n7\ny\n5000\n5002\n");
    const auto r = runTensova("\n5000\n5001\ncmds.txt\n900\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const auto lines = splitLines(r.out);
    const int started = findLine(lines, " Standard input redirected from");
    ASSERT_GT(started, 0);
    EXPECT_EQ(lines[started + 1], "    Command file: cmds.txt");
    EXPECT_EQ(lines[started + 4], " Level 2 standard output disabled");
    const int ended = findLine(lines, " Command file cmds.txt closed");
    ASSERT_GT(ended, started);
    EXPECT_EQ(lines[ended + 1], " Standard input redirected from keyboard");
    // While the file runs the menus are hidden and the prompts short.
    int bodies = 0, dots = 0;
    for (int i = started; i < ended; ++i) {
        bodies += lines[i] == kMenuBody;
        dots += lines[i] == " ..........................................";
    }
    EXPECT_EQ(bodies, 0);
    EXPECT_EQ(dots, 0);
    EXPECT_EQ(countLines(lines, kHelp), 2);
    EXPECT_GE(findLine(lines, " EXIT COMMAND FILE AND QUIT ......5003", started),
              0);                                     // shown in full
    EXPECT_GE(findLine(lines, kMenuBody, ended), 0);  // menus are back after it
    EXPECT_EQ(countLines(lines, "   WRITE TO Si-Sh FILE .........7 T"), 2);  // set by the file
}

TEST(CommandFile, QuitFromTheFileEndsTheRunAsFastQuit) {
    TempDir dir;
    dir.write("cmds.txt", "13\nsish.txt\n5000\n5003\n");
    const auto r = runTensova("\n5000\n5001\ncmds.txt\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const auto lines = splitLines(r.out);
    const int closed = findLine(lines, " OUTPUT FILE sish.txt" + std::string(32, ' ') + " CLOSED");
    const int ended = findLine(lines, " Command file cmds.txt closed");
    ASSERT_GT(ended, 0);
    ASSERT_GT(closed, ended);
    EXPECT_GE(findLine(lines, " @ PROGRAM tensova", closed), 0);
}

TEST(CommandFile, AFileThatSimplyEndsHandsTheInputBack) {
    TempDir dir;
    dir.write("cmds.txt", "900");  // no final newline, no 5002
    const auto r = runTensova("\n5000\n5001\ncmds.txt\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const auto lines = splitLines(r.out);
    const int ended = findLine(lines, " Command file cmds.txt closed");
    ASSERT_GT(ended, findLine(lines, kHelp));
    // The question is asked again at the keyboard, with the menu's full prompt.
    EXPECT_EQ(lines[ended + 3], " ..........................................");
    EXPECT_EQ(lines[ended + 4], " Enter your choice");
}

TEST(CommandFile, BoxesWaitForTheKeyboardAndRefusalsChangeNothing) {
    TempDir dir;
    dir.write("cmds.txt", "abc\n5000\n5001\n13\nexists.txt\nfresh.txt\n5000\n5002\n");
    dir.write("exists.txt", "keep\n");
    // Keyboard lines: banner, 5000, 5001, name, then one line for each of the three boxes.
    const auto r = runTensova("\n5000\n5001\ncmds.txt\n\n\n\n5000\n5002\n\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const auto lines = splitLines(r.out);
    EXPECT_EQ(countLines(lines, " ===> HIT RETURN TO RESUME COMMANDS"), 3);
    EXPECT_EQ(countLines(lines, " COMMAND FILE ALREADY OPEN"), 1);
    EXPECT_EQ(countLines(lines, " COULD NOT OPEN FILE exists.txt" + std::string(30, ' ')), 1);
    EXPECT_EQ(dir.read("exists.txt"), "keep\n");  // a command file never replaces a file
    EXPECT_TRUE(dir.exists("fresh.txt"));
    EXPECT_EQ(countLines(lines, " NO OPEN COMMAND FILE"), 1);  // the keyboard's 5000/5002
}

TEST(CommandFile, ARefusedNameIsTheDefaultOfTheRetry) {
    TempDir dir;
    dir.write("cmds.txt", "13\nexists.txt\n\nfresh.txt\n5000\n5002\n");
    dir.write("exists.txt", "keep\n");
    const auto r = runTensova("\n5000\n5001\ncmds.txt\n\n\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const auto lines = splitLines(r.out);
    // The empty line takes the name the file gave last, which is refused again.
    EXPECT_EQ(countLines(lines, " COULD NOT OPEN FILE exists.txt" + std::string(30, ' ')), 2);
    EXPECT_EQ(dir.read("exists.txt"), "keep\n");
    EXPECT_TRUE(dir.exists("fresh.txt"));
}

TEST(CommandFile, ANameAskedAgainAtTheKeyboardIsTheChoosers) {
    TempDir dir;
    dir.write("cmds.txt", "13\n");  // ends at the question of the name
    dir.write("exists.txt", "old\n");
    const auto r = runTensova("\n5000\n5001\ncmds.txt\nexists.txt\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const auto lines = splitLines(r.out);
    EXPECT_GE(findLine(lines, " Command file cmds.txt closed"), 0);
    // Typed at the keyboard, a name to save under replaces the file, as the chooser does.
    EXPECT_EQ(countLines(lines, " COULD NOT OPEN FILE exists.txt" + std::string(30, ' ')), 0);
    // Listed after the open and after the close at the quit.
    EXPECT_EQ(countLines(lines, "     filename = exists.txt" + std::string(30, ' ')), 2);
    EXPECT_EQ(dir.read("exists.txt"), "");
}

TEST(CommandFile, MissingFileIsRetried) {
    TempDir dir;
    dir.write("cmds.txt", "5000\n5002\n");
    const auto r = runTensova("\n5000\n5001\nnothere.txt\n\ncmds.txt\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const auto lines = splitLines(r.out);
    EXPECT_EQ(countLines(lines, " COULD NOT OPEN FILE nothere.txt" + std::string(24, ' ')), 1);
    EXPECT_GE(findLine(lines, " Command file cmds.txt closed"), 0);
}

}  // namespace
}  // namespace tensova

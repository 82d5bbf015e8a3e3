// Answers piped in or read from a command file: the first one refused ends that input, so that no
// later line answers a question it was not meant for.

#include <gtest/gtest.h>

#include "e2e/session.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// Piped answers: the first refused ends the run (status 1, or 2 when a file was not written
// whole), in a box naming the line of standard input, the question and the answer; the files of
// the run are finished and kept. Empty lines at the main menu are no answer to refuse.
TEST(PipedAnswers, TheFirstRefusedEndsTheRun) {
    const std::string three = testData("three.ndk");
    const struct {
        const char* what;
        std::string input;
        const char* shows;  // the box's line
        const char*
            answer;        // the answer as the box quotes it; nullptr where the box's own line does
        const char* kept;  // a file of the folder, with what it must hold at the end
        const char* holds;
        int status;
    } cases[] = {
        {"an unknown menu number", "\n\n\n123\n9999\n",
         " line 4 of standard input, answer to: your choice", "\"123\"", nullptr, nullptr, 1},
        {"an unknown number at the map's menu", "\n2001\n123\n99\n9999\n",
         " line 3 of standard input, answer to: your choice", "\"123\"", nullptr, nullptr, 1},
        {"an unreadable number, the plot file open", "\n10\n\nplot.ps\nabc\n9999\n",
         " line 5 of standard input, answer to: your choice", "\"abc\"", "plot.ps", "%%EOF\n", 1},
        {"a number out of its range", "\n1000\n100\n253\n12\n4\n99\n99\n9999\n",
         " line 5 of standard input, answer to: number of vertices", "\"12\"", nullptr, nullptr, 1},
        {"a wrong yes or no", "\n7\nmaybe\n9999\n",
         " line 3 of standard input, answer to: write extracted data to si-sh file", nullptr,
         nullptr, nullptr, 1},
        {"an existing file as the plot file", "\n10\n\nq.ndk\n1000\n20\n\n9999\n",
         " line 4 of standard input, answer to: postcript plot file name", "\"q.ndk\"", "q.ndk",
         "keep\n", 1},
        {"an existing file as the Si-Sh file",
         "\n7\ny\n2001\nsish.txt\n320\n10\n-90 90 30\n99\n9999\n",
         " line 5 of standard input, answer to: extracted si-sh output file name", "\"sish.txt\"",
         "sish.txt", "keep\n", 1},
        {"an unknown page orientation", "\n2001\n1000\nn\n\n\nX\n1000\n",
         " line 7 of standard input, answer to: (vokplt) command", "\"X\"", nullptr, nullptr, 1},
        {"a central angle outside its domain", "\n2001\n300\n5\n99\n1\n-1\n99\n99\n99\n99\n9999\n",
         " line 7 of standard input, answer to: central angle in degrees", "\"-1\"", nullptr,
         nullptr, 1},
        {"a scaling that cannot be inverted", "\n2001\n11\ny\n10\n10\n0\n0\n0\n0\n\n\n\n\n\n",
         " line 10 of standard input, answer to: yy", "\"0\"", nullptr, nullptr, 1},
        {"a file that is not there", "\n1000\n1001\nmissing.ndk\nthree.ndk\n9999\n",
         " line 4 of standard input, answer to: cmt ndk input file name", "\"missing.ndk\"",
         nullptr, nullptr, 1},
        {"a polygon it cannot use, named at the answer, not the pause after it",
         "\n1000\n100\n250\ny\n253\n4\n261\n0\n0\n262\n10\n5\n263\n10\n5\n264\n0\n10\n99\n\n",
         " line 20 of standard input, answer to: your choice", "\"99\"", nullptr, nullptr, 1},
        {"after a file not written whole", "\n1000\n1001\nthree.ndk\n1200\n2001\n/dev/full\n\nx\n",
         " line 9 of standard input, answer to: your choice", "\"x\"", nullptr, nullptr, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Session s(c.input,
                        {{"three.ndk", three}, {"q.ndk", "keep\n"}, {"sish.txt", "keep\n"}});
        // What a script that runs tensova reads: 2 is the README's status of a file cut short.
        EXPECT_EQ(s.result.status, c.status);
        const int box = s.find(c.shows);
        EXPECT_GT(box, 0);
        const int end = box + (c.answer != nullptr ? 2 : 1);
        if (c.answer != nullptr) {
            EXPECT_EQ(s.at(box + 1), " refused answer: " + std::string(c.answer));
        }
        // The box's closing row, then what ended the run, and nothing after it.
        EXPECT_EQ(static_cast<int>(s.lines.size()), end + 3);
        EXPECT_EQ(slice(s.lines, end + 1, 2),
                  (Lines{" A REFUSED ANSWER ENDS THE RUN", " ===> STOPPING EXECUTION"}));
        if (c.kept != nullptr) {
            EXPECT_TRUE(s.dir.read(c.kept).ends_with(c.holds));
        }
    }
    EXPECT_EQ(Session("\n\n\n\n9999\n").result.status, 0);
}

// A number a menu does not know, after one of its own entries. Piped, it ends the run in the
// box that says so, and no later line is read; at a terminal nothing is said and the menu is
// shown again. With the plot file closed the plot parameters offer the colour table alone:
// their 50 is listed and shows the menu again, an attribute's entry is unknown there.
TEST(UnknownNumbers, EveryMenuRefusesThem) {
    const struct {
        const char* what;
        std::string reach;     // the answers that open the menu
        std::string entry;     // one of its entries, with its answer
        const char* unknown;   // the number it does not know
        std::string leave;     // the answers that then end the run
        const char* heading;   // the menu's title
        const char* question;  // the entry's question, or none
    } cases[] = {
        {"the grid's menu", "\n2001\n320\n", "23\n15\n", "123", "99\n99\n9999\n",
         " LATITUDE-LONGITUDE GRID PARAMETERS", " Enter longitude increment"},
        {"the central angle", "\n2001\n300\n5\n99\n", "1\n50\n", "2", "99\n99\n99\n9999\n",
         " CENTRAL ANGLE SET UP", " Enter central angle in degrees"},
        {"the second latitude", "\n2001\n300\n3\n99\n99\n99\n", "1\n45\n", "7",
         "99\n99\n99\n9999\n", " SECOND LATITUDE SET UP", " Enter second latitude in degrees"},
        {"the plot parameters, the plot file closed", "\n330\n", "50\n", "30", "99\n9999\n",
         "          SETTING PLOT ATTRIBUTES", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto askedOnce = [&](const Session& s) {
            return c.question == nullptr || s.count(c.question) == 1;
        };
        const std::string input = c.reach + c.entry + c.unknown + "\n" + c.leave;
        const std::string refused = std::string(" unknown command: ") + c.unknown;
        const Session piped(input);
        EXPECT_EQ(piped.result.status, 1);
        const int box = piped.find(refused);
        EXPECT_GT(box, 0);
        EXPECT_EQ(piped.count(refused), 1);
        EXPECT_TRUE(askedOnce(piped));
        const int end = static_cast<int>(piped.lines.size());
        for (int k = box < 0 ? end : box + 1; k < end; ++k)
            EXPECT_FALSE(piped.at(k).starts_with(" Enter") || piped.at(k).starts_with(" New value"))
                << piped.at(k);
        const Session terminal(input, {}, Keyboard::Terminal);
        EXPECT_EQ(terminal.result.status, 0);
        EXPECT_EQ(terminal.count(refused), 0);
        EXPECT_EQ(terminal.count(c.heading), 3);
        EXPECT_TRUE(askedOnce(terminal));
    }
}

// A command file ends at its first answer refused, in the box that names its line; at a
// terminal the keyboard answers the question again, and the file's later lines are never read.
TEST(CommandFileAnswers, TheFirstRefusedEndsTheFileAtItsLine) {
    const Session s("\n5000\n5001\ncmds.txt\n\n5\n99\n99\n9999\n",
                    {{"cmds.txt", "1000\n100\n253\n12\n4\n99\n99\n"}}, Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    const int box = s.find(" number of vertices =           12");
    EXPECT_EQ(
        block(s.lines,
              {" outside [3,9]", " line 4 of command file cmds.txt", " ===> END OF COMMAND FILE"},
              box),
        (Lines{" outside [3,9]", " line 4 of command file cmds.txt", " ===> END OF COMMAND FILE"}));
    EXPECT_EQ(s.count(" New value =             5"), 1);
    EXPECT_EQ(s.count(" New value =             4"), 0);
}

// A command file may carry comments: the rest of a number's line is passed over, piped too.
TEST(CommandFileAnswers, ANumberMayCarryAComment) {
    const std::string answers =
        "1000     ! read and select\n100      ! the selection tests, a long comment\n99\n99\n"
        "9999     ! quit\n";
    const struct {
        const char* what;
        std::string input;
        Files files;
    } cases[] = {
        {"piped", "\n" + answers, {}},
        {"in a command file", "\n5000\n5001\nc.cmd\n", {{"c.cmd", answers}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Session s(c.input, c.files);
        EXPECT_EQ(s.result.status, 0);
        EXPECT_EQ(s.count(" New value =           100"), 1);
        EXPECT_EQ(s.count(" New value =          9999"), 1);
    }
}

// A polygon whose contour the selection cannot use is refused as the menu's last answer: the
// command file ends there, and the keyboard of a terminal switches the test off.
TEST(CommandFileAnswers, AContourRefusedEndsTheFile) {
    const Session s("\n5000\n5001\ncmds.txt\n\n\n250\nn\n99\n99\n9999\n",
                    {{"cmds.txt",
                      "1000\n100\n250\ny\n253\n4\n261\n0\n0\n262\n10\n5\n263\n10\n5\n264\n0\n10\n"
                      "99\n99\n9999\n"}},
                    Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    const Lines end{" line 19 of command file cmds.txt", " ===> END OF COMMAND FILE"};
    EXPECT_EQ(block(s.lines, end, s.find(" DISABLE POLYGON SELECTION")), end);
    EXPECT_EQ(s.count(" test polygon ................250 F"), 1);
}

// At a terminal a question asked again offers the values in force, never those refused: returns
// after a scaling that cannot be inverted take the scaling before it.
TEST(TerminalAnswers, AScalingAskedAgainOffersTheValuesInForce) {
    const Session s("\n2001\n11\ny\n10\n10\n0\n0\n0\n0\n\n\n\n\n\n99\n9999\n", {},
                    Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" => Cannot Invert B"), 1);
    EXPECT_EQ(s.count(" Default =  2.50000    "), 4);  // xx and yy, before and after
}

}  // namespace
}  // namespace tensova::test

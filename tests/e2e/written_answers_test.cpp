// Answers written beforehand, piped in or read from a command file, know neither which files
// exist nor which boxes will come: they replace no file, a yes or no counts only whole, a wait for
// return takes only what a question takes as its default, and the first answer refused ends the
// run in a box that quotes it and names the plot file whose RUN it cut short. At a terminal
// everything is as before.

#include <gtest/gtest.h>

#include "catalogue/catalogue_samples.hpp"
#include "console/answers.hpp"
#include "console/input.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

const Lines kRefusedEnd{" A REFUSED ANSWER ENDS THE RUN", " ===> STOPPING EXECUTION"};
const std::string kIndented =
    " answer after blanks: only blanks, or blanks and a ! comment, take the default";

// The run ended at a refused answer: its last lines, and its status.
void expectEndedByRefusal(const Session& s) {
    EXPECT_EQ(s.result.status, 1);
    EXPECT_EQ(slice(s.lines, static_cast<int>(s.lines.size()) - 2, 2), kRefusedEnd);
}

// A name that holds a file is refused, piped or from a command file while the keyboard is a
// pipe, whatever the file: the run ends there and the lines after it are never taken as names.
TEST(WrittenAnswers, NoFileIsReplaced) {
    const std::string read = "1000\n1001\nthree.ndk\n";
    const struct {
        const char* what;
        std::string keys;     // after the banner's line
        const char* cmds;     // the command file cmds.txt, when the keys start it
        const char* name;     // the file that exists
        const char* theLine;  // the box's line naming the answer
    } cases[] = {
        {"catalogue", read + "1200\n1001\nout.ndk\n\n99\n9999\n", nullptr, "out.ndk",
         " line 7 of standard input, answer to: cmt-ndk output file name"},
        {"table", read + "1200\n2001\nout.ndk\n\n99\n9999\n", nullptr, "out.ndk",
         " line 7 of standard input, answer to: cmt-ndk-table output file name"},
        {"Si-Sh file", "13\nout.ndk\n9999\n", nullptr, "out.ndk",
         " line 3 of standard input, answer to: extracted si-sh output file name"},
        {"plot file on a catalogue", "10\n\nout.ndk\n20\n\n9999\n", nullptr, "out.ndk",
         " line 4 of standard input, answer to: postcript plot file name"},
        {"catalogue from a command file", "5000\n5001\ncmds.txt\n\n9999\n",
         "1000\n1001\nthree.ndk\n1200\n1001\nout.ndk\n", "out.ndk",
         " line 6 of command file cmds.txt, answer to: cmt-ndk output file name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Files files{{"three.ndk", testData("three.ndk")}, {c.name, "old\n"}};
        if (c.cmds != nullptr) files.emplace_back("cmds.txt", c.cmds);
        const Session s("\n" + c.keys, files);
        expectEndedByRefusal(s);
        EXPECT_EQ(s.dir.read(c.name), "old\n");
        EXPECT_EQ(s.count(" file exists: replace it ?"), 0);
        const int why = s.find(" piped answers and command files never replace a file");
        EXPECT_EQ(slice(s.lines, why - 1, 3), (Lines{" File exists", s.at(why), c.theLine}));
        EXPECT_EQ(s.at(why - 2).rfind(" COULD NOT OPEN FILE " + std::string(c.name), 0), 0u);
        EXPECT_FALSE(s.dir.exists("9999") || s.dir.exists("20") || s.dir.exists("99"));
    }
    // A plot file that tensova wrote is no file to keep: a new map replaces it, piped as well.
    const Session own("\n10\n\nold.ps\n20\n\n9999\n", {{"old.ps", "%!\n%%Pages: (atend)\n"}});
    EXPECT_EQ(own.result.status, 0);
    expectRenders(own.dir.file("old.ps"), "", 1);
}

// A number written where a name to write under is asked (99, 330) is a menu's answer out of
// step: it creates no file, and ends the run as every refused answer does. At a terminal it is
// a name as any other.
TEST(WrittenAnswers, ANumberIsNoNameToWriteUnder) {
    const std::string why = " a number is no name to write under: the answers are out of step";
    const std::string read = "\n1000\n1001\nthree.ndk\n";
    const Files files{{"three.ndk", testData("three.ndk")}};
    const struct {
        const char* what;
        std::string input;
        const char* name;
    } cases[] = {
        {"plot file", "\n10\n\n99\n20\n\n9999\n", "99"},
        {"table", read + "1200\n2001\n330\n\n99\n9999\n", "330"},
        {"catalogue, a real number", read + "1200\n1001\n1.5e3\n\n99\n9999\n", "1.5e3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Session s(c.input, files);
        expectEndedByRefusal(s);
        EXPECT_EQ(s.count(why), 1);
        EXPECT_FALSE(s.dir.exists(c.name));
    }
    const Session terminal("\n10\n\n99\n20\n\n9999\n", {}, Keyboard::Terminal);
    EXPECT_EQ(terminal.result.status, 0);
    EXPECT_TRUE(terminal.dir.exists("99"));
}

// A name to write under is read as every question reads its line: a number with a comment or a
// comma after it, or beyond what a float holds, is still a number, refused piped or from a
// command file before it creates a file. A name that goes on with text is a name, `./2015`
// names a file called 2015, and tabs after a name are no part of it, as blanks are not.
TEST(WrittenAnswers, ANameIsANumberAsAQuestionReadsIt) {
    const std::string why = " a number is no name to write under: the answers are out of step";
    const struct {
        const char* what;
        const char* answer;
        const char* file;  // the file written, or nullptr when the answer is refused
    } cases[] = {
        {"a comment", "100    ! selection tests", nullptr},
        {"a comment after one blank", "99 ! back", nullptr},
        {"a table's entry", "2001   ! table", nullptr},
        {"a comma", "9999,", nullptr},
        {"beyond a float", "1e39", nullptr},
        {"beyond a double", "1e999", nullptr},
        {"a name that begins with a number", "2015 report.ndk", "2015 report.ndk"},
        {"a path", "./2015", "2015"},
        {"a tab after a name", "tr.ndk\t", "tr.ndk"},
    };
    for (const auto& c : cases) {
        for (const bool fromFile : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (fromFile ? " in a command file" : " piped"));
            const std::string answers =
                "1000\n1001\nthree.ndk\n1200\n1001\n" + std::string(c.answer) + "\n\n99\n9999\n";
            const Session s(fromFile ? "\n5000\n5001\ncmds.txt\n" : "\n" + answers,
                            {{"three.ndk", testData("three.ndk")}, {"cmds.txt", answers}});
            if (c.file != nullptr) {
                EXPECT_EQ(s.result.status, 0);
                EXPECT_EQ(s.dir.read(c.file), s.dir.read("three.ndk"));
                continue;
            }
            expectEndedByRefusal(s);
            EXPECT_EQ(slice(s.lines, s.find(why) + 1, 2),
                      (Lines{fromFile ? " line 6 of command file cmds.txt, answer to: cmt-ndk "
                                        "output file name"
                                      : " line 7 of standard input, answer to: cmt-ndk output "
                                        "file name",
                             " refused answer: \"" + std::string(c.answer) + "\""}));
            EXPECT_FALSE(s.dir.exists(c.answer));
        }
    }
}

// A yes or no written beforehand is a first word of y, yes, 1, n, no, 0 in either case (what
// follows is a comment), or return (an empty line, blanks, blanks and a ! comment); anything
// else is refused and ends the run, its box quoting it whole: a line that begins with blanks and
// holds an answer too. Help would ask again, out of step with the lines: refused too.
TEST(WrittenAnswers, AYesOrNoCountsOnlyWhole) {
    const struct {
        const char* answer;
        const char* taken;  // "Yes", "No " or nullptr for refused
    } cases[] = {{"y", "Yes"},
                 {"YES", "Yes"},
                 {"1", "Yes"},
                 {"yes  ", "Yes"},
                 {"y ! close", "Yes"},
                 {"yes please", "Yes"},
                 {"n", "No "},
                 {"No", "No "},
                 {"0\tnone", "No "},
                 {"", "No "},
                 {"   ", "No "},
                 {"  ! keep", "No "},
                 {" yes", nullptr},
                 {"\tyes", nullptr},
                 {"99", nullptr},
                 {"new.ndk", nullptr},
                 {"yesterday.ndk", nullptr},
                 {"10", nullptr},
                 {"h", nullptr}};
    for (const auto& c : cases) {
        for (const bool fromFile : {false, true}) {
            SCOPED_TRACE(std::string(c.answer) + (fromFile ? " in a command file" : " piped"));
            const std::string answers = "7\n" + std::string(c.answer) + "\n9999\n";
            const Session s(fromFile ? "\n5000\n5001\ncmds.txt\n" : "\n" + answers,
                            {{"cmds.txt", answers}});
            if (c.taken != nullptr) {
                EXPECT_EQ(s.result.status, 0);
                EXPECT_EQ(s.count(" New value =  " + std::string(c.taken)), 1);
                continue;
            }
            expectEndedByRefusal(s);
            const int box = s.find(" incorrect answer: " + quotedAnswer(c.answer));
            EXPECT_GT(box, 0);
            // An indented answer's box says why its blanks did not take the default.
            const bool indented = isBlank(c.answer[0]);
            if (indented) {
                EXPECT_EQ(s.at(box + 1), kIndented);
            }
            EXPECT_EQ(s.at(box + (indented ? 2 : 1))
                          .rfind(fromFile ? " line 2 of command file cmds.txt,"
                                          : " line 3 of standard input,",
                                 0),
                      0u);
            EXPECT_EQ(s.count(" answer Yes    y or Y or 1    "), 0);  // no help
        }
    }
}

// At a terminal the first character counts, h shows the help, and a wrong answer is asked again
// after the help.
TEST(WrittenAnswers, AtATerminalAYesOrNoIsAsBefore) {
    const Session s("\n7\nyes please\n7\nh\n99\n\nnope\n9999\n", {}, Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" answer Yes    y or Y or 1    "), 2);  // after h, and after 99
    EXPECT_EQ(s.count(" incorrect answer: 9"), 1);
    EXPECT_EQ(s.count(" New value =  Yes"), 1);
    EXPECT_EQ(s.count(" New value =  No "), 1);
}

// The writer's 1000 on ndk data raises a box. Its pause takes an empty line (or one of blanks)
// from a pipe; any other line there was meant for a later question, and ends the run; at a
// terminal it ends the pause, as before.
TEST(WrittenAnswers, APauseTakesOnlyAnEmptyLine) {
    const std::string keys = "\n1000\n1001\nthree.ndk\n1200\n1000\n";
    const std::string after = "1001\ny.ndk\n\n99\n9999\n";
    const Files files{{"three.ndk", testData("three.ndk")}, {"cmds.txt", keys.substr(1) + after}};
    for (const std::string pause : {"", "   "}) {
        const Session s(keys + pause + "\n" + after, files);
        EXPECT_EQ(s.result.status, 0) << pause.size();
        EXPECT_TRUE(s.dir.exists("y.ndk")) << pause.size();
    }
    const Session atTerminal(keys + "x.ndk\n" + after, files, Keyboard::Terminal);
    EXPECT_EQ(atTerminal.result.status, 0);
    EXPECT_TRUE(atTerminal.dir.exists("y.ndk"));
    const struct {
        const char* what;
        std::string input;
        const char* pauseLine;
        const char* theLine;
    } cases[] = {
        {"piped", keys + "x.ndk\n" + after, " ===> HIT RETURN TO CONTINUE",
         " line 7 of standard input, answer to: HIT RETURN TO CONTINUE"},
        {"while a command file runs", "\n5000\n5001\ncmds.txt\nx.ndk\n",
         " ===> HIT RETURN TO RESUME COMMANDS",
         " line 5 of standard input, answer to: HIT RETURN TO RESUME COMMANDS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Session s(c.input, files);
        expectEndedByRefusal(s);
        const int pause = s.find(c.pauseLine);
        EXPECT_EQ(
            slice(s.lines, pause + 1, 4),
            (Lines{" a pause takes only an empty line: the answers are out of step", c.theLine,
                   " refused answer: \"x.ndk\"", " ///////////////////////////////////////////"}));
        EXPECT_FALSE(s.dir.exists("y.ndk"));
    }
}

// Every wait for return is a pause: the start banner, a box's, the close of a plot file. Written
// beforehand, it takes only an empty line or one of blanks; any other was meant for a question
// and ends the run (a command file's ends the command file, and the keyboard closes). At a
// terminal any line ends it, as before.
TEST(WrittenAnswers, EveryWaitForReturnIsAPause) {
    const std::string close = "CR = Return to close the PostScript file";
    const struct {
        const char* what;
        std::string input;
        Keyboard keyboard;
        int status;
        Lines box;         // the refusal's place, question and answer; none when taken
        const char* plot;  // the plot file, finished whatever ended the run
    } cases[] = {
        {"banner",
         "9999\n",
         Keyboard::Pipe,
         1,
         {" line 1 of standard input, answer to: HIT RETURN TO CONTINUE",
          " refused answer: \"9999\""},
         nullptr},
        {"banner, blanks", "   \n9999\n", Keyboard::Pipe, 0, {}, nullptr},
        {"banner at a terminal", "9999\n9999\n", Keyboard::Terminal, 0, {}, nullptr},
        {"close",
         "\n10\n\nq.ps\n20\n9999\n",
         Keyboard::Pipe,
         1,
         {" line 6 of standard input, answer to: " + close, " refused answer: \"9999\""},
         "q.ps"},
        {"close, one return short",
         "\n10\n\n\n20\n10\n\n\n20\n\n9999\n",
         Keyboard::Pipe,
         1,
         {" line 6 of standard input, answer to: " + close, " refused answer: \"10\""},
         "seis.ps"},
        {"close, blanks", "\n10\n\nq.ps\n20\n  \n9999\n", Keyboard::Pipe, 0, {}, "q.ps"},
        {"close at a terminal",
         "\n10\n\nq.ps\n20\n9999\n9999\n",
         Keyboard::Terminal,
         0,
         {},
         "q.ps"},
        {"close in a command file",
         "\n5000\n5001\ncmds.txt\n\n\n9999\n",
         Keyboard::Terminal,
         0,
         {" line 5 of command file cmds.txt", " ===> END OF COMMAND FILE"},
         "c.ps"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Session s(c.input, {{"cmds.txt", "10\n\nc.ps\n20\nx\n"}}, c.keyboard);
        EXPECT_EQ(s.result.status, c.status);
        if (c.status == 1) {
            EXPECT_EQ(slice(s.lines, s.find(c.box[0]) - 1, 3),
                      (Lines{" a pause takes only an empty line: the answers are out of step",
                             c.box[0], c.box[1]}));
        } else if (!c.box.empty()) {
            EXPECT_EQ(slice(s.lines, s.find(c.box[0]), 2), c.box);
        }
        if (c.plot != nullptr) expectRenders(s.dir.file(c.plot), "", 1);
    }
    // At a terminal the close takes the line, as it always did, and only its first character
    // shows.
    const Session terminal("\n10\n\nq.ps\n20\n9999\n9999\n", {}, Keyboard::Terminal);
    EXPECT_EQ(terminal.count(" New value = 9"), 1);
}

// A wait for return takes, written beforehand, what a question takes as its default: an empty
// line, blanks, or blanks and a ! comment; any other line is refused, the first the wait reads.
// Each wait from a pipe, and from where it reads while a command file runs: a box's pause from
// the keyboard, the close of a plot file from the command file.
TEST(WrittenAnswers, AWaitTakesWhatAQuestionTakesAsItsDefault) {
    const std::string box = "1000\n1001\nthree.ndk\n1200\n1000\n";  // the writer's 1000 on ndk
    const std::string start = "\n5000\n5001\ncmds.txt\n";
    // Where the wait's line stands: among the keys, or in the command file (the close).
    enum class Line { Keys, CommandFile };
    const struct {
        const char* what;
        std::string before, after;  // around the wait's line
        Line at;
        std::string cmds;   // the command file that the keys start, if any
        const char* place;  // the box's line naming the wait's line
    } waits[] = {
        {"banner", "", "9999\n", Line::Keys, "",
         " line 1 of standard input, answer to: HIT RETURN TO CONTINUE"},
        {"pause", "\n" + box, "99\n9999\n", Line::Keys, "",
         " line 7 of standard input, answer to: HIT RETURN TO CONTINUE"},
        {"pause while a command file runs", start, "", Line::Keys, box + "99\n9999\n",
         " line 5 of standard input, answer to: HIT RETURN TO RESUME COMMANDS"},
        {"close", "\n10\n\nq.ps\n20\n", "9999\n", Line::Keys, "",
         " line 6 of standard input, answer to: CR = Return to close the PostScript file"},
        {"close in a command file", "10\n\nq.ps\n20\n", "9999\n", Line::CommandFile, "",
         " line 5 of command file cmds.txt, answer to: CR = Return to close the PostScript "
         "file"},
    };
    const struct {
        const char* what;
        std::string line;
        bool taken;
    } lines[] = {
        {"empty", "", true},
        {"blanks", "   ", true},
        {"blanks and a comment", "  ! c", true},
        {"a comment", "! c", false},
        {"an answer", "x", false},
        {"blanks and an answer", "  x", false},
    };
    for (const auto& w : waits) {
        for (const auto& l : lines) {
            SCOPED_TRACE(std::string(w.what) + ", " + l.what);
            const std::string around = w.before + l.line + "\n" + w.after;
            const bool inFile = w.at == Line::CommandFile;
            const Session s(inFile ? start : around, {{"three.ndk", testData("three.ndk")},
                                                      {"cmds.txt", inFile ? around : w.cmds}});
            if (l.taken) {
                EXPECT_EQ(s.result.status, 0);
            } else {
                expectEndedByRefusal(s);
                EXPECT_EQ(slice(s.lines, s.find(w.place) - 1, 3),
                          (Lines{" a pause takes only an empty line: the answers are out of step",
                                 w.place, " refused answer: \"" + l.line + "\""}));
            }
            if (s.dir.exists("q.ps")) expectRenders(s.dir.file("q.ps"), "", 1);
        }
    }
    // The close takes a comment: the plot file whole, the run at its end.
    const Session commented("\n10\n\nq.ps\n20\n  ! close the plot\n9999\n");
    EXPECT_EQ(commented.result.status, 0);
    expectRenders(commented.dir.file("q.ps"), "", 1);
}

// Written beforehand, a line that begins with blanks and then holds an answer is refused at a
// question with a default: its writer meant that answer. Blanks alone, or blanks and a ! comment,
// keep the default. The main menu has no default and reads past the blanks, and passes over a
// line of blanks and a comment; at a terminal a line that begins with a blank takes the default.
// A tab is a blank as everywhere.
TEST(WrittenAnswers, AnIndentedLineIsNoDefault) {
    const Files files{{"three.ndk", testData("three.ndk")}};
    const struct {
        const char* what;
        std::string input;
        Keyboard keyboard;
        bool refused;
    } cases[] = {
        {"number", "\n1000\n  100\n99\n9999\n", Keyboard::Pipe, true},
        {"number after a tab", "\n1000\n\t100\n99\n9999\n", Keyboard::Pipe, true},
        {"number, blanks", "\n1000\n   \n9999\n", Keyboard::Pipe, false},
        {"number, a comment", "\n1000\n  ! back\n9999\n", Keyboard::Pipe, false},
        {"file name", "\n1000\n1001\n  three.ndk\n9999\n", Keyboard::Pipe, true},
        {"file name after a tab", "\n1000\n1001\n\tthree.ndk\n9999\n", Keyboard::Pipe, true},
        {"main menu", "\n  1000\n99\n9999\n", Keyboard::Pipe, false},
        {"main menu, a comment", "\n  ! read\n1000\n99\n9999\n", Keyboard::Pipe, false},
        {"number at a terminal", "\n1000\n  100\n9999\n", Keyboard::Terminal, false},
        {"number after a tab at a terminal", "\n1000\n\t100\n9999\n", Keyboard::Terminal, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Session s(c.input, files, c.keyboard);
        EXPECT_EQ(s.count(kIndented), c.refused ? 1 : 0);
        if (c.refused) {
            expectEndedByRefusal(s);
        } else {
            EXPECT_EQ(s.result.status, 0);
            EXPECT_EQ(s.count(" New value =            99"), 1);  // the reader's menu left
        }
    }
    // At a terminal a name after a tab is the default name, as after a blank.
    const Session tab("\n10\n\n\tq.ps\n20\n\n9999\n", {}, Keyboard::Terminal);
    EXPECT_EQ(tab.result.status, 0);
    expectRenders(tab.dir.file("seis.ps"), "", 1);
}

// A command file that ends at a refused answer while the keyboard is a pipe ends the run: the
// piped lines after it were written for a command file that ran to its end.
TEST(WrittenAnswers, ACommandFileEndedByARefusalEndsTheRun) {
    const Session s("\n5000\n5001\ncmds.txt\n\n4\n99\n99\n9999\n",
                    {{"cmds.txt", "1000\n100\n253\n12\n4\n99\n99\n"}});
    expectEndedByRefusal(s);
    EXPECT_EQ(
        block(s.lines,
              {" outside [3,9]", " line 4 of command file cmds.txt, answer to: number of vertices",
               " refused answer: \"12\""}),
        (Lines{" outside [3,9]", " line 4 of command file cmds.txt, answer to: number of vertices",
               " refused answer: \"12\""}));
    EXPECT_EQ(s.count(" ===> END OF COMMAND FILE"), 0);
    EXPECT_EQ(s.count(" New value =             4"), 0);
}

// The box that ends the run quotes the answer whole, a long one cut with a mark, never inside a
// character: of 300 bytes that are no text (each the middle of a character) it shows none; a
// stop inside a map's or a sheet's RUN names its plot file, which is finished but lacks the rest
// of the RUN.
TEST(WrittenAnswers, TheEndingSaysWhatWasRefusedAndWhatIsUnfinished) {
    const struct {
        const char* what;
        std::string answer, shown;
    } longLines[] = {{"300 letters", std::string(300, 'z'), std::string(200, 'z')},
                     {"300 bytes of no text", std::string(300, '\x80'), ""}};
    for (const auto& c : longLines) {
        SCOPED_TRACE(c.what);
        const Session longLine("\n" + c.answer + "\n9999\n");
        expectEndedByRefusal(longLine);
        EXPECT_EQ(
            longLine.count(" refused answer: \"" + c.shown + "\" (cut: 300 characters in all)"), 1);
    }

    const std::string read = "\n1000\n1001\nsheet.ndk\n";
    const struct {
        const char* what;
        std::string input;
        const char* plot;
        Lines end;
    } cases[] = {
        {"a map at the menu of located points", read + "2001\n1000\n\n\nabc\n", "seis.map.ps",
         kRefusedEnd},
        {"a map at the end of the input",
         read + "2001\n1000\n\n\n",
         "seis.map.ps",
         {" END OF INPUT", " ===> STOPPING EXECUTION"}},
        {"a sheet at its second page", read + "3000\n1000\n\n\nx\n", "fps_bb.ps", kRefusedEnd},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Session s(c.input, {{"sheet.ndk", repeatedNdk(25)}});
        EXPECT_EQ(s.result.status, 1);
        const Lines named{" PLOT FILE " + std::string(c.plot) + " CLOSED BEFORE ITS RUN ENDED"};
        const int n = static_cast<int>(s.lines.size());
        EXPECT_EQ(slice(s.lines, n - 3, 3), (Lines{c.end[0], named[0], c.end[1]}));
        expectRenders(s.dir.file(c.plot), "", 1);
    }
    // A RUN that goes on into a new plot file (1 at the new-page question) names the file it was
    // drawing into when it stopped; the file it closed on its way holds its page whole.
    const Session next(read + "3000\n1000\n\n\n1\n\n\nnext.ps\nx\n",
                       {{"sheet.ndk", repeatedNdk(45)}});
    const int n = static_cast<int>(next.lines.size());
    EXPECT_EQ(
        slice(next.lines, n - 3, 3),
        (Lines{kRefusedEnd[0], " PLOT FILE next.ps CLOSED BEFORE ITS RUN ENDED", kRefusedEnd[1]}));
    expectRenders(next.dir.file("fps_bb.ps"), "", 1);
    expectRenders(next.dir.file("next.ps"), "", 1);
    // Once the RUN has ended the file is whole: the sheet's two pages, then its menu.
    const Session ended(read + "3000\n1000\n\n\n\nx\n", {{"sheet.ndk", repeatedNdk(25)}});
    expectEndedByRefusal(ended);
    EXPECT_EQ(ended.at(static_cast<int>(ended.lines.size()) - 5),
              " line 10 of standard input, answer to: your choice");
}

}  // namespace
}  // namespace tensova::test

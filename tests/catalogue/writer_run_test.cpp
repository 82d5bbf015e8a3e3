// The catalogue writer through the real binary: read from the main menu's 1000, write from its
// 1200, the writer's menu, the close question, the listing, the boxes, a full disk and the end
// of input.

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue_samples.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using test::countLines;
using test::findLine;
using test::runTensova;
using test::splitLines;
using test::TempDir;
using Lines = std::vector<std::string>;

const std::string kDashes = " " + std::string(43, '-');
const std::string kAts = " " + std::string(43, '@');
const std::string kSlashes = " " + std::string(43, '/');
const std::string kStars = " " + std::string(43, '*');
const std::string kPause = " ===> HIT RETURN TO CONTINUE";
const std::string kHead = " @ subroutine gcmtwrite  ";

std::string name40(const std::string& name) {
    return name + std::string(40 - name.size(), ' ');
}

std::string sample(const std::string& name) {
    return test::readFile(std::string(TENSOVA_TEST_DATA) + "/" + name);
}

// The n lines from the first equal to `first` at or after `from`.
Lines block(const Lines& lines, const std::string& first, std::size_t n, int from = 0) {
    const int at = findLine(lines, first, from);
    if (at < 0 || at + n > lines.size()) return {"<" + first + " not found>"};
    return Lines(lines.begin() + at, lines.begin() + at + static_cast<std::ptrdiff_t>(n));
}

// Reads a sample file of the folder from the main menu (1000 dek, 1001 ndk), opens the writer
// with 1200 and answers its questions with `writer`; 9999 quits afterwards.
test::RunResult readAndWrite(const TempDir& dir, const std::string& file, int format,
                             const std::string& writer) {
    const auto r = runTensova(
        "\n1000\n" + std::to_string(format) + "\n" + file + "\n1200\n" + writer + "9999\n",
        dir.path());
    EXPECT_FALSE(r.timedOut);
    return r;
}

Lines noWriterBox(int type, int command) {
    return {kSlashes,
            " ///        subroutine gcmtwrite         ///",
            " ///               WARNING               ///",
            kSlashes,
            " DATA TYPE ID   =      " + std::to_string(type),
            " FORMAT COMMAND =   " + std::to_string(command),
            " NO WRITING PROCEDURE FOR THIS",
            " FORMAT - DATA TYPE COMBINATION",
            " ==> NO ACTION",
            " OUTPUT FILE HAS NOT BEEN WRITTEN",
            " ====> DATA ARE UNSAVED",
            kPause,
            kSlashes};
}

TEST(WriterRun, NdkFileWrittenAndClosedAtTheQuestion) {
    TempDir dir;
    dir.write("three.ndk", sample("three.ndk"));
    const auto r = readAndWrite(dir, "three.ndk", 1001, "1001\nout.ndk\n\n99\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.read("out.ndk"), sample("three.ndk"));
    const Lines lines = splitLines(r.out);
    const Lines menu = {
        kHead,
        " @==========================================",
        kDashes,
        " Maximum nb of stored data=  25000",
        " Current nb of stored data=      3",
        " Current data type        =      2",
        " OPEN  DATA OUTPUT FILE .......12 " + name40(""),
        " CLOSE DATA OUTPUT FILE .......22 " + name40(""),
        kDashes,
        " WRITE DATA TO OUTPUT FILE IN FORMAT:",
        "  ndk format CMT file .......1001",
        "  Table ndk CMT order .......2001",
        " LIST DATA TO SCREEN ........1100",
        kDashes,
        " HELP ........................900",
        " EXIT .........................99",
        kAts,
        " ..........................................",
        " Enter your choice",
        " or return for default value",
        " Default =           99",
    };
    EXPECT_EQ(block(lines, kHead, menu.size()), menu);
    const Lines report = {
        " WRITING DATA TO FILE " + name40("out.ndk"),
        " ORIGINAL 5 LINES ndk CMT",
        " WRITING COMPLETED",
        " NUMBER OF SAVED DATA =      3",
        " FILE " + name40("out.ndk") + " IS STILL OPEN",
        kDashes,
        " ..........................................",
        " close output file ?",
        " Enter (0/1)(n/y)(N/Y)",
        " or return for default value or h for help",
        " Default = Yes",
        " New value =  Yes",
        " ..........................................",
        kDashes,
        " OUTPUT FILE " + name40("out.ndk") + " CLOSED",
    };
    EXPECT_EQ(block(lines, report[0], report.size()), report);
    const int closed = findLine(lines, " output file " + name40("out.ndk") + " closed");
    ASSERT_GT(closed, 0);
    EXPECT_EQ(lines[closed + 1], kAts);
    EXPECT_EQ(lines[closed + 2], kAts);  // the menu again
    EXPECT_EQ(lines[closed + 3], kHead);
    // 99 with the file closed returns at once to the main menu.
    EXPECT_EQ(countLines(lines, " OUTPUT FILE " + name40("out.ndk") + " CLOSED"), 1);
    EXPECT_EQ(countLines(lines, "   WRITE DATA TO FILE .......1200"), 3);
}

TEST(WriterRun, DekFileAndTableAppendedWhileTheFileStaysOpen) {
    TempDir dir;
    dir.write("hand.dek", sample("hand.dek"));
    // No to the close question, the table into the same file, no again, an ndk command (box
    // pause), then 99 closes the file.
    const auto r = readAndWrite(dir, "hand.dek", 1000, "1000\nout.txt\nn\n2000\nn\n1001\n\n99\n");
    EXPECT_EQ(r.status, 0);
    const Lines file = splitLines(dir.read("out.txt"));
    ASSERT_EQ(file.size(), 7u);
    EXPECT_EQ(Lines(file.begin(), file.begin() + 4), splitLines(sample("hand.dek")));
    EXPECT_EQ(file[4], " '" + name40("out.txt") + "'");
    EXPECT_EQ(file[5].substr(0, 11), " 'event_id'");
    EXPECT_EQ(file[6].size(), 398u);
    const Lines lines = splitLines(r.out);
    EXPECT_EQ(countLines(lines, " WRITING COMPLETED"), 2);
    EXPECT_EQ(countLines(lines, " New value =  No "), 2);
    EXPECT_NE(findLine(lines, " TABULATED dek CMT ORIGINAL ORDER"), -1);
    const Lines box = noWriterBox(1, 1001);
    EXPECT_EQ(block(lines, kSlashes, box.size(), findLine(lines, " New value =          1001")),
              box);
    EXPECT_EQ(countLines(lines, " OPENING OUTPUT FILE  1"), 1);
    EXPECT_EQ(countLines(lines, " OUTPUT FILE " + name40("out.txt") + " CLOSED"), 1);
    EXPECT_EQ(countLines(lines, " output file " + name40("out.txt") + " closed"), 0);
}

TEST(WriterRun, EmptyStoreMenuBoxesListingHelpAndFileCommands) {
    TempDir dir;
    // 1000 opens a file and finds no writer (pause); the listing (pause); 3000 (pause); help;
    // 12 on the open file; 22 closes it; 22 again; 99.
    const auto r = runTensova(
        "\n1200\n1000\nempty.dek\n\n1100\n\n3000\n\n900\n12\n22\n22\n99\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    ASSERT_TRUE(dir.exists("empty.dek"));
    EXPECT_EQ(dir.read("empty.dek"), "");
    const Lines lines = splitLines(r.out);
    EXPECT_EQ(countLines(lines, " CANNOT WRITE THIS DATA TYPE"), 8);
    EXPECT_EQ(countLines(lines, " WRITE DATA TO OUTPUT FILE IN FORMAT:"), 0);
    EXPECT_EQ(block(lines, kSlashes, 13), noWriterBox(0, 1000));
    EXPECT_EQ(block(lines, kSlashes, 13, findLine(lines, " New value =          3000")),
              noWriterBox(0, 3000));
    EXPECT_EQ(countLines(lines, " OPENING OUTPUT FILE  1"), 1);  // 3000 opens nothing
    EXPECT_EQ(countLines(lines, " OPENING cmt-dek output FILE"), 1);
    // The writer's listing shows its column header, then the warning box.
    const int list = findLine(lines, " |               EXTRACTED DATA              |");
    ASSERT_GT(list, 0);
    EXPECT_EQ(lines[list - 3], kHead);
    EXPECT_EQ(lines[list + 2], " |   date   |  lat |  long |     region      |");
    EXPECT_EQ(lines[list + 5], " ///        subroutine gcmtwrite         ///");
    EXPECT_EQ(lines[list + 8], " DATA TYPE ID =      0");
    EXPECT_EQ(lines[list + 9], " COMMAND      =   1100");
    EXPECT_EQ(lines[list + 14], " |-------------------------------------------|");
    EXPECT_EQ(lines[list + 15], kAts);
    const Lines help = {
        kHead,
        " @==========================================",
        " ===========================================",
        "                   HELP",
        " ===========================================",
        " GLOBAL CMT DATA FORMAT ARE DESCRIBED AT:",
    };
    const int helpAt = findLine(lines, "                   HELP") - 3;
    ASSERT_GT(helpAt, 0);
    EXPECT_EQ(Lines(lines.begin() + helpAt, lines.begin() + helpAt + 6), help);
    EXPECT_EQ(lines[helpAt + 9], " ===========================================");
    EXPECT_EQ(lines[helpAt + 10], kAts);  // the menu again, with no pause
    // 12 on an open file and 22 on a closed one print nothing before the menu comes again.
    for (const char* answer : {" New value =            12", " New value =            22"}) {
        const int at = findLine(lines, answer, helpAt);
        ASSERT_GT(at, 0) << answer;
        if (std::string(answer).ends_with("12")) {
            EXPECT_EQ(lines[at + 2], kAts);
            EXPECT_EQ(lines[at + 3], kHead);
        }
    }
    const int second22 = findLine(lines, " New value =            22",
                                  findLine(lines, " New value =            22") + 1);
    ASSERT_GT(second22, 0);
    EXPECT_EQ(lines[second22 + 2], kAts);
    EXPECT_EQ(lines[second22 + 3], kHead);
    EXPECT_EQ(countLines(lines, " OUTPUT FILE " + name40("empty.dek") + " CLOSED"), 1);
}

TEST(WriterRun, NdkStoreRefusesDekCommandsAndListsItsEvents) {
    TempDir dir;
    dir.write("three.ndk", sample("three.ndk"));
    // 2000 opens a file for the dek table and finds no writer; 1000 likewise on the open file;
    // the listing; 99 closes the file.
    const auto r = readAndWrite(dir, "three.ndk", 1001, "2000\nt.txt\n\n1000\n\n1100\n99\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.read("t.txt"), "");
    const Lines lines = splitLines(r.out);
    EXPECT_EQ(block(lines, kSlashes, 13), noWriterBox(2, 2000));
    EXPECT_EQ(block(lines, kSlashes, 13, findLine(lines, " New value =          1000", 200)),
              noWriterBox(2, 1000));
    EXPECT_EQ(countLines(lines, " OPENING cmt-dek-table output FILE"), 1);
    const int rows = findLine(lines, " | 2005/01/ |  14. |  -89. | NEAR COAST OF R |");
    ASSERT_GT(rows, 0);
    EXPECT_EQ(lines[rows - 7], kHead);
    EXPECT_EQ(lines[rows + 3], " |-------------------------------------------|");
    EXPECT_EQ(countLines(lines, " OUTPUT FILE " + name40("t.txt") + " CLOSED"), 1);
}

TEST(WriterRun, FullDiskIsReportedAsAFailureAndTheNextFileIsWritten) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    TempDir dir;
    dir.write("three.ndk", sample("three.ndk"));
    // The full disk (pause of the error box); then a folder that does not exist (pause of the
    // chooser's warning) before a good name.
    const auto r = readAndWrite(dir, "three.ndk", 1001,
                                "2001\n/dev/full\n\n1001\nnodir/x.ndk\n\ngood.ndk\ny\n99\n");
    EXPECT_EQ(r.status, 0);
    const Lines lines = splitLines(r.out);
    const Lines box = {
        kStars,
        kStars,
        " ***                                     ***",
        " ***        subroutine gcmtwrite         ***",
        " ***                                     ***",
        " ***                ERROR                ***",
        " ***                                     ***",
        kStars,
        kStars,
        "   WHILE WRITING      3 th DATA",
        "   IN FILE: " + name40("/dev/full"),
        "   closing the file",
        kDashes,
        " OUTPUT FILE " + name40("/dev/full") + " CLOSED",
    };
    EXPECT_EQ(block(lines, " TABULATED ndk CMT ORIGINAL ORDER", 2)[1],
              " + Computed Fclvd, Erel, Nfree");
    EXPECT_EQ(block(lines, kStars, box.size()), box);
    const int closed = findLine(lines, " FILE " + name40("/dev/full") + " IS CLOSED");
    ASSERT_GT(closed, 0);
    EXPECT_EQ(lines[closed + 1], kPause);
    EXPECT_EQ(lines[closed + 2], kStars);
    EXPECT_EQ(lines[closed + 3], kAts);  // the menu again, no report and no question
    EXPECT_EQ(countLines(lines, " WRITING COMPLETED"), 1);  // only the good file's
    EXPECT_EQ(countLines(lines, " close output file ?"), 1);
    EXPECT_NE(findLine(lines, " COULD NOT OPEN FILE " + name40("nodir/x.ndk")), -1);
    EXPECT_EQ(dir.read("good.ndk"), sample("three.ndk"));
}

TEST(WriterRun, CommandFileHidesTheMenuButNotTheReportsAndBoxes) {
    TempDir dir;
    dir.write("three.ndk", sample("three.ndk"));
    dir.write("cmds.txt",
              "1000\n1001\nthree.ndk\n1200\n1001\nout.ndk\ny\n900\n3001\n99\n5000\n5002\n");
    // The keyboard answers the pause of the warning box.
    const auto r = runTensova("\n5000\n5001\ncmds.txt\n\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(dir.read("out.ndk"), sample("three.ndk"));
    const Lines lines = splitLines(r.out);
    const int started = findLine(lines, " Standard input redirected from");
    const int ended = findLine(lines, " Command file cmds.txt closed");
    ASSERT_GT(started, 0);
    ASSERT_GT(ended, started);
    const Lines during(lines.begin() + started, lines.begin() + ended);
    EXPECT_EQ(countLines(during, kHead), 6);  // the menu four times, the writer, the help
    EXPECT_EQ(countLines(during, " LIST DATA TO SCREEN ........1100"), 0);
    EXPECT_EQ(countLines(during, " WRITING COMPLETED"), 1);
    EXPECT_EQ(countLines(during, " close output file ?"), 1);
    EXPECT_EQ(countLines(during, "                   HELP"), 1);
    Lines box = noWriterBox(2, 3001);
    box[11] = " ===> HIT RETURN TO RESUME COMMANDS";
    EXPECT_EQ(block(during, kSlashes, 13), box);
}

TEST(WriterRun, EndOfInputStopsTheRunAndKeepsWhatWasWritten) {
    struct Case {
        const char* name;
        std::string writer;  // answers after 1200
        const char* lastBefore;
    };
    const Case cases[] = {
        {"at the menu", "", " Enter your choice"},
        {"at the close question", "1001\nout.ndk\n", " close output file ?"},
        {"in a box pause", "3000\n", kPause.c_str()},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("three.ndk", sample("three.ndk"));
        const auto r = runTensova("\n1000\n1001\nthree.ndk\n1200\n" + c.writer, dir.path(), 5);
        ASSERT_FALSE(r.timedOut) << c.name;
        EXPECT_EQ(r.status, 1) << c.name;
        const Lines lines = splitLines(r.out);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], " END OF INPUT") << c.name;
        EXPECT_EQ(lines.back(), " ===> STOPPING EXECUTION") << c.name;
        EXPECT_NE(findLine(lines, c.lastBefore), -1) << c.name;
        if (c.writer.starts_with("1001")) {
            EXPECT_EQ(dir.read("out.ndk"), sample("three.ndk"));
        }
    }
}

}  // namespace
}  // namespace tensova

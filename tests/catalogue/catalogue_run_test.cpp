// Reading, listing and writing catalogues through the real binary: the main menu's 1000, 1100
// and 1200, the reader's and the writer's menus and boxes.

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue_samples.hpp"

namespace tensova {
namespace {

using test::block;
using test::countLines;
using test::expectGolden;
using test::findLine;
using test::Lines;
using test::noWriterBox;
using test::operator+;
using test::rule;
using test::sample;
using test::slice;

const std::string kDashes = rule('-'), kAts = rule('@');
const std::string kPause = " ===> HIT RETURN TO CONTINUE";
const std::string kWriter = " @ subroutine gcmtwrite  ";

std::string name40(const std::string& name) {
    return name + std::string(40 - name.size(), ' ');
}

// Runs the binary in the folder, with three.ndk in it, on the answers after the banner's.
Lines run(const test::TempDir& dir, const std::string& answers, int status = 0) {
    dir.write("three.ndk", sample("three.ndk"));
    const auto r = test::runTensova("\n" + answers, dir.path());
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.status, status);
    return test::splitLines(r.out);
}

TEST(CatalogueRun, BadRecordThenReadWithProgressSummaryAndListing) {
    // Both screen switches on; a file whose record 2 is bad: error box pause, 1 = rewind,
    // read again, pause, default 2 = close; then three.ndk read and listed.
    test::TempDir dir;
    dir.write("bad.ndk", test::joined(test::kNdkEvent) +
                             test::joined(test::withField(test::kNdkEvent, 0, 48, "abc ")));
    const Lines lines =
        run(dir, "1000\n4\ny\n5\ny\n1001\nbad.ndk\n\n1\n1001\n\n\n1001\nthree.ndk\n1100\n9999\n");
    const Lines box({"   WHILE READING      2 th DATA", "   IN FILE: " + name40("bad.ndk"),
                     "   AT LINE 6 OF THE FILE", "   FIELD rmb, COLUMNS 48-51, IS NOT A NUMBER",
                     " --------------------------------", "   Try again on same file ......1",
                     "   close that file .............2", kPause});
    EXPECT_EQ(block(lines, box), box);
    EXPECT_EQ(countLines(lines, box[0]), 2);  // the rewound file read from its first record again
    EXPECT_EQ(countLines(lines, test::errorHead("gcmtreadex1")[3]), 2);
    EXPECT_EQ(countLines(lines, " input file  " + name40("bad.ndk") + "  rewound"), 1);
    EXPECT_EQ(countLines(lines, " INPUT FILE " + name40("bad.ndk") + " CLOSED"), 1);
    EXPECT_EQ(findLine(lines, " Input file: " + name40("bad.ndk")), -1);    // no summary
    EXPECT_EQ(countLines(lines, " Current nb of stored data=      0"), 5);  // every menu pass
    expectGolden(lines, "read_summary.txt", false);
    EXPECT_EQ(countLines(lines, "   Currently stored :      3"), 2);
    EXPECT_EQ(countLines(lines, "   Current data type:      2"), 2);
    expectGolden(lines, "listing.txt", false);
    // The completed read closed the file and went back to the main menu.
    EXPECT_NE(findLine(lines, " INPUT FILE " + name40("three.ndk") + " CLOSED"), -1);
}

// Damaged catalogues are read as far as they go, and the user learns what is wrong and where;
// a full store says so only when data remain.
TEST(CatalogueRun, DamagedCataloguesSayWhatAndWhere) {
    const std::string three = sample("three.ndk");
    const Lines threeLines = test::splitLines(three);
    Lines faulty = test::withField(threeLines, 5, 20, "73");
    faulty = test::withField(faulty, 10, 27, "  99.45");
    faulty = test::withField(faulty, 3, 10, "1.E-50");  // too small for a float: zero
    const std::string read = "1000\n1001\nf.ndk\n";
    const Lines warning = test::warningHead("gcmtreadex1");
    const struct {
        const char* what;
        std::string content;
        std::string answers;
        Lines shown;  // consecutive lines of the transcript
        int pauses;
    } cases[] = {
        {"blank line between two catalogues",
         three + "\n" + three,
         read + "9999\n",
         {" | Nb of data |          6 |          6 |"},
         0},
        {"truncated last record", three + threeLines[0] + "\n" + threeLines[1] + "\n",
         read + "\n9999\n",
         Lines{" | Depth mini |     -2.500 |     -2.500 |"} + warning +
             Lines{" INCOMPLETE LAST RECORD FROM LINE 16", " ==> NOT STORED", kPause},
         1},
        {"no complete record",
         threeLines[0] + "\n",
         read + "\n9999\n",
         {" INCOMPLETE LAST RECORD FROM LINE 1", " ==> NOT STORED",
          " NO COMPLETE RECORD IN THE FILE", kPause},
         1},
        {"a line of 5 MB",
         threeLines[0] + "\n" + std::string(5'000'000, '1') + "\n" + three,
         read + "\n\n99\n9999\n",
         {"   IN FILE: " + name40("f.ndk"), "   AT LINE 2 OF THE FILE",
          "   LINE LONGER THAN 1000 CHARACTERS"},
         1},
        {"impossible values",
         test::joined(faulty),
         read + "9999\n",
         {" | Depth mini |     -2.500 |     -2.500 |", kDashes,
          " VALUES OUT OF RANGE, KEPT AS READ:", " event 2, line 6: minute = 73",
          " event 3, line 11: rlat = 99.45", kDashes, " INPUT FILE " + name40("f.ndk") + " CLOSED"},
         0},
        {"a full store with more to read", test::repeatedNdk(25001), read + "\n9999\n",
         Lines{" | Nb of data |      25000 |      25000 |",
               " | Long  maxi |    -88.780 |    -88.780 |",
               " | Long  mini |    -88.780 |    -88.780 |",
               " | Lat   maxi |     79.990 |     79.990 |",
               " | Lat   mini |    -80.000 |    -80.000 |",
               " | Depth maxi |    193.100 |    193.100 |",
               " | Depth mini |    193.100 |    193.100 |"} +
             warning +
             Lines{" STORE FULL AFTER LINE 125000", " THE REST OF THE FILE WAS NOT READ", kPause},
         1},
        {"a full store and nothing more",
         test::repeatedNdk(25000),
         read + "9999\n",
         {" | Nb of data |      25000 |      25000 |"},
         0}};
    for (const auto& c : cases) {
        test::TempDir dir;
        dir.write("f.ndk", c.content);
        const Lines lines = run(dir, c.answers);
        EXPECT_EQ(block(lines, c.shown), c.shown) << c.what;
        EXPECT_EQ(countLines(lines, kPause), c.pauses) << c.what;
    }
}

TEST(CatalogueRun, WriterSession) {
    // An empty store: 1000 finds no writer (pause), help, 99. Then three.ndk: the ndk file,
    // closed at the question; the table twice into one file left open; a dek command (pause);
    // the listing; 99 closes the file. A command without a writer for the data opens no file:
    // opening would empty it.
    test::TempDir dir;
    const Lines lines = run(dir,
                            "1200\n1000\n\n900\n99\n1000\n1001\nthree.ndk\n1200\n1001\n"
                            "out.ndk\n\n2001\nt.txt\nn\n2001\nn\n1000\n\n2000\n\n1100\n99\n9999\n");
    EXPECT_EQ(countLines(lines, " CANNOT WRITE THIS DATA TYPE"), 3);
    EXPECT_EQ(countLines(lines, " OPENING OUTPUT FILE  1"), 2);
    EXPECT_EQ(dir.read("three.ndk"), sample("three.ndk"));
    EXPECT_EQ(block(lines, noWriterBox(0, 1000)), noWriterBox(0, 1000));
    expectGolden(lines, "writer_help.txt", false);  // no pause

    EXPECT_EQ(dir.read("out.ndk"), sample("three.ndk"));
    const Lines table = test::splitLines(dir.read("t.txt"));
    ASSERT_EQ(table.size(), 10u);
    EXPECT_EQ(table[0], " '" + name40("t.txt") + "'");
    EXPECT_EQ(slice(table, 5, 5), slice(table, 0, 5));
    // The menu over an ndk store, the output file closed; the report of a file written.
    expectGolden(lines, "writer_menu.txt", false);
    expectGolden(lines, "writer_report.txt", false);
    const int closed = findLine(lines, " output file " + name40("out.ndk") + " closed");
    EXPECT_EQ(slice(lines, closed + 1, 3), Lines({kAts, kAts, kWriter}));  // the menu again
    EXPECT_EQ(countLines(lines, " WRITING COMPLETED"), 3);
    EXPECT_EQ(countLines(lines, " New value =  No "), 2);
    EXPECT_EQ(
        block(lines, noWriterBox(2, 1000), findLine(lines, " New value =          1000", closed)),
        noWriterBox(2, 1000));
    const int rows = findLine(lines, " | 2005/01/ |  14. |  -89. | NEAR COAST OF R |");
    EXPECT_EQ(slice(lines, rows - 7, 1), Lines{kWriter});
    EXPECT_EQ(countLines(lines, " OUTPUT FILE " + name40("t.txt") + " CLOSED"), 1);
    EXPECT_EQ(countLines(lines, " output file " + name40("t.txt") + " closed"), 0);
}

TEST(CatalogueRun, FullDiskIsAFailureAndTheNextFileIsWritten) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    // The full disk (pause of the error box); then a folder that does not exist (pause of the
    // chooser's warning) before a good name.
    test::TempDir dir;
    const Lines lines = run(dir,
                            "1000\n1001\nthree.ndk\n1200\n2001\n/dev/full\n\n1001\nnodir/x.ndk\n\n"
                            "good.ndk\ny\n99\n9999\n");
    const Lines box =
        test::errorHead("gcmtwrite") +
        Lines{"   WHILE WRITING      3 th DATA", "   IN FILE: " + name40("/dev/full"),
              "   closing the file", kDashes, " OUTPUT FILE " + name40("/dev/full") + " CLOSED"};
    EXPECT_EQ(block(lines, {" TABULATED ndk CMT ORIGINAL ORDER", " + Computed Fclvd, Erel, Nfree"}),
              (Lines{" TABULATED ndk CMT ORIGINAL ORDER", " + Computed Fclvd, Erel, Nfree"}));
    EXPECT_EQ(block(lines, box), box);
    const int closed = findLine(lines, " FILE " + name40("/dev/full") + " IS CLOSED");
    // The menu again, no report and no question.
    EXPECT_EQ(slice(lines, closed + 1, 3), Lines({kPause, rule('*'), kAts}));
    EXPECT_EQ(countLines(lines, " WRITING COMPLETED"), 1);  // only the good file's
    EXPECT_EQ(countLines(lines, " close output file ?"), 1);
    EXPECT_NE(findLine(lines, " COULD NOT OPEN FILE " + name40("nodir/x.ndk")), -1);
    EXPECT_EQ(dir.read("good.ndk"), sample("three.ndk"));
}

}  // namespace
}  // namespace tensova

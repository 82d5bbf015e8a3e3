// Reading, listing and writing catalogues through the real binary: the main menu's 1000, 1100
// and 1200, the reader's and the writer's menus and boxes.

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue_samples.hpp"
#include "console/stop.hpp"
#include "console/text.hpp"

namespace tensova {
namespace {

using test::countLines;
using test::expectGolden;
using test::findLine;
using test::Lines;
using test::slice;
using test::testData;

// Runs the binary in the folder, with three.ndk in it, on the answers after the banner's; the
// transcript from the main menu on, its times masked. The run ends with `status`. At a terminal
// a refused answer is asked again.
Lines run(const test::TempDir& dir, const std::string& answers, int status = 0,
          bool atTerminal = false) {
    dir.write("three.ndk", testData("three.ndk"));
    const auto r = atTerminal ? test::runTensovaAtTerminal("\n" + answers, dir.path())
                              : test::runTensova("\n" + answers, dir.path());
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.status, status);
    return test::fromMainMenu(r.out);
}

TEST(CatalogueRun, BadRecordThenReadWithProgressSummaryAndListing) {
    // Both screen switches on; a file whose record 2 is bad: error box pause, 1 = rewind,
    // read again, pause, default 2 = close; then three.ndk read and listed.
    test::TempDir dir;
    dir.write("bad.ndk", test::joined(test::kNdkEvent) +
                             test::joined(test::withField(test::kNdkEvent, 0, 48, "abc ")));
    expectGolden(
        run(dir, "1000\n4\ny\n5\ny\n1001\nbad.ndk\n\n1\n1001\n\n\n1001\nthree.ndk\n1100\n9999\n"),
        "catalogue_runs.txt#bad record, then a read with progress, summary and listing");
}

// The reader's entry 5 alone: the table's heading, then a progress line for each record kept.
TEST(CatalogueRun, ProgressOfTheSelectedDataAlone) {
    test::TempDir dir;
    const Lines lines = run(dir, "1000\n5\ny\n1001\nthree.ndk\n9999\n");
    const Lines table{" |      data nb      |", " |-------------------|", " | reading | storing |",
                      " |-------------------|", " |       1 |       1 |", " |       2 |       2 |",
                      " |       3 |       3 |"};
    EXPECT_EQ(test::block(lines, table), table);
    EXPECT_EQ(countLines(lines, table[0]), 1);
}

// Damaged catalogues are read as far as they go, and the user learns what is wrong and where;
// a full store says so only when data remain.
TEST(CatalogueRun, DamagedCataloguesSayWhatAndWhere) {
    const std::string three = testData("three.ndk");
    const Lines threeLines = test::splitLines(three);
    Lines faulty = test::withField(threeLines, 5, 20, "73");
    faulty = test::withField(faulty, 10, 27, "  99.45");
    faulty = test::withField(faulty, 3, 10, "1.E-50");  // too small for a float: zero
    const std::string read = "1000\n1001\nf.ndk\n";
    // What each shows is the part of the golden file named after it.
    const struct {
        const char* what;
        std::string content;
        std::string answers;
        int pauses;
    } cases[] = {
        {"blank line between two catalogues", three + "\n" + three, read + "9999\n", 0},
        {"truncated last record", three + threeLines[0] + "\n" + threeLines[1] + "\n",
         read + "\n9999\n", 1},
        {"no complete record", threeLines[0] + "\n", read + "\n9999\n", 1},
        {"a line of 5 MB", threeLines[0] + "\n" + std::string(5'000'000, '1') + "\n" + three,
         read + "\n\n99\n9999\n", 1},
        {"impossible values", test::joined(faulty), read + "9999\n", 0},
        {"a full store with more to read", test::repeatedNdk(25001), read + "\n9999\n", 1},
        {"a full store and nothing more", test::repeatedNdk(25000), read + "9999\n", 0}};
    for (const auto& c : cases) {
        test::TempDir dir;
        dir.write("f.ndk", c.content);
        const Lines lines = run(dir, c.answers);
        test::expectGolden(lines, std::string("catalogue_runs.txt#") + c.what, false);
        EXPECT_EQ(countLines(lines, " ===> HIT RETURN TO CONTINUE"), c.pauses) << c.what;
    }
}

TEST(CatalogueRun, WriterSession) {
    // An empty store: 1000 finds no writer (pause), help, 99. Then three.ndk: the ndk file,
    // closed at the question; the table twice into one file left open; a dek command (pause);
    // the listing; 99 closes the file. A command without a writer for the data opens no file:
    // opening would empty it.
    test::TempDir dir;
    expectGolden(run(dir,
                     "1200\n1000\n\n900\n99\n1000\n1001\nthree.ndk\n1200\n1001\nout.ndk\n\n"
                     "2001\nt.txt\nn\n2001\nn\n1000\n\n2000\n\n1100\n99\n9999\n"),
                 "catalogue_runs.txt#writer session");
    EXPECT_EQ(dir.read("three.ndk"), testData("three.ndk"));
    EXPECT_EQ(dir.read("out.ndk"), testData("three.ndk"));
    const Lines table = test::splitLines(dir.read("t.txt"));
    ASSERT_EQ(table.size(), 10u);
    EXPECT_EQ(table[0], " '" + fit("t.txt", 40) + "'");
    EXPECT_EQ(slice(table, 5, 5), slice(table, 0, 5));
}

TEST(CatalogueRun, FullDiskIsAFailureAndTheNextFileIsWritten) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    // The full disk (pause of the error box); then a folder that does not exist (pause of the
    // chooser's warning) before a good name.
    test::TempDir dir;
    expectGolden(run(dir,
                     "1000\n1001\nthree.ndk\n1200\n2001\n/dev/full\n\n1001\nnodir/x.ndk\n\n"
                     "good.ndk\ny\n99\n9999\n",
                     kExitFileNotWhole, true),
                 "catalogue_runs.txt#full disk");
    EXPECT_EQ(dir.read("good.ndk"), testData("three.ndk"));
}

}  // namespace
}  // namespace tensova

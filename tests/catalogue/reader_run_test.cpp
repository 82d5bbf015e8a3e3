// Reading catalogue files from the main menu and listing them, through the real binary.

#include <gtest/gtest.h>

#include <chrono>

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

// The n lines from the first that equals `first`.
Lines block(const Lines& lines, const std::string& first, int n) {
    const int at = findLine(lines, first);
    if (at < 0 || at + n > static_cast<int>(lines.size())) return {"<" + first + " not found>"};
    return Lines(lines.begin() + at, lines.begin() + at + n);
}

std::string sample(const std::string& name) {
    return test::readFile(std::string(TENSOVA_TEST_DATA) + "/" + name);
}

// Reads `file` from the main menu in the given format (1000 dek, 1001 ndk), then runs `after`.
Lines readThenRun(const TempDir& dir, const std::string& file, int format,
                  const std::string& after = "9999\n", int* status = nullptr) {
    const auto r =
        runTensova("\n1000\n" + std::to_string(format) + "\n" + file + "\n" + after, dir.path());
    EXPECT_FALSE(r.timedOut);
    if (status != nullptr) *status = r.status;
    return splitLines(r.out);
}

const std::string kDashes = " " + std::string(43, '-');
const std::string kRule = " |-------------------------------------------|";

std::string name40(const std::string& name) {
    return name + std::string(40 - name.size(), ' ');
}

TEST(ReaderRun, NdkFileSummaryAndListing) {
    TempDir dir;
    dir.write("three.ndk", sample("three.ndk"));
    int status = -1;
    const Lines lines = readThenRun(dir, "three.ndk", 1001, "1100\n9999\n", &status);
    EXPECT_EQ(status, 0);
    const Lines summary = {
        " Input file: " + name40("three.ndk"),
        " Could store up to :  25000 data",
        " Data type ID      =      2",
        " No test => retain all data",
        kDashes,
        " |  Parameter |       Read |   Retained |",
        kDashes,
        " | Nb of data |          3 |          3 |",
        " | Long  maxi |    179.900 |    179.900 |",
        " | Long  mini |   -177.600 |   -177.600 |",
        " | Lat   maxi |     13.780 |     13.780 |",
        " | Lat   mini |    -29.000 |    -29.000 |",
        " | Depth maxi |    193.100 |    193.100 |",
        " | Depth mini |     -2.500 |     -2.500 |",
    };
    EXPECT_EQ(block(lines, summary[0], static_cast<int>(summary.size())), summary);
    EXPECT_EQ(lines[findLine(lines, summary[0]) - 1], kDashes);
    EXPECT_EQ(countLines(lines, "   Currently stored :      3"), 2);
    EXPECT_EQ(countLines(lines, "   Current data type:      2"), 2);
    const Lines listing = {
        kRule,
        " |               EXTRACTED DATA              |",
        kRule,
        " |   date   |  lat |  long |     region      |",
        kRule,
        " | 2005/01/ |  14. |  -89. | NEAR COAST OF R |",
        " | 2011/03/ | -29. | -178. | KERMADEC ISLAND |",
        " | 1999/12/ |   0. |  180. | SOUTH OF FIJI I |",
        kRule,
    };
    EXPECT_EQ(block(lines, kRule, static_cast<int>(listing.size())), listing);
    // The completed read closed the file and went back to the main menu.
    EXPECT_NE(findLine(lines, " INPUT FILE " + name40("three.ndk") + " CLOSED"), -1);
}

TEST(ReaderRun, DekFile) {
    TempDir dir;
    dir.write("hand.dek", sample("hand.dek"));
    const Lines lines = readThenRun(dir, "hand.dek", 1000, "1100\n9999\n");
    EXPECT_NE(findLine(lines, " Data type ID      =      1"), -1);
    EXPECT_NE(findLine(lines, " | Nb of data |          1 |          1 |"), -1);
    EXPECT_NE(findLine(lines, " | Depth maxi |    193.100 |    193.100 |"), -1);
    EXPECT_NE(findLine(lines, " | 01/01/05 |  14. |  -89. | NEAR COAST OF R |"), -1);
    EXPECT_EQ(countLines(lines, "   Current data type:      1"), 2);
}

TEST(ReaderRun, ListingOfAnEmptyStoreGivesItsWarningBox) {
    // The box's pause takes the empty line; 9999 then quits.
    TempDir dir;
    const auto r = runTensova("\n1100\n\n9999\n", dir.path());
    const Lines lines = splitLines(r.out);
    const int box = findLine(lines, " DATA TYPE ID =      0");
    ASSERT_NE(box, -1);
    EXPECT_EQ(lines[box - 3], " ///        subroutine tensova           ///");
    EXPECT_EQ(lines[box - 6], " |               EXTRACTED DATA              |");
    EXPECT_EQ(lines[box + 1], " COMMAND      =   1100");
    EXPECT_EQ(lines[box + 6], kRule);
    EXPECT_EQ(r.status, 0);
}

TEST(ReaderRun, BadRecordRewindReadAgainThenClose) {
    TempDir dir;
    dir.write("bad.ndk", test::joined(test::kNdkEvent) +
                             test::joined(test::withField(test::kNdkEvent, 0, 48, "abc ")));
    // Error box pause, 1 = rewind, read again, pause, default 2 = close, leave, list, pause.
    int status = -1;
    const Lines lines =
        readThenRun(dir, "bad.ndk", 1001, "\n1\n1001\n\n\n99\n1100\n\n9999\n", &status);
    EXPECT_EQ(status, 0);
    const Lines box = {
        "   WHILE READING      2 th DATA",   "   IN FILE: " + name40("bad.ndk"),
        " --------------------------------", "   Try again on same file ......1",
        "   close that file .............2", " ===> HIT RETURN TO CONTINUE",
    };
    EXPECT_EQ(block(lines, box[0], static_cast<int>(box.size())), box);
    EXPECT_EQ(countLines(lines, box[0]), 2);  // the rewound file read from its first record again
    EXPECT_EQ(countLines(lines, " ***        subroutine gcmtreadex1       ***"), 2);
    EXPECT_EQ(countLines(lines, " input file  " + name40("bad.ndk") + "  rewound"), 1);
    EXPECT_EQ(countLines(lines, " INPUT FILE " + name40("bad.ndk") + " CLOSED"), 1);
    EXPECT_EQ(countLines(lines, " Enter your choice" + std::string(24, ' ')), 2);
    EXPECT_EQ(countLines(lines, " Current nb of stored data=      0"), 3);
    EXPECT_EQ(findLine(lines, " Input file: " + name40("bad.ndk")), -1);  // no summary
    EXPECT_NE(findLine(lines, " DATA TYPE ID =      0"), -1);
}

TEST(ReaderRun, AwkwardFiles) {
    const std::string three = sample("three.ndk");
    std::string binary;
    for (int i = 0; i < 5000; ++i) binary += static_cast<char>((i * 131 + 7) % 256);
    struct Case {
        const char* what;
        std::string content;
        std::string expect;  // a line of the transcript
    };
    const Case cases[] = {
        {"empty file", "", " | Nb of data |          0 |          0 |"},
        {"empty file extremes", "", " | Long  maxi | -10000.000 | -10000.000 |"},
        {"empty file extremes", "", " | Depth mini |  10000.000 |  10000.000 |"},
        {"truncated last event", three.substr(0, three.size() - 81),
         " | Nb of data |          2 |          2 |"},
        {"binary file", binary, "   WHILE READING      1 th DATA"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("x.ndk", c.content);
        int status = -1;
        const Lines lines = readThenRun(dir, "x.ndk", 1001, "\n\n99\n9999\n", &status);
        EXPECT_NE(findLine(lines, c.expect), -1) << c.what;
        EXPECT_EQ(status, 0) << c.what;
    }
}

TEST(ReaderRun, FullStoreStopsWithItsWarning) {
    TempDir dir;
    dir.write("big.ndk", test::repeatedNdk(25001));
    const auto start = std::chrono::steady_clock::now();
    const Lines lines = readThenRun(dir, "big.ndk", 1001, "\n9999\n");
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_NE(findLine(lines, " | Nb of data |      25000 |      25000 |"), -1);
    const int warn = findLine(lines, " data may not have been fully read");
    ASSERT_NE(warn, -1);
    EXPECT_EQ(lines[warn - 3], " ///        subroutine gcmtreadex1       ///");
    EXPECT_EQ(lines[warn + 1], " ===> HIT RETURN TO CONTINUE");
    const int lastRow = findLine(lines, " | Depth mini |    193.100 |    193.100 |");
    ASSERT_NE(lastRow, -1);
    EXPECT_EQ(warn, lastRow + 5);  // the summary, then the box
    EXPECT_EQ(countLines(lines, "   Currently stored :  25000"), 1);
    EXPECT_LT(seconds, 5.0);
}

TEST(ReaderRun, ProgressTableWithTheScreenSwitches) {
    TempDir dir;
    dir.write("three.ndk", sample("three.ndk"));
    const auto r = runTensova("\n1000\n4\ny\n5\ny\n1001\nthree.ndk\n9999\n", dir.path());
    const Lines lines = splitLines(r.out);
    EXPECT_NE(findLine(lines, " WRITE ALL READ DATA TO SCREEN .4 T"), -1);
    EXPECT_NE(findLine(lines, " WRITE SELECTED DATA TO SCREEN .5 T"), -1);
    const Lines want = {
        " READING IN NDK FILE: " + name40("three.ndk"),
        " ---------------------",
        " |      data nb      |",
        " |-------------------|",
        " | reading | storing |",
        " |-------------------|",
        " |       1 |       1 |",
        " |       2 |       2 |",
        " |       3 |       3 |",
        kDashes,
        " Input file: " + name40("three.ndk"),
    };
    EXPECT_EQ(block(lines, want[0], static_cast<int>(want.size())), want);
}

TEST(ReaderRun, HelpOpenAndCloseWithoutReading) {
    TempDir dir;
    dir.write("three.ndk", sample("three.ndk"));
    const auto r =
        runTensova("\n1000\n900\n11\nthree.ndk\n11\n21\n21\n11\nthree.ndk\n99\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const Lines lines = splitLines(r.out);
    const int help = findLine(lines, " DEK & NDK FORMATS AS DESCRIBED AT:");
    ASSERT_NE(help, -1);
    EXPECT_EQ(lines[help - 1], " " + std::string(43, '='));
    EXPECT_EQ(lines[help - 2], "                   HELP");
    EXPECT_EQ(lines[help + 2], " Other help:");
    EXPECT_EQ(countLines(lines, " Choose unknown data input file name"), 2);  // 11 on an open file
    EXPECT_EQ(countLines(lines, " INPUT FILE " + name40("three.ndk") + " CLOSED"),
              2);  // 21, then 99
    EXPECT_EQ(countLines(lines, "   Currently stored :      0"), 2);
}

TEST(ReaderRun, EndOfInputInTheReaderMenuStops) {
    TempDir dir;
    const auto r = runTensova("\n1000\n", dir.path(), 10);
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.status, 1);
}

}  // namespace
}  // namespace tensova

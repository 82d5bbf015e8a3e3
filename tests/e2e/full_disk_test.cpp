// Writers on a small full disk: the box says how many records the file holds whole, for the
// catalogue files, the tables and the Si-Sh file. The limits of the machine (a file-size limit,
// a closed console) end no run by a signal, and the exit status tells a run whose files are not
// all whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "catalogue/catalogue_samples.hpp"
#include "console/stop.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/run_binary.hpp"
#include "support/transcript.hpp"

namespace tensova {
namespace {

// A console line of a label and a count in six columns.
std::string counted(const std::string& label, int n) {
    char number[16];
    std::snprintf(number, sizeof number, "%6d", n);
    return " " + label + " " + number;
}

// 860 ndk events (348,300 bytes) and 300 dek events (94,500 bytes) written to a disk of 64 KiB:
// the 256 KiB buffer of the unit meets the full disk at its first write, long after the last
// record that fits; the box names the first record that is not whole and counts those that are,
// and the file ends with the last of them.
TEST(FullDisk, TheBoxCountsTheRecordsTheFileHoldsWhole) {
    const std::string read = "1000\n1001\ncat.ndk\n";
    // A world grid, which holds every event; the map goes to the null device, since a plot file
    // the disk refused would end the RUN before the Si-Sh file is written.
    const std::string map =
        "7\ny\n2001\nout.txt\n320\n10\n-90 90 30\n20\n-180 180 30\n99\n1000\n\n/dev/null\n99\n"
        "99\n";
    const struct {
        const char* what;
        std::string input;  // after the banner's line
        int head;           // lines before the first event's record
        int lines;          // lines of an event's record
        bool sish;          // the Si-Sh box rather than the writer's
    } cases[] = {
        {"ndk file", read + "1200\n1001\nout.txt\n\n99\n9999\n", 0, 5, false},
        {"dek file", "1000\n1000\ncat.dek\n1200\n1000\nout.txt\n\n99\n9999\n", 0, 4, false},
        {"ndk table", read + "1200\n2001\nout.txt\n\n99\n9999\n", 2, 1, false},
        {"Si-Sh file", read + map + "\n99\n9999\n\n", 1, 1, true}};
    std::string dek;
    for (int i = 0; i < 300; ++i) dek += test::testData("one.dek");
    constexpr long long kDisk = 64 * 1024;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        dir.write("cat.ndk", test::repeatedNdk(860));
        dir.write("cat.dek", dek);
        const test::RunResult r = test::runTensova("\n" + c.input, dir.path(), 20, kDisk);
        EXPECT_EQ(r.status, kExitFileNotWhole);
        const std::string cut = dir.read("out.txt");
        const test::Lines records = test::splitLines(cut);
        const int whole = (static_cast<int>(records.size()) - c.head) / c.lines;
        // Whole records only (each event's of the same length), less than one short of the disk.
        EXPECT_TRUE(cut.ends_with('\n'));
        EXPECT_EQ((static_cast<int>(records.size()) - c.head) % c.lines, 0);
        long long head = 0;
        for (int i = 0; i < c.head; ++i) head += static_cast<long long>(records.at(i).size()) + 1;
        const long long record = (static_cast<long long>(cut.size()) - head) / std::max(whole, 1);
        EXPECT_LE(static_cast<long long>(cut.size()), kDisk);
        EXPECT_GT(static_cast<long long>(cut.size()) + record, kDisk);
        const std::string indent = c.sish ? "" : "  ";
        const test::Lines lines = test::splitLines(r.out);
        EXPECT_EQ(test::countLines(lines, counted(indent + "NUMBER OF SAVED DATA =", whole)), 1)
            << whole;
        EXPECT_EQ(
            test::countLines(lines, counted(indent + "WHILE WRITING", whole + 1) + " th DATA"), 1);
    }
}

// A disk with no room at all holds no record: the box names the first.
TEST(FullDisk, NoRoomAtAllNoRecord) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const test::Session s("\n1000\n1001\ncat.ndk\n1200\n1001\n/dev/full\n\n99\n9999\n",
                          {{"cat.ndk", test::repeatedNdk(860)}});
    EXPECT_EQ(s.result.status, kExitFileNotWhole);
    EXPECT_EQ(s.count(counted("  WHILE WRITING", 1) + " th DATA"), 1);
    EXPECT_EQ(s.count(counted("  NUMBER OF SAVED DATA =", 0)), 1);
}

// A catalogue that opens but cannot be read to its end (the system refuses the read) gives its
// box and the run goes on; a failure is not success: the run ends with the status of a file not
// whole, while a record it cannot understand leaves the status alone.
TEST(FullDisk, AFileNotReadToItsEndEndsTheRunWithItsStatus) {
    if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem here";
    // The box's pause, its choice (close the file), out of the reader, quit.
    const std::string keys = "\n\n99\n9999\n";
    const test::Session s("\n1000\n1001\n/proc/self/mem\n" + keys);
    EXPECT_EQ(s.result.status, kExitFileNotWhole);
    EXPECT_EQ(s.count(counted("  WHILE READING", 1) + " th DATA"), 1);
    EXPECT_EQ(s.count("   THE FILE COULD NOT BE READ"), 1);
    // The latitude of the first record is no number.
    std::string bad = test::repeatedNdk(2);
    bad[29] = 'x';
    const test::Session damaged("\n1000\n1001\nbad.ndk\n" + keys, {{"bad.ndk", bad}});
    EXPECT_EQ(damaged.result.status, 0);
    EXPECT_EQ(damaged.count(counted("  WHILE READING", 1) + " th DATA"), 1);
}

// A plot file the disk refused is not whole: the run says so with its status, whether it ends
// with 9999 or at the end of its input.
TEST(FullDisk, APlotFileNotWholeEndsTheRunWithItsStatus) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const std::string map = "\n1000\n1001\ncat.ndk\n2001\n1000\n\n/dev/full\n99\n99\n\n20\n\n99\n";
    for (const std::string end : {"9999\n", ""}) {
        const test::Session s(map + end, {{"cat.ndk", test::repeatedNdk(20)}});
        EXPECT_EQ(s.result.status, kExitFileNotWhole) << end;
        EXPECT_EQ(s.count(" The PostScript plot file could not be written completely"), 1);
    }
}

// A plot file the disk refuses while a map or a sheet is drawn: one box names it where the RUN
// notices it and says it is closed, the RUN ends there (no page asked for after it, no step of
// the map announced) with the file closed, so that its close tells nothing again, and the run's
// status says a file is not whole. A sheet of 100 events has 5 pages of about 200 KB, which the
// plot unit writes 256 KB at a time: a full device refuses the second page, a limit of 450 KB the
// third. A grid of one degree drawn with 50 points a line fills more than that on its own.
TEST(FullDisk, APlotFileRefusedEndsItsRunInOneBoxNamingIt) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const std::string newPage = " IT IS SUGGESTED TO CLEAR THE PLOT";
    const std::string read = "\n1000\n1001\ncat.ndk\n";
    const std::string close = "\n20\n\n99\n9999\n";  // the box's pause, then the close
    const struct {
        const char* what;
        std::string input;
        std::string file;
        long long disk;    // the file-size limit, or -1
        int asked;         // new-page questions before the box
        const char* step;  // the map's last step announced, before the box
        int events = 100;
    } cases[] = {
        // A world grid, which holds every event.
        {"map",
         read + "2001\n320\n10\n-90 90 30\n20\n-180 180 30\n99\n1000\n\n/dev/full\n99\n99\n" +
             close,
         "/dev/full", -1, 0, " PLOTTING LAT LONG CONTOURS"},
        {"map, at its grid",
         read + "2001\n320\n10\n-90 90 1\n20\n-180 180 1\n31\n50\n99\n1000\n\n/dev/full\n" + close,
         "/dev/full", -1, 0, " PLOTTING LAT LONG GRID"},
        {"sheet", read + "3000\n1000\n\n/dev/full\n\n" + close, "/dev/full", -1, 1, ""},
        {"sheet past a limit", read + "3000\n1000\n\nsheet.ps\n\n\n" + close, "sheet.ps", 450'000,
         2, ""},
        // Its last page is refused at the end of the RUN, not at the close.
        {"one page", read + "3000\n1000\n\n/dev/full\n" + close, "/dev/full", -1, 0, "", 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        dir.write("cat.ndk", test::repeatedNdk(c.events));
        const test::RunResult r = test::runTensova(c.input, dir.path(), 20, c.disk);
        EXPECT_EQ(r.status, kExitFileNotWhole);
        const test::Lines lines = test::splitLines(r.out);
        EXPECT_EQ(
            test::countLines(lines, " The PostScript plot file could not be written completely"),
            1);
        const test::Lines said{" The PostScript plot file could not be written completely",
                               "   IN FILE: " + c.file, " FILE " + c.file + " IS CLOSED"};
        const int box = test::findLine(lines, said[0]);
        ASSERT_GE(box, 0);
        EXPECT_EQ(test::slice(lines, box, 3), said);
        EXPECT_EQ(test::countLines(lines, newPage), c.asked);
        EXPECT_EQ(test::findLine(lines, newPage, box), -1);
        // A step of the map is announced between two rules: none after the one that failed.
        const int step = *c.step != '\0' ? test::findLine(lines, c.step) : box - 2;
        EXPECT_TRUE(step >= 0 && step < box);
        EXPECT_EQ(test::findLine(lines, " " + std::string(36, '='), step + 2), -1);
        EXPECT_EQ(test::countLines(lines, " The plot window or file is already closed"), 1);
    }
}

// The console closed while a map is drawn (the output piped into `head -c`): the run ends as at
// the end of its input, with the map finished and closed, and with the status of that end.
TEST(FullDisk, AClosedConsoleEndsTheRunAsTheEndOfInput) {
    // A world grid, which holds every event.
    const std::string input =
        "\n1000\n1001\ncat.ndk\n2001\n320\n10\n-90 90 30\n20\n-180 180 30\n99\n1000\n\n\n99\n99\n"
        "20\n\n99\n1100\n9999\n";
    test::TempDir dir;
    dir.write("cat.ndk", test::repeatedNdk(400));
    const test::RunResult whole = test::runTensova(input, dir.path());
    ASSERT_EQ(whole.status, 0);
    const auto scaling = whole.out.find("SCALING GRID IN A4 Portrait");
    ASSERT_NE(scaling, std::string::npos);
    // Far more than the pipe and the run's own buffer hold follows, so the run meets the
    // closed console while it draws.
    ASSERT_GT(whole.out.size() - scaling, 10u * 8192);
    std::filesystem::remove(dir.file("seis.map.ps"));
    const test::RunResult closed =
        test::runTensova(input, dir.path(), 20, -1, static_cast<long long>(scaling));
    EXPECT_EQ(closed.status, 1);
    const std::string map = dir.read("seis.map.ps");
    EXPECT_TRUE(map.ends_with("%%EOF\n")) << map.size();
    if (test::canRender("the map")) test::expectRenders(dir.file("seis.map.ps"));
}

}  // namespace
}  // namespace tensova

// Reads of whole catalogue files into the store: ends of file, bad records, the longest line,
// impossible values, a full store on a failing disk, and the real catalogue files read and
// written back. (A full store that reads on is read through the binary.)

#include "catalogue/read_loop.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sstream>

#include "catalogue_fixture.hpp"

namespace tensova::test {
namespace failing {
// A disk that fails: the file of this inode cannot be read from this offset on (0: none).
ino_t inode = 0;
off_t from = 0;
}  // namespace failing
}  // namespace tensova::test

// Every read of the test program passes through here, and goes on unchanged but on the failing
// file, whose reads stop at the failing offset and fail there.
extern "C" ssize_t read(int fd, void* buf, size_t n) {
    namespace failing = tensova::test::failing;
    struct stat st {};
    if (failing::inode != 0 && fstat(fd, &st) == 0 && st.st_ino == failing::inode) {
        const off_t at = lseek(fd, 0, SEEK_CUR);
        if (at >= failing::from) {
            errno = EIO;
            return -1;
        }
        n = std::min(n, static_cast<size_t>(failing::from - at));
    }
    return syscall(SYS_read, fd, buf, n);
}

namespace tensova::test {
namespace {

using ReadLoop = CatalogueFixture;

// The sample event with its first line padded with blanks to `width` characters.
std::string withWideFirstLine(std::size_t width) {
    auto lines = kNdkEvent;
    lines[0].resize(width, ' ');
    return joined(lines);
}

TEST_F(ReadLoop, EndsOfFileAndBlankLines) {
    const std::string full = testData("three.ndk");
    std::string noLastLine = full.substr(0, full.size() - 1);
    noLastLine = noLastLine.substr(0, noLastLine.rfind('\n') + 1);
    std::string trimmed, macEnds;
    for (const std::string& l : splitLines(full)) {
        trimmed += l.substr(0, l.find_last_not_of(' ') + 1) + "\r\n";
        macEnds += l + "\r";
    }
    const std::string one = joined(kNdkEvent);
    // The count, and the line where an incomplete last record starts (0 for none).
    const struct {
        const char* what;
        std::string content;
        int32_t count;
        int32_t incomplete;
    } cases[] = {{"no final newline", full.substr(0, full.size() - 1), 3, 0},
                 {"last event without its last line", noLastLine, 2, 11},
                 {"last event with one line only", full + kNdkEvent[0] + "\n", 3, 16},
                 {"trailing blanks removed, CR LF ends", trimmed, 3, 0},
                 {"carriage returns alone end the lines", macEnds, 3, 0},
                 {"file cut inside the last line of the last event",
                  full.substr(0, full.size() - 31), 2, 11},
                 {"a blank line after the last event", full + "\n", 3, 0},
                 {"blank lines before, between and after records",
                  "\n \n" + one + "\t\n\n" + full + " ", 4, 0},
                 {"empty file", "", 0, 0},
                 {"a line of 1000 characters", withWideFirstLine(1000), 1, 0},
                 {"a file of one byte", "P", 0, 1}};
    for (const auto& c : cases) {
        SetUp();
        const ReadOutcome r = readText(c.content);
        EXPECT_EQ(std::tuple(r.end, r.records, gcmtblk.count, gcmtblk.dataType, r.line),
                  std::tuple(ReadEnd::EndOfFile, c.count, c.count, kNdkData, c.incomplete))
            << c.what;
    }
    // Nothing read: every extreme stays at its start value.
    const ReadOutcome r = readText("");
    EXPECT_EQ(r.read.latMax, -10000.0f);
    EXPECT_EQ(r.kept.depMin, 10000.0f);
}

TEST_F(ReadLoop, BadRecordEmptiesTheStoreAndNamesItsLine) {
    std::string binary;
    for (int i = 0; i < 3000; ++i) binary += static_cast<char>((i * 37) % 256);
    const std::string one = joined(kNdkEvent);
    const auto bad = [](std::size_t line, std::size_t first, const char* text) {
        return joined(withField(kNdkEvent, line, first, text));
    };
    const std::string blankInside =
        kNdkEvent[0] + "\n" + kNdkEvent[1] + "\n\n" + kNdkEvent[2] + "\n" + kNdkEvent[3] + "\n";
    // The record and line that cannot be read, and what is wrong: a field's name, or the line.
    const struct {
        const char* what;
        std::string content;
        int32_t record;
        int32_t line;
        const char* field;
        BadLine why;
    } cases[] = {
        {"letters in the magnitudes of record 2", one + bad(0, 48, "abc "), 2, 6, "rmb",
         BadLine::Field},
        {"latitude -AA.45", bad(0, 27, " -AA.45"), 1, 1, "rlat", BadLine::Field},
        {"moment exponent 2x in record 3", one + one + bad(3, 1, "2x"), 3, 14, "iexmomt",
         BadLine::Field},
        {"letter in a station count", bad(1, 20, "  x"), 1, 2, "ibstatn", BadLine::Field},
        {"letter after an angle", bad(4, 57, "12.5x"), 1, 5, "dipd0 plane 1", BadLine::Field},
        {"two points", bad(2, 10, "   -0.3.1"), 1, 3, "cdt", BadLine::Field},
        {"a component", bad(3, 68, "  1.x34"), 1, 4, "tmomt Mse", BadLine::Field},
        {"binary file", binary, 1, 1, "rlat", BadLine::Field},
        {"a dek file read as ndk", joined(kDekEvent) + joined(kDekEvent), 1, 1, "rlat",
         BadLine::Field},
        {"a blank line inside a record", one + blankInside, 2, 8, nullptr, BadLine::Blank},
        {"a line of 5 MB", one + std::string(5'000'000, '1') + "\n" + one, 2, 6, nullptr,
         BadLine::TooLong},
        {"a line of 1001 characters", one + withWideFirstLine(1001), 2, 6, nullptr,
         BadLine::TooLong}};
    for (const auto& c : cases) {
        SetUp();
        gcmtblk.count = 7;
        gcmtblk.dataType = kDekData;
        const ReadOutcome r = readText(c.content);
        EXPECT_EQ(std::tuple(r.end, r.badRecord, r.line, r.bad, gcmtblk.count, gcmtblk.dataType),
                  std::tuple(ReadEnd::BadRecord, c.record, c.line, c.why, 0, kNoData))
            << c.what;
        EXPECT_EQ(r.badField ? fieldName(*r.badField) : "", c.field ? c.field : "") << c.what;
    }
}

// The progress lines, each the record's number and the slot it is read into: one for each
// record read, or only for each record kept. The latitude test drops the first of three.
TEST_F(ReadLoop, ProgressLinesForEachRecordReadOrKept) {
    const std::string read1 = " |       1 |       1 |", read2 = " |       2 |       1 |",
                      read3 = " |       3 |       2 |";
    const struct {
        const char* what;
        bool all, kept;
        Lines lines;
    } cases[] = {{"none", false, false, {}},
                 {"each record read", true, false, {read1, read2, read3}},
                 {"each record kept", false, true, {read2, read3}},
                 {"both: each record read", true, true, {read1, read2, read3}}};
    dir.write("input.txt", ndkAt(10, 0) + ndkAt(30, 0) + ndkAt(35, 0));
    for (const auto& c : cases) {
        SetUp();
        seistest2.ltest = seistest2.ltestlat = true;
        seistest2.latmin = 20.0f;
        seistest2.latmax = 40.0f;
        ASSERT_TRUE(unitOpen(kInputUnit, dir.file("input.txt"), OpenStatus::Old));
        const ReadOutcome r = readCatalogue(ndkLayout, kInputUnit, c.all, c.kept, kGcmtreadex1);
        unitClose(kInputUnit);
        EXPECT_EQ(std::tuple(r.records, gcmtblk.count), std::tuple(3, 2)) << c.what;
        EXPECT_EQ(printed(), c.lines) << c.what;
    }
}

// The disk fails just after the store's last record: the file may hold more, so the store is
// full and says so, as when the rest can be read. The alarm ends a read that would ask the
// failed file for more for ever.
TEST_F(ReadLoop, AReadErrorAfterAFullStoreIsAFullStore) {
    const std::string full = repeatedNdk(kCapacity);
    dir.write("input.txt", full + joined(kNdkEvent));
    struct stat st {};
    ASSERT_EQ(stat(dir.file("input.txt").c_str(), &st), 0);
    failing::inode = st.st_ino;
    failing::from = static_cast<off_t>(full.size());
    alarm(20);
    const ReadOutcome r = readPath(dir.file("input.txt"));
    alarm(0);
    failing::inode = 0;
    EXPECT_EQ(std::tuple(r.end, r.line, gcmtblk.count),
              std::tuple(ReadEnd::StoreFull, 5 * kCapacity, kCapacity));
}

// Values no event can have are reported with their event, line and field, and kept as read.
TEST_F(ReadLoop, ImpossibleValuesAreReportedAndKept) {
    const auto rows = tableRows("impossible_values.txt", ';');
    ASSERT_EQ(rows.size(), 13u);
    for (const auto& c : rows) {
        SetUp();
        const bool dek = c.at(1) == "dek";
        const Lines& good = dek ? kDekEvent : kNdkEvent;
        const auto at = numbers(c.at(2));
        const Lines bad = withField(good, std::size_t(at.at(0)), std::size_t(at.at(1)),
                                    c.at(3).substr(1, c[3].size() - 2));
        const ReadOutcome r = readText(joined(good) + joined(bad), dek ? dekLayout : ndkLayout);
        ASSERT_EQ(gcmtblk.count, 2) << c[0];  // kept as read
        std::string field, value;
        int32_t line = 0;
        std::istringstream(c.at(4)) >> field >> value >> line;
        EXPECT_EQ(r.outOfRange.count, field != "-" ? 1 : 0) << c[0];
        if (field == "-" || r.outOfRange.shown.empty()) continue;
        const OutOfRange& v = r.outOfRange.shown[0];
        EXPECT_EQ(std::tuple(v.event, v.line, std::string(v.field), std::string(v.value)),
                  std::tuple(2, line, field, value))
            << c[0];
    }
    // A screenful is shown; the rest are counted.
    const std::string bad = joined(withField(kNdkEvent, 0, 20, "73"));
    std::string many;
    for (int i = 0; i < 25; ++i) many += bad;
    const ReadOutcome r = readText(many);
    EXPECT_EQ(
        std::tuple(r.outOfRange.count, r.outOfRange.shown.size(), r.outOfRange.shown.back().line),
        std::tuple(25, 20u, 96));
}

// Each real ndk file read in place; those read whole are written back as ndk and give their own
// lines. What changes: lines that a file holds shorter than 80 columns (trailing blanks cut)
// come back at their 80 columns, and the last line gets its newline. These files hold whole
// angles and two-character wave labels, so truncated angles and cut labels change nothing.
// Values out of range: a minute 73 and a latitude 99.45 in two faulty files; none elsewhere,
// where seconds of 60.0 occur.
TEST_F(ReadLoop, RealFilesReadAndWrittenBackLineForLine) {
    const struct {
        const char* name;
        ReadEnd end;
        int32_t count;
        bool writtenBack;
        int32_t outOfRange = 0;
    } cases[] = {
        {"gcmt_2015-01_jan15.ndk", ReadEnd::EndOfFile, 210, true},
        {"qcmt_2018-02_to_2019-09.ndk", ReadEnd::EndOfFile, 860, true},
        {"oq_hmtk_test_gcmt_catalogue_01.ndk", ReadEnd::EndOfFile, 2, true},
        {"obspy/C200604092050A.ndk", ReadEnd::EndOfFile, 1, true},
        {"obspy/multiple_events.ndk", ReadEnd::EndOfFile, 6, true},
        {"obspy/faulty_multiple_events.ndk", ReadEnd::EndOfFile, 7, false, 1},  // faults in texts
        {"obspy/faulty_infeasible_latitude.ndk", ReadEnd::EndOfFile, 1, true, 1},
        {"obspy/faulty_invalid_latitude.ndk", ReadEnd::BadRecord, 0, false},
        {"obspy/faulty_invalid_date.ndk", ReadEnd::BadRecord, 0, false}};
    int found = 0;
    for (const auto& c : cases) {
        const std::string path = std::string(TENSOVA_REAL_DATA) + "/" + c.name;
        if (!std::filesystem::exists(path)) continue;
        ++found;
        SetUp();
        const ReadOutcome r = readPath(path);
        EXPECT_EQ(std::tuple(r.end, gcmtblk.count, r.outOfRange.count),
                  std::tuple(c.end, c.count, c.outOfRange))
            << c.name;
        if (!c.writtenBack) continue;
        const auto original = splitLines(readFile(path));
        const auto written =
            writeFile("out.ndk", [] { return writeCatalogueFile(ndkLayout, kSlot); });
        ASSERT_EQ(written.size(), original.size()) << c.name;
        for (std::size_t i = 0; i < original.size(); ++i) {
            ASSERT_LE(original[i].size(), 80u) << c.name << " line " << i + 1;
            EXPECT_EQ(written[i], original[i] + std::string(80 - original[i].size(), ' '))
                << c.name << " line " << i + 1;
        }
    }
    if (found == 0) GTEST_SKIP() << "real catalogue files not found in " << TENSOVA_REAL_DATA;
}

}  // namespace
}  // namespace tensova::test

// Reads of whole catalogue files into the store: ends of file, bad records, a full store, and
// the real catalogue files read and written back.

#include "catalogue/read_loop.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue_fixture.hpp"

namespace tensova {
namespace {

using test::joined;
using test::kNdkEvent;
using test::withField;
using ReadLoop = test::CatalogueFixture;

TEST_F(ReadLoop, EndsOfFile) {
    const std::string full = test::sample("three.ndk");
    std::string noLastLine = full.substr(0, full.size() - 1);
    noLastLine = noLastLine.substr(0, noLastLine.rfind('\n') + 1);
    std::string trimmed, macEnds;
    for (const std::string& l : test::splitLines(full)) {
        trimmed += l.substr(0, l.find_last_not_of(' ') + 1) + "\r\n";
        macEnds += l + "\r";
    }
    const struct {
        const char* what;
        std::string content;
        int32_t count;
    } cases[] = {
        {"no final newline", full.substr(0, full.size() - 1), 3},
        {"last event without its last line", noLastLine, 2},
        {"last event with one line only", full + kNdkEvent[0] + "\n", 3},
        {"trailing blanks removed, CR LF ends", trimmed, 3},
        {"carriage returns alone end the lines", macEnds, 3},
        {"file cut inside the last line of the last event", full.substr(0, full.size() - 31), 2},
        {"a blank line after the last event", full + "\n", 3},
        {"empty file", "", 0},
        {"a file of one byte", "P", 0},
    };
    for (const auto& c : cases) {
        SetUp();
        const ReadOutcome r = readText(c.content);
        EXPECT_EQ(r.end, ReadEnd::EndOfFile) << c.what;
        EXPECT_EQ(r.records, c.count) << c.what;
        EXPECT_EQ(gcmtblk.count, c.count) << c.what;
        EXPECT_EQ(gcmtblk.dataType, kNdkData) << c.what;
    }
    // Nothing read: every extreme stays at its start value.
    const ReadOutcome r = readText("");
    EXPECT_EQ(r.read.latMax, -10000.0f);
    EXPECT_EQ(r.kept.depMin, 10000.0f);
}

TEST_F(ReadLoop, BadRecordEmptiesTheStore) {
    std::string binary;
    for (int i = 0; i < 3000; ++i) binary += static_cast<char>((i * 37) % 256);
    const std::string one = joined(kNdkEvent);
    const auto bad = [](std::size_t line, std::size_t first, const char* text) {
        return joined(withField(kNdkEvent, line, first, text));
    };
    const struct {
        const char* what;
        std::string content;
        int32_t record;
    } cases[] = {
        {"letters in the magnitudes of record 2", one + bad(0, 48, "abc "), 2},
        {"latitude -AA.45", bad(0, 27, " -AA.45"), 1},
        {"moment exponent 2x in record 3", one + one + bad(3, 1, "2x"), 3},
        {"letter in a station count", bad(1, 20, "  x"), 1},
        {"letter after an angle", bad(4, 57, "12.5x"), 1},
        {"two points", bad(2, 10, "   -0.3.1"), 1},
        {"binary file", binary, 1},
        {"a dek file read as ndk", joined(test::kDekEvent) + joined(test::kDekEvent), 1},
    };
    for (const auto& c : cases) {
        SetUp();
        gcmtblk.count = 7;
        gcmtblk.dataType = kDekData;
        const ReadOutcome r = readText(c.content);
        EXPECT_EQ(r.end, ReadEnd::BadRecord) << c.what;
        EXPECT_EQ(r.badRecord, c.record) << c.what;
        EXPECT_EQ(gcmtblk.count, 0) << c.what;
        EXPECT_EQ(gcmtblk.dataType, kNoData) << c.what;
    }
}

TEST_F(ReadLoop, FullStoreStopsAtItsCapacity) {
    for (const int n : {kCapacity - 1, kCapacity, kCapacity + 1}) {
        SetUp();
        const ReadOutcome r = readText(test::repeatedNdk(n));
        EXPECT_EQ(r.end, n < kCapacity ? ReadEnd::EndOfFile : ReadEnd::StoreFull) << n;
        EXPECT_EQ(r.records, std::min(n, kCapacity)) << n;
        EXPECT_EQ(gcmtblk.count, std::min(n, kCapacity)) << n;
    }
    EXPECT_EQ(gcmtblk.rlat[kCapacity - 1], 9.99f);  // the last stored event is record 25,000
}

// Each real ndk file read in place; those read whole are written back as ndk and give their own
// lines. What changes: lines that a file holds shorter than 80 columns (trailing blanks cut)
// come back at their 80 columns, and the last line gets its newline. These files hold whole
// angles and two-character wave labels, so truncated angles and cut labels change nothing.
TEST_F(ReadLoop, RealFilesReadAndWrittenBackLineForLine) {
    const struct {
        const char* name;
        ReadEnd end;
        int32_t count;
        bool writtenBack;
    } cases[] = {
        {"gcmt_2015-01_jan15.ndk", ReadEnd::EndOfFile, 210, true},
        {"qcmt_2018-02_to_2019-09.ndk", ReadEnd::EndOfFile, 860, true},
        {"oq_hmtk_test_gcmt_catalogue_01.ndk", ReadEnd::EndOfFile, 2, true},
        {"obspy/C200604092050A.ndk", ReadEnd::EndOfFile, 1, true},
        {"obspy/multiple_events.ndk", ReadEnd::EndOfFile, 6, true},
        {"obspy/faulty_multiple_events.ndk", ReadEnd::EndOfFile, 7, false},  // faults in texts
        {"obspy/faulty_invalid_latitude.ndk", ReadEnd::BadRecord, 0, false},
        {"obspy/faulty_invalid_date.ndk", ReadEnd::BadRecord, 0, false},
    };
    int found = 0;
    for (const auto& c : cases) {
        const std::string path = std::string(TENSOVA_REAL_DATA) + "/" + c.name;
        if (!std::filesystem::exists(path)) continue;
        ++found;
        SetUp();
        EXPECT_EQ(readPath(path).end, c.end) << c.name;
        EXPECT_EQ(gcmtblk.count, c.count) << c.name;
        if (!c.writtenBack) continue;
        const auto original = test::splitLines(test::readFile(path));
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
}  // namespace tensova

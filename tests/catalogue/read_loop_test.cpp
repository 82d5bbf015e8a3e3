// Reads of whole catalogue files into the store: counts, extremes, ends of file, bad records,
// a full store, refused records, progress lines, and the real catalogue files.

#include "catalogue/read_loop.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/selection_tests.hpp"
#include "catalogue/store.hpp"
#include "catalogue_samples.hpp"
#include "console/units.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using test::joined;
using test::kNdkEvent;
using test::withField;

const Stamp kReader("gcmtreadex1", " 8.0", "08-05-2010");
constexpr int32_t kUnit = 11;

class ReadLoop : public ::testing::Test {
  protected:
    void SetUp() override {
        setseistest6(5);
        gcmtblk.count = 0;
        gcmtblk.dataType = kNoData;
        mark = cap.lines().size();
    }
    // What the read printed.
    std::vector<std::string> printed() {
        const auto all = cap.lines();
        return {all.begin() + static_cast<std::ptrdiff_t>(mark), all.end()};
    }
    ReadOutcome readText(const std::string& content, const RecordLayout& layout = ndkLayout,
                         bool showAll = false, bool showKept = false) {
        dir.write("cat.txt", content);
        return readPath(dir.file("cat.txt"), layout, showAll, showKept);
    }
    ReadOutcome readPath(const std::string& path, const RecordLayout& layout = ndkLayout,
                         bool showAll = false, bool showKept = false) {
        EXPECT_TRUE(unitOpen(kUnit, path, OpenStatus::Old)) << path;
        const ReadOutcome r = readCatalogue(layout, kUnit, showAll, showKept, kReader);
        unitClose(kUnit);
        return r;
    }

    test::ConsoleCapture cap;
    test::TempDir dir;
    std::size_t mark = 0;
};

std::string threeEvents() {
    return test::readFile(std::string(TENSOVA_TEST_DATA) + "/three.ndk");
}

TEST_F(ReadLoop, CountsAndExtremesOfEveryRecord) {
    const ReadOutcome r = readText(threeEvents());
    EXPECT_EQ(r.end, ReadEnd::EndOfFile);
    EXPECT_EQ(r.records, 3);
    EXPECT_EQ(gcmtblk.count, 3);
    EXPECT_EQ(gcmtblk.dataType, kNdkData);
    for (const Extremes& e : {r.read, r.kept}) {
        EXPECT_EQ(e.latMax, 13.78f);
        EXPECT_EQ(e.latMin, -29.0f);
        EXPECT_EQ(e.lonMax, 179.9f);
        EXPECT_EQ(e.lonMin, -177.6f);
        EXPECT_EQ(e.depMax, 193.1f);
        EXPECT_EQ(e.depMin, -2.5f);
    }
    EXPECT_EQ(textOf(gcmtblk.region[1]), "KERMADEC ISLANDS REGION ");
    EXPECT_EQ(gcmtblk.erelm[2], 0.122727007f);
    EXPECT_TRUE(printed().empty());
}

TEST_F(ReadLoop, EndsOfFile) {
    const std::string full = threeEvents();
    struct Case {
        const char* what;
        std::string content;
        int32_t count;
    };
    std::string noLastLine = full.substr(0, full.size() - 1);
    noLastLine = noLastLine.substr(0, noLastLine.rfind('\n') + 1);
    std::string trimmed, macEnds;
    for (const std::string& l : test::splitLines(full)) {
        trimmed += l.substr(0, l.find_last_not_of(' ') + 1) + "\r\n";
        macEnds += l + "\r";
    }
    const Case cases[] = {
        {"no final newline", full.substr(0, full.size() - 1), 3},
        {"last event without its last line", noLastLine, 2},
        {"last event with one line only", full + kNdkEvent[0] + "\n", 3},
        {"trailing blanks removed, CR LF ends", trimmed, 3},
        {"carriage returns alone end the lines", macEnds, 3},
        {"file cut inside the last line of the last event", full.substr(0, full.size() - 31), 2},
        {"a blank line after the last event", full + "\n", 3},
        {"empty file", "", 0},
    };
    for (const Case& c : cases) {
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
    struct Case {
        const char* what;
        std::string content;
        int32_t record;
    };
    std::string binary;
    for (int i = 0; i < 3000; ++i) binary += static_cast<char>((i * 37) % 256);
    const auto bad = withField(kNdkEvent, 0, 48, "abc ");
    const Case cases[] = {
        {"letters in the magnitudes of record 2", joined(kNdkEvent) + joined(bad), 2},
        {"latitude -AA.45 in record 1", joined(withField(kNdkEvent, 0, 27, " -AA.45")), 1},
        {"moment exponent 2x in record 3",
         joined(kNdkEvent) + joined(kNdkEvent) + joined(withField(kNdkEvent, 3, 1, "2x")), 3},
        {"binary file", binary, 1},
        {"a dek file read as ndk", test::joined(test::kDekEvent) + joined(test::kDekEvent), 1},
    };
    for (const Case& c : cases) {
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

TEST_F(ReadLoop, RefusedRecordsAreOverwrittenAndNotCounted) {
    seistest2.ltest = seistest2.ltestlat = true;
    seistest2.latmin = 0.0f;
    const ReadOutcome r = readText(threeEvents(), ndkLayout, false, true);
    EXPECT_EQ(r.records, 3);
    EXPECT_EQ(gcmtblk.count, 2);
    EXPECT_EQ(gcmtblk.rlat[1], 0.4f);  // the third record took the refused one's slot
    EXPECT_EQ(r.read.latMin, -29.0f);
    EXPECT_EQ(r.kept.latMin, 0.4f);
    EXPECT_EQ(r.kept.lonMin, -88.78f);
    // Slot numbers of the kept records run on while record numbers jump.
    const std::vector<std::string> want = {" |       1 |       1 |", " |       3 |       2 |"};
    EXPECT_EQ(printed(), want);

    // A refused last record stays in the slot after the last stored event.
    SetUp();
    seistest2.ltest = seistest2.ltestdep = true;
    const ReadOutcome r2 = readText(threeEvents());
    EXPECT_EQ(gcmtblk.count, 1);
    EXPECT_EQ(gcmtblk.rlat[0], -29.0f);
    EXPECT_EQ(gcmtblk.rlat[1], 0.4f);
    EXPECT_EQ(r2.kept.depMax, 10.0f);
}

TEST_F(ReadLoop, ProgressLinesForEveryRecordReadWinOverKeptOnes) {
    seistest2.ltest = seistest2.ltestlat = true;
    seistest2.latmin = 0.0f;
    readText(threeEvents(), ndkLayout, true, true);
    const std::vector<std::string> want = {" |       1 |       1 |", " |       2 |       2 |",
                                           " |       3 |       2 |"};
    EXPECT_EQ(printed(), want);
}

TEST_F(ReadLoop, FullStoreStopsAtItsCapacity) {
    for (const int n : {kCapacity - 1, kCapacity, kCapacity + 1}) {
        SetUp();
        const ReadOutcome r = readText(test::repeatedNdk(n));
        EXPECT_EQ(r.end, n < kCapacity ? ReadEnd::EndOfFile : ReadEnd::StoreFull) << n;
        EXPECT_EQ(r.records, std::min(n, kCapacity)) << n;
        EXPECT_EQ(gcmtblk.count, std::min(n, kCapacity)) << n;
    }
    // The last stored event is record 25,000.
    EXPECT_EQ(gcmtblk.rlat[kCapacity - 1], 9.99f);
}

TEST_F(ReadLoop, DekReadAfterNdkKeepsTheNdkOnlyFields) {
    readText(threeEvents());
    const ReadOutcome r = readText(joined(test::kDekEvent), dekLayout);
    EXPECT_EQ(r.records, 1);
    EXPECT_EQ(gcmtblk.dataType, kDekData);
    EXPECT_EQ(textOf(gcmtblk.cvers[0]), "V10");
    EXPECT_EQ(textOf(gcmtblk.cmtlabel[0]), "C010105A        ");
    EXPECT_EQ(gcmtblk.fclvd[0], -0.00362318824f);
}

// The real catalogue files, read in place when they are present.
std::string realFile(const std::string& name) {
    return std::string(TENSOVA_REAL_DATA) + "/" + name;
}

TEST_F(ReadLoop, RealCatalogueFiles) {
    struct Case {
        const char* name;
        ReadEnd end;
        int32_t count;
    };
    const Case cases[] = {
        {"gcmt_2015-01_jan15.ndk", ReadEnd::EndOfFile, 210},
        {"qcmt_2018-02_to_2019-09.ndk", ReadEnd::EndOfFile, 860},
        {"oq_hmtk_test_gcmt_catalogue_01.ndk", ReadEnd::EndOfFile, 2},
        {"obspy/C200604092050A.ndk", ReadEnd::EndOfFile, 1},
        {"obspy/multiple_events.ndk", ReadEnd::EndOfFile, 6},
        {"obspy/faulty_multiple_events.ndk", ReadEnd::EndOfFile, 7},  // faults in texts only
        {"obspy/faulty_invalid_latitude.ndk", ReadEnd::BadRecord, 0},
        {"obspy/faulty_invalid_date.ndk", ReadEnd::BadRecord, 0},
    };
    int found = 0;
    for (const Case& c : cases) {
        if (!std::filesystem::exists(realFile(c.name))) continue;
        ++found;
        SetUp();
        const ReadOutcome r = readPath(realFile(c.name));
        EXPECT_EQ(r.end, c.end) << c.name;
        EXPECT_EQ(gcmtblk.count, c.count) << c.name;
    }
    if (found == 0) GTEST_SKIP() << "real catalogue files not found in " << TENSOVA_REAL_DATA;
}

TEST_F(ReadLoop, RealEventWithoutFinalNewline) {
    const std::string path = realFile("obspy/C200604092050A.ndk");
    if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " not found";
    readPath(path);
    ASSERT_EQ(gcmtblk.count, 1);
    const Gcmtblk& s = gcmtblk;
    EXPECT_EQ(s.azd0[kPlane1][0], 49.0f);
    EXPECT_EQ(s.dipd0[kPlane1][0], 30.0f);
    EXPECT_EQ(s.rakd0[kPlane1][0], 106.0f);
    EXPECT_EQ(s.azd0[kPlane2][0], 211.0f);
    EXPECT_EQ(s.rakd0[kPlane2][0], 81.0f);
    EXPECT_EQ(s.tmval[kAxisT][0], 4.975f);
    EXPECT_EQ(s.tmvecpl[kAxisP][0], 15.0f);
    EXPECT_EQ(s.tmvecaz[kAxisP][0], 308.0f);
    EXPECT_EQ(s.iexmomt[0], 24);
    EXPECT_EQ(s.tmomt[0], (std::array<float, 6>{4.18f, -1.7f, -2.48f, -1.05f, -2.41f, -2.28f}));
    EXPECT_EQ(s.clat[0], -20.46f);
    EXPECT_EQ(s.clong[0], -70.73f);
    EXPECT_EQ(s.cdepth[0], 39.0f);
}

TEST_F(ReadLoop, RealMonthWrittenAgainGivesItsOwnLines) {
    // Every record of the monthly file, read and written through the same layout, comes back
    // byte for byte: the tables match the catalogue's columns.
    const std::string path = realFile("gcmt_2015-01_jan15.ndk");
    if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " not found";
    readPath(path);
    ASSERT_EQ(gcmtblk.count, 210);
    const auto lines = test::splitLines(test::readFile(path));
    ASSERT_EQ(lines.size(), 1050u);
    int differ = 0;
    for (int32_t k = 0; k < 210; ++k)
        for (std::size_t l = 0; l < 5; ++l) {
            const std::string& want = lines[static_cast<std::size_t>(k) * 5 + l];
            if (writeRecordLine(ndkLayout.lines[l], gcmtblk, k) != want && ++differ < 5)
                ADD_FAILURE() << "event " << k + 1 << " line " << l + 1 << "\n"
                              << writeRecordLine(ndkLayout.lines[l], gcmtblk, k) << "\n"
                              << want;
        }
    EXPECT_EQ(differ, 0);
}

}  // namespace
}  // namespace tensova

// The dek and ndk file writers: what they print, the records they write, read-write-read round
// trips, the real catalogue files written back, and files that refuse the records.

#include "catalogue/catalogue_writers.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "catalogue_samples.hpp"
#include "writer_fixture.hpp"

namespace tensova {
namespace {

using test::joined;
using test::kDekEvent;
using test::kNdkEvent;
using test::withField;
using Lines = std::vector<std::string>;

class CatalogueWriters : public test::WriterFixture {
  protected:
    Lines write(const RecordLayout& layout, const std::string& name = "out.txt",
                WriteOutcome* outcome = nullptr) {
        return writeFile(
            name, [&] { return writeCatalogueFile(layout, kSlot); }, outcome);
    }
};

// Three dek events that differ in sign, size and blanks.
std::string threeDekEvents() {
    Lines second = withField(kDekEvent, 0, 30, "-45.50");
    second = withField(second, 0, 37, " 179.99");
    second = withField(second, 1, 34, "  -0.0");
    second = withField(second, 2, 15, "-10.00");
    second = withField(second, 3, 8, "  0");
    Lines third = withField(kDekEvent, 0, 56, "FIJI ISLANDS REGION     ");
    third = withField(third, 2, 12, "-12");
    third = withField(third, 3, 70, "   0");
    return joined(kDekEvent) + joined(second) + joined(third);
}

TEST_F(CatalogueWriters, ConsoleLinesBeforeTheFirstRecordAndNoneAfter) {
    for (const RecordLayout* layout : {&ndkLayout, &dekLayout}) {
        ASSERT_TRUE(
            readText(layout == &ndkLayout ? test::repeatedNdk(40) : threeDekEvents(), *layout));
        markConsole();
        WriteOutcome r;
        write(*layout, "out.txt", &r);
        EXPECT_TRUE(r.complete);
        EXPECT_EQ(r.event, gcmtblk.count);
        const Lines want = {
            " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
            " @ subroutine gcmtwrite  ",
            " @==========================================",
            " -------------------------------------------",
            " WRITING DATA TO FILE out.txt" + std::string(33, ' '),
            layout == &ndkLayout ? " ORIGINAL 5 LINES ndk CMT" : " ORIGINAL 4 LINES dek CMT",
        };
        EXPECT_EQ(printed(), want);
    }
}

TEST_F(CatalogueWriters, ReadWriteReadGivesTheSameStore) {
    struct Case {
        const char* name;
        const RecordLayout* layout;
        std::string text;
    };
    const Case cases[] = {
        {"ndk", &ndkLayout, test::readFile(std::string(TENSOVA_TEST_DATA) + "/three.ndk")},
        {"ndk repeated", &ndkLayout, test::repeatedNdk(300)},
        {"dek", &dekLayout, threeDekEvents()},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(readText(c.text, *c.layout)) << c.name;
        ASSERT_GT(gcmtblk.count, 0) << c.name;
        const auto first = snapshot();
        const Lines lines = write(*c.layout);
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(first->count) * c.layout->lines.size());
        ASSERT_TRUE(readPath(dir.file("out.txt"), *c.layout)) << c.name;
        EXPECT_EQ(test::differences(*c.layout, *first, gcmtblk), Lines{}) << c.name;
        EXPECT_EQ(gcmtblk.dataType, c.layout->dataType);
        // A store read back from what was written writes the same file again.
        EXPECT_EQ(write(*c.layout, "again.txt"), lines) << c.name;
    }
}

TEST_F(CatalogueWriters, DekRecordsHaveTheReadersColumnsAndWidths) {
    ASSERT_TRUE(readText(threeDekEvents(), dekLayout));
    const Lines lines = write(dekLayout);
    ASSERT_EQ(lines.size(), 12u);
    // The angles of the file are whole numbers: every record comes back as it was read, but
    // for "-0.0", which is written "0.0".
    Lines want = test::splitLines(threeDekEvents());
    want[5] = withField(kDekEvent, 1, 34, "   0.0")[1];
    EXPECT_EQ(lines, want);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), std::vector<std::size_t>({79, 79, 80, 73})[i % 4]) << i;
}

TEST_F(CatalogueWriters, AnglesTruncatedTextsCutAndNumbersTooWide) {
    // The cases of the writer: what the store holds, where it is written, and what the reader
    // finds there again.
    ASSERT_TRUE(readText(joined(kNdkEvent), ndkLayout));
    Gcmtblk& s = gcmtblk;
    s.azd0[kPlane1][0] = 359.7f;
    s.rakd0[kPlane1][0] = -89.6f;
    s.tmvecpl[kAxisT][0] = 0.9f;
    s.tmvecaz[kAxisB][0] = -0.4f;
    s.dipd0[kPlane2][0] = 44.6f;
    std::copy_n("B:X", 3, s.bwc[0].data());
    s.ibstatn[0] = 100;
    Lines want = withField(kNdkEvent, 4, 57, " 359");
    want = withField(want, 4, 64, "  -89");
    want = withField(want, 4, 12, "  0");
    want = withField(want, 4, 30, "   0");
    want = withField(want, 4, 73, " 44");
    want = withField(want, 1, 20, "100");
    EXPECT_EQ(write(ndkLayout), want);
    ASSERT_TRUE(readPath(dir.file("out.txt"), ndkLayout));
    EXPECT_EQ(s.azd0[kPlane1][0], 359.0f);
    EXPECT_EQ(s.rakd0[kPlane1][0], -89.0f);
    EXPECT_EQ(s.tmvecpl[kAxisT][0], 0.0f);
    EXPECT_EQ(s.tmvecaz[kAxisB][0], 0.0f);
    EXPECT_EQ(s.dipd0[kPlane2][0], 44.0f);
    EXPECT_EQ(textOf(s.bwc[0]), "B: ");  // the third character is not written
    EXPECT_EQ(s.ibstatn[0], 100);

    // In a dek file the name, date, reference, centroid label, moment-rate type and depth
    // type are cut to the reader's widths and a station count of 100 overflows its two columns.
    s.dataType = kDekData;
    s.azd0[kPlane1][0] = 359.7f;
    s.tmvecpl[kAxisT][0] = 44.6f;
    const Lines dek = write(dekLayout, "out.dek");
    ASSERT_EQ(dek.size(), 4u);
    EXPECT_EQ(dek[0].substr(0, 18), "C2005010 2005/01/ ");
    EXPECT_EQ(dek[1].substr(0, 10), "PDE B: ** ");
    EXPECT_EQ(dek[1].substr(30, 3), "CEN");
    EXPECT_EQ(dek[2].substr(0, 12), " TRI 0.6 FR ");
    EXPECT_EQ(dek[3].substr(7, 3), " 44");
    EXPECT_EQ(dek[3].substr(49, 4), " 359");
}

TEST_F(CatalogueWriters, EmptyStoreWritesNoRecord) {
    for (const RecordLayout* layout : {&ndkLayout, &dekLayout}) {
        gcmtblk.count = 0;
        gcmtblk.dataType = layout->dataType;
        markConsole();
        WriteOutcome r;
        EXPECT_EQ(write(*layout, "empty.txt", &r), Lines{});
        EXPECT_TRUE(r.complete);
        EXPECT_EQ(r.event, 0);
        EXPECT_EQ(printed().size(), 6u);
    }
}

// Each real ndk file, read in place and written back as ndk, gives its own lines. What changes:
// lines that a file holds shorter than 80 columns (trailing blanks cut) come back at their 80
// columns, and the last line gets its newline. These files hold whole angles and two-character
// wave labels, so the truncation of angles and the cut of the labels change nothing in them.
TEST_F(CatalogueWriters, RealNdkFilesWrittenBackLineForLine) {
    const std::string real = TENSOVA_REAL_DATA;
    if (!std::filesystem::is_directory(real)) GTEST_SKIP() << "no real catalogue files in " << real;
    const char* files[] = {"gcmt_2015-01_jan15.ndk", "qcmt_2018-02_to_2019-09.ndk",
                           "oq_hmtk_test_gcmt_catalogue_01.ndk", "obspy/C200604092050A.ndk",
                           "obspy/multiple_events.ndk"};
    int tested = 0;
    for (const char* name : files) {
        const std::string path = real + "/" + name;
        if (!std::filesystem::exists(path)) {
            std::printf("real file %s is absent: not tested\n", path.c_str());
            continue;
        }
        ASSERT_TRUE(readPath(path, ndkLayout)) << name;
        const Lines original = test::splitLines(test::readFile(path));
        const Lines written = write(ndkLayout);
        ASSERT_EQ(written.size(), original.size()) << name;
        for (std::size_t i = 0; i < original.size(); ++i) {
            ASSERT_LE(original[i].size(), 80u) << name << " line " << i + 1;
            EXPECT_EQ(written[i], original[i] + std::string(80 - original[i].size(), ' '))
                << name << " line " << i + 1;
        }
        ++tested;
    }
    if (tested == 0) GTEST_SKIP() << "none of the real ndk files is present";
}

TEST_F(CatalogueWriters, FullDeviceIsAFailureAtTheEventBeingWritten) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    // A few events wait in the buffer: the failure shows at the final flush, on the last event.
    ASSERT_TRUE(readText(test::repeatedNdk(3), ndkLayout));
    openOutput("/dev/full", "/dev/full");
    WriteOutcome r = writeCatalogueFile(ndkLayout, kSlot);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.event, 3);
    EXPECT_FALSE(unitClose(outputUnit()));
    // A full store overflows the buffer long before its end: the writer stops there.
    ASSERT_TRUE(readText(test::repeatedNdk(kCapacity - 1), ndkLayout));
    openOutput("/dev/full", "/dev/full");
    r = writeCatalogueFile(ndkLayout, kSlot);
    EXPECT_FALSE(r.complete);
    EXPECT_GT(r.event, 0);
    EXPECT_LT(r.event, kCapacity - 1);
    unitClose(outputUnit());
}

TEST_F(CatalogueWriters, ClosedFileIsAFailureAtTheFirstRecord) {
    ASSERT_TRUE(readText(test::repeatedNdk(2), ndkLayout));
    fiocom.oufnam[kSlot - 1] = fit("gone.txt", 40);  // the slot's unit is not open
    const WriteOutcome r = writeCatalogueFile(ndkLayout, kSlot);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.event, 1);
}

// A file that takes only part of the records (a limit on file size) keeps what it took, a
// beginning of the whole file, and the writer reports the event it stopped at.
TEST_F(CatalogueWriters, FileThatStopsTakingRecordsKeepsWhatItTook) {
    ASSERT_TRUE(readText(test::repeatedNdk(2000), ndkLayout));
    const Lines whole = write(ndkLayout, "whole.txt");
    ASSERT_EQ(whole.size(), 10000u);
    constexpr rlim_t kLimit = 300000;
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = kLimit;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    openOutput(dir.file("part.txt"), "part.txt");
    const WriteOutcome r = writeCatalogueFile(ndkLayout, kSlot);
    const bool closed = unitClose(outputUnit());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(r.complete);
    EXPECT_FALSE(closed);
    // The refusal shows once the buffer goes to the file: past the limit, before the end.
    EXPECT_GE(r.event, static_cast<int32_t>(kLimit / 405));
    EXPECT_LT(r.event, 2000);
    const std::string part = dir.read("part.txt");
    EXPECT_EQ(part.size(), kLimit);
    EXPECT_EQ(part, dir.read("whole.txt").substr(0, kLimit));
}

}  // namespace
}  // namespace tensova

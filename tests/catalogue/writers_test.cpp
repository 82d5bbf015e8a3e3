// The dek and ndk file writers and the tables: records as the reader reads them, the tables'
// title and column-name records and event records of fixed length with quoted texts and rounded
// angles, and what each writer reports for an empty store and for files that refuse the records.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <span>

#include "catalogue/catalogue_writers.hpp"
#include "catalogue/tables.hpp"
#include "catalogue/writer_menu.hpp"
#include "catalogue_fixture.hpp"

namespace tensova::test {
namespace {

struct Refusal;

class Writers : public CatalogueFixture {
  protected:
    static WriteOutcome ndkFile() { return writeCatalogueFile(ndkLayout, kSlot); }
    static WriteOutcome ndkTable() { return writeCatalogueTable(ndkLayout, kSlot); }
    // Each case's store written by its writer to its target: what the writer reports.
    void expectOutcomes(std::span<const Refusal> cases);
};

// Two events of each format; the second with angles that are not whole, long texts and an
// apostrophe. The tables: a title record and a record of column names, then per event its fields
// apart by TABs, angles rounded in their columns, texts as stored between apostrophes, numbers in
// their fields, the reader's computed values at the end with no TAB after them.
TEST_F(Writers, TablesOfBothOrders) {
    for (const RecordLayout* layout : {&dekLayout, &ndkLayout}) {
        SCOPED_TRACE(layout->name);
        const bool dek = layout == &dekLayout;
        const std::string one = joined(dek ? kDekEvent : kNdkEvent);
        ASSERT_EQ(readText(one + one, *layout).records, 2);
        Gcmtblk& s = gcmtblk;
        s.tmvecpl[kAxisT][1] = 44.6f;
        s.rakd0[kPlane1][1] = -89.6f;
        s.nmfree[1] = 10;
        std::copy_n("C200501010120A  ", 16, s.cmtlabel[1].data());
        std::copy_n("2005/01/01", 10, s.date1[1].data());
        std::copy_n("O'HIGGINS REGION        ", 24, s.region[1].data());
        markConsole();
        WriteOutcome r;
        const Lines lines = writeFile(
            "t.txt", [&] { return writeCatalogueTable(*layout, kSlot); }, &r);
        EXPECT_TRUE(r.complete && r.event == 2);
        expectGolden(printed(), std::string("catalogue_runs.txt#table ") + (dek ? "dek" : "ndk"));
        expectGolden(lines, dek ? "table_dek.txt" : "table_ndk.txt");
    }
}

TEST_F(Writers, DekRecordsHaveTheReadersColumnsAndWidths) {
    // Three events that differ in sign, size and blanks. Their angles are whole numbers: every
    // record comes back as it was read, but for "-0.0", which is written "0.0".
    Lines second = withField(kDekEvent, 0, 30, "-45.50");
    second = withField(withField(second, 0, 37, " 179.99"), 1, 34, "  -0.0");
    second = withField(withField(second, 2, 15, "-10.00"), 3, 8, "  0");
    Lines third = withField(kDekEvent, 0, 56, "FIJI ISLANDS REGION     ");
    third = withField(withField(third, 2, 12, "-12"), 3, 70, "   0");
    const std::string text = joined(kDekEvent) + joined(second) + joined(third);
    ASSERT_EQ(readText(text, dekLayout).records, 3);
    markConsole();
    WriteOutcome r;
    const Lines lines = writeFile(
        "out.txt", [] { return writeCatalogueFile(dekLayout, kSlot); }, &r);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.event, 3);
    Lines want = splitLines(text);
    want[5] = withField(kDekEvent, 1, 34, "   0.0")[1];
    EXPECT_EQ(lines, want);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), std::vector<std::size_t>({79, 79, 80, 73})[i % 4]) << i;
    // The console lines come before the first record, none after.
    expectGolden(printed(), "catalogue_runs.txt#dek file");
}

// A failure names the first event that the file does not hold whole, and counts those it does.
struct Refusal {
    const char* what;
    std::function<WriteOutcome()> write;
    int events;
    std::string target;  // "" for a file of the folder, "closed" for no file at all
    bool complete;
    int32_t event, saved;
    std::size_t lines;  // in the file of the folder
};

void Writers::expectOutcomes(std::span<const Refusal> cases) {
    for (const auto& c : cases) {
        SetUp();
        readText(repeatedNdk(c.events));
        WriteOutcome r;
        if (c.target.empty()) {
            EXPECT_EQ(writeFile("out.txt", c.write, &r).size(), c.lines) << c.what;
        } else {
            const bool closed = c.target == "closed";
            fiocom.oufnam[kSlot - 1] = fit(c.target, 40);
            if (!closed) openOutput(c.target, c.target);
            r = c.write();
            EXPECT_EQ(unitClose(outputUnit()), closed) << c.what;  // a closed unit holds nothing
        }
        EXPECT_EQ(r.complete, c.complete) << c.what;
        EXPECT_FALSE(r.atFlush) << c.what;
        EXPECT_EQ(r.event, c.event) << c.what;
        EXPECT_EQ(r.saved, c.saved) << c.what;
    }
}

// A closed slot refuses the first record (the title record of a table, before any event:
// event 0).
TEST_F(Writers, EmptyStoresAndRefusedRecords) {
    const Refusal cases[] = {{"empty store, file", ndkFile, 0, "", true, 0, 0, 0},
                             {"empty store, table", ndkTable, 0, "", true, 0, 0, 2},
                             {"closed slot, file", ndkFile, 2, "closed", false, 1, 0, 0},
                             {"closed slot, table", ndkTable, 2, "closed", false, 0, 0, 0}};
    expectOutcomes(cases);
}

// A full disk takes the records into the buffer and refuses them at the final flush or, for a
// full store, at the first write of the buffer: none reached the file.
TEST_F(Writers, AFullDiskRefusesTheRecords) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const Refusal cases[] = {
        {"full disk, file", ndkFile, 3, "/dev/full", false, 1, 0, 0},
        {"full disk, table", ndkTable, 3, "/dev/full", false, 0, 0, 0},
        {"full disk, full store", ndkFile, kCapacity - 1, "/dev/full", false, 1, 0, 0}};
    expectOutcomes(cases);
}

// A written file whose close fails (its descriptor closed behind the unit's back, as a file
// system that fails a close would) gets the writer's error box, not the closing line.
TEST(WriterMenu, AFailedCloseIsReported) {
    TempDir dir;
    ConsoleCapture cap("22\n\n99\n");
    initfio(0, 1);
    const int32_t unit = fiocom.iouf[0];
    ASSERT_TRUE(unitOpen(unit, dir.file("out.ndk"), OpenStatus::Unknown));
    fiocom.oufnam[0] = fit("out.ndk", 40);
    fiocom.iopou[0] = true;
    unitWrite(unit, "a record");
    ASSERT_TRUE(unitFlush(unit));
    ASSERT_TRUE(closeBehind(dir.file("out.ndk")));
    gcmtwrite1(1, 0);
    const Lines lines = cap.lines();
    EXPECT_EQ(countLines(lines, "   FINAL FLUSH/CLOSE FAILED"), 1);
    EXPECT_EQ(countLines(lines, " FILE " + fit("out.ndk", 40) + " IS CLOSED"), 1);
    EXPECT_EQ(readFile(dir.file("out.ndk")), "a record\n");
}

}  // namespace
}  // namespace tensova::test

// The dek- and ndk-order tables: title and column-name records, event records of fixed length
// with quoted texts and rounded angles.

#include "catalogue/tables.hpp"

#include <gtest/gtest.h>

#include "catalogue_fixture.hpp"

namespace tensova {
namespace {

using test::joined;
using Lines = std::vector<std::string>;
using Tables = test::CatalogueFixture;

Lines fields(const std::string& record) {
    Lines out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = record.find('\t', from);
        out.push_back(record.substr(from, tab - from));
        if (tab == std::string::npos) return out;
        from = tab + 1;
    }
}

TEST_F(Tables, RecordsOfBothOrders) {
    const struct {
        const RecordLayout* layout;
        std::string text;
        std::size_t columns, nameLength, eventLength;
        const char* heading;
        Lines firstNames;
        Lines firstEvent;  // the first fields of event 1
    } cases[] = {
        {&dekLayout,
         joined(test::kDekEvent),
         62,
         462,
         398,
         " TABULATED dek CMT ORIGINAL ORDER",
         {" 'event_id'", "'date'", "'time'", "'latitude'", "'longitude'", "'depth'", "'mb'", "'Ms'",
          "'region'", "'esrc'", "'body'", "'#stat'"},
         {" 'C010105A'", "'01/01/05'", "'01:20:05.4'", " 13.78", " -88.78", "193.1", "5.0", "0.0",
          "'NEAR COAST OF REGION    '", "'PDE'", "'B: '", " 4"}},
        {&ndkLayout,
         joined(test::kNdkEvent),
         70,
         541,
         499,
         " TABULATED ndk CMT ORIGINAL ORDER",
         {" 'hyporef'", "'date'", "'time'", "'latitude'", "'longitude'", "'depth'", "'mb'", "'Ms'",
          "'region'", "'cmt_id'", "'body'", "'#stat'"},
         {" 'PDE '", "'2005/01/01'", "'01:20:05.4'", "  13.78", "  -88.78", " 193.1", " 5.0",
          " 0.0", "'NEAR COAST OF REGION    '", "'C200501010120A  '", "'B:'", "  4"}}};
    for (const auto& c : cases) {
        ASSERT_EQ(readText(c.text + c.text, *c.layout).records, 2);
        markConsole();
        WriteOutcome r;
        const Lines lines = writeFile(
            "t.txt", [&] { return writeCatalogueTable(*c.layout, kSlot); }, &r);
        EXPECT_TRUE(r.complete);
        EXPECT_EQ(r.event, 2);
        EXPECT_EQ(printed(), Lines({" @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                                    " @ subroutine gcmtwrite  ",
                                    " @==========================================",
                                    " -------------------------------------------",
                                    " WRITING DATA TO FILE t.txt" + std::string(35, ' '), c.heading,
                                    " + Computed Fclvd, Erel, Nfree"}));
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0], " 't.txt" + std::string(35, ' ') + "'");
        const Lines names = fields(lines[1]);
        EXPECT_EQ(lines[1].size(), c.nameLength);
        ASSERT_EQ(names.size(), c.columns);
        EXPECT_EQ(Lines(names.begin(), names.begin() + 12), c.firstNames);
        EXPECT_EQ(Lines(names.end() - 3, names.end()), (Lines{"'Fclvd'", "'Erel'", "'Nfree'"}));
        for (std::size_t e = 2; e < 4; ++e) {
            const Lines values = fields(lines[e]);
            EXPECT_EQ(lines[e].size(), c.eventLength);
            ASSERT_EQ(values.size(), c.columns);
            EXPECT_EQ(Lines(values.begin(), values.begin() + 12), c.firstEvent);
            // The computed values of the reader end the record, with no TAB after them.
            EXPECT_EQ(Lines(values.end() - 3, values.end()), (Lines{" 0.00", " 0.12", "6"}));
            // Texts stand between apostrophes, numbers in their fields without blanks inside.
            for (std::size_t i = 0; i < c.columns; ++i) {
                const std::string v = i == 0 ? values[i].substr(1) : values[i];
                if (v.front() == '\'') {
                    EXPECT_EQ(v.back(), '\'') << i;
                } else {
                    const std::size_t digits = v.find_first_not_of(' ');
                    EXPECT_EQ(v.find_first_not_of("-.0123456789", digits), std::string::npos)
                        << i << " " << v;
                }
            }
        }
    }
}

TEST_F(Tables, AnglesRoundedInTheirColumnsAndTextsAsStored) {
    // One event of each format with angles that are not whole, long texts and an apostrophe.
    const struct {
        const RecordLayout* layout;
        std::string text;
        std::size_t plunge, rake, name;  // columns, from 0
        const char* plungeText;
        const char* nameText;
        const char* dateText;
    } cases[] = {
        {&dekLayout, joined(test::kDekEvent), 44, 55, 0, " 45.", " 'C2005010'", "'2005/01/'"},
        {&ndkLayout, joined(test::kNdkEvent), 52, 63, 9, "45.", "'C200501010120A  '",
         "'2005/01/01'"}};
    for (const auto& c : cases) {
        ASSERT_EQ(readText(c.text, *c.layout).records, 1);
        Gcmtblk& s = gcmtblk;
        s.tmvecpl[kAxisT][0] = 44.6f;
        s.rakd0[kPlane1][0] = -89.6f;
        s.nmfree[0] = 10;
        std::copy_n("C200501010120A  ", 16, s.cmtlabel[0].data());
        std::copy_n("2005/01/01", 10, s.date1[0].data());
        std::copy_n("O'HIGGINS REGION        ", 24, s.region[0].data());
        const Lines lines =
            writeFile("t.txt", [&] { return writeCatalogueTable(*c.layout, kSlot); });
        ASSERT_EQ(lines.size(), 3u);
        const Lines values = fields(lines[2]);
        EXPECT_EQ(values[c.plunge], c.plungeText);
        EXPECT_EQ(values[c.rake], " -90.");
        EXPECT_EQ(values[c.name], c.nameText);
        EXPECT_EQ(values[1], c.dateText);
        EXPECT_EQ(values[8], "'O'HIGGINS REGION        '");
        EXPECT_EQ(values.back(), "*");
        EXPECT_EQ(lines[2].back(), '*');
    }
}

}  // namespace
}  // namespace tensova

// The ndk and dek record layouts, read and written through the same tables.

#include "catalogue/record_layout.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "catalogue_samples.hpp"

namespace tensova {
namespace {

using test::kDekEvent;
using test::kNdkEvent;
using test::withField;

std::unique_ptr<Gcmtblk> newStore() {
    return std::make_unique<Gcmtblk>();
}

bool readEvent(const RecordLayout& layout, const std::vector<std::string>& lines, Gcmtblk& s,
               int32_t k) {
    for (std::size_t i = 0; i < layout.lines.size(); ++i)
        if (!readRecordLine(layout.lines[i], lines[i], s, k)) return false;
    return true;
}

template <std::size_t N>
std::string str(const Text<N>& t) {
    return std::string(textOf(t));
}

TEST(RecordLayout, TablesStayInsideTheirLinesWithoutOverlap) {
    for (const RecordLayout* layout : {&ndkLayout, &dekLayout}) {
        for (const RecordLine& line : layout->lines) {
            int end = 0;
            for (const RecordField& f : line.fields) {
                EXPECT_GT(f.first, end) << layout->name << " column " << f.first;
                end = f.first + f.width - 1;
                EXPECT_LE(end, line.width) << layout->name << " column " << f.first;
                if (f.kind == FieldKind::Text) {
                    EXPECT_GE(f.length, f.width);
                }
            }
        }
    }
    EXPECT_EQ(ndkLayout.lines.size(), 5u);
    EXPECT_EQ(dekLayout.lines.size(), 4u);
}

TEST(RecordLayout, EveryMemberIsFilledOnce) {
    // Each field's element of event 0 is a distinct place in the store; ndk fills 67 places,
    // dek the 59 that leave out surface waves, inversion label and type, stamp and version.
    auto s = newStore();
    for (const RecordLayout* layout : {&ndkLayout, &dekLayout}) {
        std::set<const void*> places;
        for (const RecordLine& line : layout->lines)
            for (const RecordField& f : line.fields) {
                const void* p = f.text      ? static_cast<const void*>(f.text(*s, 0))
                                : f.integer ? static_cast<const void*>(f.integer(*s, 0))
                                            : static_cast<const void*>(f.real(*s, 0));
                EXPECT_TRUE(places.insert(p).second) << layout->name << " column " << f.first;
            }
        EXPECT_EQ(places.size(), layout == &ndkLayout ? 67u : 59u);
    }
}

TEST(RecordLayout, NdkEventFillsItsMembers) {
    auto s = newStore();
    ASSERT_TRUE(readEvent(ndkLayout, kNdkEvent, *s, 3));
    const std::size_t k = 3;
    EXPECT_EQ(str(s->hyporef[k]), "PDE ");
    EXPECT_EQ(str(s->date1[k]), "2005/01/01");
    EXPECT_EQ(str(s->time[k]), "01:20:05.4");
    EXPECT_EQ(s->rlat[k], 13.78f);
    EXPECT_EQ(s->rlong[k], -88.78f);
    EXPECT_EQ(s->depth[k], 193.1f);
    EXPECT_EQ(s->rmb[k], 5.0f);
    EXPECT_EQ(s->rms[k], 0.0f);
    EXPECT_EQ(str(s->region[k]), "NEAR COAST OF REGION    ");
    EXPECT_EQ(str(s->cmtlabel[k]), "C200501010120A  ");
    EXPECT_EQ(str(s->bwc[k]), "B: ");
    EXPECT_EQ(str(s->swc[k]), "S: ");
    EXPECT_EQ(str(s->mwc[k]), "M: ");
    EXPECT_EQ(s->ibstatn[k], 4);
    EXPECT_EQ(s->ibrec[k], 4);
    EXPECT_EQ(s->ibcutf[k], 40);
    EXPECT_EQ(s->isstatn[k], 0);
    EXPECT_EQ(s->imstatn[k], 27);
    EXPECT_EQ(s->imrec[k], 33);
    EXPECT_EQ(s->imcutf[k], 125);
    EXPECT_EQ(str(s->invtypc[k]), "CMT:");
    EXPECT_EQ(s->invtypi[k], 1);
    EXPECT_EQ(str(s->mtrttypc[k]), "TRIHD:");
    EXPECT_EQ(s->rmtrtdur[k], 0.6f);
    EXPECT_EQ(str(s->clab[k]), "CENTROID:");
    EXPECT_EQ(s->cdt[k], -0.3f);
    EXPECT_EQ(s->cdte[k], 0.9f);
    EXPECT_EQ(s->clat[k], 13.76f);
    EXPECT_EQ(s->clate[k], 0.06f);
    EXPECT_EQ(s->clong[k], -89.08f);
    EXPECT_EQ(s->clonge[k], 0.09f);
    EXPECT_EQ(s->cdepth[k], 162.8f);
    EXPECT_EQ(s->cdepthe[k], 12.5f);
    EXPECT_EQ(str(s->cdeptyp[k]), "FREE");
    EXPECT_EQ(str(s->cstamp[k]), "S-20050322125201");
    EXPECT_EQ(s->iexmomt[k], 24);
    const std::array<float, 6> mt = {-0.248f, -1.278f, 1.526f, -0.057f, 2.137f, 0.231f};
    const std::array<float, 6> me = {0.045f, 0.037f, 0.041f, 0.202f, 0.236f, 0.030f};
    EXPECT_EQ(s->tmomt[k], mt);
    EXPECT_EQ(s->tmomte[k], me);
    EXPECT_EQ(str(s->cvers[k]), "V10");
    EXPECT_EQ(s->tmval[kAxisT][k], 2.748f);
    EXPECT_EQ(s->tmvecpl[kAxisT][k], 28.0f);
    EXPECT_EQ(s->tmvecaz[kAxisT][k], 129.0f);
    EXPECT_EQ(s->tmval[kAxisB][k], 0.010f);
    EXPECT_EQ(s->tmvecpl[kAxisB][k], 57.0f);
    EXPECT_EQ(s->tmvecaz[kAxisB][k], 280.0f);
    EXPECT_EQ(s->tmval[kAxisP][k], -2.758f);
    EXPECT_EQ(s->tmvecpl[kAxisP][k], 14.0f);
    EXPECT_EQ(s->tmvecaz[kAxisP][k], 31.0f);
    EXPECT_EQ(s->tmt0[k], 2.753f);
    EXPECT_EQ(s->azd0[kPlane1][k], 262.0f);
    EXPECT_EQ(s->dipd0[kPlane1][k], 72.0f);
    EXPECT_EQ(s->rakd0[kPlane1][k], -11.0f);
    EXPECT_EQ(s->azd0[kPlane2][k], 355.0f);
    EXPECT_EQ(s->dipd0[kPlane2][k], 79.0f);
    EXPECT_EQ(s->rakd0[kPlane2][k], -162.0f);
    // The neighbours are untouched.
    EXPECT_EQ(s->rlat[k - 1], 0.0f);
    EXPECT_EQ(s->rlat[k + 1], 0.0f);
}

TEST(RecordLayout, DekTextsArePaddedToTheirMembers) {
    auto s = newStore();
    ASSERT_TRUE(readEvent(dekLayout, kDekEvent, *s, 0));
    EXPECT_EQ(str(s->cmtlabel[0]), "C010105A        ");
    EXPECT_EQ(str(s->date1[0]), "01/01/05  ");
    EXPECT_EQ(str(s->hyporef[0]), "PDE ");
    EXPECT_EQ(str(s->clab[0]), "CEN      ");
    EXPECT_EQ(str(s->mtrttypc[0]), "TRI   ");
    EXPECT_EQ(str(s->cdeptyp[0]), "FR  ");
    EXPECT_EQ(str(s->bwc[0]), "B: ");
    // Numeric fields that touch: depth, mb and ms in "193.15.00.0".
    EXPECT_EQ(s->depth[0], 193.1f);
    EXPECT_EQ(s->rmb[0], 5.0f);
    EXPECT_EQ(s->rms[0], 0.0f);
    EXPECT_EQ(s->iexmomt[0], 24);
    EXPECT_EQ(s->tmomt[0][4], 2.14f);
    EXPECT_EQ(s->tmomte[0][5], 0.03f);
    EXPECT_EQ(s->tmval[kAxisP][0], -2.76f);
    EXPECT_EQ(s->rakd0[kPlane2][0], -162.0f);
}

TEST(RecordLayout, DekLeavesTheNdkOnlyMembersAlone) {
    auto s = newStore();
    ASSERT_TRUE(readEvent(ndkLayout, kNdkEvent, *s, 0));
    ASSERT_TRUE(readEvent(dekLayout, kDekEvent, *s, 0));
    EXPECT_EQ(str(s->cvers[0]), "V10");
    EXPECT_EQ(str(s->cstamp[0]), "S-20050322125201");
    EXPECT_EQ(str(s->invtypc[0]), "CMT:");
    EXPECT_EQ(str(s->swc[0]), "S: ");
    EXPECT_EQ(str(s->cmtlabel[0]), "C010105A        ");
}

TEST(RecordLayout, EventsWrittenAgainGiveTheSameLines) {
    for (const auto& [layout, lines] :
         {std::pair{&ndkLayout, kNdkEvent}, {&dekLayout, kDekEvent}}) {
        auto s = newStore();
        ASSERT_TRUE(readEvent(*layout, lines, *s, 7));
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(writeRecordLine(layout->lines[i], *s, 7), lines[i]) << layout->name << i;
    }
}

TEST(RecordLayout, ImpliedDecimalsAndAngleDecimalsOnTheWayBack) {
    auto s = newStore();
    auto lines = withField(kNdkEvent, 0, 27, "   1378");  // latitude without its point
    lines = withField(lines, 4, 12, "8.7");               // plunge of T with a decimal
    lines = withField(lines, 4, 64, "-45.9");             // rake of plane 1 with a decimal
    ASSERT_TRUE(readEvent(ndkLayout, lines, *s, 0));
    EXPECT_EQ(s->rlat[0], 13.78f);
    EXPECT_EQ(s->tmvecpl[kAxisT][0], 8.7f);
    EXPECT_EQ(s->rakd0[kPlane1][0], -45.9f);
    EXPECT_EQ(writeRecordLine(ndkLayout.lines[0], *s, 0), kNdkEvent[0]);
    const std::string l5 = writeRecordLine(ndkLayout.lines[4], *s, 0);
    EXPECT_EQ(l5.substr(11, 3), "  8");
    EXPECT_EQ(l5.substr(63, 5), "  -45");
    // Too wide for its columns: asterisks.
    s->depth[0] = 12345.6f;
    EXPECT_EQ(writeRecordLine(ndkLayout.lines[0], *s, 0).substr(41, 6), "******");
}

TEST(RecordLayout, ShortLinesReadTheMissingColumnsAsBlanks) {
    auto s = newStore();
    auto lines = kNdkEvent;
    lines[0].resize(70);  // region cut short
    lines[1].resize(75);  // no half duration
    ASSERT_TRUE(readEvent(ndkLayout, lines, *s, 0));
    EXPECT_EQ(str(s->region[0]), "NEAR COAST OF           ");
    EXPECT_EQ(s->rmtrtdur[0], 0.0f);
}

TEST(RecordLayout, ANonNumericFieldRefusesTheLine) {
    struct Case {
        std::size_t line, first;
        const char* text;
    };
    const Case cases[] = {{0, 48, "abc "}, {0, 27, "-AA.45 "}, {1, 20, "  x"},
                          {3, 1, "2A"},    {4, 57, "12.5x"},   {2, 10, "   -0.3.1"}};
    for (const Case& c : cases) {
        auto s = newStore();
        EXPECT_FALSE(readEvent(ndkLayout, withField(kNdkEvent, c.line, c.first, c.text), *s, 0))
            << c.text;
    }
    // Texts take anything.
    auto s = newStore();
    EXPECT_TRUE(readEvent(ndkLayout, withField(kNdkEvent, 0, 57, "12345 ###"), *s, 0));
}

}  // namespace
}  // namespace tensova

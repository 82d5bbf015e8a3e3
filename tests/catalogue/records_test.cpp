// The ndk and dek record layouts: every field read into its member, written back in its columns;
// and the quality values derived from a moment tensor: CLVD ratio, relative error, free components.

#include <gtest/gtest.h>

#include <charconv>
#include <memory>

#include "catalogue/quality_values.hpp"
#include "catalogue/reader.hpp"
#include "catalogue/record_layout.hpp"
#include "catalogue_samples.hpp"
#include "support/console_capture.hpp"

namespace tensova::test {
namespace {

bool readEvent(const RecordLayout& layout, const Lines& lines, Gcmtblk& s, int32_t k) {
    for (std::size_t i = 0; i < layout.lines.size(); ++i)
        if (!readRecordLine(layout.lines[i], lines[i], s, k)) return false;
    return true;
}

// Every member a record fills, named one by one, so that a field read into the wrong member
// shows: a line for each, the texts between quotes, the integers, the reals in their shortest
// exact form.
Lines members(const Gcmtblk& s, std::size_t k) {
    Lines m;
    for (std::string_view t :
         {textOf(s.hyporef[k]), textOf(s.date1[k]), textOf(s.time[k]), textOf(s.region[k]),
          textOf(s.cmtlabel[k]), textOf(s.bwc[k]), textOf(s.swc[k]), textOf(s.mwc[k]),
          textOf(s.invtypc[k]), textOf(s.mtrttypc[k]), textOf(s.clab[k]), textOf(s.cdeptyp[k]),
          textOf(s.cstamp[k]), textOf(s.cvers[k])})
        m.push_back("'" + std::string(t) + "'");
    for (const int32_t i :
         {s.ibstatn[k], s.ibrec[k], s.ibcutf[k], s.isstatn[k], s.isrec[k], s.iscutf[k],
          s.imstatn[k], s.imrec[k], s.imcutf[k], s.invtypi[k], s.iexmomt[k]})
        m.push_back(std::to_string(i));
    std::vector<float> reals = {s.rlat[k],     s.rlong[k],  s.depth[k],  s.rmb[k],     s.rms[k],
                                s.rmtrtdur[k], s.cdt[k],    s.cdte[k],   s.clat[k],    s.clate[k],
                                s.clong[k],    s.clonge[k], s.cdepth[k], s.cdepthe[k], s.tmt0[k]};
    reals.insert(reals.end(), s.tmomt[k].begin(), s.tmomt[k].end());
    reals.insert(reals.end(), s.tmomte[k].begin(), s.tmomte[k].end());
    for (int a : {kAxisT, kAxisB, kAxisP})
        reals.insert(reals.end(), {s.tmval[a][k], s.tmvecpl[a][k], s.tmvecaz[a][k]});
    for (int p : {kPlane1, kPlane2})
        reals.insert(reals.end(), {s.azd0[p][k], s.dipd0[p][k], s.rakd0[p][k]});
    char text[32];
    for (const float r : reals) m.emplace_back(text, std::to_chars(text, text + 32, r).ptr);
    return m;
}

TEST(RecordLayout, EveryFieldReadIntoItsMemberAndWrittenBackInItsColumns) {
    // Surface waves and Ms get values of their own so that no two neighbours read alike.
    const Lines ndk = withField(withField(kNdkEvent, 1, 33, "S:  3    5  50"), 0, 53, "6.1");
    auto s = std::make_unique<Gcmtblk>();
    const std::size_t k = 3;
    ASSERT_TRUE(readEvent(ndkLayout, ndk, *s, k));
    expectGolden(members(*s, k), "records.txt#ndk members");
    EXPECT_EQ(s->rlat[k - 1], 0.0f);  // the neighbours are untouched
    EXPECT_EQ(s->rlat[k + 1], 0.0f);
    for (std::size_t i = 0; i < ndk.size(); ++i)
        EXPECT_EQ(writeRecordLine(ndkLayout.lines[i], *s, k), ndk[i]) << "ndk line " << i + 1;

    // dek over the same slot: texts padded to their members, touching numbers ("193.15.00.0")
    // apart, and the members dek does not have keep what the ndk record put there.
    ASSERT_TRUE(readEvent(dekLayout, kDekEvent, *s, k));
    expectGolden(members(*s, k), "records.txt#dek members");
    for (std::size_t i = 0; i < kDekEvent.size(); ++i)
        EXPECT_EQ(writeRecordLine(dekLayout.lines[i], *s, k), kDekEvent[i]) << "dek line " << i + 1;
}

TEST(RecordLayout, ImpliedDecimalsTruncatedAnglesAndOverflow) {
    auto s = std::make_unique<Gcmtblk>();
    Lines lines = withField(kNdkEvent, 0, 27, "   1378");  // latitude without its point
    lines = withField(lines, 4, 12, "8.7");                // plunge of T with a decimal
    lines = withField(lines, 4, 64, "-45.9");              // rake of plane 1 with a decimal
    ASSERT_TRUE(readEvent(ndkLayout, lines, *s, 0));
    EXPECT_EQ(s->rlat[0], 13.78f);
    EXPECT_EQ(s->tmvecpl[kAxisT][0], 8.7f);
    EXPECT_EQ(s->rakd0[kPlane1][0], -45.9f);
    EXPECT_EQ(writeRecordLine(ndkLayout.lines[0], *s, 0), kNdkEvent[0]);
    const std::string l5 = writeRecordLine(ndkLayout.lines[4], *s, 0);
    EXPECT_EQ(l5.substr(11, 3), "  8");
    EXPECT_EQ(l5.substr(63, 5), "  -45");
    s->depth[0] = 12345.6f;  // too wide for its columns: asterisks
    EXPECT_EQ(writeRecordLine(ndkLayout.lines[0], *s, 0).substr(41, 6), "******");
}

TEST(RecordLayout, ShortLinesReadBlanksAndTextsTakeAnything) {
    auto s = std::make_unique<Gcmtblk>();
    Lines lines = withField(kNdkEvent, 0, 57, "12345 ###");
    lines[0].resize(70);  // region cut short
    lines[1].resize(75);  // no half duration
    ASSERT_TRUE(readEvent(ndkLayout, lines, *s, 0));
    EXPECT_EQ(textOf(s->region[0]), "12345 ###T OF           ");
    EXPECT_EQ(s->rmtrtdur[0], 0.0f);
}

std::unique_ptr<Gcmtblk> storeWith(const RecordLayout& layout, const Lines& lines) {
    auto s = std::make_unique<Gcmtblk>();
    EXPECT_TRUE(readEvent(layout, lines, *s, 0));
    return s;
}

TEST(QualityValues, HandMadeEventsInSinglePrecision) {
    // Expected values computed independently, rounding every operation to single precision.
    ConsoleCapture cap;
    auto ndk = storeWith(ndkLayout, kNdkEvent);
    deriveQuality(*ndk, 0, kGcmtreadex1);
    EXPECT_EQ(ndk->fclvd[0], -0.00362581597f);
    EXPECT_EQ(ndk->erelm[0], 0.122727007f);
    EXPECT_EQ(ndk->nmfree[0], 6);
    auto dek = storeWith(dekLayout, kDekEvent);
    deriveQuality(*dek, 0, kGcmtreadex1);
    EXPECT_EQ(dek->fclvd[0], -0.00362318824f);
    EXPECT_EQ(dek->erelm[0], 0.12338791f);
    EXPECT_EQ(dek->nmfree[0], 6);
    EXPECT_EQ(cap.output(), "");
}

TEST(QualityValues, FreeComponentsCountErrorsFromOneThousandth) {
    ConsoleCapture cap;
    auto s = std::make_unique<Gcmtblk>();
    s->tmval[kAxisT][0] = 1.0f;
    s->tmomt[0] = {1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    s->tmomte[0] = {0.001f, 0.000999f, 0.0f, 0.5f, -0.3f, 0.002f};
    deriveQuality(*s, 0, kGcmtreadex1);
    EXPECT_EQ(s->nmfree[0], 3);
    EXPECT_EQ(s->fclvd[0], -0.0f);
}

TEST(QualityValues, UndefinedValuesAreReportedAndSetToTen) {
    ConsoleCapture cap("\n\n");
    auto s = std::make_unique<Gcmtblk>();
    s->tmval[kAxisB][0] = 0.5f;
    s->tmomte[0] = {0.25f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f};
    deriveQuality(*s, 0, kGcmtreadex1);
    EXPECT_EQ(s->fclvd[0], 10.0f);
    EXPECT_EQ(s->erelm[0], 10.0f);
    EXPECT_EQ(s->nmfree[0], 2);
    expectGolden(cap.lines(), "records.txt#undefined quality values");
}

TEST(QualityValues, ValuesBeyondTheFloatsAreUndefinedToo) {
    for (const auto& row : tableRows("quality_overflows.txt", ';')) {
        const auto c = numbers(row.at(0) + " " + row.at(1));
        ASSERT_EQ(c.size(), 6u) << row[0];
        ConsoleCapture cap("\n\n");
        auto s = std::make_unique<Gcmtblk>();
        s->tmval[kAxisT][0] = float(c[0]);
        s->tmval[kAxisB][0] = float(c[1]);
        s->tmval[kAxisP][0] = -float(c[0]);
        s->tmomt[0] = {float(c[2]), 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
        s->tmomte[0] = {float(c[3]), 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
        deriveQuality(*s, 0, kGcmtreadex1);
        EXPECT_EQ(std::pair(s->fclvd[0], s->erelm[0]), std::pair(float(c[4]), float(c[5])))
            << row.at(2);
    }
}

}  // namespace
}  // namespace tensova::test

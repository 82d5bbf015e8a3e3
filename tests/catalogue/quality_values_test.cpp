// The quality values derived from a moment tensor: CLVD ratio, relative error, free components.

#include "catalogue/quality_values.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "catalogue/reader.hpp"
#include "catalogue/record_layout.hpp"
#include "catalogue_samples.hpp"
#include "support/console_capture.hpp"

namespace tensova {
namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<Gcmtblk> storeWith(const RecordLayout& layout,
                                   const std::vector<std::string>& lines) {
    auto s = std::make_unique<Gcmtblk>();
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(readRecordLine(layout.lines[i], lines[i], *s, 0));
    return s;
}

TEST(QualityValues, HandMadeEventsInSinglePrecision) {
    // Expected values computed independently, rounding every operation to single precision.
    test::ConsoleCapture cap;
    auto ndk = storeWith(ndkLayout, test::kNdkEvent);
    deriveQuality(*ndk, 0, kGcmtreadex1);
    EXPECT_EQ(ndk->fclvd[0], -0.00362581597f);
    EXPECT_EQ(ndk->erelm[0], 0.122727007f);
    EXPECT_EQ(ndk->nmfree[0], 6);
    auto dek = storeWith(dekLayout, test::kDekEvent);
    deriveQuality(*dek, 0, kGcmtreadex1);
    EXPECT_EQ(dek->fclvd[0], -0.00362318824f);
    EXPECT_EQ(dek->erelm[0], 0.12338791f);
    EXPECT_EQ(dek->nmfree[0], 6);
    EXPECT_EQ(cap.output(), "");
}

TEST(QualityValues, FreeComponentsCountErrorsFromOneThousandth) {
    test::ConsoleCapture cap;
    auto s = std::make_unique<Gcmtblk>();
    s->tmval[kAxisT][0] = 1.0f;
    s->tmomt[0] = {1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    s->tmomte[0] = {0.001f, 0.000999f, 0.0f, 0.5f, -0.3f, 0.002f};
    deriveQuality(*s, 0, kGcmtreadex1);
    EXPECT_EQ(s->nmfree[0], 3);
    EXPECT_EQ(s->fclvd[0], -0.0f);
}

TEST(QualityValues, UndefinedValuesAreReportedAndSetToTen) {
    test::ConsoleCapture cap("\n\n");
    auto s = std::make_unique<Gcmtblk>();
    s->tmval[kAxisB][0] = 0.5f;
    s->tmomte[0] = {0.25f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f};
    deriveQuality(*s, 0, kGcmtreadex1);
    EXPECT_EQ(s->fclvd[0], 10.0f);
    EXPECT_EQ(s->erelm[0], 10.0f);
    EXPECT_EQ(s->nmfree[0], 2);
    const std::string slashes = " " + std::string(43, '/');
    const Lines box({slashes, " ///        subroutine gcmtreadex1       ///",
                     " ///               WARNING               ///", slashes});
    Lines want = box;
    want.insert(want.end(), {" Max(|mT|,|mP|) =        0.000", " setting fclvd  =       10.000",
                             " ===> HIT RETURN TO CONTINUE", slashes});
    want.insert(want.end(), box.begin(), box.end());
    want.insert(want.end(), {" ||M0||**2  =        0.000", " ||DM0||**2 =        0.563",
                             " Setting ||DM0||/||M0|| =       10.000",
                             " ===> HIT RETURN TO CONTINUE", slashes});
    EXPECT_EQ(cap.lines(), want);
}

}  // namespace
}  // namespace tensova

// The number fields appended to catalogue records: the same text as the console's field
// layouts for every value, and the truncated angles of the catalogue files.

#include "catalogue/field_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "console/fields.hpp"

namespace tensova {
namespace {

std::string F(double x, int w, int d) {
    std::string s = "|";
    appendF(s, x, w, d);
    return s.substr(1);
}

std::string I(int64_t v, int w) {
    std::string s;
    appendI(s, v, w);
    return s;
}

std::string T(float v, int w) {
    std::string s;
    appendTruncated(s, v, w);
    return s;
}

TEST(FieldText, RecordAndTableEditsOfTheCatalogueWriters) {
    struct Case {
        double x;
        int w, d;
        const char* want;
    };
    const Case cases[] = {
        {44.6f, 4, 0, " 45."},
        {44.6f, 3, 0, "45."},
        {-89.6f, 5, 0, " -90."},
        {0.25f, 5, 2, " 0.25"},
        {0.25f, 3, 2, ".25"},
        {-0.25f, 4, 2, "-.25"},
        {-0.25f, 3, 2, "***"},
        {-0.004f, 5, 2, " 0.00"},
        {-0.4f, 3, 0, " 0."},
        {0.0, 1, 0, "."},
        {0.0, 2, 0, "0."},
        {-0.0, 4, 1, " 0.0"},
        {0.125, 5, 2, " 0.13"},
        {-0.125, 5, 2, "-0.13"},
        {2.5, 2, 0, "3."},
        {999.95f, 6, 1, "1000.0"},
        {999.95, 5, 1, "*****"},
        {13.78f, 7, 2, "  13.78"},
        {-88.78f, 8, 2, "  -88.78"},
        {1e30, 8, 3, "********"},
        {12345.678f, 9, 3, "12345.678"},
        {7.0e-45, 6, 3, " 0.000"},
        {1.0e15, 20, 3, "1000000000000000.000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(F(c.x, c.w, c.d), c.want) << c.x << " F" << c.w << "." << c.d;
        EXPECT_EQ(F(c.x, c.w, c.d), fmtF(c.x, c.w, c.d)) << c.x;
    }
    EXPECT_EQ(F(std::nan(""), 5, 2), fmtF(std::nan(""), 5, 2));
    EXPECT_EQ(F(-INFINITY, 5, 2), fmtF(-INFINITY, 5, 2));
    EXPECT_EQ(F(1.5, 12, 12), fmtF(1.5, 12, 12));  // more decimals than the integer path takes
    EXPECT_EQ(I(100, 2), "**");
    EXPECT_EQ(I(100, 3), "100");
    EXPECT_EQ(I(10, 1), "*");
    EXPECT_EQ(I(-1, 1), "*");
    EXPECT_EQ(I(-7, 3), " -7");
    EXPECT_EQ(I(std::numeric_limits<int64_t>::min(), 20), "-9223372036854775808");
}

TEST(FieldText, AnglesTruncatedTowardZero) {
    struct Case {
        float v;
        int w;
        const char* want;
    };
    const Case cases[] = {
        {359.7f, 4, " 359"},   {-89.6f, 4, " -89"}, {-0.4f, 3, "  0"},  {0.9f, 3, "  0"},
        {-180.0f, 5, " -180"}, {1000.0f, 3, "***"}, {3e20f, 4, "****"}, {-3e20f, 5, "*****"},
    };
    for (const Case& c : cases) EXPECT_EQ(T(c.v, c.w), c.want) << c.v;
    EXPECT_EQ(T(NAN, 4), fmtF(NAN, 4, 0));
}

// The integer path and the console's exact decimal layout agree on every value: random floats
// over the magnitudes a catalogue holds and far beyond, ties of every kind, and every width and
// decimal count the records and tables use.
TEST(FieldText, SameTextAsTheConsoleFieldsOverManyValues) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<uint32_t> bits;
    std::uniform_real_distribution<double> uniform(-1000.0, 1000.0);
    int checked = 0;
    for (int i = 0; i < 60000; ++i) {
        float v;
        switch (i % 3) {
            case 0: {  // any finite float
                const uint32_t b = bits(rng);
                std::memcpy(&v, &b, sizeof v);
                if (!std::isfinite(v)) continue;
                break;
            }
            case 1:  // catalogue magnitudes
                v = static_cast<float>(uniform(rng));
                break;
            default:  // exact halves at 0 to 3 decimals
                v = static_cast<float>(std::round(uniform(rng) * 16.0) / 16.0);
                break;
        }
        for (int d = 0; d <= 4; ++d)
            for (int w : {1, 3, 4, 5, 7, 9, 12}) {
                ASSERT_EQ(F(v, w, d), fmtF(v, w, d)) << std::hexfloat << v << " F" << w << "." << d;
                ++checked;
            }
        const double dv = uniform(rng) * 1e6;
        ASSERT_EQ(F(dv, 16, 6), fmtF(dv, 16, 6)) << std::hexfloat << dv;
        const auto iv = static_cast<int64_t>(bits(rng)) - (int64_t{1} << 31);
        ASSERT_EQ(I(iv, 6), fmtI(iv, 6)) << iv;
    }
    EXPECT_GT(checked, 1000000);
}

TEST(FieldText, AppendsAfterWhatTheRecordHolds) {
    std::string s = "ab";
    appendF(s, 1.5, 5, 1);
    appendI(s, 7, 2);
    appendTruncated(s, -2.5f, 3);
    EXPECT_EQ(s, "ab  1.5 7 -2");
}

}  // namespace
}  // namespace tensova

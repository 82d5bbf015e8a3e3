// Field layouts: rounding half away from zero on the exact binary value, no sign on a rounded
// zero, the optional leading zero, exponent form, asterisks on overflow.

#include "console/fields.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace tensova {
namespace {

std::string F(double x, int w, int d) {
    std::string s = "|";  // appending keeps what the record already holds
    appendF(s, x, w, d);
    return s.substr(1);
}

std::string I(int64_t v, int w) {
    std::string s;
    appendI(s, v, w);
    return s;
}

struct FCase {
    double x;
    int w, d;
    const char* want;
};

TEST(Fields, FixedPoint) {
    const FCase cases[] = {
        {2.5, 4, 0, "  3."},          // a tie rounds away from zero, not to even
        {-2.5, 4, 0, " -3."},         //
        {0.125, 5, 2, " 0.13"},       // exact binary tie
        {2.675f, 5, 2, " 2.67"},      // 2.675f is 2.67499995...: not a tie
        {-0.4, 4, 0, "  0."},         // rounds to zero: no minus sign
        {-0.001, 7, 2, "   0.00"},    //
        {-0.0, 5, 1, "  0.0"},        // negative zero
        {0.5, 5, 3, "0.500"},         // room for the leading zero
        {0.5, 4, 3, ".500"},          // no room: the zero goes
        {-0.5, 5, 3, "-.500"},        //
        {-0.5, 6, 3, "-0.500"},       //
        {123.0, 4, 0, "123."},        // no decimals still ends in a point
        {1234.5, 4, 0, "****"},       // overflow
        {-123.4, 6, 2, "******"},     //
        {9.96, 4, 1, "10.0"},         // carry into a new digit
        {0.0999, 4, 2, "0.10"},       //
        {3.14159f, 7, 2, "   3.14"},  //
        {1.0e10, 14, 1, " 10000000000.0"},
        {0.0, 7, 2, "   0.00"},  //
    };
    for (const auto& c : cases)
        EXPECT_EQ(fmtF(c.x, c.w, c.d), c.want) << c.x << " F" << c.w << "." << c.d;
}

TEST(Fields, FixedOwnWidth) {
    EXPECT_EQ(fmtFown(95.0, 0), "95.");
    EXPECT_EQ(fmtFown(-90.0, 0), "-90.");
    EXPECT_EQ(fmtFown(-0.4, 0), "0.");
    EXPECT_EQ(fmtFown(0.5, 0), "1.");
    EXPECT_EQ(fmtFown(-0.5, 1), "-0.5");
    EXPECT_EQ(fmtFown(0.049, 1), "0.0");
}

TEST(Fields, Exponent) {
    const FCase cases[] = {
        {1234.5, 10, 3, " 0.123E+04"},    //
        {-1234.5, 9, 3, "-.123E+04"},     // sign but no room for the zero
        {-1234.5, 8, 3, "********"},      //
        {0.0, 10, 3, " 0.000E+00"},       //
        {1.2e-6, 8, 1, " 0.1E-05"},       //
        {99999.5, 11, 4, " 0.1000E+06"},  // rounding carries into the exponent
        {0.00012346, 12, 4, "  0.1235E-03"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fmtE(c.x, c.w, c.d), c.want) << c.x << " E" << c.w << "." << c.d;
}

TEST(Fields, General) {
    const FCase cases[] = {
        {0.0, 12, 6, " 0.00000    "},       // zero: d-1 decimals
        {0.4, 12, 6, "0.400000    "},       //
        {-0.4, 12, 6, "-.400000    "},      //
        {50.0, 12, 6, " 50.0000    "},      //
        {1.0e6, 12, 6, "0.100000E+07"},     //
        {-1.0e6, 12, 6, "-.100000E+07"},    //
        {999999.5, 12, 6, "0.100000E+07"},  // judged on the rounded value
        {5.0, 20, 1, "              5.    "}, {95.0, 12, 5, "  95.000    "},  //
        {0.05, 12, 6, "0.500000E-01"},  // below 0.1: exponent form
        {0.099999997, 12, 6, "0.100000    "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fmtG(c.x, c.w, c.d), c.want) << c.x << " G" << c.w << "." << c.d;
}

TEST(Fields, IntegersLogicalsTexts) {
    EXPECT_EQ(fmtI(5, 2), " 5");
    EXPECT_EQ(fmtI(-5, 2), "-5");
    EXPECT_EQ(fmtI(100, 2), "**");
    EXPECT_EQ(fmtI(99, 12), "          99");
    EXPECT_EQ(fmtIown(-2147483648LL), "-2147483648");
    EXPECT_EQ(fmtL(true, 2), " T");
    EXPECT_EQ(fmtL(false, 1), "F");
    EXPECT_EQ(fmtA("abc", 5), "  abc");
    EXPECT_EQ(fmtA("abcdef", 3), "abc");
}

TEST(Fields, NonFiniteValuesAreWords) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(fmtF(std::nan(""), 6, 2), "   NaN");
    EXPECT_EQ(fmtF(inf, 6, 2), "   INF");
    EXPECT_EQ(fmtE(-inf, 10, 3), "      -INF");
    EXPECT_EQ(fmtG(std::nan(""), 12, 6), "         NaN");
    EXPECT_EQ(fmtF(inf, 2, 0), "**");
}

TEST(Fields, FastFixedPathAgreesWithTheExactOne) {
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
        EXPECT_EQ(F(c.x, c.w, c.d), detail::fmtFExact(c.x, c.w, c.d)) << c.x;
    }
    EXPECT_EQ(F(std::nan(""), 5, 2), "  NaN");
    EXPECT_EQ(F(-INFINITY, 5, 2), " -INF");
    EXPECT_EQ(F(1.5, 15, 12), " 1.500000000000");  // more decimals than the integer path takes
    EXPECT_EQ(I(100, 2), "**");
    EXPECT_EQ(I(100, 3), "100");
    EXPECT_EQ(I(10, 1), "*");
    EXPECT_EQ(I(-1, 1), "*");
    EXPECT_EQ(I(-7, 3), " -7");
    EXPECT_EQ(I(std::numeric_limits<int64_t>::min(), 20), "-9223372036854775808");
}

// The integer path and the exact decimal expansion agree on every value: random floats
// over the magnitudes a catalogue holds and far beyond, ties of every kind, and every width and
// decimal count the records and tables use.
TEST(Fields, FastFixedPathAgreesOverManyValues) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<uint32_t> bits;
    std::uniform_real_distribution<double> uniform(-1000.0, 1000.0);
    int checked = 0;
    for (int i = 0; i < 8000; ++i) {
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
                ASSERT_EQ(F(v, w, d), detail::fmtFExact(v, w, d))
                    << std::hexfloat << v << " F" << w << "." << d;
                ++checked;
            }
        const double dv = uniform(rng) * 1e6;
        ASSERT_EQ(F(dv, 16, 6), detail::fmtFExact(dv, 16, 6)) << std::hexfloat << dv;
    }
    EXPECT_GT(checked, 100000);
}

}  // namespace
}  // namespace tensova

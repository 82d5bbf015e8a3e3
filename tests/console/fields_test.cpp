// Field layouts: rounding half away from zero on the exact binary value, no sign on a rounded
// zero, the optional leading zero, exponent form, asterisks on overflow.

#include "console/fields.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tensova {
namespace {

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

}  // namespace
}  // namespace tensova

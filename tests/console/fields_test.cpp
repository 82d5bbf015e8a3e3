// Field layouts: rounding half away from zero on the exact binary value, no sign on a rounded
// zero, the optional leading zero, exponent and general forms, asterisks on overflow, words for
// NaN and infinities; and the fast fixed-point path against the exact one.

#include "console/fields.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

namespace tensova {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Fields, NumberLayouts) {
    struct Case {
        const char* edit;  // Fw.d, Ew.d or Gw.d
        double x;
        const char* want;
    };
    const auto check = [](const Case& c) {
        int w = 0, d = 0;
        ASSERT_EQ(std::sscanf(c.edit + 1, "%d.%d", &w, &d), 2) << c.edit;
        const char form = c.edit[0];
        const std::string got = form == 'F'   ? fmtF(c.x, w, d)
                                : form == 'E' ? fmtE(c.x, w, d)
                                              : fmtG(c.x, w, d);
        EXPECT_EQ(got, c.want) << c.edit << " of " << c.x;
        if (form == 'F') {
            EXPECT_EQ(detail::fmtFExact(c.x, w, d), c.want) << c.edit << " exact of " << c.x;
        }
    };
    // In order: ties round away from zero (2.675f is 2.67499995..., no tie); values that round
    // to zero carry no sign; the leading zero goes where the field has no room for it, and a
    // sign without room gives asterisks; no decimals still end in a point; overflow and carries
    // into a new digit; words for NaN and infinities.
    const Case fixed[] = {
        {"F4.0", 2.5, "  3."},     {"F4.0", -2.5, " -3."},    {"F2.0", 2.5, "3."},
        {"F5.2", 0.125, " 0.13"},  {"F5.2", -0.125, "-0.13"}, {"F5.2", 2.675f, " 2.67"},
        {"F4.0", -0.4, "  0."},    {"F3.0", -0.4f, " 0."},    {"F5.1", -0.0, "  0.0"},
        {"F1.0", 0.0, "."},        {"F2.0", 0.0, "0."},       {"F5.3", 0.5, "0.500"},
        {"F4.3", 0.5, ".500"},     {"F5.3", -0.5, "-.500"},   {"F6.3", -0.5, "-0.500"},
        {"F3.2", -0.25f, "***"},   {"F4.0", 123.0, "123."},   {"F3.0", 44.6f, "45."},
        {"F5.0", -89.6f, " -90."}, {"F4.0", 1234.5, "****"},  {"F6.2", -123.4, "******"},
        {"F4.1", 9.96, "10.0"},    {"F4.2", 0.0999, "0.10"},  {"F5.1", 999.95, "*****"},
        {"F6.2", kNaN, "   NaN"},  {"F6.2", kInf, "   INF"},  {"F5.2", -kInf, " -INF"},
        {"F2.0", kInf, "**"}};
    // Wider fields: a small negative value that rounds to zero, float values as the records hold
    // them, and values beyond the integer path (1e15, 1e30, a subnormal float, twelve decimals).
    // clang-format off
    const Case wide[] = {
        {"F7.2", -0.001, "   0.00"}, {"F6.1", 999.95f, "1000.0"}, {"F7.2", 3.14159f, "   3.14"},
        {"F8.2", -88.78f, "  -88.78"}, {"F9.3", 12345.678f, "12345.678"},
        {"F14.1", 1.0e10, " 10000000000.0"}, {"F20.3", 1.0e15, "1000000000000000.000"},
        {"F8.3", 1.0e30, "********"}, {"F6.3", 7.0e-45, " 0.000"},
        {"F15.12", 1.5, " 1.500000000000"}};
    // clang-format on
    // The zero goes before the sign; rounding carries into the exponent. Without digits there
    // is nothing to round: the exponent is the value's own.
    // clang-format off
    const Case exponent[] = {
        {"E10.3", 1234.5, " 0.123E+04"}, {"E9.3", -1234.5, "-.123E+04"},
        {"E8.3", -1234.5, "********"}, {"E10.3", 0.0, " 0.000E+00"}, {"E8.1", 1.2e-6, " 0.1E-05"},
        {"E11.4", 99999.5, " 0.1000E+06"}, {"E12.4", 0.00012346, "  0.1235E-03"},
        {"E10.3", -kInf, "      -INF"}, {"E7.0", 12345678.0, " 0.E+08"},
        {"E7.0", -12345678.0, "-0.E+08"}, {"E7.0", 56000000.0, " 0.E+08"},
        {"E7.0", -99999999.0, "-0.E+08"}, {"E6.0", -56000000.0, "-.E+08"},
        {"E5.0", -56000000.0, "*****"}, {"E8.0", 0.0, "  0.E+00"}, {"E7.0", -1.2e-6, "-0.E-05"}};
    // clang-format on
    // Zero has d-1 decimals; the form is judged on the rounded value; magnitudes below 0.1 take
    // the exponent form.
    const Case general[] = {
        {"G12.6", 0.0, " 0.00000    "},         {"G12.6", 0.4, "0.400000    "},
        {"G12.6", -0.4, "-.400000    "},        {"G12.6", 50.0, " 50.0000    "},
        {"G12.6", 1.0e6, "0.100000E+07"},       {"G12.6", -1.0e6, "-.100000E+07"},
        {"G12.6", 999999.5, "0.100000E+07"},    {"G20.1", 5.0, "              5.    "},
        {"G12.5", 95.0, "  95.000    "},        {"G12.6", 0.05, "0.500000E-01"},
        {"G12.6", 0.099999997, "0.100000    "}, {"G12.6", kNaN, "         NaN"}};
    for (const Case& c : fixed) check(c);
    for (const Case& c : wide) check(c);
    for (const Case& c : exponent) check(c);
    for (const Case& c : general) check(c);
    // In its own width the leading zero is always there.
    EXPECT_EQ(fmtFown(95.0, 0), "95.");
    EXPECT_EQ(fmtFown(-90.0, 0), "-90.");
    EXPECT_EQ(fmtFown(-0.4, 0), "0.");
    EXPECT_EQ(fmtFown(0.5, 0), "1.");
    EXPECT_EQ(fmtFown(-0.5, 1), "-0.5");
    EXPECT_EQ(fmtFown(0.049, 1), "0.0");
}

TEST(Fields, IntegersLogicalsTextsAndRecords) {
    EXPECT_EQ(fmtI(5, 2), " 5");
    EXPECT_EQ(fmtI(-5, 2), "-5");
    EXPECT_EQ(fmtI(100, 2), "**");
    EXPECT_EQ(fmtI(100, 3), "100");
    EXPECT_EQ(fmtI(-1, 1), "*");
    EXPECT_EQ(fmtI(std::numeric_limits<int64_t>::min(), 20), "-9223372036854775808");
    EXPECT_EQ(fmtIown(-2147483648LL), "-2147483648");
    EXPECT_EQ(fmtL(true, 2), " T");
    EXPECT_EQ(fmtL(false, 1), "F");
    EXPECT_EQ(fmtA("abc", 5), "  abc");
    EXPECT_EQ(fmtA("abcdef", 3), "abc");
    std::string record = "|";  // appending keeps what the record already holds
    appendF(record, 2.5, 4, 0);
    appendI(record, -7, 3);
    appendI(record, 10, 1);
    EXPECT_EQ(record, "|  3. -7*");
}

// The fast paths (float products, integers) and the exact decimal expansion agree on every
// value: random floats over the magnitudes a catalogue holds and far beyond, ties of every kind,
// every width and decimal count the records and tables use, and up to nine decimals.
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
        for (int d = 0; d <= 9; ++d)
            for (int w : {1, 3, 4, 5, 7, 9, 12, 20}) {
                ASSERT_EQ(fmtF(v, w, d), detail::fmtFExact(v, w, d))
                    << std::hexfloat << v << " F" << w << "." << d;
                ++checked;
            }
        const double dv = uniform(rng) * 1e6;
        ASSERT_EQ(fmtF(dv, 16, 6), detail::fmtFExact(dv, 16, 6)) << std::hexfloat << dv;
    }
    EXPECT_GT(checked, 100000);
}

}  // namespace
}  // namespace tensova

// The fixed-column field reader: blanks, implied decimals, exact conversion, refusals.

#include "console/fixed_columns.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tensova {
namespace {

struct RealCase {
    const char* field;
    int decimals;
    bool ok;
    float value;
};

TEST(FixedColumns, RealFields) {
    const RealCase cases[] = {
        {"  13.78", 2, true, 13.78f},  // the point gives the decimals
        {"   1378", 2, true, 13.78f},  // no point: the last two digits are decimals
        {"1234   ", 2, true, 12.34f},  // blanks after the number are ignored too
        {"       ", 2, true, 0.0f},    // an all-blank field is zero
        {"  -0.30", 1, true, -0.3f},
        {"   +5.0", 1, true, 5.0f},
        {"    -45", 0, true, -45.0f},  // angle columns carry no implied decimals
        {"   89.7", 0, true, 89.7f},
        {"  .5   ", 3, true, 0.5f},
        {"   5.  ", 3, true, 5.0f},
        {" 1.5E+2", 2, true, 150.0f},
        {" 1.5d-1", 2, true, 0.15f},
        {"   15e1", 1, true, 15.0f},  // implied decimals hold with an exponent as well
        {"  0.1  ", 2, true, 0.1f},
        {"  -0.00", 2, true, -0.0f},
        {"123456789", 0, true, 123456789.0f},  // beyond the exact float path
        {"0.000001234", 9, true, 1.234e-6f},
        {" 1 2   ", 2, false, 0.0f},  // an embedded blank
        {" abc   ", 2, false, 0.0f},
        {"  1.2.3", 2, false, 0.0f},
        {"     - ", 2, false, 0.0f},  // a sign without digits
        {"     . ", 2, false, 0.0f},
        {"   1e  ", 2, false, 0.0f},
        {"  inf  ", 2, false, 0.0f},
        {"  nan  ", 2, false, 0.0f},
        {" 0x1p3 ", 2, false, 0.0f},
        {"  1e50 ", 2, false, 0.0f},  // no float holds it
        {"  12,5 ", 2, false, 0.0f},
        {"\t12    ", 2, false, 0.0f},
    };
    for (const RealCase& c : cases) {
        const std::string field = c.field;
        float v = 99.0f;
        const bool ok = readFixedReal(field, 1, static_cast<int>(field.size()), c.decimals, v);
        EXPECT_EQ(ok, c.ok) << "'" << field << "'";
        if (c.ok) {
            EXPECT_EQ(v, c.value) << "'" << field << "'";
            EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << "'" << field << "'";
        } else {
            EXPECT_EQ(v, 99.0f) << "a refused field leaves the value: '" << field << "'";
        }
    }
}

TEST(FixedColumns, RealConversionIsTheNearestFloat) {
    // Every two-decimal value of a latitude column converts exactly as the compiler's literal.
    for (int i = -9000; i <= 9000; i += 7) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%7.2f", i / 100.0);
        float v = 0.0f;
        ASSERT_TRUE(readFixedReal(buf, 1, 7, 2, v)) << buf;
        EXPECT_EQ(v, std::strtof(buf, nullptr)) << buf;
    }
}

struct IntCase {
    const char* field;
    bool ok;
    int32_t value;
};

TEST(FixedColumns, IntegerFields) {
    const IntCase cases[] = {
        {"  24", true, 24},
        {"    ", true, 0},
        {" -7 ", true, -7},
        {"+12 ", true, 12},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {" 1.0", false, 0},
        {" 1 2", false, 0},
        {"  - ", false, 0},
        {" 1e2", false, 0},
        {"  O1", false, 0},
    };
    for (const IntCase& c : cases) {
        const std::string field = c.field;
        int32_t v = 99;
        EXPECT_EQ(readFixedInt(field, 1, static_cast<int>(field.size()), v), c.ok) << field;
        EXPECT_EQ(v, c.ok ? c.value : 99) << field;
    }
}

TEST(FixedColumns, ColumnsPastTheEndOfTheLineAreBlank) {
    const std::string line = "PDE  2005/01/01 01:20:05.4  13.78";
    float v = 1.0f;
    EXPECT_TRUE(readFixedReal(line, 34, 8, 2, v));  // wholly past the end
    EXPECT_EQ(v, 0.0f);
    EXPECT_TRUE(readFixedReal(line, 30, 7, 2, v));  // cut by the end
    EXPECT_EQ(v, 3.78f);
    std::array<char, 6> text{};
    readFixedText(line, 31, 5, text.data(), text.size());
    EXPECT_EQ(std::string(text.data(), text.size()), ".78   ");
    readFixedText(line, 60, 3, text.data(), text.size());
    EXPECT_EQ(std::string(text.data(), text.size()), "      ");
    EXPECT_EQ(fixedField(line, 1, 4), "PDE ");
    EXPECT_EQ(fixedField(line, 40, 4), "");
}

}  // namespace
}  // namespace tensova

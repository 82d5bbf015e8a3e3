// Reading lines from file units: every line-end convention, cut last lines, over-long lines;
// and the fixed-column field reader: blanks, implied decimals, exact conversion, refusals.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "console/fixed_columns.hpp"
#include "console/units.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova::test {
namespace {

using test::TempDir;

std::vector<std::string> readAll(const std::string& path, std::vector<bool>* ends = nullptr) {
    std::vector<std::string> lines;
    EXPECT_TRUE(unitOpen(40, path, OpenStatus::Old));
    std::string line;
    while (unitReadLine(40, line) == ReadResult::Ok) {
        lines.push_back(line);
        if (ends != nullptr) ends->push_back(unitLineTerminated(40));
    }
    unitClose(40);
    return lines;
}

TEST(Units, EveryLineEndConvention) {
    TempDir dir;
    const std::vector<std::string> want = {"first", "", "third line", "last"};
    const std::pair<const char*, const char*> cases[] = {
        {"lf", "first\n\nthird line\nlast\n"},
        {"crlf", "first\r\n\r\nthird line\r\nlast\r\n"},
        {"cr", "first\r\rthird line\rlast\r"},
        {"mixed", "first\r\n\rthird line\nlast"}};
    for (const auto& [name, text] : cases) {
        dir.write(name, text);
        EXPECT_EQ(readAll(dir.file(name)), want) << name;
    }
}

TEST(Units, CarriageReturnAtTheEndOfTheBufferAndCutLastLines) {
    TempDir dir;
    // The read buffer holds 256 KiB: the carriage return falls on its last byte.
    const std::string longLine(262143, 'a');
    dir.write("edge", longLine + "\r\nnext\rcut");
    std::vector<bool> ends;
    const auto lines = readAll(dir.file("edge"), &ends);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], longLine);
    EXPECT_EQ(lines[1], "next");
    EXPECT_EQ(lines[2], "cut");
    EXPECT_EQ(ends, (std::vector<bool>{true, true, false}));
}

TEST(Units, LinesWithoutEndComeInPieces) {
    TempDir dir;
    dir.write("blob", std::string(3u << 20, '\0'));
    std::vector<bool> ends;
    const auto lines = readAll(dir.file("blob"), &ends);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 1u << 20);
    EXPECT_FALSE(ends[0]);
}

TEST(Units, OpenStatusesAndClosedUnits) {
    TempDir dir;
    dir.write("old.txt", "x\n");
    EXPECT_FALSE(unitOpen(41, dir.file("missing.txt"), OpenStatus::Old));
    EXPECT_FALSE(unitOpen(41, dir.file("old.txt"), OpenStatus::New));
    EXPECT_FALSE(unitOpen(41, dir.path(), OpenStatus::Old));
    EXPECT_FALSE(unitOpen(41, dir.file("a") + std::string(1, '\0') + "b", OpenStatus::Unknown));
    EXPECT_FALSE(unitIsOpen(41));
    unitWrite(41, "dropped");  // a closed unit takes nothing and creates no file
    ASSERT_TRUE(unitOpen(41, dir.file("old.txt"), OpenStatus::Unknown));
    unitWrite(41, "replaced");
    EXPECT_TRUE(unitClose(41));
    EXPECT_EQ(dir.read("old.txt"), "replaced\n");
    ASSERT_TRUE(unitOpen(42, "/dev/full", OpenStatus::Unknown));
    unitWrite(42, "lost");
    EXPECT_FALSE(unitClose(42));
}

TEST(FixedColumns, RealFields) {
    struct Case {
        const char* field;
        int decimals;
        float value;
    };
    // The point gives the decimals; without it the last ones are implied, exponent or not
    // (angle columns imply none); blanks around the number are ignored and an all-blank field
    // is zero; -0.00 keeps its sign; 123456789 is beyond the exact float path; a number too
    // small for a float is its nearest, zero.
    const Case cases[] = {
        {"  13.78", 2, 13.78f},        {"   1378", 2, 13.78f}, {"1234   ", 2, 12.34f},
        {"       ", 2, 0.0f},          {"  -0.30", 1, -0.3f},  {"   +5.0", 1, 5.0f},
        {"    -45", 0, -45.0f},        {"   89.7", 0, 89.7f},  {"  .5   ", 3, 0.5f},
        {"   5.  ", 3, 5.0f},          {" 1.5E+2", 2, 150.0f}, {" 1.5d-1", 2, 0.15f},
        {"   15e1", 1, 15.0f},         {"  -0.00", 2, -0.0f},  {"123456789", 0, 123456789.0f},
        {"0.000001234", 9, 1.234e-6f}, {" 1.0E-50", 2, 0.0f},  {"-1.0E-50", 2, -0.0f}};
    for (const Case& c : cases) {
        const std::string field = c.field;
        float v = 99.0f;
        EXPECT_TRUE(readFixedReal(field, 1, static_cast<int>(field.size()), c.decimals, v))
            << "'" << field << "'";
        EXPECT_EQ(v, c.value) << "'" << field << "'";
        EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << "'" << field << "'";
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

TEST(FixedColumns, IntegerFields) {
    const std::pair<const char*, int32_t> cases[] = {{"  24", 24},
                                                     {"    ", 0},
                                                     {" -7 ", -7},
                                                     {"+12 ", 12},
                                                     {"2147483647", 2147483647},
                                                     {"-2147483648", INT32_MIN}};
    for (const auto& [text, value] : cases) {
        const std::string field = text;
        int32_t v = 99;
        EXPECT_TRUE(readFixedInt(field, 1, static_cast<int>(field.size()), v)) << field;
        EXPECT_EQ(v, value) << field;
    }
}

// A refused field leaves the value as it was. The first texts are refused by both readers (an
// embedded blank, a sign or a point without digits, letters, a comma, a tab); the integer reader
// also refuses points, exponents and values beyond 32 bits, the real one values beyond a float.
TEST(FixedColumns, RefusedFields) {
    const char* const both[] = {" 1 2   ", " abc   ", "  1.2.3", "     - ", "     . ",  "   1e  ",
                                "  inf  ", "  nan  ", " 0x1p3 ", "  12,5 ", "\t12    ", "  O1"};
    for (const char* text : both) {
        const std::string field = text;
        float r = 99.0f;
        int32_t i = 99;
        EXPECT_FALSE(readFixedReal(field, 1, static_cast<int>(field.size()), 2, r)) << field;
        EXPECT_FALSE(readFixedInt(field, 1, static_cast<int>(field.size()), i)) << field;
        EXPECT_EQ(r, 99.0f) << field;
        EXPECT_EQ(i, 99) << field;
    }
    for (const std::string field : {"2147483648", " 1.0", " 1e2"}) {
        int32_t i = 99;
        EXPECT_FALSE(readFixedInt(field, 1, static_cast<int>(field.size()), i)) << field;
        EXPECT_EQ(i, 99) << field;
    }
    float r = 99.0f;
    EXPECT_FALSE(readFixedReal("  1e50 ", 1, 7, 2, r));  // no float holds it
    EXPECT_EQ(r, 99.0f);
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
}  // namespace tensova::test

// Reading lines from file units: every line-end convention, cut last lines, over-long lines;
// and the fixed-column field reader: blanks, implied decimals, exact conversion, refusals.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <tuple>

#include "console/fixed_columns.hpp"
#include "console/units.hpp"
#include "support/console_capture.hpp"
#include "support/exact_text.hpp"
#include "support/run_binary.hpp"

namespace tensova::test {
namespace {

using test::TempDir;

// The lines of a file; with `ends`, for each line whether it ended with a line end and whether
// it was cut at the end of the file.
std::vector<std::string> readAll(const std::string& path,
                                 std::vector<std::pair<bool, bool>>* ends = nullptr) {
    std::vector<std::string> lines;
    EXPECT_TRUE(unitOpen(40, path, OpenStatus::Old));
    std::string line;
    while (unitReadLine(40, line) == ReadResult::Ok) {
        lines.push_back(line);
        if (ends != nullptr) ends->emplace_back(unitLineTerminated(40), unitLineCut(40));
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
        {"mixed", "first\r\n\rthird line\nlast"},
        // The last line's carriage return ends the data; the byte beyond it in the buffer is
        // the first line's line feed, no part of the file.
        {"lone cr at the end", "first\n\nthird line\nlast\r"}};
    for (const auto& [name, text] : cases) {
        dir.write(name, text);
        EXPECT_EQ(readAll(dir.file(name)), want) << name;
    }
    // The read buffer holds 256 KiB: here its last byte is a carriage return. A last line may
    // lack its end: it is where a copy stopped.
    const std::string longLine(262143, 'a');
    dir.write("edge", longLine + "\r\nnext\rcut");
    std::vector<std::pair<bool, bool>> ends;
    EXPECT_EQ(readAll(dir.file("edge"), &ends),
              (std::vector<std::string>{longLine, "next", "cut"}));
    EXPECT_EQ(ends,
              (std::vector<std::pair<bool, bool>>{{true, false}, {true, false}, {false, true}}));
}

// With standard input closed, the next file opened takes its descriptor, 0: it is a file unit
// like any other, open and read.
TEST(Units, AFileOnTheDescriptorOfAClosedStandardInput) {
    TempDir dir;
    dir.write("f", "one\ntwo\n");
    const int saved = dup(0);
    close(0);
    const bool free = fcntl(0, F_GETFD) == -1;
    const auto lines = readAll(dir.file("f"));
    if (saved >= 0) {
        dup2(saved, 0);
        close(saved);
    }
    EXPECT_TRUE(free);
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two"}));
}

TEST(Units, LinesWithoutEndComeInPieces) {
    TempDir dir;
    dir.write("blob", std::string(3u << 20, '\0'));
    std::vector<std::pair<bool, bool>> ends;
    const auto lines = readAll(dir.file("blob"), &ends);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 1u << 20);
    // A piece has no line end, yet the file goes on: it is not a cut last line.
    EXPECT_EQ(ends[0], std::pair(false, false));
}

// Messages name a file's lines by the count the unit keeps: the pieces of an over-long line are
// one line, and a rewound file counts afresh.
TEST(Units, LinesCountedFromTheOpening) {
    TempDir dir;
    dir.write("f", "one\r\n" + std::string((1u << 20) + 5, 'x') + "\nthree\rfour");
    ASSERT_TRUE(unitOpen(40, dir.file("f"), OpenStatus::Old));
    std::string line;
    std::vector<int32_t> numbers;
    while (unitReadLine(40, line) == ReadResult::Ok) numbers.push_back(unitLineNumber(40));
    EXPECT_EQ(numbers, (std::vector<int32_t>{1, 2, 2, 3, 4}));
    EXPECT_EQ(unitLineNumber(40), 4);
    unitRewind(40);
    EXPECT_EQ(unitLineNumber(40), 0);
    ASSERT_EQ(unitReadLine(40, line), ReadResult::Ok);
    EXPECT_EQ(unitLineNumber(40), 1);
    unitClose(40);
}

// Ten records of 100 bytes written to a file unit, through its buffer, the first `earlier` of
// them by an earlier writing, to a disk with room for `room` bytes (-1: no limit). What the
// later writing counts, and what the file holds.
struct TenRecords {
    bool flushed;
    int64_t handed, inFile;
    int32_t whole;     // of the later writing's records
    int64_t fileSize;  // -1 for a device
};
TenRecords writeTenRecords(const std::string& path, long long room, int earlier = 0) {
    EXPECT_TRUE(unitOpen(40, path, OpenStatus::Unknown)) << path;
    UnitRecords first(40);
    std::optional<UnitRecords> later;
    TenRecords r{};
    {
        const std::optional<FileSizeLimit> limit =
            room < 0 ? std::nullopt : std::optional<FileSizeLimit>(std::in_place, room);
        for (int k = 0; k < 10; ++k) {
            if (k == earlier) later.emplace(40);
            unitWriteRaw(40, std::string(99, 'a' + static_cast<char>(k)) + "\n");
            (k < earlier ? first : *later).ended();
        }
        r.flushed = unitFlush(40);
    }
    // Room again: a failed unit still writes nothing.
    unitWrite(40, "more");
    unitFlush(40);
    r.handed = unitBytesHanded(40);
    r.inFile = unitBytesInFile(40);
    r.whole = later->whole();
    unitClose(40);
    r.fileSize = std::filesystem::is_regular_file(path)
                     ? static_cast<int64_t>(std::filesystem::file_size(path))
                     : -1;
    return r;
}

// The unit counts what reached the file, the records that end within it are whole (one that
// ends exactly at its end too), and the file is cut back to the last of them; once a write has
// failed nothing more reaches the file, even where there would be room. An earlier writing's
// records are not counted again.
TEST(Units, TheRecordsThatReachedTheFileWhole) {
    TempDir dir;
    const struct {
        const char* what;
        long long room;
        int earlier;
        int64_t inFile;
        int32_t whole;
    } cases[] = {{"room for all", -1, 0, 1005, 10},
                 {"room for five and a half", 550, 0, 500, 5},
                 {"room for five exactly", 500, 0, 500, 5},
                 {"no room", 0, 0, 0, 0},
                 {"three earlier, room for five and a half", 550, 3, 500, 2},
                 {"six earlier, room for five and a half", 550, 6, 500, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TenRecords r = writeTenRecords(dir.file(c.what), c.room, c.earlier);
        EXPECT_EQ(r.flushed, c.inFile > 1000);
        EXPECT_EQ(r.handed, 1005);
        EXPECT_EQ(r.inFile, c.inFile);
        EXPECT_EQ(r.whole, c.whole);
        EXPECT_EQ(r.fileSize, c.inFile);
    }
    UnitRecords closed(40);
    closed.ended();
    EXPECT_EQ(closed.whole(), 0);
}

// The full device takes nothing and cannot be cut.
TEST(Units, TheFullDeviceHoldsNoRecord) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const TenRecords r = writeTenRecords("/dev/full", -1);
    EXPECT_FALSE(r.flushed);
    EXPECT_EQ(r.handed, 1005);
    EXPECT_EQ(r.inFile, 0);
    EXPECT_EQ(r.whole, 0);
}

// What a failed writing left, counted after a head of two records: the first record not whole
// and the whole ones after the head; 0 when a head record is not whole.
TEST(Units, TheFirstRecordNotWholeAfterAHead) {
    TempDir dir;
    for (const auto& [room, first, whole] :
         {std::array<int, 3>{150, 0, 0}, {200, 1, 0}, {550, 4, 3}, {1000, 9, 8}}) {
        const std::string path = dir.file(std::to_string(room));
        ASSERT_TRUE(unitOpen(40, path, OpenStatus::Unknown));
        UnitRecords records(40);
        {
            const FileSizeLimit limit(room);
            for (int k = 0; k < 10; ++k) {
                unitWriteRaw(40, std::string(99, 'x') + "\n");
                records.ended();
            }
            unitWrite(40, "past the disk's end");
            unitFlush(40);
        }
        const UnitRecords::Cut cut = records.cutAfter(2);
        EXPECT_EQ(cut.first, first) << room;
        EXPECT_EQ(cut.whole, whole) << room;
        unitClose(40);
    }
}

// A written file whose close fails (its descriptor closed behind the unit's back, as a file
// system that fails a close would) is not said to be written, though all of it reached the file.
TEST(Units, AFailedCloseIsAFailure) {
    TempDir dir;
    ASSERT_TRUE(unitOpen(40, dir.file("f"), OpenStatus::Unknown));
    unitWrite(40, "all of it");
    ASSERT_TRUE(unitFlush(40));
    ASSERT_TRUE(closeBehind(dir.file("f")));
    EXPECT_FALSE(unitClose(40));
    EXPECT_FALSE(unitIsOpen(40));
    EXPECT_EQ(readFile(dir.file("f")), "all of it\n");
}

// Rewinding an output unit: what its buffer holds reaches the file first; then the file is
// written again from its first byte, and the counts of bytes and records start again.
TEST(Units, RewindingAnOutputUnit) {
    TempDir dir;
    ASSERT_TRUE(unitOpen(40, dir.file("f"), OpenStatus::Unknown));
    UnitRecords before(40);
    for (const char* line : {"first line", "second line"}) {
        unitWrite(40, line);
        before.ended();
    }
    unitRewind(40);
    EXPECT_EQ(std::tuple(unitBytesHanded(40), unitBytesInFile(40), unitRecordsMarked(40)),
              std::tuple(0, 0, 0));
    EXPECT_EQ(readFile(dir.file("f")), "first line\nsecond line\n");
    UnitRecords after(40);
    unitWrite(40, "new");
    after.ended();
    EXPECT_TRUE(unitFlush(40));
    EXPECT_EQ(std::tuple(unitBytesHanded(40), unitBytesInFile(40), after.whole()),
              std::tuple(4, 4, 1));
    EXPECT_TRUE(unitClose(40));
    EXPECT_EQ(readFile(dir.file("f")), "new\nt line\nsecond line\n");
}

// What a file begins with, for the outputs that replace files of their own kind only: regular
// files alone are read, and a file shorter than the beginning does not begin with it.
TEST(Units, WhatARegularFileBeginsWith) {
    TempDir dir;
    dir.write("ps", "%!PS-Adobe-2.0\n");
    dir.write("short", "%");
    dir.write("empty", "");
    dir.write("later", " %!");
    const struct {
        const char* name;
        bool begins;
    } cases[] = {{"ps", true},     {"short", false},   {"empty", false},
                 {"later", false}, {"missing", false}, {"", false}};  // "": the folder
    for (const auto& c : cases)
        EXPECT_EQ(regularFileBeginsWith(dir.file(c.name), "%!"), c.begins) << c.name;
}

// The one-pass reading of short numbers agrees with the full parser, and integer fields with
// from_chars, on random fields of blanks, signs, digits and points, valid or not, anywhere in a
// line; the line, and the number given to the full parser, in storage that ends with them.
TEST(FixedColumns, FastReadingAgreesWithTheFullParser) {
    std::mt19937 rng(11);
    const std::string_view chars = "   +-..00123456789e/:\xb9";
    int valid = 0;
    for (int i = 0; i < 100000; ++i) {
        std::string field;
        const std::size_t width = 1 + rng() % 10;
        if (i % 2 == 0) {  // any characters
            while (field.size() < width) field += chars[rng() % chars.size()];
        } else {  // blanks, a sign, digits, a point, digits, blanks
            field.append(rng() % 3, ' ');
            if (rng() % 3 == 0) field += rng() % 2 ? '-' : '+';
            const auto digits = [&](std::size_t n) {
                for (; n > 0; --n) field += static_cast<char>('0' + rng() % 10);
            };
            digits(rng() % 5);
            if (rng() % 2) field += '.';
            digits(rng() % 5);
            field.append(rng() % 3, ' ');
        }
        // Within a line, maybe running into what follows or past its end.
        std::string line;
        for (std::size_t n = rng() % 12; n > 0; --n) line += chars[rng() % chars.size()];
        const int first = static_cast<int>(line.size()) + 1;
        const int w = static_cast<int>(field.size() + rng() % 3);
        line += field;
        for (std::size_t n = rng() % 12; n > 0; --n) line += chars[rng() % chars.size()];
        field = fixedField(line, first, w);
        std::string_view number = field;
        while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
        while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
        const ExactText exactLine(line), exactNumber(number);
        for (int decimals : {0, 2, 3}) {
            float fast = 99.0f, full = 0.0f;
            const bool fastOk = readFixedReal(exactLine.view(), first, w, decimals, fast);
            const bool fullOk =
                number.empty() || readRealNumber(exactNumber.view(), decimals, full);
            ASSERT_EQ(fastOk, fullOk) << "'" << field << "'";
            if (fastOk) {
                ASSERT_EQ(std::bit_cast<uint32_t>(fast), std::bit_cast<uint32_t>(full))
                    << "'" << field << "' " << decimals;
                ++valid;
            }
        }
        int32_t got = 99, want = 0;
        std::string_view digits = number;
        if (digits.size() > 1 && digits[0] == '+' && digits[1] != '-') digits.remove_prefix(1);
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), want);
        const bool wantOk = number.empty() || (ec == std::errc{} && end == digits.end());
        ASSERT_EQ(readFixedInt(exactLine.view(), first, w, got), wantOk) << "'" << field << "'";
        if (wantOk) {
            ASSERT_EQ(got, want) << "'" << field << "'";
        }
    }
    EXPECT_GT(valid, 100000);
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

}  // namespace
}  // namespace tensova::test

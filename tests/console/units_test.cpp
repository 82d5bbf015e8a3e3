// Reading lines from file units: every line-end convention, cut last lines, over-long lines.

#include "console/units.hpp"

#include <gtest/gtest.h>

#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova {
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

}  // namespace
}  // namespace tensova

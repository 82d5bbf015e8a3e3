// The header set-up and the correspondence dialog, called on their own.

#include <gtest/gtest.h>

#include <array>

#include "columns/column_setup.hpp"
#include "columns/correspondence.hpp"
#include "columns/header_lines.hpp"
#include "console/fields.hpp"
#include "console/text.hpp"
#include "console/units.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using Lines = std::vector<std::string>;
using test::findLine;

constexpr int32_t kUnit = 12;

class ColumnDialogs : public ::testing::Test {
  protected:
    void SetUp() override { readrealsetup = Readrealsetup{}; }
};

TEST_F(ColumnDialogs, HeaderDisplayMenuAndItsLimits) {
    test::InFolder here;
    const std::string wide(249, 'w');
    here.dir.write("h.txt", "'T' 'a' 'b'\n" + wide + "z\n1 2\n");
    ASSERT_TRUE(unitOpen(kUnit, "h.txt", OpenStatus::Old));
    // A negative count is refused; lowering the header below the title and names lines resets
    // them on leaving (two warning pauses).
    test::ConsoleCapture cap("110\n-1\n\n0\n99\n\n\n");
    int32_t ndisp = 3, iskip = 2, ititle = 1, iheader = 1;
    EXPECT_EQ(sfheader1(ndisp, iskip, ititle, iheader, fit("h.txt", 40), kUnit, 0), 0);
    EXPECT_EQ(std::make_tuple(ndisp, iskip, ititle, iheader), std::make_tuple(3, 0, 0, 0));
    EXPECT_EQ(std::make_tuple(readrealsetup.ndisp, readrealsetup.iskip, readrealsetup.ititle,
                              readrealsetup.iheader),
              std::make_tuple(3, 0, 0, 0));
    const Lines out = cap.lines();
    const int first = findLine(out, " ==>Line nb:   1 = Header: Title ===========");
    ASSERT_GE(first, 0);
    EXPECT_EQ(Lines(out.begin() + first, out.begin() + first + 8),
              (Lines{" ==>Line nb:   1 = Header: Title ===========",
                     " ==>Line nb:   1 = Header: Column names ====", " 'T' 'a' 'b'",
                     " ==>Line nb:   2 = Header to skip ==========", " " + wide.substr(0, 100),
                     " " + wide.substr(100, 100), " " + wide.substr(200) + "z",
                     " ==>Line nb:   3 = Data ===================="}));
    EXPECT_GE(findLine(out, " outside [0,99999]"), 0);
    EXPECT_GE(findLine(out, " ititle =   1 > iskip =   0"), 0);
    EXPECT_GE(findLine(out, " ===> RESET iheader =   0"), 0);

    // A file shorter than the display ends it with a warning, rewound.
    EXPECT_EQ(showfhead1(fit("h.txt", 40), kUnit, 5, 2, 1, 2), 1);
    EXPECT_GE(findLine(cap.lines(), " REACHED END OF FILE"), 0);
    std::string line;
    ASSERT_EQ(unitReadLine(kUnit, line), ReadResult::Ok);
    EXPECT_EQ(line, "'T' 'a' 'b'");
}

// The correspondence dialog at an edit level on the caller's entries, with no file open.
struct Correspondence {
    std::array<int32_t, 99> jcola{};
    std::array<int32_t, 99> jfcola{};
    std::array<std::string, 99> namvara;
    std::array<std::string, 2> namrcol{fit("", 10), fit("", 10)};
    int32_t nvar = 2;
    int32_t ncolmax = 0;
    Correspondence() {
        namvara.fill(fit("", 10));
        namvara[0] = fit("X-long", 10);
        namvara[1] = fit("Y-lat", 10);
        jcola[0] = jfcola[0] = 1;
        jcola[1] = jfcola[1] = 2;
    }
    Lines run(const std::string& keyboard, int32_t ilevel, int32_t capacity = 2) {
        test::ConsoleCapture cap(keyboard);
        const auto n = static_cast<std::size_t>(capacity);
        EXPECT_EQ(scol2var2(std::span(jcola).first(n), std::span(jfcola).first(n),
                            std::span(namvara).first(n), nvar, namrcol, ncolmax, 2, "p.txt", kUnit,
                            ilevel, 0),
                  0);
        return cap.lines();
    }
};

// Pauses of the boxes and the menu all take the same answer: the exit.
std::string exits(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "99\n";
    return s;
}

TEST_F(ColumnDialogs, ColumnsAndCountsOutOfRangeAreReset) {
    Correspondence c;
    c.jfcola = {120, -3};
    c.jcola = {0, 5};
    c.run(exits(12), 1);
    EXPECT_EQ(std::make_pair(c.jfcola[0], c.jfcola[1]), std::make_pair(1, 1));
    EXPECT_EQ(std::make_pair(c.jcola[0], c.jcola[1]), std::make_pair(1, 2));
    EXPECT_EQ(c.ncolmax, 2);
    EXPECT_EQ(c.namrcol, (std::array<std::string, 2>{"File.col.1", "File.col.1"}));
    EXPECT_EQ(std::make_tuple(readrealsetup.nvar, readrealsetup.nfcol, readrealsetup.jcol[1]),
              std::make_tuple(2, 1, 2));
    for (const int32_t count : {-4, 7}) {
        Correspondence d;
        d.nvar = count;
        const Lines out = d.run(exits(12), 1);
        EXPECT_EQ(d.nvar, count < 0 ? 0 : 2);
        EXPECT_GE(findLine(out, " Trying to set nvar = " + fmtI(count, 3) + " variables"), 0);
    }
}

TEST_F(ColumnDialogs, EditLevels) {
    // Level 0: rows without entry numbers; an entry number only shows the menu again.
    Correspondence c;
    Lines out = c.run("\n\n1\n\n99\n", 0);
    EXPECT_GE(findLine(out, " | 2|Y-lat     | 2|File.col.2| 2|File.col.2|"), 0);
    EXPECT_EQ(findLine(out, " Enter New file column nb"), -1);
    // Level 4: one more variable takes its defaults, the others keep theirs; then the last
    // one is moved to file column 7 and named.
    Correspondence d;
    d.jfcola[1] = 5;
    out = d.run("\n\n200\n3\n\n3\nDepth\n2\n7\n\n99\n", 4, 3);
    EXPECT_EQ(d.nvar, 3);
    EXPECT_EQ(d.jfcola[1], 5);
    EXPECT_EQ(std::make_tuple(d.jcola[2], d.jfcola[2], d.namvara[2]),
              std::make_tuple(2, 7, fit("Depth", 10)));
    EXPECT_EQ(readrealsetup.namvar[2], fit("Depth", 11));
    EXPECT_EQ(readrealsetup.nfcol, 7);
    // 99 variables: 99 leaves the menu rather than naming the last one.
    Correspondence e;
    e.nvar = 99;
    for (int k = 0; k < 99; ++k)
        e.jcola[static_cast<std::size_t>(k)] = 1, e.jfcola[static_cast<std::size_t>(k)] = k + 1;
    e.run("\n\n99\n", 1, 99);
    EXPECT_EQ(readrealsetup.nvar, 99);
}

}  // namespace
}  // namespace tensova

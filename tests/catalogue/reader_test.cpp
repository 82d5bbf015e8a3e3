// The reader's summary of the tests in force, with settings no menu can make yet.

#include "catalogue/reader.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "catalogue/selection_tests.hpp"
#include "catalogue/store.hpp"
#include "console/files.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using Lines = std::vector<std::string>;

// Reads the three hand-made events with the settings `set` and returns the tests table: the
// lines from its head row to the rule before the parameters table, or the line saying that
// no test is made.
Lines testsTable(const std::function<void(Seistest2&)>& set) {
    test::TempDir dir;
    dir.write("three.ndk", test::readFile(std::string(TENSOVA_TEST_DATA) + "/three.ndk"));
    test::ConsoleCapture cap("1001\n" + dir.file("three.ndk") + "\n");
    trigoset();
    initfio(1, 2);
    gcmtreadex1(1, 5);
    set(seistest2);
    gcmtreadex1(1, 0);
    const Lines lines = cap.lines();
    const std::string dashes = " " + std::string(43, '-');
    Lines table;
    bool in = false;
    for (const std::string& l : lines) {
        if (l == " |   Test on: |       Mini |       Maxi |") in = true;
        if (l == " |  Parameter |       Read |   Retained |") break;
        if ((in && l != dashes) || l == " No test => retain all data") table.push_back(l);
    }
    return table;
}

TEST(ReaderSummary, EveryTestInForceIsShown) {
    const Lines table = testsTable([](Seistest2& t) {
        t.ltest = t.ltestpoly = t.ltestlat = t.ltestlong = t.ltestdep = t.ltestfro = true;
        t.ltestrak = {true, true, true};
        t.lrak2pl = true;
        t.lgrcircle = false;
        t.latmin = -45.5f;
        t.rakint[1] = {10.0f, 20.0f};
        t.rakint[2] = {-170.25f, -150.0f};
    });
    const Lines want = {
        " |   Test on: |       Mini |       Maxi |", " |    Polygon |          1 |          3 |",
        " |     Bounds |   straight |      lines |", " |  Latitude  |    -45.500 |     90.000 |",
        " |  Longitude |   -180.000 |    180.000 |", " |  Depth     |      0.000 |     50.000 |",
        " |  Rake test |     Planes |    1 AND 2 |", " |  Rake int1 |   -180.000 |    180.000 |",
        " |  Rake int2 |     10.000 |     20.000 |", " |  Rake int3 |   -170.250 |   -150.000 |",
        " |    |fclvd| |      0.000 |      0.200 |", " |       Erel |      0.000 |      0.150 |",
        " |      Nfree |          6 |          6 |",
    };
    EXPECT_EQ(table, want);
}

TEST(ReaderSummary, TestsTableCases) {
    struct Case {
        const char* what;
        std::function<void(Seistest2&)> set;
        Lines rows;  // below the head row
    };
    const Case cases[] = {
        {"general switch alone", [](Seistest2& t) { t.ltest = true; }, {}},
        {"third rake interval without the second",
         [](Seistest2& t) {
             t.ltest = true;
             t.ltestrak = {true, false, true};
         },
         {" |  Rake test |     Planes |     1 OR 2 |", " |  Rake int1 |   -180.000 |    180.000 |",
          " |  Rake int3 |   -180.000 |    180.000 |"}},
        {"rake intervals without the first",
         [](Seistest2& t) {
             t.ltest = true;
             t.ltestrak = {false, true, true};
         },
         {}},
        {"great-circle polygon",
         [](Seistest2& t) { t.ltest = t.ltestpoly = true; },
         {" |    Polygon |          1 |          3 |",
          " |     Bounds |      great |    circles |"}},
    };
    for (const Case& c : cases) {
        Lines want = {" |   Test on: |       Mini |       Maxi |"};
        want.insert(want.end(), c.rows.begin(), c.rows.end());
        EXPECT_EQ(testsTable(c.set), want) << c.what;
    }
}

TEST(ReaderSummary, NoTestLine) {
    EXPECT_EQ(testsTable([](Seistest2&) {}), Lines{" No test => retain all data"});
}

TEST(ReaderSetUp, ModeFiveEmptiesTheStoreAndClearsTheSwitches) {
    test::ConsoleCapture cap("4\ny\n5\ny\n99\n99\n");
    trigoset();
    initfio(1, 2);
    gcmtreadex1(1, 5);
    gcmtreadex1(1, 0);  // both switches on, then leave
    gcmtblk.count = 12;
    gcmtblk.dataType = kDekData;
    gcmtreadex1(1, 5);
    EXPECT_EQ(gcmtblk.count, 0);
    EXPECT_EQ(gcmtblk.dataType, kNoData);
    gcmtreadex1(1, 0);  // leave at once
    Lines switches;
    for (const std::string& l : cap.lines())
        if (l.rfind(" WRITE ", 0) == 0) switches.push_back(l.substr(l.size() - 1));
    // Menu passes: at the start, after 4, after 5, and after the new set-up.
    EXPECT_EQ(switches, (Lines{"F", "F", "T", "F", "T", "T", "F", "F"}));
}

}  // namespace
}  // namespace tensova

// Selecting events as a user does it: from the main menu into the reader, its selection menu,
// a typed polygon and a latitude band, the read and its summary, the listing; then the same
// from command files. The end of the input at each question of the selection is among the
// waiting points of the menu tests; boxes of polygon files and contours are shown in full by the
// selection menu's own tests.

#include <gtest/gtest.h>

#include "catalogue/catalogue_samples.hpp"
#include "console/text.hpp"
#include "e2e/session.hpp"

namespace tensova {
namespace {

using test::Lines;
using test::Session;

// Seven events (latitude, longitude) around the quadrangle of corners (0, 10), (60, 10),
// (60, 40), (0, 40) (longitude, latitude). With great-circle edges its lower edge runs at
// 11.5 degrees north at longitude 30 and its upper edge at 44.1.
std::string sevenEvents() {
    std::string s;
    for (const auto& [lat, lon] : std::vector<std::pair<double, double>>{
             {20, 20}, {35, 30}, {11, 30}, {42, 30}, {25, 50}, {20, 70}, {-5, 30}})
        s += test::ndkAt(lat, lon);
    return s;
}

// The rows of the tests table below its head.
Lines testsRows(const Lines& lines) {
    Lines rows;
    const int head = test::findLine(lines, " |   Test on: |       Mini |       Maxi |");
    if (head < 0) return rows;
    for (auto l = lines.begin() + head + 2; l != lines.end() && l->rfind(" |", 0) == 0; ++l)
        rows.push_back(*l);
    return rows;
}

// Rows of the listing that hold the given whole-degree latitude and longitude.
int listed(const Lines& lines, int lat, int lon) {
    char cell[40];
    std::snprintf(cell, sizeof cell, "| %3d. | %4d. |", lat, lon);
    int n = 0;
    for (const std::string& l : lines) n += l.find(cell) != std::string::npos;
    return n;
}

TEST(SelectionRun, TypedPolygonAndLatitudeBandKeepExactlyTheEventsInside) {
    const Session s(
        "\n1000\n100\n10\ny\n100\ny\n110\n-10\n41\n250\ny\n253\n4\n"
        "261\n0\n10\n262\n60\n10\n263\n60\n40\n264\n0\n40\n99\n1001\ncat.ndk\n1100\n9999\n",
        {{"cat.ndk", sevenEvents()}});
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(testsRows(s.lines), (Lines{" |    Polygon |          1 |          4 |",
                                         " |     Bounds |      great |    circles |",
                                         " |  Latitude  |    -10.000 |     41.000 |"}));
    EXPECT_GE(s.find(" | Nb of data |          7 |          3 |"), 0);
    EXPECT_GE(s.find(" | Lat   maxi |     42.000 |     35.000 |"), 0);
    EXPECT_GE(s.find(" | Long  mini |     20.000 |     20.000 |"), 0);
    // Kept: the three inside both. Refused: below the lower edge though above its parallel,
    // above the latitude band though inside the polygon, east of it, south of it.
    EXPECT_EQ(listed(s.lines, 20, 20) + listed(s.lines, 35, 30) + listed(s.lines, 25, 50), 3);
    EXPECT_EQ(listed(s.lines, 11, 30) + listed(s.lines, 42, 30) + listed(s.lines, 20, 70) +
                  listed(s.lines, -5, 30),
              0);
}

TEST(SelectionRun, WholeSessionFromACommandFileEndedByItsQuit) {
    // The file answers every question, file names included, and quits the run with the Si-Sh
    // file it opened still open: the quit closes it after the command file.
    const Session s("\n5000\n5001\ncmds.txt\n",
                    {{"cat.ndk", sevenEvents()},
                     {"poly.txt", "3 1\n0 0\n60 0\n0 60\n"},
                     {"cmds.txt",
                      "13\nsish.txt\n1000\n100\n10\ny\n250\ny\n252\npoly.txt\n200\ny\n210\n25\n"
                      "180\n99\n1001\ncat.ndk\n1100\n5000\n5003\n"}});
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(testsRows(s.lines), (Lines{" |    Polygon |          1 |          3 |",
                                         " |     Bounds |      great |    circles |",
                                         " |  Longitude |     25.000 |    180.000 |"}));
    // East of 25 and inside the triangle, whose third edge runs at 45 degrees north at
    // longitude 30: (35, 30), (11, 30) and (42, 30). (20, 20) lies west of 25.
    EXPECT_GE(s.find(" | Nb of data |          7 |          3 |"), 0);
    EXPECT_EQ(listed(s.lines, 35, 30) + listed(s.lines, 11, 30) + listed(s.lines, 42, 30), 3);
    // Menus and prompts stay short while the file runs.
    EXPECT_EQ(s.find(" WHAT IS TO BE TESTED ? (Angles in degrees) "), -1);
    const int ended = s.find(" Command file cmds.txt closed");
    const int closed = s.find(" OUTPUT FILE " + fit("sish.txt", 40) + " CLOSED");
    ASSERT_GT(ended, 0);
    ASSERT_GT(closed, ended);
    EXPECT_GE(s.find(" @ PROGRAM tensova", closed), 0);
}

TEST(SelectionRun, InconsistentContourInACommandFileProceeds) {
    // The two boxes pause on the keyboard while the file runs.
    const Session s(
        "\n5000\n5001\ncmds.txt\n\n\n9999\n",
        {{"cmds.txt",
          "1000\n100\n250\ny\n253\n4\n261\n0\n0\n262\n10\n5\n263\n10\n5\n264\n0\n10\n99\n"
          "99\n5000\n5002\n"}});
    EXPECT_EQ(s.result.status, 0);
    const int warn = s.find(" PROBLEM IN POLYGON CONTOUR");
    ASSERT_GE(warn, 0);
    EXPECT_EQ(s.at(warn + 1), " => PROCEEDING WITH COMMAND FILE");
    EXPECT_EQ(s.count(" NEED TO FIX POLYGON CONTOUR"), 0);
    EXPECT_EQ(s.count(" INCONSISTENT CONTOUR:"), 1);
    EXPECT_GE(s.find(" @ subroutine gcmtreadex1", warn), 0);  // back in the reader
    EXPECT_GE(s.find(" Command file cmds.txt closed", warn), 0);
}

}  // namespace
}  // namespace tensova

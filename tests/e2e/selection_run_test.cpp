// Selecting events as a user does it: from the main menu into the reader, its selection menu,
// a polygon typed or read from a file, the read and its summary, the listing; then the same
// from command files, and the end of the input at each question of the selection.

#include <gtest/gtest.h>

#include <chrono>

#include "catalogue/catalogue_samples.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using test::countLines;
using test::findLine;
using test::runTensova;
using test::splitLines;
using test::TempDir;
using Lines = std::vector<std::string>;

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

// The rows of the tests table below its head, or the line that says no test is made.
Lines testsRows(const Lines& lines) {
    Lines rows;
    const int head = findLine(lines, " |   Test on: |       Mini |       Maxi |");
    if (head < 0) {
        if (findLine(lines, " No test => retain all data") >= 0) rows.push_back("none");
        return rows;
    }
    for (int i = head + 2; i < static_cast<int>(lines.size()); ++i) {
        if (lines[static_cast<std::size_t>(i)].rfind(" |", 0) != 0) break;
        rows.push_back(lines[static_cast<std::size_t>(i)]);
    }
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
    TempDir dir;
    dir.write("cat.ndk", sevenEvents());
    const auto r = runTensova(
        "\n1000\n100\n10\ny\n100\ny\n110\n-10\n41\n250\ny\n253\n4\n"
        "261\n0\n10\n262\n60\n10\n263\n60\n40\n264\n0\n40\n99\n1001\ncat.ndk\n1100\n9999\n",
        dir.path());
    EXPECT_EQ(r.status, 0);
    const Lines lines = splitLines(r.out);
    EXPECT_EQ(testsRows(lines), (Lines{" |    Polygon |          1 |          4 |",
                                       " |     Bounds |      great |    circles |",
                                       " |  Latitude  |    -10.000 |     41.000 |"}));
    EXPECT_GE(findLine(lines, " | Nb of data |          7 |          3 |"), 0);
    EXPECT_GE(findLine(lines, " | Lat   maxi |     42.000 |     35.000 |"), 0);
    EXPECT_GE(findLine(lines, " | Long  mini |     20.000 |     20.000 |"), 0);
    // Kept: the three inside both. Refused: below the lower edge though above its parallel,
    // above the latitude band though inside the polygon, east of it, south of it.
    EXPECT_EQ(listed(lines, 20, 20) + listed(lines, 35, 30) + listed(lines, 25, 50), 3);
    EXPECT_EQ(listed(lines, 11, 30) + listed(lines, 42, 30) + listed(lines, 20, 70) +
                  listed(lines, -5, 30),
              0);
}

TEST(SelectionRun, PolygonFileWithStraightEdges) {
    TempDir dir;
    dir.write("cat.ndk", sevenEvents());
    dir.write("poly.txt", "4 0\n0 10\n60 10\n60 40\n0 40\n");
    const auto r = runTensova(
        "\n1000\n100\n10\ny\n250\ny\n252\npoly.txt\n99\n1001\ncat.ndk\n1100\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const Lines lines = splitLines(r.out);
    const int read = findLine(lines, " Actually read   :      4 vertices");
    ASSERT_GE(read, 0);
    EXPECT_EQ(lines[static_cast<std::size_t>(read - 2)], " Polygon file poly.txt is closed");
    // The menu after the file shows its vertices and kind.
    EXPECT_GE(findLine(lines, "   60.000   40.000 ...........263", read), 0);
    EXPECT_GE(findLine(lines, " lat-long polygon ............251 T", read), 0);
    EXPECT_EQ(testsRows(lines), (Lines{" |    Polygon |          1 |          4 |",
                                       " |     Bounds |   straight |      lines |"}));
    EXPECT_GE(findLine(lines, " | Nb of data |          7 |          4 |"), 0);
    EXPECT_EQ(listed(lines, 20, 20) + listed(lines, 35, 30) + listed(lines, 11, 30) +
                  listed(lines, 25, 50),
              4);
    EXPECT_EQ(listed(lines, 42, 30) + listed(lines, 20, 70) + listed(lines, -5, 30), 0);
}

TEST(SelectionRun, PolygonTroublesGetTheirBoxesAndTheRunGoesOn) {
    TempDir dir;
    dir.write("cat.ndk", sevenEvents());
    std::string big = "12 1\n";
    for (int k = 0; k < 12; ++k) big += std::to_string(k) + ",1\n";
    dir.write("big.txt", big);
    dir.write("bad.txt", "3 1\n0 0\n1 O\n");
    // A missing file (its box pause, then the name again), a file of 12 vertices (box pause),
    // a file with a letter in vertex 2 (box pause), then four typed vertices of which the
    // second and third are equal: leaving gives the contour box and the warning (two pauses)
    // and the menu again, where the third vertex is mended.
    const auto r = runTensova(
        "\n1000\n100\n10\ny\n250\ny\n252\nmissing.txt\n\nbig.txt\n\n252\nbad.txt\n\n"
        "253\n4\n261\n0\n0\n262\n10\n5\n263\n10\n5\n264\n0\n10\n99\n\n\n263\n10\n10\n99\n"
        "1001\ncat.ndk\n9999\n",
        dir.path());
    EXPECT_EQ(r.status, 0);
    const Lines lines = splitLines(r.out);
    EXPECT_EQ(countLines(lines, " COULD NOT OPEN FILE missing.txt" + std::string(24, ' ')), 1);
    EXPECT_EQ(countLines(lines, " Read number of vertices =     12"), 1);
    EXPECT_EQ(countLines(lines, " Actually read   :      9 vertices"), 1);
    EXPECT_EQ(countLines(lines, " Error while reading data # =      2"), 1);
    EXPECT_EQ(countLines(lines, " RESETTING # vertices =      0"), 1);
    EXPECT_EQ(countLines(lines, " INCONSISTENT CONTOUR:"), 1);
    EXPECT_EQ(countLines(lines, "        2   10.000    5.000"), 1);
    EXPECT_EQ(countLines(lines, " => BACK TO INTERACTIVE MENU"), 1);
    EXPECT_EQ(testsRows(lines), (Lines{" |    Polygon |          1 |          4 |",
                                       " |     Bounds |      great |    circles |"}));
    EXPECT_GE(findLine(lines, " | Nb of data |          7 |          0 |"), 0);
}

TEST(SelectionRun, CommandFileEndingAtThePolygonFileNameHandsItToTheKeyboard) {
    TempDir dir;
    dir.write("cmds.txt", "1000\n100\n250\ny\n252\n");
    dir.write("poly.txt", "4 1\n0 10\n60 10\n60 40\n0 40\n");
    const auto r = runTensova("\n5000\n5001\ncmds.txt\npoly.txt\n99\n99\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const Lines lines = splitLines(r.out);
    const int ended = findLine(lines, " Command file cmds.txt closed");
    ASSERT_GE(ended, 0);
    // The question of the name is asked again at the keyboard, and the file read from there.
    EXPECT_EQ(lines[static_cast<std::size_t>(ended + 4)], " Enter polygon input file name");
    EXPECT_GT(findLine(lines, " Actually read   :      4 vertices"), ended);
}

TEST(SelectionRun, CommandFileEndingAtAMenuAnswerHandsItToTheKeyboard) {
    TempDir dir;
    dir.write("cat.ndk", sevenEvents());
    dir.write("cmds.txt", "1000\n100\n10\ny\n100\ny\n110\n30\n90\n");
    const auto r = runTensova("\n5000\n5001\ncmds.txt\n99\n1001\ncat.ndk\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const Lines lines = splitLines(r.out);
    const int ended = findLine(lines, " Command file cmds.txt closed");
    ASSERT_GE(ended, 0);
    // The menu's question is asked again at the keyboard, in full.
    EXPECT_EQ(lines[static_cast<std::size_t>(ended + 4)], " Enter your choice");
    EXPECT_EQ(lines[static_cast<std::size_t>(ended + 6)], " Default =           99");
    EXPECT_EQ(testsRows(lines), Lines{" |  Latitude  |     30.000 |     90.000 |"});
    EXPECT_GE(findLine(lines, " | Nb of data |          7 |          2 |"), 0);
}

TEST(SelectionRun, WholeSessionFromACommandFile) {
    TempDir dir;
    dir.write("cat.ndk", sevenEvents());
    dir.write("poly.txt", "3 1\n0 0\n60 0\n0 60\n");
    // The file answers every question, file names included, and quits the run.
    dir.write("cmds.txt",
              "1000\n100\n10\ny\n250\ny\n252\npoly.txt\n200\ny\n210\n25\n180\n99\n1001\n"
              "cat.ndk\n1100\n5000\n5003\n");
    const auto r = runTensova("\n5000\n5001\ncmds.txt\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const Lines lines = splitLines(r.out);
    EXPECT_EQ(testsRows(lines), (Lines{" |    Polygon |          1 |          3 |",
                                       " |     Bounds |      great |    circles |",
                                       " |  Longitude |     25.000 |    180.000 |"}));
    // East of 25 and inside the triangle, whose third edge runs at 45 degrees north at
    // longitude 30: (35, 30), (11, 30) and (42, 30). (20, 20) lies west of 25.
    EXPECT_GE(findLine(lines, " | Nb of data |          7 |          3 |"), 0);
    EXPECT_EQ(listed(lines, 35, 30) + listed(lines, 11, 30) + listed(lines, 42, 30), 3);
    // Menus and prompts stay short while the file runs.
    EXPECT_EQ(findLine(lines, " WHAT IS TO BE TESTED ? (Angles in degrees) "), -1);
    EXPECT_GE(findLine(lines, " @ PROGRAM tensova"), 0);
}

TEST(SelectionRun, InconsistentContourInACommandFileProceeds) {
    TempDir dir;
    dir.write("cmds.txt",
              "1000\n100\n250\ny\n253\n4\n261\n0\n0\n262\n10\n5\n263\n10\n5\n264\n0\n10\n99\n"
              "99\n5000\n5002\n");
    // The two boxes pause on the keyboard while the file runs.
    const auto r = runTensova("\n5000\n5001\ncmds.txt\n\n\n9999\n", dir.path());
    EXPECT_EQ(r.status, 0);
    const Lines lines = splitLines(r.out);
    const int warn = findLine(lines, " PROBLEM IN POLYGON CONTOUR");
    ASSERT_GE(warn, 0);
    EXPECT_EQ(lines[static_cast<std::size_t>(warn + 1)], " => PROCEEDING WITH COMMAND FILE");
    EXPECT_EQ(countLines(lines, " NEED TO FIX POLYGON CONTOUR"), 0);
    EXPECT_EQ(countLines(lines, " INCONSISTENT CONTOUR:"), 1);
    EXPECT_GE(findLine(lines, " @ subroutine gcmtreadex1", warn), 0);  // back in the reader
    EXPECT_GE(findLine(lines, " Command file cmds.txt closed", warn), 0);
}

TEST(SelectionRun, EndOfKeyboardInputStopsAtEveryQuestion) {
    const std::string badContour =
        "250\ny\n253\n4\n261\n0\n0\n262\n10\n5\n263\n10\n5\n264\n0\n10\n99\n";
    struct Case {
        const char* what;
        std::string input;  // after the banner, 1000 and 100
        const char* before;
    };
    const Case cases[] = {
        {"menu", "", " Enter your choice"},
        {"yes/no", "10\n", " activate test ?"},
        {"bounds", "110\n5\n", " Enter maximum latitude"},
        {"polygon file name", "252\n", " Choose polygon input file name"},
        {"retry of a missing file", "252\nnope.txt\n", " ===> RETRYING"},
        {"refused vertex count", "253\n2\n\n", " outside [3,9]"},
        {"refused contour", badContour, " => BACK TO INTERACTIVE MENU"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto start = std::chrono::steady_clock::now();
        const auto r = runTensova("\n1000\n100\n" + c.input, dir.path(), 10);
        const double secs =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ASSERT_FALSE(r.timedOut) << c.what;
        EXPECT_LT(secs, 2.0) << c.what;
        EXPECT_EQ(r.status, 1) << c.what;
        const Lines lines = splitLines(r.out);
        ASSERT_GE(lines.size(), 2u) << c.what;
        EXPECT_EQ(lines[lines.size() - 2], " END OF INPUT") << c.what;
        EXPECT_EQ(lines.back(), " ===> STOPPING EXECUTION") << c.what;
        EXPECT_GE(findLine(lines, c.before), 0) << c.what;
    }
}

}  // namespace
}  // namespace tensova

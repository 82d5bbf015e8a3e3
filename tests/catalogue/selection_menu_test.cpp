// The selection-test menu as a user answers it: its body, each entry, the polygon file and the
// contour check on leaving.

#include <gtest/gtest.h>

#include <functional>

#include "catalogue/selection_tests.hpp"
#include "console/console.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using Lines = std::vector<std::string>;
using test::countLines;
using test::findLine;

const std::string kHead = " @ subroutine setseistest";

// Gives the tests their defaults, lets `set` change them, then runs the menu in `mode` on the
// keyboard text; returns what it printed from the menu on.
Lines runMenu(const std::string& keyboard, const std::function<void(Seistest2&)>& set = {},
              int32_t mode = 2) {
    test::ConsoleCapture cap(keyboard);
    trigoset();
    setseistest6(5);
    if (set) set(seistest2);
    const std::size_t before = cap.lines().size();
    setseistest6(mode);
    const Lines all = cap.lines();
    return Lines(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
}

// The menu body of the first pass: from the line after the head to the closing rule.
Lines firstBody(const Lines& lines) {
    const int exit = findLine(lines, " EXIT .........................99");
    if (exit < 0) return {};
    return Lines(lines.begin() + 3, lines.begin() + exit + 2);
}

TEST(SelectionMenu, BodyShowsTheLinesOfEachTestSwitchedOn) {
    const Lines everyOn = firstBody(runMenu("99\n", [](Seistest2& t) {
        t.ltest = t.ltestlat = t.ltestlong = t.ltestpoly = t.ltestdep = t.ltestfro = true;
        t.ltestrak = {true, true, true};
        t.latmin = -12.5f;
        t.rakint[2] = {-180.0f, -150.0f};
        t.vrtxlong[2] = -179.25f;
    }));
    const Lines wantOn = {
        " -------------------------------------------",
        " WHAT IS TO BE TESTED ? (Angles in degrees) ",
        " -------------------------------------------",
        " general test switch ..........10 T",
        " --------------------------------",
        " test latitude ...............100 T",
        " latitude mini ...............110  -12.500",
        " latitude maxi ...............110   90.000",
        " --------------------------------",
        " test longitude ..............200 T",
        " longitude mini ..............210 -180.000",
        " longitude maxi ..............210  180.000",
        " --------------------------------",
        " test polygon ................250 T",
        " great circle polygon ........251 T",
        " lat-long polygon ............251 F",
        " min number of vertices ........:      3",
        " max number of vertices ........:      9",
        " read polygon from file ......252",
        " number of vertices ..........253      3",
        " - - - - - - - - - - - - - - - - ",
        " longitud latitude .......command",
        "    0.000    0.000 ...........261",
        "    0.000   60.000 ...........262",
        " -179.250    0.000 ...........263",
        " --------------------------------",
        " test depth ..................300 T",
        " depth mini ..................310    0.000",
        " depth maxi ..................310   50.000",
        " --------------------------------",
        " test rake on both planes.....501 F",
        " test union of intervals 1,2,3",
        " test rake interval 1 ........500 T",
        " rake mini interval 1.........510 -180.000",
        " rake maxi interval 1.........510  180.000",
        " test rake interval 2.........520 T",
        " rake mini interval 2.........530 -180.000",
        " rake maxi interval 2.........530  180.000",
        " test rake interval 3.........540 T",
        " rake mini interval 3.........550 -180.000",
        " rake maxi interval 3.........550 -150.000",
        " --------------------------------",
        " test Frohlich quality........600 T",
        " fclvd maxi ..................610    0.200",
        " moment relative error maxi ..620    0.150",
        " moment free components min ..630      6",
        " -------------------------------------------",
        " EXIT .........................99",
        " -------------------------------------------",
    };
    EXPECT_EQ(everyOn, wantOn);

    const Lines wantOff = {
        " -------------------------------------------",
        " WHAT IS TO BE TESTED ? (Angles in degrees) ",
        " -------------------------------------------",
        " general test switch ..........10 F",
        " --------------------------------",
        " test latitude ...............100 F",
        " test longitude ..............200 F",
        " test polygon ................250 F",
        " test depth ..................300 F",
        " test rake on both planes.....501 F",
        " test union of intervals 1,2,3",
        " test rake interval 1 ........500 F",
        " test rake interval 2.........520 F",
        " test rake interval 3.........540 F",
        " test Frohlich quality........600 F",
        " -------------------------------------------",
        " EXIT .........................99",
        " -------------------------------------------",
    };
    EXPECT_EQ(firstBody(runMenu("99\n")), wantOff);
    // One rake interval on is enough for the rule under the rake lines.
    const Lines one = firstBody(runMenu("99\n", [](Seistest2& t) { t.ltestrak[1] = true; }));
    EXPECT_EQ(one[one.size() - 5], " --------------------------------");
}

TEST(SelectionMenu, WithoutLevelTwoOnlyTheHeadAndTheQuestionShow) {
    test::ConsoleCapture cap("\n");
    trigoset();
    setseistest6(5);
    iocom.lwito[1] = false;
    const std::size_t before = cap.lines().size();
    setseistest6(2);
    const Lines lines = cap.lines();
    const Lines want = {" @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@", kHead,
                        " @==========================================", " Enter your choice",
                        " New value =            99"};
    EXPECT_EQ(Lines(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()), want);
}

TEST(SelectionMenu, EachEntrySetsItsField) {
    struct Case {
        const char* answers;  // before the closing 99
        std::function<bool(const Seistest2&)> holds;
    };
    const Case cases[] = {
        {"10\ny\n", [](const Seistest2& t) { return t.ltest; }},
        {"100\n1\n", [](const Seistest2& t) { return t.ltestlat; }},
        {"110\n-12.5\n40\n",
         [](const Seistest2& t) { return t.latmin == -12.5f && t.latmax == 40; }},
        {"200\nY\n", [](const Seistest2& t) { return t.ltestlong; }},
        // A window across the date line is stored as typed.
        {"210\n170\n-170\n",
         [](const Seistest2& t) { return t.lonmin == 170 && t.lonmax == -170; }},
        {"250\ny\n", [](const Seistest2& t) { return t.ltestpoly; }},
        {"251\nn\n", [](const Seistest2& t) { return !t.lgrcircle; }},
        {"253\n9\n", [](const Seistest2& t) { return t.nvrtx == 9; }},
        {"262\n-170.5\n\n",
         [](const Seistest2& t) { return t.vrtxlong[1] == -170.5f && t.vrtxlat[1] == 60.0f; }},
        {"253\n4\n264\n30\n45\n",
         [](const Seistest2& t) {
             return t.nvrtx == 4 && t.vrtxlong[3] == 30 && t.vrtxlat[3] == 45;
         }},
        {"300\ny\n", [](const Seistest2& t) { return t.ltestdep; }},
        {"310\n5\n700\n", [](const Seistest2& t) { return t.depmin == 5 && t.depmax == 700; }},
        {"501\ny\n", [](const Seistest2& t) { return t.lrak2pl; }},
        {"500\ny\n", [](const Seistest2& t) { return t.ltestrak[0]; }},
        {"510\n150\n-150\n",
         [](const Seistest2& t) {
             return t.rakint[0] == std::array<float, 2>{150, -150};
         }},
        {"520\ny\n", [](const Seistest2& t) { return t.ltestrak[1]; }},
        {"530\n-10\n10\n",
         [](const Seistest2& t) {
             return t.rakint[1] == std::array<float, 2>{-10, 10};
         }},
        {"540\ny\n", [](const Seistest2& t) { return t.ltestrak[2]; }},
        {"550\n-180\n-150\n",
         [](const Seistest2& t) {
             return t.rakint[2] == std::array<float, 2>{-180, -150};
         }},
        {"600\ny\n", [](const Seistest2& t) { return t.ltestfro; }},
        {"610\n0.1\n", [](const Seistest2& t) { return t.fclvdmax == 0.1f; }},
        {"620\n0.3\n", [](const Seistest2& t) { return t.erelmax == 0.3f; }},
        {"630\n4\n", [](const Seistest2& t) { return t.nfreemin == 4; }},
        // Empty answers keep every value.
        {"110\n\n\n630\n\n10\n\n",
         [](const Seistest2& t) {
             return t.latmin == -90 && t.latmax == 90 && t.nfreemin == 6 && !t.ltest;
         }},
    };
    for (const Case& c : cases) {
        const Lines lines = runMenu(std::string(c.answers) + "99\n");
        EXPECT_TRUE(c.holds(seistest2)) << c.answers;
        EXPECT_EQ(countLines(lines, " ===> HIT RETURN TO CONTINUE"), 0) << c.answers;
    }
}

TEST(SelectionMenu, VertexEntriesAndTheirCount) {
    // 260 and an entry above the vertex count show the menu again and ask nothing.
    Lines lines = runMenu("260\n264\n0\n99\n");
    EXPECT_EQ(countLines(lines, kHead), 4);
    EXPECT_EQ(findLine(lines, " vertex number ="), -1);

    lines = runMenu("263\n1\n2\n99\n");
    const int at = findLine(lines, " vertex number =      3");
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines[at + 2], " Enter longitude");

    // A count outside 3 to 9 is refused, each refusal in a box whose pause takes a line.
    lines = runMenu("253\n2\n\n10\n\n5\n99\n");
    EXPECT_EQ(seistest2.nvrtx, 5);
    EXPECT_EQ(countLines(lines, " outside [3,9]"), 2);

    // With no vertex left (a failed file read) the default itself is refused.
    lines = runMenu("253\n\n\n4\n99\n", [](Seistest2& t) { t.nvrtx = 0; });
    EXPECT_EQ(seistest2.nvrtx, 4);
    EXPECT_EQ(countLines(lines, " number of vertices =            0"), 1);
}

TEST(SelectionMenu, PolygonFiles) {
    struct Case {
        const char* what;
        std::string content;
        std::string pauses;  // one line per box
        int32_t nvrtx;
        bool great;
        std::vector<std::array<float, 2>> vertices;  // the first ones in the block afterwards
        Lines shown;                                 // lines that must be printed
    };
    const std::string eof = " END OF FILE REACHED UNEXPECTEDLY";
    const std::string failed = " => POLYGON INPUT FAILED";
    std::string twelve = "12 1\n";
    for (int k = 1; k <= 12; ++k) twelve += std::to_string(k) + " " + std::to_string(-k) + "\n";
    const Case cases[] = {
        {"great circles",
         "4 1\n0 0\n60 0\n60 40\n0 40\n",
         "",
         4,
         true,
         {{0, 0}, {60, 0}, {60, 40}, {0, 40}},
         {" Could read up to:      9 vertices", " Actually read   :      4 vertices"}},
        {"flag 0", "3 0\n1 2\n3 4\n5 6\n", "", 3, false, {{1, 2}, {3, 4}, {5, 6}}, {}},
        {"flag 2", "3 2\n1 2\n3 4\n5 6\n", "", 3, false, {{1, 2}}, {}},
        // A read takes its values across lines and commas; the rest of its last line goes.
        {"free format",
         "3,\n1\n10,\n20\n30 40 50 60\n-5.5e1 7.25D0 x\n",
         "",
         3,
         true,
         {{10, 20}, {30, 40}, {-55, 7.25f}},
         {" Actually read   :      3 vertices"}},
        {"twelve vertices",
         twelve,
         "\n",
         9,
         true,
         {{1, -1}, {2, -2}, {3, -3}, {4, -4}, {5, -5}, {6, -6}, {7, -7}, {8, -8}, {9, -9}},
         {" Read number of vertices =     12", " Max  number of vertices =      9",
          " => RESETTING:", " Reset number of vertices =      9",
          " Actually read   :      9 vertices"}},
        {"no vertex", "0 1\n", "", 0, true, {}, {" Actually read   :      0 vertices"}},
        {"ends after two of four",
         "4 0\n11 12\n13 14\n",
         "\n",
         0,
         false,
         {{11, 12}, {13, 14}, {60, 0}},
         {eof, failed, " RESETTING # vertices =      0"}},
        {"letter in vertex 3",
         "4 1\n1 1\n2 2\n3 x\n4 4\n",
         "\n",
         0,
         true,
         {{1, 1}, {2, 2}, {3, 0}},
         {" Error while reading data # =      3", failed}},
        {"empty file", "", "\n", 0, true, {{0, 0}}, {eof, failed}},
        {"unreadable count", "three 1\n", "\n", 0, true, {{0, 0}}, {eof}},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        dir.write("p", c.content);
        const std::string name = dir.file("p");
        ASSERT_LE(name.size(), 35u);
        const Lines lines = runMenu("252\n" + name + "\n" + c.pauses + "99\n");
        const Seistest2& t = seistest2;
        EXPECT_EQ(t.nvrtx, c.nvrtx) << c.what;
        EXPECT_EQ(t.lgrcircle, c.great) << c.what;
        for (std::size_t k = 0; k < c.vertices.size(); ++k) {
            EXPECT_EQ(t.vrtxlong[k], c.vertices[k][0]) << c.what << " vertex " << k + 1;
            EXPECT_EQ(t.vrtxlat[k], c.vertices[k][1]) << c.what << " vertex " << k + 1;
        }
        for (const std::string& l : c.shown) EXPECT_GE(findLine(lines, l), 0) << c.what << l;
        EXPECT_EQ(countLines(lines, " Polygon file " + name + " is closed"), 1) << c.what;
        EXPECT_FALSE(t.ltestpoly) << c.what;  // reading a file does not switch the test on
    }
}

TEST(SelectionMenu, PolygonFileBoxesInFull) {
    test::TempDir dir;
    dir.write("p", "5 1\n1 1\n2 2\n");
    const std::string name = dir.file("p");
    const Lines lines = runMenu("252\n" + name + "\n\n99\n");
    const int at = findLine(lines, " END OF FILE REACHED UNEXPECTEDLY");
    ASSERT_GE(at, 3);
    const Lines want = {
        " ///        subroutine setseistest       ///",
        " ///               WARNING               ///",
        " ///////////////////////////////////////////",
        " END OF FILE REACHED UNEXPECTEDLY",
        " => POLYGON INPUT FAILED",
        " RESETTING # vertices =      0",
        " Polygon file " + name + " is closed",
        " ===> HIT RETURN TO CONTINUE",
    };
    EXPECT_EQ(Lines(lines.begin() + at - 3, lines.begin() + at + 5), want);

    dir.write("q", "3 1\n0 0\n1 0\n0 1\n");
    const Lines ok = runMenu("252\n" + dir.file("q") + "\n99\n");
    const int head = findLine(ok, " Polygon file " + dir.file("q") + " is closed");
    ASSERT_GE(head, 2);
    const Lines success = {
        kHead,
        " @==========================================",
        " Polygon file " + dir.file("q") + " is closed",
        " Could read up to:      9 vertices",
        " Actually read   :      3 vertices",
        " - - - - - - - - - - - - - - - - - - - - - -",
        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
        kHead,
    };
    EXPECT_EQ(Lines(ok.begin() + head - 2, ok.begin() + head + 6), success);
}

// Two equal consecutive vertices: the contour is refused on leaving until the user mends it.
void equalVertices(Seistest2& t) {
    t.ltestpoly = true;
    t.nvrtx = 4;
    t.vrtxlong = {0, 10, 10, 0};
    t.vrtxlat = {0, 5, 5, 10};
}

TEST(SelectionMenu, InconsistentContourSendsTheUserBackToTheMenu) {
    // The pauses of the contour box and of the warning (after 99 in mode 2, at once in the
    // silent mode 3), then the menu: the third vertex is moved and the menu left for good.
    for (const int32_t mode : {2, 3}) {
        const std::string leave = mode == 2 ? "99\n" : "";
        const Lines lines = runMenu(leave + "\n\n263\n10\n10\n99\n", equalVertices, mode);
        EXPECT_EQ(countLines(lines, " INCONSISTENT CONTOUR:"), 1) << mode;
        const int warn = findLine(lines, " NEED TO FIX POLYGON CONTOUR");
        ASSERT_GE(warn, 0) << mode;
        const Lines want = {
            " NEED TO FIX POLYGON CONTOUR", "            OR",
            " DISABLE POLYGON SELECTION",   " => BACK TO INTERACTIVE MENU",
            " ===> HIT RETURN TO CONTINUE",
        };
        EXPECT_EQ(Lines(lines.begin() + warn, lines.begin() + warn + 5), want) << mode;
        EXPECT_EQ(lines[warn - 3], " ///        subroutine setseistest       ///");
        EXPECT_EQ(lines[warn + 7], kHead) << mode;  // the menu again, also in mode 3
        EXPECT_EQ(seistest2.vrtxlat[2], 10.0f);
        EXPECT_TRUE(seistest2.ltestpoly);
    }
    // Switching the polygon test off also lets the user out.
    const Lines off = runMenu("99\n\n\n250\nn\n99\n", equalVertices);
    EXPECT_EQ(countLines(off, " NEED TO FIX POLYGON CONTOUR"), 1);
    EXPECT_FALSE(seistest2.ltestpoly);
}

TEST(SelectionMenu, SilentModesPrintNothingWithASoundPolygon) {
    EXPECT_TRUE(runMenu("", {}, 3).empty());
    EXPECT_TRUE(runMenu(
                    "", [](Seistest2& t) { t.ltestpoly = true; }, 3)
                    .empty());
}

}  // namespace
}  // namespace tensova

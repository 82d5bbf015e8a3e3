// The selection-test menu as a user answers it: its body and the polygon file.

#include <gtest/gtest.h>

#include <functional>

#include "catalogue/selection_tests.hpp"
#include "catalogue_samples.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using Lines = std::vector<std::string>;
using test::countLines;
using test::findLine;

const std::string kHead = " @ subroutine setseistest";
const std::string kRule = " --------------------------------";

// Gives the tests their defaults, lets `set` change them, then runs the menu on the keyboard
// text; returns what it printed from the menu on.
Lines runMenu(const std::string& keyboard, const std::function<void(Seistest2&)>& set = {}) {
    test::ConsoleCapture cap(keyboard);
    trigoset();
    setseistest6(5);
    if (set) set(seistest2);
    const std::size_t before = cap.lines().size();
    setseistest6(2);
    const Lines all = cap.lines();
    return Lines(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
}

// The menu body of the first pass: from the line after the head to the closing rule.
Lines firstBody(const Lines& lines) {
    return test::slice(lines, 3, findLine(lines, " EXIT .........................99") - 1);
}

TEST(SelectionMenu, BodyShowsTheLinesOfEachTestSwitchedOn) {
    const Lines everyOn = firstBody(runMenu("99\n", [](Seistest2& t) {
        t.ltest = t.ltestlat = t.ltestlong = t.ltestpoly = t.ltestdep = t.ltestfro = true;
        t.ltestrak = {true, true, true};
        t.latmin = -12.5f;
        t.rakint[2] = {-180.0f, -150.0f};
        t.vrtxlong[2] = -179.25f;
    }));
    const std::string dashes = " " + std::string(43, '-');
    const std::string title = " WHAT IS TO BE TESTED ? (Angles in degrees) ";
    const Lines wantOn({dashes,
                        title,
                        dashes,
                        " general test switch ..........10 T",
                        kRule,
                        " test latitude ...............100 T",
                        " latitude mini ...............110  -12.500",
                        " latitude maxi ...............110   90.000",
                        kRule,
                        " test longitude ..............200 T",
                        " longitude mini ..............210 -180.000",
                        " longitude maxi ..............210  180.000",
                        kRule,
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
                        kRule,
                        " test depth ..................300 T",
                        " depth mini ..................310    0.000",
                        " depth maxi ..................310   50.000",
                        kRule,
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
                        kRule,
                        " test Frohlich quality........600 T",
                        " fclvd maxi ..................610    0.200",
                        " moment relative error maxi ..620    0.150",
                        " moment free components min ..630      6",
                        dashes,
                        " EXIT .........................99",
                        dashes});
    EXPECT_EQ(everyOn, wantOn);
    const Lines wantOff(
        {dashes, title, dashes, " general test switch ..........10 F", kRule,
         " test latitude ...............100 F", " test longitude ..............200 F",
         " test polygon ................250 F", " test depth ..................300 F",
         " test rake on both planes.....501 F", " test union of intervals 1,2,3",
         " test rake interval 1 ........500 F", " test rake interval 2.........520 F",
         " test rake interval 3.........540 F", " test Frohlich quality........600 F", dashes,
         " EXIT .........................99", dashes});
    EXPECT_EQ(firstBody(runMenu("99\n")), wantOff);
    // One rake interval on is enough for the rule under the rake lines.
    const Lines one = firstBody(runMenu("99\n", [](Seistest2& t) { t.ltestrak[1] = true; }));
    EXPECT_EQ(one[one.size() - 5], kRule);
}

// The vertex count, the edge kind and the vertices of the block (at least three) as text.
std::string polygonState() {
    const Seistest2& t = seistest2;
    std::string s = std::to_string(t.nvrtx) + (t.lgrcircle ? " T" : " F");
    char v[40];
    for (std::size_t k = 0; k < std::max<std::size_t>(3, static_cast<std::size_t>(t.nvrtx)); ++k) {
        std::snprintf(v, sizeof v, " %g,%g", t.vrtxlong[k], t.vrtxlat[k]);
        s += v;
    }
    return s;
}

TEST(SelectionMenu, PolygonFiles) {
    std::string twelve = "12 1\n";
    for (int k = 1; k <= 12; ++k) twelve += std::to_string(k) + " " + std::to_string(-k) + "\n";
    const struct {
        std::string content;
        std::string pauses;  // one line per box
        std::string state;   // polygonState() afterwards
        Lines shown;         // lines that must be printed
    } cases[] = {
        {"4 1\n0 0\n60 0\n60 40\n0 40\n", "", "4 T 0,0 60,0 60,40 0,40", {}},
        {"3 0\n1 2\n3 4\n5 6\n", "", "3 F 1,2 3,4 5,6", {}},
        // A read takes its values across lines and commas; the rest of its last line goes.
        {"3,\n1\n10,\n20\n30 40 50 60\n-5.5e1 7.25D0 x\n", "", "3 T 10,20 30,40 -55,7.25", {}},
        {twelve,
         "\n",
         "9 T 1,-1 2,-2 3,-3 4,-4 5,-5 6,-6 7,-7 8,-8 9,-9",
         {" Read number of vertices =     12", " Max  number of vertices =      9",
          " => RESETTING:", " Reset number of vertices =      9"}},
        {"4 0\n11 12\n13 14\n", "\n", "0 F 11,12 13,14 60,0", {}},
        {"4 1\n1 1\n2 2\n3 x\n4 4\n",
         "\n",
         "0 T 1,1 2,2 3,0",
         {" Error while reading data # =      3"}},
        {"", "\n", "0 T 0,0 0,60 60,0", {" END OF FILE REACHED UNEXPECTEDLY"}}};
    for (const auto& c : cases) {
        test::TempDir dir;
        dir.write("p", c.content);
        const std::string name = dir.file("p");
        ASSERT_LE(name.size(), 35u);
        const Lines lines = runMenu("252\n" + name + "\n" + c.pauses + "99\n");
        EXPECT_EQ(polygonState(), c.state) << c.content;
        for (const std::string& l : c.shown) EXPECT_GE(findLine(lines, l), 0) << c.content << l;
        EXPECT_EQ(countLines(lines, " Polygon file " + name + " is closed"), 1) << c.content;
        EXPECT_FALSE(seistest2.ltestpoly) << c.content;  // a file does not switch the test on
    }
}

TEST(SelectionMenu, PolygonFileBoxesInFull) {
    test::TempDir dir;
    dir.write("p", "5 1\n1 1\n2 2\n");
    const std::string name = dir.file("p");
    const Lines lines = runMenu("252\n" + name + "\n\n99\n");
    const Lines want({" ///        subroutine setseistest       ///",
                      " ///               WARNING               ///", " " + std::string(43, '/'),
                      " END OF FILE REACHED UNEXPECTEDLY", " => POLYGON INPUT FAILED",
                      " RESETTING # vertices =      0", " Polygon file " + name + " is closed",
                      " ===> HIT RETURN TO CONTINUE"});
    EXPECT_EQ(test::slice(lines, findLine(lines, want[3]) - 3, want.size()), want);

    dir.write("q", "3 1\n0 0\n1 0\n0 1\n");
    const Lines ok = runMenu("252\n" + dir.file("q") + "\n99\n");
    const Lines success({kHead, " @==========================================",
                         " Polygon file " + dir.file("q") + " is closed",
                         " Could read up to:      9 vertices", " Actually read   :      3 vertices",
                         " - - - - - - - - - - - - - - - - - - - - - -",
                         " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@", kHead});
    EXPECT_EQ(test::slice(ok, findLine(ok, success[2]) - 2, success.size()), success);
}

}  // namespace
}  // namespace tensova

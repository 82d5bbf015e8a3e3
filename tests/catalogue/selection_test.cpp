// The two predicates the reader applies to each record (location, rake, polygon and quality), and
// the selection-test menu as a user answers it: its body and the polygon file.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>

#include "catalogue/polygon_test.hpp"
#include "catalogue/selection_tests.hpp"
#include "catalogue_samples.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"

namespace tensova::test {
namespace {

// Sets up the test a table row names (see selection_cases.txt) on the defaults.
void setUpTest(const std::string& what) {
    setseistest6(5);
    Seistest2& t = seistest2;
    t.ltest = true;
    const std::string key = what.substr(0, what.find(' '));
    const auto n = numbers(what.substr(key.size()));
    const auto on = [&](std::size_t k) { return n.at(k) == 1; };
    if (key == "all") {
        t.ltestlat = t.ltestlong = t.ltestdep = t.ltestfro = t.ltestrak[0] = true;
        t.latmin = t.latmax = 10.0f;
        t.ltest = false;
    } else if (key == "latitude") {
        t.ltestlat = true, t.latmin = float(n.at(0)), t.latmax = float(n.at(1));
    } else if (key == "longitude") {
        t.ltestlong = true, t.lonmin = float(n.at(0)), t.lonmax = float(n.at(1));
    } else if (key == "depth") {
        t.ltestdep = true;
    } else if (key == "rake") {
        t.ltestrak = {on(0), on(1), on(2)};
        t.lrak2pl = on(3);
        const bool first = n.size() > 4;
        t.rakint = {{{float(first ? n[4] : -10), float(first ? n[5] : 10)}, {80, 100}, {150, 180}}};
    } else if (key == "quality") {
        t.ltestfro = true, t.fclvdmax = float(n.at(0)), t.nfreemin = int32_t(n.at(1));
    } else if (key == "polygon" || key == "straight") {
        t.ltestpoly = true;
        t.lgrcircle = key == "polygon";
        t.nvrtx = static_cast<int32_t>(n.size() / 2);
        for (std::size_t k = 0; 2 * k < n.size(); ++k)
            t.vrtxlong[k] = float(n[2 * k]), t.vrtxlat[k] = float(n[2 * k + 1]);
    }
}

TEST(SelectionTests, EachTestKeepsItsEventsWithEveryBoundInclusive) {
    ConsoleCapture cap;
    trigoset();
    const auto cases = tableRows("selection_cases.txt", ';');
    ASSERT_EQ(cases.size(), 26u);
    for (const auto& c : cases) {
        setUpTest(c.at(0));
        int32_t istat = 0;
        if (seistest2.ltestpoly) spolygontst(istat);
        EXPECT_EQ(istat, 0) << c[0];
        auto store = std::make_unique<Gcmtblk>();
        for (const bool pass : {true, false}) {
            std::istringstream events(c.size() > (pass ? 1u : 2u) ? c[pass ? 1 : 2] : "");
            for (std::string event; std::getline(events, event, '/');) {
                auto e = numbers(event);
                const std::size_t given = e.size();
                if (given == 0) continue;
                e.resize(8, 0.0);
                store->rlong[0] = float(e[0]), store->rlat[0] = float(e[1]);
                store->depth[0] = float(e[2]), store->rakd0[kPlane1][0] = float(e[3]);
                store->rakd0[kPlane2][0] = float(e[4]), store->fclvd[0] = float(e[5]);
                store->erelm[0] = float(e[6]), store->nmfree[0] = given > 7 ? int32_t(e[7]) : 6;
                EXPECT_EQ(passesLocationAndRake(*store, 0) && passesQuality(*store, 0), pass)
                    << c[0] << " at " << event;
            }
        }
    }
}

const std::string kRule = " --------------------------------";

// Gives the tests their defaults, lets `set` change them, then runs the menu on the keyboard
// text; returns what it printed from the menu on.
Lines runMenu(const std::string& keyboard, const std::function<void(Seistest2&)>& set = {}) {
    ConsoleCapture cap(keyboard);
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
    return slice(lines, 3, findLine(lines, " EXIT .........................99") - 1);
}

// A side has a direction, and the test an inner side, only where its ends lie more than 0.001
// degree apart and, on a great circle, as far from antipodal: on the globe for great circles, in
// the plane of longitude and latitude for straight lines. The preparation refuses the same sides
// (in a triangle whose other sides have a direction).
TEST(PolygonTest, ASideWhoseEndsMeetOrAreAntipodalHasNoDirection) {
    using enum EdgeFault;
    const struct {
        const char* name;
        bool greatCircle;
        float lon1, lat1, lon2, lat2;
        EdgeFault want;
    } cases[] = {
        {"one place", true, 10, 20, 10, 20, EndsMeet},
        {"a turn apart", true, 0, 0, 360, 0, EndsMeet},
        {"either side of 180", true, -180, 0, 180, 0, EndsMeet},
        {"two longitudes at the pole", true, 0, 90, 120, 90, EndsMeet},
        {"within the least side", true, 0, 0, 0.0009f, 0, EndsMeet},
        {"just beyond it", true, 0, 0, 0.0011f, 0, None},
        {"antipodal", true, 0, 0, 180, 0, EndsAntipodal},
        {"antipodal across the equator", true, 0, 45, 180, -45, EndsAntipodal},
        {"within the least side of antipodal", true, 0, 0, 179.9991f, 0, EndsAntipodal},
        {"beyond it", true, 0, 0, 179.998f, 0, None},
        {"straight, one place", false, 5, 5, 5, 5, EndsMeet},
        {"straight, within the least side", false, 5, 5, 5.0005f, 5.0005f, EndsMeet},
        {"straight, across the plane", false, -180, 0, 180, 0, None},
        {"straight, along the top of the plane", false, 0, 90, 120, 90, None},
    };
    ConsoleCapture cap(std::string(std::size(cases), '\n'));  // a return for each box
    trigoset();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(edgeFault(c.greatCircle, c.lon1, c.lat1, c.lon2, c.lat2), c.want);
        Seistest2& t = seistest2;
        t.nvrtx = 3;
        t.lgrcircle = c.greatCircle;
        t.vrtxlong = {c.lon1, c.lon2, 45};
        t.vrtxlat = {c.lat1, c.lat2, -30};
        int32_t istat = -1;
        spolygontst(istat);
        EXPECT_EQ(istat, c.want == None ? 0 : c.greatCircle ? 10 : 20);
    }
}

TEST(SelectionMenu, BodyShowsTheLinesOfEachTestSwitchedOn) {
    const Lines everyOn = firstBody(runMenu("99\n", [](Seistest2& t) {
        t.ltest = t.ltestlat = t.ltestlong = t.ltestpoly = t.ltestdep = t.ltestfro = true;
        t.ltestrak = {true, true, true};
        t.latmin = -12.5f;
        t.rakint[2] = {-180.0f, -150.0f};
        t.vrtxlong[2] = -179.25f;
    }));
    expectGolden(everyOn, "selection_menu_on.txt");
    expectGolden(firstBody(runMenu("99\n")), "selection_menu_off.txt");
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

// The polygon in force before each file of the table: four straight sides.
void squareInForce(Seistest2& t) {
    t.nvrtx = 4;
    t.lgrcircle = false;
    t.vrtxlong = {10, 20, 20, 10};
    t.vrtxlat = {10, 10, 20, 20};
}

// Polygon files read through the menu (a table of tests/data): the vertices and the edge kind
// in force afterwards, the line of the file that a refusal names, what the menu says, one pause
// for each box.
TEST(SelectionMenu, PolygonFiles) {
    InFolder here;
    const auto cases = tableRows("polygon_file_cases.txt", ';');
    ASSERT_EQ(cases.size(), 32u);
    // The menu offers the last polygon file read as the next name: one named p read first makes
    // that default the same whatever this process ran before.
    here.dir.write("p", cases[0].at(0));
    runMenu("252\np\n99\n");
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const std::string& content = cases[k].at(0);
        here.dir.write("p", content);
        const Lines lines = runMenu("252\np\n" + cases[k].at(1) + "99\n", squareInForce);
        EXPECT_EQ(polygonState(), cases[k].at(2)) << content;
        const bool taken = cases[k].at(3) == "-";
        EXPECT_EQ(countLines(lines, " => POLYGON INPUT FAILED"), taken ? 0 : 1) << content;
        if (!taken) {
            EXPECT_EQ(countLines(lines, " " + cases[k][3]), 1) << content;
        }
        expectGolden(lines, "polygon_files.txt#" + std::to_string(k));
        EXPECT_FALSE(seistest2.ltestpoly) << content;  // a file does not switch the test on
    }
}

}  // namespace
}  // namespace tensova::test

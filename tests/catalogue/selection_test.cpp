// The two predicates the reader applies to each record (location, rake, polygon and quality), and
// the selection-test menu as a user answers it: its body and the polygon file.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "catalogue/polygon_test.hpp"
#include "catalogue/selection_tests.hpp"
#include "catalogue_samples.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"

namespace tensova::test {
namespace {

using Set = std::function<void(Seistest2&)>;

struct Event {
    float lon, lat, depth = 0.0f, rake1 = 0.0f, rake2 = 0.0f, fclvd = 0.0f, erel = 0.0f;
    int32_t nfree = 6;
};

Set latitude(float lo, float hi) {
    return [=](Seistest2& t) { t.ltestlat = true, t.latmin = lo, t.latmax = hi; };
}
Set longitude(float lo, float hi) {
    return [=](Seistest2& t) { t.ltestlong = true, t.lonmin = lo, t.lonmax = hi; };
}
Set depth() {
    return [](Seistest2& t) { t.ltestdep = true; };
}
// Rake intervals 1 [-10, 10], 2 [80, 100], 3 [150, 180], or the given first one.
Set rake(std::array<bool, 3> on, bool both, std::array<float, 2> first = {-10.0f, 10.0f}) {
    return [=](Seistest2& t) {
        t.ltestrak = on;
        t.lrak2pl = both;
        t.rakint = {{first, {80.0f, 100.0f}, {150.0f, 180.0f}}};
    };
}
Set quality(float fclvdmax, int32_t nfreemin) {
    return [=](Seistest2& t) { t.ltestfro = true, t.fclvdmax = fclvdmax, t.nfreemin = nfreemin; };
}
// Polygon vertices (longitude, latitude) and the edge kind.
Set polygon(std::vector<std::array<float, 2>> v, bool greatCircles) {
    return [=](Seistest2& t) {
        t.ltestpoly = true;
        t.lgrcircle = greatCircles;
        t.nvrtx = static_cast<int32_t>(v.size());
        for (std::size_t k = 0; k < v.size(); ++k) t.vrtxlong[k] = v[k][0], t.vrtxlat[k] = v[k][1];
    };
}
void everyTestButTheGeneralSwitch(Seistest2& t) {
    t.ltestlat = t.ltestlong = t.ltestdep = t.ltestfro = t.ltestrak[0] = true;
    t.latmin = t.latmax = 10.0f;
    t.ltest = false;
}
// Events at (0, 0) with the given rakes of planes 1 and 2, or quality values.
Event rakes(float r1, float r2) {
    return {0, 0, 0, r1, r2};
}
Event values(float fclvd, float erel, int32_t nfree) {
    return {0, 0, 0, 0, 0, fclvd, erel, nfree};
}

TEST(SelectionTests, EachTestKeepsItsEventsWithEveryBoundInclusive) {
    ConsoleCapture cap;
    trigoset();
    using Polygon = std::vector<std::array<float, 2>>;
    const Polygon cw = {{0, 0}, {0, 60}, {60, 0}}, ccw = {{0, 0}, {60, 0}, {0, 60}};
    const Polygon dateLine = {{170, -10}, {-170, -10}, {-170, 10}, {170, 10}};
    const Polygon quad = {{0, 10}, {60, 10}, {60, 40}, {0, 40}};
    // Nine vertices across the date line, up to the pole and down again: the northern
    // hemisphere from 150 east to 150 west.
    const Polygon nine = {{150, 0},   {170, 0}, {-170, 0}, {-150, 0}, {-150, 30},
                          {-150, 60}, {0, 90},  {150, 60}, {150, 30}};
    const Event everywhere = {400, 95, -3, 5, 5, 10, 1, 0};
    // clang-format off
    const struct {
        Set set;
        std::vector<Event> pass, fail;
    } cases[] = {
        {everyTestButTheGeneralSwitch, {everywhere}, {}},
        {[](Seistest2&) {}, {everywhere}, {}},  // the general switch alone
        {latitude(10, 90), {{0, 10}, {0, 90}}, {{0, 9.99f}, {0, 90.01f}}},
        {longitude(-180, 180), {{-180, 0}}, {{181, 0}}},  // no wrap
        {longitude(170, -170), {}, {{175, 0}}},           // a window across 180 holds nothing
        {depth(), {{0, 0, 50}}, {{0, 0, -0.5f}}},
        // Rake intervals: without interval 1 no rake test; a rake on either plane or on both.
        {rake({false, true, true}, false), {rakes(45, 45)}, {}},
        {rake({true, false, false}, false), {rakes(-10, 45), rakes(45, 10)}, {rakes(45, 90)}},
        {rake({true, true, false}, false), {rakes(45, 90)}, {}},
        {rake({true, false, true}, true), {rakes(5, 165)}, {rakes(5, 90)}},
        {rake({true, false, true}, false), {rakes(5, 90)}, {}},
        // Across 180: -170 needs an interval of its own; a minimum above its maximum holds none.
        {rake({true, true, true}, true), {}, {rakes(-170, 165)}},
        {rake({true, false, true}, true, {-180, -150}), {rakes(-170, 165)}, {rakes(-140, 165)}},
        {rake({true, false, false}, false, {10, -10}), {}, {rakes(0, 10)}},
        {quality(0.2f, 6), {values(-0.2f, 0.15f, 6)},
         {values(10, 0.15f, 6), values(0, 0.1500001f, 6), values(0, 0, 5)}},
        {quality(10, 5), {values(10, 0, 5)}, {}},
        {polygon({}, true), {{100, -45}}, {}},  // a polygon of no vertex
        // Clockwise, great circles keep the antipodal triangle, straight lines nothing.
        {polygon(cw, true), {{-160, -20}}, {{20, 20}, {40, 40}, {160, -20}}},
        {polygon(cw, false), {}, {{20, 20}, {160, -20}, {-20, -20}}},
        // Counter-clockwise: the triangle itself, its edges included; a point on a meridian
        // edge passes, its product being exactly 0.
        {polygon(ccw, true), {{20, 20}, {30, 0}, {0, 30}, {0, 0}},
         {{40, 40}, {-1, 10}, {-0.01f, 30}}},
        {polygon(ccw, false), {{20, 20}, {30, 0}, {0, 0}}, {{40, 40}, {-1, 10}}},
        // Across the 180 meridian only great circles work.
        {polygon(dateLine, true), {{180, 0}, {-175, 5}}, {{0, 0}, {160, 0}}},
        {polygon(dateLine, false), {}, {{180, 0}, {-175, 5}}},
        // The edge between two corners at one latitude is a great circle that runs poleward
        // of their parallel: 11.51 degrees north at longitude 30 for the lower edge, 44.09
        // for the upper one. Between edge and parallel is outside below, inside above.
        {polygon(quad, true), {{30, 11.6f}, {30, 42}, {30, 44}},
         {{30, 11}, {30, 11.4f}, {30, 44.2f}, {61, 20}}},
        {polygon(quad, false), {{30, 10}, {30, 11}, {30, 40}, {60, 25}},
         {{30, 9.99f}, {30, 42}, {60.01f, 25}}},
        {polygon(nine, true), {{180, 10}, {-155, 80}, {155, 45}, {-179.99f, 0.01f}},
         {{140, 10}, {-140, 10}, {180, -1}, {0, -10}}}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        setseistest6(5);
        seistest2.ltest = true;
        cases[i].set(seistest2);
        int32_t istat = 0;
        if (seistest2.ltestpoly) spolygontst(istat);
        EXPECT_EQ(istat, 0) << "case " << i;
        auto store = std::make_unique<Gcmtblk>();
        for (const bool pass : {true, false})
            for (const Event& e : pass ? cases[i].pass : cases[i].fail) {
                store->rlong[0] = e.lon, store->rlat[0] = e.lat, store->depth[0] = e.depth;
                store->rakd0[kPlane1][0] = e.rake1, store->rakd0[kPlane2][0] = e.rake2;
                store->fclvd[0] = e.fclvd, store->erelm[0] = e.erel, store->nmfree[0] = e.nfree;
                EXPECT_EQ(passesLocationAndRake(*store, 0) && passesQuality(*store, 0), pass)
                    << "case " << i << " at " << e.lon << ", " << e.lat;
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

// Polygon files read through the menu: the vertices and the edge kind stored, what the menu
// says, one pause for each box.
TEST(SelectionMenu, PolygonFiles) {
    std::string twelve = "12 1\n";
    for (int k = 1; k <= 12; ++k) twelve += std::to_string(k) + " " + std::to_string(-k) + "\n";
    InFolder here;
    // The file's text, one line for each box's pause, and polygonState() afterwards; what the
    // menu shows is the part of the golden file numbered as the case.
    const std::array<std::string, 3> cases[] = {
        {"4 1\n0 0\n60 0\n60 40\n0 40\n", "", "4 T 0,0 60,0 60,40 0,40"},
        {"3 0\n1 2\n3 4\n5 6\n", "", "3 F 1,2 3,4 5,6"},
        // A read takes its values across lines and commas; the rest of its last line goes.
        {"3,\n1\n10,\n20\n30 40 50 60\n-5.5e1 7.25D0 x\n", "", "3 T 10,20 30,40 -55,7.25"},
        {twelve, "\n", "9 T 1,-1 2,-2 3,-3 4,-4 5,-5 6,-6 7,-7 8,-8 9,-9"},  // 9 at most
        {"4 0\n11 12\n13 14\n", "\n", "0 F 11,12 13,14 60,0"},
        {"4 1\n1 1\n2 2\n3 x\n4 4\n", "\n", "0 T 1,1 2,2 3,0"},
        {"", "\n", "0 T 0,0 0,60 60,0"}};
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& [content, pauses, state] = cases[k];
        here.dir.write("p", content);
        const Lines lines = runMenu("252\np\n" + pauses + "99\n");
        EXPECT_EQ(polygonState(), state) << content;
        expectGolden(lines, "polygon_files.txt#" + std::to_string(k));
        EXPECT_FALSE(seistest2.ltestpoly) << content;  // a file does not switch the test on
    }
}

}  // namespace
}  // namespace tensova::test

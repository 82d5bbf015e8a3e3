// The two predicates the reader applies to each record: location, rake, polygon and quality.

#include "catalogue/selection_tests.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "catalogue/polygon_test.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"

namespace tensova {
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
    test::ConsoleCapture cap;
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
        {quality(0.2f, 6),
         {values(-0.2f, 0.15f, 6)},
         {values(10, 0.15f, 6), values(0, 0.1500001f, 6), values(0, 0, 5)}},
        {quality(10, 5), {values(10, 0, 5)}, {}},
        {polygon({}, true), {{100, -45}}, {}},  // a polygon of no vertex
        // Clockwise, great circles keep the antipodal triangle, straight lines nothing.
        {polygon(cw, true), {{-160, -20}}, {{20, 20}, {40, 40}, {160, -20}}},
        {polygon(cw, false), {}, {{20, 20}, {160, -20}, {-20, -20}}},
        // Counter-clockwise: the triangle itself, its edges included; a point on a meridian
        // edge passes, its product being exactly 0.
        {polygon(ccw, true),
         {{20, 20}, {30, 0}, {0, 30}, {0, 0}},
         {{40, 40}, {-1, 10}, {-0.01f, 30}}},
        {polygon(ccw, false), {{20, 20}, {30, 0}, {0, 0}}, {{40, 40}, {-1, 10}}},
        // Across the 180 meridian only great circles work.
        {polygon(dateLine, true), {{180, 0}, {-175, 5}}, {{0, 0}, {160, 0}}},
        {polygon(dateLine, false), {}, {{180, 0}, {-175, 5}}},
        // The edge between two corners at one latitude is a great circle that runs poleward
        // of their parallel: 11.51 degrees north at longitude 30 for the lower edge, 44.09
        // for the upper one. Between edge and parallel is outside below, inside above.
        {polygon(quad, true),
         {{30, 11.6f}, {30, 42}, {30, 44}},
         {{30, 11}, {30, 11.4f}, {30, 44.2f}, {61, 20}}},
        {polygon(quad, false),
         {{30, 10}, {30, 11}, {30, 40}, {60, 25}},
         {{30, 9.99f}, {30, 42}, {60.01f, 25}}},
        {polygon(nine, true),
         {{180, 10}, {-155, 80}, {155, 45}, {-179.99f, 0.01f}},
         {{140, 10}, {-140, 10}, {180, -1}, {0, -10}}}};
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

}  // namespace
}  // namespace tensova

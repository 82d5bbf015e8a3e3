// Selection settings and the two predicates the reader applies to each record.

#include "catalogue/selection_tests.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "catalogue/polygon_test.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"

namespace tensova {
namespace {

class SelectionTests : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ConsoleCapture cap;
        trigoset();
        const std::size_t before = cap.lines().size();
        setseistest6(5);
        const auto lines = cap.lines();
        head.assign(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end());
        store = std::make_unique<Gcmtblk>();
    }
    // One event in slot 0.
    void event(float lat, float lon, float depth, float rake1 = 0.0f, float rake2 = 0.0f) {
        store->rlat[0] = lat;
        store->rlong[0] = lon;
        store->depth[0] = depth;
        store->rakd0[kPlane1][0] = rake1;
        store->rakd0[kPlane2][0] = rake2;
    }
    bool passes() { return passesLocationAndRake(*store, 0); }

    std::vector<std::string> head;
    std::unique_ptr<Gcmtblk> store;
};

TEST_F(SelectionTests, DefaultsAndTheirAnnouncement) {
    const std::vector<std::string> want = {
        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
        " @ subroutine setseistest",
        " @==========================================",
        " INITIALIZING EXTRACTION TESTS",
    };
    EXPECT_EQ(head, want);
    const Seistest2& t = seistest2;
    EXPECT_EQ(t.nfreemin, 6);
    EXPECT_EQ(t.nvrtx, 3);
    EXPECT_EQ(t.fclvdmax, 0.2f);
    EXPECT_EQ(t.erelmax, 0.15f);
    for (const auto& r : t.rakint) EXPECT_EQ(r, (std::array<float, 2>{-180.0f, 180.0f}));
    EXPECT_EQ(t.vrtxlong[1], 0.0f);
    EXPECT_EQ(t.vrtxlat[1], 60.0f);
    EXPECT_EQ(t.vrtxlong[2], 60.0f);
    EXPECT_FALSE(t.ltest || t.ltestlat || t.ltestlong || t.ltestdep || t.ltestpoly || t.lrak2pl ||
                 t.ltestrak[0] || t.ltestrak[1] || t.ltestrak[2] || t.ltestfro);
    EXPECT_TRUE(t.lgrcircle);
    float b[6];
    gscseistest(b[0], b[1], b[2], b[3], b[4], b[5]);
    EXPECT_EQ((std::array<float, 6>{b[0], b[1], b[2], b[3], b[4], b[5]}),
              (std::array<float, 6>{-90.0f, 90.0f, -180.0f, 180.0f, 0.0f, 50.0f}));
}

TEST_F(SelectionTests, GeneralSwitchOffKeepsEverything) {
    Seistest2& t = seistest2;
    t.ltestlat = t.ltestlong = t.ltestdep = t.ltestfro = true;
    t.ltestrak[0] = true;
    t.latmin = t.latmax = 10.0f;
    event(95.0f, 400.0f, -3.0f, 5.0f, 5.0f);
    store->fclvd[0] = 10.0f;
    EXPECT_TRUE(passes());
    EXPECT_TRUE(passesQuality(*store, 0));
}

TEST_F(SelectionTests, LocationBoundsAreInclusive) {
    Seistest2& t = seistest2;
    t.ltest = true;
    struct Case {
        std::function<void(Seistest2&)> set;
        float lat, lon, depth;
        bool pass;
    };
    const Case cases[] = {
        {[](Seistest2&) {}, 95.0f, 400.0f, -3.0f, true},  // every test off
        {[](Seistest2& s) { s.ltestlat = true; }, 90.0f, 0.0f, 0.0f, true},
        {[](Seistest2& s) { s.ltestlat = true; }, 90.01f, 0.0f, 0.0f, false},
        {[](Seistest2& s) {
             s.ltestlat = true;
             s.latmin = 10.0f;
         },
         10.0f, 0.0f, 0.0f, true},
        {[](Seistest2& s) {
             s.ltestlat = true;
             s.latmin = 10.0f;
         },
         9.99f, 0.0f, 0.0f, false},
        {[](Seistest2& s) { s.ltestlong = true; }, 0.0f, -180.0f, 0.0f, true},
        {[](Seistest2& s) { s.ltestlong = true; }, 0.0f, 181.0f, 0.0f, false},  // no wrap
        {[](Seistest2& s) {
             s.ltestlong = true;
             s.lonmin = 170.0f;
             s.lonmax = -170.0f;
         },
         0.0f, 175.0f, 0.0f, false},  // a window across 180 holds nothing
        {[](Seistest2& s) { s.ltestdep = true; }, 0.0f, 0.0f, 50.0f, true},
        {[](Seistest2& s) { s.ltestdep = true; }, 0.0f, 0.0f, -0.5f, false},
        {[](Seistest2& s) {
             s.ltestdep = true;
             s.ltestlat = true;
         },
         91.0f, 0.0f, 10.0f, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SetUp();
        seistest2.ltest = true;
        cases[i].set(seistest2);
        event(cases[i].lat, cases[i].lon, cases[i].depth);
        EXPECT_EQ(passes(), cases[i].pass) << "case " << i;
    }
}

TEST_F(SelectionTests, RakeUnionOfIntervalsOnEitherOrBothPlanes) {
    struct Case {
        std::array<bool, 3> on;
        bool both;
        float rake1, rake2;
        bool pass;
    };
    // Intervals: 1 [-10, 10], 2 [80, 100], 3 [150, 180].
    const Case cases[] = {
        {{false, true, true}, false, 45.0f, 45.0f, true},    // no interval 1: no rake test
        {{true, false, false}, false, -10.0f, 45.0f, true},  // bound of interval 1, plane 1
        {{true, false, false}, false, 45.0f, 10.0f, true},   // plane 2 suffices
        {{true, false, false}, false, 45.0f, 90.0f, false},  // interval 2 is off
        {{true, true, false}, false, 45.0f, 90.0f, true},
        {{true, false, true}, true, 5.0f, 165.0f, true},  // both planes, intervals 1 and 3
        {{true, false, true}, true, 5.0f, 90.0f, false},  // plane 2 outside every interval
        {{true, false, true}, false, 5.0f, 90.0f, true},
        {{true, true, true}, true, -170.0f, 165.0f, false},  // -170 needs its own interval
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SetUp();
        Seistest2& t = seistest2;
        t.ltest = true;
        t.ltestrak = cases[i].on;
        t.lrak2pl = cases[i].both;
        t.rakint = {{{-10.0f, 10.0f}, {80.0f, 100.0f}, {150.0f, 180.0f}}};
        event(0.0f, 0.0f, 0.0f, cases[i].rake1, cases[i].rake2);
        EXPECT_EQ(passes(), cases[i].pass) << "case " << i;
    }
    // A minimum above its maximum holds no rake.
    seistest2.rakint[0] = {10.0f, -10.0f};
    seistest2.ltestrak = {true, false, false};
    event(0.0f, 0.0f, 0.0f, 0.0f, 10.0f);
    EXPECT_FALSE(passes());
}

TEST_F(SelectionTests, QualityLimitsAreInclusiveAndNeedBothSwitches) {
    store->fclvd[0] = -0.2f;
    store->erelm[0] = 0.15f;
    store->nmfree[0] = 6;
    seistest2.ltestfro = true;
    store->fclvd[0] = 10.0f;
    EXPECT_TRUE(passesQuality(*store, 0));  // the general switch is off
    seistest2.ltest = true;
    EXPECT_FALSE(passesQuality(*store, 0));
    store->fclvd[0] = -0.2f;
    EXPECT_TRUE(passesQuality(*store, 0));
    store->erelm[0] = 0.1500001f;
    EXPECT_FALSE(passesQuality(*store, 0));
    store->erelm[0] = 0.15f;
    store->nmfree[0] = 5;
    EXPECT_FALSE(passesQuality(*store, 0));
    seistest2.nfreemin = 5;
    EXPECT_TRUE(passesQuality(*store, 0));
    seistest2.fclvdmax = 10.0f;
    store->fclvd[0] = 10.0f;
    EXPECT_TRUE(passesQuality(*store, 0));
}

// Polygon vertices (longitude, latitude), the edge kind, and events with their verdicts.
struct PolygonCase {
    std::vector<std::array<float, 2>> vertices;
    bool greatCircles;
    std::vector<std::array<float, 2>> inside, outside;
};

TEST_F(SelectionTests, PolygonKeepsTheInnerSideOfEveryEdge) {
    const PolygonCase cases[] = {
        // The default triangle runs clockwise: great circles keep the antipodal triangle.
        {{{0, 0}, {0, 60}, {60, 0}}, true, {{-160, -20}}, {{20, 20}, {40, 40}, {160, -20}}},
        // ... and straight lines keep nothing.
        {{{0, 0}, {0, 60}, {60, 0}}, false, {}, {{20, 20}, {160, -20}, {-20, -20}}},
        // Counter-clockwise: the triangle itself, its edges included.
        {{{0, 0}, {60, 0}, {0, 60}}, true, {{20, 20}, {30, 0}}, {{40, 40}, {-1, 10}}},
        {{{0, 0}, {60, 0}, {0, 60}}, false, {{20, 20}, {30, 0}, {0, 0}}, {{40, 40}, {-1, 10}}},
        // Across the 180 meridian only great circles work.
        {{{170, -10}, {-170, -10}, {-170, 10}, {170, 10}},
         true,
         {{180, 0}, {-175, 5}},
         {{0, 0}, {160, 0}}},
        {{{170, -10}, {-170, -10}, {-170, 10}, {170, 10}}, false, {}, {{180, 0}, {-175, 5}}},
        // A point on a meridian edge passes: its product is exactly 0.
        {{{0, 0}, {60, 0}, {0, 60}}, true, {{0, 30}, {0, 0}}, {{-0.01f, 30}}},
        // The edge between two corners at one latitude is a great circle that runs poleward
        // of their parallel: 11.51 degrees north at longitude 30 for the lower edge, 44.09
        // for the upper one. Between edge and parallel is outside below, inside above.
        {{{0, 10}, {60, 10}, {60, 40}, {0, 40}},
         true,
         {{30, 11.6f}, {30, 42}, {30, 44}},
         {{30, 11}, {30, 11.4f}, {30, 44.2f}, {61, 20}}},
        {{{0, 10}, {60, 10}, {60, 40}, {0, 40}},
         false,
         {{30, 10}, {30, 11}, {30, 40}, {60, 25}},
         {{30, 9.99f}, {30, 42}, {60.01f, 25}}},
        // Nine vertices across the date line, up to the pole and down again: the northern
        // hemisphere from 150 east to 150 west. Clockwise, the points opposite it.
        {{{150, 0},
          {170, 0},
          {-170, 0},
          {-150, 0},
          {-150, 30},
          {-150, 60},
          {0, 90},
          {150, 60},
          {150, 30}},
         true,
         {{180, 10}, {-155, 80}, {155, 45}, {-179.99f, 0.01f}},
         {{140, 10}, {-140, 10}, {180, -1}, {0, -10}}},
        {{{150, 30},
          {150, 60},
          {0, 90},
          {-150, 60},
          {-150, 30},
          {-150, 0},
          {-170, 0},
          {170, 0},
          {150, 0}},
         true,
         {{0, -10}, {25, -45}, {-29, -89}},
         {{180, 10}, {40, -10}, {0, 10}}},
        // The same region with three vertices, either way round.
        {{{150, 0}, {-150, 0}, {0, 90}}, true, {{180, 10}, {155, 45}}, {{140, 10}, {0, -10}}},
        {{{150, 0}, {0, 90}, {-150, 0}}, true, {{0, -10}, {25, -45}}, {{180, 10}, {40, -10}}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SetUp();
        Seistest2& t = seistest2;
        const PolygonCase& c = cases[i];
        t.nvrtx = static_cast<int32_t>(c.vertices.size());
        for (std::size_t k = 0; k < c.vertices.size(); ++k) {
            t.vrtxlong[k] = c.vertices[k][0];
            t.vrtxlat[k] = c.vertices[k][1];
        }
        t.lgrcircle = c.greatCircles;
        int32_t istat = -1;
        spolygontst(istat);
        EXPECT_EQ(istat, 0) << "case " << i;
        t.ltest = t.ltestpoly = true;
        for (const auto& p : c.inside) {
            event(p[1], p[0], 0.0f);
            EXPECT_TRUE(passes()) << "case " << i << " at " << p[0] << ", " << p[1];
        }
        for (const auto& p : c.outside) {
            event(p[1], p[0], 0.0f);
            EXPECT_FALSE(passes()) << "case " << i << " at " << p[0] << ", " << p[1];
        }
    }
}

TEST_F(SelectionTests, PolygonWithoutVerticesKeepsEverything) {
    seistest2.nvrtx = 0;
    seistest2.ltest = seistest2.ltestpoly = true;
    event(-45.0f, 100.0f, 0.0f);
    EXPECT_TRUE(passes());
}

TEST_F(SelectionTests, EqualConsecutiveVerticesAreReportedPerEdge) {
    for (const bool great : {true, false}) {
        test::ConsoleCapture cap("\n\n");
        Seistest2& t = seistest2;
        t.nvrtx = 4;
        t.vrtxlong = {0, 10, 10, 0};
        t.vrtxlat = {0, 5, 5, 10};
        t.lgrcircle = great;
        int32_t istat = 0;
        spolygontst(istat);
        EXPECT_EQ(istat, great ? 10 : 20);
        const auto lines = cap.lines();
        ASSERT_EQ(lines.size(), 21u);
        EXPECT_EQ(lines[3], " ***        subroutine spolygontst       ***");
        EXPECT_EQ(lines[9], std::string(" Test great circle: ") + (great ? "T" : "F"));
        EXPECT_EQ(lines[10], " INCONSISTENT CONTOUR:");
        EXPECT_EQ(lines[11], " Vertex # longitud latitude");
        EXPECT_EQ(lines[12], "        2   10.000    5.000");
        EXPECT_EQ(lines[13], "        3   10.000    5.000");
        EXPECT_EQ(lines[14], great ? " ||OV1 x OV2|| = 0" : " ||V1V2|| = 0");
        EXPECT_EQ(lines[15], " V2 = V1 ?");
        EXPECT_EQ(lines[18], "     AFTER CONTOUR CORRECTION");
        EXPECT_EQ(lines[19], " ===> HIT RETURN TO CONTINUE");
    }
}

TEST_F(SelectionTests, OppositeVerticesGiveNoExactZeroNormal) {
    test::ConsoleCapture cap;
    seistest2.nvrtx = 2;
    seistest2.vrtxlong = {0, 180};
    seistest2.vrtxlat = {0, 0};
    int32_t istat = -1;
    spolygontst(istat);
    EXPECT_EQ(istat, 0);
    EXPECT_EQ(cap.output(), "");
}

}  // namespace
}  // namespace tensova

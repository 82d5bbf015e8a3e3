// Where a map's edge lies when the projection has a rim, and where a transverse Mercator map
// tears its central meridian's great circle apart.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "mapdraw/grid.hpp"
#include "mapdraw/map_drawing.hpp"
#include "projection/projection_fixture.hpp"
#include "support/grid_map.hpp"

namespace tensova::test {
namespace {

// Mercator shows the ground up to its rims, the parallels one degree short of the poles: a frame
// that runs to a pole is fitted up to its rim there, wherever its longitudes lie (these leave out
// longitude 0), and down to its other side. The heights, in equatorial radii: ln tan(45 + lat/2)
// on the sphere (python3), and on the program's GRS80 echo "0 lat" | proj -f %.7f +proj=merc
// +a=1 +b=0.9966472184589324 (PROJ 9.1.1).
TEST(TearsAndRims, AMercatorFrameToAPoleIsFittedToItsRim) {
    ConsoleCapture cap;
    const struct {
        const char* name;
        int32_t iproj;
        float west, east, south, north;
        float ymin, ymax;
    } cases[] = {
        {"a northern cap", 15, 20, 60, 70, 90, 1.7354152f, 4.7413488f},
        {"a southern cap", 15, 20, 60, -90, -70, -4.7413488f, -1.7354152f},
        {"an ellipsoidal northern cap", 16, 100, 140, 60, 90, 1.3111507f, 4.7346405f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useProjection(c.iproj, {.lon0 = 0});
        const Map map = gridMap(c.west, c.east, c.south, c.north);
        float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
        ASSERT_TRUE(extrllgrid(map, xmin, ymin, xmax, ymax));
        EXPECT_NEAR(ymin, c.ymin, 1e-5f);
        EXPECT_NEAR(ymax, c.ymax, 1e-5f);
    }
}

// Where the map tears the central meridian's great circle: the angle around it (degrees, from
// the central meridian's point on the equator towards the north pole, -90 to 270) at which points
// along it, a tenth of a degree apart, jump a turn on the map; 270, the south pole, where none
// does.
float tearAround(const Map& map, float lon0) {
    constexpr int32_t kProbes = 3600;
    std::vector<float> lon(kProbes), lat(kProbes), x(kProbes), y(kProbes);
    const auto around = [](int32_t k) { return -89.95f + 0.1f * static_cast<float>(k); };
    for (int32_t k = 0; k < kProbes; ++k) {
        const float a = around(k);
        const auto i = static_cast<std::size_t>(k);
        // Past the north pole the circle runs down the central meridian's antimeridian.
        lon[i] = map.place(rad(a <= 90 ? lon0 : lon0 + 180));
        lat[i] = rad(a <= 90 ? a : 180 - a);
    }
    map.project(x.data(), y.data(), lon.data(), lat.data(), kProbes);
    for (std::size_t i = 1; i < y.size(); ++i)
        if (std::fabs(y[i] - y[i - 1]) > 3.0f) return around(static_cast<int32_t>(i)) - 0.05f;
    return 270;
}

// A transverse Mercator map tears the circle in the middle of the widest stretch that the frame
// leaves empty, or at the south pole when that is under 12 degrees: the room that the frame's
// points, sampled a degree apart from its corners, may leave between them. A frame whose east
// edge, at 99.97E, cuts the reach (80 degrees from the circle) near the equator leaves empty the
// stretch about the far side's equator between its points nearest the equator on that edge:
// 2 atan(tan lat / |cos 99.97|), 17.2 degrees for its samples at 1.5N and 1.5S (those at 0.5 lie
// beyond the reach), 11.5 for those at 1N and 1S (0 lies beyond it). A frame west of the central
// meridian, north of the equator, lies around the circle from its south-east corner, at
// atan(tan 5 / cos 40) = 6.5154256, to its north-west corner, at atan(tan 15 / cos 80) =
// 57.0541873: the empty stretch runs on from its west edge, its middle at 211.7848064 (python3).
TEST(TearsAndRims, ATransverseMercatorTearsInTheWidestStretchItsFrameLeavesEmpty) {
    ConsoleCapture cap;
    const struct {
        const char* name;
        float west, east, south, north;
        float tear;
    } cases[] = {
        {"a stretch of 17.2 degrees about the far side's equator", 0, 99.97f, -80.5f, 80.5f, 180},
        {"one of 11.5 degrees: the south pole", 0, 99.97f, -80, 80, 270},
        {"a stretch from the frame's west edge", -80, -40, 5, 15, 211.7848064f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useProjection(1, {.lon0 = 0});
        EXPECT_NEAR(tearAround(gridMap(c.west, c.east, c.south, c.north), 0), c.tear, 0.1f);
    }
}

}  // namespace
}  // namespace tensova::test

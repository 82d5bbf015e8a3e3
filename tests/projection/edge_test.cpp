// The edges of the projections: poles, the antimeridian, clamping to the central angle,
// degenerate parameters, the oblique centre, and the guards that keep every result finite.

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "numeric/frames.hpp"
#include "projection_fixture.hpp"

namespace tensova::test {
namespace {

// n points of the rim of the current projection's reach, and n; 0 without a reach.
int32_t rimOfCurrent(float* lon, float* lat, int32_t n) {
    return currentProjection().rim(currentProjectionParams(), lon, lat, n);
}

TEST(ProjectionEdges, PolesAntimeridianCentresAndDegenerateParameters) {
    ConsoleCapture cap;
    const auto rows = tableRows("projection_edges.txt");
    ASSERT_EQ(rows.size(), 45u);
    for (const auto& row : rows) {
        // The parameters, the point, x, y and the tolerance; infinity is the sentinel.
        auto n = numbers(row[2] + " " + row[3] + " " + row[4]);
        ASSERT_EQ(n.size(), 10u) << row[0];
        for (double& v : n) v = std::isinf(v) ? std::copysign(kFarAway, v) : v;
        const Parameters p{.lon0 = float(n[0]),
                           .lon2 = float(n[1]),
                           .lat1 = float(n[2]),
                           .lat2 = float(n[3]),
                           .omega = float(n[4])};
        useProjection(std::stoi(row[1]), p);
        const Point pt = project(float(n[5]), float(n[6]));
        EXPECT_NEAR(pt.x, n[7], n[9]) << row[0];
        EXPECT_NEAR(pt.y, n[8], n[9]) << row[0];
    }
    // The south pole on a stereographic map of 180 degrees: float tan(pi/2) puts it very far on
    // the far side of the centre, but finite.
    useProjection(7, {.omega = 180});
    const Point south = project(0, -90);
    EXPECT_EQ(south.x, 0.0f);
    EXPECT_GT(std::fabs(south.y), 1e6);
    EXPECT_LT(std::fabs(south.y), 1e8);
}

// Maps leave out what an azimuthal projection cannot place truly, and their extent reaches its
// rim: every rim point lies at the rim's radius from the centre.
TEST(ProjectionEdges, WhatTheMapShowsAndItsRim) {
    ConsoleCapture cap;
    for (const auto& row : tableRows("projection_shown.txt")) {
        SCOPED_TRACE(row[0]);
        const auto n = numbers(row[2] + " " + row[3] + " " + row[4] + " " + row[5]);
        ASSERT_EQ(n.size(), 5u);
        useProjection(std::stoi(row[1]), {.omega = float(n[0])});
        float x = rad(float(n[1])), y = rad(float(n[2]));
        projllnShown(&x, &y, &x, &y, 1);
        EXPECT_EQ(std::fabs(x) < kFarAway && std::fabs(y) < kFarAway, n[3] == 1);
        std::array<float, 36> lon{}, lat{};
        const int32_t rim = rimOfCurrent(lon.data(), lat.data(), 36);
        EXPECT_EQ(rim, n[4] > 0 ? 36 : 0);
        std::array<float, 36> rx{}, ry{};
        projllnShown(rx.data(), ry.data(), lon.data(), lat.data(), rim);
        // Single precision: a few units in the last place of the radius, which near the
        // stereographic antipode is 2000.
        const double tolerance = std::max(2e-5, 2e-4 * n[4]);
        for (int32_t k = 0; k < rim; ++k)
            EXPECT_NEAR(std::hypot(rx[k], ry[k]), n[4], tolerance) << k;
    }
}

// A map finds the points it does not show however many it projects at once, into other arrays
// or in place (more than one piece of its copy): 600 points of an equal-area map of 60 degrees
// about the pole, every third 70 degrees from it, give what each gives alone.
TEST(ProjectionEdges, ManyPointsAtOnceAsOneByOne) {
    ConsoleCapture cap;
    useProjection(5, {.omega = 60});
    constexpr int32_t kPoints = 600;
    std::vector<float> lon(kPoints), lat(kPoints), x(kPoints), y(kPoints);
    for (int32_t i = 0; i < kPoints; ++i) {
        lon[i] = rad(0.6f * float(i));
        lat[i] = rad(i % 3 == 0 ? 20.0f : 40.0f);
    }
    projllnShown(x.data(), y.data(), lon.data(), lat.data(), kPoints);
    std::vector<float> inPlaceX = lon, inPlaceY = lat;
    projllnShown(inPlaceX.data(), inPlaceY.data(), inPlaceX.data(), inPlaceY.data(), kPoints);
    EXPECT_EQ(inPlaceX, x);
    EXPECT_EQ(inPlaceY, y);
    for (int32_t i = 0; i < kPoints; ++i) {
        float xi = lon[i], yi = lat[i];
        projllnShown(&xi, &yi, &xi, &yi, 1);
        EXPECT_EQ(x[i], xi) << i;
        EXPECT_EQ(y[i], yi) << i;
        EXPECT_EQ(xi == kFarAway, i % 3 == 0) << i;
    }
}

// A transverse Mercator takes the longitude difference the short way round: a point a turn east
// or west of another is the same point, shown or not with it, on either side of the antimeridian
// of the central meridian and out to the reach (80 degrees from its great circle, which the
// points at 79.5 and 80.5 straddle). A turn in single precision moves a longitude by up to half
// a unit in the last place of 2 pi radians, 2.4e-7, which the scale (5.76 at the reach) and the
// reduction's own roundings make up to 5.2e-6 (points 5 degrees apart, within the reach, about
// 0, 100E and 170W): the tolerance is 1e-5.
TEST(ProjectionEdges, ATransverseMercatorPointATurnAwayIsTheSamePoint) {
    ConsoleCapture cap;
    const struct {
        const char* name;
        int32_t iproj;
        float lon0, lon, lat;
    } cases[] = {
        {"near side", 2, 0, 30, 40},
        {"far side, by the antimeridian", 2, 0, 179.9f, 30},
        {"on the antimeridian, south", 2, 0, 180, -20},
        {"just west of the antimeridian", 2, 0, -179.9f, 60},
        {"about 100E, across 180 from it", 2, 100, -85, 10},
        {"about 100E, near the reach", 2, 100, 179, 1},
        {"about 170W, a point of 175E", 2, -170, 175, -45},
        {"far side, within the reach", 2, 0, 100.5f, 0},
        {"far side, beyond the reach", 2, 0, 99.5f, 0},
        {"spherical, about 100E, across 180", 1, 100, -85, 10},
        {"spherical, about 170W, a point of 175E", 1, -170, 175, -45},
        {"spherical, far side by the antimeridian", 1, 0, -179.9f, -30},
        {"spherical, far side within the reach", 1, 0, 100.5f, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useProjection(c.iproj, {.lon0 = c.lon0});
        float x[3], y[3];
        const float lon[3] = {rad(c.lon), rad(c.lon - 360), rad(c.lon + 360)};
        const float lat[3] = {rad(c.lat), rad(c.lat), rad(c.lat)};
        projllnShown(x, y, lon, lat, 3);
        for (int k = 1; k < 3; ++k) {
            EXPECT_EQ(x[k] == kFarAway, x[0] == kFarAway) << k;
            EXPECT_LT(std::hypot(x[k] - x[0], y[k] - y[0]), 1e-5f) << k;
        }
    }
}

// The modified polyconic's sheet runs from its southern parallel to its northern one, in
// whichever order they are given: 36 north lies above 32 north either way.
TEST(ProjectionEdges, ModifiedPolyconicTakesItsParallelsInEitherOrder) {
    ConsoleCapture cap;
    useProjection(14, {.lat1 = 36, .lat2 = 32});
    const Point north = project(12, 36), south = project(12, 32);
    EXPECT_GT(north.y - south.y, 0.06f);
    useProjection(14, {.lat1 = 32, .lat2 = 36});
    EXPECT_EQ(project(12, 36).y, north.y);
    EXPECT_EQ(project(12, 32).y, south.y);
}

// A sheet bounded by the pole: the pole's parallel has no radius, so every meridian runs to one
// point there on the central meridian, whatever sheet was set up before.
TEST(ProjectionEdges, ModifiedPolyconicBoundedByThePoleGathersItsMeridiansThere) {
    ConsoleCapture cap;
    useProjection(14, {.lat1 = 60, .lat2 = 80});
    useProjection(14, {.lat1 = 60, .lat2 = 90});
    const Point pole = project(10, 90);
    EXPECT_NEAR(pole.x, 0.0, 1e-6);
    for (const float lon : {-60.0f, -10.0f, 40.0f, 100.0f}) {
        const Point p = project(lon, 90);
        EXPECT_NEAR(p.x, pole.x, 1e-6) << lon;
        EXPECT_NEAR(p.y, pole.y, 1e-6) << lon;
    }
}

// Van der Grinten runs through its central meridian: a point a millionth to a ten-thousandth
// of a degree off it lies where the point on it does, on the side it lies on, and its x grows
// in step with its distance (the textbook equations, taken as written, are off by up to a
// whole map radius there).
TEST(ProjectionEdges, VanDerGrintenRunsThroughItsCentralMeridian) {
    ConsoleCapture cap;
    useProjection(25, {.lon0 = 0});
    for (const float lat : {-60.0f, -20.0f, 5.0f, 45.0f, 85.0f}) {
        SCOPED_TRACE(lat);
        const Point on = project(0, lat);
        EXPECT_EQ(on.x, 0.0f);
        for (const float dl : {1e-6f, 1e-5f, 1e-4f}) {
            const Point east = project(dl, lat), west = project(-dl, lat);
            EXPECT_NEAR(east.y, on.y, 1e-7) << dl;
            EXPECT_EQ(west.y, east.y) << dl;
            EXPECT_EQ(west.x, -east.x) << dl;
            EXPECT_NEAR(east.x / project(10 * dl, lat).x, 0.1, 1e-4) << dl;
        }
    }
}

// The modified polyconic shows the cap about its sheet's middle out to 0.7 of the way to the
// nearer pole: the default sheet (30 to 60 degrees) 31.5 degrees. Poleward of the sheet its
// meridians stop meeting their parallels and the map folds over itself; inside the cap it keeps
// its orientation out to the rim, and a point just beyond the rim is hidden.
TEST(ProjectionEdges, LallemandShowsTheCapAboutItsSheetWhereItIsOneToOne) {
    ConsoleCapture cap;
    const auto shown = [](double lon, double lat) {
        float x = rad(float(lon)), y = rad(float(lat));
        projllnShown(&x, &y, &x, &y, 1);
        return std::fabs(x) < kFarAway;
    };
    useProjection(14, {.lon0 = 0, .lon2 = 2, .lat1 = 30, .lat2 = 60});
    EXPECT_TRUE(shown(0, 76.4));
    EXPECT_FALSE(shown(0, 76.6));
    EXPECT_TRUE(shown(0, 13.6));
    EXPECT_FALSE(shown(0, 13.4));
    const struct {
        const char* name;
        Parameters p;
    } sheets[] = {
        {"the default sheet", {.lon0 = 0, .lon2 = 2, .lat1 = 30, .lat2 = 60}},
        {"a sheet of the world map", {.lon0 = 10, .lon2 = 12, .lat1 = 44, .lat2 = 40}},
        {"at the equator", {.lon0 = -170, .lon2 = -168, .lat1 = 0, .lat2 = 4}},
        {"in the south", {.lon0 = 100, .lon2 = 104, .lat1 = -64, .lat2 = -68}},
        {"near the pole", {.lon0 = 0, .lon2 = 8, .lat1 = 76, .lat2 = 80}},
    };
    constexpr int32_t kAround = 72;
    for (const auto& s : sheets) {
        SCOPED_TRACE(s.name);
        useProjection(14, s.p);
        const double c = rad(0.5f * (s.p.lat1 + s.p.lat2)),
                     reach = projectionRow(14).reach(currentProjectionParams()).angle;
        // The point at distance d (radians) from the middle, azimuth a.
        const auto along = [&](double d, double a) {
            const double lat =
                std::asin(std::sin(c) * std::cos(d) + std::cos(c) * std::sin(d) * std::cos(a));
            const double dl = std::atan2(std::sin(a) * std::sin(d) * std::cos(c),
                                         std::cos(d) - std::sin(c) * std::sin(lat));
            return std::array<float, 2>{s.p.lon0 + deg(float(dl)), deg(float(lat))};
        };
        for (int32_t k = 0; k < kAround; ++k) {
            const double a = 2 * M_PI * k / kAround;
            for (double t = 0.05; t < 1; t += 0.05) {
                const auto [lon, lat] = along(t * reach, a);
                EXPECT_TRUE(shown(lon, lat)) << k << " " << t;
                const Point p = project(lon, lat), e = project(lon + 0.01f, lat),
                            n = project(lon, lat + 0.01f);
                EXPECT_GT((e.x - p.x) * (n.y - p.y) - (n.x - p.x) * (e.y - p.y), 0)
                    << k << " " << t;
            }
            const auto [lon, lat] = along(1.01 * reach, a);
            EXPECT_FALSE(shown(lon, lat)) << k;
        }
    }
}

// A map with a rim short of a point at infinity: a point on the ground, whether it shows it, and
// the latitudes of its rims, half the rim's points on each.
struct RimCase {
    const char* name;
    int32_t iproj;
    Parameters p;
    float lon, lat;
    bool shown;
    std::vector<float> rims;
    double tolerance = 1e-5;  // of the rims' latitudes, degrees
};

void expectRims(const RimCase& c) {
    SCOPED_TRACE(c.name);
    const auto shown = [](float lon, float lat) {
        float x = lon, y = lat;
        projllnShown(&x, &y, &x, &y, 1);
        return std::fabs(x) < kFarAway && std::fabs(y) < kFarAway;
    };
    useProjection(c.iproj, c.p);
    EXPECT_EQ(shown(rad(c.lon), rad(c.lat)), c.shown);
    constexpr int32_t kRim = 36;
    std::array<float, kRim> lon{}, lat{};
    ASSERT_EQ(rimOfCurrent(lon.data(), lat.data(), kRim), kRim);
    const auto each = static_cast<int32_t>(kRim / c.rims.size());
    for (int32_t k = 0; k < kRim; ++k) {
        EXPECT_NEAR(deg(lat[k]), c.rims[static_cast<std::size_t>(k / each)], c.tolerance) << k;
        EXPECT_TRUE(shown(lon[k], lat[k])) << k;
    }
}

// Mercator sends both poles to infinity: it shows the ground up to one degree from them, and its
// rims are the parallels there.
TEST(ProjectionEdges, APoleAtInfinityHasARimOneDegreeShortOfIt) {
    ConsoleCapture cap;
    const RimCase cases[] = {
        {"Mercator anywhere but the poles", 15, {}, 170, -89, true, {89, -89}},
        {"Mercator beyond the north rim", 15, {}, 170, 89.01f, false, {89, -89}},
        {"Mercator beyond the south rim", 15, {}, -10, -89.01f, false, {89, -89}},
        {"ellipsoidal Mercator at the rim", 16, {}, 10, 89, true, {89, -89}},
        {"ellipsoidal Mercator beyond it", 16, {}, 10, -89.01f, false, {89, -89}},
    };
    for (const RimCase& c : cases) expectRims(c);
}

// A conformal cone sends the pole opposite its apex to infinity (the south pole for northern
// parallels, the north for southern ones): it shows the ground out to where its scale is sec 80
// degrees (5.758770) times its least, and its rim is the parallel there. The latitudes from
// PROJ: the least k of `seq -f '0 %.4f' 0 0.01 89.99 | proj -S +proj=lcc +lat_1=30 +lat_2=60
// +R=1` (0.965648), then the first latitude going south from -30 by 0.0005 degree whose k is
// 5.758770 times that or more (-56.7645; parallels 20 and 50: -62.1655; 5 and 10: -76.6055).
// The ellipsoidal cone takes the sphere's rule with its own constant n: PROJ's +ellps=GRS80 puts
// the latitude of that scale at -56.9235, 0.17 degree beyond its rim.
TEST(ProjectionEdges, AConformalConeEndsWhereItsScaleIsSec80TimesItsLeast) {
    ConsoleCapture cap;
    const Parameters north{.lat1 = 30, .lat2 = 60}, south{.lat1 = -30, .lat2 = -60},
        wide{.lat1 = 20, .lat2 = 50}, low{.lat1 = 5, .lat2 = 10};
    constexpr float kRim = 56.7645f;
    const RimCase cases[] = {
        {"a northern cone's apex", 3, north, 10, 90, true, {-kRim}, 1e-3},
        {"a northern cone within its rim", 3, north, 10, -kRim + 0.01f, true, {-kRim}, 1e-3},
        {"a northern cone beyond its rim", 3, north, 10, -kRim - 0.01f, false, {-kRim}, 1e-3},
        {"the fixture's cone beyond its rim", 3, wide, 10, -62.18f, false, {-62.1655f}, 1e-3},
        {"a cone near the equator", 3, low, 10, -76.59f, true, {-76.6055f}, 1e-3},
        {"a southern cone's apex", 3, south, 10, -90, true, {kRim}, 1e-3},
        {"a southern cone beyond its rim", 3, south, 10, kRim + 0.01f, false, {kRim}, 1e-3},
        {"an ellipsoidal northern cone beyond it", 4, north, 10, -57.0f, false, {-56.9235f}, 0.2},
        {"an ellipsoidal southern cone within it", 4, south, 10, 56.6f, true, {56.9235f}, 0.2},
    };
    for (const RimCase& c : cases) expectRims(c);
}

TEST(ProjectionEdges, ParallelsThatGiveNoConeAreResetWithAWarning) {
    // No cone fits the first six: 30 and -29.9999 lie a rounding from opposite parallels, whose
    // cone opens into a plane; its box shows them as 30 and -30. The modified polyconic needs
    // two bounding parallels.
    const struct {
        int32_t iproj;
        float lat1, lat2;
        const char* shown;  // the box, named after projection and parallels
    } cases[] = {{3, 30, -30, "3 30 -30"},       {3, 30, -29.9999f, "3 30 -30"},
                 {4, 30, -29.9999f, "4 30 -30"}, {4, 0, 0, "4 0 0"},
                 {3, 90, 60, "3 90 60"},         {4, 20, -90, "4 20 -90"},
                 {14, 40, 40, "14 40 40"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.shown) + ", second parallel " + std::to_string(c.lat2));
        ConsoleCapture cap("\n");
        useProjection(c.iproj, {.lat1 = c.lat1, .lat2 = c.lat2});
        expectGolden(cap.lines(), std::string("projection_menus.txt#parallels ") + c.shown);
        EXPECT_FLOAT_EQ(llpparam.lat1, rad(30.0f));
        EXPECT_FLOAT_EQ(llpparam.lat2, rad(60.0f));
        const Point p = project(20, 45);
        EXPECT_LT(std::fabs(p.x), 2.0f);
        EXPECT_LT(std::fabs(p.y), 2.0f);
    }
}

// Whatever the point and the parameters, a coordinate is a number no larger than the sentinel.
TEST(ProjectionEdges, NoProjectionEverReturnsNaNOrInfinity) {
    ConsoleCapture cap;
    std::vector<float> lon, lat;
    for (float lo :
         {-540.0f, -360.0f, -180.0f, -179.99f, -90.0f, -1e-3f, 0.0f, 0.4f, 90.0f, 180.0f, 360.0f}) {
        for (float la : {-100.0f, -90.0f, -89.99999f, -45.0f, -1e-6f, 0.0f, 1e-6f, 45.0f, 89.99999f,
                         90.0f, 100.0f}) {
            lon.push_back(rad(lo));
            lat.push_back(rad(la));
        }
    }
    const auto n = static_cast<int32_t>(lon.size());
    for (const Parameters& p : {Parameters{}, Parameters{.lat1 = 0, .omega = 180},
                                Parameters{.lon0 = 180,
                                .lat1 = 90,
                                .lat2 = 89,
                                .omega = 360,
                                .centreLon = 0,
                                .centreLat = 90}}) {
        for (int32_t iproj = 1; iproj <= 25; ++iproj) {
            useProjection(iproj, p);
            std::vector<float> x(lon.size()), y(lon.size());
            projlln(x.data(), y.data(), lon.data(), lat.data(), n);
            for (std::size_t i = 0; i < x.size(); ++i) {
                EXPECT_TRUE(std::fabs(x[i]) <= 1e20f && std::fabs(y[i]) <= 1e20f)
                    << iproj << " at " << lon[i] << "," << lat[i] << ": " << x[i] << "," << y[i];
            }
        }
    }
}

int32_t menuMode = -1;
void chooseSinusoidal(int32_t& iproj, int32_t mode) {
    menuMode = mode;
    iproj = 22;
    projtype.iproj = 22;
}

TEST(ProjectionDispatch, UnknownProjectionIsReportedAndReset) {
    {
        // Without the projection menu: back to Mercator.
        ConsoleCapture cap("\n");
        useProjection(15);
        projtype.iproj = 0;
        const Point p = project(30, 45);
        expectGolden(cap.lines(), "projection_menus.txt#dispatcher without menu");
        EXPECT_EQ(projtype.iproj, 15);
        EXPECT_NEAR(p.x, 0.5235988, 1e-6);
        EXPECT_NEAR(p.y, 0.8813736, 1e-6);
    }
    {
        // With it: the menu in mode 4 chooses, and the points go through its choice.
        ConsoleCapture cap("\n");
        setProjectionMenu(chooseSinusoidal);
        useProjection(15);
        projtype.iproj = 26;
        const Point p = project(30, 60);
        setProjectionMenu(nullptr);
        expectGolden(cap.lines(), "projection_menus.txt#dispatcher with menu");
        EXPECT_EQ(menuMode, 4);
        EXPECT_NEAR(p.x, 0.2617994, 1e-6);
        EXPECT_NEAR(p.y, 1.0471976, 1e-6);
    }
}

}  // namespace
}  // namespace tensova::test

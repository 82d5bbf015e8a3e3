// The rules of the map as one value: the frame normalised where it is set, membership in it in
// any turn, placement about the central meridian (the same event lands at the same place on the
// page whatever the frame's middle), longitudes beyond a turn in the dialogs, and the transverse
// Mercator's reach, which lets a wide frame fit the page.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "map_fixture.hpp"
#include "mapdraw/grid.hpp"
#include "mapdraw/map_drawing.hpp"
#include "projection/dialogs.hpp"
#include "projection/transforms.hpp"
#include "support/grid_map.hpp"

namespace tensova::test {
namespace {

constexpr const char* kWarning = " ///               WARNING               ///";

TEST(MapRules, TheFrameIsNormalisedWhereItIsSet) {
    const struct {
        const char* name;
        float lonmin, lonmax, latmin, latmax, tic;  // as typed
        float west, east, south, north, stored;     // as stored
        int boxes;
    } cases[] = {
        {"east to west runs east", 170, -170, -35, -10, 1, 170, 190, -35, -10, 1, 0},
        {"180 -180 is a whole turn", 180, -180, -80, 80, 1, 180, 540, -80, 80, 1, 0},
        {"equal bounds are a whole turn", 10, 10, -80, 80, 1, 10, 370, -80, 80, 1, 0},
        {"a frame as given", -180, 180, -80, 80, 1, -180, 180, -80, 80, 1, 0},
        {"latitudes in either order", 0, 40, 50, 10, 1, 0, 40, 10, 50, 1, 0},
        {"a latitude off the globe", 0, 40, 1e38f, 80, 1, 0, 40, 80, 90, 1, 1},
        {"a latitude maximum off the globe", 0, 40, -80, 1e38f, 1, 0, 40, -80, 90, 1, 1},
        {"a longitude far west", -1e10f, -1e10f + 10, -80, 80, 1, -360, 0, -80, 80, 1, 2},
        {"more than a turn", 0, 720, -80, 80, 1, 0, 360, -80, 80, 1, 1},
        {"beyond 360, within a turn east", 100, 440, -80, 80, 1, 100, 440, -80, 80, 1, 0},
        {"beyond -360, within a turn west", -100, -440, -80, 80, 1, -100, -80, -80, 80, 1, 0},
        {"a tick beyond a quarter turn", 0, 40, -80, 80, 1e38f, 0, 40, -80, 80, 90, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConsoleCapture cap("\n\n\n\n");
        float latmin = c.latmin, latmax = c.latmax, lonmin = c.lonmin, lonmax = c.lonmax;
        float latinc = 10, loninc = 10, tic = c.tic;
        int32_t npgrid = 3, nptick = 2, type = 1, ndec = 1;
        sllgrid3(latmin, latmax, lonmin, lonmax, latinc, loninc, npgrid, tic, nptick, type, ndec,
                 1);
        EXPECT_EQ(countLines(cap.lines(), kWarning), c.boxes);
        const Gridll& g = gridll;
        EXPECT_FLOAT_EQ(deg(g.lonmin), c.west);
        EXPECT_FLOAT_EQ(deg(g.lonmax), c.east);
        EXPECT_FLOAT_EQ(deg(g.latmin), c.south);
        EXPECT_FLOAT_EQ(deg(g.latmax), c.north);
        EXPECT_FLOAT_EQ(deg(g.ticsize), c.stored);
    }
}

TEST(MapRules, APointIsInTheFrameInAnyTurnItsEdgeIncluded) {
    projtype.iproj = 15;  // the frames are those of Mercator maps
    const MapFrame pacific = gridMap(170, -170, -40, 0).frame(),
                   world = gridMap(-180, 180, -80, 80).frame();
    const MapFrame america = gridMap(-138, -98, 20, 50).frame();
    const struct {
        const char* name;
        const MapFrame& frame;
        float lon, lat;
        bool inside;
    } cases[] = {
        {"east of 180, given west of it", pacific, -175, -20, true},
        {"on the east edge", pacific, -170, -20, true},
        {"on the east edge, a turn on", pacific, 190, -20, true},
        {"on the west edge", pacific, 170, -40, true},
        {"just beyond the east edge", pacific, -169.99f, -20, false},
        {"just beyond the west edge", pacific, 169.99f, -20, false},
        {"south of the frame", pacific, 180, -40.01f, false},
        {"two turns on", pacific, 180 + 720, 0, true},
        {"a turn west of the west edge", america, -138 - 360, 30, true},
        {"a whole turn holds every longitude", world, 1234, 0, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.frame.contains(rad(c.lon), rad(c.lat)), c.inside) << c.name;
}

// Makes projection iproj current about the central meridian lon0 (degrees), with zero offsets,
// an oblique centre at 150E and centreLat, and a central angle omega.
void useProjection(int32_t iproj, float lon0, float centreLat = 30, float omega = 180) {
    projtype.iproj = iproj;
    llorig = {};
    llpparam = {};
    llpparam.lon0 = rad(lon0);
    llpparam.lat1 = rad(30.0f);
    llpparam.lat2 = rad(60.0f);
    llpparam.omega = rad(omega);
    int32_t iell = 1;
    sellipsoid(iell, 1);
    float lon = 150, lat = centreLat;
    soblique(lon, lat, 1);
    deriveConstants(iproj);
}

// On every map that longitude does not merely shift or turn (those place in the frame's own
// turn), an event lands where the projection puts it, whatever the frame's middle: about 150E,
// the frames -30..330 and -180..180 (centred on its antimeridian) and 100..260 give one page.
TEST(MapRules, TheSameEventsLandAtTheSamePlaceWhateverTheFramesMiddle) {
    ConsoleCapture cap;
    const float lon[] = {-175, 140, -70, 179.9f, -31, 150, 175};
    const float lat[] = {10, 35, -20, 0, 5, -60, 45};
    constexpr int32_t n = 7;
    for (int32_t iproj = 1; iproj <= kProjectionCount; ++iproj) {
        // Mercator's x and the cylindrical equal-area's are shifts of longitude; the Albers cone,
        // which has no central longitude, turns with it.
        if (iproj == 15 || iproj == 16 || iproj == 19 || iproj == 23) continue;
        SCOPED_TRACE(projectionRow(iproj).titles[0]);
        useProjection(iproj, 150);
        const Map maps[] = {gridMap(-30, 330, -80, 80), gridMap(-180, 180, -80, 80),
                            gridMap(100, 260, -80, 80)};
        float x[3][n], y[3][n];
        for (int f = 0; f < 3; ++f) {
            float l[n], p[n];
            for (int32_t i = 0; i < n; ++i) l[i] = rad(lon[i]), p[i] = rad(lat[i]);
            projectOnMap(maps[f], x[f], y[f], l, p, n);
        }
        for (int32_t i = 0; i < n; ++i) {
            const bool inAll = maps[2].frame().contains(rad(lon[i]), rad(lat[i]));
            for (int f = 1; f < (inAll ? 3 : 2); ++f) {
                EXPECT_NEAR(x[f][i], x[0][i], 1e-5f * std::max(1.0f, std::fabs(x[0][i]))) << i;
                EXPECT_NEAR(y[f][i], y[0][i], 1e-5f * std::max(1.0f, std::fabs(y[0][i]))) << i;
            }
        }
    }
}

// The grid of a frame (degrees): all lines, in 3 steps, ticks in 2, one decimal.
void setGrid(float west, float east, float loninc, float south, float north, float latinc,
             float ticsize = 1) {
    gridll.lonmin = rad(west);
    gridll.lonmax = rad(east);
    gridll.latmin = rad(south);
    gridll.latmax = rad(north);
    gridll.loninc = rad(loninc);
    gridll.latinc = rad(latinc);
    gridll.npgrid = 3;
    gridll.nptick = 2;
    gridll.ticsize = rad(ticsize);
    gridll.gridtype = 1;
    gridll.ndec = 1;
}

// The grid of a whole turn, -180..180 by loninc and by 20 degrees of latitude from -80, on
// Mollweide about 150E: a frame across the seam, at -30.
void drawWorldAbout150(float loninc) {
    useProjection(24, 150);
    setGrid(-180, 180, loninc, -80, 80, 20);
    drawllgrid(mapOfGrid());
}

// Where the frame meets the seam. Mollweide about 150E (seam at -30) over 150..330: a point on
// the seam lies on the frame's edge, drawn on the map's east edge (x = 2 at the equator), and
// the fit holds the frame's half of the map alone. Over -180..180 by 20 the frame runs across the
// seam: both of the map's edges there are drawn, and the bounds -180 and 180, one meridian in the
// middle of the map, are drawn and labelled once. The Albers cone of a Pacific frame (160..210),
// with no central longitude of its own, keeps the frame whole: 175E and 175W lie side by side.
TEST(MapRules, FramesAtTheSeamAndAcrossIt) {
    {
        MapDocument doc("");
        useProjection(24, 150);
        gridll.lonmin = rad(150.0f);
        gridll.lonmax = rad(330.0f);
        const Map map = mapOfGrid();
        float lon = rad(-30.0f), lat = 0, x = 0, y = 0;
        projectOnMap(map, &x, &y, &lon, &lat, 1);
        EXPECT_NEAR(x, 2.0f, 1e-5f);
        float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
        extrllgrid(map, xmin, ymin, xmax, ymax);
        EXPECT_NEAR(xmin, 0.0f, 1e-5f);
    }
    {
        MapDocument doc("");
        drawWorldAbout150(20);
        const Lines lines = doc.doc.finish();
        const auto shown = [&](const std::string& label) {
            return std::count_if(lines.begin(), lines.end(),
                                 [&](const std::string& l) { return l.starts_with(label); });
        };
        EXPECT_EQ(shown("(-180.0)"), 2);
        EXPECT_EQ(shown("(180.0)"), 0);
        // The outline at 50N, where no parallel runs: both edges of the seam are drawn.
        for (const float lon : {-30.0f, 330.0f}) {
            float near = 1e9f;
            const Point o = at(lon, 50);
            for (const Path& p : paths(lines))
                for (std::size_t k = 1; k < p.points.size(); ++k) {
                    const Point a = p.points[k - 1], b = p.points[k];
                    const float dx = b[0] - a[0], dy = b[1] - a[1];
                    const float t = std::clamp(
                        ((o[0] - a[0]) * dx + (o[1] - a[1]) * dy) / (dx * dx + dy * dy + 1e-12f),
                        0.0f, 1.0f);
                    near = std::min(near, std::hypot(o[0] - a[0] - t * dx, o[1] - a[1] - t * dy));
                }
            EXPECT_LT(near, 0.05f) << lon;
        }
    }
    {
        ConsoleCapture cap;
        useProjection(19, 0);
        const Map map = gridMap(160, -150, 45, 65);
        float lon[] = {rad(175.0f), rad(-175.0f)}, lat[] = {rad(55.0f), rad(55.0f)}, x[2], y[2];
        projectOnMap(map, x, y, lon, lat, 2);
        EXPECT_LT(std::hypot(x[1] - x[0], y[1] - y[0]), rad(10.0f));
    }
}

// Mollweide about 0 over the world: a point a rounding beyond either edge of the seam is drawn
// on that edge (x = -2 or 2 on the equator), not a turn away on the other.
TEST(MapRules, APointARoundingBeyondTheSeamStaysOnItsEdge) {
    ConsoleCapture cap;
    useProjection(24, 0);
    const Map map = gridMap(-180, 180, -80, 80);
    for (const float edge : {-180.0001f, 180.0001f}) {
        float lon = rad(edge), lat = 0, x = 0, y = 0;
        projectOnMap(map, &x, &y, &lon, &lat, 1);
        EXPECT_NEAR(x, std::copysign(2.0f, edge), 1e-5f) << edge;
    }
}

// Mollweide about 150E over a whole turn by 10 degrees: the bounds -180 and 180 are one line,
// and the meridian -30 lies on the seam, where the map's two edges are drawn instead; each of
// these is drawn once.
TEST(MapRules, AWholeTurnAcrossTheSeamDrawsEachMeridianOnce) {
    MapDocument doc("");
    drawWorldAbout150(10);
    std::vector<float> meridians;  // the x of each line from the frame's south to its north
    for (const Path& p : doc.finish())
        if (p.points.size() >= 2 && std::fabs(p.points.front()[1] - at(0, -80)[1]) < 0.01f &&
            std::fabs(p.points.back()[1] - at(0, 80)[1]) < 0.01f)
            meridians.push_back(p.points.front()[0]);
    EXPECT_EQ(meridians.size(), 37u);
    for (const float lon : {180.0f, -30.0f, 330.0f})
        EXPECT_EQ(std::ranges::count_if(
                      meridians, [&](float x) { return std::fabs(x - at(lon, -80)[0]) < 0.01f; }),
                  1)
            << lon;
}

// The ground's axes a few km inside an azimuthal rim, where the step beyond it is hidden, as
// well as farther in: polar equal-area of 90 degrees, at 90E. North points to the centre (-x),
// east up (+y), their scales cos(c/2) and 1/cos(c/2) at colatitude c: the azimuth 45 lies on
// the page at -atan(cos^2(c/2)), clockwise from up.
TEST(MapRules, GroundAxesAFewKmInsideTheRim) {
    ConsoleCapture cap;
    useProjection(5, 0, 90, 90);
    const Map map = gridMap(-180, 180, -80, 80);
    for (const float latDeg : {5.0f, 0.02f}) {
        float lon = rad(90.0f), lat = rad(latDeg), x = 0, y = 0;
        projectOnMap(map, &x, &y, &lon, &lat, 1);
        GroundAxes g;
        groundAxes(map, &g, &lon, &lat, &x, &y, 1);
        const float h = std::cos(rad(90 - latDeg) / 2);
        EXPECT_NEAR(g.turn(rad(45.0f), false), -std::atan(h * h) - rad(45.0f), 3e-4f) << latDeg;
    }
}

// A longitude off the globe, typed at the central-meridian or the origin dialog, is refused and
// asked again; one beyond a turn that a caller gives is the same meridian as its reduction: 1e10
// is -80, and 370 is 10.
TEST(MapRules, LongitudesBeyondATurnInTheDialogs) {
    ConsoleCapture cap("1\n1e10\n\n-80\n99\n1\n370\n\n10\n2\n0\n99\n");
    useProjection(24, 0);
    float lon0 = 0;
    slong1(lon0, 0);
    EXPECT_EQ(llpparam.lon0, rad(-80.0f));
    float lon = 0, lat = 0;
    sllorig(lon, lat, 0);
    EXPECT_EQ(llorig.lon, rad(10.0f));
    EXPECT_EQ(countLines(cap.lines(), " outside [-360.00, 360.00]"), 2);
    useProjection(24, 0);
    lon0 = 1e10f;
    slong1(lon0, 1);
    EXPECT_EQ(llpparam.lon0, rad(-80.0f));
    lon = 370.0f;
    sllorig(lon, lat, 1);
    EXPECT_EQ(llorig.lon, rad(10.0f));
}

// A grid with ticks every 10 degrees over west..east and -lat..lat, its ticks `tick` degrees long
// in `steps` steps.
void useGrid(float west, float east, float lat, float tick, int32_t steps) {
    gridll.lonmin = rad(west);
    gridll.lonmax = rad(east);
    gridll.latmin = rad(-lat);
    gridll.latmax = rad(lat);
    gridll.latinc = gridll.loninc = rad(10.0f);
    gridll.npgrid = 3;
    gridll.gridtype = 1;
    gridll.ticsize = rad(tick);
    gridll.nptick = steps;
}

// A transverse Mercator of a frame wider than its reach: its grid ends on the rim and the fit
// reaches it, at x = rim either way; nothing is drawn beyond, not even ticks that run over the
// poles. Both reach 80 degrees from their central meridian's great circle. The spherical one
// about 0 has its rim at atanh(sin 80) = 2.4362460 (python3). Over -120..120 the frame's sides
// lie within 60 degrees of that circle: the rim alone, both its small circles, gives the width.
// The ellipsoidal one about 150E over 50..250 has its rim's widest point on the equator, 80
// degrees out, where the exact projection puts it at 15914266.803 m, 2.4951272 equatorial radii
// (echo 0 80 | TransverseMercatorProj -e 6378137 1/298.257222101 -k 1 -l 0, GeographicLib
// 2.1.2); its series stands 0.14 km, 2.2e-5, within it.
TEST(MapRules, ATransverseMercatorOfAWideFrameEndsOnItsRim) {
    const struct {
        const char* name;
        int32_t iproj;
        float lon0, west, east, rim;
    } cases[] = {
        {"spherical, 80 degrees from the central great circle", 1, 0, -100, 100, 2.4362460f},
        {"spherical, its rim alone", 1, 0, -120, 120, 2.4362460f},
        {"ellipsoidal, 80 degrees from the central great circle", 2, 150, 50, 250, 2.4951272f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MapDocument doc("");
        useProjection(c.iproj, c.lon0);
        // Ticks of a quarter turn run over the poles.
        useGrid(c.west, c.east, 80, 90, 2);
        const Map map = mapOfGrid();
        float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
        extrllgrid(map, xmin, ymin, xmax, ymax);
        EXPECT_NEAR(xmax, c.rim, 1e-4f);
        EXPECT_NEAR(xmin, -c.rim, 1e-4f);
        drawllgrid(map);
        const float rim = toDevice({c.rim, 0})[0] - toDevice({0, 0})[0];
        float widest = 0;
        for (const Path& p : doc.finish())
            for (const Point& q : p.points)
                widest = std::max(widest, std::fabs(q[0] - toDevice({0, 0})[0]));
        EXPECT_NEAR(widest, rim, 0.05f);
    }
}

// The ellipsoidal transverse Mercator about 150E shows the ground within 80 degrees of its
// central meridian's great circle, past the poles too, each point within a kilometre of the
// exact projection; nothing beyond (60E and 240E on the equator lie 89 degrees from it). Its rim
// is the two small circles 80 degrees from that great circle. The frame 50..250 runs round the
// circle's poles, so it holds the tear wherever it lies: the map keeps it at the south pole. The
// ground beyond the north pole (at 51.65E, and at 330E on the central great circle) runs on
// from the near side, and the ground beyond the south pole lies the meridian's whole length, four
// quarters of 10001965.729 m, further on. References, in equatorial radii: echo "lat lon" |
// TransverseMercatorProj -e 6378137 1/298.257222101 -k 1 -l 150 (GeographicLib 2.1.2), divided
// by 6378137.
TEST(MapRules, AnEllipsoidalTransverseMercatorShowsEightyDegreesFromItsGreatCircle) {
    ConsoleCapture cap;
    useProjection(2, 150);
    const Map map = gridMap(50, 250, -80, 80);
    constexpr double kQuarter = 10001965.729 / 6378137.0;
    const struct {
        float lon, lat;
        bool shown;
        double x, y;
    } cases[] = {
        {165, 10, true, 0.2606782, 0.1794109},
        {135, -25, true, -0.2391752, -0.4471148},
        {180, 45, true, 0.3701381, 0.8533842},
        {120, -45, true, -0.3701381, -0.8533842},
        {239, 30, true, 1.3142563, 1.5381433},
        {241, -30, true, 1.3142563, -1.5981850},
        {51.65f, 13.82f, true, -1.9466224, 2.0857711},
        {-30, 60, true, 0, 2.0930655},
        {-30, -60, true, 0, -2.0930655},
        {61, 0, false, 0, 0},
        {59, 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        float lon = rad(c.lon), lat = rad(c.lat), x = 0, y = 0;
        map.project(&x, &y, &lon, &lat, 1);
        EXPECT_EQ(onMap(x, y), c.shown) << c.lon << " " << c.lat;
        if (!c.shown) continue;
        const double beyond = c.y < -kQuarter ? 4 * kQuarter : 0;
        EXPECT_LT(std::hypot(x - c.x, y - c.y - beyond), 1000 / 6378137.0) << c.lon << " " << c.lat;
    }
    std::array<float, 36> lon{}, lat{}, x{}, y{};
    ASSERT_EQ(map.rim(lon.data(), lat.data(), 36), 36);
    map.project(x.data(), y.data(), lon.data(), lat.data(), 36);
    for (std::size_t k = 0; k < 36; ++k) {
        EXPECT_NEAR(std::fabs(std::sin(lon[k] - rad(150.0f))) * std::cos(lat[k]),
                    std::sin(rad(80.0f)), 1e-6f)
            << k;
        EXPECT_TRUE(onMap(x[k], y[k])) << k;
    }
}

// A transverse Mercator wraps the ground around its central meridian's great circle and tears it
// where it closes that circle: in the middle of the widest stretch of the circle that the frame
// leaves empty. So a frame that leaves one is drawn in one piece, each meridian and parallel of
// its grid one line: a polar cap (the pole lies on the central meridian's great circle) is a
// disc, about as wide as it is tall (a cap of 30 degrees 2 atanh(sin 30) = 1.10 wide and 1.05
// tall, where its tear at the pole made it 2 pi tall); and so is a frame across the meridian a
// quarter turn from the central one, or across its antimeridian, south of the equator, where the
// tear used to be.
TEST(MapRules, ATransverseMercatorTearsAwayFromItsFrame) {
    const struct {
        const char* name;
        int32_t iproj;
        float lon0, west, east, south, north;
        bool disc;
    } cases[] = {
        {"the south polar cap", 1, 0, -180, 180, -90, -60, true},
        {"the north polar cap", 1, 0, -180, 180, 60, 90, true},
        {"the south polar cap about 150E", 1, 150, -180, 180, -90, -50, true},
        {"an ellipsoidal south polar cap", 2, 0, -180, 180, -90, -60, true},
        {"an ellipsoidal north polar cap about 150E", 2, 150, 0, 360, 70, 90, true},
        {"a quarter turn east, south of the equator", 1, 0, 60, 120, -80, -40, false},
        {"across the antimeridian, to the south pole", 1, 0, 60, 300, -90, -30, false},
        {"ellipsoidal, across the antimeridian", 2, 10, 150, 240, -60, -20, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MapDocument doc("");
        useProjection(c.iproj, c.lon0);
        const Map map = gridMap(c.west, c.east, c.south, c.north);
        // Each meridian every 30 degrees and each parallel every 10, by its own pen.
        int lines = 0;
        const auto line = [&](float lon1, float lat1, float lon2, float lat2) {
            MapPen pen(map, Join::kGraticule);
            for (int k = 0; k <= 60; ++k)
                pen.to(rad(lon1 + (lon2 - lon1) * static_cast<float>(k) / 60),
                       rad(lat1 + (lat2 - lat1) * static_cast<float>(k) / 60), k);
            ++lines;
        };
        for (float lon = c.west; lon <= c.east; lon += 30) line(lon, c.south, lon, c.north);
        for (float lat = c.south; lat <= c.north; lat += 10) line(c.west, lat, c.east, lat);
        auto drawn = doc.finish();
        std::erase_if(drawn, [](const Path& q) { return q.points.size() < 2; });
        EXPECT_EQ(static_cast<int>(drawn.size()), lines);
        if (!c.disc) continue;
        Point lo{1e9f, 1e9f}, hi{-1e9f, -1e9f};
        for (const Path& q : drawn)
            for (const Point& pt : q.points)
                for (std::size_t k = 0; k < 2; ++k) {
                    lo[k] = std::min(lo[k], pt[k]);
                    hi[k] = std::max(hi[k], pt[k]);
                }
        EXPECT_NEAR(hi[1] - lo[1], hi[0] - lo[0], 0.1f * (hi[0] - lo[0]));
    }
}

// Where the frame leaves the south pole's stretch of the circle empty, or leaves none empty (the
// whole world: it holds the tear wherever it lies), the map places every point as the
// projection does with its tear at the south pole: such maps keep their bytes.
TEST(MapRules, ATransverseMercatorFrameClearOfTheSouthPoleKeepsItsPoints) {
    ConsoleCapture cap;
    const struct {
        const char* name;
        int32_t iproj;
        float west, east, south, north;
    } cases[] = {
        {"the default frame", 1, -80, 80, -80, 80},
        {"the north polar cap", 1, -180, 180, 60, 90},
        {"across the antimeridian", 1, 150, 210, -60, 60},
        {"to the south pole on its meridian", 1, -60, 60, -90, 0},
        {"the world", 1, -180, 180, -90, 90},
        {"ellipsoidal, Japan", 2, 125, 150, 25, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useProjection(c.iproj, 0);
        const Map map = gridMap(c.west, c.east, c.south, c.north);
        for (int i = 0; i <= 12; ++i)
            for (int k = 0; k <= 12; ++k) {
                float lon = rad(c.west + (c.east - c.west) * static_cast<float>(i) / 12);
                float lat = rad(c.south + (c.north - c.south) * static_cast<float>(k) / 12);
                float x = 0, y = 0, px = 0, py = 0;
                map.project(&x, &y, &lon, &lat, 1);
                projllnShown(&px, &py, &lon, &lat, 1);
                EXPECT_EQ(x, px) << i << " " << k;
                EXPECT_EQ(y, py) << i << " " << k;
            }
    }
}

// Lallemand's sheet of 30 to 60 degrees about 170E shows the cap of 31.5 degrees about
// (170E, 45N), its points where PROJ puts them, those across 180 too; the fit of a wider frame
// is the box of its rim, placed about 170E, and the grid ends on that rim. References: echo
// "lon lat" | proj -f %.7f +proj=imw_p +a=1 +b=0.9966472184589324 +lat_1=30 +lat_2=60
// +lon_0=170 +lon_1=2 (PROJ 9.1.1).
TEST(MapRules, ALallemandMapEndsOnTheRimAboutItsSheet) {
    MapDocument doc("");
    useProjection(14, 170);
    llpparam.lon2 = rad(172.0f);
    deriveConstants(14);
    const struct {
        float lon, lat;
        bool shown;
        double x, y;
    } cases[] = {
        {-160, 50, true, 0.3173924, 0.4102688},
        {170, 76.4f, true, 0, 0.8092954},
        {170, 13.6f, true, 0, -0.2845448},
        {150, 30, true, -0.3010195, 0.0263358},
        {170, 76.6f, false, 0, 0},
        {170, 13.4f, false, 0, 0},
        {-110, 45, false, 0, 0},
        {170, -30, false, 0, 0},
    };
    useGrid(100, 240, 90, 1, 1);
    const Map map = mapOfGrid();
    for (const auto& c : cases) {
        float lon = map.place(rad(c.lon)), lat = rad(c.lat), x = 0, y = 0;
        map.project(&x, &y, &lon, &lat, 1);
        EXPECT_EQ(onMap(x, y), c.shown) << c.lon << " " << c.lat;
        if (!c.shown) continue;
        EXPECT_NEAR(x, c.x, 1e-5) << c.lon << " " << c.lat;
        EXPECT_NEAR(y, c.y, 1e-5) << c.lon << " " << c.lat;
    }
    constexpr int32_t kRim = 3600;
    std::vector<float> lon(kRim), lat(kRim), x(kRim), y(kRim);
    ASSERT_EQ(map.rim(lon.data(), lat.data(), kRim), kRim);
    for (float& l : lon) l = map.place(l);
    map.project(x.data(), y.data(), lon.data(), lat.data(), kRim);
    const auto [xlo, xhi] = std::minmax_element(x.begin(), x.end());
    const auto [ylo, yhi] = std::minmax_element(y.begin(), y.end());
    float xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    extrllgrid(map, xmin, ymin, xmax, ymax);
    EXPECT_NEAR(xmin, *xlo, 1e-4f);
    EXPECT_NEAR(xmax, *xhi, 1e-4f);
    EXPECT_NEAR(ymin, *ylo, 1e-4f);
    EXPECT_NEAR(ymax, *yhi, 1e-4f);
    drawllgrid(map);
    const Point lo = toDevice({*xlo, *ylo}), hi = toDevice({*xhi, *yhi});
    Point drawnLo = toDevice({0, 0}), drawnHi = drawnLo;
    // The labels of the meridians stand beyond the rim, which is the frame's top and bottom.
    for (const Path& p : paths(withoutTextMoves(doc.doc.finish())))
        for (const Point& q : p.points)
            for (std::size_t k = 0; k < 2; ++k) {
                drawnLo[k] = std::min(drawnLo[k], q[k]);
                drawnHi[k] = std::max(drawnHi[k], q[k]);
            }
    // No line beyond the rim; the central meridian runs from its bottom to its top.
    EXPECT_GT(drawnLo[0], lo[0] - 0.05f);
    EXPECT_LT(drawnHi[0], hi[0] + 0.05f);
    EXPECT_NEAR(drawnLo[1], lo[1], 0.05f);
    EXPECT_NEAR(drawnHi[1], hi[1], 0.05f);
}

// A map is made once, of the projection current then, and keeps projecting through that
// projection's row: another made current afterwards (Mercator, which shows every point and has
// no rim) changes nothing on it.
TEST(MapRules, TheMapProjectsThroughItsOwnRow) {
    ConsoleCapture cap;
    useProjection(2, 150);
    const Map map = gridMap(50, 250, -80, 80);
    float lon[] = {rad(165.0f), rad(59.0f)}, lat[] = {rad(10.0f), rad(0.0f)}, x[2], y[2];
    float rimLon[8], rimLat[8];
    projtype.iproj = 15;
    map.project(x, y, lon, lat, 2);
    EXPECT_NEAR(x[0], 0.2606782f, 1e-4f);
    EXPECT_FALSE(onMap(x[1], y[1]));
    EXPECT_EQ(map.rim(rimLon, rimLat, 8), 8);
    EXPECT_EQ(&map.projection(), &projectionRow(2));
}

// One set-up of a projection as its menu leaves it (degrees): its parameters, ellipsoid, oblique
// centre and origin, whose projection gives the offsets.
struct ProjectionSetUp {
    int32_t iproj;
    float lon0 = 0, lon2 = 2, lat1 = 30, lat2 = 60, omega = 180;
    int32_t iell = 1;
    float centreLon = 150, centreLat = 30, originLon = 0, originLat = 0;
};

void setUp(const ProjectionSetUp& s) {
    projtype.iproj = s.iproj;
    llpparam = {rad(s.lon0), rad(s.lon2), rad(s.lat1), rad(s.lat2), {}, rad(s.omega)};
    int32_t iell = s.iell;
    sellipsoid(iell, 1);
    float lon = s.centreLon, lat = s.centreLat;
    soblique(lon, lat, 1);
    deriveConstants(s.iproj);
    lon = s.originLon;
    lat = s.originLat;
    sllorig(lon, lat, 1);
}

// All that a map shows of a few points over the world, and of its rim.
std::vector<float> shownBy(const Map& map) {
    constexpr int32_t n = 6;
    float lon[n] = {10, 150, -60, 100, 175, -179.5f}, lat[n] = {20, 35, -30, 70, -5, 45}, x[n],
          y[n];
    for (int32_t i = 0; i < n; ++i) lon[i] = rad(lon[i]), lat[i] = rad(lat[i]);
    projectOnMap(map, x, y, lon, lat, n);
    std::vector<float> seen(x, x + n);
    seen.insert(seen.end(), y, y + n);
    std::array<float, 12> rimLon{}, rimLat{};
    map.rim(rimLon.data(), rimLat.data(), 12);
    seen.insert(seen.end(), rimLon.begin(), rimLon.end());
    seen.insert(seen.end(), rimLat.begin(), rimLat.end());
    return seen;
}

// A map holds its projection's parameters: another map made after a second set-up, of another
// projection or of the same with other parameters (central meridian, oblique centre, central
// angle, parallels, ellipsoid, origin), changes nothing on the first, while the second map shows
// the new set-up. Mercator with its origin at (0, 0) keeps 10E 20N at (0.1745329, 0.3563785):
// echo "10 20" | proj -f %.7f +proj=merc +R=1 (PROJ 9.1.1).
TEST(MapRules, AMapProjectsTheSameWhateverIsSetUpAfterIt) {
    const struct {
        const char* name;
        ProjectionSetUp first, second;
    } cases[] = {
        {"Mercator, then a Lambert conic of Japan",
         {15},
         {.iproj = 3, .lon0 = 140, .lat1 = 32, .lat2 = 42, .originLon = 140, .originLat = 37}},
        {"a transverse Mercator, then another meridian",
         {1},
         {.iproj = 1, .lon0 = 90, .originLat = 10}},
        {"an oblique stereographic, then another centre and angle",
         {.iproj = 8, .omega = 90},
         {.iproj = 8, .omega = 120, .centreLon = 10, .centreLat = -40}},
        {"Lallemand, then other parallels on another ellipsoid",
         {.iproj = 14, .lon0 = 10, .lon2 = 12, .lat1 = 40, .lat2 = 48},
         {.iproj = 14, .lon0 = 12, .lon2 = 14, .lat1 = 0, .lat2 = 8, .iell = 5}},
        {"an ellipsoidal Mercator, then another ellipsoid and origin",
         {.iproj = 16},
         {.iproj = 16, .iell = 5, .originLat = 30}},
        {"a polar perspective, then a narrower view",
         {.iproj = 11, .omega = 60},
         {.iproj = 11, .omega = 30}},
    };
    const auto world = [] { return gridMap(-180, 180, -90, 90); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConsoleCapture cap;
        setUp(c.first);
        const Map first = world();
        const std::vector<float> before = shownBy(first);
        setUp(c.second);
        const Map second = world();
        EXPECT_EQ(shownBy(first), before);
        EXPECT_NE(shownBy(second), before);
    }
    ConsoleCapture cap;
    setUp({15});
    const Map mercator = world();
    setUp(cases[0].second);
    float lon = rad(10.0f), lat = rad(20.0f), x = 0, y = 0;
    mercator.project(&x, &y, &lon, &lat, 1);
    EXPECT_NEAR(x, 0.1745329f, 1e-6f);
    EXPECT_NEAR(y, 0.3563785f, 1e-6f);
}

// A tick ends at a pole and a label stands no farther: on a polar stereographic cap of 62..90
// by 7 degrees (-180..180 by 40) with ticks of 10 degrees, the top edge is the pole itself, and
// its ticks and labels stay there (the first label drawn, the others on it left out) instead of
// running over the pole onto the opposite meridians. So do the parallel of 90, its ticks and
// label: every path that starts at the pole stays on it.
TEST(MapRules, TicksAndLabelsGoNoFartherThanAPole) {
    MapDocument doc("");
    useProjection(7, 0);
    setGrid(-180, 180, 40, 62, 90, 7, 10);
    drawllgrid(mapOfGrid());
    const Point pole = toDevice({0, 0});
    int atPole = 0;
    for (const Path& p : doc.finish()) {
        if (p.points.empty() ||
            std::hypot(p.points[0][0] - pole[0], p.points[0][1] - pole[1]) > 0.01f)
            continue;
        ++atPole;
        for (const Point& q : p.points) expectNear(q, pole, "from the pole");
    }
    EXPECT_GT(atPole, 0);
}

}  // namespace
}  // namespace tensova::test

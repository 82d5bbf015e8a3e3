// The edges of the projections: poles, the antimeridian, clamping to the central angle,
// degenerate parameters, the oblique centre, and the guards that keep every result finite.

#include <cmath>
#include <string>
#include <vector>

#include "numeric/frames.hpp"
#include "projection_fixture.hpp"

namespace tensova::test {
namespace {

constexpr double kFar = kFarAway;

struct Edge {
    const char* what;
    int32_t iproj;
    Parameters p;
    float lon, lat;  // degrees
    double x, y, tol;
};

const std::vector<Edge> kEdges = {
    {"tm 90 east on the equator", 1, {.lon0 = 0}, 90, 0, kFar, 0, 0},
    {"tm 90 west on the equator", 1, {.lon0 = 0}, -90, 0, -kFar, 0, 0},
    {"tm south pole seen from the far side", 1, {.lon0 = 0}, 180, -90, 0, 4.7123890, 1e-6},
    // proj +proj=tmerc +R=1 +lon_0=178 and +a=1 +b=B: -176 10
    {"tm antimeridian", 1, {.lon0 = 178}, -176, 10, 0.1033064, 0.1754747, 1e-5},
    {"ell tm antimeridian", 2, {.lon0 = 178}, -176, 10, 0.1033180, 0.1743241, 1e-5},
    // The meridian arc at 45 degrees: A0 lat + A2 sin 2lat + ... in double.
    {"ellipsoidal tm on the central meridian", 2, {}, 10, 45, 0, 0.7815675, 1e-6},
    {"mercator north pole", 15, {}, 30, 90, 0.5235988, kFar, 1e-6},
    {"mercator south pole", 15, {}, 30, -90, 0.5235988, -kFar, 1e-6},
    // proj +proj=lcc +R=1 +lat_1=20 +lat_2=50 +lat_0=0 +lon_0=10: 10 90
    {"lambert apex", 3, {}, 10, 90, 0, 1.9911634, 1e-5},
    {"lambert opposite pole", 3, {}, 10, -90, 0, -kFar, 0},
    // The same with +lat_1=-20 +lat_2=-50, and +lat_1=40 +lat_2=40 (tangent cone).
    {"southern lambert apex", 3, {.lat1 = -20, .lat2 = -50}, 10, -90, 0, -1.9911634, 1e-5},
    {"southern lambert opposite pole", 3, {.lat1 = -20, .lat2 = -50}, 10, 90, 0, kFar, 0},
    {"southern lambert", 3, {.lat1 = -20, .lat2 = -50}, 25, -60, 0.1403353, -1.0746611, 1e-5},
    {"tangent lambert", 3, {.lat1 = 40, .lat2 = 40}, 25, 60, 0.1397987, 1.1231882, 1e-5},
    {"tangent lambert", 3, {.lat1 = 40, .lat2 = 40}, -5, 10, -0.2911872, 0.2320810, 1e-5},
    {"tangent ell lambert", 4, {.lat1 = 40, .lat2 = 40}, 25, 60, 0.1401275, 1.1185620, 1e-5},
    {"tangent ell lambert", 4, {.lat1 = 40, .lat2 = 40}, -5, 10, -0.2910020, 0.2304806, 1e-5},
    {"albers on the equator is cylindrical", 19, {.lat1 = 0}, 30, 60, 0.5235988, 0.8660254, 1e-6},
    {"bonne on the equator is sinusoidal", 20, {.lat1 = 0}, 30, 60, 0.2617994, 1.0471976, 1e-6},
    {"werner north pole", 21, {}, 50, 90, 0, 0, 0},
    {"polyconic equator", 13, {}, 40, 0, 0.5235988, 0, 1e-6},
    {"perspective eye at the centre", 11, {.omega = 180}, 0, 90, kFar, kFar, 0},
    {"perspective of 180 degrees collapses", 11, {.omega = 180}, 30, 60, 0, 0, 1e-6},
    // Turned to the pole, the centre's vector is within rounding of it: finite, on the centre.
    {"oblique perspective eye at the centre", 12, {.omega = 180}, 20, 40, 0, 0, 1e-6},
    {"stereographic held to 90 degrees", 7, {.omega = 90}, 0, -30, 0, -1, 1e-6},
    {"equal-area equator", 5, {.omega = 180}, 0, 0, 0, -0.7071068, 1e-6},
    {"equal-area south pole", 5, {.omega = 180}, 0, -90, 0, -1, 1e-6},
    {"orthographic mirrors the south", 9, {.omega = 180}, 0, -30, 0, -0.8660254, 1e-6},
    {"gnomonic equator", 17, {}, 0, 0, 0, -kFar, 0},
    {"gnomonic pole", 17, {}, 0, 90, 0, 0, 1e-7},
    // Table entries: theta(1) = 0.8 and theta(45.5) = 36.75 degrees; X = (2/pi) dl cos theta,
    // Y = sin theta.
    {"mollweide 1 degree", 24, {.lon0 = 0}, 0, 1, 0, 0.0139622, 1e-6},
    {"mollweide 45.5 degrees", 24, {.lon0 = 0}, 90, 45.5, 0.8012538, 0.5983246, 1e-6},
    {"mollweide pole", 24, {.lon0 = 0}, 180, 90, 0, 1, 1e-6},
    // On the central meridian Y = (2P/pi)/(1 + sqrt(1 - 4P^2/pi^2)): 0.1715729 at 30 degrees.
    {"van der grinten half-degree snap", 25, {.lon0 = 0}, 0.4f, 30, 0, 0.1715729, 1e-6},
    {"van der grinten antimeridian east", 25, {.lon0 = 0}, 180, 0, 1, 0, 1e-6},
    {"van der grinten antimeridian west", 25, {.lon0 = 0}, -180, 0, -1, 0, 1e-6},
    {"van der grinten pole", 25, {.lon0 = 0}, 50, 89.9995f, 0, 1, 1e-6},
    // proj +proj=vandg +R=1, times 1/pi: 1 0.2 (north of the equator, however close)
    {"van der grinten near the equator", 25, {.lon0 = 0}, 1, 0.2f, 0.0055556, 0.0011111, 1e-6},
    {"oblique equal-area centre", 6, {}, 20, 40, 0, 0, 1e-6},
    {"oblique stereographic centre", 8, {}, 20, 40, 0, 0, 1e-6},
    {"oblique orthographic centre", 10, {}, 20, 40, 0, 0, 1e-6},
    {"oblique perspective centre", 12, {}, 20, 40, 0, 0, 1e-6},
    {"oblique gnomonic centre", 18, {}, 20, 40, 0, 0, 1e-6},
};

TEST(ProjectionEdges, PolesAntimeridianCentresAndDegenerateParameters) {
    ConsoleCapture cap;
    for (const Edge& e : kEdges) {
        useProjection(e.iproj, e.p);
        const Point pt = project(e.lon, e.lat);
        EXPECT_NEAR(pt.x, e.x, e.tol) << e.what;
        EXPECT_NEAR(pt.y, e.y, e.tol) << e.what;
    }
    // The south pole on a stereographic map of 180 degrees: float tan(pi/2) puts it very far on
    // the far side of the centre, but finite.
    useProjection(7, {.omega = 180});
    const Point south = project(0, -90);
    EXPECT_EQ(south.x, 0.0f);
    EXPECT_GT(std::fabs(south.y), 1e6);
    EXPECT_LT(std::fabs(south.y), 1e8);
}

TEST(ProjectionEdges, ParallelsThatGiveNoConeAreResetWithAWarning) {
    // No cone fits the first four; the modified polyconic needs two bounding parallels.
    for (const std::array<int32_t, 3> b :
         {std::array{3, 30, -30}, {4, 0, 0}, {3, 90, 60}, {4, 20, -90}, {14, 40, 40}}) {
        ConsoleCapture cap("\n");
        useProjection(b[0], {.lat1 = float(b[1]), .lat2 = float(b[2])});
        expectGolden(cap.lines(), "projection_menus.txt#parallels " + std::to_string(b[0]) + " " +
                                      std::to_string(b[1]) + " " + std::to_string(b[2]));
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
    anglesReady();
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

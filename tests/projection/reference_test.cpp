// Every projection against independent reference values made with PROJ (the table in tests/data
// names the command of each projection), in earth radii, for the parameters of the fixture.

#include <cmath>
#include <vector>

#include "projection_fixture.hpp"

namespace tensova::test {
namespace {

struct Ref {
    int32_t iproj;
    float lon, lat;  // degrees
    double x, y;     // before the origin offsets
};

// Mollweide's auxiliary angle comes from a table to 0.1 degree: within 1e-3 of the exact map (the
// table is tested at its entries with the edges).
TEST(ProjectionReference, EveryProjectionMatchesItsReferencesInPlaceOrNot) {
    ConsoleCapture cap;
    std::vector<Ref> all;
    for (const auto& row : tableRows("projection_references.txt")) {
        const auto n = numbers(row[0]);
        ASSERT_EQ(n.size(), 5u) << row[0];
        all.push_back({int32_t(n[0]), float(n[1]), float(n[2]), n[3], n[4]});
    }
    for (int32_t iproj = 1; iproj <= 25; ++iproj) {
        std::vector<Ref> refs;
        std::vector<float> lon, lat;
        for (const Ref& r : all) {
            if (r.iproj != iproj) continue;
            refs.push_back(r);
            lon.push_back(rad(r.lon));
            lat.push_back(rad(r.lat));
        }
        ASSERT_GE(refs.size(), 4u) << iproj;
        useProjection(iproj);
        // Offsets are subtracted from every point.
        llorig.xoff = 0.125f;
        llorig.yoff = -0.25f;
        const auto n = static_cast<int32_t>(refs.size());
        std::vector<float> x(refs.size()), y(refs.size());
        projlln(x.data(), y.data(), lon.data(), lat.data(), n);
        projlln(lon.data(), lat.data(), lon.data(), lat.data(), n);
        const double tol = iproj == 24 ? 1e-3 : 1e-5;
        for (std::size_t i = 0; i < refs.size(); ++i) {
            const Ref& r = refs[i];
            EXPECT_NEAR(x[i], r.x - 0.125, tol) << iproj << " at " << r.lon << "," << r.lat;
            EXPECT_NEAR(y[i], r.y + 0.25, tol) << iproj << " at " << r.lon << "," << r.lat;
            EXPECT_EQ(lon[i], x[i]) << iproj << " in place";
            EXPECT_EQ(lat[i], y[i]) << iproj << " in place";
        }
    }
}

// Lallemand's sheet north of 76 degrees, where its meridian of true scale lies 8 degrees from the
// central one (as on the world map's sheets there): the parallels' circles are small, and the
// points near 80 degrees, across 60 degrees of longitude, are where their curvature tells. The
// references, in earth radii of GRS80 (B as above), are PROJ 9.1.1's:
//   proj -f %.10f +proj=imw_p +a=1 +b=B +lat_1=76 +lat_2=84 +lon_0=10 +lon_1=8
TEST(ProjectionReference, LallemandNearEightyDegrees) {
    ConsoleCapture cap;
    useProjection(14, {.lon0 = 10, .lon2 = 18, .lat1 = 76, .lat2 = 84});
    const Ref refs[] = {
        {14, 18, 80, 0.0241904191, 0.0716489583},   {14, 30, 80, 0.0594792191, 0.0802862459},
        {14, -20, 80, -0.0870224092, 0.0928715821}, {14, 50, 79, 0.1231702872, 0.0963081227},
        {14, -35, 81, -0.1110155895, 0.1327009947}, {14, 10, 80, 0.0000000000, 0.0699871986},
        {14, 70, 78, 0.1819380759, 0.1370083553}};
    for (const Ref& r : refs) {
        const Point p = project(r.lon, r.lat);
        EXPECT_NEAR(p.x, r.x, 2e-6) << r.lon << "," << r.lat;
        EXPECT_NEAR(p.y, r.y, 2e-6) << r.lon << "," << r.lat;
    }
    // Poleward of the sheet a meridian may miss its parallel's circle (PROJ gives no number
    // there): the point of the meridian nearest the circle is taken, on the map, near the pole.
    for (const float lon : {30.0f, -40.0f}) {
        const Point p = project(lon, 89.99f);
        EXPECT_TRUE(std::fabs(p.x) < 0.01f && std::fabs(p.y - 0.25f) < 0.01f) << lon;
    }
}

// The ellipsoidal transverse Mercator against the exact projection (GRS80, scale 1 on the central
// meridian 0), in metres, by the distance from the central meridian's great circle: within 2 m
// out to 60 degrees; within 3.5 m out to 76, where its series (Kruger's to n^6) is 0.89 m off in
// double, and the single precision of the points (1.5 m a unit in the last place at 2 radii out)
// and of the ellipsoid (its polar radius held to 6356752.5 m) make up the rest; within 150 m out
// to 80, its reach (0.14 km at its farthest, on the equator at the rim; cut to four terms, the
// series is 1.07 km off there and 28 m at 76); beyond, nothing is shown. On the equator the
// series of powers of the longitude difference that it replaced stood 19 km off at 45 degrees
// and 174 km at 60. A point of the far side south of the equator lies past the tear at the south
// pole: the length of the meridian's great circle, four of its quarters, further on.
// The references are GeographicLib 2.1.2's exact projection:
//   echo "lat lon" | TransverseMercatorProj -e 6378137 1/298.257222101 -k 1 -l 0 -p 3
TEST(ProjectionReference, EllipsoidalTransverseMercatorKeepsItsFiguresToItsReach) {
    ConsoleCapture cap;
    useProjection(2, {.lon0 = 0});
    constexpr double kRadius = 6378137.0, kQuarter = 10001965.729;
    const Ref refs[] = {
        {2, 5, 0, 557310.044, 0.000},
        {2, 30, 0, 3504812.861, 0.000},
        {2, 45, 0, 5627271.913, 0.000},
        {2, 60, 0, 8423099.474, 0.000},
        {2, 75, 0, 13073301.470, 0.000},
        {2, 85, 0, 21897209.147, 1427463.522},
        {2, 5, 45, 394234.439, 4997123.382},
        {2, 40, 45, 3133139.792, 5826829.612},
        {2, 60, 45, 4552797.983, 7042021.264},
        {2, 85, 45, 5593137.116, 9447450.603},
        {2, 79.5, 0, 15558661.472, 0.000},
        {2, 80.5, 0, 16294828.198, 0.000},
        {2, 30, -45, 2360791.677, -5443001.293},
        {2, 170, 80, 193010.273, 11102159.373},
        {2, 120, -89, 96732.180, -10057816.915},
        {2, -150, -30, -2959830.262, -16272364.935},
        {2, 0, 90, 0.000, 10001965.729},
        {2, 45, -90, 0.000, -10001965.729},
        {2, 79, 20, 10213000.617, 6963591.786},
        {2, 80, -10, 13315246.857, -5202520.530},
        {2, 76, 0, 13543422.313, 0.000},
        {2, 104.5, 0, 13303878.479, -20003931.458},
        {2, 79, 5, 14465826.147, 2922248.364},
        {2, 90, 10, 15237157.186, 10001965.729},
        {2, 100, 2, 15728946.712, 18582942.672},
        {2, 80, 0, 15914266.803, 0.000},
    };
    for (const Ref& r : refs) {
        SCOPED_TRACE(testing::Message() << r.lon << " " << r.lat);
        float x = rad(r.lon), y = rad(r.lat);
        const float lat = y;
        projllnShown(&x, &y, &x, &y, 1);
        const double across = std::asin(std::fabs(std::sin(rad(r.lon))) * std::cos(lat));
        if (across > rad(80.0f) + 1e-5) {
            EXPECT_EQ(x, kFarAway);
            continue;
        }
        const double far = r.y < -kQuarter ? 4 * kQuarter : 0;
        const double off = std::hypot(x * kRadius - r.x, y * kRadius - (r.y + far));
        EXPECT_LT(off, across <= rad(60.0f) ? 2.0 : across <= rad(76.0f) + 1e-6 ? 3.5 : 150.0);
    }
}

}  // namespace
}  // namespace tensova::test

// Every projection against independent reference values made with PROJ (the table in tests/data
// names the command of each projection), in earth radii, for the parameters of the fixture.

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

}  // namespace
}  // namespace tensova::test

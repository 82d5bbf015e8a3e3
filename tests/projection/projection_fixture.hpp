#pragma once
// Shared by the projection tests: a projection set up from known parameters without its menu,
// and comparison of projected points with reference values.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "numeric/angles.hpp"
#include "projection/dialogs.hpp"
#include "projection/projection.hpp"
#include "projection/transforms.hpp"
#include "support/console_capture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {

// The parameters of every reference table (degrees): central longitude 10, true-scale
// meridian 12, parallels 20 and 50, central angle 120, oblique centre (20, 40), GRS80.
struct Parameters {
    float lon0 = 10.0f, lon2 = 12.0f, lat1 = 20.0f, lat2 = 50.0f, omega = 120.0f;
    float centreLon = 20.0f, centreLat = 40.0f;
};

// The angle constants, set as at the program's start-up before any test runs, so that no
// transcript depends on which test of the program came first.
class AnglesSet : public ::testing::Environment {
    void SetUp() override {
        ConsoleCapture quiet;
        trigoset();
    }
};
inline ::testing::Environment* const kAnglesSet =
    ::testing::AddGlobalTestEnvironment(new AnglesSet);

// Makes projection iproj current with the parameters, its derived constants and zero offsets,
// as the projection menu would leave it. Prints the ellipsoid summary: run it inside a console
// capture.
inline void useProjection(int32_t iproj, const Parameters& p = {}) {
    projtype.iproj = iproj;
    llorig = Llorig{};
    llpparam = Llpparam{rad(p.lon0), rad(p.lon2), rad(p.lat1), rad(p.lat2), {}, rad(p.omega)};
    int32_t iell = 1;
    sellipsoid(iell, 1);
    float clon = p.centreLon, clat = p.centreLat;
    soblique(clon, clat, 1);
    deriveConstants(iproj);
}

struct Point {
    float x, y;
};

// One point (degrees) with the current projection.
inline Point project(float lonDeg, float latDeg) {
    float x = rad(lonDeg), y = rad(latDeg);
    projlln(&x, &y, &x, &y, 1);
    return {x, y};
}

}  // namespace tensova::test

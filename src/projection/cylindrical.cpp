// Spherical cylindrical projections: transverse Mercator, Mercator and Lambert's cylindrical
// equal-area, on the sphere of radius 1.

#include <cmath>

#include "numeric/angles.hpp"
#include "projection/families.hpp"
#include "projection/plane_point.hpp"
#include "projection/transforms.hpp"

namespace tensova {

void tm2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
         int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, lon0 = p.llpparam.lon0;
    const float pi = anglerad(kPi), halfPi = anglerad(kHalfPi), twoPi = anglerad(kTwoPi);
    const float nearHalfPi = angleradi(kHalfPi), pastHalfPi = anglerads(kHalfPi);
    for (int32_t i = 0; i < n; ++i) {
        const float phi = lat[i];
        float dl = lon[i] - lon0;
        // A central meridian near the antimeridian must not send a close point to the far
        // side: the difference is taken the short way round.
        if (dl < -pi || dl >= pi) modulro(&dl, &dl, anglerad(kTwoPi), -pi, 1);

        const float sp = std::sin(phi), cp = std::cos(phi);
        const float b = std::sin(dl) * cp;
        float px;
        if (b == 1.0f) {
            px = kFarAway;
        } else if (b == -1.0f) {
            px = -kFarAway;
        } else {
            px = 0.5f * std::log((1.0f + b) / (1.0f - b));
        }

        // Y runs on past the poles into the far hemisphere rather than folding back, around the
        // central meridian's great circle, and is laid out in the turn from the map's tear.
        const float adl = std::fabs(dl);
        const bool offPole = std::fabs(phi) < nearHalfPi;
        float py;
        if (adl < nearHalfPi) {
            py = offPole ? std::atan(sp / cp / std::cos(dl)) : (phi > 0.0f ? halfPi : -halfPi);
        } else if (adl > pastHalfPi) {
            py = offPole ? std::atan(sp / cp / std::cos(dl)) + pi
                         : (phi > 0.0f ? halfPi : anglerad(kThreeHalfPi));
        } else {
            py = phi == 0.0f ? 0.0f : (phi > 0.0f ? halfPi : -halfPi);
        }
        storePoint(x[i], y[i], px, fromTear(py, p.tear, twoPi), xoff, yoff);
    }
}

void mersphe2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n) {
    const float quarterPi = anglerad(kQuarterPi);
    mercator(p, x, y, lon, lat, n,
             [quarterPi](float phi) { return std::log(std::tan(0.5f * phi + quarterPi)); });
}

void lcnesphe2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
               int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff;
    for (int32_t i = 0; i < n; ++i) {
        const float lam = lon[i], phi = lat[i];
        storePoint(x[i], y[i], lam, std::sin(phi), xoff, yoff);
    }
}

}  // namespace tensova

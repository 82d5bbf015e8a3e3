#pragma once
// The forms that a spherical projection and its ellipsoidal twin share: the Lambert conformal
// cone and Mercator's cylinder; and the fall-back when two parallels define no cone.

#include <cmath>
#include <string_view>

#include "console/text.hpp"
#include "numeric/angles.hpp"
#include "projection/plane_point.hpp"
#include "projection/projection.hpp"

namespace tensova {

// Radius of the parallel phi on the cone rho = f t^n, t the (conformal) colatitude function
// that is 0 at the north pole and grows without bound towards the south pole. The pole on the
// apex's side is the apex; the other lies at infinity.
inline float coneRadius(float f, float n, float t, float phi, float nearHalfPi) {
    if (n > 0.0f ? phi >= nearHalfPi : phi <= -nearHalfPi) return 0.0f;
    if (n > 0.0f ? phi <= -nearHalfPi : phi >= nearHalfPi) return std::copysign(kFarAway, f);
    const float rho = f * std::pow(t, n);
    return std::isfinite(rho) ? rho : std::copysign(kFarAway, f);
}

// tan(pi/4 - phi/2) from the sine and cosine of phi, by whichever half-angle identity keeps its
// digits, without a tangent.
inline float halfColatitudeTan(float sinPhi, float cosPhi) {
    return sinPhi >= 0.0f ? cosPhi / (1.0f + sinPhi) : (1.0f - sinPhi) / cosPhi;
}

// Whether two standard parallels define a cone: neither at a pole, and not symmetric about the
// equator (that is a cylinder).
bool coneParallels(float lat1, float lat2);

// Warns that the parallels cannot be used (why) and puts them back to their defaults, 30 and
// 60 degrees, so that the constants can be derived.
void resetParallels(const Stamp& s, std::string_view why);

// Parallels closer than this (radians) are taken as one: a tangent cone.
inline constexpr float kSameParallel = 1e-5f;

// The Lambert conformal cone's constants n and F (the first two derived parameters) from the
// two standard parallels; when they give none, the warning of `s` and the default parallels.
// `cone` derives the constants and says whether the parallels gave a cone.
template <typename Cone>
void lambertSetUp(const Stamp& s, Cone cone) {
    float n = 0.0f, f = 0.0f;
    if (!cone(llpparam.lat1, llpparam.lat2, n, f)) {
        resetParallels(s, "==> NO CONE FITS THESE PARALLELS");
        cone(llpparam.lat1, llpparam.lat2, n, f);
    }
    llpparam.derived[0] = n;
    llpparam.derived[1] = f;
}

// The Lambert conformal conic with latitude of origin 0, on the sphere or, through the
// conformal factor of the sine of the latitude, on the ellipsoid.
template <typename Factor>
void lambertConic(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
                  int32_t n, Factor conformal) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, lon0 = p.llpparam.lon0;
    const float cn = p.llpparam.derived[0], f = p.llpparam.derived[1];
    const float nearHalfPi = angleradi(kHalfPi);
    for (int32_t i = 0; i < n; ++i) {
        const float phi = lat[i], theta = cn * (lon[i] - lon0);
        const float sp = std::sin(phi);
        const float t = halfColatitudeTan(sp, std::cos(phi)) / conformal(sp);
        const float rho = coneRadius(f, cn, t, phi, nearHalfPi);
        if (std::fabs(rho) >= kFarAway) {
            // The pole at infinity: the sentinel in each coordinate that runs off, so that no
            // meridian but the central one leaves a finite point there.
            x[i] = farAwayAlong(rho * std::sin(theta));
            y[i] = farAwayAlong(-rho * std::cos(theta));
            continue;
        }
        storePoint(x[i], y[i], rho * std::sin(theta), f - rho * std::cos(theta), xoff, yoff);
    }
}

// Mercator's map, on the sphere or the ellipsoid by its isometric latitude; the poles lie at
// infinity.
template <typename Isometric>
void mercator(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n, Isometric isometric) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, nearHalfPi = angleradi(kHalfPi);
    for (int32_t i = 0; i < n; ++i) {
        const float lam = lon[i], phi = lat[i];
        float py;
        if (phi >= nearHalfPi) {
            py = kFarAway;
        } else if (phi <= -nearHalfPi) {
            py = -kFarAway;
        } else {
            py = isometric(phi);
        }
        storePoint(x[i], y[i], lam, py, xoff, yoff);
    }
}

}  // namespace tensova

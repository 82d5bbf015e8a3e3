// Spherical pseudo-cylindrical and other world maps: Sanson-Flamsteed (sinusoidal), Mollweide
// and Van der Grinten.

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "numeric/angles.hpp"
#include "projection/plane_point.hpp"
#include "projection/transforms.hpp"

namespace tensova {
namespace {

// Mollweide's auxiliary angle (degrees, to 0.1) for each whole degree of latitude, so that the
// equation 2t + sin 2t = pi sin(lat) needs no solving; the last entry repeats 90 so that
// latitude 90 interpolates inside the table.
constexpr std::array<float, 92> kMollweideTheta = {
    0.0f,  0.8f,  1.6f,  2.4f,  3.1f,  3.9f,  4.7f,  5.5f,  6.3f,  7.1f,  7.9f,  8.7f,
    9.4f,  10.2f, 11.0f, 11.8f, 12.6f, 13.4f, 14.2f, 15.0f, 15.8f, 16.6f, 17.4f, 18.2f,
    19.0f, 19.8f, 20.6f, 21.4f, 22.2f, 23.0f, 23.8f, 24.6f, 25.5f, 26.3f, 27.1f, 27.9f,
    28.7f, 29.6f, 30.4f, 31.2f, 32.1f, 32.9f, 33.8f, 34.6f, 35.5f, 36.3f, 37.2f, 38.0f,
    38.9f, 39.8f, 40.6f, 41.5f, 42.4f, 43.3f, 44.2f, 45.1f, 46.0f, 46.9f, 47.8f, 48.7f,
    49.7f, 50.6f, 51.6f, 52.5f, 53.5f, 54.5f, 55.5f, 56.5f, 57.5f, 58.5f, 59.5f, 60.6f,
    61.6f, 62.7f, 63.8f, 65.0f, 66.1f, 67.3f, 68.5f, 69.7f, 71.0f, 72.3f, 73.6f, 75.0f,
    76.5f, 78.1f, 79.7f, 81.5f, 83.5f, 85.9f, 90.0f, 90.0f};

// Van der Grinten's construction for |lat| = p and |dl| = l, both above 0, in the quadrant
// x >= 0, y >= 0, on the map of radius 1. Its intersecting circles lose nearly all significant
// digits near the equator in single precision, so it runs in double.
void grintenQuadrant(double p, double l, double pi, double& xq, double& yq) {
    const double s1 = std::sqrt(std::max(0.0, 1.0 - 4.0 * p * p / (pi * pi)));
    const double yc = (2.0 * p / pi) / (1.0 + s1);  // where the parallel crosses the centre line
    if (l == 0.0) {
        xq = 0.0;
        yq = yc;
        return;
    }
    if (std::fabs(p - 0.5 * pi) <= 1e-5) {
        xq = 0.0;
        yq = 1.0;
        return;
    }
    // The parallel: the circle through (0, yc) and (s2, q), centred on the centre line.
    const double q = p / (pi - p);
    const double s2 = std::sqrt(std::max(0.0, 1.0 - q * q));
    const double d = (s2 * s2 + (q - yc) * (q - yc)) / (2.0 * (q - yc));
    // The meridian: the circle through (a, 0) and both poles, centred on the equator.
    const double a = l / pi;
    const double r = 0.5 * (pi / l + l / pi);
    const double dd = std::sqrt((yc + d) * (yc + d) + (r - a) * (r - a));
    const double u = (yc + d) / dd, v = (r - a) / dd;
    const double ca = (r * r + dd * dd - d * d) / (2.0 * r * dd);
    const double sa = std::sqrt(std::fabs(1.0 - ca * ca));
    yq = (u * ca - sa * v) * r;
    xq = (sa * u + ca * v) * r - (r - a);
}

}  // namespace

void sanflamsph2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
                 int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff;
    for (int32_t i = 0; i < n; ++i) {
        const float lam = lon[i], phi = lat[i];
        storePoint(x[i], y[i], lam * std::cos(phi), phi, xoff, yoff);
    }
}

namespace {

// Mollweide's auxiliary angle (radians) from the table, interpolated between whole degrees.
float tableTheta(float phi) {
    const float d = deg(phi);
    const float ad = std::fabs(d);
    // Whole degrees, held to the table (a latitude past 90, or not a number, takes 90).
    const int32_t k = ad < 90.0f ? static_cast<int32_t>(ad) : 90;
    const auto ku = static_cast<std::size_t>(k);
    float theta = kMollweideTheta[ku] +
                  (kMollweideTheta[ku + 1] - kMollweideTheta[ku]) * (ad - static_cast<float>(k));
    if (d < 0.0f) theta = -theta;
    return rad(theta);
}

// The angle itself: 2t + sin 2t = pi sin(lat) solved by Newton's method in double, on u = 2t,
// from the table's angle, a few hundredths of a degree off: u + sin u is concave, so after the
// first step every step stays below the root and climbs towards it, within 1e-12 radian in two
// or three. Close to a pole the root turns double and the steps slow down; at the pole the
// angle is the latitude.
float exactTheta(float phi) {
    constexpr double pi = std::numbers::pi;
    const double p = phi;
    if (!(std::fabs(p) < 0.5 * pi - 1e-7)) return phi;
    const double target = pi * std::sin(p);
    double u = 2.0 * static_cast<double>(tableTheta(phi));
    for (int32_t k = 0; k < 60; ++k) {
        const double step = (u + std::sin(u) - target) / (1.0 + std::cos(u));
        u -= step;
        if (std::fabs(step) < 1e-12) break;
    }
    return static_cast<float>(0.5 * u);
}

template <float (*Theta)(float)>
void mollweide(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
               int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, lon0 = p.llpparam.lon0;
    for (int32_t i = 0; i < n; ++i) {
        const float dl = lon[i] - lon0;
        const float theta = Theta(lat[i]);
        storePoint(x[i], y[i], 0.63661975f * dl * std::cos(theta), std::sin(theta), xoff, yoff);
    }
}

// Van der Grinten's map; `snap` draws points within half a degree of the central meridian on
// it.
template <bool snap>
void grinten(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
             int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, lon0 = p.llpparam.lon0;
    const float near = 0.5f * anglerad(kDegToRad);
    const double pi = anglerad(kPi);
    for (int32_t i = 0; i < n; ++i) {
        const float phi = lat[i];
        float dl = lon[i] - lon0;
        if (snap && std::fabs(dl) < near) dl = 0.0f;
        double xq = 0.0, yq = 0.0;
        if (phi == 0.0f) {
            xq = std::fabs(dl) / pi;
        } else {
            grintenQuadrant(std::fabs(phi), std::fabs(dl), pi, xq, yq);
        }
        const auto px = static_cast<float>(dl > 0.0f ? xq : -xq);
        const auto py = static_cast<float>(phi >= 0.0f ? yq : -yq);
        storePoint(x[i], y[i], px, py, xoff, yoff);
    }
}

}  // namespace

void mollw2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
            int32_t n) {
    mollweide<tableTheta>(p, x, y, lon, lat, n);
}

void mollweideExact(const ProjectionParams& p, float* x, float* y, const float* lon,
                    const float* lat, int32_t n) {
    mollweide<exactTheta>(p, x, y, lon, lat, n);
}

void grinte2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
             int32_t n) {
    grinten<true>(p, x, y, lon, lat, n);
}

void grintenExact(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
                  int32_t n) {
    grinten<false>(p, x, y, lon, lat, n);
}

}  // namespace tensova

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

// Van der Grinten's map in the quadrant x >= 0, y >= 0, on the map of radius 1, for |lat| = p
// and |dl| = l. Near the central meridian the meridian's circle grows without bound, near the
// equator the parallel's, and the textbook equations subtract nearly equal terms there; here
// every difference is rewritten as a sum of terms of one sign, so that the map runs into its
// limits (x = 0 and y = tan(theta/2) on the central meridian, x = l/pi on the equator) without
// losing a digit; in double, as single precision leaves too few. theta = asin(2p/pi); with s = sin
// theta, w = 1 - s and c = cos theta, the parallel meets the rim at height t, and h = 1/G of the
// textbook's G = c / (s + c - 1). The meridian's circle has radius (1 + a^2) / 2a about (-(1 - a^2)
// / 2a, 0), a = l/pi.
void grintenQuadrant(double p, double l, double pi, double nearHalfPi, double& xq, double& yq) {
    if (p >= nearHalfPi) {
        xq = 0.0;
        yq = 1.0;
        return;
    }
    if (p == 0.0) {
        xq = l / pi;
        yq = 0.0;
        return;
    }
    const double s = 2.0 * p / pi, w = (pi - 2.0 * p) / pi, c = std::sqrt(w * (1.0 + s));
    if (l == 0.0) {
        xq = 0.0;
        yq = s / (1.0 + c);  // tan(theta/2)
        return;
    }
    const double t = s / (1.0 + w);
    const double h = s * (c + w) / (c * (1.0 + c)), k = w / c;  // 1/G and 1 - 1/G
    const double u = 2.0 * w * (1.0 + t) / (1.0 + w);           // 1 - t^2
    const double v = u + t * t * k;                             // 1 - t^2 h
    const double a = l / pi;
    const double sm = 2.0 * a / (1.0 + a * a), cm = std::fabs(1.0 - a * a) / (1.0 + a * a);
    const double sm2 = sm * sm, cm2 = cm * cm;
    xq = sm * u / (std::sqrt(cm2 * v * v + (sm2 + cm2 * t * t * h * h) * u) + cm * v);
    yq = t * (sm2 + cm2 * h * (1.0 + k)) /
         (sm2 + cm2 * h + cm * h * std::sqrt(cm2 * (u + t * t * k * k) + sm2 * u));
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
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, lon0 = p.llpparam.lon0;
    const double pi = anglerad(kPi), nearHalfPi = angleradi(kHalfPi);
    for (int32_t i = 0; i < n; ++i) {
        const float phi = lat[i], dl = lon[i] - lon0;
        double xq = 0.0, yq = 0.0;
        grintenQuadrant(std::fabs(phi), std::fabs(dl), pi, nearHalfPi, xq, yq);
        const auto px = static_cast<float>(dl > 0.0f ? xq : -xq);
        const auto py = static_cast<float>(phi >= 0.0f ? yq : -yq);
        storePoint(x[i], y[i], px, py, xoff, yoff);
    }
}

}  // namespace tensova

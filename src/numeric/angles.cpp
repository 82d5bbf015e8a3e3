#include "numeric/angles.hpp"

#include <cmath>

#include "console/console.hpp"
#include "console/menus.hpp"

namespace tensova {
namespace {

const Stamp kTrigoset("trigoset", " 7.1", "15-12-2008");

constexpr float kTolerance = 1e-5f;

// fmod is exact, so only the last sum rounds: a value just below 0 (within half a unit in the
// last place of p) gives r + p equal to p itself, which is 0 again modulo p.
float reduced(float v, float p) {
    if (v >= p) return std::fmod(v, p);
    if (v >= 0.0f) return v;
    float r = std::fmod(v, p);
    if (r != 0.0f) r = r + p;
    return r == p ? 0.0f : r;
}

}  // namespace

void trigoset() {
    submenuhead(kTrigoset);
    wout({"Initializing /trig/ block"});
    auto& t = trig.v;
    t[1] = 1.5707964f;
    t[0] = 2.0f * t[1];
    t[2] = 0.5f * t[1];
    t[3] = t[1] / 90.0f;
    t[4] = -kTolerance + t[1];
    t[5] = kTolerance + t[1];

    wout({"Initializing /anglerad/ block"});
    auto& a = anglerad.v;
    const float p = t[0];
    a[kPi - 1] = p;
    a[kHalfPi - 1] = 0.5f * p;
    a[kThirdPi - 1] = p / 3.0f;
    a[kQuarterPi - 1] = 0.25f * p;
    a[kThreeQuarterPi - 1] = 0.25f * (3.0f * p);
    a[kThreeHalfPi - 1] = 0.5f * (3.0f * p);
    a[kTwoPi - 1] = 2.0f * p;
    for (std::size_t k = 0; k < angleradi.v.size(); ++k) {
        angleradi.v[k] = -kTolerance + a[k];
        anglerads.v[k] = kTolerance + a[k];
    }
    a[kDegToRad - 1] = p / 180.0f;
    a[kRadToDeg - 1] = 180.0f / p;
}

float rad(float x) {
    return x * anglerad(kDegToRad);
}

float deg(float x) {
    return x * anglerad(kRadToDeg);
}

float radKept(float degrees, float stored) {
    return degrees == deg(stored) ? stored : rad(degrees);
}

void deg2rad(float* out, const float* in, int32_t n) {
    const float f = anglerad(kDegToRad);
    for (int32_t i = 0; i < n; ++i) out[i] = f * in[i];
}

void rad2deg(float* out, const float* in, int32_t n) {
    const float f = anglerad(kRadToDeg);
    for (int32_t i = 0; i < n; ++i) out[i] = f * in[i];
}

void modulr(float* out, const float* in, float p, int32_t n) {
    for (int32_t i = 0; i < n; ++i) out[i] = reduced(in[i], p);
}

void modulro(float* out, const float* in, float p, float origin, int32_t n) {
    // Adding the origin back rounds too: a result that reaches the upper end is the origin.
    const float end = origin + p;
    for (int32_t i = 0; i < n; ++i) {
        const float r = reduced(in[i] - origin, p) + origin;
        out[i] = r >= end ? origin : r;
    }
}

float withinTurn(float degrees) {
    constexpr double kTurn = 360.0;
    if (!(std::fabs(degrees) > kTurn)) return degrees;
    return static_cast<float>(std::remainder(static_cast<double>(degrees), kTurn));
}

void moduri(int32_t* out, const int32_t* in, int32_t p, int32_t n) {
    // A period below 1 has no residues; dividing by it would trap.
    if (p < 1) return;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t v = in[i];
        if (v > p) {
            const int32_t r = v % p;
            out[i] = r == 0 ? p : r;
        } else if (v >= 1) {
            out[i] = v;
        } else {
            out[i] = v % p + p;
        }
    }
}

void na2pin(float* out, const float* in, int32_t n) {
    const float twoPi = anglerad(kTwoPi);
    for (int32_t i = 0; i < n; ++i) {
        const float v = in[i];
        out[i] = (v >= twoPi || v < 0.0f) ? reduced(v, twoPi) : v;
    }
}

void xy2t(float* theta, const float* x, const float* y, int32_t n) {
    const float pi = anglerad(kPi);
    const float halfPi = anglerad(kHalfPi);
    for (int32_t i = 0; i < n; ++i) {
        const float xv = x[i];
        const float yv = y[i];
        if (xv > 0.0f) {
            theta[i] = std::atan(yv / xv);
        } else if (xv < 0.0f) {
            const float t = std::atan(yv / xv);
            theta[i] = yv >= 0.0f ? t + pi : t - pi;
        } else {
            theta[i] = yv >= 0.0f ? halfPi : -halfPi;
        }
    }
}

}  // namespace tensova

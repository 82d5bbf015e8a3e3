#include "seismo/circles_arrows.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "curve/point_buffers.hpp"
#include "curve/running_point.hpp"
#include "numeric/angles.hpp"
#include "numeric/truncation.hpp"
#include "plot/drawing.hpp"

namespace tensova {

void uscircle(float xc, float yc, float r, int32_t np) {
    usacircle(xc, yc, r, 0.0f, anglerad(kTwoPi), np);
}

namespace {

// The points of the last arc: a sheet draws the same frame circle around every net.
struct LastArc {
    float xc = 0.0f, yc = 0.0f, r = 0.0f, pti = 0.0f, ptd = 0.0f;
    int32_t np = 0;
    std::array<float, 2 * kCurvePointsMax> xy{};
    bool same(float x, float y, float rad, const Ptblock& b) const {
        return np > 0 && np == b.np && xc == x && yc == y && r == rad && pti == b.pti &&
               ptd == b.ptd;
    }
};
LastArc lastArc;

}  // namespace

void usacircle(float xc, float yc, float r, float a1, float a2, int32_t np) {
    // The share of a turn, in this order, so that a full turn gives exactly np points.
    int32_t m = truncToInt32(std::abs(a2 - a1) * static_cast<float>(np) / anglerad(kTwoPi));
    scptnp(m, 1);
    scptif(a1, a2, 1);
    scptend(101, 1);
    const Ptblock& b = ptblock;
    float* x = cc2dbuff.x();
    float* y = cc2dbuff.y();
    const auto n = static_cast<std::size_t>(b.np);
    if (lastArc.same(xc, yc, r, b)) {
        std::copy_n(lastArc.xy.data(), n, x);
        std::copy_n(lastArc.xy.data() + kCurvePointsMax, n, y);
    } else {
        // The angle is stepped by adding the increment, point after point.
        float pt = b.pti - b.ptd;
        for (int32_t i = 0; i < b.np; ++i) {
            pt = pt + b.ptd;
            x[i] = r * std::cos(pt) + xc;
            y[i] = r * std::sin(pt) + yc;
        }
        lastArc = {xc, yc, r, b.pti, b.ptd, b.np, {}};
        std::copy_n(x, n, lastArc.xy.data());
        std::copy_n(y, n, lastArc.xy.data() + kCurvePointsMax);
    }
    usline(x, y, b.np);
}

void usarrow1(const float* x1, const float* y1, const float* x2, const float* y2, int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        const float dx = x2[i] - x1[i];
        const float dy = y2[i] - y1[i];
        const float xb = x1[i] + 0.6f * dx;
        const float yb = y1[i] + 0.6f * dy;
        const float px = -0.25f * (0.6f * dy);
        const float py = 0.25f * (0.6f * dx);
        const float shaftX[2] = {x1[i], xb};
        const float shaftY[2] = {y1[i], yb};
        usline(shaftX, shaftY, 2);
        const float headX[4] = {xb + px, xb - px, x2[i], xb + px};
        const float headY[4] = {yb + py, yb - py, y2[i], yb + py};
        usline(headX, headY, 4);
    }
}

}  // namespace tensova

#include "numeric/figures.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

#include "console/checks.hpp"
#include "numeric/matrices.hpp"

namespace tensova {
namespace {

// Stores the outline's first vertices, as many as the capacity holds, and sets n to their
// count. The capacity check has already asked whether to stop.
template <std::size_t N>
void storeFitting(float* x, float* y, int32_t& n, int32_t nmax, const std::array<float, N>& vx,
                  const std::array<float, N>& vy) {
    n = std::clamp(nmax, 0, static_cast<int32_t>(N));
    for (int32_t i = 0; i < n; ++i) {
        x[i] = vx[static_cast<std::size_t>(i)];
        y[i] = vy[static_cast<std::size_t>(i)];
    }
}

}  // namespace

void arrow2d(float* x, float* y, int32_t& n, int32_t nmax) {
    constexpr int32_t kVertices = 7;
    (void)cinmax(kVertices, nmax, "arrow2d", "plot array dimension");
    std::array<float, kVertices> vx{0.0f, 3.0f / 7.0f, 5.0f / 14.0f, 1.0f};
    std::array<float, kVertices> vy{0.0f, 3.0f / 14.0f, 1.0f / 14.0f, 3.0f / 28.0f};
    // The lower half mirrors the upper one: vertices 5, 6, 7 are 4, 3, 2.
    for (std::size_t i = 4; i < kVertices; ++i) {
        vx[i] = vx[7 - i];
        vy[i] = -vy[7 - i];
    }
    storeFitting(x, y, n, nmax, vx, vy);
}

void rectangle1(float* x, float* y, int32_t& n, int32_t nmax) {
    constexpr int32_t kVertices = 4;
    (void)cinmax(kVertices, nmax, "rectangle1", "plot array dimension");
    std::array<float, kVertices> vx{0.0f, 1.0f};
    std::array<float, kVertices> vy{-3.0f / 28.0f, -3.0f / 28.0f};
    // Vertices 3 and 4 mirror 2 and 1.
    for (std::size_t i = 2; i < kVertices; ++i) {
        vx[i] = vx[3 - i];
        vy[i] = -vy[3 - i];
    }
    storeFitting(x, y, n, nmax, vx, vy);
}

void transl2d1(float* xo, float* yo, const float* xi, const float* yi, int32_t n, float dx,
               float dy) {
    for (int32_t i = 0; i < n; ++i) {
        xo[i] = xi[i] + dx;
        yo[i] = yi[i] + dy;
    }
}

void homot02d1(float* xo, float* yo, const float* xi, const float* yi, int32_t n, float f) {
    for (int32_t i = 0; i < n; ++i) {
        xo[i] = xi[i] * f;
        yo[i] = yi[i] * f;
    }
}

void rot2daff(float* xo, float* yo, const float* xi, const float* yi, int32_t n, float x0, float y0,
              float angle) {
    Mat22 r{};
    matrot2drad(r, angle);
    rot2daffm(xo, yo, xi, yi, n, x0, y0, r);
}

void rot2daffm(float* xo, float* yo, const float* xi, const float* yi, int32_t n, float x0,
               float y0, const Mat22& r) {
    const float r11 = r[at(1, 1, 2)];
    const float r21 = r[at(2, 1, 2)];
    const float r12 = r[at(1, 2, 2)];
    const float r22 = r[at(2, 2, 2)];
    // The translation that keeps the centre in place.
    const float t1 = (x0 - x0 * r11) - y0 * r12;
    const float t2 = (y0 - x0 * r21) - y0 * r22;
    for (int32_t i = 0; i < n; ++i) {
        const float xv = xi[i];
        const float yv = yi[i];
        const float p1 = r11 * xv + r12 * yv;
        const float p2 = r21 * xv + r22 * yv;
        xo[i] = t1 + p1;
        yo[i] = t2 + p2;
    }
}

double convexHullArea(std::vector<std::array<float, 2>>& points) {
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    const std::size_t n = points.size();
    if (n < 3) return 0.0;
    // Andrew's monotone chain, in double: the turns of points a few units apart on a map
    // thousands of units wide must not round to nothing.
    const auto turn = [](const std::array<float, 2>& o, const std::array<float, 2>& a,
                         const std::array<float, 2>& b) {
        return (static_cast<double>(a[0]) - o[0]) * (static_cast<double>(b[1]) - o[1]) -
               (static_cast<double>(a[1]) - o[1]) * (static_cast<double>(b[0]) - o[0]);
    };
    std::vector<std::array<float, 2>> hull(2 * n);
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
        while (k >= 2 && turn(hull[k - 2], hull[k - 1], points[i]) <= 0.0) --k;
        hull[k++] = points[i];
    }
    for (std::size_t i = n - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && turn(hull[k - 2], hull[k - 1], points[i]) <= 0.0) --k;
        hull[k++] = points[i];
    }
    // The chain ends where it began: the shoelace over its k - 1 corners.
    double twice = 0.0;
    for (std::size_t i = 0; i + 1 < k; ++i)
        twice += static_cast<double>(hull[i][0]) * hull[i + 1][1] -
                 static_cast<double>(hull[i + 1][0]) * hull[i][1];
    return 0.5 * std::fabs(twice);
}

}  // namespace tensova

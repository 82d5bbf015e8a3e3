#include "numeric/matrices.hpp"

#include <cmath>

#include "console/boxes.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"

namespace tensova {
namespace {

const Stamp kMinv2d("minv2d", " 1.2", "05-12-2005");

// a = b*c for square matrices of order m, summed from k = 1 upwards.
template <std::size_t N>
void product(std::array<float, N>& a, const std::array<float, N>& b, const std::array<float, N>& c,
             int32_t m) {
    std::array<float, N> t{};
    for (int32_t j = 1; j <= m; ++j) {
        for (int32_t i = 1; i <= m; ++i) {
            float s = 0.0f;
            for (int32_t k = 1; k <= m; ++k) s = s + b[at(i, k, m)] * c[at(k, j, m)];
            t[at(i, j, m)] = s;
        }
    }
    a = t;
}

}  // namespace

void m33x33(Mat33& a, const Mat33& b, const Mat33& c) {
    product(a, b, c, 3);
}

void m22x22(Mat22& a, const Mat22& b, const Mat22& c) {
    product(a, b, c, 2);
}

void m22x21(Vec2& a, const Mat22& b, const Vec2& c) {
    Vec2 t{};
    for (int32_t i = 1; i <= 2; ++i) {
        float s = 0.0f;
        s = s + b[at(i, 1, 2)] * c[0];
        s = s + b[at(i, 2, 2)] * c[1];
        t[static_cast<std::size_t>(i - 1)] = s;
    }
    a = t;
}

void m33x31(Vec3& a, const Mat33& b, const Vec3& c) {
    Vec3 t{};
    for (int32_t i = 1; i <= 3; ++i) {
        float s = 0.0f;
        for (int32_t k = 1; k <= 3; ++k)
            s = s + b[at(i, k, 3)] * c[static_cast<std::size_t>(k - 1)];
        t[static_cast<std::size_t>(i - 1)] = s;
    }
    a = t;
}

void mtrans(Mat33& a, const Mat33& b) {
    Mat33 t{};
    for (int32_t j = 1; j <= 3; ++j) {
        for (int32_t i = 1; i <= 3; ++i) t[at(i, j, 3)] = b[at(j, i, 3)];
    }
    a = t;
}

void minv2d(Mat22& a, const Mat22& b) {
    const float p = b[0] * b[3];
    const float q = b[2] * b[1];
    const float det = p - q;
    if (det == 0.0f) {
        errorhead(kMinv2d);
        wout({"det(B) =", fmtG(det, 15, 3)});
        wout({"b(1,1) =", fmtG(b[0], 15, 3), "b(1,2) =", fmtG(b[2], 15, 3)});
        wout({"b(2,1) =", fmtG(b[1], 15, 3), "b(2,2) =", fmtG(b[3], 15, 3)});
        wout({"=> Cannot Invert B"});
        errorstop(1);
        // The user chose to go on: a finite result keeps infinities out of the plot file.
        a = Mat22{};
        return;
    }
    const Mat22 t{b[3], -b[1], -b[2], b[0]};
    for (std::size_t k = 0; k < t.size(); ++k) a[k] = t[k] / det;
}

void matrot2drad(Mat22& r, float angle) {
    const float cs = std::cos(angle);
    const float sn = std::sin(angle);
    r = {cs, sn, -sn, cs};
}

void xrot(Mat33& r, float angle) {
    const float cs = std::cos(angle);
    const float sn = std::sin(angle);
    r = {1.0f, 0.0f, 0.0f, 0.0f, cs, sn, 0.0f, -sn, cs};
}

void yrot(Mat33& r, float angle) {
    const float cs = std::cos(angle);
    const float sn = std::sin(angle);
    r = {cs, 0.0f, -sn, 0.0f, 1.0f, 0.0f, sn, 0.0f, cs};
}

void zrot(Mat33& r, float angle) {
    const float cs = std::cos(angle);
    const float sn = std::sin(angle);
    r = {cs, sn, 0.0f, -sn, cs, 0.0f, 0.0f, 0.0f, 1.0f};
}

}  // namespace tensova

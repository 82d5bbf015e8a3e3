#pragma once
// Small dense matrices and plane and space rotations, in single precision.
//
// Matrices are stored by columns: element (i, j) of an m-row matrix, counted from 1, sits at
// position (j - 1)*m + i; `at` gives that position counted from 0. Each routine builds its
// whole result before it stores it, so the output may be one of the inputs: mtrans(m, m)
// transposes in place.

#include <array>
#include <cstddef>
#include <cstdint>

namespace tensova {

using Mat22 = std::array<float, 4>;
using Mat33 = std::array<float, 9>;
using Vec2 = std::array<float, 2>;
using Vec3 = std::array<float, 3>;

// Storage position, from 0, of element (i, j), from 1, of a matrix of m rows.
constexpr std::size_t at(int32_t i, int32_t j, int32_t m) {
    return static_cast<std::size_t>((j - 1) * m + (i - 1));
}

// a = b*c.
void m33x33(Mat33& a, const Mat33& b, const Mat33& c);
void m22x22(Mat22& a, const Mat22& b, const Mat22& c);
// a = b*c, matrix times vector.
void m22x21(Vec2& a, const Mat22& b, const Vec2& c);
void m33x31(Vec3& a, const Mat33& b, const Vec3& c);
// a = transpose of b.
void mtrans(Mat33& a, const Mat33& b);
// a = inverse of b. A zero determinant gives an error box and the STOP question; when the user
// goes on, a is the zero matrix, never infinities.
void minv2d(Mat22& a, const Mat22& b);

// Rotation by +angle (radians): of the plane, and of space about the x, y or z axis, each
// counter-clockwise seen from the tip of its axis.
void matrot2drad(Mat22& r, float angle);
void xrot(Mat33& r, float angle);
void yrot(Mat33& r, float angle);
void zrot(Mat33& r, float angle);

}  // namespace tensova

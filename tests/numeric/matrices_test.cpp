// Matrix products, transpose, 2x2 inverse and rotation matrices, stored by columns.

#include "numeric/matrices.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "compare.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"

namespace tensova {
namespace {

using test::ConsoleCapture;
using test::contains;
using test::fromBits;
using test::nearRef;

// Rows (1,2,3), (4,5,6), (7,8,10) and (2,0,1), (1,3,0), (0,1,4); their product has rows
// (4,9,13), (13,21,28), (22,34,47), worked out by hand.
const Mat33 kB{1, 4, 7, 2, 5, 8, 3, 6, 10};
const Mat33 kC{2, 1, 0, 0, 3, 1, 1, 0, 4};
const Mat33 kBC{4, 13, 22, 9, 21, 34, 13, 28, 47};

TEST(Matrices, ElementPositionsAreByColumns) {
    EXPECT_EQ(at(1, 1, 3), 0u);
    EXPECT_EQ(at(2, 1, 3), 1u);
    EXPECT_EQ(at(1, 2, 3), 3u);
    EXPECT_EQ(at(3, 3, 3), 8u);
    EXPECT_EQ(at(2, 1, 2), 1u);
    EXPECT_EQ(at(1, 2, 2), 2u);
    EXPECT_EQ(kB[at(3, 2, 3)], 8.0f);
}

TEST(Matrices, ProductOf3x3AndOutputMayBeAnInput) {
    Mat33 a{};
    m33x33(a, kB, kC);
    EXPECT_EQ(a, kBC);
    Mat33 b = kB;
    m33x33(b, b, kC);
    EXPECT_EQ(b, kBC);
    Mat33 c = kC;
    m33x33(c, kB, c);
    EXPECT_EQ(c, kBC);
    Mat33 s = kB;  // b squared: rows (30,36,45), (66,81,102), (109,134,169)
    m33x33(s, s, s);
    EXPECT_EQ(s, (Mat33{30, 66, 109, 36, 81, 134, 45, 102, 169}));
}

TEST(Matrices, ProductsOf2x2) {
    // Rows (1,2), (3,4) times rows (5,6), (7,8) = rows (19,22), (43,50).
    const Mat22 b{1, 3, 2, 4};
    Mat22 a{5, 7, 6, 8};
    m22x22(a, b, a);
    EXPECT_EQ(a, (Mat22{19, 43, 22, 50}));
    // Rows (1,2), (3,4) times (5, -1) = (3, 11).
    Vec2 v{5, -1};
    m22x21(v, b, v);
    EXPECT_EQ(v, (Vec2{3, 11}));
}

TEST(Matrices, TransposeInPlace) {
    Mat33 m = kB;
    mtrans(m, m);
    EXPECT_EQ(m, (Mat33{1, 2, 3, 4, 5, 6, 7, 8, 10}));
    Mat33 t{};
    mtrans(t, kC);
    EXPECT_EQ(t[at(1, 2, 3)], kC[at(2, 1, 3)]);
    EXPECT_EQ(t[at(3, 2, 3)], kC[at(2, 3, 3)]);
}

TEST(Matrices, InverseOf2x2) {
    Mat22 d{2, 0, 0, 4};
    minv2d(d, d);
    EXPECT_EQ(d, (Mat22{0.5f, 0.0f, 0.0f, 0.25f}));
    // Rows (4,7), (2,6): det 10, inverse rows (0.6,-0.7), (-0.2,0.4).
    Mat22 a{};
    minv2d(a, Mat22{4, 2, 7, 6});
    EXPECT_EQ(a, (Mat22{0.6f, -0.2f, -0.7f, 0.4f}));
    // Nearly singular is inverted without remark.
    ConsoleCapture cap;
    minv2d(a, Mat22{1.0f, 1.0f, 1.0f, 1.0000001f});
    EXPECT_TRUE(cap.output().empty());
    EXPECT_TRUE(std::all_of(a.begin(), a.end(), [](float x) { return std::isfinite(x); }));
}

TEST(Matrices, SingularInverseDeclinedLeavesZeroMatrix) {
    // Rows (1,2), (2,4): determinant exactly 0. The user answers No to STOP.
    ConsoleCapture cap("n\n");
    Mat22 a{9, 9, 9, 9};
    minv2d(a, Mat22{1, 2, 2, 4});
    EXPECT_EQ(a, (Mat22{0, 0, 0, 0}));
    const std::string out = cap.output();
    EXPECT_TRUE(contains(out, "subroutine minv2d")) << out;
    EXPECT_TRUE(contains(out, "\n det(B) =        0.00    \n")) << out;
    EXPECT_TRUE(contains(out, "\n b(1,1) =        1.00     b(1,2) =        2.00    \n")) << out;
    EXPECT_TRUE(contains(out, "\n b(2,1) =        2.00     b(2,2) =        4.00    \n")) << out;
    EXPECT_TRUE(contains(out, "\n => Cannot Invert B\n")) << out;
    EXPECT_TRUE(contains(out, "STOP")) << out;
}

TEST(Matrices, SingularInverseInPlaceDeclinedLeavesZeroMatrix) {
    ConsoleCapture cap("n\n");
    Mat22 b{3, 6, 1, 2};  // rows (3,1), (6,2)
    minv2d(b, b);
    EXPECT_EQ(b, (Mat22{0, 0, 0, 0}));
}

TEST(MatricesDeathTest, SingularInverseStopsWhenTheUserAgrees) {
    EXPECT_EXIT(
        {
            ConsoleCapture cap("y\n");
            Mat22 a{};
            minv2d(a, Mat22{1, 2, 2, 4});
        },
        ::testing::ExitedWithCode(1), "");
}

TEST(Matrices, RotationsOfZeroAreTheIdentity) {
    const Mat33 id3{1, 0, 0, 0, 1, 0, 0, 0, 1};
    Mat33 r{};
    xrot(r, 0.0f);
    EXPECT_EQ(r, id3);
    yrot(r, 0.0f);
    EXPECT_EQ(r, id3);
    zrot(r, 0.0f);
    EXPECT_EQ(r, id3);
    Mat22 r2{};
    matrot2drad(r2, 0.0f);
    EXPECT_EQ(r2, (Mat22{1, 0, 0, 1}));
}

TEST(Matrices, RotationsTurnCounterClockwiseAboutTheirAxis) {
    const float angle = 0.5f;
    const double c = std::cos(double{angle});
    const double s = std::sin(double{angle});
    // Column 2 of xrot is the image of y; column 3 of yrot the image of z; column 1 of zrot
    // and of the plane rotation the image of x: each turned by +angle towards the next axis.
    struct Case {
        const char* what;
        float got;
        double ref;
    };
    Mat33 rx{}, ry{}, rz{};
    Mat22 r2{};
    xrot(rx, angle);
    yrot(ry, angle);
    zrot(rz, angle);
    matrot2drad(r2, angle);
    const Case cases[] = {
        {"xrot y->", rx[at(2, 2, 3)], c},    {"xrot y->z", rx[at(3, 2, 3)], s},
        {"xrot z->y", rx[at(2, 3, 3)], -s},  {"yrot z->x", ry[at(1, 3, 3)], s},
        {"yrot x->z", ry[at(3, 1, 3)], -s},  {"yrot z->", ry[at(3, 3, 3)], c},
        {"zrot x->y", rz[at(2, 1, 3)], s},   {"zrot y->x", rz[at(1, 2, 3)], -s},
        {"zrot x->", rz[at(1, 1, 3)], c},    {"plane x->y", r2[at(2, 1, 2)], s},
        {"plane y->x", r2[at(1, 2, 2)], -s}, {"plane x->", r2[at(1, 1, 2)], c},
    };
    for (const auto& k : cases) EXPECT_TRUE(nearRef(k.got, k.ref)) << k.what;
    // The axis stays fixed: exact zeros and one.
    EXPECT_EQ(rx[at(1, 1, 3)], 1.0f);
    EXPECT_EQ(rx[at(1, 2, 3)], 0.0f);
    EXPECT_EQ(ry[at(2, 2, 3)], 1.0f);
    EXPECT_EQ(ry[at(2, 1, 3)], 0.0f);
    EXPECT_EQ(rz[at(3, 3, 3)], 1.0f);
    EXPECT_EQ(rz[at(3, 1, 3)], 0.0f);
    // -sn is the negated stored sn, bit for bit.
    EXPECT_EQ(rz[at(1, 2, 3)], -rz[at(2, 1, 3)]);
    EXPECT_EQ(r2[at(1, 2, 2)], -r2[at(2, 1, 2)]);
}

TEST(Matrices, ZrotOfStoredHalfPiLeavesATinyCosine) {
    const float halfPi = fromBits(0x3FC90FDB);
    Mat33 r{};
    zrot(r, halfPi);
    Mat33 x{1, 0, 0, 0, 0, 0, 0, 0, 0};  // (1, 0, 0) as the first column
    m33x33(x, r, x);
    // The float pi/2 lies below pi/2 by about 4.37e-8, whose cosine is that small value.
    EXPECT_TRUE(nearRef(x[0], std::cos(double{halfPi}))) << x[0];
    EXPECT_GT(std::fabs(x[0]), 0.0f);
    EXPECT_EQ(x[1], 1.0f);
    EXPECT_EQ(x[2], 0.0f);
}

}  // namespace
}  // namespace tensova

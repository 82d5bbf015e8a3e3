// Batched vector operations, matrix products, transpose, 2x2 inverse and rotation matrices,
// against values worked out by hand or in double precision.

#include "compare.hpp"
#include "numeric/matrices.hpp"
#include "numeric/vectors.hpp"

namespace tensova::test {

using A3 = std::array<float, 3>;

TEST(Vectors, ColumnsOfLeadingDimension) {
    // Two columns of three: (1,2,3).(7,8,9) = 50 and (4,5,6).(1,0,-1) = -2; as three columns of
    // two: 23, 31, -6; no components give zeros. Lengths of (3,4), (1,1), (-5,12).
    const std::array<float, 6> u{1, 2, 3, 4, 5, 6}, v{7, 8, 9, 1, 0, -1}, w{3, 4, 1, 1, -5, 12};
    A3 s{9, 9, 9};
    scalprodn(s.data(), u.data(), v.data(), 3, 2);
    EXPECT_EQ(s, (A3{50, -2, 9}));
    scalprodn(s.data(), u.data(), v.data(), 2, 3);
    EXPECT_EQ(s, (A3{23, 31, -6}));
    for (const int32_t nd : {0, -1}) {
        s = {9, 9, 9};
        scalprodn(s.data(), u.data(), u.data(), nd, 2);
        EXPECT_EQ(s, (A3{0, 0, 9})) << nd;
    }
    vecnorm(s.data(), w.data(), 2, 3);
    EXPECT_TRUE(s[0] == 5 && nearRef(s[1], std::sqrt(2.0)) && s[2] == 13);
    vsum(s.data(), A3{1.5f, -2.0f, 1e-8f}.data(), A3{0.25f, 2.0f, 1.0f}.data(), 3);
    EXPECT_EQ(s, (A3{1.75f, 0.0f, 1.0f}));
    // Columns: e1 x e2, e2 x e3, e3 x e1, (1,2,3) x (4,5,6).
    std::array<float, 12> x{};
    vecprod3d(x.data(), std::array<float, 12>{1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 2, 3}.data(),
              std::array<float, 12>{0, 1, 0, 0, 0, 1, 1, 0, 0, 4, 5, 6}.data(), 4);
    EXPECT_EQ(x, (std::array<float, 12>{0, 0, 1, 1, 0, 0, 0, 1, 0, -3, 6, -3}));
}

TEST(Matrices, ProductsTransposeAndInverseEachInPlace) {
    // Rows (1,2,3), (4,5,6), (7,8,10) times rows (2,0,1), (1,3,0), (0,1,4), stored by columns;
    // the output may be either factor, or the matrix transposed.
    const Mat33 b{1, 4, 7, 2, 5, 8, 3, 6, 10}, c{2, 1, 0, 0, 3, 1, 1, 0, 4};
    const Mat33 bc{4, 13, 22, 9, 21, 34, 13, 28, 47};
    Mat33 a = b, a2 = c, t = b;
    m33x33(a, a, c);
    m33x33(a2, b, a2);
    mtrans(t, t);
    EXPECT_TRUE(a == bc && a2 == bc && t == (Mat33{1, 2, 3, 4, 5, 6, 7, 8, 10}));
    // Rows (1,2), (3,4) times rows (5,6), (7,8) = rows (19,22), (43,50); times (5,-1) = (3,11).
    Mat22 m{5, 7, 6, 8}, d{2, 0, 0, 4}, e{4, 2, 7, 6};
    Vec2 v{5, -1};
    m22x22(m, Mat22{1, 3, 2, 4}, m);
    m22x21(v, Mat22{1, 3, 2, 4}, v);
    EXPECT_TRUE(m == (Mat22{19, 43, 22, 50}) && v == (Vec2{3, 11}));
    // Inverses of diag(2, 4) and of rows (4,7), (2,6): det 10, rows (0.6,-0.7), (-0.2,0.4).
    minv2d(d, d);
    minv2d(e, e);
    EXPECT_TRUE(d == (Mat22{0.5f, 0, 0, 0.25f}) && e == (Mat22{0.6f, -0.2f, -0.7f, 0.4f}));
    // Nearly singular is inverted without remark.
    ConsoleCapture cap;
    minv2d(m, Mat22{1.0f, 1.0f, 1.0f, 1.0000001f});
    EXPECT_EQ(cap.output(), "");
    EXPECT_TRUE(std::all_of(m.begin(), m.end(), [](float x) { return std::isfinite(x); }));
}

TEST(Matrices, SingularInverseDeclinedLeavesZeroMatrix) {
    // Rows (1,2), (2,4): determinant exactly 0. The user answers No to STOP.
    ConsoleCapture cap("n\n");
    Mat22 a{9, 9, 9, 9};
    minv2d(a, Mat22{1, 2, 2, 4});
    EXPECT_EQ(a, (Mat22{0, 0, 0, 0}));
    for (const char* text : {"subroutine minv2d", "\n det(B) =        0.00    \n",
                             "\n b(1,1) =        1.00     b(1,2) =        2.00    \n",
                             "\n b(2,1) =        2.00     b(2,2) =        4.00    \n",
                             "\n => Cannot Invert B\n", "STOP"})
        EXPECT_TRUE(contains(cap.output(), text)) << text << "\n" << cap.output();
}

TEST(Matrices, RotationsTurnCounterClockwiseAboutTheirAxis) {
    // Entries 0 and 1 are exact; by 0 each rotation is the identity. -sn is the negated sn.
    for (const float t : {0.0f, 0.5f}) {
        const double c = std::cos(t), s = std::sin(t);
        const std::array<double, 31> want{1, 0, 0,  0,  c, s, 0, -s, c,  // x
                                          c, 0, -s, 0,  1, 0, s, 0,  c,  // y
                                          c, s, 0,  -s, c, 0, 0, 0,  1,  // z
                                          c, s, -s, c};                  // plane
        std::array<Mat33, 3> r{};
        Mat22 r2{};
        xrot(r[0], t), yrot(r[1], t), zrot(r[2], t), matrot2drad(r2, t);
        for (std::size_t e = 0; e < want.size(); ++e) {
            const float got = e < 27 ? r[e / 9][e % 9] : r2[e - 27];
            EXPECT_TRUE(nearRef(got, want[e], want[e] == 0 || want[e] == 1 ? 0 : 1)) << t << e;
        }
        EXPECT_TRUE(r2[2] == -r2[1] && r[2][3] == -r[2][1]);
    }
    // The float pi/2 lies below pi/2 by about 4.37e-8: x goes to (tiny cosine, 1, 0).
    Mat33 r{};
    zrot(r, kHalfPiF);
    EXPECT_TRUE(nearRef(r[0], std::cos(double{kHalfPiF})) && r[0] != 0.0f);
    EXPECT_EQ((A3{r[1], r[2], 0}), (A3{1, 0, 0}));
}

}  // namespace tensova::test

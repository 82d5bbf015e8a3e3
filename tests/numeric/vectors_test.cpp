// Batched dot products, norms, sums and cross products.

#include "numeric/vectors.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "compare.hpp"

namespace tensova {
namespace {

using test::nearRef;

TEST(Vectors, ScalprodnReadsColumnsOfLeadingDimension) {
    // Two columns of three: (1,2,3).(7,8,9) = 50 and (4,5,6).(1,0,-1) = -2.
    const std::array<float, 6> u{1, 2, 3, 4, 5, 6};
    const std::array<float, 6> v{7, 8, 9, 1, 0, -1};
    std::array<float, 2> s{};
    scalprodn(s.data(), u.data(), v.data(), 3, 2);
    EXPECT_EQ(s, (std::array<float, 2>{50.0f, -2.0f}));
    // The same six reals as three columns of two.
    std::array<float, 3> s3{};
    scalprodn(s3.data(), u.data(), v.data(), 2, 3);
    EXPECT_EQ(s3, (std::array<float, 3>{23.0f, 31.0f, -6.0f}));
}

TEST(Vectors, ScalprodnWithoutComponentsGivesZeros) {
    const std::array<float, 2> u{1, 2};
    for (int32_t nd : {0, -1}) {
        std::array<float, 2> s{9.0f, 9.0f};
        scalprodn(s.data(), u.data(), u.data(), nd, 2);
        EXPECT_EQ(s, (std::array<float, 2>{0.0f, 0.0f})) << nd;
    }
}

TEST(Vectors, VecnormOfColumns) {
    const std::array<float, 6> v{3, 4, 1, 1, -5, 12};
    std::array<float, 3> r{};
    vecnorm(r.data(), v.data(), 2, 3);
    EXPECT_EQ(r[0], 5.0f);
    EXPECT_TRUE(nearRef(r[1], std::sqrt(2.0)));
    EXPECT_EQ(r[2], 13.0f);
}

TEST(Vectors, VsumInPlace) {
    std::array<float, 3> u{1.5f, -2.0f, 1e-8f};
    const std::array<float, 3> v{0.25f, 2.0f, 1.0f};
    vsum(u.data(), u.data(), v.data(), 3);
    EXPECT_EQ(u, (std::array<float, 3>{1.75f, 0.0f, 1.0f}));
    std::array<float, 3> w = v;
    vsum(w.data(), v.data(), w.data(), 3);
    EXPECT_EQ(w, (std::array<float, 3>{0.5f, 4.0f, 2.0f}));
}

TEST(Vectors, CrossProducts) {
    // Columns: e1 x e2, e2 x e3, e3 x e1, (1,2,3) x (4,5,6).
    const std::array<float, 12> u{1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 2, 3};
    const std::array<float, 12> v{0, 1, 0, 0, 0, 1, 1, 0, 0, 4, 5, 6};
    const std::array<float, 12> want{0, 0, 1, 1, 0, 0, 0, 1, 0, -3, 6, -3};
    std::array<float, 12> w{};
    vecprod3d(w.data(), u.data(), v.data(), 4);
    EXPECT_EQ(w, want);
    // The output may be either input.
    std::array<float, 12> wu = u;
    vecprod3d(wu.data(), wu.data(), v.data(), 4);
    EXPECT_EQ(wu, want);
    std::array<float, 12> wv = v;
    vecprod3d(wv.data(), u.data(), wv.data(), 4);
    EXPECT_EQ(wv, want);
}

TEST(Vectors, CountBelowOneChangesNothing) {
    const std::array<float, 3> u{1, 2, 3};
    for (int32_t n : {0, -2}) {
        std::array<float, 3> out{7, 7, 7};
        scalprodn(out.data(), u.data(), u.data(), 3, n);
        vecnorm(out.data(), u.data(), 3, n);
        vsum(out.data(), u.data(), u.data(), n);
        vecprod3d(out.data(), u.data(), u.data(), n);
        EXPECT_EQ(out, (std::array<float, 3>{7, 7, 7})) << n;
    }
}

}  // namespace
}  // namespace tensova

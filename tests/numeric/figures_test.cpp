// The arrow and bar outlines and the plane maps that move them.

#include "numeric/figures.hpp"

#include "compare.hpp"

namespace tensova::test {

using Seven = std::array<float, 7>;
using A3 = std::array<float, 3>;

TEST(Figures, OutlinesStoreWhatFitsAndLeaveTheRest) {
    // The outline fractions as the nearest floats: 3/7, 3/14, 5/14, 1/14, 3/28 (u: untouched).
    // Vertex 5 of the arrow, (1, -0.107142858), mirrors vertex 4.
    const float k3d7 = 3.0f / 7, k3d14 = 3.0f / 14, k5d14 = 5.0f / 14, k1d14 = 1.0f / 14;
    const float k3d28 = 3.0f / 28, u = -99.0f;
    const std::array<Seven, 4> outlines{{{0, k3d7, k5d14, 1, 1, k5d14, k3d7},
                                         {0, k3d14, k1d14, k3d28, -0.107142858f, -k1d14, -k3d14},
                                         {0, 1, 1, 0, u, u, u},
                                         {-k3d28, -k3d28, k3d28, k3d28, u, u, u}}};
    // Capacity, count, arrow or bar. Too small a capacity gets an error box; the user goes on
    // (No to STOP, then the pause).
    const std::array<int32_t, 3> cases[] = {{7, 7, 1}, {10, 4, 0}, {5, 5, 1},
                                            {0, 0, 1}, {-3, 0, 1}, {2, 2, 0}};
    for (const auto& [nmax, count, arrow] : cases) {
        SCOPED_TRACE(std::to_string(arrow) + " " + std::to_string(nmax));
        ConsoleCapture cap("n\n\n");
        Seven x, y, wantX = outlines[arrow ? 0 : 2], wantY = outlines[arrow ? 1 : 3];
        x.fill(u), y.fill(u);
        int32_t n = -1;
        (arrow ? arrow2d : rectangle1)(x.data(), y.data(), n, nmax);
        EXPECT_EQ(n, count);
        std::fill(wantX.begin() + count, wantX.end(), u);
        std::fill(wantY.begin() + count, wantY.end(), u);
        expectBits(x, wantX);
        expectBits(y, wantY);
        const std::string box = std::string("subroutine: ") + (arrow ? "arrow2d" : "rectangle1");
        const std::string size = std::string("plot array dimension = ") + (arrow ? "7" : "4");
        const bool small = nmax < (arrow ? 7 : 4);
        EXPECT_TRUE(small ? contains(cap.output(), box) && contains(cap.output(), size + " > max =")
                          : cap.output().empty())
            << cap.output();
    }
}

TEST(Figures, Maps) {
    const A3 x{0.0f, 1.5f, -2.0f}, y{0.25f, -1.0f, 3.0f}, zero{};
    A3 xo{}, yo{};
    transl2d1(xo.data(), yo.data(), x.data(), y.data(), 3, 0.5f, -0.25f);
    EXPECT_TRUE(xo == (A3{0.5f, 2.0f, -1.5f}) && yo == (A3{0.0f, -1.25f, 2.75f}));
    homot02d1(xo.data(), yo.data(), x.data(), y.data(), 3, 0.0f);
    EXPECT_TRUE(xo == zero && yo == zero);
    // By the stored pi/2 about (1, 1): (2, 1) goes to (1, 2), (1, 1) stays. By 0 every point is
    // returned unchanged.
    rot2daff(xo.data(), yo.data(), A3{2, 1}.data(), A3{1, 1}.data(), 2, 1.0f, 1.0f, kHalfPiF);
    for (const auto& [got, want] : {std::pair{xo[0], 1}, {yo[0], 2}, {xo[1], 1}, {yo[1], 1}})
        EXPECT_NEAR(got, want, 2e-7);
    rot2daff(xo.data(), yo.data(), x.data(), y.data(), 3, 7.0f, -4.0f, 0.0f);
    EXPECT_TRUE(xo == x && yo == y);
}

}  // namespace tensova::test

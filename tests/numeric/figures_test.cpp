// The arrow and bar outlines and the plane maps that move them.

#include "numeric/figures.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "compare.hpp"
#include "support/console_capture.hpp"

namespace tensova {
namespace {

using test::bitsOf;
using test::ConsoleCapture;
using test::fromBits;

// The outline fractions as the nearest floats: 3/7, 3/14, 5/14, 1/14, 3/28.
const float k3d7 = fromBits(0x3EDB6DB7);
const float k3d14 = fromBits(0x3E5B6DB7);
const float k5d14 = fromBits(0x3EB6DB6E);
const float k1d14 = fromBits(0x3D924925);
const float k3d28 = fromBits(0x3DDB6DB7);
constexpr float kUntouched = -99.0f;

template <std::size_t N>
void expectBits(const std::array<float, N>& got, const std::array<float, N>& want,
                const char* what) {
    for (std::size_t i = 0; i < N; ++i) EXPECT_EQ(bitsOf(got[i]), bitsOf(want[i])) << what << i;
}

TEST(Figures, ArrowVertices) {
    std::array<float, 7> x{}, y{};
    int32_t n = 0;
    ConsoleCapture cap;
    arrow2d(x.data(), y.data(), n, 7);
    EXPECT_EQ(n, 7);
    expectBits(x, {0.0f, k3d7, k5d14, 1.0f, 1.0f, k5d14, k3d7}, "x");
    expectBits(y, {0.0f, k3d14, k1d14, k3d28, -k3d28, -k1d14, -k3d14}, "y");
    EXPECT_EQ(y[4], -0.107142858f);
    EXPECT_TRUE(cap.output().empty());
}

TEST(Figures, BarVerticesLeaveTheRestOfTheArrays) {
    std::array<float, 10> x{}, y{};
    x.fill(kUntouched);
    y.fill(kUntouched);
    int32_t n = 0;
    rectangle1(x.data(), y.data(), n, 10);
    EXPECT_EQ(n, 4);
    expectBits(x,
               {0.0f, 1.0f, 1.0f, 0.0f, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched,
                kUntouched},
               "x");
    expectBits(y,
               {-k3d28, -k3d28, k3d28, k3d28, kUntouched, kUntouched, kUntouched, kUntouched,
                kUntouched, kUntouched},
               "y");
}

TEST(Figures, SmallCapacityStoresWhatFitsWhenTheUserGoesOn) {
    struct Case {
        bool arrow;
        int32_t nmax, n;
    };
    const Case cases[] = {{true, 5, 5}, {true, 0, 0}, {true, -3, 0}, {false, 2, 2}};
    for (const auto& c : cases) {
        // No to STOP, then the pause that follows.
        ConsoleCapture cap("n\n\n");
        std::array<float, 7> x{}, y{};
        x.fill(kUntouched);
        y.fill(kUntouched);
        int32_t n = -1;
        if (c.arrow)
            arrow2d(x.data(), y.data(), n, c.nmax);
        else
            rectangle1(x.data(), y.data(), n, c.nmax);
        EXPECT_EQ(n, c.n) << c.nmax;
        for (int32_t i = c.n; i < 7; ++i) {
            EXPECT_EQ(x[static_cast<std::size_t>(i)], kUntouched) << c.nmax << " at " << i;
            EXPECT_EQ(y[static_cast<std::size_t>(i)], kUntouched) << c.nmax << " at " << i;
        }
        if (c.n >= 2) {
            EXPECT_EQ(x[1], c.arrow ? k3d7 : 1.0f);
        }
        const std::string out = cap.output();
        EXPECT_NE(out.find(c.arrow ? "plot array dimension = 7 > max ="
                                   : "plot array dimension = 4 > max ="),
                  std::string::npos)
            << out;
        EXPECT_NE(out.find(c.arrow ? "arrow2d" : "rectangle1"), std::string::npos) << out;
    }
}

void arrowIntoSix() {
    ConsoleCapture cap("y\n");
    std::array<float, 7> x{};
    std::array<float, 7> y{};
    int32_t n = 0;
    arrow2d(x.data(), y.data(), n, 6);
}

TEST(FiguresDeathTest, SmallCapacityStopsWhenTheUserAgrees) {
    EXPECT_EXIT(arrowIntoSix(), ::testing::ExitedWithCode(1), "");
}

TEST(Figures, TranslationAndScaling) {
    std::array<float, 3> x{0.0f, 1.5f, -2.0f}, y{0.25f, -1.0f, 3.0f};
    std::array<float, 3> xo{}, yo{};
    transl2d1(xo.data(), yo.data(), x.data(), y.data(), 3, 0.0f, 0.0f);
    EXPECT_EQ(xo, x);
    EXPECT_EQ(yo, y);
    transl2d1(x.data(), y.data(), x.data(), y.data(), 3, 0.5f, -0.25f);
    EXPECT_EQ(x, (std::array<float, 3>{0.5f, 2.0f, -1.5f}));
    EXPECT_EQ(y, (std::array<float, 3>{0.0f, -1.25f, 2.75f}));
    homot02d1(x.data(), y.data(), x.data(), y.data(), 3, 4.0f);
    EXPECT_EQ(x, (std::array<float, 3>{2.0f, 8.0f, -6.0f}));
    EXPECT_EQ(y, (std::array<float, 3>{0.0f, -5.0f, 11.0f}));
    homot02d1(xo.data(), yo.data(), x.data(), y.data(), 3, 0.0f);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(xo[i], 0.0f);
        EXPECT_EQ(yo[i], 0.0f);
    }
}

TEST(Figures, RotationAboutACentre) {
    // By the stored pi/2 about (1, 1): (2, 1) goes to (1, 2), (1, 1) stays.
    const float halfPi = fromBits(0x3FC90FDB);
    std::array<float, 2> x{2.0f, 1.0f}, y{1.0f, 1.0f};
    rot2daff(x.data(), y.data(), x.data(), y.data(), 2, 1.0f, 1.0f, halfPi);
    EXPECT_NEAR(x[0], 1.0f, 2e-7);
    EXPECT_NEAR(y[0], 2.0f, 2e-7);
    EXPECT_NEAR(x[1], 1.0f, 2e-7);
    EXPECT_NEAR(y[1], 1.0f, 2e-7);

    // By 0 every point is returned unchanged.
    const std::array<float, 3> px{0.1f, -3.7f, 1e6f}, py{2.2f, 0.0f, -5.5f};
    std::array<float, 3> qx{}, qy{};
    rot2daff(qx.data(), qy.data(), px.data(), py.data(), 3, 7.0f, -4.0f, 0.0f);
    EXPECT_EQ(qx, px);
    EXPECT_EQ(qy, py);

    // A general angle against the rotation worked in double.
    const float angle = 0.7f, x0 = 3.0f, y0 = -2.0f;
    rot2daff(qx.data(), qy.data(), px.data(), py.data(), 3, x0, y0, angle);
    const double c = std::cos(double{angle}), s = std::sin(double{angle});
    for (std::size_t i = 0; i < 3; ++i) {
        const double dx = px[i] - x0, dy = py[i] - y0;
        const double rx = x0 + c * dx - s * dy, ry = y0 + s * dx + c * dy;
        const double tol = 4e-7 * (1.0 + std::fabs(dx) + std::fabs(dy) + std::fabs(x0));
        EXPECT_NEAR(qx[i], rx, tol) << i;
        EXPECT_NEAR(qy[i], ry, tol) << i;
    }
}

TEST(Figures, RotationReadsBothCoordinatesBeforeWriting) {
    // Outputs swapped onto the inputs: x written over y and y over x.
    std::array<float, 1> a{1.0f}, b{0.0f};
    rot2daff(b.data(), a.data(), a.data(), b.data(), 1, 0.0f, 0.0f, fromBits(0x40490FDB));
    EXPECT_NEAR(b[0], -1.0f, 1e-7);  // x of (1, 0) turned by pi
    EXPECT_NEAR(a[0], 0.0f, 1e-7);
}

TEST(Figures, CountBelowOneChangesNothing) {
    const std::array<float, 2> x{1, 2}, y{3, 4};
    std::array<float, 2> xo{7, 7}, yo{7, 7};
    for (int32_t n : {0, -5}) {
        transl2d1(xo.data(), yo.data(), x.data(), y.data(), n, 1.0f, 1.0f);
        homot02d1(xo.data(), yo.data(), x.data(), y.data(), n, 2.0f);
        rot2daff(xo.data(), yo.data(), x.data(), y.data(), n, 0.0f, 0.0f, 1.0f);
    }
    EXPECT_EQ(xo, (std::array<float, 2>{7, 7}));
    EXPECT_EQ(yo, (std::array<float, 2>{7, 7}));
}

}  // namespace
}  // namespace tensova

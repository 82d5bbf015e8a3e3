// Longitude/latitude and unit vectors, the frame change by Ab and its set-up menu.

#include "numeric/frames.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "compare.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"

namespace tensova {
namespace {

using test::bitsOf;
using test::ConsoleCapture;
using test::contains;
using test::fromBits;
using test::nearRef;
using test::ulpsApart;

const float kHalfPiF = fromBits(0x3FC90FDB);
const float kPiF = fromBits(0x40490FDB);
const Mat33 kIdentity{1, 0, 0, 0, 1, 0, 0, 0, 1};

class Frames : public ::testing::Test {
  protected:
    void SetUp() override {
        ConsoleCapture quiet;
        trigoset();
        a2b.ab = Mat33{};
    }
};

TEST_F(Frames, Ll2ccnUnitVectors) {
    // (lon 0, lat 0) is x exactly; lat = stored pi/2 gives z = 1 and a tiny x.
    std::array<float, 3> lon{0.0f, 0.0f, 2.0f};
    std::array<float, 3> lat{0.0f, kHalfPiF, -0.7f};
    std::array<float, 3> x{}, y{}, z{};
    ll2ccn(x.data(), y.data(), z.data(), lon.data(), lat.data(), 3);
    EXPECT_EQ(x[0], 1.0f);
    EXPECT_EQ(y[0], 0.0f);
    EXPECT_EQ(z[0], 0.0f);
    EXPECT_TRUE(nearRef(x[1], std::cos(double{kHalfPiF})));
    EXPECT_NE(x[1], 0.0f);
    EXPECT_EQ(z[1], 1.0f);
    // Two rounded factors: within two ulps of the exact product.
    const double lo = 2.0, la = -0.7f;
    EXPECT_LE(ulpsApart(x[2], static_cast<float>(std::cos(lo) * std::cos(la))), 2);
    EXPECT_LE(ulpsApart(y[2], static_cast<float>(std::sin(lo) * std::cos(la))), 2);
    EXPECT_TRUE(nearRef(z[2], std::sin(la)));

    // In place: x over lon and y over lat.
    ll2ccn(lon.data(), lat.data(), z.data(), lon.data(), lat.data(), 3);
    EXPECT_EQ(lon, x);
    EXPECT_EQ(lat, y);
}

TEST_F(Frames, Cc2llnAxesAndSignedZero) {
    struct Case {
        float x, y, z;
        float lon, lat;
    };
    const Case cases[] = {
        {1, 0, 0, 0.0f, 0.0f},      {0, 0, 1, 0.0f, kHalfPiF},   {0, 0, -1, 0.0f, -kHalfPiF},
        {0, 1, 0, kHalfPiF, 0.0f},  {0, -1, 0, -kHalfPiF, 0.0f}, {-1, 0, 0, kPiF, 0.0f},
        {-1, -0.0f, 0, kPiF, 0.0f},  // -0 counts as 0
    };
    ConsoleCapture cap;
    for (const auto& c : cases) {
        float lon = 99.0f, lat = 99.0f;
        cc2lln(&lon, &lat, &c.x, &c.y, &c.z, 1);
        EXPECT_EQ(bitsOf(lon), bitsOf(c.lon)) << c.x << "," << c.y << "," << c.z;
        EXPECT_EQ(bitsOf(lat), bitsOf(c.lat)) << c.x << "," << c.y << "," << c.z;
    }
    EXPECT_TRUE(cap.output().empty());
}

TEST_F(Frames, Cc2llnGeneralDirections) {
    const std::array<float, 4> x{0.6f, -0.6f, -0.48f, 0.0f};
    const std::array<float, 4> y{0.8f, -0.8f, 0.64f, 0.6f};
    const std::array<float, 4> z{0.0f, 0.0f, 0.6f, 0.8f};
    std::array<float, 4> lon{}, lat{};
    cc2lln(lon.data(), lat.data(), x.data(), y.data(), z.data(), 4);
    for (std::size_t i = 0; i < 4; ++i) {
        const double dx = x[i], dy = y[i], dz = z[i];
        const double len = std::sqrt(dx * dx + dy * dy + dz * dz);
        EXPECT_LE(ulpsApart(lon[i], static_cast<float>(std::atan2(dy, dx))), 2) << i;
        EXPECT_LE(ulpsApart(lat[i], static_cast<float>(std::asin(dz / len))), 2) << i;
    }
}

TEST_F(Frames, Cc2llnWarnsAndNormalisesALongVector) {
    ConsoleCapture cap("\n");
    const std::array<float, 3> x{1.0f, 2.0f, 0.0f};
    const std::array<float, 3> y{0.0f, 0.0f, 1.0f};
    const std::array<float, 3> z{0.0f, 0.0f, 0.0f};
    std::array<float, 3> lon{}, lat{};
    cc2lln(lon.data(), lat.data(), x.data(), y.data(), z.data(), 3);
    EXPECT_EQ(lon, (std::array<float, 3>{0.0f, 0.0f, kHalfPiF}));
    EXPECT_EQ(lat, (std::array<float, 3>{0.0f, 0.0f, 0.0f}));
    const std::vector<std::string> lines = cap.lines();
    const std::vector<std::string> want = {
        " ///////////////////////////////////////////",
        " ///        subroutine cc2lln            ///",
        " ///               WARNING               ///",
        " ///////////////////////////////////////////",
        " Expecting unitary V = (Vx,Vy,Vz)",
        " Loop final   index =      3",
        " Loop current index =      2",
        " Vx =   2.0000 Vy =   0.0000 Vz =   0.0000",
        " ||V|| =   2.0000",
        " V is not unitary",
        " ==> Normalizing it to 1",
        " ===> HIT RETURN TO CONTINUE",
        " ///////////////////////////////////////////",
    };
    EXPECT_EQ(lines, want);
}

TEST_F(Frames, Cc2llnSlackOnTheLength) {
    // Scaled by 1.00002 the squared length is off by 4e-5: used unchanged, so the latitude is
    // that of the longer z. Scaled by 1.00004 (8e-5) it is normalised, silently (length off by
    // 4e-5 only).
    struct Case {
        float scale;
        bool normalised;
    };
    const Case cases[] = {{1.00002f, false}, {1.00004f, true}, {0.99996f, true}};
    for (const auto& c : cases) {
        ConsoleCapture cap;
        const float x = 0.6f * c.scale, y = 0.0f, z = 0.8f * c.scale;
        float lon = 9.0f, lat = 9.0f;
        cc2lln(&lon, &lat, &x, &y, &z, 1);
        EXPECT_TRUE(cap.output().empty()) << c.scale;
        EXPECT_EQ(lon, 0.0f);
        const double dz = z, len = std::sqrt(double{x} * x + dz * dz);
        const double ref = c.normalised ? std::asin(dz / len) : std::asin(dz);
        EXPECT_LE(ulpsApart(lat, static_cast<float>(ref)), 2) << c.scale;
    }
}

TEST_F(Frames, Cc2llnZeroVectorGivesOriginAfterItsWarning) {
    ConsoleCapture cap("\n");
    const std::array<float, 2> x{0.0f, 0.0f}, y{0.0f, 1.0f}, z{0.0f, 0.0f};
    std::array<float, 2> lon{9, 9}, lat{9, 9};
    cc2lln(lon.data(), lat.data(), x.data(), y.data(), z.data(), 2);
    EXPECT_EQ(lon, (std::array<float, 2>{0.0f, kHalfPiF}));
    EXPECT_EQ(lat, (std::array<float, 2>{0.0f, 0.0f}));
    const std::string out = cap.output();
    EXPECT_TRUE(contains(out, "\n ||V|| =   0.0000\n")) << out;
    EXPECT_TRUE(contains(out, "\n Loop current index =      1\n")) << out;
}

TEST_F(Frames, Cc2llnLatitudeNeverPastThePole) {
    // Inside the slack the vector is used as it is; its z may exceed 1 by a little.
    ConsoleCapture cap;
    const std::array<float, 2> x{0.0f, 0.0f}, y{0.0f, 0.0f}, z{1.00002f, -1.00002f};
    std::array<float, 2> lon{}, lat{};
    cc2lln(lon.data(), lat.data(), x.data(), y.data(), z.data(), 2);
    EXPECT_EQ(lat, (std::array<float, 2>{kHalfPiF, -kHalfPiF}));
    EXPECT_EQ(lon, (std::array<float, 2>{0.0f, 0.0f}));
}

TEST_F(Frames, Cc2llnInPlace) {
    std::array<float, 2> x{-0.6f, 0.0f}, y{0.8f, 0.0f};
    const std::array<float, 2> z{0.0f, 1.0f};
    std::array<float, 2> lon{}, lat{};
    cc2lln(lon.data(), lat.data(), x.data(), y.data(), z.data(), 2);
    cc2lln(x.data(), y.data(), x.data(), y.data(), z.data(), 2);
    EXPECT_EQ(x, lon);
    EXPECT_EQ(y, lat);
}

TEST_F(Frames, CountBelowOneChangesNothing) {
    std::array<float, 2> a{0.5f, 0.5f}, b{7, 7}, c{7, 7}, d{7, 7};
    for (int32_t n : {0, -1}) {
        ll2ccn(b.data(), c.data(), d.data(), a.data(), a.data(), n);
        cc2lln(b.data(), c.data(), a.data(), a.data(), a.data(), n);
        lla2llb(b.data(), c.data(), a.data(), a.data(), n);
    }
    EXPECT_EQ(b, (std::array<float, 2>{7, 7}));
    EXPECT_EQ(c, (std::array<float, 2>{7, 7}));
    EXPECT_EQ(d, (std::array<float, 2>{7, 7}));
}

TEST_F(Frames, Cca2ccbAppliesAbInPlace) {
    a2b.ab = Mat33{1, 4, 7, 2, 5, 8, 3, 6, 10};  // rows (1,2,3), (4,5,6), (7,8,10)
    Vec3 v{1, -1, 2};
    cca2ccb(v, v);
    EXPECT_EQ(v, (Vec3{5, 11, 19}));
}

TEST_F(Frames, Lla2llbWithIdentityKeepsEachPoint) {
    a2b.ab = kIdentity;
    const std::array<float, 4> lon{0.3f, -2.5f, 4.0f, 0.0f};
    const std::array<float, 4> lat{0.4f, -1.2f, 0.1f, 0.0f};
    std::array<float, 4> lonb{}, latb{};
    lla2llb(lonb.data(), latb.data(), lon.data(), lat.data(), 4);
    for (std::size_t i = 0; i < 4; ++i) {
        // Longitudes come back in -pi to pi.
        const double want = std::remainder(double{lon[i]}, 2 * std::numbers::pi);
        EXPECT_NEAR(lonb[i], want, 4e-7) << i;
        EXPECT_NEAR(latb[i], lat[i], 4e-7) << i;
    }
}

TEST_F(Frames, Lla2llbTurnsIntoTheOtherFrame) {
    // Frame b turned by 0.3 about z: its x axis points to longitude 0.3 of frame a.
    const double c = std::cos(0.3), s = std::sin(0.3);
    a2b.ab = Mat33{static_cast<float>(c),
                   static_cast<float>(-s),
                   0,
                   static_cast<float>(s),
                   static_cast<float>(c),
                   0,
                   0,
                   0,
                   1};
    std::array<float, 2> lon{0.5f, -1.0f};
    std::array<float, 2> lat{0.4f, -0.2f};
    lla2llb(lon.data(), lat.data(), lon.data(), lat.data(), 2);
    EXPECT_NEAR(lon[0], 0.2, 4e-7);
    EXPECT_NEAR(lat[0], 0.4, 4e-7);
    EXPECT_NEAR(lon[1], -1.3, 4e-7);
    EXPECT_NEAR(lat[1], -0.2, 4e-7);
}

TEST_F(Frames, Smatab33SilentModes) {
    const Mat33 m{1, 2, 3, 4, 5, 6, 7, 8, 9};
    ConsoleCapture cap;
    Mat33 aba = m;
    smatab33(aba, 1);  // the caller's values, stored as they are
    EXPECT_EQ(a2b.ab, m);
    EXPECT_EQ(aba, m);
    Mat33 back{};
    smatab33(back, 3);  // the stored values, returned
    EXPECT_EQ(back, m);
    Mat33 other{9, 9, 9, 9, 9, 9, 9, 9, 9};
    smatab33(other, -1);  // any other odd mode keeps the caller's
    EXPECT_EQ(a2b.ab, other);
    EXPECT_TRUE(cap.output().empty());
}

TEST_F(Frames, Smatab33DefaultsToIdentity) {
    ConsoleCapture cap;
    Mat33 aba{5, 5, 5, 5, 5, 5, 5, 5, 5};
    smatab33(aba, 5);
    EXPECT_EQ(aba, kIdentity);
    EXPECT_EQ(a2b.ab, kIdentity);
    const std::vector<std::string> want = {
        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
        " @ subroutine smatab33   ",
        " @==========================================",
        " INITIALIZING Ab matrix: Ab = Identity",
    };
    EXPECT_EQ(cap.lines(), want);
}

TEST_F(Frames, Smatab33MenuShowsStoredMatrixRowByRow) {
    a2b.ab = Mat33{1, 4, 7, 2, 5, 8, 3, 6, 10};  // rows (1,2,3), (4,5,6), (7,8,10)
    ConsoleCapture cap("99\n");
    Mat33 aba{};
    smatab33(aba, 2);
    EXPECT_EQ(aba, (Mat33{1, 4, 7, 2, 5, 8, 3, 6, 10}));
    EXPECT_EQ(a2b.ab, aba);
    const std::vector<std::string> lines = cap.lines();
    const std::vector<std::string> menu = {
        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
        " @ subroutine smatab33   ",
        " @==========================================",
        " -------------------------------------------",
        " Ab MATRIX SET UP",
        " -------------------------------------------",
        " Ab(1,1).....1    1.000",
        " Ab(1,2).....2    2.000",
        " Ab(1,3).....3    3.000",
        " Ab(2,1).....4    4.000",
        " Ab(2,2).....5    5.000",
        " Ab(2,3).....6    6.000",
        " Ab(3,1).....7    7.000",
        " Ab(3,2).....8    8.000",
        " Ab(3,3).....9   10.000",
        " -------------------------------------------",
        " UPDATE & EXIT ........99",
        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
    };
    ASSERT_GE(lines.size(), menu.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 18), menu);
    EXPECT_TRUE(contains(cap.output(), " Enter your choice\n"));
}

TEST_F(Frames, Smatab33MenuSetsAnElementAndRefusesUnknownAnswers) {
    // 4 is element (2,1), at storage position 2; 12 is unknown; an empty answer leaves.
    ConsoleCapture cap("4\n-2.5\n12\n\n\n");
    Mat33 aba = kIdentity;
    smatab33(aba, 0);
    const Mat33 want{1, -2.5f, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_EQ(aba, want);
    EXPECT_EQ(a2b.ab, want);
    const std::string out = cap.output();
    EXPECT_TRUE(contains(out, " Enter aba(2,1)\n")) << out;
    EXPECT_TRUE(contains(out, " Ab(2,1).....4   -2.500\n")) << out;
    EXPECT_TRUE(contains(out, "\n UNKNOWN ANSWER !\n ==> BACK TO MENU WITHOUT ACTION\n")) << out;
    EXPECT_TRUE(contains(out, " ///        subroutine smatab33          ///")) << out;
}

TEST_F(Frames, Smatab33NegativeEvenModeOpensTheMenu) {
    ConsoleCapture cap("9\n3\n99\n");
    Mat33 aba = kIdentity;
    smatab33(aba, -2);
    EXPECT_EQ(aba[at(3, 3, 3)], 3.0f);
    EXPECT_EQ(a2b.ab, aba);
}

}  // namespace
}  // namespace tensova

// Angle constants (exact bit patterns), conversions and periodic reductions.

#include "numeric/angles.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "compare.hpp"
#include "support/console_capture.hpp"

namespace tensova {
namespace {

using test::bitsOf;
using test::ConsoleCapture;
using test::fromBits;
using test::nearRef;

class Angles : public ::testing::Test {
  protected:
    void SetUp() override {
        ConsoleCapture quiet;
        trigoset();
    }
};

TEST(Trigoset, AnnouncesItsTwoBlocks) {
    ConsoleCapture cap;
    trigoset();
    const std::vector<std::string> want = {
        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
        " @ subroutine trigoset   ",
        " @==========================================",
        " Initializing /trig/ block",
        " Initializing /anglerad/ block",
    };
    EXPECT_EQ(cap.lines(), want);
}

TEST_F(Angles, StoredConstantsHaveTheirExactBits) {
    struct Case {
        const char* what;
        float got;
        uint32_t bits;
    };
    const Case cases[] = {
        {"trig 1 pi", trig(1), 0x40490FDB},
        {"trig 2 pi/2", trig(2), 0x3FC90FDB},
        {"trig 3 pi/4", trig(3), 0x3F490FDB},
        {"trig 4 pi/180", trig(4), 0x3C8EFA35},
        {"trig 5 pi/2-1e-5", trig(5), 0x3FC90F87},
        {"trig 6 pi/2+1e-5", trig(6), 0x3FC9102F},
        {"anglerad 1 pi/4", anglerad(1), 0x3F490FDB},
        {"anglerad 2 pi/3", anglerad(2), 0x3F860A92},
        {"anglerad 3 pi/2", anglerad(3), 0x3FC90FDB},
        {"anglerad 4 3pi/4", anglerad(4), 0x4016CBE4},
        {"anglerad 5 pi", anglerad(5), 0x40490FDB},
        {"anglerad 6 3pi/2", anglerad(6), 0x4096CBE4},
        {"anglerad 7 2pi", anglerad(7), 0x40C90FDB},
        {"anglerad 8 pi/180", anglerad(8), 0x3C8EFA35},
        {"anglerad 9 180/pi", anglerad(9), 0x42652EE0},
        {"angleradi 1", angleradi(1), 0x3F490F33},
        {"angleradi 2", angleradi(2), 0x3F860A3E},
        {"angleradi 3", angleradi(3), 0x3FC90F87},
        {"angleradi 4", angleradi(4), 0x4016CBBA},
        {"angleradi 5", angleradi(5), 0x40490FB1},
        {"angleradi 6", angleradi(6), 0x4096CBCF},
        {"angleradi 7", angleradi(7), 0x40C90FC6},
        {"anglerads 1", anglerads(1), 0x3F491083},
        {"anglerads 2", anglerads(2), 0x3F860AE6},
        {"anglerads 3", anglerads(3), 0x3FC9102F},
        {"anglerads 4", anglerads(4), 0x4016CC0E},
        {"anglerads 5", anglerads(5), 0x40491005},
        {"anglerads 6", anglerads(6), 0x4096CBF9},
        {"anglerads 7", anglerads(7), 0x40C90FF0},
    };
    for (const auto& c : cases) EXPECT_EQ(bitsOf(c.got), c.bits) << c.what;
    // 180/pi is one ulp below the float nearest to the true value.
    EXPECT_EQ(anglerad(kRadToDeg), 57.2957764f);
    EXPECT_EQ(bitsOf(static_cast<float>(180.0 / std::numbers::pi)), 0x42652EE1u);
}

TEST_F(Angles, CallingAgainStoresTheSameValues) {
    const auto before = anglerad.v;
    anglerad.v.fill(0.0f);
    ConsoleCapture quiet;
    trigoset();
    EXPECT_EQ(anglerad.v, before);
}

TEST_F(Angles, DegreeRadianConversions) {
    EXPECT_EQ(bitsOf(rad(180.0f)), 0x40490FDBu);
    EXPECT_EQ(deg(anglerad(kPi)), 180.0f);
    EXPECT_EQ(bitsOf(deg(rad(1.0f))), 0x3F7FFFFFu);  // 0.99999994, not 1

    // Each element is one rounded product with the stored factor; converted in place.
    std::array<float, 4> v{30.0f, -90.0f, 0.0f, 1234.5f};
    const std::array<float, 4> in = v;
    deg2rad(v.data(), v.data(), 4);
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_EQ(v[i], static_cast<float>(double{in[i]} * double{fromBits(0x3C8EFA35)}));
        EXPECT_TRUE(nearRef(v[i], in[i] * std::numbers::pi / 180.0)) << in[i];
    }
    rad2deg(v.data(), v.data(), 4);
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_LE(test::ulpsApart(v[i], in[i]), 2) << in[i];
    }
}

TEST_F(Angles, ModulrReducesIntoZeroToPeriod) {
    struct Case {
        float in, want;
    };
    const Case cases[] = {{360.0f, 0.0f},   {725.0f, 5.0f},    {-30.0f, 330.0f},
                          {359.5f, 359.5f}, {0.0f, 0.0f},      {-725.0f, 355.0f},
                          {1080.0f, 0.0f},  {-0.25f, 359.75f}, {1e7f, 280.0f}};
    for (const auto& c : cases) {
        float out = 99.0f;
        modulr(&out, &c.in, 360.0f, 1);
        EXPECT_EQ(out, c.want) << c.in;
    }
    // A negative exact multiple keeps the sign of the input on its zero.
    const float minus360 = -360.0f;
    float out = 1.0f;
    modulr(&out, &minus360, 360.0f, 1);
    EXPECT_EQ(out, 0.0f);
    EXPECT_TRUE(std::signbit(out));
}

TEST_F(Angles, ModulroReducesIntoOriginInterval) {
    struct Case {
        float in, want;
    };
    const Case cases[] = {{190.0f, -170.0f}, {-180.0f, -180.0f}, {180.0f, -180.0f},
                          {-190.0f, 170.0f}, {45.5f, 45.5f},     {900.0f, -180.0f}};
    std::array<float, 6> in{}, out{};
    for (std::size_t i = 0; i < in.size(); ++i) in[i] = cases[i].in;
    modulro(out.data(), in.data(), 360.0f, -180.0f, 6);
    for (std::size_t i = 0; i < in.size(); ++i) EXPECT_EQ(out[i], cases[i].want) << in[i];
}

TEST_F(Angles, ModuriReducesIntoOneToPeriod) {
    const std::array<int32_t, 9> in{4, 5, 6, 3, 0, -1, -3, 1, -7};
    const std::array<int32_t, 9> want{1, 2, 3, 3, 3, 2, 3, 1, 2};
    std::array<int32_t, 9> out{};
    moduri(out.data(), in.data(), 3, 9);
    EXPECT_EQ(out, want);
    // A period below 1 has no residues: nothing is written, nothing traps.
    std::array<int32_t, 2> keep{7, 7};
    const std::array<int32_t, 2> some{5, -5};
    moduri(keep.data(), some.data(), 0, 2);
    moduri(keep.data(), some.data(), -3, 2);
    EXPECT_EQ(keep, (std::array<int32_t, 2>{7, 7}));
}

TEST_F(Angles, Na2pinReducesIntoOneTurn) {
    const float twoPi = anglerad(kTwoPi);
    struct Case {
        float in, want;
    };
    const Case cases[] = {
        {-1e-8f, twoPi},  // r + 2pi rounds to the upper end
        {twoPi, 0.0f},   {1.0f, 1.0f}, {0.0f, 0.0f}, {2.0f * twoPi, 0.0f},  // an exact multiple
    };
    for (const auto& c : cases) {
        float out = 99.0f;
        na2pin(&out, &c.in, 1);
        EXPECT_EQ(bitsOf(out), bitsOf(c.want)) << c.in;
    }
    const float minusHalfPi = -anglerad(kHalfPi);
    float out = 0.0f;
    na2pin(&out, &minusHalfPi, 1);
    EXPECT_TRUE(nearRef(out, 1.5 * std::numbers::pi));
}

TEST_F(Angles, Xy2tPolarAngle) {
    const float pi = fromBits(0x40490FDB);
    struct Case {
        float x, y;
        double ref;
        bool exact;
    };
    const Case cases[] = {
        {0.0f, 0.0f, fromBits(0x3FC90FDB), true},  // origin: pi/2
        {0.0f, 3.0f, fromBits(0x3FC90FDB), true},
        {-0.0f, -2.0f, -fromBits(0x3FC90FDB), true},
        {-1.0f, 0.0f, pi, true},
        {-1.0f, -0.0f, pi, true},     // -0 counts as 0
        {-1.0f, -1e-30f, -pi, true},  // the tiny arc tangent is lost against pi
        {1.0f, 1.0f, fromBits(0x3F490FDB), true},
        {1.0f, -1.0f, -std::numbers::pi / 4, false},
        {-1.0f, 1.0f, 3 * std::numbers::pi / 4, false},
        {-2.0f, -1.0f, std::atan2(-1.0, -2.0), false},
        {0.5f, 2.0f, std::atan2(2.0, 0.5), false},
    };
    for (const auto& c : cases) {
        float t = 99.0f;
        xy2t(&t, &c.x, &c.y, 1);
        if (c.exact) {
            EXPECT_EQ(bitsOf(t), bitsOf(static_cast<float>(c.ref))) << c.x << "," << c.y;
        } else {
            EXPECT_TRUE(nearRef(t, c.ref)) << c.x << "," << c.y << " -> " << t;
        }
    }
}

TEST_F(Angles, CountBelowOneChangesNothing) {
    std::array<float, 2> a{1.5f, -2.5f};
    std::array<float, 2> b{7.0f, 8.0f};
    std::array<int32_t, 2> ia{5, -4};
    std::array<int32_t, 2> ib{7, 8};
    const std::vector<std::function<void(int32_t)>> calls = {
        [&](int32_t n) { deg2rad(b.data(), a.data(), n); },
        [&](int32_t n) { rad2deg(b.data(), a.data(), n); },
        [&](int32_t n) { modulr(b.data(), a.data(), 1.0f, n); },
        [&](int32_t n) { modulro(b.data(), a.data(), 1.0f, -0.5f, n); },
        [&](int32_t n) { moduri(ib.data(), ia.data(), 3, n); },
        [&](int32_t n) { na2pin(b.data(), a.data(), n); },
        [&](int32_t n) { xy2t(b.data(), a.data(), a.data(), n); },
    };
    for (std::size_t k = 0; k < calls.size(); ++k) {
        for (int32_t n : {0, -1, -100}) {
            calls[k](n);
            EXPECT_EQ(b, (std::array<float, 2>{7.0f, 8.0f})) << "routine " << k << " n " << n;
            EXPECT_EQ(ib, (std::array<int32_t, 2>{7, 8})) << "routine " << k << " n " << n;
        }
    }
}

TEST_F(Angles, ReductionsWorkInPlace) {
    std::array<float, 3> v{725.0f, -30.0f, 10.0f};
    modulr(v.data(), v.data(), 360.0f, 3);
    EXPECT_EQ(v, (std::array<float, 3>{5.0f, 330.0f, 10.0f}));
    std::array<int32_t, 3> iv{4, -1, 2};
    moduri(iv.data(), iv.data(), 3, 3);
    EXPECT_EQ(iv, (std::array<int32_t, 3>{1, 2, 2}));
    std::array<float, 2> t{-1.0f, 1.0f};
    std::array<float, 2> y{0.0f, 1.0f};
    xy2t(t.data(), t.data(), y.data(), 2);  // theta over x
    EXPECT_EQ(bitsOf(t[0]), 0x40490FDBu);
    EXPECT_EQ(bitsOf(t[1]), 0x3F490FDBu);
}

}  // namespace
}  // namespace tensova

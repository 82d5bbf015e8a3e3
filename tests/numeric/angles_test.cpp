// Angle constants (exact bit patterns), conversions and periodic reductions.

#include <vector>

#include "compare.hpp"

namespace tensova::test {

TEST(Angles, ConstantsHaveTheirExactBits) {
    anglesSet();
    std::vector<uint32_t> bits;
    for (const float v : trig.v) bits.push_back(bitsOf(v));
    for (const float v : anglerad.v) bits.push_back(bitsOf(v));
    for (const float v : angleradi.v) bits.push_back(bitsOf(v));
    for (const float v : anglerads.v) bits.push_back(bitsOf(v));
    // trig: pi, pi/2, pi/4, pi/180, pi/2 -+ 1e-5. anglerad: pi/4, pi/3, pi/2, 3pi/4, pi, 3pi/2,
    // 2pi, pi/180, 180/pi (one ulp below the nearest float). angleradi and anglerads: the seven
    // angles less and plus 1e-5.
    const std::vector<uint32_t> want = {0x40490FDB, 0x3FC90FDB, 0x3F490FDB, 0x3C8EFA35, 0x3FC90F87,
                                        0x3FC9102F, 0x3F490FDB, 0x3F860A92, 0x3FC90FDB, 0x4016CBE4,
                                        0x40490FDB, 0x4096CBE4, 0x40C90FDB, 0x3C8EFA35, 0x42652EE0,
                                        0x3F490F33, 0x3F860A3E, 0x3FC90F87, 0x4016CBBA, 0x40490FB1,
                                        0x4096CBCF, 0x40C90FC6, 0x3F491083, 0x3F860AE6, 0x3FC9102F,
                                        0x4016CC0E, 0x40491005, 0x4096CBF9, 0x40C90FF0};
    EXPECT_EQ(bits, want);
}

TEST(Angles, ConversionsAndReductions) {
    anglesSet();
    EXPECT_EQ(rad(180.0f), kPiF);
    EXPECT_EQ(deg(kPiF), 180.0f);
    EXPECT_EQ(bitsOf(deg(rad(1.0f))), 0x3F7FFFFFu);  // 0.99999994, not 1
    std::array<float, 3> d{1234.5f, -90.0f, 180.0f};
    deg2rad(d.data(), d.data(), 3);
    EXPECT_TRUE(nearRef(d[0], 1234.5 * std::numbers::pi / 180));
    EXPECT_TRUE(nearRef(d[1], -std::numbers::pi / 2));
    rad2deg(d.data(), d.data(), 3);
    EXPECT_EQ(d[2], 180.0f);
    std::array<float, 7> m{360, 725, -30, -360, 359.5f, -0.25f, 1e7f};
    modulr(m.data(), m.data(), 360.0f, 7);
    expectBits(m, {0, 5, 330, -0.0f, 359.5f, 359.75f, 280});
    std::array<float, 4> o{190, -180, 180, -190};
    modulro(o.data(), o.data(), 360.0f, -180.0f, 4);
    expectBits(o, {-170, -180, -180, 170});
    // -1e-8 + 2pi rounds to the upper end.
    const float twoPi = anglerad(kTwoPi);
    std::array<float, 4> n{-1e-8f, twoPi, 2 * twoPi, -kHalfPiF};
    na2pin(n.data(), n.data(), 4);
    expectBits(n, {twoPi, 0, 0, n[3]});
    EXPECT_TRUE(nearRef(n[3], 1.5 * std::numbers::pi));
    // The origin gives pi/2, -0 counts as 0, and the tiny arc tangent of -1e-30 is lost.
    const std::array<float, 7> x{0, -0.0f, -1, -1, -1, 1, -2}, y{0, -2, 0, -0.0f, -1e-30f, 1, -1};
    std::array<float, 7> t{};
    xy2t(t.data(), x.data(), y.data(), 7);
    expectBits(t,
               {kHalfPiF, -kHalfPiF, kPiF, kPiF, -kPiF, std::bit_cast<float>(0x3F490FDBu), t[6]});
    EXPECT_TRUE(nearRef(t[6], std::atan2(-1.0, -2.0)));
}

TEST(Angles, ModuriReducesIntoOneToPeriod) {
    std::array<int32_t, 7> v{4, 5, 6, 3, 0, -1, -3};
    moduri(v.data(), v.data(), 3, 7);
    EXPECT_EQ(v, (std::array<int32_t, 7>{1, 2, 3, 3, 3, 2, 3}));
    // A period below 1 has no residues, and a count below 1 no elements: nothing is written.
    for (const auto& [p, count] : {std::array{0, 2}, {-3, 2}, {3, 0}, {3, -1}}) {
        std::array<int32_t, 2> keep{7, 7};
        moduri(keep.data(), v.data(), p, count);
        EXPECT_EQ(keep, (std::array<int32_t, 2>{7, 7})) << p << " " << count;
    }
}

}  // namespace tensova::test

// Angles, vectors and matrices, figures, frames.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "compare.hpp"
#include "numeric/figures.hpp"
#include "numeric/frames.hpp"
#include "numeric/matrices.hpp"
#include "numeric/vectors.hpp"

namespace tensova::test {
namespace {

// Angle constants (exact bit patterns), conversions and periodic reductions; batched vector
// operations and the 2x2 inverse against values worked out by hand or in double precision (the
// rotation matrices are checked where the axes and the stress symbols use them); the arrow and
// bar outlines and the plane maps that move them; and what the array routines promise their
// callers: an output may be one of its inputs where the routine allows it, and a count below 1
// changes nothing.
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
    // Beyond a turn, degrees reduced exactly (1e10 is 27777778 turns less 80); within, kept.
    std::array<float, 4> w{1e10f, -721, 359, -360};
    for (float& v : w) v = withinTurn(v);
    expectBits(w, {-80, -1, 359, -360});
    // -1e-8 + 2pi rounds to the upper end, which is 0 again.
    const float twoPi = anglerad(kTwoPi);
    std::array<float, 4> n{-1e-8f, twoPi, 2 * twoPi, -kHalfPiF};
    na2pin(n.data(), n.data(), 4);
    expectBits(n, {0, 0, 0, n[3]});
    EXPECT_TRUE(nearRef(n[3], 1.5 * std::numbers::pi));
    // The origin gives pi/2, -0 counts as 0, and the tiny arc tangent of -1e-30 is lost.
    const std::array<float, 7> x{0, -0.0f, -1, -1, -1, 1, -2}, y{0, -2, 0, -0.0f, -1e-30f, 1, -1};
    std::array<float, 7> t{};
    xy2t(t.data(), x.data(), y.data(), 7);
    expectBits(t,
               {kHalfPiF, -kHalfPiF, kPiF, kPiF, -kPiF, std::bit_cast<float>(0x3F490FDBu), t[6]});
    EXPECT_TRUE(nearRef(t[6], std::atan2(-1.0, -2.0)));
}

// A setting shown in degrees and left as shown keeps its radians to the bit; a changed one is
// converted.
TEST(Angles, ASettingLeftAsShownKeepsItsRadians) {
    anglesSet();
    const float eighty = rad(80.0f);
    EXPECT_NE(rad(deg(eighty)), eighty);  // 79.9999924 degrees: the round trip moves it
    EXPECT_EQ(bitsOf(radKept(deg(eighty), eighty)), bitsOf(eighty));
    EXPECT_EQ(bitsOf(radKept(80.0f, eighty)), bitsOf(rad(80.0f)));
    EXPECT_EQ(bitsOf(radKept(81.0f, eighty)), bitsOf(rad(81.0f)));
}

// No reduction reaches the upper end of its range. A value just below the lower end, whose
// sum with the period rounds up to the end, is the lower end; so is a sum with the origin that
// rounds up to it. Values whose results were inside keep them bit for bit.
TEST(Angles, ReductionsStayBelowTheUpperEnd) {
    anglesSet();
    const float twoPi = anglerad(kTwoPi);
    const float below = -std::numeric_limits<float>::denorm_min();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float kNone = 0.0f;  // modulr: no origin
    const struct {
        const char* name;
        bool shifted;  // modulro with the origin, else modulr
        float v, p, origin, want;
    } cases[] = {
        {"just below 0, 2pi", false, -1e-9f, twoPi, kNone, 0},
        {"an SHmax of -1e-6 degrees", false, -1e-6f, 180, kNone, 0},
        {"the least float below 0", false, below, 180, kNone, 0},
        {"below 0 by more than rounding", false, -0.25f, 180, kNone, 179.75f},
        {"minus the period", false, -180, 180, kNone, -0.0f},
        {"an exact multiple", false, 540, 180, kNone, 0},
        {"large", false, 1e7f, 360, kNone, 280},
        {"large and negative", false, -1e7f, 360, kNone, 80},
        {"not a number", false, nan, 360, kNone, nan},
        {"at the upper end", true, 180, 360, -180, -180},
        {"just below -180", true, std::nextafter(-180.0f, -1e9f), 360, -180, -180},
        {"the sum with the origin rounds up", true, 99.999985f, 180, 100, 100},
        {"just below the origin by more", true, 99.75f, 180, 100, 279.75f},
    };
    for (const auto& c : cases) {
        float got = 0.0f;
        if (c.shifted) {
            modulro(&got, &c.v, c.p, c.origin, 1);
        } else {
            modulr(&got, &c.v, c.p, 1);
        }
        if (std::isnan(c.want)) {
            EXPECT_TRUE(std::isnan(got)) << c.name;
        } else {
            EXPECT_EQ(bitsOf(got), bitsOf(c.want)) << c.name << ": " << got;
        }
    }
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

TEST(Matrices, SingularInverseDeclinedLeavesZeroMatrix) {
    // Nearly singular is inverted without remark.
    ConsoleCapture cap("n\n");
    Mat22 a{9, 9, 9, 9};
    minv2d(a, Mat22{1.0f, 1.0f, 1.0f, 1.0000001f});
    EXPECT_EQ(cap.output(), "");
    EXPECT_TRUE(std::all_of(a.begin(), a.end(), [](float x) { return std::isfinite(x); }));
    // Rows (1,2), (2,4): determinant exactly 0. The user answers No to STOP.
    minv2d(a, Mat22{1, 2, 2, 4});
    EXPECT_EQ(a, (Mat22{0, 0, 0, 0}));
    expectGolden(cap.lines(), "numeric_boxes.txt#minv2d");
}

using Seven = std::array<float, 7>;

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
        // Too small a capacity: the box of the part named after the figure and capacity.
        expectGolden(cap.lines(), "numeric_boxes.txt#" + std::string(arrow ? "arrow " : "bar ") +
                                      std::to_string(nmax));
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

// The convex region of a few point sets: points inside it, repeated or on its sides add nothing.
TEST(Figures, ConvexHullArea) {
    using Points = std::vector<std::array<float, 2>>;
    const struct {
        const char* name;
        Points points;
        double area;
    } cases[] = {
        {"none", {}, 0},
        {"two points", {{0, 0}, {3, 4}}, 0},
        {"on a line", {{0, 0}, {1, 1}, {2, 2}, {5, 5}}, 0},
        {"a unit square, its centre, a side's middle, a corner twice",
         {{0, 0}, {1, 0}, {0.5f, 0.5f}, {1, 1}, {0, 1}, {0.5f, 0}, {1, 1}},
         1},
        {"a triangle in any order", {{4, 0}, {0, 3}, {0, 0}, {1, 1}}, 6},
        {"a sliver a thousandth wide", {{0, 0}, {1000, 0}, {1000, 0.001f}, {0, 0.001f}}, 1},
        // Away from the origin, whose corner adds nothing to the shoelace sum.
        {"a rectangle away from the origin", {{3, 2}, {1, 1}, {1, 2}, {3, 1}}, 2},
        {"a bare triangle away from the origin", {{5, 1}, {3, 4}, {2, 1}}, 4.5},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(convexHullArea(c.points), c.area, 1e-4);
    }
}

using Rows = std::array<std::array<float, 9>, 3>;
using O = float* const*;
using I = const float* const*;

// Nine points whose columns (row 0, row 1, row 2) are unit vectors, so that cc2lln is silent;
// as angles, coordinates or three 3-vectors they are ordinary values too.
const Rows kIn = {{{0.6f, 0, 0.8f, -0.6f, 0, 0.36f, 1, 0, -0.48f},
                   {0.8f, 0.6f, 0, 0.8f, -0.8f, 0.48f, 0, 0, -0.64f},
                   {0, 0.8f, 0.6f, 0, 0.6f, 0.8f, 0, -1, 0.6f}}};

// Three-component vectors in a row of n floats; a count below 1 stays below 1.
int32_t vectors(int32_t n) {
    return n > 0 ? n / 3 : n;
}

struct Routine {
    const char* name;
    bool aliasing;  // the outputs may be the inputs of the same rows
    void (*run)(O o, I i, int32_t n);
};
const Routine kRoutines[] = {
    {"deg2rad", true, [](O o, I i, int32_t n) { deg2rad(o[0], i[0], n); }},
    {"rad2deg", true, [](O o, I i, int32_t n) { rad2deg(o[0], i[0], n); }},
    {"modulr", true, [](O o, I i, int32_t n) { modulr(o[0], i[0], 0.5f, n); }},
    {"modulro", true, [](O o, I i, int32_t n) { modulro(o[0], i[0], 0.5f, -0.2f, n); }},
    {"na2pin", true, [](O o, I i, int32_t n) { na2pin(o[0], i[0], n); }},
    {"xy2t", true, [](O o, I i, int32_t n) { xy2t(o[0], i[0], i[1], n); }},
    {"scalprodn", false, [](O o, I i, int32_t n) { scalprodn(o[0], i[0], i[1], 3, vectors(n)); }},
    {"vecnorm", false, [](O o, I i, int32_t n) { vecnorm(o[0], i[0], 3, vectors(n)); }},
    {"vsum", true, [](O o, I i, int32_t n) { vsum(o[1], i[0], i[1], n); }},
    {"vecprod3d", true, [](O o, I i, int32_t n) { vecprod3d(o[1], i[0], i[1], vectors(n)); }},
    {"ll2ccn", true, [](O o, I i, int32_t n) { ll2ccn(o[0], o[1], o[2], i[0], i[1], n); }},
    {"cc2lln", true, [](O o, I i, int32_t n) { cc2lln(o[0], o[1], i[0], i[1], i[2], n); }},
    {"lla2llb", true, [](O o, I i, int32_t n) { lla2llb(o[0], o[1], i[0], i[1], n); }},
    {"transl2d1", true, [](O o, I i, int32_t n) { transl2d1(o[0], o[1], i[0], i[1], n, 1, 2); }},
    {"homot02d1", true, [](O o, I i, int32_t n) { homot02d1(o[0], o[1], i[0], i[1], n, -3); }},
    {"rot2daff", true, [](O o, I i, int32_t n) { rot2daff(o[0], o[1], i[0], i[1], n, 1, 2, 3); }}};

// Runs a routine from `in` into `out`, which may be the same rows.
void run(const Routine& r, Rows& out, const Rows& in, int32_t n) {
    float* const o[3] = {out[0].data(), out[1].data(), out[2].data()};
    const float* const i[3] = {in[0].data(), in[1].data(), in[2].data()};
    r.run(o, i, n);
}

TEST(Contracts, OutputMayBeAnInputAndACountBelowOneChangesNothing) {
    anglesSet();
    a2b.ab = {0.36f, 0.48f, 0.8f, -0.8f, 0.6f, 0, -0.48f, -0.64f, 0.6f};
    Rows untouched;
    for (auto& row : untouched) row.fill(7.0f);
    for (const auto& r : kRoutines) {
        Rows fresh = kIn, self = kIn;  // rows not written stay as they were
        run(r, fresh, kIn, 9);
        run(r, self, self, 9);
        EXPECT_TRUE(!r.aliasing || self == fresh) << r.name;
        for (const int32_t n : {0, -1, -100}) {
            Rows o = untouched;
            run(r, o, kIn, n);
            EXPECT_EQ(o, untouched) << r.name << " " << n;
        }
    }
}

// Longitude/latitude and unit vectors, the frame change by Ab and its set-up menu.

TEST(Frames, UnitVectorsAndBack) {
    anglesSet();
    ConsoleCapture cap;
    // (lon 0, lat 0) is x; lat = stored pi/2 gives z = 1 and x the float cosine of it, not 0.
    std::array<float, 2> x{}, y{}, z{};
    ll2ccn(x.data(), y.data(), z.data(), std::array{0.0f, 0.0f}.data(),
           std::array{0.0f, kHalfPiF}.data(), 2);
    expectBits(std::array{x[0], y[0], z[0], x[1], z[1]}, {1, 0, 0, std::cos(kHalfPiF), 1});
    EXPECT_NE(x[1], 0.0f);
    // The axes, -0 counting as 0; within the slack a vector is used as it is, even past a pole.
    const std::array<float, 9> vx{1, 0, 0, 0, 0, -1, -1, 0, 0}, vy{0, 0, 0, 1, -1, 0, -0.0f, 0, 0};
    const std::array<float, 9> vz{0, 1, -1, 0, 0, 0, 0, 1.00002f, -1.00002f};
    std::array<float, 9> lon{}, lat{};
    cc2lln(lon.data(), lat.data(), vx.data(), vy.data(), vz.data(), 9);
    expectBits(lon, {0, 0, 0, kHalfPiF, -kHalfPiF, kPiF, kPiF, 0, 0});
    expectBits(lat, {0, kHalfPiF, -kHalfPiF, 0, 0, 0, 0, kHalfPiF, -kHalfPiF});
    // A general direction. Scaled by 1.00002 the squared length is off by 4e-5: used unchanged,
    // so the latitude is that of the longer z. Scaled by 1.00004 or 0.99996 it is normalised,
    // silently (its length off by 4e-5 only).
    const float up = 1.00002f, out = 1.00004f, in = 0.99996f;
    const std::array<float, 4> gx{-0.48f, 0.6f * up, 0.6f * out, 0.6f * in}, gy{0.64f, 0, 0, 0};
    const std::array<float, 4> gz{0.6f, 0.8f * up, 0.8f * out, 0.8f * in};
    cc2lln(lon.data(), lat.data(), gx.data(), gy.data(), gz.data(), 4);
    const double a = std::atan2(0.64, -0.48), b = std::asin(0.6), u = std::asin(0.8f * up),
                 v = std::asin(0.8);
    const std::array<double, 8> want{a, 0, 0, 0, b, u, v, v};
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_TRUE(nearRef(i < 4 ? lon[i] : lat[i - 4], want[i], 2)) << i;
    EXPECT_EQ(cap.output(), "");
}

TEST(Frames, Cc2llnWarnsAndNormalisesALongVectorAndGivesTheOriginForZero) {
    anglesSet();
    ConsoleCapture cap("\n\n\n");
    // The last vector, (2, 2, 0), points at longitude pi/4 once both its components are scaled.
    std::array<float, 5> lon{9, 9, 9, 9, 9}, lat{9, 9, 9, 9, 9};
    cc2lln(lon.data(), lat.data(), std::array<float, 5>{1, 2, 0, 0, 2}.data(),
           std::array<float, 5>{0, 0, 0, 1, 2}.data(), std::array<float, 5>{}.data(), 5);
    expectBits(lon, {0, 0, 0, kHalfPiF, kHalfPiF / 2});
    expectBits(lat, {0, 0, 0, 0, 0});
    expectGolden(cap.lines(), "numeric_boxes.txt#cc2lln");
}

TEST(Frames, FrameChangeTurnsIntoTheOtherFrame) {
    anglesSet();
    // Frame b turned by 0.3 about z: its x axis points to longitude 0.3 of frame a. Longitudes
    // come back in -pi to pi.
    const auto c = static_cast<float>(std::cos(0.3)), s = static_cast<float>(std::sin(0.3));
    a2b.ab = Mat33{c, -s, 0, s, c, 0, 0, 0, 1};
    A3 lon{0.5f, -1.0f, -3.0f}, lat{0.4f, -0.2f, 1.5f};
    lla2llb(lon.data(), lat.data(), lon.data(), lat.data(), 3);
    const std::array<double, 6> want{0.2, -1.3, -3.3 + 2 * std::numbers::pi, 0.4, -0.2, 1.5};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_NEAR(i < 3 ? lon[i] : lat[i - 3], want[i], 4e-7) << i;
    // Rows (1,2,3), (4,5,6), (7,8,10) times (1, -1, 2), in place.
    a2b.ab = Mat33{1, 4, 7, 2, 5, 8, 3, 6, 10};
    Vec3 v{1, -1, 2};
    cca2ccb(v, v);
    EXPECT_EQ(v, (Vec3{5, 11, 19}));
}

TEST(Frames, Smatab33SilentModesAndIdentity) {
    const Mat33 m{1, 2, 3, 4, 5, 6, 7, 8, 9};
    ConsoleCapture cap;
    Mat33 aba = m, back{};
    smatab33(aba, 1);   // the caller's values, stored as they are
    smatab33(back, 3);  // the stored values, returned
    EXPECT_TRUE(a2b.ab == m && aba == m && back == m);
    EXPECT_EQ(cap.output(), "");
    smatab33(aba, 5);
    EXPECT_TRUE(aba == (Mat33{1, 0, 0, 0, 1, 0, 0, 0, 1}) && a2b.ab == aba);
    expectGolden(cap.lines(), "numeric_boxes.txt#smatab33 start-up");
}

TEST(Frames, Smatab33MenuShowsStoredMatrixRowByRowAndSetsAnElement) {
    const Mat33 rows{1, 4, 7, 2, 5, 8, 3, 6, 10};  // rows (1,2,3), (4,5,6), (7,8,10)
    a2b.ab = rows;
    Mat33 aba{};
    {
        ConsoleCapture cap("99\n");
        smatab33(aba, 2);
        expectGolden(cap.lines(), "smatab33_menu.txt");
    }
    EXPECT_TRUE(aba == rows && a2b.ab == rows);
    // 4 is element (2,1), at storage position 2; 12 is unknown; an empty answer leaves. A
    // negative even mode opens the menu too.
    for (const int32_t mode : {0, -2}) {
        ConsoleCapture edit("4\n-2.5\n12\n\n\n");
        aba = {1, 0, 0, 0, 1, 0, 0, 0, 1};
        smatab33(aba, mode);
        EXPECT_TRUE(aba == (Mat33{1, -2.5f, 0, 0, 1, 0, 0, 0, 1}) && a2b.ab == aba) << mode;
        expectGolden(edit.lines(), "numeric_boxes.txt#smatab33 edit");
    }
}

}  // namespace
}  // namespace tensova::test

// Longitude/latitude and unit vectors, the frame change by Ab and its set-up menu.

#include "numeric/frames.hpp"

#include "compare.hpp"

namespace tensova::test {

using A3 = std::array<float, 3>;
const std::string kHead =
    " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@\n @ subroutine smatab33   \n"
    " @==========================================\n";

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
    ConsoleCapture cap("\n\n");
    std::array<float, 4> lon{9, 9, 9, 9}, lat{9, 9, 9, 9};
    cc2lln(lon.data(), lat.data(), std::array<float, 4>{1, 2, 0, 0}.data(),
           std::array<float, 4>{0, 0, 0, 1}.data(), std::array<float, 4>{}.data(), 4);
    expectBits(lon, {0, 0, 0, kHalfPiF});
    expectBits(lat, {0, 0, 0, 0});
    const std::string rule = " ///////////////////////////////////////////\n";
    const std::string box = rule + " ///        subroutine cc2lln            ///\n" +
                            " ///               WARNING               ///\n" + rule +
                            " Expecting unitary V = (Vx,Vy,Vz)\n Loop final   index =      4\n"
                            " Loop current index =      2\n Vx =   2.0000 Vy =   0.0000 Vz = "
                            "  0.0000\n ||V|| =   2.0000\n V is not unitary\n ==> Normalizing it"
                            " to 1\n ===> HIT RETURN TO CONTINUE\n" +
                            rule;
    EXPECT_EQ(cap.output().substr(0, box.size()), box);
    EXPECT_TRUE(contains(cap.output(),
                         " index =      3\n Vx =   0.0000 Vy =   0.0000 Vz =   "
                         "0.0000\n ||V|| =   0.0000\n"))
        << cap.output();
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
    EXPECT_EQ(cap.output(), kHead + " INITIALIZING Ab matrix: Ab = Identity\n");
}

TEST(Frames, Smatab33MenuShowsStoredMatrixRowByRowAndSetsAnElement) {
    const Mat33 rows{1, 4, 7, 2, 5, 8, 3, 6, 10};  // rows (1,2,3), (4,5,6), (7,8,10)
    const std::string dashes = " -------------------------------------------\n";
    const std::string menu =
        kHead + dashes + " Ab MATRIX SET UP\n" + dashes +
        " Ab(1,1).....1    1.000\n Ab(1,2).....2    2.000\n Ab(1,3).....3    3.000\n"
        " Ab(2,1).....4    4.000\n Ab(2,2).....5    5.000\n Ab(2,3).....6    6.000\n"
        " Ab(3,1).....7    7.000\n Ab(3,2).....8    8.000\n Ab(3,3).....9   10.000\n" +
        dashes + " UPDATE & EXIT ........99\n @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@\n";
    a2b.ab = rows;
    Mat33 aba{};
    {
        ConsoleCapture cap("99\n");
        smatab33(aba, 2);
        EXPECT_EQ(cap.output().substr(0, menu.size()), menu);
        EXPECT_TRUE(contains(cap.output(), " Enter your choice\n"));
    }
    EXPECT_TRUE(aba == rows && a2b.ab == rows);
    // 4 is element (2,1), at storage position 2; 12 is unknown; an empty answer leaves. A
    // negative even mode opens the menu too.
    for (const int32_t mode : {0, -2}) {
        ConsoleCapture edit("4\n-2.5\n12\n\n\n");
        aba = {1, 0, 0, 0, 1, 0, 0, 0, 1};
        smatab33(aba, mode);
        EXPECT_TRUE(aba == (Mat33{1, -2.5f, 0, 0, 1, 0, 0, 0, 1}) && a2b.ab == aba) << mode;
        for (const char* text : {" Enter aba(2,1)\n", " Ab(2,1).....4   -2.500\n",
                                 "\n UNKNOWN ANSWER !\n ==> BACK TO MENU WITHOUT ACTION\n",
                                 " ///        subroutine smatab33          ///"})
            EXPECT_TRUE(contains(edit.output(), text)) << text << "\n" << edit.output();
    }
}

}  // namespace tensova::test

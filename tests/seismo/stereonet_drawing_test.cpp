// Stereonet drawing: circles, arcs and arrows, great circles and axis symbols at positions
// derived independently, the frame, and the set-up dialogs.
//
// Reference net coordinates (python3, double precision): for the plane 30/60 the point of the
// great circle at angle t from the strike is X = cos 30 cos t - cos 60 sin 30 sin t,
// Y = sin 30 cos t + cos 60 cos 30 sin t, Z = sin 60 sin t (north, east, down); its plunge is
// asin Z, its azimuth atan2(Y, X), and on the equal-area net with north up
// r = sqrt(2) sin((90 - plunge)/2), (x, y) = (r sin az, r cos az); on the stereographic net
// r = tan((90 - plunge)/2). The axes of the mechanism 30/60/45 are the lower-hemisphere
// P 150.10/4.56, B 56.57/37.76, T 245.93/51.87 of an Aki-Richards computation.

#include "seismo/stereonet_drawing.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "plot/plot_fixture.hpp"
#include "seismo/circles_arrows.hpp"
#include "seismo/principal_axes.hpp"
#include "seismo/stereonet_projection.hpp"

namespace tensova::test {
namespace {

// One net unit is 100 points, the net's centre at (283.5, 283.5) points.
constexpr float kCentre = 283.5f;
Point net(float x, float y) {
    return {kCentre + 100.0f * x, kCentre + 100.0f * y};
}

struct NetDocument : PlotDocument {
    explicit NetDocument(int32_t iproj = 4, const std::string& keys = "") : PlotDocument(keys) {
        matrixMap(10, 10, 100 / 28.35f, 0, 0, 100 / 28.35f);
        sspro(iproj, 1);
    }
};

TEST(NetDrawing, CirclesArcsAndArrows) {
    const float pi = anglerad(kPi);
    const struct {
        float a1, a2;
        std::size_t points;
        Point first, second, last;
    } arcs[] = {
        {0, anglerad(kTwoPi), 200, net(1, 0), net(std::cos(pi / 99.5f), std::sin(pi / 99.5f)),
         net(1, 0)},
        {0, pi, 100, net(1, 0), net(std::cos(pi / 99), std::sin(pi / 99)), net(-1, 0)},
        // Clockwise from the top to the right.
        {pi / 2, 0, 50, net(0, 1), net(std::sin(pi / 98), std::cos(pi / 98)), net(1, 0)},
    };
    for (const auto& a : arcs) {
        SCOPED_TRACE("arc of " + std::to_string(a.points) + " points");
        NetDocument doc;
        usacircle(0, 0, 1, a.a1, a.a2, 200);
        const auto got = paths(doc.finish());
        ASSERT_EQ(got.size(), 1u);
        ASSERT_EQ(got[0].points.size(), a.points);
        expectNear(got[0].points[0], a.first, "first");
        expectNear(got[0].points[1], a.second, "second");
        expectNear(got[0].points.back(), a.last, "last");
    }
    NetDocument doc;
    const float x1 = 0, y1 = 0, x2 = 1, y2 = 0;
    usarrow1(&x1, &y1, &x2, &y2, 1);
    const auto got = paths(doc.finish());
    ASSERT_EQ(got.size(), 2u);
    const std::vector<Point> shaft = {net(0, 0), net(0.6f, 0)};
    const std::vector<Point> head = {net(0.6f, 0.15f), net(0.6f, -0.15f), net(1, 0),
                                     net(0.6f, 0.15f)};
    for (std::size_t k = 0; k < 4; ++k) {
        if (k < 2) expectNear(got[0].points[k], shaft[k], "shaft");
        expectNear(got[1].points[k], head[k], "head");
    }
}

TEST(NetDrawing, GreatCircles) {
    const auto planes = tableRows("net_great_circles.txt", ';');
    ASSERT_EQ(planes.size(), 4u);
    for (const auto& row : planes) {
        SCOPED_TRACE(row.at(0));
        const auto p = numbers(row.at(0));
        NetDocument doc(int32_t(p.at(0)));
        int32_t np = 41;
        sdspgc(np, 1);
        const float az[2] = {rad(float(p.at(1))), rad(float(p[1]))};
        const float dip[2] = {rad(float(p.at(2))), rad(float(p[2]))};
        dspgcfadn(az, dip, 2);
        const auto got = paths(doc.finish());
        ASSERT_EQ(got.size(), 2u);
        ASSERT_EQ(got[1].points.size(), 41u);
        std::istringstream points(row.at(1));
        for (std::string point; std::getline(points, point, '/');) {
            const auto w = numbers(point);
            expectNear(got[1].points.at(std::size_t(w.at(0))), net(float(w.at(1)), float(w.at(2))),
                       row[0] + " point " + point);
        }
    }
}

TEST(NetDrawing, AxesOfAMechanism) {
    std::array<float, 3> az{}, pl{};
    fsadr2steff(az, pl, rad(30), rad(60), rad(45), 0);
    const Point p = net(0.4782618f, -0.8317227f), b = net(0.5195633f, 0.3429963f),
                t = net(-0.4217729f, -0.1884032f);
    // The dot (10) marks downward axes with a zero-length stroke at the axis, the dash (11) the
    // upward P axis at its antipode. A radial mark of 0.2 points outwards from a downward axis
    // and inwards from an upward one; taken as a line, the upward P axis is taken downwards: its
    // mark points outwards.
    const auto along = [](Point q, float length) {
        const float dx = q[0] - kCentre, dy = q[1] - kCentre, r = std::hypot(dx, dy);
        return Point{q[0] + 100 * length * dx / r, q[1] + 100 * length * dy / r};
    };
    {
        NetDocument doc;
        plt2blk.symbtype = 7;
        int32_t istd = 10, ialt = 11;
        sdspaxsymb(istd, ialt, 1);
        dspaxfapn2(az.data(), pl.data(), 3);
        EXPECT_EQ(plt2blk.symbtype, 7);
        const auto got = paths(doc.finish());
        ASSERT_EQ(got.size(), 3u);
        const Point mid = {(got[0].points[0][0] + got[0].points[1][0]) / 2,
                           (got[0].points[0][1] + got[0].points[1][1]) / 2};
        expectNear(mid, p, "P");
        expectNear(got[1].points[0], b, "B");
        expectNear(got[2].points[0], t, "T");
    }
    for (const AxisSense sense : {AxisSense::Vector, AxisSense::Line})
        for (int32_t radial : {100, 101}) {
            const bool line = sense == AxisSense::Line;
            SCOPED_TRACE("symbol " + std::to_string(radial) + (line ? " as a line" : ""));
            NetDocument doc;
            int32_t istd = radial, ialt = 3;
            sdspaxsymb(istd, ialt, 1);
            dspaxfapn2(az.data(), pl.data(), 2, sense);
            const auto got = paths(doc.finish());
            ASSERT_EQ(got.size(), radial == 100 ? 2u : 4u);
            const std::size_t second = radial == 100 ? 1 : 2;
            expectNear(got[0].points[0], p, "P start");
            expectNear(radial == 100 ? got[0].points[1] : got[1].points[2],
                       along(p, line ? 0.2f : -0.2f), "P end");
            expectNear(got[second].points[0], b, "B start");
            expectNear(radial == 100 ? got[second].points[1] : got[second + 1].points[2],
                       along(b, 0.2f), "B end");
        }
}

// An axis of plunge 0 is downward: marked where it points (east here, on the rim), with the
// standard dot, taken as a vector or as a line. One a hair above the horizontal is marked at its
// antipode, with the alternate dash as a vector and the dot as a line.
TEST(NetDrawing, AHorizontalAxisIsMarkedWhereItPoints) {
    const float az[2] = {rad(90), rad(90)}, pl[2] = {0.0f, -1e-6f};
    for (const AxisSense sense : {AxisSense::Vector, AxisSense::Line}) {
        const bool line = sense == AxisSense::Line;
        SCOPED_TRACE(line ? "as a line" : "as a vector");
        NetDocument doc;
        int32_t istd = 10, ialt = 11;
        sdspaxsymb(istd, ialt, 1);
        dspaxfapn2(az, pl, 2, sense);
        const auto got = paths(doc.finish());
        ASSERT_EQ(got.size(), 2u);
        const auto mid = [](const Path& d) {
            return Point{(d.points.front()[0] + d.points.back()[0]) / 2,
                         (d.points.front()[1] + d.points.back()[1]) / 2};
        };
        const auto isDot = [](const Path& d) { return d.points.front() == d.points.back(); };
        expectNear(mid(got[0]), net(1, 0), "plunge 0");
        EXPECT_TRUE(isDot(got[0]));
        expectNear(mid(got[1]), net(-1, 0), "a hair above");
        EXPECT_EQ(isDot(got[1]), line);
    }
}

TEST(NetDrawing, Frame) {
    NetDocument doc;
    srepstereo0(5);
    std::string corner = "Upper right one";
    int32_t flag = 1, index = 3;
    srepstereolabel1(corner, flag, index, 1);
    psattributes.justif = 9, psattributes.txtangle = 30;
    repstereo();
    EXPECT_EQ(psattributes.justif, 9);
    EXPECT_EQ(psattributes.txtangle, 30);
    const Lines lines = doc.finish();
    const auto got = paths(lines);
    ASSERT_EQ(got.size(), 1u + 2u + 40u);
    EXPECT_EQ(got[0].points.size(), 200u);
    // The two axes, each a diameter of the net: west to east, then south to north.
    const std::pair<Point, Point> axes[] = {{net(-1, 0), net(1, 0)}, {net(0, -1), net(0, 1)}};
    for (std::size_t k = 0; k < 2; ++k) {
        ASSERT_EQ(got[k + 1].points.size(), 2u) << k;
        expectNear(got[k + 1].points[0], axes[k].first, "axis " + std::to_string(k));
        expectNear(got[k + 1].points[1], axes[k].second, "axis " + std::to_string(k));
    }
    int32_t atTen = 0;
    for (std::size_t k = 3; k < got.size(); ++k) {
        const float r0 = std::hypot(got[k].points[0][0] - kCentre, got[k].points[0][1] - kCentre);
        const float r1 = std::hypot(got[k].points[1][0] - kCentre, got[k].points[1][1] - kCentre);
        EXPECT_NEAR(r0, 102, 0.02);
        EXPECT_NEAR(r1, 108, 0.02);
        const float a =
            deg(std::atan2(got[k].points[0][1] - kCentre, got[k].points[0][0] - kCentre));
        atTen += std::abs(a / 10 - std::round(a / 10)) < 1e-3f;
    }
    EXPECT_EQ(atTen, 40);
    // North centred above the circle, East to its right lowered by half the text height
    // (14.175 points), the corner label cut to ten characters.
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"(North)", "283.50 393.50 M"},
        {"(East) show", "393.50 276.41 M"},
        {"(Upper righ) show", "333.50 376.41 M"}};
    for (const auto& [text, move] : texts) {
        const auto at = std::find(lines.begin(), lines.end(), text);
        ASSERT_NE(at, lines.end()) << text;
        EXPECT_EQ(*(at - 2), move) << text;
    }
}

// The symbol editor asked only (200): a symbol out of range is reset with a warning, the
// answers come back, and nothing is stored. A bad label number is reset to 6.
TEST(NetDrawing, SetUpDialogs) {
    ConsoleCapture cap("\n10\n-3\n99\n\n");
    dspaxbk = {5, 6};
    int32_t istd = 150, ialt = -1;
    sdspaxsymb(istd, ialt, 200);
    EXPECT_EQ(istd, -3);
    EXPECT_EQ(dspaxbk.istd, 5);
    std::string text = "Top";
    int32_t flag = 1, index = 9;
    srepstereolabel1(text, flag, index, 1);
    EXPECT_EQ(index, 6);
    EXPECT_EQ(stefram2.label[5], fit("Top", 15));
    expectGolden(cap.lines(), "net_setup.txt");
}

// The frame label's dialog takes its three entries; a number it does not know ends piped answers
// in the box that says so (the run stops, status 1), and at a terminal shows the dialog again.
TEST(NetDrawingDeathTest, TheFrameLabelDialogRefusesUnknownNumbers) {
    const struct {
        const char* what;
        const char* keyboard;
        bool terminal;
        int status;
        const char* shows;  // on standard error when the run stops
    } cases[] = {
        {"its entries", "1\n3\n2\nUpper\n3\n1\n99\n", false, 0, ""},
        {"piped", "4\n", false, 1, "unknown command: 4"},
        {"at a terminal", "4\n99\n", true, 0, ""},
    };
    for (const auto& c : cases) {
        const auto dialog = [&] {
            ConsoleCapture cap(c.keyboard, c.terminal);
            std::string text = "North";
            int32_t flag = 1, index = 1;
            srepstereolabel1(text, flag, index, 2);
            std::exit(0);
        };
        EXPECT_EXIT(dialog(), testing::ExitedWithCode(c.status), c.shows) << c.what;
    }
}

}  // namespace
}  // namespace tensova::test

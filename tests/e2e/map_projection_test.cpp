// Maps away from the default Mercator, driven through the binary: every map lies on its page,
// stress symbols turn with local north, nothing is drawn where the projection cannot show it,
// and no overlay line runs across the map at the longitude seam.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/map_files.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"

namespace tensova {
namespace {

using test::gridLabels;
using test::inkBox;
using test::overlap;
using test::PsPath;
using test::psPaths;
using test::PsText;
using test::thrustAt;

// The A4 page, points.
const double kPageWidth = test::kPortrait.width(), kPageHeight = test::kPortrait.height();

// Keys of the map menu that set the projection and the grid, and those of a RUN without the
// point and overlay menus into map.ps, whose boxes are answered by blank lines (a blank line left
// over leaves the map menu, and the main menu passes blank lines over).
const std::string kMollweideWorld =
    "300\n24\n99\n99\n99\n320\n10\n-80 80 20\n20\n-180 180 30\n99\n";
const std::string kLambert = "300\n3\n99\n1\n140\n99\n1\n32\n99\n1\n42\n99\n1\n140\n2\n37\n99\n";
const std::string kLambertJapan = kLambert + "320\n10\n25 50 5\n20\n125 155 5\n99\n";
const std::string kRunQuiet = "343\nn\n340\nn\n1000\n\nmap.ps\n\n\n\n\n20\n\n9999\n\n";

// Boxes the run showed.
int boxes(const test::Session& s) {
    return static_cast<int>(std::count_if(s.lines.begin(), s.lines.end(), [](auto& l) {
        return l.find("    WARNING    ") != l.npos || l.find("    ERROR    ") != l.npos;
    }));
}

// A thrust event as the map draws it: where (the middle of its two SHmax arrow tips, the
// arrows being the only closed paths of 7 points), and the page azimuths, 0 to 180 degrees, of
// its SHmax arrows and of its Shmin bars (closed paths of 4 points).
struct Drawn {
    double x, y, shmax, shmin;
};
double pageAzimuth(const std::array<double, 2>& from, const std::array<double, 2>& to) {
    const double a = std::atan2(to[0] - from[0], to[1] - from[1]) * 180.0 / M_PI;
    return std::fmod(a + 360.0, 180.0);
}
std::vector<Drawn> thrustsDrawn(const std::string& ps) {
    std::vector<PsPath> arrows, bars;
    for (const PsPath& p : psPaths(ps)) {
        if (p.closed && p.points.size() == 7) arrows.push_back(p);
        if (p.closed && p.points.size() == 4) bars.push_back(p);
    }
    std::vector<Drawn> out;
    for (std::size_t k = 0; k + 1 < arrows.size() && k + 1 < bars.size(); k += 2) {
        const auto& a = arrows[k].points[0];
        const auto& b = arrows[k + 1].points[0];
        out.push_back({0.5 * (a[0] + b[0]), 0.5 * (a[1] + b[1]), pageAzimuth(b, a),
                       pageAzimuth(bars[k].points[0], bars[k].points[1])});
    }
    return out;
}

// Every point of the paths: none beyond 1e5 points, and the longest segment.
struct Reach {
    double farthest = 0, longest = 0;
};
Reach reach(const std::string& ps) {
    Reach r;
    for (const PsPath& p : psPaths(ps))
        for (std::size_t k = 0; k < p.points.size(); ++k) {
            r.farthest =
                std::max({r.farthest, std::fabs(p.points[k][0]), std::fabs(p.points[k][1])});
            if (k > 0)
                r.longest = std::max(r.longest, std::hypot(p.points[k][0] - p.points[k - 1][0],
                                                           p.points[k][1] - p.points[k - 1][1]));
        }
    return r;
}

TEST(MapProjection, MapsLieOnThePage) {
    struct Case {
        const char* name;
        std::string keys;  // from the main menu to the map's RUN
        int maxBoxes;
        int hidden = -1;  // events counted off the map, -1 unchecked
    };
    // Events all round the globe; the southern ones lie on the far side of the polar globe.
    std::string round;
    for (int k = 0; k < 12; ++k) round += thrustAt(k % 2 ? 40 : -40, -165 + 30 * k);
    const Case cases[] = {
        {"world Mollweide", "2001\n" + kMollweideWorld, 0},
        {"polar stereographic",
         "2001\n300\n7\n99\n99\n1\n180\n2\n90\n99\n"
         "320\n10\n30 90 10\n20\n-180 180 30\n99\n",
         0},
        {"Lambert conic of Japan", "2001\n" + kLambertJapan, 0},
        // The globe of the whole earth: the southern events and the hidden half of the grid
        // left out, one box for the events; small symbols, which stay on the page.
        {"orthographic globe",
         "1000\n1001\nround.ndk\n2001\n300\n9\n99\n99\n99\n"
         "320\n10\n-90 90 30\n20\n-180 180 30\n99\n315\n10\n0.1\n99\n",
         1},
        // Lallemand's default sheet, 30 to 60 N about 0, on the world: the cap of 31.5 degrees
        // about (0, 45N) alone, which holds one of the events (40N 15W).
        {"Lallemand of the world",
         "1000\n1001\nround.ndk\n2001\n300\n14\n99\n99\n1\n0\n99\n99\n99\n99\n99\n"
         "320\n10\n-90 90 30\n20\n-180 180 30\n99\n",
         1, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::Session s("\n" + c.keys + kRunQuiet, {{"round.ndk", round}});
        EXPECT_EQ(s.result.status, 0);
        EXPECT_LE(boxes(s), c.maxBoxes);
        if (c.hidden >= 0) {
            char count[64];
            std::snprintf(count, sizeof count, " events off the map projection = %6d", c.hidden);
            EXPECT_EQ(s.count(count), 1);
        }
        const auto paths = psPaths(s.dir.read("map.ps"));
        ASSERT_FALSE(paths.empty());
        int off = 0;
        for (const PsPath& p : paths)
            for (const auto& [x, y] : p.points)
                off += x >= 0 && x <= kPageWidth && y >= 0 && y <= kPageHeight ? 0 : 1;
        EXPECT_EQ(off, 0);
        test::expectRenders(s.dir.file("map.ps"));
    }
}

// The SHmax arrows of the same thrust at 37N 140E and 37N 170E: on Mercator both east-west; on
// the Lambert conic about 140E with standard parallels 32 and 42 the second turns with its
// meridian by n * 30 degrees counter-clockwise, n = ln(cos 32 / cos 42) / ln(tan 66 / tan 61) =
// 0.60256, so 18.077 degrees. The Si-Sh file holds geographic azimuths on both maps.
TEST(MapProjection, StressSymbolsTurnWithLocalNorth) {
    const std::string events = thrustAt(37, 140) + thrustAt(37, 170);
    std::string sish[2];
    for (int lambert = 0; lambert <= 1; ++lambert) {
        SCOPED_TRACE(lambert ? "Lambert" : "Mercator");
        const test::Session s("\n1000\n1001\ntwo.ndk\n7\ny\n2001\nsish.txt\n" +
                                  (lambert ? kLambert : "") +
                                  "320\n10\n25 50 5\n20\n125 175 5\n99\n" + kRunQuiet,
                              {{"two.ndk", events}});
        EXPECT_EQ(s.result.status, 0);
        sish[lambert] = s.dir.read("sish.txt");
        // The arrows are the only polygons of 7 vertices: each event's SHmax pair, whose tips lie
        // 0.4a apart across the epicentre (its Shmin pair is of bars).
        std::vector<std::array<double, 2>> tips;
        for (const PsPath& p : psPaths(s.dir.read("map.ps")))
            if (p.closed && p.points.size() == 7) tips.push_back(p.points[0]);
        ASSERT_EQ(tips.size(), 4u);
        double turn[2];
        for (int e = 0; e < 2; ++e) {
            const auto& a = tips[2 * e];
            const auto& b = tips[2 * e + 1];
            // Clockwise from page up, as an azimuth.
            turn[e] = std::atan2(a[0] - b[0], a[1] - b[1]) * 180.0 / M_PI;
        }
        EXPECT_NEAR(std::fabs(std::remainder(turn[0], 180.0)), 90.0, 0.1);
        EXPECT_NEAR(turn[1] - turn[0], lambert ? -18.077 : 0.0, lambert ? 1.0 : 0.01);
    }
    EXPECT_FALSE(sish[0].empty());
    EXPECT_EQ(sish[0], sish[1]);
}

// The 96 events of the Americas (longitudes -100 to -60) on an oblique equal-area map of 35
// degrees about 140E 37N: none of them is drawn, each keeps its Si-Sh record, one box says so.
TEST(MapProjection, NothingDrawnBeyondTheCentralAngle) {
    const std::filesystem::path real(TENSOVA_REAL_DATA);
    const std::string qcmt = test::readFile((real / "qcmt_2018-02_to_2019-09.ndk").string());
    if (qcmt.empty()) GTEST_SKIP() << "real catalogues absent: " << real;
    const test::Session s(
        "\n1000\n100\n10\ny\n200\ny\n210\n-100\n-60\n99\n1001\nqcmt.ndk\n7\ny\n2001\nsish.txt\n"
        "300\n6\n99\n1\n35\n99\n1\n140\n2\n37\n99\n1\n140\n2\n37\n99\n"
        "320\n10\n10 70 10\n20\n100 180 10\n99\n" +
            kRunQuiet,
        {{"qcmt.ndk", qcmt}});
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" events off the map projection =     96"), 1);
    EXPECT_EQ(boxes(s), 1);
    EXPECT_EQ(test::splitLines(s.dir.read("sish.txt")).size(), 97u);
    const auto paths = psPaths(s.dir.read("map.ps"));
    EXPECT_EQ(std::count_if(paths.begin(), paths.end(), [](auto& p) { return p.closed; }), 0);
    test::expectRenders(s.dir.file("map.ps"));
}

// Overlay lines that cross longitude 180 on a world Mercator map (486 points wide): a shoreline
// polygon clipped and unclipped, a GEBCO line and a great-circle polygon, each with points on
// both sides of the seam. No segment may span half the map. Grid lines of 60 steps are short.
TEST(MapProjection, OverlayLinesLiftThePenAtTheSeam) {
    char header[96];
    std::snprintf(header, sizeof header, "  %6d%8d 1  %13.3f%10.5f%10.5f%10.5f%10.5f\n", 1, 4, 0.0,
                  -180.0, 180.0, 10.0, 20.0);
    const std::string shore = std::string(header) + "179 10\n-179 12\n-178 20\n179 20\n";
    const std::string keys =
        "\n2001\n320\n10\n-80 80 20\n20\n-180 180 30\n31\n60\n99\n343\nn\n1000\n\nmap.ps\n"
        "5\nshore.gsh\n10\nn\n5\nshore.gsh\n3\nline.geb\n6\nside.pol\n99\n\n20\n\n9999\n\n";
    const test::Session s(keys, {{"shore.gsh", shore},
                                 {"line.geb", "1 3\n-30 170\n-30 -175\n-35 -170\n"},
                                 {"side.pol", "3 1 0 1\n170 -50\n-170 -50\n-170 -60\n"}});
    EXPECT_EQ(s.result.status, 0);
    double longest = 0;
    int segments = 0;
    for (const PsPath& p : psPaths(s.dir.read("map.ps")))
        for (std::size_t k = 1; k < p.points.size(); ++k, ++segments)
            longest = std::max(longest, std::hypot(p.points[k][0] - p.points[k - 1][0],
                                                   p.points[k][1] - p.points[k - 1][1]));
    EXPECT_GT(segments, 100);
    EXPECT_LT(longest, 243.0);
    test::expectRenders(s.dir.file("map.ps"));
}

// The world shoreline: on Mercator and on Mollweide about 0 (grid -180..180) no line spans half
// the map; on Mollweide about 150E (grid -30..330) at least nine tenths of the polygons of the
// map about 0 are drawn.
TEST(MapProjection, WorldShorelinesWhereverTheMapIsCentred) {
    const std::filesystem::path real(TENSOVA_REAL_DATA);
    const std::string world = test::readFile((real / "misc/world_coast_low.gshhs").string());
    if (world.empty()) GTEST_SKIP() << "world shoreline absent: " << real;
    struct Case {
        const char* name;
        std::string projection;  // map menu keys
        const char* longitudes;  // of the grid
    };
    const Case cases[] = {
        {"Mercator", "", "-180 180 30"},
        {"Mollweide about 0", "300\n24\n99\n99\n99\n", "-180 180 30"},
        {"Mollweide about 150E", "300\n24\n99\n1\n150\n99\n99\n", "-30 330 30"},
    };
    int curves[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        const Case& c = cases[k];
        SCOPED_TRACE(c.name);
        const test::Session s("\n2001\n" + c.projection + "320\n10\n-80 80 20\n20\n" +
                                  c.longitudes +
                                  "\n31\n60\n99\n343\nn\n1000\n\nmap.ps\n5\nworld.gsh\n99\n"
                                  "\n20\n\n9999\n\n",
                              {{"world.gsh", world}});
        EXPECT_EQ(s.result.status, 0);
        for (const std::string& l : s.lines)
            if (l.starts_with(" total nb of plotted curves =")) curves[k] = std::stoi(l.substr(30));
        double longest = 0, left = kPageWidth, right = 0;
        for (const PsPath& p : psPaths(s.dir.read("map.ps")))
            for (std::size_t i = 0; i < p.points.size(); ++i) {
                left = std::min(left, p.points[i][0]);
                right = std::max(right, p.points[i][0]);
                if (i > 0)
                    longest = std::max(longest, std::hypot(p.points[i][0] - p.points[i - 1][0],
                                                           p.points[i][1] - p.points[i - 1][1]));
            }
        EXPECT_LT(longest, 0.5 * (right - left));
    }
    EXPECT_GT(curves[1], 2000);
    EXPECT_GE(curves[2], 0.9 * curves[1]);
}

// Events where the grid puts their longitude, and none outside the frame. Fiji, at -177.34 on
// Mollweide about 150E over -30..330, lies between the events at 140E and at 70W (290): east
// of 180, in the map's window. Tonga on Mercator over 160..200, east of 180 too. On the Lambert
// map of Japan the events at 170E, 20S and 100W lie outside the frame: not drawn, one box counts
// them, and the Si-Sh file keeps all four.
TEST(MapProjection, EventsInTheMapsWindowAndFrame) {
    const struct {
        const char* name;
        std::string events, keys;
        int hidden;
        std::size_t drawn;
    } cases[] = {
        {"Mollweide about 150E", thrustAt(35, 140) + thrustAt(-16.38, -177.34) + thrustAt(-20, -70),
         "300\n24\n99\n1\n150\n99\n99\n320\n10\n-80 80 20\n20\n-30 330 30\n99\n", 0, 3},
        {"Mercator over 160..200", thrustAt(-15, 170) + thrustAt(-21, -175),
         "320\n10\n-40 0 10\n20\n160 200 10\n99\n", 0, 2},
        {"Lambert of Japan",
         thrustAt(37, 140) + thrustAt(37, 170) + thrustAt(-20, 140) + thrustAt(37, -100),
         kLambertJapan, 3, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::Session s("\n1000\n1001\ne.ndk\n7\ny\n2001\nsish.txt\n" + c.keys + kRunQuiet,
                              {{"e.ndk", c.events}});
        EXPECT_EQ(s.result.status, 0);
        EXPECT_EQ(boxes(s), c.hidden > 0 ? 1 : 0);
        EXPECT_EQ(s.count(" events off the map projection =      " + std::to_string(c.hidden)),
                  c.hidden > 0 ? 1 : 0);
        EXPECT_EQ(test::splitLines(s.dir.read("sish.txt")).size(), c.events.size() / 400 + 1);
        const auto drawn = thrustsDrawn(s.dir.read("map.ps"));
        ASSERT_EQ(drawn.size(), c.drawn);
        for (std::size_t k = 1; k < drawn.size(); ++k) EXPECT_LT(drawn[k - 1].x, drawn[k].x) << k;
        for (const Drawn& d : drawn) EXPECT_TRUE(d.x > 0 && d.x < kPageWidth && d.y > 0);
    }
}

// Each arm of the stress symbols along its own ground direction, as PROJ 9.1.1 maps it: the
// page azimuth of a ground azimuth is the direction from the projection of the point 1e-6
// radian back along it to that of the point 1e-6 radian on along it (proj +proj=sinu +R=1,
// +proj=moll +R=1, +proj=cea +R=1, +proj=ortho +R=1 +lat_0=37 +lon_0=140 +lon_0=140,
// +proj=moll +lon_0=150, +proj=vandg +lon_0=180, +proj=aea +lat_1=30 +lat_2=30,
// +proj=bonne +lat_1=30, +proj=lcc +lat_1=45 +lat_2=60 +lon_0=-175, all +R=1). The thrust of
// strike 33 has SHmax 123 and Shmin 33; the two need not stay at right angles. Mollweide's
// directions come from its exact auxiliary angle, not the slope of its table; Van der Grinten's
// hold beside its central meridian, where it places points by its exact limit; a map about 175W
// places 172E west of its central meridian, whatever the frame's middle.
TEST(MapProjection, StressArmsAlongTheGround) {
    const std::string ortho = "300\n10\n99\n1\n140\n2\n37\n99\n1\n140\n2\n37\n99\n";
    const std::string grid = "320\n10\n-80 80 10\n20\n100 180 10\n99\n";
    const std::string europe = "320\n10\n-80 80 10\n20\n0 80 10\n99\n";
    // At the pole, north is along the event's meridian, towards the pole: on meridian 0 of the
    // polar equal-area map (no conformal map, so east counts too) that is page up, on meridian
    // 90 page left.
    const std::string pole = "300\n5\n99\n99\n99\n320\n10\n30 90 10\n20\n-180 180 30\n99\n";
    const struct {
        const char* name;
        std::string keys;  // projection and grid
        double lat, lon, shmax, shmin;
    } cases[] = {
        {"sinusoidal at 150E 60N", "300\n22\n99\n99\n" + grid, 60, 150, 104.72, 121.72},
        {"Mollweide at 170E 75N", "300\n24\n99\n99\n99\n" + grid, 75, 170, 97.72, 110.77},
        {"cylindrical equal-area at 140E 60N", "300\n23\n99\n99\n" + grid, 60, 140, 99.22, 68.94},
        {"orthographic about 140E 37N at 160E 20S", ortho + grid, -20, 160, 100.23, 46.47},
        {"Mercator at 150E 60N", grid, 60, 150, 123, 33},
        {"Mollweide about 150E at 150E 11.5N", "300\n24\n99\n1\n150\n99\n99\n" + grid, 11.5, 150,
         128.27, 28.13},
        {"Van der Grinten about 180E at 179.7W 30N",
         "300\n25\n99\n1\n180\n99\n99\n320\n10\n20 40 10\n20\n170 190 10\n99\n", 30, -179.7, 122.31,
         33.66},
        {"Albers at 20E 40N", "300\n19\n99\n99\n99\n" + europe, 40, 20, 112.11, 23.90},
        {"Bonne at 20E 40N", "300\n20\n99\n99\n99\n" + europe, 40, 20, 112.29, 20.99},
        {"Lambert conic about 175W at 172E 52N",
         "300\n3\n99\n1\n-175\n99\n1\n45\n99\n1\n60\n99\n99\n"
         "320\n10\n40 70 10\n20\n160 210 10\n99\n",
         52, 172, 133.34, 43.34},
        {"the pole on meridian 0", pole, 90, 0, 123, 33},
        {"the pole on meridian 90", pole, 90, 90, 33, 123},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::Session s("\n1000\n1001\ne.ndk\n2001\n" + c.keys + kRunQuiet,
                              {{"e.ndk", thrustAt(c.lat, c.lon, 33)}});
        const auto drawn = thrustsDrawn(s.dir.read("map.ps"));
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_NEAR(drawn[0].shmax, c.shmax, 0.3);
        EXPECT_NEAR(drawn[0].shmin, c.shmin, 0.3);
    }
}

// Van der Grinten about 180 on Tonga (-30..-10 by 170..190): events within a degree of the
// central meridian land where the projection puts them, within 0.05 point, after the scale and
// shift that the two events 5 degrees off it give; each of the five parallels runs across the
// meridian in one piece. Places from proj +proj=vandg +R=1 +lon_0=180, times 1/pi.
TEST(MapProjection, VanDerGrintenAtItsCentralMeridian) {
    const struct {
        double lat, lon, x, y;
    } events[] = {{-15, 175, -0.0275822747, -0.0839255779},
                  {-25, -175, 0.0272205181, -0.1416916220},
                  {-20, -179.79, 0.0011518964, -0.1125178231},
                  {-20, 179.79, -0.0011518964, -0.1125178231},
                  {-20, 180, 0, -0.1125178063},
                  {-12, 179.9, -0.0005530642, -0.0669656277},
                  {-28, -179.95, 0.0002707098, -0.1595136047}};
    std::string ndk;
    for (const auto& e : events) ndk += thrustAt(e.lat, e.lon);
    const test::Session s(
        "\n1000\n1001\ne.ndk\n2001\n300\n25\n99\n1\n180\n99\n99\n"
        "320\n10\n-30 -10 5\n20\n170 -170 5\n99\n" +
            kRunQuiet,
        {{"e.ndk", ndk}});
    EXPECT_EQ(s.result.status, 0);
    const std::string ps = s.dir.read("map.ps");
    const auto drawn = thrustsDrawn(ps);
    ASSERT_EQ(drawn.size(), std::size(events));
    const double scale = (drawn[1].x - drawn[0].x) / (events[1].x - events[0].x);
    const double x0 = drawn[0].x - scale * events[0].x, y0 = drawn[0].y - scale * events[0].y;
    for (std::size_t k = 0; k < drawn.size(); ++k) {
        EXPECT_NEAR(drawn[k].x, x0 + scale * events[k].x, 0.05) << k;
        EXPECT_NEAR(drawn[k].y, y0 + scale * events[k].y, 0.05) << k;
    }
    int across = 0;
    for (const PsPath& p : psPaths(ps))
        for (std::size_t k = 1; k < p.points.size() && !p.closed; ++k)
            across += (p.points[k - 1][0] - x0) * (p.points[k][0] - x0) < 0 ? 1 : 0;
    EXPECT_EQ(across, 5);
    test::expectRenders(s.dir.file("map.ps"));
}

// The traps of the projections: a gnomonic origin 90 degrees from the centre (its box, no
// lattice of coordinates), a stereographic map of 180 degrees with an event at the antipode
// (hidden and counted), a gnomonic with a line just inside 90 degrees, transverse Mercator of
// the world with a line across its tear, a centre longitude of 1e10 (refused, off the globe)
// and then -80. On each map no coordinate lies beyond 1e5 points and no segment runs across
// half the map, with the boxes named alone.
TEST(MapProjection, ProjectionTrapsStayOnTheMap) {
    // Grid lines of 60 steps: a straight meridian of 3 steps would be a long segment by right.
    const std::string world = "320\n10\n-90 90 30\n20\n-180 180 30\n31\n60\n99\n";
    const struct {
        const char* name;
        std::string keys, events, line;
        const char* box;  // the one box of the map, if any
        // A refused answer is asked again only where a person sees the question.
        test::Keyboard keyboard = test::Keyboard::Pipe;
    } cases[] = {
        {"oblique gnomonic about 90E, origin at 0 45",
         "300\n18\n99\n1\n90\n2\n0\n99\n99\n\n320\n31\n60\n99\n", thrustAt(0, 60),
         "1 3\n0 20\n0 40\n0 60\n", " ==> ORIGIN CANNOT BE PROJECTED"},
        {"stereographic of 180, an event at the south pole", "300\n7\n99\n99\n99\n" + world,
         thrustAt(-90, 0) + thrustAt(45, 10), "1 3\n-89 0\n-89.9 90\n-89 180\n",
         " events off the map projection =      1"},
        {"polar gnomonic, a line just inside 90 degrees", "300\n17\n99\n99\n" + world,
         thrustAt(45, 10), "1 4\n20 0\n1 0\n0.5 1\n0.01 2\n", nullptr},
        {"transverse Mercator of the world", "300\n1\n99\n99\n99\n" + world, thrustAt(45, 10),
         "1 11\n-30 80\n-30 82\n-30 84\n-30 86\n-30 88\n-30 90.5\n-30 92\n-30 94\n"
         "-30 96\n-30 98\n-30 100\n",
         nullptr},
        {"centre longitude 1e10 refused, then its reduction -80",
         "300\n6\n99\n99\n1\n1e10\n\n-80\n2\n37\n99\n99\n", thrustAt(45, 10), "1 2\n0 10\n0 20\n",
         " outside [-360.00, 360.00]", test::Keyboard::Terminal},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The box of hidden events comes before the overlay menu.
        const bool hidden = c.box != nullptr && std::string(c.box).starts_with(" events");
        const test::Session s("\n1000\n1001\ne.ndk\n2001\n" + c.keys + "343\nn\n1000\n\nmap.ps\n" +
                                  (hidden ? "\n" : "") + "3\nline.geb\n99\n\n\n\n20\n\n9999\n\n",
                              {{"e.ndk", c.events}, {"line.geb", c.line}}, c.keyboard);
        EXPECT_EQ(s.result.status, 0);
        EXPECT_EQ(boxes(s), c.box ? 1 : 0);
        if (c.box) {
            EXPECT_EQ(s.count(c.box), 1);
        }
        EXPECT_EQ(s.count(" total nb of plotted curves =      1"), 1);
        const Reach r = reach(s.dir.read("map.ps"));
        EXPECT_LT(r.farthest, 1e5);
        EXPECT_LT(r.longest, 0.5 * kPageWidth);
        test::expectRenders(s.dir.file("map.ps"));
    }
}

// Epicentres alone (no stress symbols), as the transverse Mercator tests draw them.
const std::string kEpicentres = "342\nn\n" + kRunQuiet;

// The box of the open paths (the grid's lines and ticks), and the middles of the closed ones
// that end where they begin (the epicentres' symbols), in the order drawn.
struct GridAndEvents {
    std::array<double, 4> grid{1e9, 1e9, -1e9, -1e9};
    std::vector<std::array<double, 2>> events;
};
GridAndEvents gridAndEvents(const std::string& ps) {
    GridAndEvents out;
    for (const PsPath& p : psPaths(ps)) {
        std::array<double, 4> box{1e9, 1e9, -1e9, -1e9};
        for (const auto& [x, y] : p.points)
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x),
                   std::max(box[3], y)};
        if (!p.closed) {
            out.grid = {std::min(out.grid[0], box[0]), std::min(out.grid[1], box[1]),
                        std::max(out.grid[2], box[2]), std::max(out.grid[3], box[3])};
        } else if (p.points.size() > 2 && p.points.front() == p.points.back()) {
            out.events.push_back({0.5 * (box[0] + box[2]), 0.5 * (box[1] + box[3])});
        }
    }
    return out;
}

// A polar cap about the central meridian 0 on a transverse Mercator, spherical
// or ellipsoidal, is a disc about the pole, every event of the cap drawn, as wide as it is tall
// within a tenth (a cap of 30 degrees is 2 atanh(sin 30) = 1.10 earth radii wide and 1.05 tall;
// torn at the south pole, its far half stood 2 pi above the other), on the page.
TEST(MapProjection, ATransverseMercatorDrawsAPolarCapAsADisc) {
    std::string cap;
    for (int k = 0; k < 8; ++k) cap += thrustAt(-70, -180 + 45 * k) + thrustAt(70, -180 + 45 * k);
    const struct {
        const char* name;
        std::string keys;
    } cases[] = {
        {"spherical, the south cap",
         "300\n1\n99\n99\n99\n320\n10\n-90 -60 10\n20\n-180 180 30\n33\n10\n99\n"},
        {"spherical, the north cap",
         "300\n1\n99\n99\n99\n320\n10\n60 90 10\n20\n-180 180 30\n33\n10\n99\n"},
        {"ellipsoidal, the south cap",
         "300\n2\n99\n99\n99\n99\n320\n10\n-90 -60 10\n20\n-180 180 30\n33\n10\n99\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::Session s("\n1000\n1001\ne.ndk\n2001\n" + c.keys + kEpicentres,
                              {{"e.ndk", cap}});
        EXPECT_EQ(s.result.status, 0);
        EXPECT_EQ(s.count(" events off the map projection =      8"), 1);
        const GridAndEvents drawn = gridAndEvents(s.dir.read("map.ps"));
        EXPECT_EQ(drawn.events.size(), 8u);
        const double width = drawn.grid[2] - drawn.grid[0], height = drawn.grid[3] - drawn.grid[1];
        EXPECT_NEAR(height, width, 0.1 * width);
        EXPECT_TRUE(drawn.grid[0] >= 0 && drawn.grid[2] <= kPageWidth && drawn.grid[1] >= 0 &&
                    drawn.grid[3] <= kPageHeight);
        test::expectRenders(s.dir.file("map.ps"));
    }
}

// A check of the ellipsoidal transverse Mercator about 0: events on the equator and at
// 45 N every 5 degrees from 5 to 85 E, on the frame 10 S to 60 N by 0 to 90 E. The event 85
// degrees out lies beyond the reach, 80 degrees from the central meridian; the others stand
// where the exact projection puts them: on the equator 557.310, 5627.272 and 13073.301 km out
// at 5, 45 and 75 E, 15914.267 km at 80, on the rim (echo "0 lon" | TransverseMercatorProj -e
// 6378137 1/298.257222101 -k 1 -l 0, GeographicLib 2.1.2). The series it replaced put 75 E
// 1283 km short. No line runs beyond the rim.
TEST(MapProjection, TheEllipsoidalTransverseMercatorStandsWhereTheExactMapDoes) {
    std::string events;
    for (const int lat : {0, 45})
        for (int lon = 5; lon <= 85; lon += 5) events += thrustAt(lat, lon);
    const test::Session s(
        "\n1000\n1001\ne.ndk\n2001\n300\n2\n99\n99\n99\n99\n320\n10\n-10 60 10\n"
        "20\n0 90 10\n99\n" +
            kEpicentres,
        {{"e.ndk", events}});
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" events off the map projection =      1"), 1);
    const GridAndEvents drawn = gridAndEvents(s.dir.read("map.ps"));
    ASSERT_EQ(drawn.events.size(), 33u);
    // The equator's events, drawn first, west to east.
    const auto at = [&](int lon) { return drawn.events[static_cast<std::size_t>(lon / 5 - 1)]; };
    for (int lon = 10; lon <= 80; lon += 5) EXPECT_EQ(at(lon)[1], at(5)[1]) << lon;
    const double perKm = (at(45)[0] - at(5)[0]) / (5627.272 - 557.310);
    EXPECT_NEAR(at(75)[0] - at(5)[0], (13073.301 - 557.310) * perKm, 0.5);
    EXPECT_NEAR(at(80)[0] - at(5)[0], (15914.267 - 557.310) * perKm, 0.5);
    EXPECT_LT(drawn.grid[2], at(80)[0] + 0.5);
    test::expectRenders(s.dir.file("map.ps"));
}

// A map menu visited and left as it was changes none of the map's bytes: the angles that the
// grid's menu and the projection's dialogs show in degrees go back as they were stored, not
// through a round trip of degrees and radians (80 degrees shows as 79.9999924).
TEST(MapProjection, AMenuLeftUnchangedChangesNothing) {
    const std::string typed =
        "300\n3\n99\n1\n12.3\n99\n1\n33.3\n99\n1\n47.7\n99\n1\n12.7\n2\n41.3\n99\n"
        "320\n10\n20.3 60.7 10\n20\n-10.1 40.3 10\n33\n1.3\n99\n";
    const struct {
        const char* name;
        std::string set, visit;
    } cases[] = {
        {"the grid's menu, the default frame", "300\n2\n99\n99\n99\n99\n", "320\n99\n"},
        {"the projection's dialogs and the grid's menu, typed values", typed,
         "300\n99\n99\n99\n99\n99\n320\n99\n320\n99\n"},
        {"the symbols' menus and the switches", typed, "310\n\n315\n99\n340\n\n343\n\n"},
    };
    const auto map = [](const std::string& keys) {
        const test::Session s("\n2001\n" + keys + kRunQuiet);
        EXPECT_EQ(s.result.status, 0);
        std::string ps = s.dir.read("map.ps");
        const std::size_t run = ps.find("(Run on ");
        if (run != ps.npos) ps.erase(run, ps.find('\n', run) - run);
        return ps;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string left = map(c.set), visited = map(c.set + c.visit);
        EXPECT_GT(left.size(), 10000u);
        EXPECT_TRUE(left == visited);
    }
}

// Every projection's dialogs gone through keeping every value change none of the map's bytes:
// after values typed at each of them (none of them a whole number of radians, so that a round
// trip through degrees would move them by a rounding), the section visited again with 99 at
// each. The oblique centre typed as 190 E, and the true-scale meridian typed 3.3 degrees east of
// the central one, stay as typed.
TEST(MapProjection, EveryProjectionsDialogsKeptChangeNothing) {
    const std::string ellipsoid = "3\n99\n", centralLongitude = "1\n190\n99\n",
                      first = "1\n33.3\n99\n", second = "1\n47.7\n99\n", angle = "1\n77.7\n99\n",
                      centre = "1\n190\n2\n35.3\n99\n";
    const struct {
        int number;
        std::vector<std::string> dialogs;  // the answers at each, in order
    } cases[] = {
        {1, {centralLongitude}},
        {2, {ellipsoid, centralLongitude}},
        {3, {centralLongitude, first, second}},
        {4, {ellipsoid, centralLongitude, first, second}},
        {5, {angle}},
        {6, {angle, centre}},
        {7, {angle}},
        {8, {angle, centre}},
        {9, {angle}},
        {10, {centre}},
        {11, {angle}},
        {12, {angle, centre}},
        {13, {centralLongitude}},
        {14, {ellipsoid, centralLongitude, "1\n193.3\n99\n", second, "1\n23.3\n99\n"}},
        {15, {}},
        {16, {ellipsoid}},
        {17, {}},
        {18, {centre}},
        {19, {first}},
        {20, {first}},
        {21, {}},
        {22, {}},
        {23, {}},
        {24, {centralLongitude}},
        {25, {centralLongitude}},
    };
    const auto map = [](const std::string& keys) {
        const test::Session s("\n2001\n" + keys + kRunQuiet);
        EXPECT_EQ(s.result.status, 0);
        EXPECT_EQ(s.count(" the grid box has no extent on the map"), 0);
        std::string ps = s.dir.read("map.ps");
        const std::size_t run = ps.find("(Run on ");
        if (run != ps.npos) ps.erase(run, ps.find('\n', run) - run);
        return ps;
    };
    const std::string origin = "1\n190\n2\n45.3\n99\n";
    const std::string frame = "320\n10\n10 60 10\n20\n160 -140 10\n99\n";
    for (const auto& c : cases) {
        SCOPED_TRACE("projection " + std::to_string(c.number));
        std::string typed = "300\n" + std::to_string(c.number) + "\n99\n", kept = "300\n99\n";
        for (const std::string& d : c.dialogs) {
            typed += d;
            kept += "99\n";
        }
        typed += origin + frame;
        kept += "99\n";
        const std::string set = map(typed), visited = map(typed + kept);
        EXPECT_GT(set.size(), 5000u);
        EXPECT_TRUE(set == visited);
    }
}

// Grid labels stand whole on the page and none on another. The Tonga Mercator of 170..190 by
// 20..30 S, on its first fit 17 cm wide, had its labels of -10.0 to -30.0 run 10.7 points off
// the left edge of the page: it is fitted again, narrower. The labels of the meridians meet at
// the pole of a south-polar equal-area map (at 297.68, 297.68: the circle of 40 S fills the 17
// cm from 2 cm) and at the poles of a Mollweide map; the two bounds of a whole turn lie on one
// meridian, their parallels' labels side by side. The Japan Mercator, whose labels stand whole
// and apart, keeps its first fit: 125 to 155 E over 17 cm from 2 cm (56.70 to 538.65 points)
// and all its 26 labels. With ticks of 5 degrees the Tonga map's labels stand 7.5 degrees out:
// its box gives up more than 5 cm at each side, and is let out again until they stand within
// half a centimetre of the page's edges. A map fitted again leaves the fit's margin, 0.2 cm,
// between its ink and the page's edges. On a polar equal-area map of 120 degrees the Tonga
// frame's southern edge lies on the rim: its ticks of 5 degrees run beyond the projection's
// reach, and what the map cannot show there widens no fit. Labels are compared by boxes inside
// their ink: half an em a character, from a tenth to six tenths of an em above the baseline.
TEST(MapProjection, GridLabelsWholeOnThePageAndApart) {
    const std::string mollweide150 = "300\n24\n99\n1\n150\n99\n99\n";
    const struct {
        const char* name;
        std::string keys;
        int atPole;     // labels within a centimetre of the south pole, -1 unchecked
        int labels;     // all labels, -1 unchecked
        bool wide;      // the labels within half a centimetre of the page's left and right edges
        bool refitted;  // the ink at least the fit's margin inside the page's edges
    } cases[] = {
        {"Mercator of Tonga", "320\n10\n-30 -10 5\n20\n170 -170 5\n99\n", -1, -1, false, true},
        {"Mercator of Tonga, ticks of 5 degrees", "320\n10\n-30 -10 5\n20\n170 -170 5\n33\n5\n99\n",
         -1, -1, true, true},
        {"south-polar equal-area",
         "300\n6\n99\n99\n1\n0\n2\n-90\n99\n1\n0\n2\n-90\n99\n"
         "320\n10\n-90 -40 10\n20\n-180 180 30\n99\n",
         1, -1, false, false},
        {"Mollweide about 150E, the world",
         mollweide150 + "320\n10\n-90 90 30\n20\n-180 180 30\n99\n", -1, -1, false, false},
        {"Mollweide about 150E, 80 S to 80 N", mollweide150 + "320\n20\n-180 180 30\n99\n", -1, -1,
         false, false},
        {"Mercator of Japan", "320\n10\n25 50 5\n20\n125 155 5\n99\n", -1, 26, false, false},
        {"polar equal-area of 120 degrees, Tonga, ticks of 5 degrees",
         "300\n5\n99\n1\n120\n99\n99\n320\n10\n-30 -10 5\n20\n170 -170 5\n33\n5\n99\n", -1, -1,
         false, true},
    };
    constexpr double kCm = 28.35, kMargin = 0.2 * kCm;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::Session s("\n2001\n" + c.keys + kRunQuiet);
        EXPECT_EQ(s.result.status, 0);
        const std::string ps = s.dir.read("map.ps");
        const auto labels = gridLabels(ps);
        ASSERT_GT(labels.size(), 4u);
        for (const auto& l : labels)
            EXPECT_TRUE(l.x >= 0 && l.x <= kPageWidth && l.y >= 0 && l.y <= kPageHeight)
                << l.text << " off the page at " << l.x << " " << l.y;
        for (std::size_t i = 0; i < labels.size(); ++i)
            for (std::size_t k = 0; k < i; ++k) {
                EXPECT_FALSE(overlap(inkBox(labels[i]), inkBox(labels[k])))
                    << labels[k].text << " and " << labels[i].text << " at " << labels[i].x << " "
                    << labels[i].y;
                if (labels[i].text == labels[k].text) {
                    EXPECT_GT(std::hypot(labels[i].x - labels[k].x, labels[i].y - labels[k].y),
                              2 * kCm)
                        << labels[i].text << " twice";
                }
            }
        if (c.atPole >= 0) {
            EXPECT_EQ(std::count_if(labels.begin(), labels.end(),
                                    [&](const PsText& l) {
                                        return std::hypot(l.x - 297.68, l.y - 297.68) < kCm;
                                    }),
                      c.atPole);
        }
        if (c.labels >= 0) {
            EXPECT_EQ(static_cast<int>(labels.size()), c.labels);
            EXPECT_NE(ps.find("\n538.65 56.70 moveto\n"), ps.npos);
            EXPECT_NE(ps.find("\n56.70 56.70 moveto\n"), ps.npos);
        }
        if (!test::canRender("the grid's labels")) continue;
        const auto ink = test::pageBoxes(test::expectRenders(s.dir.file("map.ps")));
        ASSERT_EQ(ink.size(), 1u);
        EXPECT_GT(ink[0][0], 0);
        EXPECT_GT(ink[0][1], 0);
        EXPECT_LT(ink[0][2], kPageWidth);
        EXPECT_LT(ink[0][3], kPageHeight);
        if (c.wide) {
            EXPECT_LT(ink[0][0], 0.5 * kCm);
            EXPECT_GT(ink[0][2], kPageWidth - 0.5 * kCm);
        }
        if (c.refitted) {
            EXPECT_GE(ink[0][0], kMargin);
            EXPECT_GE(ink[0][1], kMargin);
            EXPECT_LE(ink[0][2], kPageWidth - kMargin);
            EXPECT_LE(ink[0][3], kPageHeight - kMargin);
        }
    }
}

}  // namespace
}  // namespace tensova

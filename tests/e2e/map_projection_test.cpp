// Maps away from the default Mercator, driven through the binary: every map lies on its page,
// stress symbols turn with local north, nothing is drawn where the projection cannot show it,
// and no overlay line runs across the map at the longitude seam.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/session.hpp"
#include "support/ghostscript.hpp"

namespace tensova {
namespace {

// The A4 page, points.
constexpr double kPageWidth = 595.0, kPageHeight = 842.0;

// The paths of a plot file in the plain dialect: their points and whether they were closed.
struct PsPath {
    std::vector<std::array<double, 2>> points;
    bool closed = false;
};
std::vector<PsPath> psPaths(const std::string& text) {
    std::vector<PsPath> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        double x = 0, y = 0;
        char op[16] = {};
        if (line == "closepath gsave" && !out.empty()) out.back().closed = true;
        if (std::sscanf(line.c_str(), "%lf %lf %15s", &x, &y, op) != 3) continue;
        const std::string o = op;
        if (o == "moveto") out.emplace_back();
        if ((o == "moveto" || o == "lineto") && !out.empty()) out.back().points.push_back({x, y});
    }
    return out;
}

// Keys of the map menu that set the projection and the grid, and those of a RUN without the
// point and overlay menus into map.ps, whose boxes are answered by blank lines (a blank line left
// over leaves the map menu, and the main menu passes blank lines over).
const std::string kMollweideWorld =
    "300\n24\n99\n99\n99\n320\n10\n-80 80 20\n20\n-180 180 30\n99\n";
const std::string kLambert = "300\n3\n99\n1\n140\n99\n1\n32\n99\n1\n42\n99\n1\n140\n2\n37\n99\n";
const std::string kLambertJapan = kLambert + "320\n10\n25 50 5\n20\n125 155 5\n99\n";
const std::string kRunQuiet = "343\nn\n340\nn\n1000\n\nmap.ps\n\n\n\n\n20\n\n9999\n\n";

// An ndk event at a place, from the thrust of six.ndk (planes 0/45/90 and 180/45/90: SHmax
// east-west, S3 vertical).
std::string thrustAt(double lat, double lon) {
    char head[64];
    std::snprintf(head, sizeof head, "PDE  2010/01/12 21:53:10.0 %6.2f %7.2f", lat, lon);
    const std::string rest =
        "  12.0 5.0 0.0 NEAR COAST OF REGION    \n"
        "C200501010120A   B:  4    4  40 S:  0    0   0 M: 27   33 125 CMT: 1 TRIHD:  0.6\n"
        "CENTROID:     -0.3 0.9  13.76 0.06  -89.08 0.09 162.8 12.5 FREE S-20050322125201\n"
        "24 -0.248 0.045 -1.278 0.037  1.526 0.041 -0.057 0.202  2.137 0.236  0.231 0.030\n"
        "V10   2.748 28 129   0.010 57 280  -2.758 14  31   2.753   0 45   90 180 45   90\n";
    return std::string(head) + rest;
}

// Boxes the run showed.
int boxes(const test::Session& s) {
    return static_cast<int>(std::count_if(s.lines.begin(), s.lines.end(), [](auto& l) {
        return l.find("    WARNING    ") != l.npos || l.find("    ERROR    ") != l.npos;
    }));
}

TEST(MapProjection, MapsLieOnThePage) {
    struct Case {
        const char* name;
        std::string keys;  // from the main menu to the map's RUN
        int maxBoxes;
    };
    const std::filesystem::path real(TENSOVA_REAL_DATA);
    const std::string jan15 = test::readFile((real / "gcmt_2015-01_jan15.ndk").string());
    const Case cases[] = {
        {"world Mollweide", "2001\n" + kMollweideWorld, 0},
        {"polar stereographic",
         "2001\n300\n7\n99\n99\n1\n180\n2\n90\n99\n"
         "320\n10\n30 90 10\n20\n-180 180 30\n99\n",
         0},
        {"Lambert conic of Japan", "2001\n" + kLambertJapan, 0},
        // The globe of the selection tests' bounds: the southern events and the hidden half of
        // the grid left out, one box for the events; small symbols, which stay on the page.
        {"orthographic globe",
         "1000\n1001\njan15.ndk\n2001\n300\n9\n99\n99\n99\n330\n"
         "315\n10\n0.1\n99\n",
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.maxBoxes > 0 && jan15.empty()) continue;
        const test::Session s("\n" + c.keys + kRunQuiet, {{"jan15.ndk", jan15}});
        EXPECT_EQ(s.result.status, 0);
        EXPECT_LE(boxes(s), c.maxBoxes);
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

}  // namespace
}  // namespace tensova

// Map overlays: the longitude window and the extent test, the six kinds of line files with
// their counters and drawn lines, clipping, chunks, sampled polygon sides, and files that are
// short, damaged or too long.
//
// Great-circle reference (python3, double precision): for the side from (0, 10.05) to
// (10.05, 10.05) degrees, cos t = sin^2(10.05) + cos^2(10.05) cos(10.05) gives t = 9.8954
// degrees, so 98 points at 10 a degree; the circle's highest point, at longitude 5.025, lies at
// atan(tan(10.05) / cos(5.025)) = 10.0880 degrees. The
// square of tests/data gives 67.37, 79.5, 60.88 and 79.5 points a side at 10 a degree.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "curve/running_point.hpp"
#include "map_fixture.hpp"
#include "mapdraw/contours.hpp"
#include "support/grid_map.hpp"

namespace tensova::test {
namespace {

struct Drawn {
    Lines out;
    std::vector<Path> paths;
    int count(const std::string& line) const { return countLines(out, line); }
};

// The overlay menu over the frame with the keyboard `keys`, from the default settings; the map
// rendered when asked.
Drawn overlay(const std::string& keys, const Files& files, Frame f = {0, 40, 30, 50},
              bool render = false) {
    MapDocument map(keys, files);
    contours1(5);
    contours1(gridMap(f.lonmin, f.lonmax, f.latmin, f.latmax), 1);
    Drawn r{map.doc.console.lines(), map.finish()};
    if (render) expectRenders(map.doc.path);
    return r;
}

std::vector<std::size_t> sizes(const std::vector<Path>& p) {
    std::vector<std::size_t> s;
    for (const auto& q : p) s.push_back(q.points.size());
    return s;
}

std::string total(int n) {
    char buf[64];
    std::snprintf(buf, sizeof buf, " total nb of plotted curves = %6d", n);
    return buf;
}

TEST(Overlays, LongitudeWindow) {
    const auto rows = tableRows("overlay_windows.txt");
    ASSERT_EQ(rows.size(), 6u);
    // The frame comes back from radians with a rounding, some 3e-5 degree at 360.
    constexpr float kRounding = 1e-4f;
    projtype.iproj = 15;  // the frames are those of Mercator maps
    for (const auto& row : rows) {
        const auto c = numbers(row[0] + " " + row[1]);
        ASSERT_EQ(c.size(), 6u) << row[0];
        const LonWindow w = lonWindow(gridMap(float(c[0]), float(c[1]), 0, 10).frame());
        EXPECT_NEAR(w.origin, c[2], kRounding) << row[0];
        EXPECT_NEAR(w.lonmin, c[3], kRounding) << row[0];
        EXPECT_NEAR(w.lonmax, c[4], kRounding) << row[0];
        EXPECT_NEAR(w.width, c[5], kRounding) << row[0];
    }
    const LonWindow w = lonWindow(gridMap(-10, 30, 0, 10).frame());
    EXPECT_NEAR(intoWindow(-12, w), -12, kRounding);
    EXPECT_NEAR(intoWindow(-14, w), 346, kRounding);
    EXPECT_NEAR(intoWindow(-175, lonWindow(gridMap(170, -170, 0, 10).frame())), 185, kRounding);
    // A whole turn keeps a point on its east edge there, as the frame does: 180 stays 180.
    const LonWindow world = lonWindow(gridMap(-180, 180, 0, 10).frame());
    EXPECT_NEAR(intoWindow(180, world), 180, kRounding);
    EXPECT_NEAR(intoWindow(-180, world), -180, kRounding);
    EXPECT_NEAR(intoWindow(200, world), -160, kRounding);
}

TEST(Overlays, ExtentOfShorelinePolygons) {
    const auto rows = tableRows("overlay_extents.txt");
    ASSERT_EQ(rows.size(), 8u);
    projtype.iproj = 15;  // the frames are those of Mercator maps
    for (const auto& row : rows) {
        const auto c = numbers(row[0] + " " + row[1] + " " + row[2] + " " + row[3]);
        ASSERT_EQ(c.size(), 10u) << row[1];
        ConsoleCapture cap("\n");
        const MapFrame f = gridMap(float(c[0]), float(c[1]), float(c[2]), float(c[3])).frame();
        const ShoreHeader h{7, 4, 1, 0, float(c[4]), float(c[5]), float(c[6]), float(c[7])};
        EXPECT_EQ(shoreInFrame(h, f, 3), c[8] == 1) << row[1];
        EXPECT_EQ(countLines(cap.lines(), " PROBLEM IN INPUT FILE ?"), c[9]) << row[1];
    }
}

TEST(Overlays, MenuModesAndSettings) {
    // The sketch of the frame across 180 with its window and origin, 2.5 points a degree, and
    // the longitudes shown while clipping was on.
    expectGolden(overlay("7\n11\n2.5\n10\nn\n99\n", {}, {170, -170, 10, 20}).out,
                 "overlay_menu.txt");
}

TEST(Overlays, SixKindsCountedAndDrawn) {
    const auto cases = tableRows("overlay_kinds.txt", ';');
    ASSERT_EQ(cases.size(), 8u);
    for (const auto& row : cases) {
        SCOPED_TRACE(row.at(0));
        const auto n = numbers(row.at(1)), drawn = numbers(row.at(3));
        const std::string& file = row.at(2);
        // 10 n: clipping off; then the kind, the file, 99 (leave).
        const std::string keys = std::string(n.at(1) == 1 ? "" : "10\nn\n") +
                                 std::to_string(int(n[0])) + "\n" + file + "\n99\n";
        const Drawn r = overlay(keys, {{file, testData(file)}}, {0, 40, 30, 50}, true);
        EXPECT_EQ(r.count(total(int(n.at(2)))), 1);
        EXPECT_EQ(r.count(" input file " + file + " closed"), 1);
        EXPECT_EQ(sizes(r.paths), std::vector<std::size_t>(drawn.begin(), drawn.end()));
        Lines rows;
        std::copy_if(r.out.begin(), r.out.end(), std::back_inserter(rows),
                     [](const std::string& l) { return l.starts_with(" |"); });
        EXPECT_EQ(rows, splitLines(row.at(4)));
        if (n[0] == 1) {
            const Point want[] = {at(10, 45), at(10.5f, 45.1f), at(11.5f, 45.1f), at(11.5f, 44.1f)};
            for (std::size_t k = 0; k < 4; ++k) expectNear(r.paths[0].points[k], want[k], "utig");
            expectNear(r.paths[1].points[17], at(20.1f, 36.6f), "continuation");
        }
    }
}

TEST(Overlays, ClippingEndsSegmentsAtTheFrame) {
    // Frame 0..10 by 0..10: in, out (drawn to the edge), out (dropped although the segment
    // crosses the frame), on the edge (the line starts there), in; then out across the top
    // corner's latitude and back in across the east edge.
    const std::string ign =
        "11    5.0000    5.0000\n11   15.0000    5.0000\n"
        "11   -5.0000    5.0000\n11    0.0000    8.0000\n"
        "11    4.0000    8.0000\n11    6.0000   12.0000\n"
        "11   12.0000    6.0000\n11    8.0000    2.0000\n";
    const Drawn r = overlay("2\nf.ign\n99\n", {{"f.ign", ign}}, {0, 10, 0, 10});
    ASSERT_EQ(sizes(r.paths), (std::vector<std::size_t>{2, 3, 2}));
    expectNear(r.paths[0].points[1], at(10, 5), "drawn to the edge");
    expectNear(r.paths[1].points[0], at(0, 8), "on the edge");
    expectNear(r.paths[1].points[1], at(4, 8), "in");
    expectNear(r.paths[1].points[2], at(5, 10), "out at the top");
    expectNear(r.paths[2].points[0], at(10, 4), "back at the east edge");
    expectNear(r.paths[2].points[1], at(8, 2), "last");
}

// Clipping in the frame's own turn, the short way round, on Mollweide about 0 over 170..190
// (its seam at 180). From 175E on the equator to 160W at 10N the segment leaves the frame at
// its east edge, 190 (170W), 0.6 of the way, at 6N; it is drawn to the seam, a third of the way
// on to the edge (2N), and from the seam's other edge to 170W. From 172E on the equator to 160E
// at 12N, a point that the frame's turn holds at 520, it leaves at the west edge, 170, at 2N.
TEST(Overlays, ClippingTheShortWayAcrossTheSeam) {
    MapDocument doc("");
    projtype.iproj = 24;
    const Map map = gridMap(170, -170, -20, 20);
    ClippedLine line(map);
    line.point(175, 0);
    line.point(-160, 10);
    line.restart();
    line.point(172, 0);
    line.point(160, 12);
    const auto got = doc.finish();
    ASSERT_EQ(sizes(got), (std::vector<std::size_t>{2, 2, 2}));
    expectNear(got[0].points[1], at(180, 2), "to the seam");
    expectNear(got[1].points[0], at(-180, 2), "from its other edge");
    expectNear(got[1].points[1], at(-170, 6), "to the frame's east edge");
    expectNear(got[2].points[1], at(170, 2), "to the frame's west edge");
}

TEST(Overlays, ShorelineAcrossTheAntimeridianAndInChunks) {
    // Clipped in the window of frame 170..-170: longitudes east of 180 are drawn past it.
    const std::string across = shoreHeader(9, 3, 178, 182, -10, -5) + "178 -10\n-178 -8\n-175 -5\n";
    const Drawn a = overlay("5\na.gsh\n99\n", {{"a.gsh", across}}, {170, -170, -20, 0});
    ASSERT_EQ(sizes(a.paths), (std::vector<std::size_t>{3}));
    expectNear(a.paths[0].points[2], at(185, -5), "reduced");
    EXPECT_EQ(a.count(" |       |       |       |       |  178.0|  182.0|"), 1);

    // 1,999 points without clipping: two chunks of 1,000 sharing point 1,000 (each drawn in
    // the plot buffer's pieces of 501 points).
    std::string big = shoreHeader(1, 1999, 0, 19.98f, 30, 31);
    for (int i = 0; i < 1999; ++i) big += std::to_string(i * 0.01) + " 30.5\n";
    const Drawn b = overlay("10\nn\n5\nb.gsh\n99\n", {{"b.gsh", big}});
    ASSERT_EQ(sizes(b.paths), (std::vector<std::size_t>{501, 500, 501, 500}));
    expectNear(b.paths[1].points.back(), at(9.99f, 30.5f), "point 1,000 ends chunk 1");
    expectNear(b.paths[2].points.front(), at(9.99f, 30.5f), "and begins chunk 2");
    expectNear(b.paths[3].points.back(), at(19.98f, 30.5f), "point 1,999");
}

// The extent test takes the frame as the map does, its edge inside: on the map of 0..40 by
// 30..50 (whose bounds come back from radians a little short of 40 and 50), polygons that touch
// its east edge and its north edge are kept, and one a tenth of a degree beyond is not.
TEST(Overlays, ShorelinesTouchingTheFramesEdgeAreKept) {
    const std::string touching = shoreHeader(1, 2, 40, 45, 35, 40) + "40 35\n45 40\n" +
                                 shoreHeader(2, 2, 10, 20, 50, 55) + "10 50\n20 55\n" +
                                 shoreHeader(3, 2, 40.1f, 45, 35, 40) + "40.1 35\n45 40\n";
    const Drawn d = overlay("5\nt.gsh\n99\n", {{"t.gsh", touching}});
    EXPECT_EQ(d.count(total(2)), 1);
}

TEST(Overlays, PolygonSidesSampled) {
    const Drawn gc =
        overlay("6\ns.pol\n99\n", {{"s.pol", "4 1 1 10.0\n0 0\n10.05 0\n10.05 10.05\n0 10.05\n"}});
    ASSERT_EQ(sizes(gc.paths), (std::vector<std::size_t>{100, 100, 98, 100}));
    EXPECT_EQ(gc.count(" Boundaries = great circles"), 1);
    // The top side bulges north of its parallel to the circle's highest point, mid-side.
    const Point mid = gc.paths[2].points[49];
    const Point peak = at(5.025f, 10.088f);
    EXPECT_NEAR(mid[0], peak[0], 1.0);
    EXPECT_NEAR(mid[1], peak[1], 0.02);
    EXPECT_EQ(ptblock.ipt, 101);

    // Longitude-latitude lines do not wrap: 170 to -170 runs through 0, and its last point
    // lies beyond the edge of the window of frame 0..40, [-160, 200): the line lifts the pen
    // there and ends at 190. Straight map lines: one polyline through the vertices. Equal
    // vertices: that side alone is skipped.
    const Drawn ll = overlay("6\nl.pol\n99\n", {{"l.pol", "2 2 0 1.72\n170 0\n-170 0\n"}});
    ASSERT_EQ(sizes(ll.paths), (std::vector<std::size_t>{34, 2}));
    expectNear(ll.paths[0].points[17], at(170 - 340 * 17 / 33.0f, 0), "through 0");
    expectNear(ll.paths[0].points[33], at(-160, 0), "to the window's edge");
    expectNear(ll.paths[1].points[0], at(200, 0), "from the other edge");
    expectNear(ll.paths[1].points[1], at(190, 0), "where -170 lies on this map");
    const Drawn st = overlay("6\nm.pol\n99\n", {{"m.pol", "3 3 1 10\n0 0\n1 0\n1 1\n"}});
    EXPECT_EQ(sizes(st.paths), (std::vector<std::size_t>{4}));
    const Drawn eq = overlay("6\ne.pol\n\n99\n", {{"e.pol", "3 1 0 10\n0 0\n0 0\n1.05 0\n"}});
    EXPECT_EQ(eq.count(" INCONSISTENT POLYGON CONTOUR:"), 1);
    EXPECT_EQ(sizes(eq.paths), (std::vector<std::size_t>{10}));
}

TEST(Overlays, ShortDamagedAndOverlongFiles) {
    // "polyN": a closed polygon of N vertices every 0.01 degree along 40 north.
    const auto polygon = [](const std::string& name) {
        const int n = std::stoi(name.substr(4));
        std::string text = std::to_string(n) + " 3 1 10\n";
        for (int i = 0; i < n; ++i) text += std::to_string(i * 0.01) + " 40\n";
        return text;
    };
    const auto cases = tableRows("overlay_damaged.txt", ';');
    ASSERT_EQ(cases.size(), 38u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at(0));
        const std::string text = c.at(2).starts_with("poly") ? polygon(c[2]) : c[2];
        const Drawn r = overlay(c.at(1) + "\nt\n" + c.at(3) + "99\n", {{"t", text}});
        const int counter = std::stoi(c.at(4));
        EXPECT_EQ(r.count(counter < 0 ? " WHILE READING FILE t" : total(counter)), 1);
        for (std::size_t k = 6; k < c.size(); ++k)
            EXPECT_EQ(r.count(c[k]), c[k].empty() ? 0 : 1) << c[k];
        const auto drawn = numbers(c.at(5));
        EXPECT_EQ(sizes(r.paths), std::vector<std::size_t>(drawn.begin(), drawn.end()));
    }
}

// A USGS line whose points stand exactly on the seam's two edges, -180 and 180, on Mercator
// of the whole turn (the seam at 180): the way between them is the meridian 180 itself, drawn
// to the edge it starts on and along the other edge from there. Page points from the formula,
// x = 28.35 (2 + 25 lon), y = 28.35 (2 + 25 ln tan(45 + lat/2)), lon in radians (the fixture's
// 25 cm to the radian from (2, 2) cm; 28.35 points to the cm):
//   python3 -c "import math; print([round(28.35*(2+25*v), 2) for v in (math.radians(-179.5),
//     math.radians(-180), math.radians(180), math.radians(179.5),
//     math.log(math.tan(math.radians(50))), math.log(math.tan(math.radians(55))))])"
TEST(Overlays, ALineFromOneEdgeOfTheSeamToTheOther) {
    constexpr double kW179 = -2163.72, kW180 = -2169.90, kE180 = 2283.30, kE179 = 2277.12;
    constexpr double kN10 = 181.03, kN20 = 309.28;
    const struct {
        const char* name;
        const char* usgs;  // latitude, longitude
        std::vector<std::vector<Point>> drawn;
    } cases[] = {
        {"west edge to east edge",
         "  10.00000     -179.50000\n  10.00000     -180.00000\n"
         "  20.00000      180.00000\n  20.00000      179.50000\n",
         {{{kW179, kN10}, {kW180, kN10}, {kW180, kN10}},
          {{kE180, kN10}, {kE180, kN20}, {kE179, kN20}}}},
        {"east edge to west edge",
         "  20.00000      179.50000\n  20.00000      180.00000\n"
         "  10.00000     -180.00000\n  10.00000     -179.50000\n",
         {{{kE179, kN20}, {kE180, kN20}, {kE180, kN20}},
          {{kW180, kN20}, {kW180, kN10}, {kW179, kN10}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Drawn r = overlay("4\ns.usgs\n99\n", {{"s.usgs", c.usgs}}, {-180, 180, -40, 40});
        ASSERT_EQ(r.paths.size(), c.drawn.size());
        for (std::size_t k = 0; k < c.drawn.size(); ++k) {
            ASSERT_EQ(r.paths[k].points.size(), c.drawn[k].size()) << "piece " << k;
            for (std::size_t j = 0; j < c.drawn[k].size(); ++j)
                expectNear(r.paths[k].points[j], c.drawn[k][j], "piece " + std::to_string(k));
        }
    }
}

}  // namespace
}  // namespace tensova::test

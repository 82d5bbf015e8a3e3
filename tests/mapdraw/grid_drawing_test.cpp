// The grid drawn on the start-up projection (spherical Mercator, origin 0/45): counts of lines
// and ticks, where ticks point, labels, settings that give no count, and the projected extent
// (the cases and the reference extents are tables of tests/data).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "mapdraw/grid.hpp"
#include "mapdraw/projection_menu.hpp"
#include "plot/attributes.hpp"
#include "plot/plot_fixture.hpp"
#include "postscript/ps_attributes.hpp"
#include "projection/projection.hpp"

namespace tensova::test {
namespace {

// The grid settings of a table row: west, east bounds and longitude increment, south, north
// bounds and latitude increment, points per grid line and per tick, grid type.
void useGrid(const std::string& row) {
    const auto n = numbers(row);
    ASSERT_EQ(n.size(), 9u) << row;
    float lonmin = float(n[0]), lonmax = float(n[1]), loninc = float(n[2]);
    float latmin = float(n[3]), latmax = float(n[4]), latinc = float(n[5]), ticsize = 1;
    int32_t npgrid = int32_t(n[6]), nptick = int32_t(n[7]), gridtype = int32_t(n[8]), ndec = 1;
    sllgrid3(latmin, latmax, lonmin, lonmax, latinc, loninc, npgrid, ticsize, nptick, gridtype,
             ndec, 1);
}

// A plot on the start-up projection, one user unit (one earth radius) to 5 cm.
struct GridDocument : PlotDocument {
    GridDocument() {
        int32_t iproj = 0;
        sprojll2(iproj, 5);
        matrixMap(10, 10, 5, 0, 0, 5);
        console.clear();
    }
};

TEST(GridDrawing, LinesTicksLabelsAndGuards) {
    const auto cases = tableRows("grid_drawings.txt", ';');
    ASSERT_EQ(cases.size(), 8u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at(0));
        useGrid(c.at(1));
        GridDocument doc;
        drawllgrid(Map::ofGrid());
        const std::string out = doc.console.output(), &line = c.at(2);
        EXPECT_NE(findLine(splitLines(out), line), -1) << line;
        EXPECT_EQ(out.find("WARNING"), std::string::npos);
        const Lines lines = doc.finish();
        const auto got = paths(lines);
        ASSERT_EQ(got.size(), std::stoul(c.at(3)));
        if (got.empty()) continue;
        EXPECT_EQ(got[0].points.size(), std::stoul(c.at(4)));
        EXPECT_NE(findLine(lines, c.at(5)), -1) << c[5];
        for (const auto& path : got)
            for (const Point& p : path.points) ASSERT_LT(std::fabs(p[0]) + std::fabs(p[1]), 1e4);
    }
    // The first bottom tick, at 80 east: out of the box, or into it for type 3. Its path holds
    // the move, the edge point again, two steps, then the label's own move: a tick and a half
    // beyond the edge either way, its baseline one text height (0.5 cm) under that, as the
    // label hangs from its anchor.
    const auto device = [](float lon, float lat) {
        Point p{rad(lon), rad(lat)};
        projlln(&p[0], &p[1], &p[0], &p[1], 1);
        return toDevice(p);
    };
    for (const int32_t type : {1, 3}) {
        SCOPED_TRACE("grid type " + std::to_string(type));
        useGrid("-80 80 10 -80 80 10 3 2 " + std::to_string(type));
        GridDocument doc;
        drawllgrid(Map::ofGrid());
        EXPECT_EQ(psattributes.justif, -7);
        const auto tick = paths(doc.finish())[type == 1 ? 17 : 2].points;
        ASSERT_EQ(tick.size(), 5u);
        expectNear(tick[3], device(80, type == 1 ? -81.0f : -79.0f), "tick end");
        const Point anchor = device(80, -81.5f);
        expectNear(tick[4], {anchor[0], anchor[1] - 14.175f}, "label");
    }
}

// Where the projection curves a grid line, each of its steps is divided into chords of at most
// a degree: 160 degrees in 3 steps of 53.3 degrees, each in 54 chords, 162 chords in all; the
// path holds the move, the first point again and one point per chord. Straight lines keep their
// 3 steps: Mercator's both, the meridians of a polar map and the parallels of Mollweide's.
TEST(GridDrawing, CurvedLinesInChordsOfADegree) {
    const struct {
        const char* name;
        int32_t iproj;
        std::size_t meridian, parallel;  // points of the first of each
    } cases[] = {
        {"Mercator", 15, 5, 5}, {"polar stereographic", 7, 5, 164}, {"Mollweide", 24, 164, 5}};
    useGrid("-80 80 10 -80 80 10 3 2 1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridDocument doc;
        projtype.iproj = c.iproj;
        llorig = {};
        llpparam.omega = rad(180.0f);
        drawllgrid(Map::ofGrid());
        const auto got = paths(doc.finish());
        // 17 meridians, 17 ticks at the bottom and 17 at the top, then the parallels.
        ASSERT_GT(got.size(), 51u);
        EXPECT_EQ(got[0].points.size(), c.meridian);
        EXPECT_EQ(got[51].points.size(), c.parallel);
    }
}

TEST(GridDrawing, ExtentOfTheFrame) {
    ConsoleCapture cap;
    int32_t iproj = 0;
    sprojll2(iproj, 5);
    for (const auto& c : tableRows("grid_extents.txt", ';')) {
        SCOPED_TRACE(c.at(0));
        useGrid(c.at(0));
        const auto want = numbers(c.at(1));
        ASSERT_EQ(want.size(), 4u);
        float xmin = 9, ymin = 9, xmax = 9, ymax = 9;
        extrllgrid(Map::ofGrid(), xmin, ymin, xmax, ymax);
        for (const auto& [got, k] : {std::pair{xmin, 0}, {ymin, 1}, {xmax, 2}, {ymax, 3}})
            EXPECT_NEAR(got, want[k], 2e-6 * std::max(1.0, std::fabs(want[k]))) << k;
    }
    // A polar equal-area map of 90 degrees shows the frame down to the equator, its rim at
    // sin 45 = 0.7071068: the sides alone (the circle of 80 north, the meridian 180 down to
    // the rim) would give a sliver; the rim holds the frame's whole width and depth.
    projtype.iproj = 5;
    llorig = {};
    llpparam.omega = rad(90.0f);
    useGrid("-180 180 10 -80 80 10 3 2 1");
    float xmin = 9, ymin = 9, xmax = 9, ymax = 9;
    extrllgrid(Map::ofGrid(), xmin, ymin, xmax, ymax);
    for (const float v : {-xmin, -ymin, xmax, ymax}) EXPECT_NEAR(v, 0.7071068f, 2e-6);
}

}  // namespace
}  // namespace tensova::test

// The grid drawn on the start-up projection (spherical Mercator, origin 0/45): counts of lines
// and ticks, where ticks point, labels, settings that give no count, and the projected extent
// (the cases and the reference extents are tables of tests/data).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "curve_runs.hpp"
#include "mapdraw/grid.hpp"
#include "mapdraw/projection_menu.hpp"
#include "plot/attributes.hpp"
#include "plot/plot_fixture.hpp"
#include "postscript/ps_attributes.hpp"
#include "projection/projection.hpp"
#include "projection/transforms.hpp"

namespace tensova::test {
namespace {

// The grid settings of a table row: west, east bounds and longitude increment, south, north
// bounds and latitude increment, points per grid line and per tick, grid type; ticks of a degree
// unless told otherwise.
void useGrid(const std::string& row, float ticsize = 1) {
    const auto n = numbers(row);
    ASSERT_EQ(n.size(), 9u) << row;
    float lonmin = float(n[0]), lonmax = float(n[1]), loninc = float(n[2]);
    float latmin = float(n[3]), latmax = float(n[4]), latinc = float(n[5]);
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
        drawllgrid(mapOfGrid());
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
    // the move, the edge point again, two steps, then the label's own move, its baseline one
    // text height (0.5 cm) under its anchor, as the label hangs from it. The anchor stands a
    // tick and a half beyond the edge where that lies within the label's height of the tick's
    // outer end (7.9 points beyond it with the tick out); with the tick in, that end is the
    // edge, and a tick and a half (23.7 points) lies farther: the anchor stands the label's
    // height (its ink's, some 11 points) under the edge.
    const auto device = [](float lon, float lat) {
        Point p{rad(lon), rad(lat)};
        projlln(&p[0], &p[1], &p[0], &p[1], 1);
        return toDevice(p);
    };
    for (const int32_t type : {1, 3}) {
        SCOPED_TRACE("grid type " + std::to_string(type));
        useGrid("-80 80 10 -80 80 10 3 2 " + std::to_string(type));
        GridDocument doc;
        drawllgrid(mapOfGrid());
        EXPECT_EQ(psattributes.justif, -7);
        const auto tick = paths(doc.finish())[type == 1 ? 17 : 2].points;
        ASSERT_EQ(tick.size(), 5u);
        expectNear(tick[3], device(80, type == 1 ? -81.0f : -79.0f), "tick end");
        tensova::Box ink;
        ASSERT_TRUE(cmtextbox(0, 0, "80.0", ink));
        const float height = ink.height() * kPointsPerCm;
        const Point edge = device(80, -80.0f);
        const Point anchor = type == 1 ? device(80, -81.5f) : Point{edge[0], edge[1] - height};
        expectNear(tick[4], {anchor[0], anchor[1] - 14.175f}, "label");
    }
    // The west mark of the parallel at 70 south, after the meridians' marks and the parallels'
    // lines and east marks, with ticks of 5 degrees: a tick and a half (18.6 points) lies beyond
    // the label's height (11.2) from the edge. With the tick out, the label stands a tick and a
    // half west of the edge; with the tick in, its height west of the edge, as the parallel runs
    // out of the frame there: outside the frame either way, its baseline half a text height
    // under its anchor.
    for (const int32_t type : {1, 3}) {
        SCOPED_TRACE("grid type " + std::to_string(type));
        useGrid("-80 80 10 -80 80 10 3 2 " + std::to_string(type), 5);
        GridDocument doc;
        drawllgrid(mapOfGrid());
        const auto west = paths(doc.finish()).at(type == 1 ? 86 : 56).points;
        ASSERT_EQ(west.size(), 5u);
        tensova::Box ink;
        ASSERT_TRUE(cmtextbox(0, 0, "-70.0", ink));
        const Point edge = device(-80, -70);
        const Point anchor =
            type == 1 ? device(-87.5f, -70) : Point{edge[0] - ink.height() * kPointsPerCm, edge[1]};
        expectNear(west[4], {anchor[0], anchor[1] - 7.0875f}, "west label");
    }
}

// A grid line as the projection places it, in device points: its points every tenth of a degree
// from 2 degrees before its first to 2 degrees after its last (the tick marks run on past the
// frame), in pieces where the map does not show it. Its chords of a tenth of a degree have their
// own middles within a ten-thousandth of a point of the curve on these maps.
Curve curve(float lon1, float lat1, float lon2, float lat2) {
    Curve c;
    const float span = std::max(std::fabs(lon2 - lon1), std::fabs(lat2 - lat1)) + 4;
    const int n = int(span * 10);
    std::vector<DevicePoint> piece;
    for (int k = 0; k <= n; ++k) {
        const float t = (float(k) / float(n)) * span / (span - 4) - 2 / (span - 4);
        Point p{rad(lon1 + t * (lon2 - lon1)), rad(lat1 + t * (lat2 - lat1))};
        projllnShown(&p[0], &p[1], &p[0], &p[1], 1);
        if (std::fabs(p[0]) < 1e20f && std::fabs(p[1]) < 1e20f) {
            const Point d = toDevice(p);
            piece.push_back({d[0], d[1]});
        } else {
            c.add(piece);
            piece.clear();
        }
    }
    c.add(piece);
    return c;
}

// On every projection each chord of the grid lies along its line: the chord's middle lies on
// the line whose curve holds its two ends (within a quarter of a point; a chord of a curved
// line that spanned a whole step of 53 degrees would lie points off). Frame -60..60 by 20..70,
// 3 steps a line, central angle 120 degrees.
TEST(GridDrawing, EachChordLiesAlongItsLine) {
    useGrid("-60 60 10 20 70 10 3 2 1");
    std::vector<Curve> lines;
    for (int lon = -60; lon <= 60; lon += 10) lines.push_back({});
    for (int32_t iproj = 1; iproj <= kProjectionCount; ++iproj) {
        SCOPED_TRACE(projectionRow(iproj).titles[0]);
        GridDocument doc;
        projtype.iproj = iproj;
        llorig = {};
        llpparam.lon0 = 0;
        llpparam.omega = rad(120.0f);
        deriveConstants(iproj);
        lines.clear();
        for (float lon = -60; lon <= 60; lon += 10) lines.push_back(curve(lon, 20, lon, 70));
        for (float lat = 20; lat <= 70; lat += 10) lines.push_back(curve(60, lat, -60, lat));
        drawllgrid(mapOfGrid());
        int chords = 0;
        for (const Path& p : paths(doc.finish()))
            for (std::size_t k = 1; k < p.points.size(); ++k) {
                const Point a = p.points[k - 1], b = p.points[k];
                const Point mid{0.5f * (a[0] + b[0]), 0.5f * (a[1] + b[1])};
                bool along = false, held = false;
                for (const Curve& c : lines) {
                    if (!c.holds({a[0], a[1]}, 0.05) || !c.holds({b[0], b[1]}, 0.05)) continue;
                    held = true;
                    along = along || c.holds({mid[0], mid[1]}, 0.25);
                }
                if (!held) continue;  // a label's move
                ++chords;
                EXPECT_TRUE(along) << "chord " << k << " from " << a[0] << " " << a[1] << " to "
                                   << b[0] << " " << b[1];
            }
        EXPECT_GT(chords, 50);
    }
}

// A grid line follows its steps, however long: on a world Mercator map with one step a line,
// each parallel is one chord across the whole map, not a line that the seam cuts short.
TEST(GridDrawing, AStepOfMoreThanHalfATurn) {
    useGrid("-180 180 30 -60 60 20 1 2 1");
    GridDocument doc;
    drawllgrid(mapOfGrid());
    const float width = toDevice({rad(180.0f), 0})[0] - toDevice({rad(-180.0f), 0})[0];
    int across = 0;
    for (const Path& p : paths(doc.finish()))
        if (p.points.size() >= 2 &&
            std::fabs(std::fabs(p.points.back()[0] - p.points.front()[0]) - width) < 0.05f)
            ++across;
    EXPECT_EQ(across, 7);
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
        extrllgrid(mapOfGrid(), xmin, ymin, xmax, ymax);
        for (const auto& [got, k] : {std::pair{xmin, 0}, {ymin, 1}, {xmax, 2}, {ymax, 3}})
            EXPECT_NEAR(got, want[k], 2e-6 * std::max(1.0, std::fabs(want[k]))) << k;
    }
    // A polar equal-area map of 90 degrees shows the frame down to the equator, its rim at
    // sin 45 = 0.7071068: the sides alone (the circle of 80 north, the meridian 180 down to
    // the rim) would give a sliver; the rim holds the frame's whole width and depth. Of a
    // frame of 0..90 east only the rim's quarter in it counts: x from 0, y up to 0. Of 0.1..0.4
    // east by 10 S..0.3 N only the band north of the equator is shown, between two points of
    // the rim (every half degree) and narrower than a step of its sides: they are measured to
    // where they meet the rim (python3: r = sin(z/2) at colatitude z, x = r sin lon,
    // y = -r cos lon; its two northern corners alone give y from -0.7052521).
    projtype.iproj = 5;
    llorig = {};
    llpparam.omega = rad(90.0f);
    constexpr float r = 0.7071068f;
    const struct {
        const char* grid;
        float xmin, ymin, xmax, ymax;
    } polar[] = {{"-180 180 10 -80 80 10 3 2 1", -r, -r, r, r},
                 {"0 90 10 -80 80 10 3 2 1", 0, -r, r, 0},
                 {"0.1 0.4 10 -10 0.3 10 3 2 1", 0.0012309f, -0.7071057f, 0.0049365f, -0.7052360f}};
    for (const auto& c : polar) {
        useGrid(c.grid);
        float xmin = 9, ymin = 9, xmax = 9, ymax = 9;
        extrllgrid(mapOfGrid(), xmin, ymin, xmax, ymax);
        EXPECT_NEAR(xmin, c.xmin, 2e-6) << c.grid;
        EXPECT_NEAR(ymin, c.ymin, 2e-6) << c.grid;
        EXPECT_NEAR(xmax, c.xmax, 2e-6) << c.grid;
        EXPECT_NEAR(ymax, c.ymax, 2e-6) << c.grid;
    }
}

// A map draws the grid of the style it was made with, as it projects with the parameters it was
// made with, whatever the settings hold later; and it traces its lines at the page's scale
// that its fit last set.
TEST(GridDrawing, TheMapKeepsItsGridStyleAndPageScale) {
    useGrid("-80 80 20 -80 80 20 3 2 1");
    GridDocument doc;
    Map map = mapOfGrid();
    gridll.gridtype = 0;
    gridll.loninc = gridll.latinc = rad(40.0f);
    drawllgrid(map);
    EXPECT_EQ(countLines(doc.console.lines(), " nb of meridians =      9"), 1);
    EXPECT_GT(paths(doc.finish()).size(), 18u);
    map.scaleInto({-1, -1, 1, 1}, {2, 2, 6, 12});
    EXPECT_FLOAT_EQ(map.unitsPerCm(), 0.5f);
    EXPECT_EQ(map.unitsPerCm(), usPerCm());
}

}  // namespace
}  // namespace tensova::test

// The grid drawn on the start-up projection (spherical Mercator, origin 0/45): counts of lines
// and ticks, where ticks point, labels, settings that give no count, and the projected extent.
//
// Reference extent (python3, double): x = lon in radians, y = ln tan(pi/4 + lat/2) minus the
// same at 45: lon 80 -> 1.3962634; lat 80 -> 1.5548725, lat -80 -> -3.3176196.

#include <gtest/gtest.h>

#include <cmath>

#include "mapdraw/grid.hpp"
#include "mapdraw/projection_menu.hpp"
#include "plot/attributes.hpp"
#include "plot/plot_fixture.hpp"
#include "postscript/ps_attributes.hpp"
#include "projection/projection.hpp"

namespace tensova::test {
namespace {

struct Settings {
    float lonmin = -80, lonmax = 80, loninc = 10, latmin = -80, latmax = 80, latinc = 10;
    int32_t npgrid = 3, nptick = 2, gridtype = 1;
};

void useGrid(const Settings& s) {
    float latmin = s.latmin, latmax = s.latmax, lonmin = s.lonmin, lonmax = s.lonmax;
    float latinc = s.latinc, loninc = s.loninc, ticsize = 1;
    int32_t npgrid = s.npgrid, nptick = s.nptick, gridtype = s.gridtype, ndec = 1;
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
    const struct {
        Settings s;
        const char* line;               // a console line
        std::size_t paths, lineLength;  // points of the first line
        const char* label;
    } cases[] = {
        {{}, " nb of meridians =     17", 3 * 17 + 3 * 17, 5, "(-80.0)"},
        // 165 degrees by 10: 16 intervals of 10.3125 degrees.
        {{-80, 85}, " nb of parallels =     17", 102, 5, "(74.7)"},
        // The frame alone, but a tick and a label at every position.
        {{.nptick = 3, .gridtype = 2},
         " LAT-LONG GRID TYPE =    2",
         2 + 2 * 17 + 2 + 2 * 17,
         5,
         "(70.0)"},
        // Spans below their increments, increments of zero or less, counts below one: one of
        // each; a count beyond 1000 is held there.
        {{0, 5, 10, 0, 5, 0, 0, -2}, " nb of parallels =      2", 12, 3, "(5.0)"},
        {{-80, 80, -10, -80, 80, 1e-30f, 1, 0},
         " nb of parallels =   1001",
         6 + 3 * 1001,
         3,
         "(80.0)"},
        {{.gridtype = 0}, " NO LAT-LONG GRID", 0, 0, ""},
        // Mercator has no pole: lines stop short of it, its ticks and labels are left out.
        {{.latmax = 90}, " nb of parallels =     18", 85, 4, "(-80.0)"},
    };
    for (const auto& c : cases) {
        useGrid(c.s);
        GridDocument doc;
        drawllgrid();
        const std::string out = doc.console.output();
        EXPECT_NE(findLine(splitLines(out), c.line), -1) << c.line;
        EXPECT_EQ(out.find("WARNING"), std::string::npos) << c.line;
        const Lines lines = doc.finish();
        const auto got = paths(lines);
        ASSERT_EQ(got.size(), c.paths) << c.line;
        if (c.paths == 0) continue;
        EXPECT_EQ(got[0].points.size(), c.lineLength) << c.line;
        EXPECT_NE(findLine(lines, c.label), -1) << c.label;
        for (const auto& path : got)
            for (const Point& p : path.points) ASSERT_LT(std::fabs(p[0]) + std::fabs(p[1]), 1e4);
    }
    // The first bottom tick, at 80 east: out of the box, or into it for type 3. Its path holds
    // the move, the edge point again, two steps, then the label's own move.
    for (const int32_t type : {1, 3}) {
        useGrid({.gridtype = type});
        GridDocument doc;
        drawllgrid();
        EXPECT_EQ(psattributes.justif, -7);
        const auto tick = paths(doc.finish())[type == 1 ? 17 : 2].points;
        ASSERT_EQ(tick.size(), 5u);
        Point want{rad(80.0f), rad(type == 1 ? -81.0f : -79.0f)};
        projlln(&want[0], &want[1], &want[0], &want[1], 1);
        want = toDevice(want);
        EXPECT_NEAR(tick[3][0], want[0], 0.02);
        EXPECT_NEAR(tick[3][1], want[1], 0.02);
    }
}

TEST(GridDrawing, ExtentOfTheCorners) {
    ConsoleCapture cap;
    int32_t iproj = 0;
    sprojll2(iproj, 5);
    const struct {
        Settings s;
        float xmin, ymin, xmax, ymax;
    } cases[] = {
        {{}, -1.3962634f, -3.3176196f, 1.3962634f, 1.5548725f},
        {{80, -80, 10, 80, -80}, -1.3962634f, -3.3176196f, 1.3962634f, 1.5548725f},
        // The corners at the pole cannot be placed: only the southern ones count.
        {{.latmax = 90}, -1.3962634f, -3.3176196f, 1.3962634f, -3.3176196f},
        {{.latmin = -90, .latmax = 90}, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        useGrid(c.s);
        float xmin = 9, ymin = 9, xmax = 9, ymax = 9;
        extrllgrid(xmin, ymin, xmax, ymax);
        for (const auto& [got, want] :
             {std::pair{xmin, c.xmin}, {ymin, c.ymin}, {xmax, c.xmax}, {ymax, c.ymax}})
            EXPECT_NEAR(got, want, 2e-6f);
    }
}

}  // namespace
}  // namespace tensova::test

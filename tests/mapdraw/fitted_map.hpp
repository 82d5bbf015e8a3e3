#pragma once
// A map as a run draws it: a projection at its start-up parameters, the grid of a frame, the map
// fitted to the page below the heading and its grid drawn, on a plain PostScript document that
// Ghostscript renders. The run heading's lowest point stands 27.2 cm up a portrait A4 page (its
// last line's baseline at 772.54 points, less the descent of its 7-point letters).

#include <cstdint>
#include <string>

#include "mapdraw/grid.hpp"
#include "mapdraw/page_fit.hpp"
#include "mapdraw/projection_menu.hpp"
#include "numeric/angles.hpp"
#include "plot/page_layout.hpp"
#include "plot/plot_fixture.hpp"
#include "projection/projection.hpp"
#include "support/ghostscript.hpp"

namespace tensova::test {

inline constexpr float kHeadingBottomCm = 27.2f;

// The grid's frame (degrees, longitudes east from `west`), its increments and its tick size.
struct GridFrame {
    float west, east, south, north, latinc, loninc, tick;
};

struct DrawnMap {
    std::string ps;
    Map map;
    PageLayout layout;  // the page the map was fitted to
    FrameFit fit;
};

// Projection iproj, its central angle (the perspective maps' angle of view) set to `angle`
// degrees and its central longitude to `lon0` where given, on the frame, three steps a grid line
// and two a tick, all lines, one decimal; the page below a heading whose lowest point stands
// `heading` cm up, or none.
inline DrawnMap drawnMap(int32_t iproj, const GridFrame& g, float angle = 0.0f,
                         float heading = 0.0f, float lon0 = 0.0f) {
    PlotDocument doc("", 2);
    int32_t start = 0;
    sprojll2(start, 5);
    projtype.iproj = iproj;
    if (angle > 0.0f) llpparam.omega = rad(angle);
    if (lon0 != 0.0f) llpparam.lon0 = rad(lon0);
    sprojll2(start, 3);
    float latmin = g.south, latmax = g.north, lonmin = g.west, lonmax = g.east;
    float latinc = g.latinc, loninc = g.loninc, ticsize = g.tick;
    int32_t npgrid = 3, nptick = 2, gridtype = 1, ndec = 1;
    sllgrid3(latmin, latmax, lonmin, lonmax, latinc, loninc, npgrid, ticsize, nptick, gridtype,
             ndec, 1);
    Map map = mapOfGrid();
    PageLayout layout = plotPageLayout();
    if (heading > 0.0f) layout.under(heading);
    const FrameFit fit = fitToPage(map, layout);
    drawllgrid(map);
    std::string ps;
    for (const auto& l : doc.finish()) ps += l + "\n";
    if (canRender("the map's grid")) expectRenders(doc.path, "", 1);
    return {ps, map, layout, fit};
}

}  // namespace tensova::test

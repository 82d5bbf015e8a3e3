#pragma once
// A map open on a PostScript document: Mercator about longitude 0 with its origin at (0, 0),
// so that x is the longitude in radians, and 25 cm to the radian from (2, 2) cm. Files for the
// run are made in a fresh current folder, where short names find them.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "mapdraw/grid.hpp"
#include "mapdraw/overlays.hpp"
#include "numeric/angles.hpp"
#include "plot/plot_fixture.hpp"
#include "projection/projection.hpp"

namespace tensova::test {

using Files = std::vector<std::pair<std::string, std::string>>;

struct MapDocument {
    explicit MapDocument(const std::string& keys, const Files& files = {}) : doc(keys) {
        for (const auto& [name, text] : files) here.dir.write(name, text);
        projtype.iproj = 15;
        llorig = {};
        llpparam = {};
        // The grid's frame, which holds every point the tests plot: 80 degrees each way.
        gridll.lonmin = gridll.latmin = rad(-80);
        gridll.lonmax = gridll.latmax = rad(80);
        matrixMap(2, 2, 25, 0, 0, 25);
    }
    std::vector<Path> finish() { return paths(doc.finish()); }
    InFolder here;
    PlotDocument doc;
};

// The device point of a longitude and latitude.
inline Point at(float lon, float lat) {
    Point p{};
    const float lonr = rad(lon), latr = rad(lat);
    projlln(&p[0], &p[1], &lonr, &latr, 1);
    return toDevice(p);
}

// The header record of a shoreline polygon.
inline std::string shoreHeader(int id, int n, double w, double e, double s, double north) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "  %6d%8d 1  %13.3f%10.5f%10.5f%10.5f%10.5f\n", id, n, 0.0, w, e,
                  s, north);
    return buf;
}

}  // namespace tensova::test

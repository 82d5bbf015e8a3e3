// Whole maps with overlays, rendered by Ghostscript: the six sample files over one frame, and
// the real high-resolution shoreline of Australia, converted at test time from its published
// multi-segment layout into the shoreline layout that the overlay menu reads. The first pages
// are left as PNG files beside the test program to be looked at.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "map_fixture.hpp"
#include "mapdraw/contours.hpp"
#include "plot/drawing.hpp"

namespace tensova::test {
namespace {

// The frame's outline, and a map scale that puts the frame's south-west corner at (2, 4) cm.
void frameOn(const Frame& f, float cmPerRadian) {
    Point sw{};
    projectDegrees(f.lonmin, f.latmin, sw[0], sw[1]);
    matrixMap(2 - cmPerRadian * sw[0], 4 - cmPerRadian * sw[1], cmPerRadian, 0, 0, cmPerRadian);
    PenLine pen;
    const float lon[] = {f.lonmin, f.lonmax, f.lonmax, f.lonmin, f.lonmin};
    const float lat[] = {f.latmin, f.latmin, f.latmax, f.latmax, f.latmin};
    for (int k = 0; k < 5; ++k) pen.point(lon[k], lat[k]);
}

void rendersTo(MapDocument& map, const std::string& png) {
    map.doc.finish();
    const GsResult r = expectRenders(map.doc.path);
    if (r.exitCode == 0) renderPostScript(map.doc.path, "", map.here.previous + "/" + png);
}

// The published file: "# ..." comments, then per polygon a line "> Id = 5 N = 27578 ... R =
// west/east/south/north ..." and N lines "lon<TAB>lat". Empty when the file is missing.
std::string shorelineLayout(const std::string& path) {
    std::ifstream in(path);
    std::string line, out;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line[0] != '>') {
            out += line + "\n";
            continue;
        }
        int id = 0, n = 0;
        double w = 0, e = 0, s = 0, north = 0;
        std::sscanf(line.c_str(), "> Id = %d N = %d", &id, &n);
        std::sscanf(line.substr(line.find("R = ")).c_str(), "R = %lf/%lf/%lf/%lf", &w, &e, &s,
                    &north);
        out += shoreHeader(id, n, w, e, s, north);
    }
    return out;
}

TEST(OverlayMaps, SixKindsOnOneMap) {
    const char* files[] = {"overlay.utig", "overlay.ign",   "overlay.gebco",
                           "overlay.usgs", "overlay.gshhs", "overlay.poly"};
    Files data;
    std::string keys;
    for (int k = 0; k < 6; ++k) {
        data.emplace_back(files[k], testData(files[k]));
        keys += std::to_string(k + 1) + "\n" + files[k] + "\n";
    }
    MapDocument map(keys + "99\n", data);
    const Frame f{0, 40, 30, 50};
    frameOn(f, 25);
    contours1(0, 0, 0, 0, 5);
    contours1(f.lonmin, f.lonmax, f.latmin, f.latmax, 1);
    EXPECT_EQ(countLines(map.doc.console.lines(), " input file overlay.poly closed"), 1);
    rendersTo(map, "overlay_kinds.png");
}

TEST(OverlayMaps, ShorelineOfAustralia) {
    const std::string shore =
        shorelineLayout(std::string(TENSOVA_REAL_DATA) + "/misc/GSHHS_h_Australia.txt");
    if (shore.empty()) GTEST_SKIP() << "real shoreline file not found";
    // Clipped to a frame that cuts off the north and the east, then whole in chunks.
    const Frame f{110, 150, -40, -20};
    MapDocument map("5\naus.gsh\n10\nn\n5\naus.gsh\n99\n", {{"aus.gsh", shore}});
    frameOn(f, 18);
    contours1(0, 0, 0, 0, 5);
    contours1(f.lonmin, f.lonmax, f.latmin, f.latmax, 1);
    const Lines out = map.doc.console.lines();
    EXPECT_EQ(countLines(out, " |     1 |     5 |  27578|     1 |  113.2|  153.6|  -39.1|  -10.7|"),
              2);
    EXPECT_EQ(countLines(out, " total nb of plotted curves =      1"), 2);
    rendersTo(map, "overlay_australia.png");
}

}  // namespace
}  // namespace tensova::test

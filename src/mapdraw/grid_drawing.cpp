// Drawing the grid and measuring its projected extent.

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/numtext.hpp"
#include "mapdraw/grid.hpp"
#include "mapdraw/map_drawing.hpp"
#include "numeric/angles.hpp"
#include "plot/attributes.hpp"
#include "plot/drawing.hpp"
#include "projection/projection.hpp"

namespace tensova {
namespace {

const Stamp kDrawllgrid("drawllgrid", "", "");

// Counts of lines and steps are held to 1..kCountMax before they become integers: a span below
// its increment, an increment of zero or less and a count below one all give one; beyond the
// cap the lines would merge on any page.
constexpr int32_t kCountMax = 1000;
// Samples of a side of the frame at the most: one every tenth of a degree of a full turn.
constexpr int32_t kSidesMax = 3600;
// The longest chord of a grid line that the projection curves, degrees.
constexpr float kChordDegrees = 1.0f;

int32_t heldCount(float v, int32_t most = kCountMax) {
    if (!(v >= 1.0f)) return 1;
    return v >= static_cast<float>(most) ? most : static_cast<int32_t>(v);
}
int32_t heldCount(int32_t n) {
    return std::clamp(n, 1, kCountMax);
}

// The number of intervals of the increment in the span, a whole number of them when the
// quotient falls just short of one.
int32_t intervals(float span, float inc) {
    if (!(inc > 0.0f)) return 1;
    return heldCount(span / inc + 0.0005f);
}

// How the points of a grid line are placed by the map: one by one (a grid line), from the
// placed foot onwards (a tick mark, which continues beyond the frame's edge), or not at all
// (a line already where the map places it).
enum class Placing : uint8_t { kEach, kFoot, kGiven };

// A line from (lon, lat) in `steps` equal steps of (dlon, dlat), the first point drawn again.
// Where the projection curves the line, each step is divided so that no chord spans more than
// a degree.
void stepLine(const Map& map, MapPen& pen, float lon, float lat, float dlon, float dlat,
              int32_t steps, bool straight, Placing placing = Placing::kEach) {
    int32_t parts = 1;
    if (!straight) {
        const float span = std::max(std::fabs(dlon), std::fabs(dlat));
        parts = heldCount(std::ceil(span / rad(kChordDegrees)));
    }
    const float each = static_cast<float>(parts);
    const float foot = placing == Placing::kFoot ? map.place(lon) : lon;
    const auto to = [&](float l, float p, bool draw) {
        if (placing == Placing::kEach) {
            pen.to(l, p, draw);
        } else {
            pen.toPlaced(l, p, draw);
        }
    };
    to(foot, lat, false);
    for (int32_t j = 0; j <= steps * parts; ++j) {
        const float f = static_cast<float>(j) / each;
        to(foot + f * dlon, lat + f * dlat, true);
    }
}

void align(int32_t code) {
    stextalign(code, 1);
}

// The label of a line (value), beside its foot (lon, lat) at `offset` beyond the frame's edge:
// placed as the foot is, and continued from it.
void label(const Map& map, float lon, float lat, float dlon, float dlat, float value,
           int32_t ndec) {
    float x = 0.0f, y = 0.0f;
    const float l = map.place(lon) + dlon, p = lat + dlat;
    map.project(&x, &y, &l, &p, 1);
    if (!onMap(x, y)) return;
    std::string text(9, ' ');
    int32_t nchar = 0;
    real2charf1(text, nchar, ndec, 9, deg(value));
    ustext2(x, y, std::string_view(text).substr(0, static_cast<std::size_t>(nchar)));
}

// Sides of the frame are sampled at least every degree.
constexpr float kSideStepDegrees = 1.0f;
constexpr int32_t kSidePieces = 64;
constexpr int32_t kRimPoints = 720;

// The bounding box of the projected points that the map shows; all zero when there is none.
struct Extent {
    const Map& map;
    bool any = false;
    float xmin = 0.0f, ymin = 0.0f, xmax = 0.0f, ymax = 0.0f;

    // n points, their longitudes as placed.
    void points(const float* lon, const float* lat, int32_t n) {
        std::array<float, kSidePieces> x{}, y{};
        map.project(x.data(), y.data(), lon, lat, n);
        for (int32_t k = 0; k < n; ++k) {
            const float px = x[static_cast<std::size_t>(k)], py = y[static_cast<std::size_t>(k)];
            if (!onMap(px, py)) continue;
            if (!any) {
                xmin = xmax = px;
                ymin = ymax = py;
                any = true;
            }
            xmin = std::min(xmin, px);
            xmax = std::max(xmax, px);
            ymin = std::min(ymin, py);
            ymax = std::max(ymax, py);
        }
    }
    // The side from one corner to the other, both ends exactly at the corners, each point
    // placed by the map (`placed` false) or as given.
    void side(float lon1, float lat1, float lon2, float lat2, bool placed = false) {
        const float span = std::max(std::fabs(lon2 - lon1), std::fabs(lat2 - lat1));
        const int32_t n = heldCount(std::ceil(span / rad(kSideStepDegrees)), kSidesMax);
        std::array<float, kSidePieces> lon{}, lat{};
        int32_t m = 0;
        for (int32_t k = 0; k <= n; ++k) {
            const float t = static_cast<float>(k) / static_cast<float>(n);
            const auto i = static_cast<std::size_t>(m);
            lon[i] = k == n ? lon2 : lon1 + t * (lon2 - lon1);
            if (!placed) lon[i] = map.place(lon[i]);
            lat[i] = k == n ? lat2 : lat1 + t * (lat2 - lat1);
            if (++m == kSidePieces || k == n) {
                points(lon.data(), lat.data(), m);
                m = 0;
            }
        }
    }
};

}  // namespace

void drawllgrid(const Map& map) {
    const Gridll& g = gridll;
    const MapFrame& f = map.frame();
    submenuhead(kDrawllgrid);
    if (g.gridtype == 0) {
        wout({"NO LAT-LONG GRID"});
        menutail();
        return;
    }
    wout({"LAT-LONG GRID TYPE =", fmtI(g.gridtype, 4)});
    const bool frameOnly = g.gridtype == 2 || g.gridtype == 3;
    const bool ticks = g.gridtype >= 1 && g.gridtype <= 3;
    const float dlon = f.east - f.west;
    const float dlat = f.north - f.south;
    const int32_t npgrid = heldCount(g.npgrid);
    const int32_t nptick = heldCount(g.nptick);
    const float s = (g.gridtype == 3 ? 1.0f : -1.0f) * g.ticsize / static_cast<float>(nptick);
    const float offset = 1.5f * g.ticsize;
    const int32_t ndec = std::clamp(g.ndec, 0, 4);
    MapPen pen(map, Join::kGraticule);
    const Straight straight = map.projection().straight;
    const bool straightMeridians = (straight & kStraightMeridians) != 0;
    const bool straightParallels = (straight & kStraightParallels) != 0;

    // Meridians, spread evenly over the span from east to west.
    const int32_t m = intervals(dlon, g.loninc);
    wout({"nb of meridians =", fmtI(m + 1, 6)});
    const auto meridian = [&](int32_t i, int32_t count) {
        return f.east - dlon * static_cast<float>(i) / static_cast<float>(count);
    };
    const int32_t mLines = frameOnly ? 1 : m;
    const float meridianStep = dlat / static_cast<float>(npgrid);
    // Where the frame runs across the seam, the map's two edges there are drawn as its
    // outline, in place of a meridian that lies on the seam; a frame of a whole turn then has
    // its two bounds at one place, drawn and labelled once (the western).
    const bool across = map.seamInFrame();
    const bool oneBound = across && f.wholeTurn();
    const auto drawn = [&](int32_t i, float lon) {
        return !(oneBound && i == 0) && !(across && map.seamEdge(map.place(lon)) != 0);
    };
    for (int32_t i = 0; i <= mLines; ++i) {
        const float lon = meridian(i, mLines);
        if (drawn(i, lon))
            stepLine(map, pen, lon, f.south, 0.0f, meridianStep, npgrid, straightMeridians);
    }
    if (across)
        for (const float edge : {map.seamWest(), map.seamEast()})
            stepLine(map, pen, edge, f.south, 0.0f, meridianStep, npgrid, straightMeridians,
                     Placing::kGiven);
    if (ticks) {
        align(-10);
        for (int32_t i = 0; i <= m; ++i) {
            const float lon = meridian(i, m);
            if (oneBound && i == 0) continue;
            stepLine(map, pen, lon, f.south, 0.0f, s, nptick, straightMeridians, Placing::kFoot);
            label(map, lon, f.south, 0.0f, -offset, lon, ndec);
        }
        align(-2);
        for (int32_t i = 0; i <= m; ++i) {
            const float lon = meridian(i, m);
            if (oneBound && i == 0) continue;
            stepLine(map, pen, lon, f.north, 0.0f, -s, nptick, straightMeridians, Placing::kFoot);
            label(map, lon, f.north, 0.0f, offset, lon, ndec);
        }
    }

    // Parallels, from south to north, each drawn westward.
    const int32_t p = intervals(dlat, g.latinc);
    wout({"nb of parallels =", fmtI(p + 1, 6)});
    const auto parallel = [&](int32_t k, int32_t count) {
        return f.south + dlat * static_cast<float>(k) / static_cast<float>(count);
    };
    const int32_t pLines = frameOnly ? 1 : p;
    for (int32_t k = 0; k <= pLines; ++k)
        stepLine(map, pen, f.east, parallel(k, pLines), -dlon / static_cast<float>(npgrid), 0.0f,
                 npgrid, straightParallels);
    if (ticks) {
        align(-5);
        for (int32_t k = 0; k <= p; ++k) {
            const float lat = parallel(k, p);
            stepLine(map, pen, f.east, lat, -s, 0.0f, nptick, straightParallels, Placing::kFoot);
            label(map, f.east, lat, offset, 0.0f, lat, ndec);
        }
        align(-7);
        for (int32_t k = 0; k <= p; ++k) {
            const float lat = parallel(k, p);
            stepLine(map, pen, f.west, lat, s, 0.0f, nptick, straightParallels, Placing::kFoot);
            label(map, f.west, lat, -offset, 0.0f, lat, ndec);
        }
    }
    menutail();
}

void extrllgrid(const Map& map, float& xmin, float& ymin, float& xmax, float& ymax) {
    const MapFrame& f = map.frame();
    Extent e{map};
    // The four sides, each sampled closely enough that no bulge of a curved side is missed.
    e.side(f.west, f.south, f.east, f.south);
    e.side(f.east, f.south, f.east, f.north);
    e.side(f.east, f.north, f.west, f.north);
    e.side(f.west, f.north, f.west, f.south);
    // Where the frame runs across the seam, the map's edges there are part of the frame's
    // outline: both edges of the seam, from the frame's south to its north.
    if (map.seamInFrame()) {
        e.side(map.seamWest(), f.south, map.seamWest(), f.north, true);
        e.side(map.seamEast(), f.south, map.seamEast(), f.north, true);
    }
    // Where the frame reaches the rim of the projection's reach, the rim is the map's edge.
    // (The maps with a rim have no seam: its longitudes need no placing.)
    std::array<float, kRimPoints> lon{}, lat{};
    const int32_t n = map.rim(lon.data(), lat.data(), kRimPoints);
    for (int32_t k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (f.contains(lon[i], lat[i])) e.points(&lon[i], &lat[i], 1);
    }
    xmin = e.xmin;
    ymin = e.ymin;
    xmax = e.xmax;
    ymax = e.ymax;
}

}  // namespace tensova

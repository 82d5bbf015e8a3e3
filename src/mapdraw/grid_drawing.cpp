// Drawing the grid and measuring its projected extent.

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/numtext.hpp"
#include "mapdraw/grid.hpp"
#include "mapdraw/map_drawing.hpp"
#include "numeric/angles.hpp"
#include "plot/attributes.hpp"
#include "plot/drawing.hpp"
#include "plot/transforms.hpp"
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

// The points of a line from (lon, lat) in `steps` equal steps of (dlon, dlat), each handed to
// `to` (longitude, latitude, whether it draws), the first point again after the move. Where the
// projection curves the line, each step is divided so that no chord spans more than a degree.
// A tick mark ends at a pole: beyond it there is no ground to mark.
template <typename To>
void linePoints(const Map& map, float lon, float lat, float dlon, float dlat, int32_t steps,
                bool straight, Placing placing, To to) {
    int32_t parts = 1;
    if (!straight) {
        const float span = std::max(std::fabs(dlon), std::fabs(dlat));
        parts = heldCount(std::ceil(span / rad(kChordDegrees)));
    }
    const float each = static_cast<float>(parts);
    const float foot = placing == Placing::kFoot ? map.place(lon) : lon;
    const float pole = anglerad(kHalfPi);
    to(foot, lat, false);
    for (int32_t j = 0; j <= steps * parts; ++j) {
        const float f = static_cast<float>(j) / each;
        const float p = lat + f * dlat;
        if (placing == Placing::kFoot && std::fabs(p) > pole) {
            to(foot + f * dlon, std::copysign(pole, p), true);
            return;
        }
        to(foot + f * dlon, p, true);
    }
}

// The line drawn with the pen.
void stepLine(const Map& map, MapPen& pen, float lon, float lat, float dlon, float dlat,
              int32_t steps, bool straight, Placing placing = Placing::kEach) {
    linePoints(map, lon, lat, dlon, dlat, steps, straight, placing,
               [&](float l, float p, bool draw) {
                   if (placing == Placing::kEach) {
                       pen.to(l, p, draw);
                   } else {
                       pen.toPlaced(l, p, draw);
                   }
               });
}

void align(int32_t code) {
    stextalign(code, 1);
}

// What the grid's settings make of the map's frame: its lines, their spacing and the marks
// along its edges.
struct Layout {
    explicit Layout(const Map& map)
        : f(map.frame()),
          frameOnly(map.grid().gridtype == 2 || map.grid().gridtype == 3),
          ticks(map.grid().gridtype >= 1 && map.grid().gridtype <= 3),
          dlon(f.east - f.west),
          dlat(f.north - f.south),
          m(intervals(dlon, map.grid().loninc)),
          p(intervals(dlat, map.grid().latinc)),
          npgrid(heldCount(map.grid().npgrid)),
          nptick(heldCount(map.grid().nptick)),
          s((map.grid().gridtype == 3 ? 1.0f : -1.0f) * map.grid().ticsize /
            static_cast<float>(nptick)),
          offset(1.5f * map.grid().ticsize),
          ndec(std::clamp(map.grid().ndec, 0, 4)),
          straightMeridians((map.projection().straight & kStraightMeridians) != 0),
          straightParallels((map.projection().straight & kStraightParallels) != 0),
          across(map.seamInFrame()),
          oneBound(across && f.wholeTurn()) {}

    // Meridians are spread evenly over the span from east to west, parallels from south to
    // north.
    float meridian(int32_t i, int32_t count) const {
        return f.east - dlon * static_cast<float>(i) / static_cast<float>(count);
    }
    float parallel(int32_t k, int32_t count) const {
        return f.south + dlat * static_cast<float>(k) / static_cast<float>(count);
    }

    const MapFrame& f;
    bool frameOnly, ticks;
    float dlon, dlat;
    int32_t m, p, npgrid, nptick;
    float s, offset;
    int32_t ndec;
    bool straightMeridians, straightParallels;
    // Where the frame runs across the seam, the map's two edges there are drawn as its
    // outline, in place of a meridian that lies on the seam; a frame of a whole turn then has
    // its two bounds at one place, drawn and labelled once (the western).
    bool across, oneBound;
};

// The tick marks and labels along the frame's edges, drawn with a pen or, without one, only
// measured. A label is left out where it would stand on one already placed: where its box,
// widened by half its height, meets that label's box. Where the map keeps its marks in a box on
// the paper, a tick or a label that would not stand whole in it is left out. What is placed,
// tick marks and labels, is gathered in one box on the paper.
class Marks {
  public:
    Marks(const Map& map, MapPen* pen) : map_(map), pen_(pen), keep_(map.marksPaper()) {}

    void tick(float lon, float lat, float dlon, float dlat, int32_t steps, bool straight) {
        // A pen draws at once where no box keeps the marks: nothing is gathered then.
        if (pen_ == nullptr || keep_ != nullptr) {
            PaperExtent extent;
            MapPen measure(map_, Join::kGraticule, &extent);
            stepLine(map_, measure, lon, lat, dlon, dlat, steps, straight, Placing::kFoot);
            if (!extent.any || (keep_ != nullptr && !keep_->holds(extent.box))) return;
            placed_.take(extent.box);
        }
        if (pen_ != nullptr)
            stepLine(map_, *pen_, lon, lat, dlon, dlat, steps, straight, Placing::kFoot);
    }

    // The label of a line (value), beside its foot (lon, lat) at an offset (dlon, dlat)
    // beyond the frame's edge: placed as the foot is, and continued from it, no farther than a
    // pole.
    void label(float lon, float lat, float dlon, float dlat, float value, int32_t ndec) {
        float x = 0.0f, y = 0.0f;
        const float pole = anglerad(kHalfPi);
        const float l = map_.place(lon) + dlon, p = std::clamp(lat + dlat, -pole, pole);
        map_.project(&x, &y, &l, &p, 1);
        if (!onMap(x, y)) return;
        std::string text(9, ' ');
        int32_t nchar = 0;
        real2charf1(text, nchar, ndec, 9, deg(value));
        const std::string_view shown =
            std::string_view(text).substr(0, static_cast<std::size_t>(nchar));
        Box box;
        if (ustextbox(x, y, shown, box)) {
            if (keep_ != nullptr && !keep_->holds(box)) return;
            const Box apart = box.grown(0.5f * (box.ymax - box.ymin));
            for (const Box& b : labels_)
                if (apart.overlaps(b)) return;
            labels_.push_back(box);
            placed_.take(box);
        }
        if (pen_ != nullptr) ustext2(x, y, shown);
    }

    // The box of what was placed; false when nothing was.
    bool placed(Box& box) const {
        box = placed_.box;
        return placed_.any;
    }

  private:
    const Map& map_;
    MapPen* pen_;
    const Box* keep_;
    std::vector<Box> labels_;
    PaperExtent placed_;
};

// The ticks and labels of the meridians along the bottom and top edges, at every meridian
// (a frame alone included).
void meridianMarks(const Layout& g, Marks& marks) {
    const MapFrame& f = g.f;
    align(-10);
    for (int32_t i = 0; i <= g.m; ++i) {
        const float lon = g.meridian(i, g.m);
        if (g.oneBound && i == 0) continue;
        marks.tick(lon, f.south, 0.0f, g.s, g.nptick, g.straightMeridians);
        marks.label(lon, f.south, 0.0f, -g.offset, lon, g.ndec);
    }
    align(-2);
    for (int32_t i = 0; i <= g.m; ++i) {
        const float lon = g.meridian(i, g.m);
        if (g.oneBound && i == 0) continue;
        marks.tick(lon, f.north, 0.0f, -g.s, g.nptick, g.straightMeridians);
        marks.label(lon, f.north, 0.0f, g.offset, lon, g.ndec);
    }
}

// The ticks and labels of the parallels along the right and left edges.
void parallelMarks(const Layout& g, Marks& marks) {
    const MapFrame& f = g.f;
    align(-5);
    for (int32_t k = 0; k <= g.p; ++k) {
        const float lat = g.parallel(k, g.p);
        marks.tick(f.east, lat, -g.s, 0.0f, g.nptick, g.straightParallels);
        marks.label(f.east, lat, g.offset, 0.0f, lat, g.ndec);
    }
    align(-7);
    for (int32_t k = 0; k <= g.p; ++k) {
        const float lat = g.parallel(k, g.p);
        marks.tick(f.west, lat, g.s, 0.0f, g.nptick, g.straightParallels);
        marks.label(f.west, lat, -g.offset, 0.0f, lat, g.ndec);
    }
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
    submenuhead(kDrawllgrid);
    if (map.grid().gridtype == 0) {
        wout({"NO LAT-LONG GRID"});
        menutail();
        return;
    }
    wout({"LAT-LONG GRID TYPE =", fmtI(map.grid().gridtype, 4)});
    const Layout g(map);
    const MapFrame& f = g.f;
    MapPen pen(map, Join::kGraticule);
    Marks marks(map, &pen);

    wout({"nb of meridians =", fmtI(g.m + 1, 6)});
    const int32_t mLines = g.frameOnly ? 1 : g.m;
    const float meridianStep = g.dlat / static_cast<float>(g.npgrid);
    const auto drawn = [&](int32_t i, float lon) {
        return !(g.oneBound && i == 0) && !(g.across && map.seamEdge(map.place(lon)) != 0);
    };
    for (int32_t i = 0; i <= mLines; ++i) {
        const float lon = g.meridian(i, mLines);
        if (drawn(i, lon))
            stepLine(map, pen, lon, f.south, 0.0f, meridianStep, g.npgrid, g.straightMeridians);
    }
    if (g.across)
        for (const float edge : {map.seamWest(), map.seamEast()})
            stepLine(map, pen, edge, f.south, 0.0f, meridianStep, g.npgrid, g.straightMeridians,
                     Placing::kGiven);
    if (g.ticks) meridianMarks(g, marks);

    // Parallels, each drawn westward.
    wout({"nb of parallels =", fmtI(g.p + 1, 6)});
    const int32_t pLines = g.frameOnly ? 1 : g.p;
    for (int32_t k = 0; k <= pLines; ++k)
        stepLine(map, pen, f.east, g.parallel(k, pLines), -g.dlon / static_cast<float>(g.npgrid),
                 0.0f, g.npgrid, g.straightParallels);
    if (g.ticks) parallelMarks(g, marks);
    menutail();
}

bool gridMarksExtent(const Map& map, Box& box) {
    const Layout g(map);
    if (!g.ticks) return false;
    int32_t justification = 0;
    stextalign(justification, 3);
    Marks marks(map, nullptr);
    meridianMarks(g, marks);
    parallelMarks(g, marks);
    stextalign(justification, 1);
    return marks.placed(box);
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
    // Where the frame reaches the rim of the projection's reach, the rim is the map's edge,
    // placed as the map places the longitudes of its points.
    std::array<float, kRimPoints> lon{}, lat{};
    const int32_t n = map.rim(lon.data(), lat.data(), kRimPoints);
    for (int32_t k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!f.contains(lon[i], lat[i])) continue;
        lon[i] = map.place(lon[i]);
        e.points(&lon[i], &lat[i], 1);
    }
    xmin = e.xmin;
    ymin = e.ymin;
    xmax = e.xmax;
    ymax = e.ymax;
}

}  // namespace tensova

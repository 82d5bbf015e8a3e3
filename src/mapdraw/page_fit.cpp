// The fit of the map to its page.

#include "mapdraw/page_fit.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "mapdraw/grid.hpp"
#include "plot/transforms.hpp"

namespace tensova {
namespace {

// What the fit holds stands on the page and below the heading; where it does not, the box is
// fitted again, the marks this margin inside the page: smaller, in a few fits, then let out
// again in halving steps as far as they allow; where that finds no box, at a share of it found
// in halving steps. The map is never made smaller than the least share of its first fit for
// its marks' sake: a stamp on the page shows nothing, and the marks that stand off the page
// even so are left out instead.
constexpr float kMarksMargin = 0.2f;
constexpr int32_t kShrinks = 4;
constexpr int32_t kSteps = 8;
constexpr float kLeastShare = 0.5f;
// A frame that the reach cuts (part of it lies beyond the rim, the horizon or a hole) may show
// only a point, a line or a sliver, which the fit would blow up to the page: any mark not quite
// on it would stand off the paper. It is too thin to read where its part on the map, fitted to
// the page, lies within a convex region of less than this share of the paper (a dot, a short
// stroke, a band a few points wide), or covers less than this share of the smallest convex
// region that holds it (a ring or a sliver along the rim), or where its grid's lines and ticks
// as printed spread over less than this share of the paper. A frame that the map shows whole is
// drawn however thin.
constexpr double kLeastArea = 0.01;
// What the part shown covers is measured on a lattice of this many cells a side over the
// longitudes and latitudes of its outline. The sides of the region the counted cells make are
// traced on the map to within this share of the lattice's extent there (the rounding of single
// precision, this many times a point's coordinates, where more), dividing each side up to this
// many times over. A cell whose middle lands farther than this share of its longer diagonal
// from the mean of its corners is torn or folded about a point the map does not show.
constexpr int32_t kAreaCells = 64;
constexpr float kFlatShare = 1.0e-5f;
constexpr float kRounding = 16.0f * std::numeric_limits<float>::epsilon();
constexpr int32_t kSideDivisions = 16;
constexpr double kFoldShare = 0.25;

// Fits of the projected grid box into boxes on the page.
struct GridFit {
    Map& map;
    Box projected;  // the projected grid box

    // The grid box into the box, from its lower left corner.
    void into(const Box& box) const { map.scaleInto(projected, box); }
    // The grid box on the paper (cm) at the current scaling.
    Box paper() const {
        std::array<float, 2> x{projected.xmin, projected.xmax}, y{projected.ymin, projected.ymax};
        map.page().toCm(x.data(), y.data(), x.data(), y.data(), 2);
        return {std::min(x[0], x[1]), std::min(y[0], y[1]), std::max(x[0], x[1]),
                std::max(y[0], y[1])};
    }
    // What the fit holds, on the paper: the grid box, its ticks and its labels.
    Box held() const {
        Box b = paper();
        Box marks;
        if (gridMarksExtent(map, marks)) b.take(marks);
        return b;
    }
    // The box less, at each side, how far what the fit holds stands beyond the room there: the
    // box itself where it all stands within the room.
    Box less(const Box& box, const Box& room) const {
        const Box b = held();
        const auto off = [](float beyond) { return std::max(beyond, 0.0f); };
        return {box.xmin + off(room.xmin - b.xmin), box.ymin + off(room.ymin - b.ymin),
                box.xmax - off(b.xmax - room.xmax), box.ymax - off(b.ymax - room.ymax)};
    }
};

bool sameBox(const Box& a, const Box& b) {
    return a.xmin == b.xmin && a.ymin == b.ymin && a.xmax == b.xmax && a.ymax == b.ymax;
}

// The box at t of the way from a to b.
Box between(const Box& a, const Box& b, float t) {
    const auto at = [t](float u, float v) { return u + t * (v - u); };
    return {at(a.xmin, b.xmin), at(a.ymin, b.ymin), at(a.xmax, b.xmax), at(a.ymax, b.ymax)};
}

// The first box gives up at each side what stands beyond the room there, until all stands in
// it; then, as the grid, its ticks and the labels' offsets shrink with the map and the labels
// do not, it gave up too much: it is let out towards the first as far as all stays in the
// room. False, the last fit left, where a few such steps find no box, or only one that makes
// the map smaller than the least share of its first fit.
bool shrunk(const GridFit& fit, const Box& first, const Box& room) {
    const float leastWidth = kLeastShare * fit.paper().width();
    Box held = first;
    for (int32_t k = 0;; ++k) {
        const Box less = fit.less(held, room);
        if (sameBox(less, held)) break;
        if (k == kShrinks || !(less.xmax > less.xmin) || !(less.ymax > less.ymin)) return false;
        held = less;
        fit.into(held);
    }
    float in = 0.0f, out = 1.0f;
    for (int32_t k = 0; k < kSteps; ++k) {
        const float t = 0.5f * (in + out);
        const Box box = between(held, first, t);
        fit.into(box);
        if (sameBox(fit.less(box, room), box)) {
            in = t;
        } else {
            out = t;
        }
    }
    fit.into(between(held, first, in));
    return fit.paper().width() >= leastWidth;
}

// Whether b is no wider and no taller than the room.
bool roomFor(const Box& b, const Box& room) {
    return b.width() <= room.width() && b.height() <= room.height();
}

// How far the extent [lo, hi] moves to be centred on [from, to].
float centring(float lo, float hi, float from, float to) {
    return 0.5f * ((from + to) - (lo + hi));
}

// The largest share of the first box, from its lower left corner and down to the least share,
// at which what the fit holds is no wider and no taller than the room: halved until it is, then
// found in halving steps; and there centred in the room, or the grid box alone where the marks
// do not fit even at the least share.
void shared(const GridFit& fit, const Box& first, const Box& room) {
    const Box corner{first.xmin, first.ymin, first.xmin, first.ymin};
    const auto share = [&](float t) { return between(corner, first, t); };
    const auto fits = [&](float t) {
        fit.into(share(t));
        return roomFor(fit.held(), room);
    };
    float in = 1.0f, out = 1.0f;
    if (!fits(in)) {
        while (in > kLeastShare && !fits(in *= 0.5f)) out = in;
        for (int32_t k = 0; k < kSteps && in < out; ++k) {
            const float t = 0.5f * (in + out);
            if (fits(t)) {
                in = t;
            } else {
                out = t;
            }
        }
    }
    const Box box = share(in);
    fit.into(box);
    Box b = fit.held();
    if (!roomFor(b, room)) b = fit.paper();
    const float dx = centring(b.xmin, b.xmax, room.xmin, room.xmax);
    const float dy = centring(b.ymin, b.ymax, room.ymin, room.ymax);
    fit.into({box.xmin + dx, box.ymin + dy, box.xmax + dx, box.ymax + dy});
}

// The points of the lattice over the ground are LinePoints, `shown` where they are in the part
// shown: the map shows them and they lie in the frame.
double cross(const LinePoint& a, const LinePoint& b) {
    return static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
}

// A side of a cell as the map lays it out: whether it was traced, whether the map shows the
// ground along it (no tear, no point beyond the reach), and the signed area between its chord
// and its ground, from the side's first end to its last.
struct TracedSide {
    bool traced = false;
    bool shown = false;
    double bulge = 0.0;
};

// The area (user units squared) of the part of the frame that the map shows, measured on a
// lattice of cells over the longitudes and latitudes of its outline's points (within which that
// part lies). A cell counts where its corners, the middles of its sides and the ground along
// those of its sides that bound the region of counted cells are in the part shown, and the map
// does not tear or fold it about a point it does not show. The region is summed as it lies on
// the map: the counted cells' quadrilaterals, whose chords within the region cancel, and along
// its edge the ground between each side's chord and its ground. So where the map lays a cell out
// along a curve (near the antipode of an azimuthal map, a short piece of ground runs along the
// whole rim), the region follows the curve and no chord spans the map. A part thinner than a
// cell counts nothing.
class ShownArea {
  public:
    ShownArea(const Map& map, const std::vector<LinePoint>& outline) : map_(map) {
        float lon1 = outline[0].lon, lon2 = lon1, lat1 = outline[0].lat, lat2 = lat1;
        for (const LinePoint& p : outline) {
            lon1 = std::min(lon1, p.lon);
            lon2 = std::max(lon2, p.lon);
            lat1 = std::min(lat1, p.lat);
            lat2 = std::max(lat2, p.lat);
        }
        // The lattice at twice the cells' count a side: the cells' corners at even places, the
        // middles of their sides and of the cells between.
        std::vector<float> lon(kPoints), lat(kPoints), x(kPoints), y(kPoints);
        for (int32_t j = 0; j < kFineSide; ++j)
            for (int32_t i = 0; i < kFineSide; ++i) {
                const std::size_t k = fine(i, j);
                lon[k] = lon1 + static_cast<float>(i) / kFine * (lon2 - lon1);
                lat[k] = lat1 + static_cast<float>(j) / kFine * (lat2 - lat1);
            }
        map_.project(x.data(), y.data(), lon.data(), lat.data(), static_cast<int32_t>(kPoints));
        points_.resize(kPoints);
        Box extent;
        bool any = false;
        for (std::size_t k = 0; k < kPoints; ++k) {
            LinePoint& p = points_[k];
            p = {lon[k], lat[k], x[k], y[k]};
            p.shown = inPart(p);
            if (!p.shown) continue;
            const Box at{p.x, p.y, p.x, p.y};
            if (any) {
                extent.take(at);
            } else {
                extent = at;
            }
            any = true;
        }
        flat_ = kFlatShare * std::max(extent.width(), extent.height());
    }

    double area() {
        counted_.assign(kCells, false);
        for (int32_t j = 0; j < kAreaCells; ++j)
            for (int32_t i = 0; i < kAreaCells; ++i) counted_[cell(i, j)] = whole(i, j);
        // A cell goes where a side of it that bounds the region is not shown along its length,
        // which makes sides of its neighbours bound the region: until each such side is shown.
        for (bool changed = true; changed;) {
            changed = false;
            for (int32_t j = 0; j < kAreaCells; ++j)
                for (int32_t i = 0; i < kAreaCells; ++i) {
                    if (!counted_[cell(i, j)]) continue;
                    for (const Side& s : sides(i, j))
                        if (!counted(s.i, s.j) && !traced(s).shown) {
                            counted_[cell(i, j)] = false;
                            changed = true;
                            break;
                        }
                }
        }
        double twice = 0.0;
        for (int32_t j = 0; j < kAreaCells; ++j)
            for (int32_t i = 0; i < kAreaCells; ++i) {
                if (!counted_[cell(i, j)]) continue;
                for (const Side& s : sides(i, j)) {
                    twice += cross(corner(s.from), corner(s.to));
                    if (!counted(s.i, s.j)) twice += 2.0 * s.sense * traced(s).bulge;
                }
            }
        return 0.5 * std::fabs(twice);
    }

  private:
    static constexpr int32_t kFine = 2 * kAreaCells;
    static constexpr int32_t kFineSide = kFine + 1;
    static constexpr std::size_t kPoints = std::size_t{kFineSide} * kFineSide;
    static constexpr std::size_t kCells = std::size_t{kAreaCells} * kAreaCells;
    static constexpr std::size_t kSides = std::size_t{kAreaCells} * (kAreaCells + 1);

    // A corner of the lattice: its column and row.
    struct Corner {
        int32_t i, j;
    };
    // A side of a cell, counter-clockwise on the ground round the cell: its ends, the neighbour
    // across it (i, j), whether it runs along a row or a column, and whether the cell runs it
    // the way it is traced, from west to east or from south to north (1), or back (-1).
    struct Side {
        Corner from, to;
        int32_t i, j;
        bool alongRow;
        double sense;
        Corner start() const { return sense > 0.0 ? from : to; }
    };
    static std::array<Side, 4> sides(int32_t i, int32_t j) {
        const Corner sw{i, j}, se{i + 1, j}, ne{i + 1, j + 1}, nw{i, j + 1};
        return {Side{sw, se, i, j - 1, true, 1.0}, Side{se, ne, i + 1, j, false, 1.0},
                Side{ne, nw, i, j + 1, true, -1.0}, Side{nw, sw, i - 1, j, false, -1.0}};
    }

    static std::size_t fine(int32_t i, int32_t j) {
        return static_cast<std::size_t>(j) * kFineSide + static_cast<std::size_t>(i);
    }
    static std::size_t cell(int32_t i, int32_t j) {
        return static_cast<std::size_t>(j) * kAreaCells + static_cast<std::size_t>(i);
    }
    const LinePoint& corner(Corner c) const { return points_[fine(2 * c.i, 2 * c.j)]; }
    bool counted(int32_t i, int32_t j) const {
        return i >= 0 && j >= 0 && i < kAreaCells && j < kAreaCells && counted_[cell(i, j)];
    }

    bool inPart(const LinePoint& p) const {
        return onMap(p.x, p.y) && map_.frame().contains(p.lon, p.lat);
    }

    // Whether the cell's corners and the middles of its sides are in the part shown, and the map
    // lays it out whole: its middle is in the part shown and lands within kFoldShare of the
    // longer diagonal from the mean of its corners. Where a point the map does not show lies
    // within the cell (an antipode), or the map tears it, its corners fall apart on the map and
    // its middle lands far from them.
    bool whole(int32_t i, int32_t j) const {
        const int32_t fi = 2 * i, fj = 2 * j;
        for (const auto& [di, dj] :
             {std::pair{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}, {1, 1}})
            if (!points_[fine(fi + di, fj + dj)].shown) return false;
        const std::array<const LinePoint*, 4> c{&points_[fine(fi, fj)], &points_[fine(fi + 2, fj)],
                                                &points_[fine(fi + 2, fj + 2)],
                                                &points_[fine(fi, fj + 2)]};
        const LinePoint& middle = points_[fine(fi + 1, fj + 1)];
        const auto apart = [](double ax, double ay, double bx, double by) {
            return (ax - bx) * (ax - bx) + (ay - by) * (ay - by);
        };
        double mx = 0.0, my = 0.0;
        for (const LinePoint* p : c) {
            mx += 0.25 * p->x;
            my += 0.25 * p->y;
        }
        const double diagonal = std::max(apart(c[0]->x, c[0]->y, c[2]->x, c[2]->y),
                                         apart(c[1]->x, c[1]->y, c[3]->x, c[3]->y));
        return apart(middle.x, middle.y, mx, my) <= kFoldShare * kFoldShare * diagonal;
    }

    // The side traced once, kept for the next time it is asked for.
    const TracedSide& traced(const Side& s) {
        const Corner start = s.start();
        // Along the rows, kAreaCells sides a row; along the columns, one more.
        const std::size_t row = s.alongRow ? kAreaCells : kAreaCells + 1;
        TracedSide& t = (s.alongRow ? across_ : up_)[static_cast<std::size_t>(start.j) * row +
                                                     static_cast<std::size_t>(start.i)];
        if (!t.traced) {
            const int32_t fi = 2 * start.i, fj = 2 * start.j;
            const int32_t di = s.alongRow ? 1 : 0, dj = s.alongRow ? 0 : 1;
            t = trace(points_[fine(fi, fj)], points_[fine(fi + di, fj + dj)],
                      points_[fine(fi + 2 * di, fj + 2 * dj)], 0);
            t.traced = true;
        }
        return t;
    }

    // The point halfway between two on the ground, where the map puts it.
    LinePoint halfway(const LinePoint& a, const LinePoint& b) const {
        LinePoint m{0.5f * (a.lon + b.lon), 0.5f * (a.lat + b.lat)};
        map_.project(&m.x, &m.y, &m.lon, &m.lat, 1);
        m.shown = inPart(m);
        return m;
    }

    // The way from a to b, m the ground halfway, divided where the ground lies farther from the
    // chord than the map's flatness (or the rounding of single precision, where more), up to
    // kSideDivisions times over; a way never flat by then is torn.
    TracedSide trace(const LinePoint& a, const LinePoint& m, const LinePoint& b,
                     int32_t depth) const {
        if (!a.shown || !m.shown || !b.shown) return {};
        float nx = 0.0f, ny = 0.0f;
        const float off = fromSegment(a.x, a.y, b.x, b.y, m.x, m.y, nx, ny);
        const float rounding =
            kRounding * std::max({std::fabs(a.x), std::fabs(a.y), std::fabs(b.x), std::fabs(b.y),
                                  std::fabs(m.x), std::fabs(m.y)});
        if (off <= std::max(flat_, rounding)) return {true, true, 0.0};
        if (depth == kSideDivisions) return {};
        const TracedSide first = trace(a, halfway(a, m), m, depth + 1);
        const TracedSide last = trace(m, halfway(m, b), b, depth + 1);
        return {true, first.shown && last.shown,
                0.5 * (cross(a, m) + cross(m, b) - cross(a, b)) + first.bulge + last.bulge};
    }

    const Map& map_;
    std::vector<LinePoint> points_;
    std::vector<bool> counted_;
    std::vector<TracedSide> across_ = std::vector<TracedSide>(kSides);
    std::vector<TracedSide> up_ = std::vector<TracedSide>(kSides);
    float flat_ = 0.0f;
};

double shownArea(const Map& map, const std::vector<LinePoint>& outline) {
    return ShownArea(map, outline).area();
}

// The area of the paper (cm squared).
double paperArea(const PageLayout& layout) {
    return static_cast<double>(layout.width) * layout.height;
}

// Whether the part of the frame that the map shows, its outline's points given, is too thin to
// read once its projected box is fitted into the layout's box (both axes at one scale).
bool tooThin(const Map& map, const Box& projected, const std::vector<LinePoint>& outline,
             const PageLayout& layout) {
    std::vector<std::array<float, 2>> points;
    points.reserve(outline.size());
    for (const LinePoint& p : outline) points.push_back({p.x, p.y});
    const double hull = convexHullArea(points);
    const double scale = std::min(static_cast<double>(layout.box.width()) / projected.width(),
                                  static_cast<double>(layout.box.height()) / projected.height());
    return hull * scale * scale < kLeastArea * paperArea(layout) ||
           shownArea(map, outline) < kLeastArea * hull;
}

}  // namespace

FrameFit fitToPage(Map& map, const PageLayout& layout) {
    const Box page = layout.belowHeading();
    const Map unfitted = map;
    const PageTransform before = pageTransform();
    Box projected;
    FrameOutline outline;
    FrameFit fit = FrameFit::kFitted;
    if (!extrllgrid(map, projected.xmin, projected.ymin, projected.xmax, projected.ymax,
                    &outline)) {
        fit = FrameFit::kNoExtent;
    } else if (!outline.whole && tooThin(map, projected, outline.points, layout)) {
        fit = FrameFit::kSliver;
    } else {
        const GridFit grid{map, projected};
        const Box first = layout.box;
        grid.into(first);
        if (!page.holds(grid.held())) {
            const Box room = page.grown(-kMarksMargin);
            if (!shrunk(grid, first, room)) shared(grid, first, room);
        }
        map.keepMarksIn(page);
        // Judged on the page as printed: a sliver that the rule above lets through may still
        // print as a line.
        if (!outline.whole && gridLinesArea(map) < kLeastArea * paperArea(layout))
            fit = FrameFit::kSliver;
    }
    if (fit != FrameFit::kFitted) {
        // Nothing of it is drawn, at a scale that would mean nothing: the scaling stays.
        map = unfitted;
        usePageTransform(before);
        map.showNoFrame();
    }
    map.keepMarksIn(page);
    return fit;
}

}  // namespace tensova

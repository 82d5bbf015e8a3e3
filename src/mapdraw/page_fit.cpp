// The fit of the map to its page.

#include "mapdraw/page_fit.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
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
// longitudes and latitudes of its outline.
constexpr int32_t kAreaCells = 64;

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

// The area (user units squared) of the part of the frame that the map shows: the cells of a
// lattice over the longitudes and latitudes of its outline's points (within which that part
// lies), each counted whole where its four corners are shown and in the frame. A part thinner
// than a cell counts nothing.
double shownArea(const Map& map, const std::vector<LinePoint>& outline) {
    float lon1 = outline[0].lon, lon2 = lon1, lat1 = outline[0].lat, lat2 = lat1;
    for (const LinePoint& p : outline) {
        lon1 = std::min(lon1, p.lon);
        lon2 = std::max(lon2, p.lon);
        lat1 = std::min(lat1, p.lat);
        lat2 = std::max(lat2, p.lat);
    }
    constexpr int32_t side = kAreaCells + 1;
    constexpr std::size_t points = std::size_t{side} * side;
    std::vector<float> lon(points), lat(points), x(points), y(points);
    for (int32_t j = 0; j < side; ++j)
        for (int32_t i = 0; i < side; ++i) {
            const auto k = static_cast<std::size_t>(j * side + i);
            lon[k] = lon1 + static_cast<float>(i) / kAreaCells * (lon2 - lon1);
            lat[k] = lat1 + static_cast<float>(j) / kAreaCells * (lat2 - lat1);
        }
    map.project(x.data(), y.data(), lon.data(), lat.data(), static_cast<int32_t>(points));
    std::vector<bool> in(points);
    for (std::size_t k = 0; k < points; ++k)
        in[k] = onMap(x[k], y[k]) && map.frame().contains(lon[k], lat[k]);
    double area = 0.0;
    for (int32_t j = 0; j < kAreaCells; ++j)
        for (int32_t i = 0; i < kAreaCells; ++i) {
            const auto k = static_cast<std::size_t>(j * side + i);
            const std::array<std::size_t, 4> c{k, k + 1, k + side + 1, k + side};
            if (!std::all_of(c.begin(), c.end(), [&](std::size_t q) { return in[q]; })) continue;
            double twice = 0.0;
            for (std::size_t q = 0; q < 4; ++q) {
                const std::size_t a = c[q], b = c[(q + 1) % 4];
                twice += static_cast<double>(x[a]) * y[b] - static_cast<double>(x[b]) * y[a];
            }
            area += 0.5 * std::fabs(twice);
        }
    return area;
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

// The fit of the map to its page.

#include "mapdraw/page_fit.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

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

}  // namespace

bool fitToPage(Map& map, const PageLayout& layout) {
    const Box page = layout.belowHeading();
    Box projected;
    const bool extent =
        extrllgrid(map, projected.xmin, projected.ymin, projected.xmax, projected.ymax);
    if (extent) {
        const GridFit fit{map, projected};
        const Box first = layout.box;
        fit.into(first);
        if (!page.holds(fit.held())) {
            const Box room = page.grown(-kMarksMargin);
            if (!shrunk(fit, first, room)) shared(fit, first, room);
        }
    }
    map.keepMarksIn(page);
    return extent;
}

}  // namespace tensova

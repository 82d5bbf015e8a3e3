// Drawing the grid and measuring its projected extent.

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/numtext.hpp"
#include "mapdraw/drawn_lines.hpp"
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

// Halvings of a step of a meridian in search of the rim: the latitude found lies within 2^-24
// of the step from it.
constexpr int32_t kRimSteps = 24;

// Where the frame's top or bottom edge lies beyond the projection's reach, the rim is that edge:
// the latitude at which the meridian `lon` (placed) comes within the reach, going from the edge
// `from` towards the opposite edge `to`; `from` itself where it lies within the reach, or where
// the meridian never comes within it between the two.
float edgeLatitude(const Map& map, float lon, float from, float to) {
    if (map.withinReach(lon, from) >= 0.0f) return from;
    const float span = to - from;
    const int32_t steps = heldCount(std::ceil(std::fabs(span) / rad(kChordDegrees)));
    float out = from;
    for (int32_t k = 1; k <= steps; ++k) {
        float in = from + span * static_cast<float>(k) / static_cast<float>(steps);
        if (map.withinReach(lon, in) >= 0.0f) {
            for (int32_t j = 0; j < kRimSteps; ++j) {
                const float mid = 0.5f * (in + out);
                (map.withinReach(lon, mid) >= 0.0f ? in : out) = mid;
            }
            return in;
        }
        out = in;
    }
    return from;
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
          oneBound(across && f.wholeTurn()),
          edgesMeet(f.wholeTurn() && map.seamEdge(map.place(f.west)) == 0) {}

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
    // A frame of a whole turn whose edges are not the map's seam has its western and eastern
    // edges on one line: each of its parallels is labelled once, beside the eastern edge or,
    // where the label has no room there, beside the western.
    bool edgesMeet;
};

// The ground step (radians) back along a line from its foot that gives the way the line runs
// out of the frame there, where its tick gives none (a tick inwards, or of no length). Where the
// map squeezes the ground along the line to nothing (the meridians at the far pole of an Albers
// cone, whose scale along them is zero there), such a step moves the point by no more than the
// paper's rounding: it is made ten times longer, up to a few times, until the point stands this
// far (cm) from the foot.
constexpr float kWayStep = 1.0e-3f;
constexpr int32_t kWaySteps = 4;
constexpr float kWayClear = 1.0e-4f;

// The point (radians, its longitude as placed) on the paper (cm); false where the map does
// not show it.
bool onPaper(const Map& map, float lon, float lat, std::array<float, 2>& cm) {
    float x = 0.0f, y = 0.0f;
    map.project(&x, &y, &lon, &lat, 1);
    if (!onMap(x, y)) return false;
    map.page().toCm(&x, &y, &x, &y, 1);
    cm = {x, y};
    return true;
}

// A label stands by its line: the line drawn nearest to its ink is its own, within a couple of
// points (cm), and its own lies within this share of its text's height.
constexpr float kFewCm = 0.067f;
constexpr float kByItsLine = 1.5f;
// The ink of a label's digits lies inside its text's box by this share of the box's height at
// the bottom and the top.
constexpr float kInkInside = 0.0375f;
// A label set beside its line's end where it stood by another stands this share of its height
// beyond that end.
constexpr float kBesideEnd = 0.25f;

// What a pass over the marks does: record the ticks as lines drawn, measure what it would place,
// or draw it.
enum class Pass : uint8_t { kTicks, kMeasure, kInk };

// The tick marks and labels along the frame's edges, drawn or, without ink, only measured. A
// mark stands by its line: where the map does not show the line's foot on the edge, it has no
// tick and no label; a tick runs from its foot while the map shows it, to its rim, a tear or a
// point it does not show, and no farther than a pole. A label stands by its tick or is left
// out: where its tick is left out, so is the label. A label whose place on the ground lies
// farther than its own height beyond its tick's outer end (the map's scale grows fast there,
// or the place lies beyond the rim, past a pole or across a tear, where the map does not show
// it) stands at its height beyond that end instead, along the way its line runs out there; the
// label of a tick that points in, from the line's foot. A label names the line drawn beside it:
// where another line of the grid (drawn or a tick) stands nearer to it than its own, but where
// the two meet at its own line's end, or its own line is not drawn by it, it is set a quarter of
// its height beyond its line's end, along the way the line runs out there, its box centred on
// that way; where it still does not name its line, it is left out. A label is left out where it
// would stand on one already placed: where its box, widened by half its height, meets that
// label's box. Where the map keeps its marks in a box on the paper, a tick or a label that would
// not stand whole in it is left out. What is placed, tick marks and labels, is gathered in one
// box on the paper.
class Marks {
  public:
    Marks(const Map& map, const Layout& g, Pass pass, DrawnLines& drawn)
        : map_(map), g_(g), pass_(pass), keep_(map.marksPaper()), drawn_(drawn) {}

    // The mark of a line at its foot (lon, lat) on the frame's edge, whose way out of the frame
    // is (out[0], out[1]) in longitude and latitude, each -1, 0 or 1; `straight` where the
    // projection draws the line straight; its label the line's value (a parallel's once where
    // the frame's edges meet). A foot on the rim, where the edge lies beyond it, has a tick of no
    // length: outwards lies what the map does not show.
    void mark(float lon, float lat, std::array<float, 2> out, bool straight, float value,
              bool onRim = false) {
        const float foot = map_.place(lon);
        std::array<float, 2> footCm{};
        if (!onPaper(map_, foot, lat, footCm)) return;
        // The tick, types 1 and 2 outwards and type 3 inwards, as the pen would draw it.
        const float along = -g_.s;
        const bool meridian = out[0] == 0.0f;
        PaperExtent tick;
        std::vector<PaperChord> chords;
        if (pass_ == Pass::kTicks) tick.chords = &chords;
        if (!onRim) {
            MapPen measure(map_, Join::kGraticule, &tick, true);
            stepLine(map_, measure, lon, lat, out[0] * along, out[1] * along, g_.nptick, straight,
                     Placing::kFoot);
            if (!tick.any || (keep_ != nullptr && !keep_->holds(tick.box))) return;
            placed_.take(tick.box);
        }
        if (pass_ == Pass::kTicks) {
            std::vector<PaperChord>& line = drawn_.of(meridian, value);
            line.insert(line.end(), chords.begin(), chords.end());
            return;
        }
        if (pass_ == Pass::kInk && !onRim) {
            MapPen pen(map_, Join::kGraticule, nullptr, true);
            stepLine(map_, pen, lon, lat, out[0] * along, out[1] * along, g_.nptick, straight,
                     Placing::kFoot);
        }
        if (!meridian && g_.edgesMeet &&
            std::find(parallels_.begin(), parallels_.end(), value) != parallels_.end())
            return;
        // Where the tick ends outside the frame, and the way it runs out there: along the tick,
        // or along the line where the tick gives none.
        const bool outwards = along > 0.0f && !onRim;
        const std::array<float, 2> at = outwards ? tick.last : footCm;
        const auto from = [&](std::array<float, 2>& before) {
            if (outwards && tick.apart) {
                before = tick.before;
                return true;
            }
            float step = kWayStep;
            for (int32_t k = 0;; ++k, step *= 10.0f) {
                if (!onPaper(map_, foot - step * out[0], lat - step * out[1], before)) return false;
                if (k + 1 == kWaySteps ||
                    std::hypot(before[0] - at[0], before[1] - at[1]) >= kWayClear)
                    return true;
            }
        };
        label(foot, lat, out, at, from, meridian, value);
    }

    // The box of what was placed; false when nothing was.
    bool placed(Box& box) const {
        box = placed_.box;
        return placed_.any;
    }

  private:
    // The label of the line: its place on the ground 1.5 tick sizes out from the foot (no
    // farther than a pole), or its height beyond the tick's outer end `at` (cm), along the way
    // from the point that `from` gives.
    template <typename From>
    void label(float foot, float lat, std::array<float, 2> out, std::array<float, 2> at, From from,
               bool meridian, float value) {
        std::string text(9, ' ');
        int32_t nchar = 0;
        real2charf1(text, nchar, g_.ndec, 9, deg(value));
        const std::string_view shown =
            std::string_view(text).substr(0, static_cast<std::size_t>(nchar));
        const float pole = anglerad(kHalfPi);
        float x = foot + out[0] * g_.offset, y = std::clamp(lat + out[1] * g_.offset, -pole, pole);
        map_.project(&x, &y, &x, &y, 1);
        Box box;
        bool boxed = onMap(x, y) && ustextbox(x, y, shown, box);
        if (boxed) {
            float cx = x, cy = y;
            map_.page().toCm(&cx, &cy, &cx, &cy, 1);
            boxed = std::hypot(cx - at[0], cy - at[1]) <= box.height();
        } else if (!cmtextbox(at[0], at[1], shown, box)) {
            return;
        }
        if (!boxed) {
            std::array<float, 2> before{};
            if (!from(before)) return;
            const float dx = at[0] - before[0], dy = at[1] - before[1];
            const float way = std::hypot(dx, dy);
            if (!(way > 0.0f)) return;
            x = at[0] + box.height() * dx / way;
            y = at[1] + box.height() * dy / way;
            map_.page().toUser(&x, &y, &x, &y, 1);
            if (!ustextbox(x, y, shown, box)) return;
        }
        if (!free(box)) return;
        // Where it does not name its line, it is set beside the line's end, and stands there
        // only free and naming its line.
        if (!names(meridian, value, at, box) && !(besideEnd(at, from, shown, x, y, box) &&
                                                  free(box) && names(meridian, value, at, box)))
            return;
        labels_.push_back(box);
        if (!meridian) parallels_.push_back(value);
        placed_.take(box);
        if (pass_ == Pass::kInk) ustext2(x, y, shown);
    }

    // Whether a label may stand in the box: whole in the box the map keeps its marks in, and
    // apart from the labels already placed.
    bool free(const Box& box) const {
        if (keep_ != nullptr && !keep_->holds(box)) return false;
        const Box apart = box.grown(0.5f * (box.ymax - box.ymin));
        for (const Box& b : labels_)
            if (apart.overlaps(b)) return false;
        return true;
    }

    // Whether a label in the box names its line, which ends at `end` (cm) beside it.
    bool names(bool meridian, float value, std::array<float, 2> end, const Box& box) const {
        const float inside = kInkInside * box.height();
        const Box ink{box.xmin, box.ymin + inside, box.xmax, box.ymax - inside};
        return drawn_.names(meridian, value, end, ink, kByItsLine * box.height(), kFewCm);
    }

    // The label (its anchor x, y in user units, and its box) set beside its line's end `at`
    // (cm), beyond it along the way from the point that `from` gives: the box centred on that
    // way, its nearest side a share of its height from the end. False where the way is not
    // known or the text cannot be placed.
    template <typename From>
    bool besideEnd(std::array<float, 2> at, From from, std::string_view shown, float& x, float& y,
                   Box& box) const {
        std::array<float, 2> before{};
        if (!from(before)) return false;
        const float dx = at[0] - before[0], dy = at[1] - before[1];
        const float way = std::hypot(dx, dy);
        Box first;
        if (!(way > 0.0f) || !cmtextbox(at[0], at[1], shown, first)) return false;
        const float ux = dx / way, uy = dy / way;
        // From the end to the box's middle: the gap, and half the box across the way.
        const float reach = kBesideEnd * first.height() + 0.5f * first.width() * std::fabs(ux) +
                            0.5f * first.height() * std::fabs(uy);
        x = at[0] + reach * ux - 0.5f * (first.xmin + first.xmax - 2.0f * at[0]);
        y = at[1] + reach * uy - 0.5f * (first.ymin + first.ymax - 2.0f * at[1]);
        map_.page().toUser(&x, &y, &x, &y, 1);
        return ustextbox(x, y, shown, box);
    }

    const Map& map_;
    const Layout& g_;
    Pass pass_;
    const Box* keep_;
    DrawnLines& drawn_;
    std::vector<Box> labels_;
    std::vector<float> parallels_;  // the parallels labelled
    PaperExtent placed_;
};

// An edge of the frame: where it lies (a latitude or a longitude), the opposite edge, the way
// out of the frame across it, and the alignment of its labels.
struct Edge {
    float at, opposite, out;
    int32_t align;
};

// The ticks and labels of the meridians along the bottom and top edges, at every meridian
// (a frame alone included), each standing where its meridian meets the edge or, where the edge
// lies beyond the reach, the rim.
void meridianMarks(const Map& map, const Layout& g, Marks& marks) {
    const MapFrame& f = g.f;
    for (const Edge& e : {Edge{f.south, f.north, -1.0f, -10}, Edge{f.north, f.south, 1.0f, -2}}) {
        align(e.align);
        for (int32_t i = 0; i <= g.m; ++i) {
            const float lon = g.meridian(i, g.m);
            if (g.oneBound && i == 0) continue;
            const float lat = edgeLatitude(map, map.place(lon), e.at, e.opposite);
            marks.mark(lon, lat, {0.0f, e.out}, g.straightMeridians, lon, lat != e.at);
        }
    }
}

// The ticks and labels of the parallels along the right and left edges.
void parallelMarks(const Layout& g, Marks& marks) {
    const MapFrame& f = g.f;
    for (const Edge& e : {Edge{f.east, f.west, 1.0f, -5}, Edge{f.west, f.east, -1.0f, -7}}) {
        align(e.align);
        for (int32_t k = 0; k <= g.p; ++k) {
            const float lat = g.parallel(k, g.p);
            marks.mark(e.at, lat, {e.out, 0.0f}, g.straightParallels, lat);
        }
    }
}

// Sides of the frame are sampled at least every degree.
constexpr float kSideStepDegrees = 1.0f;
constexpr int32_t kSidePieces = 64;
constexpr int32_t kRimPoints = 720;

// Where a side meets the rim between two of its points beyond the points' box by more than this
// share of the box's width or height, the box takes it in: a part of the frame narrower than the
// step between two points is measured whole, and a wider one keeps the box its points give.
constexpr float kMetBeyond = 0.01f;

// A box of projected points, none until the first is taken.
struct PointBox {
    Box box;
    bool any = false;
    void take(float x, float y) {
        box = any ? Box{std::min(box.xmin, x), std::min(box.ymin, y), std::max(box.xmax, x),
                        std::max(box.ymax, y)}
                  : Box{x, y, x, y};
        any = true;
    }
};

// The bounding box of the projected points that the map shows, and of the points where the
// sides meet the rim between them; given `outline`, the frame's outline as the map shows it.
struct Extent {
    const Map& map;
    FrameOutline* outline = nullptr;
    PointBox points, met;

    void add(PointBox& to, float x, float y, float lon, float lat) {
        if (outline != nullptr) outline->points.push_back({lon, lat, x, y, true});
        to.take(x, y);
    }
    // n points of a side, their longitudes as placed; returns in `seen`, where given, which are
    // shown.
    void take(const float* lon, const float* lat, int32_t n, bool* seen = nullptr) {
        std::array<float, kSidePieces> x{}, y{};
        map.project(x.data(), y.data(), lon, lat, n);
        for (int32_t k = 0; k < n; ++k) {
            const auto i = static_cast<std::size_t>(k);
            const bool on = onMap(x[i], y[i]);
            if (seen != nullptr) seen[k] = on;
            if (on) {
                add(points, x[i], y[i], lon[k], lat[k]);
            } else {
                notWhole();
            }
        }
    }
    void notWhole() {
        if (outline != nullptr) outline->whole = false;
    }
    // The side from one corner to the other, both ends exactly at the corners, each point
    // placed by the map (`placed` false) or as given, and where it meets the rim between two
    // of them.
    void side(float lon1, float lat1, float lon2, float lat2, bool placed = false) {
        const float span = std::max(std::fabs(lon2 - lon1), std::fabs(lat2 - lat1));
        const int32_t n = heldCount(std::ceil(span / rad(kSideStepDegrees)), kSidesMax);
        // The pieces overlap by a point, so that each step between two points lies in one.
        std::array<float, kSidePieces> lon{}, lat{};
        std::array<bool, kSidePieces> seen{};
        int32_t m = 0;
        for (int32_t k = 0; k <= n; ++k) {
            const float t = static_cast<float>(k) / static_cast<float>(n);
            const auto i = static_cast<std::size_t>(m);
            lon[i] = k == n ? lon2 : lon1 + t * (lon2 - lon1);
            if (!placed) lon[i] = map.place(lon[i]);
            lat[i] = k == n ? lat2 : lat1 + t * (lat2 - lat1);
            if (++m < kSidePieces && k != n) continue;
            take(lon.data(), lat.data(), m, seen.data());
            for (std::size_t j = 1; j < static_cast<std::size_t>(m); ++j)
                if (seen[j] != seen[j - 1]) rim(lon[j - 1], lat[j - 1], lon[j], lat[j], seen[j]);
            lon[0] = lon[static_cast<std::size_t>(m - 1)];
            lat[0] = lat[static_cast<std::size_t>(m - 1)];
            m = 1;
        }
    }
    // Where the way between two points of a side, one shown, meets the rim; not across the seam.
    void rim(float lonA, float latA, float lonB, float latB, bool bShown) {
        if (map.crossesSeam(lonA, lonB)) return;
        const LinePoint p = bShown ? rimOnGraticule(map, lonB, latB, lonA, latA)
                                   : rimOnGraticule(map, lonA, latA, lonB, latB);
        add(met, p.x, p.y, p.lon, p.lat);
    }
    // The box of the points, with where the sides meet the rim where that lies beyond it.
    Box box() const {
        if (!met.any) return points.box;
        const Box& b = points.box;
        const float dx = kMetBeyond * b.width(), dy = kMetBeyond * b.height();
        if (b.xmin - dx <= met.box.xmin && met.box.xmax <= b.xmax + dx &&
            b.ymin - dy <= met.box.ymin && met.box.ymax <= b.ymax + dy)
            return b;
        Box all = b;
        all.take(met.box);
        return all;
    }
};

// The meridians of the grid (all, or the frame's with grid types 2 and 3), and where the frame
// runs across the seam the map's two edges there, each traced with the pen that `penOf` gives
// for it (a meridian's value, radians).
template <typename PenOf>
void traceMeridians(const Map& map, const Layout& g, PenOf penOf) {
    const MapFrame& f = g.f;
    const int32_t lines = g.frameOnly ? 1 : g.m;
    const float step = g.dlat / static_cast<float>(g.npgrid);
    for (int32_t i = 0; i <= lines; ++i) {
        const float lon = g.meridian(i, lines);
        if (!(g.oneBound && i == 0) && !(g.across && map.seamEdge(map.place(lon)) != 0))
            stepLine(map, penOf(lon), lon, f.south, 0.0f, step, g.npgrid, g.straightMeridians);
    }
    if (g.across)
        for (const float edge : {map.seamWest(), map.seamEast()})
            stepLine(map, penOf(edge), edge, f.south, 0.0f, step, g.npgrid, g.straightMeridians,
                     Placing::kGiven);
}

// The parallels, each drawn westward, likewise; the bottom and top edges on the rim where they
// lie beyond it.
template <typename PenOf>
void traceParallels(const Map& map, const Layout& g, PenOf penOf) {
    const MapFrame& f = g.f;
    const int32_t lines = g.frameOnly ? 1 : g.p;
    const float step = -g.dlon / static_cast<float>(g.npgrid);
    for (int32_t k = 0; k <= lines; ++k) {
        const float lat = g.parallel(k, lines);
        MapPen& pen = penOf(lat);
        if (k != 0 && k != lines) {
            stepLine(map, pen, f.east, lat, step, 0.0f, g.npgrid, g.straightParallels);
            continue;
        }
        const float other = k == 0 ? f.north : f.south;
        linePoints(map, f.east, lat, step, 0.0f, g.npgrid, g.straightParallels, Placing::kEach,
                   [&](float l, float p, bool draw) {
                       pen.to(l, edgeLatitude(map, map.place(l), p, other), draw);
                   });
    }
}

// The grid's lines and ticks as they will stand on the paper, each line with its own ticks.
void drawnLines(const Map& map, const Layout& g, DrawnLines& drawn) {
    // A pen of its own for each line, measuring into the line's chords.
    std::deque<PaperExtent> extents;
    std::deque<MapPen> pens;
    const auto penOf = [&](bool meridian) {
        return [&, meridian](float value) -> MapPen& {
            PaperExtent& e = extents.emplace_back();
            e.chords = &drawn.of(meridian, value);
            return pens.emplace_back(map, Join::kGraticule, &e);
        };
    };
    traceMeridians(map, g, penOf(true));
    traceParallels(map, g, penOf(false));
    if (!g.ticks) return;
    Marks ticks(map, g, Pass::kTicks, drawn);
    meridianMarks(map, g, ticks);
    parallelMarks(g, ticks);
}

}  // namespace

void drawllgrid(const Map& map) {
    submenuhead(kDrawllgrid);
    if (map.grid().gridtype == 0) {
        wout({"NO LAT-LONG GRID"});
        menutail();
        return;
    }
    wout({"LAT-LONG GRID TYPE =", fmtI(map.grid().gridtype, 4)});
    map.putOnPage();
    const Layout g(map);
    // A map that cannot show its frame holds no line, tick or label of it: what its ticks
    // would reach of the ground is not by any line of the frame.
    float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
    const bool shown = extrllgrid(map, x1, y1, x2, y2);
    MapPen pen(map, Join::kGraticule);
    const auto inked = [&](float) -> MapPen& { return pen; };
    DrawnLines drawn;
    if (shown && g.ticks) drawnLines(map, g, drawn);
    Marks marks(map, g, Pass::kInk, drawn);

    wout({"nb of meridians =", fmtI(g.m + 1, 6)});
    if (shown) traceMeridians(map, g, inked);
    if (shown && g.ticks) meridianMarks(map, g, marks);

    wout({"nb of parallels =", fmtI(g.p + 1, 6)});
    if (shown) traceParallels(map, g, inked);
    if (shown && g.ticks) parallelMarks(g, marks);
    // The text alignment is left as a drawn grid leaves it.
    if (!shown && g.ticks) align(-7);
    menutail();
}

bool gridMarksExtent(const Map& map, Box& box) {
    const Layout g(map);
    if (!g.ticks) return false;
    map.putOnPage();
    int32_t justification = 0;
    stextalign(justification, 3);
    DrawnLines drawn;
    drawnLines(map, g, drawn);
    Marks marks(map, g, Pass::kMeasure, drawn);
    meridianMarks(map, g, marks);
    parallelMarks(g, marks);
    stextalign(justification, 1);
    return marks.placed(box);
}

double gridLinesArea(const Map& map) {
    map.putOnPage();
    DrawnLines drawn;
    drawnLines(map, Layout(map), drawn);
    std::vector<std::array<float, 2>> ends = drawn.ends();
    return convexHullArea(ends);
}

bool extrllgrid(const Map& map, float& xmin, float& ymin, float& xmax, float& ymax,
                FrameOutline* outline) {
    const MapFrame& f = map.frame();
    if (outline != nullptr) *outline = {};
    Extent e{map, outline, {}, {}};
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
    int32_t in = 0;
    for (int32_t k = 0; k < n; ++k) {
        if (!f.contains(lon[static_cast<std::size_t>(k)], lat[static_cast<std::size_t>(k)]))
            continue;
        const auto i = static_cast<std::size_t>(in++);
        lon[i] = map.place(lon[static_cast<std::size_t>(k)]);
        lat[i] = lat[static_cast<std::size_t>(k)];
    }
    // The rim in the frame bounds a part of it that the map does not show.
    if (in > 0) e.notWhole();
    for (int32_t k = 0; k < in; k += kSidePieces)
        e.take(&lon[static_cast<std::size_t>(k)], &lat[static_cast<std::size_t>(k)],
               std::min(kSidePieces, in - k));
    const Box b = e.points.any ? e.box() : Box{};
    xmin = b.xmin;
    ymin = b.ymin;
    xmax = b.xmax;
    ymax = b.ymax;
    return xmax > xmin && ymax > ymin;
}

}  // namespace tensova

// The map: its frame, placement and membership; symbols where the map shows the ground, and
// one tracer of lines that ends them on the rim of the projection's reach, follows an
// azimuthal rim, and lifts the pen where the seam or the projection tears them apart.

#include "mapdraw/map_drawing.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "numeric/angles.hpp"
#include "plot/drawing.hpp"
#include "plot/transforms.hpp"
#include "projection/projection.hpp"

namespace tensova {
namespace {

// A point this close (radians) outside the frame lies on its edge: the bounds come back from
// degrees with a rounding.
constexpr float kFrameEdge = 1.0e-5f;
// Halvings of a segment in search of the rim: the point found lies within 2^-24 of the
// segment's length from it.
constexpr int32_t kRimSteps = 24;
// A chord whose two ends lie beyond the rim is looked at every degree of its ground (at most
// this many times): a long straight step may pass through what the map shows between them.
constexpr float kProbeDegrees = 1.0f;
constexpr int32_t kProbesMax = 360;
// On a map with a rim, a chord is divided where the ground between its ends lies farther than
// this (cm on the paper) from it: near the antipode of an equal-area map a short piece of
// ground runs along the rim. Each chord is divided at most this many times over.
constexpr float kFlatnessCm = 0.01f;
constexpr int32_t kDivisionsMax = 12;
// A chord longer than this (cm) is checked for a tear: halved towards its longer half, the
// piece that holds a jump never gets shorter than the jump, while a continuous piece shrinks
// below a quarter of the chord within a few halvings.
constexpr float kTearCheckCm = 1.0f;
constexpr int32_t kTearSteps = 40;
constexpr float kTearShare = 0.25f;
// The ground step (radians, some 6 km) to find how the ground lies on the map around a point.
constexpr float kGroundStep = 1.0e-3f;
// The step along a parallel is the ground step in angle of longitude, but no longer than this:
// close to a pole the parallel is a small circle.
constexpr float kLongitudeStepMax = 0.1f;

float fullTurn() {
    return anglerad(kTwoPi);
}

// A map that wraps the ground around a circle samples its frame this often (radians, a degree)
// to find where the frame lies around that circle. Within the reach of the transverse Mercator
// (80 degrees from the circle) the angle around it moves at most 1/cos 80 = 5.76 times as fast
// as the ground: two neighbouring samples lie no farther apart than 5.8 degrees around it.
constexpr float kAroundStep = 0.017453292f;
// The stretch of the circle that the frame must leave empty to have the tear moved into it
// (radians, 12 degrees): a narrower one may be the room between two samples of the frame.
constexpr float kEmptyStretch = 0.20943951f;

// The difference d taken the short way round a turn, in [-turn/2, turn/2].
template <typename T>
T shortWayOf(T d, T turn) {
    return std::remainder(d, turn);
}

float pi() {
    return anglerad(kPi);
}

LineRules rulesFor(const Map& map, Join join) {
    const ProjectionRow& p = map.projection();
    LineRules r;
    r.map = &map;
    r.join = join;
    r.rim = p.reachFrom != ReachFrom::kEverywhere;
    r.follow = p.azimuthal();
    r.seam = p.seam;
    r.tears = p.tears;
    const float unit = map.unitsPerCm();
    r.flatness = kFlatnessCm * unit;
    r.tearCheck = kTearCheckCm * unit;
    return r;
}

// Where a line's rules bound the way between two shown points by how far each lies within the
// reach, that is measured once, with the point.
inline void measure(const LineRules& r, LinePoint& p) {
    if (r.rim && !r.follow && p.shown) p.inside = r.map->withinReach(p.lon, p.lat);
}

// The point (its longitude as placed) where the map puts it.
LinePoint projected(const Map& map, float lon, float lat) {
    LinePoint p{lon, lat, 0.0f, 0.0f, false};
    map.project(&p.x, &p.y, &lon, &lat, 1);
    p.shown = onMap(p.x, p.y);
    return p;
}

float chord(const LinePoint& a, const LinePoint& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Whether the chord ab is longer than `length`, without a square root: most chords are short.
bool longerThan(const LinePoint& a, const LinePoint& b, float length) {
    const float dx = b.x - a.x, dy = b.y - a.y;
    return dx * dx + dy * dy > length * length;
}

// How far the projected point m lies from the chord ab.
float offChord(const LinePoint& a, const LinePoint& m, const LinePoint& b) {
    float nx = 0.0f, ny = 0.0f;
    return fromSegment(a.x, a.y, b.x, b.y, m.x, m.y, nx, ny);
}

// The point at t of the great circle from (lon1, lat1) to (lon2, lat2), its longitude taken
// the short way from lon1 (so that it stays in the same turn). Double precision: the points
// of a short side differ in the last digits of their unit vectors.
void greatCircle(float lon1, float lat1, float lon2, float lat2, float t, float& lon, float& lat) {
    const auto unit = [](float lo, float la) {
        return std::array<double, 3>{std::cos(double(la)) * std::cos(double(lo)),
                                     std::cos(double(la)) * std::sin(double(lo)),
                                     std::sin(double(la))};
    };
    const auto a = unit(lon1, lat1), b = unit(lon2, lat2);
    const double dot = std::clamp(a[0] * b[0] + a[1] * b[1] + a[2] * b[2], -1.0, 1.0);
    const double angle = std::acos(dot), s = std::sin(angle);
    // Points this close give the straight mix; opposite points no circle, the straight mix too.
    constexpr double kTiny = 1e-12;
    const double wa = s > kTiny ? std::sin((1.0 - t) * angle) / s : 1.0 - t;
    const double wb = s > kTiny ? std::sin(t * angle) / s : t;
    std::array<double, 3> v{};
    for (std::size_t k = 0; k < 3; ++k) v[k] = wa * a[k] + wb * b[k];
    lon = lon1 + static_cast<float>(shortWayOf(std::atan2(v[1], v[0]) - double(lon1), 2.0 * M_PI));
    lat = static_cast<float>(std::atan2(v[2], std::hypot(v[0], v[1])));
}

// The last point the map shows on a way from a, shown, to a point it does not show, whose point
// at t (from 0 at a to 1) `at` gives: where the way meets the rim, found in halving steps.
template <typename At>
LinePoint lastShown(const LinePoint& a, At at) {
    LinePoint found = a;
    float shown = 0.0f, hidden = 1.0f;
    for (int32_t k = 0; k < kRimSteps; ++k) {
        const float t = 0.5f * (shown + hidden);
        const LinePoint p = at(t);
        if (p.shown) {
            shown = t;
            found = p;
        } else {
            hidden = t;
        }
    }
    return found;
}

// Receives the moves and draws of a traced line.
class Sink {
  public:
    virtual void move(float x, float y) = 0;
    virtual void draw(float x, float y) = 0;

  protected:
    ~Sink() = default;
};

// Every move and draw at once, through the pen.
class PenSink final : public Sink {
  public:
    void move(float x, float y) override { usplot(x, y, 0); }
    void draw(float x, float y) override { usplot(x, y, 1); }
};

// No ink: the points on the map's paper, gathered into an extent.
class MeasureSink final : public Sink {
  public:
    MeasureSink(const Map& map, PaperExtent* extent) : map_(map), extent_(extent) {}
    void move(float x, float y) override {
        extent_->lifted = true;
        draw(x, y);
    }
    void draw(float x, float y) override {
        map_.page().toCm(&x, &y, &x, &y, 1);
        extent_->take(x, y);
    }

  private:
    const Map& map_;
    PaperExtent* extent_;
};

// The first piece of a line, from its first move to the next, passed on; nothing after it.
class OnePieceSink final : public Sink {
  public:
    OnePieceSink(Sink& to, bool& begun, bool& ended) : to_(to), begun_(begun), ended_(ended) {}
    void move(float x, float y) override {
        ended_ = ended_ || begun_;
        begun_ = true;
        if (!ended_) to_.move(x, y);
    }
    void draw(float x, float y) override {
        if (begun_ && !ended_) to_.draw(x, y);
    }

  private:
    Sink& to_;
    bool& begun_;
    bool& ended_;
};

// Whole polylines: a run of points from a move to the next move. A run of one point has no
// length and leaves no ink.
class PolylineSink final : public Sink {
  public:
    void move(float x, float y) override {
        flush();
        draw(x, y);
    }
    void draw(float x, float y) override {
        x_.push_back(x);
        y_.push_back(y);
    }
    void flush() {
        if (x_.size() >= 2) usline(x_.data(), y_.data(), static_cast<int32_t>(x_.size()));
        x_.clear();
        y_.clear();
    }

  private:
    std::vector<float> x_, y_;
};

// The one rule of lines on the map, for both the pen and the polylines. The pen stands on the
// last point of the line whenever the map shows that point.
class Tracer {
  public:
    Tracer(const LineRules& r, Sink& s) : r_(r), sink_(s) {}

    void start(const LinePoint& p) {
        if (p.shown) sink_.move(p.x, p.y);
    }

    // From the line's last point a to its next point b; `crossing` when the way between them
    // crosses the seam.
    void next(const LinePoint& a, const LinePoint& b, bool crossing) {
        const Map& map = *r_.map;
        if (r_.seam && crossing) {
            // The line leaves the map's turn on one side and comes back on the other: it is
            // drawn to the seam and goes on from the seam's other edge.
            const float lo = map.seamWest(), hi = map.seamEast();
            const bool west = b.lon > a.lon;
            const float da = west ? a.lon - lo : hi - a.lon;
            const float db = west ? hi - b.lon : b.lon - lo;
            const float t = da + db > 0.0f ? std::clamp(da / (da + db), 0.0f, 1.0f) : 0.0f;
            const float lat = a.lat + t * (b.lat - a.lat);
            const LinePoint ea = projected(map, west ? lo : hi, lat);
            const LinePoint eb = projected(map, west ? hi : lo, lat);
            segment(a, ea, 0);
            start(eb);
            segment(eb, b, 0);
            return;
        }
        segment(a, b, 0);
    }

  private:
    // The point at t of the way from a to b, as the line joins them.
    LinePoint between(const LinePoint& a, const LinePoint& b, float t) const {
        if (r_.join == Join::kGraticule)
            return projected(*r_.map, a.lon + t * (b.lon - a.lon), a.lat + t * (b.lat - a.lat));
        float lon = 0.0f, lat = 0.0f;
        greatCircle(a.lon, a.lat, b.lon, b.lat, t, lon, lat);
        return projected(*r_.map, lon, lat);
    }

    // The last point the map shows on the way from a, shown, to b, not shown: the rim.
    LinePoint rimPoint(const LinePoint& a, const LinePoint& b) const {
        return lastShown(a, [&](float t) { return between(a, b, t); });
    }

    // Whether the projection tears the chord ab apart; if so, ta and tb are the points on
    // either side of the tear.
    bool torn(const LinePoint& a, const LinePoint& b, LinePoint& ta, LinePoint& tb) const {
        const float whole = chord(a, b);
        LinePoint lo = a, hi = b;
        for (int32_t k = 0; k < kTearSteps; ++k) {
            const LinePoint m = between(lo, hi, 0.5f);
            if ((m.lon == lo.lon && m.lat == lo.lat) || (m.lon == hi.lon && m.lat == hi.lat))
                break;  // no point left between them
            if (!m.shown) break;
            const float da = chord(lo, m), db = chord(m, hi);
            if (da >= db) {
                hi = m;
            } else {
                lo = m;
            }
            if (std::max(da, db) < kTearShare * whole) return false;
        }
        ta = lo;
        tb = hi;
        return true;
    }

    // Whether the way between a and b, both shown, surely stays within the reach: none of its
    // points lies farther from the nearer end than half its length, which is at most its span
    // in latitude and longitude, and the distance from where the reach is measured changes no
    // faster than the ground does.
    bool staysWithin(const LinePoint& a, const LinePoint& b) const {
        const float half = 0.5f * (std::fabs(b.lat - a.lat) + std::fabs(b.lon - a.lon));
        const auto inside = [&](const LinePoint& p) {
            return p.inside >= 0.0f ? p.inside : r_.map->withinReach(p.lon, p.lat);
        };
        return half <= inside(a) && half <= inside(b);
    }

    void segment(const LinePoint& a, const LinePoint& b, int32_t depth) {
        if (a.shown && b.shown) {
            // The middle is looked at where the ground between them may lie beyond the rim, or
            // where the line follows an azimuthal rim.
            if (r_.rim && (r_.follow || !staysWithin(a, b))) {
                const LinePoint m = between(a, b, 0.5f);
                if (!m.shown) {
                    // The ground between them lies beyond the rim.
                    const LinePoint out = rimPoint(a, m), in = rimPoint(b, m);
                    sink_.draw(out.x, out.y);
                    sink_.move(in.x, in.y);
                    sink_.draw(b.x, b.y);
                    return;
                }
                if (r_.follow && depth < kDivisionsMax && offChord(a, m, b) > r_.flatness) {
                    segment(a, m, depth + 1);
                    segment(m, b, depth + 1);
                    return;
                }
            }
            if (r_.tears && longerThan(a, b, r_.tearCheck)) {
                LinePoint ta, tb;
                if (torn(a, b, ta, tb)) {
                    sink_.draw(ta.x, ta.y);
                    sink_.move(tb.x, tb.y);
                }
            }
            sink_.draw(b.x, b.y);
        } else if (a.shown) {
            if (r_.rim) {
                const LinePoint p = rimPoint(a, b);
                sink_.draw(p.x, p.y);
            }
        } else if (b.shown) {
            if (r_.rim) {
                const LinePoint p = rimPoint(b, a);
                sink_.move(p.x, p.y);
                sink_.draw(b.x, b.y);
            } else {
                sink_.move(b.x, b.y);
            }
        } else if (r_.rim) {
            // Neither end is shown, but the way between them may come within the reach: it is
            // drawn from where it enters to where it leaves.
            LinePoint m;
            if (shownBetween(a, b, m)) {
                segment(a, m, depth + 1);
                segment(m, b, depth + 1);
            }
        }
    }

    // Whether a point of the way between a and b, looked at every degree of its ground, is
    // shown; m is the first such point.
    bool shownBetween(const LinePoint& a, const LinePoint& b, LinePoint& m) const {
        const float span = std::fabs(b.lon - a.lon) + std::fabs(b.lat - a.lat);
        const float probes = std::ceil(span / anglerad(kDegToRad) / kProbeDegrees);
        const int32_t n =
            probes < static_cast<float>(kProbesMax) ? static_cast<int32_t>(probes) : kProbesMax;
        for (int32_t k = 1; k < n; ++k) {
            m = between(a, b, static_cast<float>(k) / static_cast<float>(n));
            if (m.shown) return true;
        }
        return false;
    }

    const LineRules& r_;
    Sink& sink_;
};

// Where a map that wraps the ground around a circle tears it: in the middle of the widest
// stretch of the circle on which no ground of the frame that the map shows lies, so that a frame
// which leaves such a stretch is drawn in one piece; the south pole where the frame leaves none
// (the whole world) or only a narrow one. The tear is given in [-3pi/2, pi/2], the turn it lays
// out then holding every angle of a frame that leaves the south pole empty as the south pole's
// turn holds it: such a frame is drawn as before.
float tearAwayFrom(const ProjectionRow& row, const ProjectionParams& p, const Reach& reach,
                   ReachDistance distance, const MapFrame& f) {
    const auto steps = [](float span) {
        return std::max(1, static_cast<int32_t>(std::ceil(span / kAroundStep)));
    };
    const int32_t across = steps(f.east - f.west), up = steps(f.north - f.south);
    std::vector<float> around;
    for (int32_t i = 0; i <= across; ++i) {
        const float lon =
            f.west + (f.east - f.west) * static_cast<float>(i) / static_cast<float>(across);
        for (int32_t k = 0; k <= up; ++k) {
            const float lat =
                f.south + (f.north - f.south) * static_cast<float>(k) / static_cast<float>(up);
            if (distance(p, lon, lat) <= reach.angle) around.push_back(row.around(p, lon, lat));
        }
    }
    if (around.empty()) return kSouthTear;
    std::sort(around.begin(), around.end());
    const float turn = fullTurn();
    // The stretch from the last angle round to the first, then those between neighbours.
    float from = around.back(), width = around.front() + turn - around.back();
    for (std::size_t k = 1; k < around.size(); ++k) {
        if (around[k] - around[k - 1] <= width) continue;
        from = around[k - 1];
        width = around[k] - around[k - 1];
    }
    if (width < kEmptyStretch) return kSouthTear;
    float tear = from + 0.5f * width;
    while (tear > anglerad(kHalfPi)) tear -= turn;
    return tear;
}

}  // namespace

float intoTurn(float lon, float first, float last) {
    if (lon >= first - kFrameEdge && lon <= last + kFrameEdge) return lon;
    float r = lon;
    modulro(&r, &lon, fullTurn(), first, 1);
    return r;
}

bool MapFrame::contains(float lon, float lat) const {
    if (lat < south - kFrameEdge || lat > north + kFrameEdge) return false;
    const float l = fromWest(lon);
    // Just west of the west edge comes back a turn east of it.
    return l <= east + kFrameEdge || l >= west + fullTurn() - kFrameEdge;
}

bool MapFrame::meets(float w, float e, float s, float n) const {
    if (n < south - kFrameEdge || s > north + kFrameEdge) return false;
    // The extent starts in the frame, or runs into it from the west.
    const float from = fromWest(w);
    return from <= east + kFrameEdge || from + (e - w) >= west + fullTurn() - kFrameEdge;
}

float MapFrame::fromWest(float lon) const {
    return intoTurn(lon, west, east);
}

bool MapFrame::wholeTurn() const {
    return east - west >= fullTurn() - kFrameEdge;
}

float eastOf(float west, float east) {
    constexpr double kTurn = 360.0;
    const double span = static_cast<double>(east) - static_cast<double>(west);
    if (span > 0.0) return east;
    return static_cast<float>(static_cast<double>(west) + std::fmod(span, kTurn) + kTurn);
}

Map::Map(const MapFrame& frame, const GridStyle& grid)
    : row_(&currentProjection()),
      params_(currentProjectionParams()),
      reach_(row_->reach(params_)),
      distance_(reachDistance(reach_.from)),
      frame_(frame),
      grid_(grid),
      half_(pi()),
      page_(pageTransform()) {
    if (row_->around != nullptr)
        params_.tear = tearAwayFrom(*row_, params_, reach_, distance_, frame);
    switch (row_->placement) {
        case Placement::kFrame:
            centre_ = 0.5f * (frame.west + frame.east);
            break;
        case Placement::kCentralMeridian:
            centre_ = params_.llpparam.lon0;
            break;
        case Placement::kGreenwich:
            centre_ = 0.0f;
            break;
    }
    if (!row_->seam) return;
    // Where the seam lies in the frame: at one of its edges, a point on the seam belongs to
    // the map's edge on the frame's side; inside it, the frame runs across the seam.
    const float seam = frame.fromWest(seamEast());
    const bool atWest = std::fabs(shortWay(frame.west - seamEast())) <= kFrameEdge;
    const bool atEast = std::fabs(shortWay(frame.east - seamEast())) <= kFrameEdge;
    if (atWest != atEast) frameEdgeOnSeam_ = atWest ? -1 : 1;
    seamInFrame_ = !atWest && !atEast && seam < frame.east;
}

float Map::place(float lon) const {
    const float r = intoTurn(lon, seamWest(), seamEast());
    if (frameEdgeOnSeam_ != 0 && seamEdge(r) != 0)
        return frameEdgeOnSeam_ < 0 ? seamWest() : seamEast();
    return r;
}

bool Map::inTurn(float lon) const {
    return lon >= seamWest() - kFrameEdge && lon <= seamEast() + kFrameEdge;
}

int32_t Map::seamEdge(float lon) const {
    if (!row_->seam) return 0;
    if (std::fabs(lon - seamWest()) <= kFrameEdge) return -1;
    if (std::fabs(lon - seamEast()) <= kFrameEdge) return 1;
    return 0;
}

bool Map::crossesSeam(float lonA, float lonB) const {
    const float d = lonB - lonA;
    return shortWay(d) != d;
}

void Map::project(float* x, float* y, const float* lon, const float* lat, int32_t n,
                  bool exact) const {
    if (!showsFrame_) {
        std::fill_n(x, std::max(n, 0), kFarAway);
        std::fill_n(y, std::max(n, 0), kFarAway);
        return;
    }
    row_->projectShown(params_, reach_, x, y, lon, lat, n, exact);
}

int32_t Map::rim(float* lon, float* lat, int32_t n) const {
    return showsFrame_ ? row_->rim(params_, lon, lat, n) : 0;
}

void Map::scaleInto(const Box& projected, const Box& paper) {
    float x0 = paper.xmin, y0 = paper.ymin, width = paper.width(), height = paper.height();
    float x1 = projected.xmin, x2 = projected.xmax, y1 = projected.ymin, y2 = projected.ymax;
    int32_t isoxy = 1;
    sus2cm3(x0, y0, width, height, x1, x2, y1, y2, isoxy, 1);
    page_ = pageTransform();
}

LinePoint rimOnGraticule(const Map& map, float lonIn, float latIn, float lonOut, float latOut) {
    return lastShown(projected(map, lonIn, latIn), [&](float t) {
        return projected(map, lonIn + t * (lonOut - lonIn), latIn + t * (latOut - latIn));
    });
}

float shortWay(float dlon) {
    return shortWayOf(dlon, fullTurn());
}

bool onMap(float x, float y) {
    return std::fabs(x) < kFarAway && std::fabs(y) < kFarAway;
}

int32_t projectOnMap(const Map& map, float* x, float* y, float* lon, const float* lat, int32_t n) {
    if (n < 1) return 0;
    // The frame is tested before the projection may overwrite the points.
    std::vector<bool> inFrame(static_cast<std::size_t>(n));
    for (int32_t i = 0; i < n; ++i) {
        inFrame[static_cast<std::size_t>(i)] = map.frame().contains(lon[i], lat[i]);
        lon[i] = map.place(lon[i]);
    }
    map.project(x, y, lon, lat, n);
    int32_t off = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (inFrame[static_cast<std::size_t>(i)] && onMap(x[i], y[i])) continue;
        x[i] = kFarAway;
        y[i] = kFarAway;
        ++off;
    }
    return off;
}

void symbolsOnMap(const Map& map, const float* x, const float* y, int32_t n) {
    map.putOnPage();
    int32_t i = 0;
    while (i < n) {
        if (!onMap(x[i], y[i])) {
            ++i;
            continue;
        }
        int32_t j = i + 1;
        while (j < n && onMap(x[j], y[j])) ++j;
        ussymbol(x + i, y + i, j - i);
        i = j;
    }
}

void PaperExtent::take(const Box& b) {
    if (!any) box = b;
    box.take(b);
    any = true;
}

void PaperExtent::take(float x, float y) {
    if (chords != nullptr && any && !lifted && (x != last[0] || y != last[1]))
        chords->push_back({last[0], last[1], x, y});
    lifted = false;
    if (any && (x != last[0] || y != last[1])) {
        before = last;
        apart = true;
    }
    take({x, y, x, y});
    last = {x, y};
}

MapPen::MapPen(const Map& map, Join join, PaperExtent* measure, bool onePiece)
    : rules_(rulesFor(map, join)), measure_(measure), onePiece_(onePiece) {
    if (measure == nullptr) map.putOnPage();
}

void MapPen::to(float lon, float lat, bool draw) {
    const Map& map = *rules_.map;
    const bool goesOn = draw && started_;
    if (goesOn && rules_.join == Join::kGraticule) {
        // A grid line's way is its step, however long: it crosses the seam only where the step
        // takes it out of the map's turn.
        const float on = last_.lon + (lon - lastGiven_);
        lastGiven_ = lon;
        if (map.inTurn(on)) {
            step(on, lat, draw, false);
        } else {
            step(map.place(lon), lat, draw, true);
        }
        return;
    }
    lastGiven_ = lon;
    const float placed = map.place(lon);
    step(placed, lat, draw, goesOn && map.crossesSeam(last_.lon, placed));
}

void MapPen::toPlaced(float lon, float lat, bool draw) {
    lastGiven_ = lon;
    step(lon, lat, draw, false);
}

void MapPen::step(float lon, float lat, bool draw, bool crossing) {
    LinePoint p = projected(*rules_.map, lon, lat);
    measure(rules_, p);
    PenSink pen;
    MeasureSink measure(*rules_.map, measure_);
    Sink& sink = measure_ != nullptr ? static_cast<Sink&>(measure) : pen;
    OnePieceSink piece(sink, begun_, ended_);
    Tracer t(rules_, onePiece_ ? static_cast<Sink&>(piece) : sink);
    if (draw && started_) {
        t.next(last_, p, crossing);
    } else {
        t.start(p);
    }
    started_ = true;
    last_ = p;
}

void drawMapLine(const Map& map, const float* lon, const float* lat, int32_t n) {
    if (n < 1) return;
    map.putOnPage();
    const auto size = static_cast<std::size_t>(n);
    std::vector<float> wlon(size), x(size), y(size);
    for (std::size_t i = 0; i < size; ++i) wlon[i] = map.place(lon[i]);
    map.project(x.data(), y.data(), wlon.data(), lat, n);
    const LineRules rules = rulesFor(map, Join::kGreatCircle);
    PolylineSink sink;
    Tracer t(rules, sink);
    LinePoint last;
    for (std::size_t i = 0; i < size; ++i) {
        LinePoint p{wlon[i], lat[i], x[i], y[i], onMap(x[i], y[i])};
        measure(rules, p);
        if (i == 0) {
            t.start(p);
        } else {
            t.next(last, p, map.crossesSeam(last.lon, p.lon));
        }
        last = p;
    }
    sink.flush();
}

float GroundAxes::turn(float azimuth, bool conformal) const {
    if (!ok) return 0.0f;
    if (conformal) return std::atan2(nx, ny);
    const float s = std::sin(azimuth), c = std::cos(azimuth);
    return shortWay(std::atan2(s * ex + c * nx, s * ey + c * ny) - azimuth);
}

void groundAxes(const Map& map, GroundAxes* axes, const float* lon, const float* lat,
                const float* x, const float* y, int32_t n) {
    if (n < 1) return;
    // Only the points on the map get symbols: the others are passed over.
    std::vector<std::size_t> shown;
    for (int32_t i = 0; i < n; ++i) {
        axes[i] = GroundAxes{};
        if (onMap(x[i], y[i])) shown.push_back(static_cast<std::size_t>(i));
    }
    if (shown.empty()) return;
    const std::size_t size = shown.size();
    const float edge = anglerad(kHalfPi) - 2.0f * kGroundStep;
    // Around each point: the point itself (moved off a pole along its meridian, where east has
    // no direction), a step north and south, a step east and west.
    constexpr std::size_t kAround = 5;
    std::vector<float> slon(kAround * size), slat(kAround * size);
    std::vector<float> sx(kAround * size), sy(kAround * size);
    std::vector<float> dlon(size);
    for (std::size_t j = 0; j < size; ++j) {
        const std::size_t i = shown[j];
        const float phi = std::clamp(lat[i], -edge, edge);
        dlon[j] = std::min(kGroundStep / std::cos(phi), kLongitudeStepMax);
        const std::array<float, kAround> ln{lon[i], lon[i], lon[i], lon[i] + dlon[j],
                                            lon[i] - dlon[j]};
        const std::array<float, kAround> lt{phi, phi + kGroundStep, phi - kGroundStep, phi, phi};
        for (std::size_t k = 0; k < kAround; ++k) {
            slon[kAround * j + k] = ln[k];
            slat[kAround * j + k] = lt[k];
        }
    }
    map.project(sx.data(), sy.data(), slon.data(), slat.data(),
                static_cast<int32_t>(kAround * size), true);
    for (std::size_t j = 0; j < size; ++j) {
        GroundAxes& a = axes[shown[j]];
        const std::size_t b = kAround * j;
        const auto seen = [&](std::size_t k) { return onMap(sx[b + k], sy[b + k]); };
        if (!seen(0)) continue;
        // A central difference where both steps are shown, one step where only one is.
        const auto difference = [&](std::size_t plus, std::size_t minus, float step, float& dx,
                                    float& dy) {
            const std::size_t hi = seen(plus) ? plus : 0, lo = seen(minus) ? minus : 0;
            if (hi == lo) return false;
            const float span = (hi == 0 || lo == 0) ? step : 2.0f * step;
            dx = (sx[b + hi] - sx[b + lo]) / span;
            dy = (sy[b + hi] - sy[b + lo]) / span;
            return true;
        };
        const float ground = dlon[j] * std::cos(slat[b]);
        a.ok = difference(1, 2, kGroundStep, a.nx, a.ny) && difference(3, 4, ground, a.ex, a.ey);
    }
}

}  // namespace tensova

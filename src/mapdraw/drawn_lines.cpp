// The grid's lines on the paper, and the line a label stands by.

#include "mapdraw/drawn_lines.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "numeric/angles.hpp"

namespace tensova {
namespace {

// Two values of a line are one where they differ by less than this (radians): the same
// meridian or parallel reached through other sums.
constexpr float kSameValue = 1.0e-5f;

using PaperPoint = std::array<float, 2>;

// The point of the chord nearest to p, and how far it lies.
float fromChord(const PaperChord& c, const PaperPoint& p, PaperPoint& nearest) {
    return fromSegment(c[0], c[1], c[2], c[3], p[0], p[1], nearest[0], nearest[1]);
}

// Where the chord enters the box, if it meets it (clipped against each side in turn).
bool meets(const Box& b, const PaperChord& c, PaperPoint& entry) {
    float t0 = 0.0f, t1 = 1.0f;
    const float dx = c[2] - c[0], dy = c[3] - c[1];
    const std::array<float, 4> p{-dx, dx, -dy, dy};
    const std::array<float, 4> q{c[0] - b.xmin, b.xmax - c[0], c[1] - b.ymin, b.ymax - c[1]};
    for (std::size_t k = 0; k < 4; ++k) {
        if (p[k] == 0.0f) {
            if (q[k] < 0.0f) return false;
            continue;
        }
        const float r = q[k] / p[k];
        if (p[k] < 0.0f) {
            t0 = std::max(t0, r);
        } else {
            t1 = std::min(t1, r);
        }
        if (t0 > t1) return false;
    }
    entry = {c[0] + t0 * dx, c[1] + t0 * dy};
    return true;
}

// How far apart two boxes lie (0 where they meet).
float apart(const Box& a, const Box& b) {
    return std::hypot(std::max({a.xmin - b.xmax, 0.0f, b.xmin - a.xmax}),
                      std::max({a.ymin - b.ymax, 0.0f, b.ymin - a.ymax}));
}

Box pointBox(const PaperPoint& p) {
    return {p[0], p[1], p[0], p[1]};
}

// How far the chord lies from the box, and its point nearest to it: an end of the chord, or
// the point nearest to a corner of the box, where the two do not meet.
float boxToChord(const Box& b, const PaperChord& c, PaperPoint& nearest) {
    if (meets(b, c, nearest)) return 0.0f;
    float best = std::numeric_limits<float>::max();
    for (const PaperPoint& end : {PaperPoint{c[0], c[1]}, PaperPoint{c[2], c[3]}}) {
        const float d = apart(b, pointBox(end));
        if (d < best) best = d, nearest = end;
    }
    for (const PaperPoint& corner : {PaperPoint{b.xmin, b.ymin}, PaperPoint{b.xmax, b.ymin},
                                     PaperPoint{b.xmin, b.ymax}, PaperPoint{b.xmax, b.ymax}}) {
        PaperPoint q{};
        const float d = fromChord(c, corner, q);
        if (d < best) best = d, nearest = q;
    }
    return best;
}

Box chordBox(const PaperChord& c) {
    return {std::min(c[0], c[2]), std::min(c[1], c[3]), std::max(c[0], c[2]), std::max(c[1], c[3])};
}

// Chords are boxed in runs of this many.
constexpr std::size_t kRun = 32;
// A chord shorter than this (cm, a fiftieth of a point) leaves no ink: a line that the map
// shows at a point alone (a pole at the edge of its reach) is not drawn there.
constexpr float kNoInk = 0.0007f;

bool inked(const PaperChord& c) {
    return std::hypot(c[2] - c[0], c[3] - c[1]) >= kNoInk;
}

bool sameLine(bool meridian, float a, bool otherMeridian, float b) {
    if (meridian != otherMeridian) return false;
    const float d = meridian ? std::remainder(a - b, anglerad(kTwoPi)) : a - b;
    return std::fabs(d) < kSameValue;
}

}  // namespace

std::vector<PaperChord>& DrawnLines::of(bool meridian, float value) {
    for (Line& l : lines_)
        if (sameLine(meridian, value, l.meridian, l.value)) return l.chords;
    Line& l = lines_.emplace_back();
    l.meridian = meridian;
    l.value = value;
    return l.chords;
}

std::vector<std::array<float, 2>> DrawnLines::ends() const {
    std::vector<std::array<float, 2>> points;
    for (const Line& l : lines_)
        for (const PaperChord& c : l.chords) {
            points.push_back({c[0], c[1]});
            points.push_back({c[2], c[3]});
        }
    return points;
}

void DrawnLines::box(Line& l) {
    if (l.boxed == l.chords.size()) return;
    l.runs.clear();
    for (std::size_t k = 0; k < l.chords.size(); ++k) {
        const Box b = chordBox(l.chords[k]);
        if (k % kRun == 0) {
            l.runs.push_back(b);
        } else {
            l.runs.back().take(b);
        }
        if (k == 0) l.all = b;
        l.all.take(b);
    }
    l.boxed = l.chords.size();
}

bool DrawnLines::nearer(const Line& l, const Box& box, float than) {
    if (l.chords.empty() || !(apart(l.all, box) < than)) return false;
    for (std::size_t r = 0; r < l.runs.size(); ++r) {
        if (!(apart(l.runs[r], box) < than)) continue;
        const std::size_t end = std::min(l.chords.size(), (r + 1) * kRun);
        for (std::size_t k = r * kRun; k < end; ++k) {
            PaperPoint p{};
            if (inked(l.chords[k]) && boxToChord(box, l.chords[k], p) < than) return true;
        }
    }
    return false;
}

bool DrawnLines::passes(const Line& l, const PaperPoint& at, float within) {
    for (std::size_t r = 0; r < l.runs.size(); ++r) {
        if (apart(l.runs[r], pointBox(at)) > within) continue;
        const std::size_t end = std::min(l.chords.size(), (r + 1) * kRun);
        for (std::size_t k = r * kRun; k < end; ++k) {
            PaperPoint p{};
            if (fromChord(l.chords[k], at, p) <= within) return true;
        }
    }
    return false;
}

bool DrawnLines::names(bool meridian, float value, const PaperPoint& end, const Box& box,
                       float reach, float few) const {
    float own = std::numeric_limits<float>::max();
    for (Line& l : lines_) {
        DrawnLines::box(l);
        if (!sameLine(meridian, value, l.meridian, l.value)) continue;
        for (const PaperChord& c : l.chords) {
            PaperPoint p{};
            if (inked(c)) own = std::min(own, boxToChord(box, c, p));
        }
    }
    if (!(own <= reach)) return false;
    for (const Line& l : lines_)
        if (!sameLine(meridian, value, l.meridian, l.value) && nearer(l, box, own - few) &&
            !passes(l, end, few))
            return false;
    return true;
}

}  // namespace tensova

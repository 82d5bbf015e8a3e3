// The geometry of the overlays: the longitude window of the shoreline listing, the extent test
// of shoreline polygons, the ways a line is drawn on the map, and the sampling of polygon
// sides.

#include <algorithm>
#include <cmath>
#include <string>

#include "console/boxes.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "curve/point_buffers.hpp"
#include "curve/running_point.hpp"
#include "mapdraw/overlays.hpp"
#include "numeric/angles.hpp"
#include "numeric/frames.hpp"
#include "numeric/vectors.hpp"
#include "plot/drawing.hpp"
#include "projection/projection.hpp"

namespace tensova {
namespace {

constexpr float kTurn = 360.0f;
constexpr float kMaxMargin = 3.0f;
// A side whose vertices are this close (or this close to opposite) has no defined great
// circle in single precision: its plane would be rounding noise.
constexpr float kDegenerateSide = 1.0e-6f;
// Bound on points per side before the conversion to an integer; the running point then cuts
// the number to what the buffers hold, with its own warning.
constexpr float kSidePointsBound = 1.0e9f;

void sideBox(int32_t side, float lon1, float lat1, float lon2, float lat2) {
    errorhead(kContours1);
    wout({"INCONSISTENT POLYGON CONTOUR:"});
    wout({"Side #", fmtI(side, 6)});
    wout({fmtA("Vertex #", 8), fmtA("longitude", 8), fmtA("latitude", 8)});
    wout({fmtI(side, 8), fmtF(deg(lon1), 8, 3), fmtF(deg(lat1), 8, 3)});
    wout({fmtI(side + 1, 8), fmtF(deg(lon2), 8, 3), fmtF(deg(lat2), 8, 3)});
    wout({"||(OV1 x OV2) x OV1|| = 0"});
    wout({"V2 = V1 ?"});
    wout({"==> SKIPPING THIS SIDE"});
    errortail00();
}

// Sets the running point to np points from 0 to `last`, and says so at output level 2.
void sideSampling(int32_t side, float angle, float ppr, float last) {
    int32_t np = std::max(2, static_cast<int32_t>(std::clamp(ppr * angle, 0.0f, kSidePointsBound)));
    float first = 0.0f;
    scptnp(np, 1);
    scptif(first, last, 1);
    scptend(1, 1);
    if (lwito(2)) {
        wout({"Side #", fmtI(side, 3), "Angle =", fmtF(deg(angle), 10, 4)});
        wout({ptblock.ptlabel});
    }
}

struct Side {
    Vec3 v1{};
    Vec3 w{};  // (v1 x v2) x v1, made a unit vector when it has a length
    float wlen = 0.0f;
    float angle = 0.0f;
};

Side sideOf(float lon1, float lat1, float lon2, float lat2) {
    Side s;
    Vec3 v2{};
    ll2ccn(&s.v1[0], &s.v1[1], &s.v1[2], &lon1, &lat1, 1);
    ll2ccn(&v2[0], &v2[1], &v2[2], &lon2, &lat2, 1);
    Vec3 normal{};
    vecprod3d(normal.data(), s.v1.data(), v2.data(), 1);
    vecprod3d(s.w.data(), normal.data(), s.v1.data(), 1);
    vecnorm(&s.wlen, s.w.data(), 3, 1);
    if (s.wlen > kDegenerateSide)
        for (float& c : s.w) c /= s.wlen;
    // The angle from the sine and the cosine together: the arc cosine of a dot product near 1
    // has no digits left for a side of a few kilometres.
    float dot = 0.0f, cross = 0.0f;
    scalprodn(&dot, s.v1.data(), v2.data(), 3, 1);
    vecnorm(&cross, normal.data(), 3, 1);
    s.angle = std::atan2(cross, dot);
    return s;
}

}  // namespace

std::string f93(float v) {
    return fmtF(v, 9, 3);
}

LonWindow lonWindow(const MapFrame& frame) {
    LonWindow w;
    w.frame = frame;
    w.lonmin = deg(frame.west);
    w.width = frame.wholeTurn() ? kTurn : deg(frame.east) - w.lonmin;
    w.lonmax = w.lonmin + w.width;
    const float margin = std::min(0.5f * (kTurn - w.width), kMaxMargin);
    w.origin = w.lonmin - margin;
    w.margin = rad(margin);
    return w;
}

float intoWindow(float lon, const LonWindow& w) {
    return deg(intoTurn(rad(lon), w.frame.west - w.margin, w.frame.east));
}

bool shoreInFrame(const ShoreHeader& h, const MapFrame& f, int32_t counter) {
    if (h.west <= h.east) return f.meets(rad(h.west), rad(h.east), rad(h.south), rad(h.north));
    warninghead(kContours1);
    wout({"PROBLEM IN INPUT FILE ?"});
    listingRule();
    shoreHeadings();
    listingRow({counter, h.id, h.n, h.level}, {h.west, h.east, h.south, h.north});
    listingRule();
    wout({"longitude mini > maxi"});
    wout({"=> No global longitude clipping for this polygon"});
    warningtail00();
    return f.meets(f.west, f.east, rad(h.south), rad(h.north));
}

void PenLine::point(float lon, float lat) {
    pen_.to(rad(lon), rad(lat), true);
}

namespace {

// Where the way from a, in the frame (its longitude in the frame's turn), to b, outside it,
// crosses the frame's edge. The way is the short way round, as the pen draws it.
void frameCrossing(const MapFrame& f, float alon, float alat, float blon, float blat, float& lon,
                   float& lat) {
    const float dlon = shortWay(blon - alon);
    const float dlat = blat - alat;
    float t = 1.0f;
    const auto limit = [&](float from, float step, float lo, float hi) {
        if (step > 0.0f && from + step > hi) t = std::min(t, (hi - from) / step);
        if (step < 0.0f && from + step < lo) t = std::min(t, (lo - from) / step);
    };
    limit(alon, dlon, f.west, f.east);
    limit(alat, dlat, f.south, f.north);
    t = std::clamp(t, 0.0f, 1.0f);
    lon = alon + t * dlon;
    lat = alat + t * dlat;
}

}  // namespace

void ClippedLine::point(float lon, float lat) {
    const MapFrame& f = map_.frame();
    const float l = f.fromWest(rad(lon)), p = rad(lat);
    const bool in = f.contains(l, p);
    float xlon = 0.0f, xlat = 0.0f;
    if (first_) {
        pen_.lift();
        if (in) pen_.to(l, p, false);
    } else if (in && prevInside_) {
        pen_.to(l, p, true);
    } else if (in) {
        // Coming in: from the edge.
        frameCrossing(f, l, p, prevLon_, prevLat_, xlon, xlat);
        const bool onEdge = xlon == l && xlat == p;
        pen_.to(xlon, xlat, false);
        if (!onEdge) pen_.to(l, p, true);
    } else if (prevInside_) {
        // Going out: to the edge.
        frameCrossing(f, prevLon_, prevLat_, l, p, xlon, xlat);
        pen_.to(xlon, xlat, true);
    }
    first_ = false;
    prevInside_ = in;
    prevLon_ = l;
    prevLat_ = p;
}

void drawPolylineDegrees(const Map& map, int32_t n) {
    Cc2dbuff& a = cc2dbuff;
    deg2rad(a.x(), a.x(), n);
    deg2rad(a.y(), a.y(), n);
    drawPolylineRadians(map, n);
}

void drawPolylineRadians(const Map& map, int32_t n) {
    drawMapLine(map, cc2dbuff.x(), cc2dbuff.y(), n);
}

void drawSides(const Map& map, int32_t v, int32_t boundary, float ppd) {
    const float* lon = cc2dbuff.x();
    const float* lat = cc2dbuff.y();
    Cc3dbuff& b = cc3dbuff;
    const float ppr = ppd * 180.0f / rad(180.0f);
    if (boundary != 1 && boundary != 2) {
        if (lwito(2)) {
            wout({"Boundaries = Xp-Yp lines"});
            wout({"Number of sides =", fmtI(v, 6)});
        }
        drawPolylineRadians(map, v);
        return;
    }
    std::string name = boundary == 1 ? "Angle (radians)" : "Barycentic coef";
    if (lwito(2))
        wout({boundary == 1 ? "Boundaries = great circles" : "Boundaries = long,lat lines"});
    scptnam(name, 1);
    for (int32_t i = 1; i < v; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        const Side s = sideOf(lon[k], lat[k], lon[k + 1], lat[k + 1]);
        if (boundary == 1) {
            if (s.wlen <= kDegenerateSide) {
                sideBox(i, lon[k], lat[k], lon[k + 1], lat[k + 1]);
                continue;
            }
            sideSampling(i, s.angle, ppr, s.angle);
        } else {
            sideSampling(i, s.angle, ppr, 1.0f);
        }
        const Vec3& w = s.w;
        for (ptblock.ipt = 1; ptblock.ipt <= ptblock.np; ++ptblock.ipt) {
            const auto j = static_cast<std::size_t>(ptblock.ipt - 1);
            const float t = ptblock.pti + static_cast<float>(ptblock.ipt - 1) * ptblock.ptd;
            ptblock.pt = t;
            if (boundary == 1) {
                const float c = std::cos(t);
                const float sn = std::sin(t);
                b.x()[j] = s.v1[0] * c + w[0] * sn;
                b.y()[j] = s.v1[1] * c + w[1] * sn;
                b.z()[j] = s.v1[2] * c + w[2] * sn;
            } else {
                // Straight in longitude and latitude: no wrap, so a side from 170 to -170
                // degrees runs through longitude 0.
                b.x()[j] = (1.0f - t) * lon[k] + t * lon[k + 1];
                b.y()[j] = (1.0f - t) * lat[k] + t * lat[k + 1];
            }
        }
        if (boundary == 1) cc2lln(b.x(), b.y(), b.x(), b.y(), b.z(), ptblock.np);
        drawMapLine(map, b.x(), b.y(), ptblock.np);
    }
}

}  // namespace tensova

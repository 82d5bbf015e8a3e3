#pragma once
// Plane outlines of unit length along x (an arrow with its tip at the origin pointing towards
// -x, and a bar), and the maps that move point arrays in the plane. Points are two parallel
// arrays x and y. In the maps a count below 1 changes nothing and the outputs may be the inputs.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "numeric/matrices.hpp"

namespace tensova {

// An upright rectangle in the plane, xmin <= xmax and ymin <= ymax.
struct Box {
    float xmin = 0.0f, ymin = 0.0f, xmax = 0.0f, ymax = 0.0f;
    float width() const { return xmax - xmin; }
    float height() const { return ymax - ymin; }
    // Whether the boxes share more than an edge.
    bool overlaps(const Box& b) const {
        return xmin < b.xmax && b.xmin < xmax && ymin < b.ymax && b.ymin < ymax;
    }
    // Whether b lies within the box, its edges included.
    bool holds(const Box& b) const {
        return xmin <= b.xmin && ymin <= b.ymin && b.xmax <= xmax && b.ymax <= ymax;
    }
    // The box widened by d on every side.
    Box grown(float d) const { return {xmin - d, ymin - d, xmax + d, ymax + d}; }
    // The box widened to hold b as well.
    void take(const Box& b) {
        xmin = xmin < b.xmin ? xmin : b.xmin;
        ymin = ymin < b.ymin ? ymin : b.ymin;
        xmax = xmax > b.xmax ? xmax : b.xmax;
        ymax = ymax > b.ymax ? ymax : b.ymax;
    }
};

// How far the point (px, py) lies from the segment from (ax, ay) to (bx, by), and the
// segment's point (nx, ny) nearest to it.
inline float fromSegment(float ax, float ay, float bx, float by, float px, float py, float& nx,
                         float& ny) {
    const float dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    const float t =
        std::clamp(len2 > 0.0f ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0.0f, 0.0f, 1.0f);
    nx = ax + t * dx;
    ny = ay + t * dy;
    return std::hypot(px - nx, py - ny);
}

// The arrow's 7 vertices into x and y of capacity nmax; n their count. A capacity too small
// gets an error box with the STOP question; going on stores only the vertices that fit.
void arrow2d(float* x, float* y, int32_t& n, int32_t nmax);
// The bar's 4 vertices (length 1, width 3/14), likewise.
void rectangle1(float* x, float* y, int32_t& n, int32_t nmax);

// xo = xi + dx, yo = yi + dy.
void transl2d1(float* xo, float* yo, const float* xi, const float* yi, int32_t n, float dx,
               float dy);
// xo = xi*f, yo = yi*f: scaling about the origin.
void homot02d1(float* xo, float* yo, const float* xi, const float* yi, int32_t n, float f);
// Each point turned counter-clockwise by angle (radians) about (x0, y0).
void rot2daff(float* xo, float* yo, const float* xi, const float* yi, int32_t n, float x0, float y0,
              float angle);
// The same with the rotation matrix of matrot2drad given, for callers that turn many shapes by
// one angle.
void rot2daffm(float* xo, float* yo, const float* xi, const float* yi, int32_t n, float x0,
               float y0, const Mat22& r);

// The area of the smallest convex region that holds the points: 0 for fewer than three, or
// for points on one line. The points are put in order.
double convexHullArea(std::vector<std::array<float, 2>>& points);

}  // namespace tensova

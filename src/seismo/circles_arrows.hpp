#pragma once
// Circles, arcs and arrows in the user units of the current subplot, drawn with the current
// line attributes. Angles are radians, counter-clockwise from the user x axis.

#include <cstdint>

namespace tensova {

// The full circle about (xc, yc) of radius r, np points per turn, the last on the first.
void uscircle(float xc, float yc, float r, int32_t np);
// The arc from angle a1 to a2 (clockwise when a2 < a1), with as many points as its share of a
// turn of np points: one polyline sampled through the running point into the plane buffer.
void usacircle(float xc, float yc, float r, float a1, float a2, int32_t np);
// n arrows, each from (x1, y1) to (x2, y2): a shaft over 0.6 of the length, then a triangle
// outline 0.3 of the length wide with its tip at (x2, y2).
void usarrow1(const float* x1, const float* y1, const float* x2, const float* y2, int32_t n);

}  // namespace tensova

#pragma once
// What every forward transform does with the plane coordinates of a point: subtract the origin
// offsets and make sure that nothing but a finite number within the sentinel leaves it.

#include <cmath>

#include "projection/projection.hpp"

namespace tensova {

// A coordinate beyond the sentinel becomes the sentinel of its sign; one that is not a number
// (a point no formula can place) becomes the positive sentinel.
inline float withinSentinel(float v) {
    if (std::isnan(v)) return kFarAway;
    if (v > kFarAway) return kFarAway;
    if (v < -kFarAway) return -kFarAway;
    return v;
}

// A coordinate of a point at infinity in the direction d: the sentinel of d's sign, 0 along no
// direction.
inline float farAwayAlong(float d) {
    return d == 0.0f ? 0.0f : std::copysign(kFarAway, d);
}

// An angle around the circle that a map wraps the ground about, given in [-pi/2, 3pi/2] (the turn
// of a tear at the south pole), laid out in the turn from `tear` (in [-3pi/2, pi/2]): a turn on or
// back where it lies outside it. Where the tear is the south pole nothing moves, not even the
// pole, which lies at both ends.
template <typename T>
T fromTear(T angle, T tear, T turn) {
    constexpr T kEdge = T(1e-5);
    if (angle < tear - kEdge) return angle + turn;
    if (angle > tear + turn + kEdge) return angle - turn;
    return angle;
}

inline void storePoint(float& x, float& y, float px, float py, float xoff, float yoff) {
    x = withinSentinel(px - xoff);
    y = withinSentinel(py - yoff);
}

}  // namespace tensova

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

inline void storePoint(float& x, float& y, float px, float py, float xoff, float yoff) {
    x = withinSentinel(px - xoff);
    y = withinSentinel(py - yoff);
}

}  // namespace tensova

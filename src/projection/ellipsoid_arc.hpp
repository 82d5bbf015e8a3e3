#pragma once
// The meridian arc from the equator on an ellipsoid of equatorial radius 1, for a latitude whose
// sine and cosine the caller already has.

#include "projection/projection.hpp"

namespace tensova {

inline float meridianArc(const Ellipsoid& el, float phi, float sinPhi, float cosPhi) {
    // sin 2lat, sin 4lat and sin 6lat from the sine and cosine of the latitude.
    const float s2 = 2.0f * sinPhi * cosPhi, c2 = 1.0f - 2.0f * sinPhi * sinPhi;
    const float s4 = 2.0f * s2 * c2, s6 = s2 * (3.0f - 4.0f * s2 * s2);
    return el.a0 * phi + el.a2 * s2 + el.a4 * s4 + el.a6 * s6;
}

}  // namespace tensova

#pragma once
// Scratch point buffers of the map and net drawing code, one curve at a time. They have no
// owner and no initial content: a user fills the entries it draws in the same call and never
// relies on what another left there.
//
// The coordinates lie one after the other in one array, x(1000) then y(1000) (then z(1000)), so
// that the x and y of the plane buffer can also be handed over as one array of 1,000 rows by 2
// columns.

#include <array>

#include "curve/running_point.hpp"

namespace tensova {

struct Cc2dbuff {
    std::array<float, 2 * kCurvePointsMax> v{};
    float* x() { return v.data(); }
    float* y() { return v.data() + kCurvePointsMax; }
};
inline Cc2dbuff cc2dbuff;

struct Cc3dbuff {
    std::array<float, 3 * kCurvePointsMax> v{};
    float* x() { return v.data(); }
    float* y() { return v.data() + kCurvePointsMax; }
    float* z() { return v.data() + 2 * kCurvePointsMax; }
};
inline Cc3dbuff cc3dbuff;

}  // namespace tensova

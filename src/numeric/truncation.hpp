#pragma once
// Real to integer by truncation toward zero, held to the integer range first: a quotient of a
// huge range by a tiny step, an infinity or a NaN must not reach the conversion, whose result
// would be undefined.

#include <cmath>
#include <cstdint>
#include <limits>

namespace tensova {

// NaN gives 0; a value beyond the integer range gives the nearer end of the range.
inline int32_t truncToInt32(float x) {
    if (std::isnan(x)) return 0;
    if (x >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
    if (x <= -2147483648.0f) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(x);
}

}  // namespace tensova

#pragma once
// Bit patterns and distances in units in the last place, for comparing single-precision
// results with exact figures and with references computed in double precision; and a text
// search for console transcripts.

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace tensova::test {

inline uint32_t bitsOf(float x) {
    return std::bit_cast<uint32_t>(x);
}
inline float fromBits(uint32_t b) {
    return std::bit_cast<float>(b);
}

// Number of floats between a and b (0 when equal, +0 and -0 included); huge for NaN.
inline int64_t ulpsApart(float a, float b) {
    if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<int64_t>::max();
    auto ordered = [](float x) {
        const auto i = static_cast<int64_t>(std::bit_cast<int32_t>(x));
        return i < 0 ? -(i & 0x7fffffff) : i;
    };
    const int64_t d = ordered(a) - ordered(b);
    return d < 0 ? -d : d;
}

// Whether a single-precision result lies within one ulp of the double reference rounded to
// float (a libm may round its last bit either way).
inline bool nearRef(float got, double ref) {
    return ulpsApart(got, static_cast<float>(ref)) <= 1;
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace tensova::test

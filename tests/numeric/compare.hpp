#pragma once
// Shared by the numeric tests: bit patterns and distances in units in the last place, for
// comparing single-precision results with exact figures and with references computed in double
// precision.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <numbers>
#include <string>

#include "numeric/angles.hpp"
#include "support/console_capture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {

inline uint32_t bitsOf(float x) {
    return std::bit_cast<uint32_t>(x);
}

// Whether a single-precision result lies within `ulps` of the double reference rounded to
// float (a libm may round its last bit either way); bit for bit, signed zero included, when
// ulps is 0. A result of the other sign, or NaN, is never near.
inline bool nearRef(float got, double ref, int64_t ulps = 1) {
    const int64_t apart =
        std::bit_cast<int32_t>(got) - int64_t{std::bit_cast<int32_t>(static_cast<float>(ref))};
    return std::abs(apart) <= ulps;
}

template <std::size_t N>
void expectBits(const std::array<float, N>& got, const std::array<float, N>& want) {
    for (std::size_t i = 0; i < N; ++i) EXPECT_EQ(bitsOf(got[i]), bitsOf(want[i])) << "at " << i;
}

// The angle constants, set once as the program sets them at start-up.
inline void anglesSet() {
    static const bool done = (ConsoleCapture(), trigoset(), true);
    (void)done;
}

// The stored pi/2 and pi, which results on the axes reproduce bit for bit.
inline const float kHalfPiF = std::bit_cast<float>(0x3FC90FDBu);
inline const float kPiF = std::bit_cast<float>(0x40490FDBu);

}  // namespace tensova::test

#pragma once
// A loop of equal steps from a first to a last value, as the running point and the levels
// count it.

#include <cstdint>

#include "numeric/truncation.hpp"

namespace tensova {

// The step leads from first toward last (a zero step never does).
inline bool loopRunsToEnd(float first, float last, float step) {
    return (last >= first && step > 0.0f) || (first > last && step < 0.0f);
}

// Number of values from first by step up to last; a last value missed by less than 0.002 of
// a step still counts.
inline int32_t loopCount(float first, float last, float step) {
    const int32_t n = truncToInt32((last - first) / step + 0.002f);
    return n < 2147483647 ? n + 1 : n;
}

// How far, in steps, the last of n values falls short of last (negative beyond it).
inline float loopRemainder(float first, float last, float step, int32_t n) {
    return ((last - first) - step * static_cast<float>(n - 1)) / step;
}

// Remainders up to this are taken as closing the loop; beyond the warning threshold the user
// is told.
inline constexpr float kRemainderTolerance = 0.00005f;
inline constexpr float kRemainderWarning = 0.001f;

}  // namespace tensova

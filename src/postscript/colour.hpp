#pragma once
// The colour fields shared by colour lines and polygon fills.

#include <cstdint>
#include <string>

namespace tensova {

// Red, green and blue of slot k as fractions, each in six characters with three decimals and
// followed by one blank.
const std::string& rgbValues(int32_t k);

}  // namespace tensova

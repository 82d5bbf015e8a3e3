#pragma once
// Run information on plots: where a plot came from, at half the current text height.

#include <cstdint>
#include <string_view>

#include "numeric/figures.hpp"

namespace tensova {

// Three lines at (x, y) cm and below, 1.5 halved heights apart: the main program, the plotting
// routine, and the system with the run's date and time. Returns the box (cm) that they cover
// with the current text attributes, the point (x, y) included.
Box cmplotruninfo0(float x, float y);
// The text on line k of the same layout (1 at y, 2 the next one down; 0 above y), and the box
// that it covers.
Box cmplotcharinfo0(std::string_view text, int32_t k, float x, float y);

}  // namespace tensova

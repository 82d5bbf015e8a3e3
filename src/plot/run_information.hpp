#pragma once
// Run information on plots: where a plot came from, at half the current text height.

#include <cstdint>
#include <string_view>

namespace tensova {

// Three lines at (x, y) cm and below, 1.5 halved heights apart: the main program, the plotting
// routine, and the system with the run's date and time.
void cmplotruninfo0(float x, float y);
// The text on line k of the same layout (1 at y, 2 the next one down; 0 above y).
void cmplotcharinfo0(std::string_view text, int32_t k, float x, float y);

}  // namespace tensova

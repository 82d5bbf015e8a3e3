#pragma once
// The projection menu: the choice among the 25 projections, then the dialogs of exactly the
// parameters the chosen one uses, and the map origin last.

#include <cstdint>

namespace tensova {

// Sets up the projection in the set-up mode (modes 4 and 5 also every projection parameter and
// the overlay settings to their defaults); iproj is the projection number, 15 (Mercator) by
// default. It also lets the projection dispatcher call it when it meets an unknown number.
void sprojll2(int32_t& iproj, int32_t mode);

}  // namespace tensova

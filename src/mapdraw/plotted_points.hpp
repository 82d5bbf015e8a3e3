#pragma once
// Plotted points: the user's own symbols on the map, one point typed in or every point of a
// two-column file, drawn with the point menu's own symbol attributes.

#include <cstdint>

#include "mapdraw/map_drawing.hpp"

namespace tensova {

// The point menu. useproj (the caller's switch, which the menu may change) says whether the
// coordinates are longitudes and latitudes in degrees to project, or user units to draw as
// they are. Modes 4 and 5 set the menu's defaults; every other mode opens the menu, which gives
// the plot library's line and fill colours, symbol type and size back as it found them.
// Projected points are drawn on `map`; without a map (at start-up) only modes 4 and 5 do
// anything.
void mappoint(bool& useproj, int32_t inter, const Map& map);
void mappoint(bool& useproj, int32_t inter);

}  // namespace tensova

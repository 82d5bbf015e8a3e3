#pragma once
// Overlays of line files on the map: coastlines, contours and polygons.

#include <cstdint>

#include "mapdraw/map_drawing.hpp"

namespace tensova {

// The overlay menu over the map: its lines are drawn on it and clipped to its frame.
void contours1(const Map& map, int32_t inter);
// Modes 4 and 5 set the menu's defaults, at start-up, before there is a map.
void contours1(int32_t inter);

}  // namespace tensova

#pragma once
// Overlays of line files on the map: coastlines, contours and polygons.

#include <cstdint>

namespace tensova {

// The overlay menu over the map frame (degrees); modes 4 and 5 set its defaults.
void contours1(float lonmin, float lonmax, float latmin, float latmax, int32_t inter);

}  // namespace tensova

#pragma once
// The map fitted to its page: the scale and place of the projected frame, which hold the grid,
// its ticks and its labels on the page and below the heading.

#include <cstdint>

#include "mapdraw/map_drawing.hpp"
#include "plot/page_layout.hpp"

namespace tensova {

// The map's projected frame into the layout's box, both axes at the same scale: the map's page
// transform. The fit depends on the frame, the projection, the page and the grid's own marks
// (lines, ticks, labels), never on what else the map draws. What it holds stands on the page and
// below the heading (the layout's, once it is `under` the heading); where it does not, the map is
// fitted again into the room that the page leaves, a margin inside it: into a smaller box, or at
// a smaller share of the box, centred, but never smaller than the least share of the first fit.
// The map keeps its marks on the page: any that stand off it or on the heading even so are left
// out. A frame that the map shows whole is fitted however thin. Where the map cannot show the
// frame (it has no extent on the map, or the reach cuts it and the part shown is too thin to
// read: a dot, a line, a ring, a sliver, on the page as printed too), it is not fitted, the
// scaling stays, and the map shows nothing from then on (Map::showNoFrame).
enum class FrameFit : uint8_t { kFitted, kNoExtent, kSliver };
FrameFit fitToPage(Map& map, const PageLayout& layout);

}  // namespace tensova

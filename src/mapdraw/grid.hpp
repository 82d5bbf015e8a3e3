#pragma once
// The latitude-longitude grid of a map: meridians and parallels between chosen bounds at
// chosen increments, traced point by point through the map's own projection (the row and the
// parameters it copied when it was made), with tick marks and degree labels along the four edges
// of the grid box.

#include <cstdint>
#include <vector>

#include "mapdraw/map_drawing.hpp"
#include "numeric/figures.hpp"

namespace tensova {

// The grid settings; angles in radians. Written only by sllgrid3. The style of its lines
// (spacing, ticks, kind, decimals) is what a map copies when it is made.
struct Gridll : GridStyle {
    float latmin = 0.0f;
    float latmax = 0.0f;
    float lonmin = 0.0f;
    float lonmax = 0.0f;
};
inline Gridll gridll;

// The grid settings in the set-up mode: the bounds, increments and tick size in degrees.
// Modes 2 and 3 read the stored settings, 4 and 5 the defaults (-80..80 both ways by 10,
// 3 steps per line, ticks of 1 degree in 2 steps, all lines, one decimal), the others keep the
// caller's values; an even mode opens the grid menu; every mode but 3 stores the result.
void sllgrid3(float& latmin, float& latmax, float& lonmin, float& lonmax, float& latinc,
              float& loninc, int32_t& npgrid, float& ticsize, int32_t& nptick, int32_t& gridtype,
              int32_t& ndec, int32_t inter);

// The map of the grid's frame and style, as its settings hold them, made now: of the current
// projection's row and a copy of its parameters, at the page's current scale.
Map mapOfGrid();

// Draws the grid of the map's frame on the map, in the map's grid style, with the current
// subplot and line and text attributes, and says how many meridians and parallels it has. Leaves
// the text alignment at its last value. Counts below one (a span below its increment, an increment
// of zero or less) are taken as one, and counts are held to at most 1000; a line lifts the pen over
// points the map does not show and at its seam, and ends on the rim of the projection's reach.
// Where the frame runs across the seam, the map's two edges there are drawn as its outline. Where
// the frame's bottom or top edge lies beyond the reach, the rim is that edge: the edge is drawn on
// it, and the meridians' labels stand there. A map that cannot show its frame (extrllgrid finds no
// extent) holds no line, tick or label of the grid.
//
// A mark stands by its line: where the map does not show the line's foot on the edge it has
// none; a tick runs from its foot to the rim, a tear or a pole, whichever comes first. A label
// stands by its tick or is left out: at its place on the ground 1.5 tick sizes out (no farther
// than a pole), or, where that place lies farther than the label's height beyond the tick's
// outer end (or the map does not show it), at that height beyond the end along the way the
// line runs out there. A label names the line drawn beside it: where another line of the grid
// or its tick stands nearer to it than its own (but where the two meet at its line's end), or its
// own is not drawn beside it, it is set a quarter of its height beyond its line's end, centred on
// the way the line runs out, or left out where it still does not name its line. Labels are drawn
// in turn, and one that would stand on a label already drawn (at a pole, where meridians
// converge, where two bounds meet) is left out: the first is drawn. Where the map keeps its marks
// in a box on the paper, a tick or label that would not stand whole in it is left out, and so is
// the label of a tick left out.
void drawllgrid(const Map& map);

// The box (centimetres on the paper, at the current scaling) of the tick marks, as the pen
// would draw them, and labels that drawllgrid would draw along the frame's edges, with the
// current text attributes; false when the grid has none.
bool gridMarksExtent(const Map& map, Box& box);

// The frame's outline as the map shows it: the points of its sides (and of the rim within it)
// that the map shows, longitudes as placed, and whether the map shows the whole frame: no point
// of it lies beyond the reach (the rim, the horizon, a hole), so none of its sides passes a point
// the map does not show and no stretch of the rim lies in it.
struct FrameOutline {
    std::vector<LinePoint> points;
    bool whole = true;
};

// The smallest and largest projected x and y of the map's frame as the map shows it: its four
// sides sampled at least every degree (a curved side bulges beyond its corners), the seam's two
// edges where the frame runs across it, and the part of the projection's rim that lies in the
// frame. Points the map does not show are passed over, and all four results are 0 when none is
// left. True where the frame has an extent on the map: it is wider and taller than a point.
// Given `outline`, it gets the frame's outline as the map shows it.
bool extrllgrid(const Map& map, float& xmin, float& ymin, float& xmax, float& ymax,
                FrameOutline* outline = nullptr);

// The area (square centimetres) of the smallest convex region on the paper that holds the grid's
// lines and ticks as drawllgrid draws them at the map's page transform (a grid of no lines
// measured as one of all lines): how far the printed grid spreads over the paper.
double gridLinesArea(const Map& map);

}  // namespace tensova

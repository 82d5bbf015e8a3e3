#pragma once
// The map of a grid frame made as the program makes it: the bounds set through the grid
// settings, which normalise and clamp them where they are set, and the map made of them by
// mapOfGrid. Header only: the tests, the benchmarks and the fuzz targets that link mapdraw
// share it.

#include <cstdint>

#include "mapdraw/grid.hpp"

namespace tensova::test {

// The map, through the projection current now, of the frame from lonmin east to lonmax and
// between the two latitudes (degrees, as typed at the grid menu, latitudes in either order). A
// bound the settings bring back to the globe gets its box, as at the menu. The grid's other
// settings stay as they were, to the bit: a trip through degrees would move an increment by a
// rounding.
inline Map gridMap(float lonmin, float lonmax, float latmin, float latmax) {
    const Gridll kept = gridll;
    float latinc = 0.0f, loninc = 0.0f, ticsize = 0.0f;
    int32_t npgrid = 0, nptick = 0, gridtype = 0, ndec = 0;
    sllgrid3(latmin, latmax, lonmin, lonmax, latinc, loninc, npgrid, ticsize, nptick, gridtype,
             ndec, 1);
    const Gridll set = gridll;
    gridll = kept;
    gridll.latmin = set.latmin;
    gridll.latmax = set.latmax;
    gridll.lonmin = set.lonmin;
    gridll.lonmax = set.lonmax;
    return mapOfGrid();
}

}  // namespace tensova::test

#pragma once
// The polygon file of the selection tests, read whole before it replaces anything: the number
// of vertices (3 to 9) and the kind of sides (1 great circles, any other number straight
// lines), then each vertex's longitude and latitude, on the globe. Each record starts on a new
// line and takes its values from as many lines as it needs; the rest of its last line is passed
// over. Nothing after the last vertex is read: a ring that repeats its first vertex, or a note,
// may follow. The contour must be one the polygon test can use.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/selection_tests.hpp"

namespace tensova {

struct PolygonRead {
    int32_t nvrtx = 0;
    bool lgrcircle = true;
    std::array<float, kMaxVertices> vrtxlong{};
    std::array<float, kMaxVertices> vrtxlat{};
};

// Reads the polygon on the open unit into `p`. Empty when the file holds a whole polygon that
// the test can use; otherwise up to three lines that name the line of the file or the edge at
// fault and say what is wrong there.
std::vector<std::string> readPolygon(int32_t unit, PolygonRead& p);

}  // namespace tensova

#pragma once
// Drawing on the map through the projection, only where the map shows the ground truly. A point
// that the projection cannot place (the sentinel), or that lies where the map does not show it
// (beyond an azimuthal map's central angle, on the far side of a globe), is left out: a symbol
// is not drawn there, a line lifts the pen, and on a map with a rim the line ends or starts on
// the rim. A line may also lift the pen where it crosses the map's longitude seam.

#include <cstdint>

namespace tensova {

// Whether a projected point is on the map.
bool onMap(float x, float y);

// One symbol of the current type and size at each of the n projected points that are on the map.
void symbolsOnMap(const float* x, const float* y, int32_t n);

// A line drawn point by point, each point (radians) projected on its own.
class MapPen {
  public:
    // With `seam`, the pen lifts between two points more than half a turn apart in longitude
    // on a map that has a seam (the azimuthal maps have none).
    explicit MapPen(bool seam = false);
    // The next point starts a new line.
    void lift() { started_ = false; }
    // A move (draw false) starts a new line at the point; a draw goes on from the last point.
    void to(float lon, float lat, bool draw);

  private:
    bool seam_;
    bool rim_;
    bool started_ = false;  // the line has a last point
    bool down_ = false;     // the last point is on the map, the pen stands there
    float lon_ = 0.0f;      // the last point
    float lat_ = 0.0f;
};

// The n points (radians) projected at once and drawn as polylines, split and ended as a MapPen
// would split and end them. The points are not changed.
void drawMapLine(const float* lon, const float* lat, int32_t n, bool seam);

}  // namespace tensova

#pragma once
// Drawing on the map through the projection, only where the map shows the ground truly.
//
// The map is the grid's frame seen through the current projection. A point of the ground that
// is drawn on it (an event, a plotted point, a point of an overlay line) first has its
// longitude taken into the map's window, the turn centred on the frame, so that it lands where
// the grid places that longitude: -175 on a map of 160 to 200 east is drawn at 185. A point
// that the projection cannot place (the sentinel), or that lies where the map does not show it
// (beyond an azimuthal map's rim, on the far side of a globe), is left out: a symbol is not
// drawn there, a line lifts the pen, and on a map with a rim the line ends or starts on the
// rim. A line also lifts the pen where the projection tears it apart (the window's edge, the
// far side of a transverse Mercator map).

#include <cstdint>

namespace tensova {

// The map's frame (radians; west <= east, south <= north) and its longitude window.
struct MapView {
    float west = 0.0f;
    float east = 0.0f;
    float south = 0.0f;
    float north = 0.0f;
    float origin = 0.0f;  // the window is [origin, origin + one turn), centred on the frame

    // The longitude as the map places it: unchanged in the frame, taken into the window
    // otherwise.
    float into(float lon) const;
    // Whether the point (its longitude taken into the window) lies in the frame; a point on
    // the frame's edge is inside.
    bool contains(float lon, float lat) const;
};

// The view of a frame given in degrees: latitudes in either order; longitudes from the western
// bound eastwards to the eastern one, across the seam where it is the smaller.
MapView mapViewOf(float lonmin, float lonmax, float latmin, float latmax);
// The view of the grid's frame as it stands.
MapView gridMapView();

// One map being drawn: while it lasts, coordinates clamped to the device range give one warning
// box in all, not one each.
class MapRun {
  public:
    MapRun();
    ~MapRun();
    MapRun(const MapRun&) = delete;
    MapRun& operator=(const MapRun&) = delete;
};

// Whether a projected point is on the map.
bool onMap(float x, float y);

// The n points (radians) projected into x and y where the grid's map places them: each
// longitude is first taken into the map's window (lon holds it afterwards); a point that the
// projection cannot place truly, or that lies outside the frame, gets the sentinel. x and y may
// be lon and lat. Returns how many points are not on the map.
int32_t projectOnMap(float* x, float* y, float* lon, const float* lat, int32_t n);

// One symbol of the current type and size at each of the n projected points that are on the map.
void symbolsOnMap(const float* x, const float* y, int32_t n);

// How lines are traced on the current map; made once for a line (or a pen's lines).
struct LineRules {
    const MapView* window = nullptr;  // overlay lines: longitudes into its window
    bool rim = false;                 // lines end on the rim of an azimuthal map
    bool seam = false;                // the pen lifts at the window's edge
    bool tears = false;               // the projection may tear a line apart
    float flatness = 0.0f;   // user units: a chord farther than this from its ground is divided
    float tearCheck = 0.0f;  // user units: a chord longer than this is checked for a tear
};

// A point of a line and where the map puts it.
struct LinePoint {
    float lon = 0.0f;
    float lat = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    bool shown = false;
};

// A line drawn point by point, each point (radians) projected on its own. With a view (an
// overlay line), each longitude is taken into the view's window first, consecutive points are
// joined the short way round, and the line lifts the pen at the window's edge; without (the
// grid), the points are joined as given.
class MapPen {
  public:
    explicit MapPen(const MapView* window = nullptr);
    // The next point starts a new line.
    void lift() { started_ = false; }
    // A move (draw false) starts a new line at the point; a draw goes on from the last point.
    void to(float lon, float lat, bool draw);

  private:
    LineRules rules_;
    bool started_ = false;
    LinePoint last_;
};

// The n points (radians) projected at once and drawn as polylines, split and ended as a MapPen
// with the same window would split and end them. The points are not changed.
void drawMapLine(const float* lon, const float* lat, int32_t n, const MapView* window);

// How the ground around a point lies on the map: the page vectors (user units per radian of
// ground) of a step north and of a step east from it.
struct GroundAxes {
    bool ok = false;  // false where the map cannot show the point's neighbourhood
    float nx = 0.0f, ny = 0.0f;
    float ex = 0.0f, ey = 0.0f;
    // The angle (radians, clockwise) by which the ground azimuth `azimuth` turns on the page:
    // the page direction of a short step along it, less the azimuth. On a conformal map every
    // azimuth turns as north does. Zero where not ok.
    float turn(float azimuth, bool conformal) const;
};
// The ground axes at each of the n points (radians, longitudes in the map's window) whose
// projected positions are x and y.
void groundAxes(GroundAxes* axes, const float* lon, const float* lat, const float* x,
                const float* y, int32_t n);

}  // namespace tensova

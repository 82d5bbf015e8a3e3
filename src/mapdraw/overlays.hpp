#pragma once
// The insides of the overlay menu, shared by its files: the longitude window of the shoreline
// listing, the ways a line is drawn on the map, the listing of the lines read, and the readers
// of the six kinds of line files. Nothing outside this folder calls them.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/text.hpp"
#include "mapdraw/map_drawing.hpp"

namespace tensova {

inline const Stamp kContours1("contours1", " 2.0", "06-12-2026");

// Overlay files are read on this unit.
inline constexpr int32_t kOverlayUnit = 2;

// The map frame, degrees.
struct Frame {
    float lonmin = 0.0f;
    float lonmax = 0.0f;
    float latmin = 0.0f;
    float latmax = 0.0f;
};

// The map frame's longitudes as the overlay menu shows them and the shoreline listing reduces a
// polygon's bounds: the frame as it is set, in the turn that starts up to 3 degrees west of it,
// so that a bound a little west of the frame keeps its side. Degrees, but for the frame and the
// margin, in radians as the map's frame is.
struct LonWindow {
    MapFrame frame;
    float margin = 0.0f;  // radians west of the frame
    float origin = 0.0f;  // where the turn starts
    float lonmin = 0.0f;  // the frame's bounds
    float lonmax = 0.0f;
    float width = 0.0f;
};
LonWindow lonWindow(const MapFrame& frame);
// The longitude (degrees) in the window by the frame's rule: unchanged from the window's origin
// to the frame's east edge (rounding included), taken into the turn from the origin otherwise.
float intoWindow(float lon, const LonWindow& w);

// A value in 9 characters with 3 decimals, as the overlay boxes and menu write degrees.
std::string f93(float v);

// The header of a shoreline polygon.
struct ShoreHeader {
    int32_t id = 0;
    int32_t n = 0;
    int32_t level = 0;
    float area = 0.0f;
    float west = 0.0f;
    float east = 0.0f;
    float south = 0.0f;
    float north = 0.0f;
};
// False when the polygon's extent lies wholly outside the frame, by the frame's rule: an extent
// that touches the frame's edge is kept. A header whose west lies east of its east gets a
// warning box (counter: the number of the last polygon kept) and is tested on latitude alone.
bool shoreInFrame(const ShoreHeader& h, const MapFrame& f, int32_t counter);

// Lines drawn point by point (degrees in), each point projected on its own where the map
// places it, joined by the great circle.
class PenLine {
  public:
    explicit PenLine(const Map& map) : pen_(map, Join::kGreatCircle) {}
    void restart() { pen_.lift(); }
    void point(float lon, float lat);

  private:
    MapPen pen_;
};

// Clipped drawing: a segment is drawn as soon as one of its ends lies in the map's frame (in
// any turn, bounds included), and only up to where it crosses the frame's edge, the short way
// round in longitude and latitude; a segment whose ends both lie outside is left out.
class ClippedLine {
  public:
    explicit ClippedLine(const Map& map) : map_(map), pen_(map, Join::kGreatCircle) {}
    void restart() { first_ = true; }
    void point(float lon, float lat);

  private:
    const Map& map_;
    MapPen pen_;
    bool first_ = true;
    bool prevInside_ = false;
    float prevLon_ = 0.0f;  // radians, in the frame's turn
    float prevLat_ = 0.0f;
};

// The n points of cc2dbuff (degrees, converted in place) projected at once and drawn as one
// polyline, split where the map does not show them and at its seam.
void drawPolylineDegrees(const Map& map, int32_t n);
// The n points of cc2dbuff (radians) drawn so.
void drawPolylineRadians(const Map& map, int32_t n);

// The sides between the v vertices of cc2dbuff (radians): great circles (kind 1) and lines of
// longitude and latitude (kind 2) sampled at ppd points a degree, any other kind straight lines
// in the map plane.
void drawSides(const Map& map, int32_t v, int32_t boundary, float ppd);

// The listing of a file's lines (written at output level 2): the rule, the heading line with
// each heading in 7 characters, and a row of up to four integers and four reals; `blankInts`
// leaves the integer columns blank and writes only the reals.
void listingRule();
void listingHeadings(std::span<const std::string_view> headings);
void listingRow(std::initializer_list<int32_t> ints, std::initializer_list<float> reals = {},
                int32_t blankInts = 0);
// The heading line of the shoreline kind, which the extent test's box shows too.
void shoreHeadings();

// One overlay file being read and drawn.
struct OverlayFile {
    std::string name;          // as opened
    const Map* map = nullptr;  // the map the lines are drawn on
    bool clip = true;
    LonWindow window;      // in use while clip is on
    float* ppd = nullptr;  // the menu's points per degree, which a selection polygon file sets
    int32_t counter = 0;   // lines counted
    // Where and why reading stopped early: the lines that the box of an error or of an
    // incomplete end adds.
    std::vector<std::string> report;
};

// How the reading of a file ended.
enum class FileEnd {
    Eof,         // the end of the file: the normal end
    Error,       // a record that cannot be read
    Cut,         // a line too long for the buffer: reading stopped after it
    Incomplete,  // the end of the file inside a record, a line or a polygon
};

FileEnd readUtig(OverlayFile& f);
FileEnd readIgn(OverlayFile& f);
FileEnd readGebco(OverlayFile& f);
FileEnd readUsgs(OverlayFile& f);
FileEnd readShore(OverlayFile& f);
FileEnd readSelectionPolygon(OverlayFile& f);

}  // namespace tensova

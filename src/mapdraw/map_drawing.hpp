#pragma once
// The map, and drawing on it only where it shows the ground truly.
//
// A map is one value, made once per run: the row of its projection and the projection's
// parameters (both taken when the map is made; the map projects, places and draws its rim
// through them alone, whatever is set up later), its frame, and its page transform (its user
// units to the paper and back, as its fit sets it; every mark of the map is placed through it,
// whatever is set up later). The grid, the fit to the page, the events, the stress symbols, the
// plotted points and the overlays all draw through it, so that they all follow one rule each,
// which the row decides:
//
// - Placement: a longitude is taken into the map's turn before it is projected. A map cut along
//   a meridian centres that turn on its central meridian (0 where the projection has none), so
//   that a point lands where the projection puts it whatever the frame; the turn's edge is the
//   seam, where lines lift the pen. Cylindrical maps, whose x is a shift of longitude, and the
//   maps without a seam centre the turn on the frame: -175 on a Mercator map of 160 to 200 east
//   is drawn at 185.
// - Membership: a point is drawn when it lies in the frame (its edge inside), in any turn, and
//   the projection shows it: within its reach (an azimuthal map's rim, the near side of a globe,
//   80 degrees from a transverse Mercator's central great circle), not at the sentinel. A line
//   ends or starts on the rim (a long step whose two ends lie beyond it is drawn where it passes
//   within the reach), and lifts the pen where the projection tears it apart (the seam, a
//   transverse Mercator map's tear).
// - Tear: a map that lays the ground out along a circle (a transverse Mercator, along its central
//   meridian's great circle, on past the poles) tears it at the far end of that circle from the
//   frame, in the middle of the widest stretch of it that the frame leaves empty, so that such a
//   frame is drawn in one piece; at the south pole where the frame leaves none.

#include <array>
#include <cstdint>
#include <vector>

#include "numeric/figures.hpp"
#include "plot/transforms.hpp"
#include "projection/projection.hpp"

namespace tensova {

// The grid's frame (radians): its longitudes run east from `west` to `east`, at most one turn
// apart; south <= north.
struct MapFrame {
    float west = 0.0f;
    float east = 0.0f;
    float south = 0.0f;
    float north = 0.0f;

    // Whether the point, its longitude in any turn, lies in the frame; a point on the frame's
    // edge is inside.
    bool contains(float lon, float lat) const;
    // Whether the extent from `w` east to `e` (at most a turn) and from `s` to `n` meets the
    // frame, in any turn; an extent that touches the frame's edge meets it.
    bool meets(float w, float e, float s, float n) const;
    // The longitude in the frame's own turn, [west, west + one turn), a point on the west edge
    // kept there.
    float fromWest(float lon) const;
    // Whether the frame spans a whole turn of longitude.
    bool wholeTurn() const;
};

// The one rule of a longitude's turn: the longitude unchanged where it lies from `first` to
// `last` (their rounding included), taken into the turn from `first` otherwise. The frame, the
// map's placement and the overlay menu's window all take longitudes so.
float intoTurn(float lon, float first, float last);

// The eastern bound (degrees) of a frame whose longitudes run east from `west` to `east`: east
// itself when it lies up to a turn east of west, else the same meridian a whole number of turns
// away, so that `170 -170` is 170 to 190 and `180 -180` (or two equal bounds) a whole turn.
// `east` lies less than a turn west of `west` or at most a turn east of it.
float eastOf(float west, float east);

// The grid's style: the spacing of its lines (radians), the length of its ticks (an angle) and
// their steps, the steps along each line, its kind (0 none, 1 all lines, 2 frame with ticks out,
// 3 frame with ticks in) and the decimals of its labels.
struct GridStyle {
    float latinc = 0.0f;
    float loninc = 0.0f;
    float ticsize = 0.0f;
    int32_t npgrid = 0;
    int32_t nptick = 0;
    int32_t gridtype = 0;
    int32_t ndec = 0;
};

class Map {
  public:
    // The map of a frame and its grid's style: the current projection's row and a copy of its
    // parameters, taken now, on the current subplot's page transform.
    Map(const MapFrame& frame, const GridStyle& grid);

    const ProjectionRow& projection() const { return *row_; }
    const MapFrame& frame() const { return frame_; }
    const GridStyle& grid() const { return grid_; }

    // The longitude as the map places it: unchanged within the map's turn (its edges
    // included), taken into it otherwise; a point on the seam where the frame ends there is on
    // the frame's side.
    float place(float lon) const;
    // The map's turn, [seamWest, seamWest + one turn].
    float seamWest() const { return centre_ - half_; }
    float seamEast() const { return centre_ + half_; }
    // Whether the way between two placed longitudes crosses the seam: they lie more than half
    // a turn apart.
    bool crossesSeam(float lonA, float lonB) const;
    // Which edge of the seam a placed longitude lies on: -1 the west edge, 1 the east edge, 0
    // neither, or a map without a seam.
    int32_t seamEdge(float lon) const;
    // Whether a longitude lies in the map's turn, its edges included.
    bool inTurn(float lon) const;
    // Whether the frame runs across the seam (the seam inside it, not on its edge): the map's
    // two edges there are then part of the frame's outline.
    bool seamInFrame() const { return seamInFrame_; }

    // The n points (radians, longitudes as placed) projected where the map shows them, the
    // sentinel elsewhere; x and y may be lon and lat. `exact` projects through the exact
    // transform, for the directions of the ground.
    void project(float* x, float* y, const float* lon, const float* lat, int32_t n,
                 bool exact = false) const;
    // n points of the map's rim (radians), and n; 0 where the projection has no reach.
    int32_t rim(float* lon, float* lat, int32_t n) const;
    // How far (radians) a point (its longitude as placed) lies within the projection's reach,
    // negative beyond it.
    float withinReach(float lon, float lat) const {
        return showsFrame_ ? reach_.angle - distance_(params_, lon, lat) : -1.0f;
    }
    // From now on the map shows no point at all: its fit found that it cannot show its frame
    // (no extent, or a part too thin to read: a point, a line, a sliver), and its grid, events
    // and lines would stand at a scale that means nothing.
    void showNoFrame() { showsFrame_ = false; }

    // The map's page transform: its user units (those of the projected points) to
    // centimetres on the paper and back. Every mark of the map is placed through it: its
    // lines, symbols and labels, the stress arms' length, what the fit measures.
    const PageTransform& page() const { return page_; }
    // User units per centimetre of the page: the scale lines are traced at.
    float unitsPerCm() const { return page_.unitsPerCm(); }
    // The current subplot takes the map's page transform, so that what the plot library draws
    // in user units lands where the map puts it, whatever was set up since the map was made or
    // fitted. Every drawing through the map does this first.
    void putOnPage() const { usePageTransform(page_); }
    // Sets the map's page transform, and the current subplot's with it: the projected box
    // (user units) into the box on the paper (cm), both axes at the same scale, from the
    // paper box's lower left corner.
    void scaleInto(const Box& projected, const Box& paper);
    // The box on the paper (cm) in which the grid's ticks and labels stand whole, as the fit
    // to the page leaves it: a mark that would not is left out. None (every mark drawn) until
    // the fit sets it.
    void keepMarksIn(const Box& paper) {
        marksPaper_ = paper;
        marksKept_ = true;
    }
    const Box* marksPaper() const { return marksKept_ ? &marksPaper_ : nullptr; }

  private:
    const ProjectionRow* row_;
    ProjectionParams params_;  // after row_: taking the row may set the projection up anew
    Reach reach_;
    ReachDistance distance_;
    MapFrame frame_;
    GridStyle grid_;
    float centre_ = 0.0f;
    float half_ = 0.0f;
    PageTransform page_;
    Box marksPaper_;
    bool marksKept_ = false;
    int32_t frameEdgeOnSeam_ = 0;  // -1 the frame's west edge is the seam, 1 its east edge
    bool seamInFrame_ = false;
    bool showsFrame_ = true;
};

// The difference of two longitudes the short way round, in [-half a turn, half a turn].
float shortWay(float dlon);

// Whether a projected point is on the map.
bool onMap(float x, float y);

// The n points (radians) projected into x and y where the map places them: each longitude is
// first placed, and lon holds the placed longitudes (x and y may be lon and lat, which then hold
// the projected points); a point that the projection cannot show truly, or that lies outside
// the frame, gets the sentinel. Returns how many points are not on the map.
int32_t projectOnMap(const Map& map, float* x, float* y, float* lon, const float* lat, int32_t n);

// One symbol of the current type and size at each of the n projected points that are on the map.
void symbolsOnMap(const Map& map, const float* x, const float* y, int32_t n);

// How a line joins its points: grid lines run straight in longitude and latitude, along their
// meridian or parallel; overlay lines by the great circle, which stays the same line through a
// pole and near the antipode.
enum class Join : uint8_t { kGraticule, kGreatCircle };

// How lines are traced on a map; made once for a line (or a pen's lines).
struct LineRules {
    const Map* map = nullptr;
    Join join = Join::kGraticule;
    bool rim = false;        // lines end on the rim of the projection's reach
    bool follow = false;     // chords are divided where the ground runs off them (an azimuthal rim)
    bool seam = false;       // the pen lifts at the map's seam
    bool tears = false;      // the projection may tear a line apart elsewhere
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
    float inside = -1.0f;  // how far (radians) it lies within the reach where measured, else < 0
};

// The last point that the map shows on the way straight in longitude and latitude from a point it
// shows to one it does not (radians, longitudes as placed): where a grid line meets the rim.
LinePoint rimOnGraticule(const Map& map, float lonIn, float latIn, float lonOut, float latOut);

// A chord on the paper (cm): x1, y1, x2, y2.
using PaperChord = std::array<float, 4>;

// The box on the paper (cm) of points taken one by one; `any` false until one is taken. Of
// the points taken one at a time, it keeps the last and the last one apart from it: where a
// line ends and the way it arrives there. Given `chords`, it keeps there each chord that a pen
// would draw between them: from a point taken to the next, unless the pen was lifted between.
struct PaperExtent {
    Box box;
    bool any = false;
    std::array<float, 2> last{};
    std::array<float, 2> before{};
    bool apart = false;  // whether `before` holds a point
    std::vector<PaperChord>* chords = nullptr;
    bool lifted = true;  // the next point taken starts a new line
    void take(const Box& b);
    void take(float x, float y);
};

// A line drawn point by point, each point (radians) projected on its own. A pen given an
// extent draws nothing: it takes into it every point that it would move or draw to. A pen of
// one piece draws its line from the first point to where the map first lifts the pen (its rim,
// a tear, a point it does not show) and nothing after.
class MapPen {
  public:
    MapPen(const Map& map, Join join, PaperExtent* measure = nullptr, bool onePiece = false);
    // The next point starts a new line.
    void lift() { started_ = false; }
    // A move (draw false) starts a new line at the point; a draw goes on from the last point.
    // The longitude is placed by the map first.
    void to(float lon, float lat, bool draw);
    // The same for a longitude already as the map places it, or continued past the seam from
    // one that is (a tick mark beyond the frame's edge).
    void toPlaced(float lon, float lat, bool draw);

  private:
    void step(float lon, float lat, bool draw, bool crossing);

    LineRules rules_;
    PaperExtent* measure_;
    bool onePiece_;
    bool begun_ = false;  // a pen of one piece has begun its piece
    bool ended_ = false;  // and ended it
    bool started_ = false;
    LinePoint last_;
    float lastGiven_ = 0.0f;  // the last longitude as given, whose step a grid line follows
};

// The n points (radians) of an overlay line projected at once and drawn as polylines, joined by
// the great circle, split and ended as a MapPen would split and end them. The points are not
// changed.
void drawMapLine(const Map& map, const float* lon, const float* lat, int32_t n);

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
// The ground axes at each of the n points (radians, longitudes as placed) whose projected
// positions are x and y, from the exact transform; only the points on the map get them.
void groundAxes(const Map& map, GroundAxes* axes, const float* lon, const float* lat,
                const float* x, const float* y, int32_t n);

}  // namespace tensova

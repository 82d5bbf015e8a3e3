#pragma once
// The map projection: the current projection among 25, its origin and parameters, and the
// dispatcher that projects arrays of longitudes and latitudes (radians) into plane coordinates
// in earth radii, with the projected origin at (0, 0). The dialogs set the parameters in the
// named blocks; the transforms read them from one value, a copy of those blocks, so that a map
// made with them projects the same whatever is set up after it.
//
// No projection ever returns NaN or infinity: a point that cannot be projected (at infinity in
// that projection) gets the sentinel kFarAway, with the sign of the direction it runs off in
// where there is one, and no coordinate is ever larger in magnitude than kFarAway.

#include <array>
#include <cstdint>
#include <numbers>
#include <string_view>
#include <vector>

#include "numeric/frames.hpp"

namespace tensova {

inline constexpr float kFarAway = 1.0e20f;

// The current projection number, 1 to 25; 0 until the projection is set up.
struct Projtype {
    int32_t iproj = 0;
};
inline Projtype projtype;

// The map origin and its plane coordinates, which every projection subtracts from its results.
struct Llorig {
    float xoff = 0.0f;  // x of the origin, projected with both offsets at zero
    float yoff = 0.0f;
    float lon = 0.0f;  // origin (radians)
    float lat = 0.0f;
};
inline Llorig llorig;

// Projection parameters (radians).
struct Llpparam {
    float lon0 = 0.0f;  // central longitude
    float lon2 = 0.0f;  // true-scale meridian of the modified polyconic
    float lat1 = 0.0f;  // standard or single parallel; first bounding parallel of the polyconic
    float lat2 = 0.0f;  // second standard or bounding parallel
    // Constants derived by the set-up of the current projection, overwritten by each set-up.
    std::array<float, 3> derived{};
    float omega = 0.0f;  // central angle: the farthest distance from the centre that the
                         // azimuthal projections draw, the angle of view of the perspective
};
inline Llpparam llpparam;

// The central angle's domain, degrees: more than 0, or the map shows nothing, and at most 180,
// the antipode, as far as a distance from the centre goes (the whole sphere in view).
inline constexpr float kLargestCentralAngle = 180.0f;
inline bool centralAngleInDomain(float degrees) {
    return degrees > 0.0f && degrees <= kLargestCentralAngle;
}

// The reference ellipsoid: radii in metres, the shape constants the projections use (the plane
// takes the equatorial radius as 1), and the coefficients of the meridian arc.
struct Ellipsoid {
    float a = 0.0f;
    float b = 0.0f;
    float e = 0.0f;
    float e2 = 0.0f;
    float e4 = 0.0f;
    float e6 = 0.0f;
    float ep2 = 0.0f;  // second eccentricity squared
    float a0 = 0.0f;   // meridian arc M = a0 lat + a2 sin 2lat + a4 sin 4lat + a6 sin 6lat
    float a2 = 0.0f;
    float a4 = 0.0f;
    float a6 = 0.0f;
};
inline Ellipsoid ellipsoid;

// Constants of the modified polyconic: its bounding parallels, x and y of the meridians as
// linear functions of the meridian arc, the radii of the bounding parallels and the shift given
// to the second parallel.
struct Forimwpoly {
    float lat1 = 0.0f;
    float lat2 = 0.0f;
    float x0 = 0.0f;  // x = x0 + xslope M
    float xslope = 0.0f;
    float y0 = 0.0f;  // y = y0 + yslope M
    float yslope = 0.0f;
    float r1 = 0.0f;
    float r2 = 0.0f;
    float offset = 0.0f;
};
inline Forimwpoly forimwpoly;

// Where a map that wraps the ground once around a circle (the transverse Mercator, around its
// central meridian's great circle) tears it apart, unless the map chooses otherwise: the south
// pole, a quarter turn south of the central meridian's point on the equator.
inline constexpr float kSouthTear = -std::numbers::pi_v<float> / 2.0f;

// All that a projection's transforms, its reach and its rim read: a copy of the blocks above and
// of the oblique centre's rotation (the frame-change matrix, whose third row is the centre); and
// where a map that wraps the ground around a circle tears it: the angle around that circle
// (radians, see ProjectionRow::around) from which the map lays one turn of it out, so that its
// lines lift the pen there. A map chooses it away from its frame.
struct ProjectionParams {
    Llorig llorig;
    Llpparam llpparam;
    Ellipsoid ellipsoid;
    Forimwpoly forimwpoly;
    A2b a2b;
    float tear = kSouthTear;
};

// The parameters in force: the blocks as the dialogs and set-ups last left them.
ProjectionParams currentProjectionParams();

// Projects n points with the current projection; x and y may be the arrays lon and lat. A
// projection number outside 1 to 25 is reported and the projection reset before projecting.
void projlln(float* x, float* y, const float* lon, const float* lat, int32_t n);

// Projects as projlln, but a point that the current projection does not place truly gets the
// sentinel: one beyond the projection's reach (see ProjectionRow::projectShown).
void projllnShown(float* x, float* y, const float* lon, const float* lat, int32_t n);

// The parameter dialogs a projection uses, run in this order after its section's title.
enum ProjectionDialog : unsigned {
    kEllipsoidDialog = 1,  // before the section
    kCentralLongitudeDialog = 2,
    kSecondLongitudeDialog = 4,  // offered as the central longitude plus 2 degrees
    kFirstLatitudeDialog = 8,
    kSecondLatitudeDialog = 16,
    kCentralAngleDialog = 32,
    kObliqueCentreDialog = 64,
};

// Where a longitude goes before it is projected. A map that cuts the sphere along a meridian
// places each longitude in the turn centred on its central meridian, so that a point lands
// where the projection's formulas put it, whatever the frame; the turn's edge is the seam.
enum class Placement : uint8_t {
    kFrame,            // the longitude only shifts the map (cylindrical) or turns it (Albers'
                       // cone, which has no central longitude of its own), or the map has no
                       // seam (azimuthal): the turn centred on the frame keeps the frame whole
    kCentralMeridian,  // the turn centred on the central longitude
    kGreenwich,        // the projection has no central longitude: the turn centred on 0
};

// How far a projection shows the ground truly, measured from its centre: its formulas go on
// past it (a point beyond the central angle held on the rim, the far side of an orthographic
// globe drawn over the near side, the gnomonic's far points towards infinity, the transverse
// Mercator's towards its poles at infinity, where the ellipsoidal one's series also leaves the
// exact projection, Mercator's and a conformal cone's poles at infinity, the modified polyconic
// folding over itself); maps leave such points out, and the shown part ends on a rim at a finite
// distance on the map.
enum class ReachFrom : uint8_t {
    kEverywhere,     // every point the projection places is shown
    kPole,           // angular distance from the north pole
    kApexPole,       // angular distance from the pole at a cone's apex: the north pole when the
                     // cone's constant n (the first derived parameter) is positive, else the south
    kEquator,        // angular distance from the equator, either way
    kObliqueCentre,  // angular distance from the oblique centre
    kCentralCircle,  // angular distance from the great circle of the central meridian
    kSheetMiddle,    // angular distance from the central meridian's point halfway between the
                     // bounding parallels of a modified polyconic's sheet
};
struct Reach {
    ReachFrom from = ReachFrom::kEverywhere;
    float angle = 0.0f;  // the largest distance shown, radians
};
// The angular distance (radians) of a point from where a reach is measured, with the
// projection's parameters p; 0 for a reach of everywhere.
using ReachDistance = float (*)(const ProjectionParams& p, float lon, float lat);
ReachDistance reachDistance(ReachFrom from);

// Which lines of the graticule a projection draws straight.
enum Straight : uint8_t {
    kCurved = 0,
    kStraightMeridians = 1,
    kStraightParallels = 2,
    kStraightBoth = kStraightMeridians | kStraightParallels,
};

using ProjectionForward = void (*)(const ProjectionParams& p, float* x, float* y, const float* lon,
                                   const float* lat, int32_t n);

// The angle (radians) of a point around the circle that a map wraps the ground about, in
// [-pi/2, 3pi/2], with the projection's parameters p.
using AroundCircle = float (*)(const ProjectionParams& p, float lon, float lat);

// All that the program knows of one projection.
struct ProjectionRow {
    int32_t number = 0;
    int32_t menuGroup = 0;                 // the projection menu's group, 1 to 6
    std::string_view menuLine;             // its entry in that group
    std::vector<std::string_view> titles;  // its section's title, shown before its dialogs
    unsigned dialogs = 0;                  // ProjectionDialog flags
    ProjectionForward forward = nullptr;
    ProjectionForward exact = nullptr;  // null where the forward transform is exact
    void (*setup)() = nullptr;          // derives its constants from its parameters
    Placement placement = Placement::kGreenwich;
    ReachFrom reachFrom = ReachFrom::kEverywhere;
    float (*reachAngle)(const ProjectionParams& p) = nullptr;  // the reach, radians
    bool seam = true;   // the map is cut along the meridian opposite its centre: lines lift there
    bool tears = true;  // between two points it shows, the map may tear a line apart or hide its
                        // middle (the far side of a transverse Mercator map); an azimuthal
                        // map's rim ends lines instead
    // Where the map wraps the ground once around a circle (the transverse Mercator, whose y runs
    // around its central meridian's great circle and on past the poles): a point's angle around
    // it. The map lays out one turn of it from the parameters' tear and tears lines there; null
    // for the other maps.
    AroundCircle around = nullptr;
    bool conformal = false;  // keeps angles: every direction at a point turns as north does there
    Straight straight = kCurved;

    bool azimuthal() const {
        return reachFrom == ReachFrom::kPole || reachFrom == ReachFrom::kObliqueCentre;
    }
    Reach reach(const ProjectionParams& p) const;
    // Projects n points with this projection and the parameters p, a point beyond its reach
    // getting the sentinel; with `useExact` through the exact transform where the forward one
    // reads a table, for the directions of the ground around a point. x and y may be lon and lat.
    void projectShown(const ProjectionParams& p, float* x, float* y, const float* lon,
                      const float* lat, int32_t n, bool useExact = false) const;
    // The same with the reach r taken once with the parameters p, for a map that projects its
    // points a few at a time.
    void projectShown(const ProjectionParams& p, const Reach& r, float* x, float* y,
                      const float* lon, const float* lat, int32_t n, bool useExact = false) const;
    // Where the shown part of the map ends, at a finite distance on the map: n points of that
    // rim (radians), spread evenly along it, and n; 0 for a projection without a reach.
    int32_t rim(const ProjectionParams& p, float* lon, float* lat, int32_t n) const;
};

inline constexpr int32_t kProjectionCount = 25;
inline constexpr int32_t kDefaultProjection = 15;
bool knownProjection(int32_t iproj);
// The row of projection iproj, 1 to 25.
const ProjectionRow& projectionRow(int32_t iproj);
// The row of the current projection, which is reset first when its number is unknown.
const ProjectionRow& currentProjection();
// The projection menu, called with a scratch number in mode 4 when the projection number is
// invalid. The menu lives with the map drawing, above this folder, and installs itself here;
// without it the projection is simply reset to the default.
using ProjectionMenu = void (*)(int32_t& iproj, int32_t mode);
void setProjectionMenu(ProjectionMenu menu);

}  // namespace tensova

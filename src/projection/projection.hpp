#pragma once
// The map projection: the current projection among 25, its origin and parameters, and the
// dispatcher that projects arrays of longitudes and latitudes (radians) into plane coordinates
// in earth radii, with the projected origin at (0, 0).
//
// No projection ever returns NaN or infinity: a point that cannot be projected (at infinity in
// that projection) gets the sentinel kFarAway, with the sign of the direction it runs off in
// where there is one, and no coordinate is ever larger in magnitude than kFarAway.

#include <array>
#include <cstdint>

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

// Projects n points with the current projection; x and y may be the arrays lon and lat. A
// projection number outside 1 to 25 is reported and the projection reset before projecting.
void projlln(float* x, float* y, const float* lon, const float* lat, int32_t n);

// Projects as projlln, but a point that the current projection does not place truly gets the
// sentinel: on an azimuthal map one farther from the centre than its central angle (5 to 9),
// one on the far side of the globe (orthographic 9 and 10, perspective 11 and 12), one more
// than 80 degrees from the centre of a gnomonic map (17, 18, or its central angle where
// smaller), and the antipode of an equal-area or stereographic map that reaches it. The maps are
// drawn through it, so that nothing is drawn where it is not.
void projllnShown(float* x, float* y, const float* lon, const float* lat, int32_t n);

// Where the shown part of an azimuthal map ends, at a finite distance on the map: n points of
// that rim (radians), spread evenly around the centre, and n; 0 for a map that is not
// azimuthal.
int32_t projectionRim(float* lon, float* lat, int32_t n);
bool projectionHasRim();

// Whether the current projection cuts the sphere along a meridian (every map but the
// azimuthal ones): a line between two points more than half a turn apart in longitude would
// run across the whole map.
bool projectionHasSeam();

// Whether the current projection keeps angles (transverse Mercator, Lambert conformal conic,
// stereographic, Mercator): a direction at a point turns on the map as north does there.
bool projectionIsConformal();

// Whether the current projection draws every meridian (`meridians`) or every parallel as a
// straight line, so that a grid line needs no more points than its steps.
bool projectionDrawsStraight(bool meridians);

// The projection menu, called with a scratch number in mode 4 when the projection number is
// invalid. The menu lives with the map drawing, above this folder, and installs itself here;
// without it the projection is simply reset to the default.
using ProjectionMenu = void (*)(int32_t& iproj, int32_t mode);
void setProjectionMenu(ProjectionMenu menu);

}  // namespace tensova

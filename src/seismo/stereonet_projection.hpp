#pragma once
// Stereonet projections: directions given by azimuth (clockwise from north) and plunge
// (positive downwards), in radians, onto a lower-hemisphere net of radius 1. A horizontal
// direction lands on the unit circle, a vertical downward one at the centre, an upward one
// outside the circle.
//
//   number  net                                  x          y
//     1     Wulff (stereographic, conformal)     r cos az   r sin az   direct: x north, y east
//     2     Wulff                                r sin az   r cos az   retrograde: x east, y north
//     3     Schmidt (Lambert equal-area)         r cos az   r sin az
//     4     Schmidt (the default)                r sin az   r cos az
//
// The projection routines take outputs, inputs and count in that order; a count below 1 changes
// nothing. x and y may be the very arrays passed as az and pl, in either order.

#include <cstdint>

namespace tensova {

// The program-wide projection number; 0 until the start-up set-up.
struct Sprojtype {
    int32_t iproj = 0;
};
inline Sprojtype sprojtype;

// The equal-area net: largest colatitude drawn (radians) and radius factor (sqrt 2, which
// puts a horizontal direction on the unit circle).
struct Schmidtparams {
    float cmax = 0.0f;
    float factor = 0.0f;
};
inline Schmidtparams schmidtparams;

// The stereographic net: largest colatitude drawn (radians).
struct Wulfparams {
    float cmax = 0.0f;
};
inline Wulfparams wulfparams;

// Projects n directions with the current projection number. A number outside 1 to 4 gets an
// error box and the projection menu, and the projection is made with the number chosen there.
void spron(float* x, float* y, const float* az, const float* pl, int32_t n);
// The equal-area and the stereographic formula with direct axes: colatitude
// t = min(cmax, pi/2 - pl), r = sqrt(2) sin(t/2) or tan(t/2), x = r cos az, y = r sin az.
void schmidtn(float* x, float* y, const float* az, const float* pl, int32_t n);
void wulfn(float* x, float* y, const float* az, const float* pl, int32_t n);

// Chooses and stores the projection number in the set-up mode `mode` (2 and 3 the stored
// number; 4 to 7 the default 4, with its initialisation lines; others the caller's; even modes
// through the menu) and sets up the chosen net, whose maximum colatitude goes back to 180
// degrees. A number outside 1 to 4 gets an error box and the menu, whatever the mode.
void sspro(int32_t& iproj, int32_t mode);
// Set up the nets: cmax is the maximum colatitude in degrees (180 in modes 4 to 7); even modes
// show what the net is. Nothing is asked.
void sschmidt(float& cmax, int32_t mode);
void swulf(float& cmax, int32_t mode);

}  // namespace tensova

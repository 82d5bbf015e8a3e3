#pragma once
// The forward transforms of the 25 projections and the set-ups that derive their constants.
// Each forward routine projects n points (radians) with the parameters of the projection blocks
// and subtracts the origin offsets; x and y may be the arrays lon and lat; n below 1 does
// nothing. The dispatcher projlln chooses among them; the projection menu calls the set-ups.

#include <cstdint>

namespace tensova {

// Runs the set-up of projection iproj's derived constants, for the projections that have one.
void deriveConstants(int32_t iproj);

// Spherical cylindrical projections.
void tm2(float* x, float* y, const float* lon, const float* lat, int32_t n);        // 1
void mersphe2(float* x, float* y, const float* lon, const float* lat, int32_t n);   // 15
void lcnesphe2(float* x, float* y, const float* lon, const float* lat, int32_t n);  // 23

// Spherical conic projections and their set-ups.
void lcc2(float* x, float* y, const float* lon, const float* lat, int32_t n);        // 3
void polyco2(float* x, float* y, const float* lon, const float* lat, int32_t n);     // 13
void albesph2(float* x, float* y, const float* lon, const float* lat, int32_t n);    // 19
void bonnesph2(float* x, float* y, const float* lon, const float* lat, int32_t n);   // 20
void wernesphe2(float* x, float* y, const float* lon, const float* lat, int32_t n);  // 21
void slcc2();
void salbesph2();
void sbonnesph2();

// Spherical pseudo-cylindrical projections.
void sanflamsph2(float* x, float* y, const float* lon, const float* lat, int32_t n);  // 22
void mollw2(float* x, float* y, const float* lon, const float* lat, int32_t n);       // 24
void grinte2(float* x, float* y, const float* lon, const float* lat, int32_t n);      // 25

// Ellipsoidal projections and their set-ups; the meridian arc from the equator.
void tme2(float* x, float* y, const float* lon, const float* lat, int32_t n);      // 2
void lcce2(float* x, float* y, const float* lon, const float* lat, int32_t n);     // 4
void imwpoly2(float* x, float* y, const float* lon, const float* lat, int32_t n);  // 14
void merel2(float* x, float* y, const float* lon, const float* lat, int32_t n);    // 16
void slcce2();
void simwpoly2();
void lat2disel(float* m, const float* lat, int32_t n);

// Azimuthal projections centred on the north pole, with longitude 0 pointing down. The polar
// routines that clamp to the central angle omega receive it, and all receive the origin offsets.
void lazea2(float* x, float* y, const float* lon, const float* lat, int32_t n);  // 5, 6
void inverspsll(float* x, float* y, const float* lon, const float* lat, int32_t n, float omega,
                float xoff, float yoff);  // 7, 8
void orthogpsll(float* x, float* y, const float* lon, const float* lat, int32_t n, float omega,
                float xoff, float yoff);  // 9
void gnomopsll(float* x, float* y, const float* lon, const float* lat, int32_t n, float xoff,
               float yoff);  // 17, 18
void perspvpsll2(float* x, float* y, const float* lon, const float* lat, int32_t n,
                 float cosHalfView, float sinHalfView, float xoff, float yoff);  // 11
// Their oblique aspects, centred on the oblique centre: the points are turned by its matrix
// into the frame where the centre is the north pole and projected as in the polar aspect.
void lazeaobl(float* x, float* y, const float* lon, const float* lat, int32_t n);   // 6
void inversobl(float* x, float* y, const float* lon, const float* lat, int32_t n);  // 8
void gnomoobl(float* x, float* y, const float* lon, const float* lat, int32_t n);   // 18
void orthobl2(float* x, float* y, const float* lon, const float* lat, int32_t n);   // 10
void persobl2(float* x, float* y, const float* lon, const float* lat, int32_t n);   // 12
void spers2();

// The exact twins of the transforms that read a table (Mollweide's auxiliary angle) or snap
// points (Van der Grinten's central meridian).
void mollweideExact(float* x, float* y, const float* lon, const float* lat, int32_t n);
void grintenExact(float* x, float* y, const float* lon, const float* lat, int32_t n);

// The reach of each kind of map with the current parameters (radians): the azimuthal maps of
// the equal-area and stereographic laws (5 to 8), the orthographic polar (9) and oblique (10),
// the perspective (11, 12), the gnomonic (17, 18) and the transverse Mercator (1, 2).
float reachOfAzimuthal();
float reachOfOrthographicPolar();
float reachOfOrthographicOblique();
float reachOfPerspective();
float reachOfGnomonic();
float reachOfTransverse();

// Sets to the sentinel the projected points of x and y that lie beyond the reach.
void hideBeyondReach(const Reach& r, float* x, float* y, const float* lon, const float* lat,
                     int32_t n);
// n points (radians) spread evenly along the rim at the reach's distance, and n; 0 for a reach
// of everywhere.
int32_t rimOfReach(const Reach& r, float* lon, float* lat, int32_t n);

}  // namespace tensova

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

// How far from its centre an azimuthal projection places points truly. Its formulas go on past
// that distance (a point beyond the central angle held on the rim, the far side of an
// orthographic globe drawn over the near side, the gnomonic's and the stereographic's far
// points towards infinity); maps leave such points out, and the shown part ends on a rim at
// a finite distance on the map.
struct AzimuthalReach {
    bool polar = true;   // centred on the north pole; otherwise on the oblique centre
    float angle = 0.0f;  // the largest distance from the centre shown, radians: the rim's
};
// The reach of projection iproj (5 to 12, 17 and 18) with the current parameters.
AzimuthalReach azimuthalReach(int32_t iproj);
// Sets to the sentinel the projected points of x and y that lie beyond the reach.
void hideBeyondReach(const AzimuthalReach& r, float* x, float* y, const float* lon,
                     const float* lat, int32_t n);
// n points (radians) spread evenly around the centre at the rim's distance.
void rimOfReach(const AzimuthalReach& r, float* lon, float* lat, int32_t n);

}  // namespace tensova

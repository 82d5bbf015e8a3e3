#pragma once
// The forward transforms of the 25 projections and the set-ups that derive their constants.
// Each forward routine projects n points (radians) with the parameters p and subtracts their
// origin offsets; x and y may be the arrays lon and lat; n below 1 does nothing. The set-ups
// derive the constants from the blocks and leave them there. The projections' table holds which
// is whose; the projection menu calls the set-ups.

#include <cstdint>

#include "projection/projection.hpp"

namespace tensova {

// Runs the set-up of projection iproj's derived constants, for the projections that have one.
void deriveConstants(int32_t iproj);

// Spherical cylindrical projections.
void tm2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
         int32_t n);
void mersphe2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n);
void lcnesphe2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
               int32_t n);

// Spherical conic projections and their set-ups.
void lcc2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
          int32_t n);
void polyco2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
             int32_t n);
void albesph2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n);
void bonnesph2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
               int32_t n);
void wernesphe2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
                int32_t n);
void slcc2();
void salbesph2();
void sbonnesph2();

// Spherical pseudo-cylindrical projections.
void sanflamsph2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
                 int32_t n);
void mollw2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
            int32_t n);
void grinte2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
             int32_t n);

// Ellipsoidal projections and their set-ups; the meridian arc from the equator.
void tme2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
          int32_t n);
void lcce2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
           int32_t n);
void imwpoly2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n);
void merel2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
            int32_t n);
void slcce2();
void simwpoly2();
void lat2disel(float* m, const float* lat, int32_t n);

// Azimuthal projections centred on the north pole, with longitude 0 pointing down. The polar
// routines that clamp to the central angle omega receive it, and all receive the origin offsets.
void lazea2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
            int32_t n);
void inverspsll(float* x, float* y, const float* lon, const float* lat, int32_t n, float omega,
                float xoff, float yoff);
void orthogpsll(float* x, float* y, const float* lon, const float* lat, int32_t n, float omega,
                float xoff, float yoff);
void gnomopsll(float* x, float* y, const float* lon, const float* lat, int32_t n, float xoff,
               float yoff);
void perspvpsll2(float* x, float* y, const float* lon, const float* lat, int32_t n,
                 float cosHalfView, float sinHalfView, float xoff, float yoff);
// Their oblique aspects, centred on the oblique centre: the points are turned by its matrix
// into the frame where the centre is the north pole and projected as in the polar aspect.
void lazeaobl(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n);
void inversobl(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
               int32_t n);
void gnomoobl(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n);
void orthobl2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n);
void persobl2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n);
void spers2();

// The exact twin of the transform that reads a table (Mollweide's auxiliary angle).
void mollweideExact(const ProjectionParams& p, float* x, float* y, const float* lon,
                    const float* lat, int32_t n);

// The reach of each kind of map with the parameters p (radians): the azimuthal maps of
// the equal-area and stereographic laws, the orthographic polar and oblique, the perspective,
// the gnomonic, the transverse Mercator (from its central great circle), the modified polyconic,
// which folds over itself poleward of its sheet, and the maps that send a point to infinity: the
// stereographic (its antipode), the conformal cone (from its apex) and Mercator (from the
// equator).
float reachOfAzimuthal(const ProjectionParams& p);
float reachOfStereographic(const ProjectionParams& p);
float reachOfOrthographicPolar(const ProjectionParams& p);
float reachOfOrthographicOblique(const ProjectionParams& p);
float reachOfPerspective(const ProjectionParams& p);
float reachOfGnomonic(const ProjectionParams& p);
float reachOfTransverse(const ProjectionParams& p);
float reachOfSheet(const ProjectionParams& p);
float reachOfCone(const ProjectionParams& p);
float reachOfCylinder(const ProjectionParams& p);

// The angle of a point around the central meridian's great circle, from that meridian's point on
// the equator towards the north pole, in [-pi/2, 3pi/2]: where the transverse Mercator lays it
// out on the sphere, along its y.
float aroundCentralCircle(const ProjectionParams& p, float lon, float lat);

// Sets to the sentinel the projected points of x and y that lie beyond the reach r of a map with
// the parameters p.
void hideBeyondReach(const ProjectionParams& p, const Reach& r, float* x, float* y,
                     const float* lon, const float* lat, int32_t n);
// n points (radians) spread evenly along the rim at the reach's distance, and n; 0 for a reach
// of everywhere.
int32_t rimOfReach(const ProjectionParams& p, const Reach& r, float* lon, float* lat, int32_t n);

}  // namespace tensova

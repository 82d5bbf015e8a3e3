#pragma once
// Positions on the unit sphere as longitude and latitude (radians) or as Cartesian unit vectors
// (x towards longitude 0 on the equator, y towards longitude pi/2, z towards the north pole),
// and the change of frame by the fixed matrix Ab of the block a2b.
//
// Counts below 1 change nothing; every output element is written after all inputs of its
// point have been read, so an output may be an input array.

#include <cstdint>

#include "numeric/matrices.hpp"

namespace tensova {

// The frame-change matrix Ab, stored by columns: its rows are the unit vectors of frame b's axes
// in frame a. Written only by smatab33; zero until its first call.
struct A2b {
    Mat33 ab{};
};
inline A2b a2b;

// Unit vector of each point.
void ll2ccn(float* x, float* y, float* z, const float* lon, const float* lat, int32_t n);
// Longitude (-pi to pi) and latitude of each vector, normalised first when it is not of unit
// length; a length off by more than 1e-4 gets a warning box. A zero vector gives 0, 0.
void cc2lln(float* lon, float* lat, const float* x, const float* y, const float* z, int32_t n);
// xb = Ab*xa; xb may be xa.
void cca2ccb(Vec3& xb, const Vec3& xa);
// Each point carried from frame a to frame b.
void lla2llb(float* lonb, float* latb, const float* lona, const float* lata, int32_t n);
// Sets up Ab in the set-up mode `mode` (2/3 stored, 4/5 identity, others the caller's aba; even
// modes through a menu), leaves it in aba and stores it in a2b.
void smatab33(Mat33& aba, int32_t mode);

}  // namespace tensova

#pragma once
// Angle constants shared by the whole program, degree/radian conversion and the reduction of
// angles and indices into a period.
//
// Every constant is single precision and derived step by step from pi/2 = 1.5707964 (bits
// 3FC90FDB), so that the same rounding reaches every caller: pi, pi/2, pi/4, ... are the nearest
// floats to their meaning, while 180/pi is 180 divided by the stored pi, 57.2957764 (42652EE0),
// one unit in the last place below the nearest float. The tolerance tables hold each angle
// less or plus the float 1e-5.
//
// The array routines take outputs, inputs and count in that order; a count below 1 changes
// nothing, and an output may be its input (element i is written after element i is read).

#include <array>
#include <cstddef>
#include <cstdint>

namespace tensova {

// A block of angle constants, read by position from 1 as the rest of the program names them.
template <std::size_t N>
struct AngleBlock {
    std::array<float, N> v{};
    float operator()(int32_t k) const { return v[static_cast<std::size_t>(k - 1)]; }
};

// Positions in anglerad (1 to 7 also in angleradi and anglerads).
enum AnglePos : int32_t {
    kQuarterPi = 1,
    kThirdPi = 2,
    kHalfPi = 3,
    kThreeQuarterPi = 4,
    kPi = 5,
    kThreeHalfPi = 6,
    kTwoPi = 7,
    kDegToRad = 8,  // pi/180
    kRadToDeg = 9,  // 180/pi
};

// pi, pi/2, pi/4, pi/180, pi/2 - 1e-5, pi/2 + 1e-5: the seed of anglerad, read by nobody else.
inline AngleBlock<6> trig;
// pi/4, pi/3, pi/2, 3pi/4, pi, 3pi/2, 2pi, pi/180, 180/pi.
inline AngleBlock<9> anglerad;
// The seven angles of anglerad less 1e-5: lower bounds of tolerant comparisons.
inline AngleBlock<7> angleradi;
// The seven angles of anglerad plus 1e-5: upper bounds of tolerant comparisons.
inline AngleBlock<7> anglerads;

// Fills the four blocks and says so on the console.
void trigoset();

// Degrees to radians and radians to degrees, with the stored factors.
float rad(float x);
float deg(float x);
void deg2rad(float* out, const float* in, int32_t n);
void rad2deg(float* out, const float* in, int32_t n);
// A setting shown in degrees, back in radians: the stored angle itself (radians) where the
// degrees are what it shows, else rad of them. The two factors are not each other's inverse in
// single precision (deg(rad(80)) is 79.9999924): a menu left unchanged keeps its angles' bits.
float radKept(float degrees, float stored);

// Each value into [0, p), p > 0, never p itself: a value so little below 0 that adding p rounds
// to p gives 0. A negative exact multiple of p gives a negative zero; NaN stays NaN.
void modulr(float* out, const float* in, float p, int32_t n);
// Each value into [origin, origin + p), p > 0; a result that rounds up to origin + p is the
// origin.
void modulro(float* out, const float* in, float p, float origin, int32_t n);
// Each integer into 1 to p. A period below 1 changes nothing.
void moduri(int32_t* out, const int32_t* in, int32_t p, int32_t n);
// An angle in degrees beyond a turn either way, reduced exactly into [-180, 180]; one within a
// turn as it is. A point's sine and cosine computed from a longitude of 1e10 degrees would
// have no digits left in single precision.
float withinTurn(float degrees);
// Each angle (radians) into [0, 2pi), as modulr.
void na2pin(float* out, const float* in, int32_t n);
// Polar angle of each point, from -pi to pi; the origin gives pi/2.
void xy2t(float* theta, const float* x, const float* y, int32_t n);

}  // namespace tensova

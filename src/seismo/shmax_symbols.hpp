#pragma once
// The horizontal stress symbols of the seismicity map: at each epicentre a pair of symbols
// along SHmax and a pair along Shmin, inward arrows for a compressive horizontal axis, outward
// arrows for an extensional one and bars for a horizontal intermediate axis.

#include <array>
#include <cstdint>

#include "plot/transforms.hpp"

namespace tensova {

// The settings of the symbols. Written only by smapsh2.
struct Mapshpar {
    float sizmaxa = 0.0f;  // full symbol length, in units of 5 cm
    float sizmina = 0.0f;  // length of the small symbols, likewise
    int32_t epitype = 0;   // plot symbol of the epicentre; 0 none, negative filled
    int32_t isha = 0;      // -2 Shmin only, -1 small SHmax, 0 both, 1 small Shmin, 2 SHmax only
};
inline Mapshpar mapshpar;

// The settings in the set-up mode: 2 and 3 read the stored ones, 4 and 5 the defaults (0.4,
// 0.13, -1, 0); the other modes check the caller's sizes and type and reset a bad one with a
// warning. An even mode opens the menu. Every mode stores the result.
void smapsh2(float& sizmaxa, float& sizmina, int32_t& epitype, int32_t& isha, int32_t mode);

// How far each pair of arms of an event's stress symbols turns on the page from its ground
// azimuth (radians, clockwise): the SHmax pair along azshmax, then the Shmin pair along azshmax +
// 90 degrees. The two arms of a pair stay opposite on any map (the map turns a step and the step
// back alike), but on a map that is not conformal the two pairs need not stay at right angles.
struct ArmTurns {
    std::array<float, 2> turn{};
};

// Draws the epicentre symbol (of size sizmaxa cm) and the stress symbols of the n events at
// (x, y) in user units of the current subplot, azshmax their SHmax azimuths (radians,
// clockwise from user y) and isv the index (1 to 3) of their vertical stress axis; with turns,
// each arm turned by its own turn of the event. With page (a map's page transform), the user
// units are that page's: the current subplot takes it first, and the arms' length on the paper
// is read from it. An isv outside 1 to 3 gets bars, with a warning. Leaves the symbol size and
// type as it found them.
void dmapsh2(const float* x, const float* y, const float* azshmax, const int32_t* isv, int32_t n,
             const ArmTurns* turns = nullptr, const PageTransform* page = nullptr);

}  // namespace tensova

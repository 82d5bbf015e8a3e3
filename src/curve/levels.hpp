#pragma once
// The levels of a family of curves (contour levels, for instance): initial and final level,
// increment and number of levels, with a name and two printable texts.

#include <cstdint>
#include <string>

#include "console/text.hpp"

namespace tensova {

struct Plevblock {
    float levi = 0.0f;  // initial level
    float levf = 0.0f;  // final level
    float levd = 0.0f;  // increment between levels
    int32_t nlev = 0;   // number of levels
    std::string levname = fit("", 5);
    std::string levrange = fit("", 51);  // " init = " a " final = " b " inc = " c
    std::string levlabel = fit("", 56);  // the trimmed name, then all of levrange
};
inline Plevblock plevblock;

// Loads (modes 2, 3: the type stays the caller's), defaults (4, 5: 0 to 1 by 0.1, 11 levels,
// "level", type 1) or takes the caller's values; makes them consistent for the calculation
// type (0, 1 the increment from the number; 2 the number from the increment, refitted; 3 the
// number from the increment, kept; 4 a single level); a menu in even modes; stores them and
// rebuilds the texts. Every inconsistency is resolved by a reset, so a silent call returns.
void sclevel2(float& levi, float& levf, float& levd, int32_t& nlev, int32_t& ictype,
              std::string& name, int32_t inter);

}  // namespace tensova

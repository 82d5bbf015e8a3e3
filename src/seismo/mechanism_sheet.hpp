#pragma once
// The focal-mechanism sheet: one small lower-hemisphere stereonet per event with both nodal
// planes, the P, B and T axes and a label under it, twenty nets a page in four columns of five
// (five of four on a landscape page), with the run information and a page counter at the top of
// each page.

#include <array>
#include <cstdint>
#include <string>

namespace tensova {

// The sheet's own settings, kept from one call to the next (zero until the start-up).
struct FpsSheet {
    std::string plotName = std::string(50, ' ');
    // Standard and alternate symbol of the P, B and T axes.
    std::array<std::array<int32_t, 2>, 3> ipbtsymb{};
    // The lower-left net's user-to-centimetre map: origin (cm) and matrix xx, xy, yx, yy.
    float x0 = 0.0f, y0 = 0.0f;
    float xx = 0.0f, xy = 0.0f, yx = 0.0f, yy = 0.0f;
    float symbsize = 0.0f;  // cm, for the axis symbols
};
inline FpsSheet fpssheet;

// The sheet of `count` events (at most `capacity`): strike, dip and rake of the two nodal
// planes, in degrees for angle unit 1 and in radians otherwise, and one label per event of
// `labelLength` characters, the labels one after the other from `label0`. The nets are drawn in
// subplot `isub`. Modes 4 and 5 set the defaults; every other mode opens the sheet's menu,
// until 99. A plot file opened here stays open.
void fpsbchbll(const float* azd1, const float* dipd1, const float* rakd1, const float* azd2,
               const float* dipd2, const float* rakd2, const char* label0, int32_t labelLength,
               int32_t capacity, int32_t count, int32_t isub, int32_t iunit, int32_t mode);

}  // namespace tensova

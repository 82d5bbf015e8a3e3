#pragma once
// Drawing on one lower-hemisphere stereonet of radius 1 user unit centred on the user origin of
// the current subplot: great circles of planes, a symbol for each axis, and the net's frame.
// The caller places and scales the net through the subplot's map; every point goes through the
// current stereonet projection (spron), so the drawing follows the chosen net and axes.
//
// Angles are radians: azimuths clockwise from north, plunges positive downwards; a plane is the
// azimuth of its strike and its dip, dipping 90 degrees clockwise from the strike.

#include <array>
#include <cstdint>
#include <string>

#include "console/text.hpp"

namespace tensova {

// Points per great circle.
struct Dspgcbk {
    int32_t np = 0;
};
inline Dspgcbk dspgcbk;

// Axis symbols: a symbol type of the plot library (-99 to 99, negative filled), or 100 a radial
// line, 101 a radial arrow. The standard symbol marks axes of the lower hemisphere (plunge 0
// included); the alternate one upward axes, drawn at their antipode.
struct Dspaxbk {
    int32_t istd = 0;
    int32_t ialt = 0;
};
inline Dspaxbk dspaxbk;

inline constexpr int32_t kFrameLabels = 6;
inline constexpr std::size_t kFrameLabelLength = 15;

// The frame: circle, diameters, ticks every 10 degrees and six labels. Label 1 stands at the
// projection of azimuth 0, label 2 at that of azimuth 90 degrees, labels 3 to 6 near the upper
// right, lower right, lower left and upper left corners.
struct Stefram2 {
    int32_t np = 0;                              // points of the circle per turn
    std::array<int32_t, kFrameLabels> llabel{};  // 1: draw the label
    bool axes = false;
    bool ticks = false;
    std::array<std::string, kFrameLabels> label = [] {
        std::array<std::string, kFrameLabels> l;
        l.fill(std::string(kFrameLabelLength, ' '));
        return l;
    }();
};
inline Stefram2 stefram2;

// How an axis is taken. As a vector, one that points upwards (plunge below 0) is marked at its
// antipode with the alternate symbol, a radial mark pointing inwards. As a line (the two nodal
// planes of a mechanism may give the same axis in opposite senses), every axis is taken downwards
// and marked with the standard symbol. Plunge 0 is downward.
enum class AxisSense { Vector, Line };

// The lower-hemisphere great circle of each of n planes (strike azimuths and dips).
void dspgcfadn(const float* az, const float* dip, int32_t n);
// n axes (azimuths and plunges) with the symbols of dspaxbk.
void dspaxfapn2(const float* az, const float* pl, int32_t n, AxisSense sense = AxisSense::Vector);
// The frame as stefram2 holds it.
void repstereo();

// The set-ups, in the set-up modes. sdspaxsymb also takes 200: check the caller's symbols and
// let the user change them, storing nothing.
void sdspgc(int32_t& np, int32_t mode);
void sdspaxsymb(int32_t& istd, int32_t& ialt, int32_t mode);
void srepstereo0(int32_t mode);
// One label of the frame: its text (15 characters used), its draw flag and its number 1 to 6.
void srepstereolabel1(std::string& text, int32_t& iflag, int32_t& index, int32_t mode);
void srepstereonp(int32_t& np, int32_t mode);

}  // namespace tensova

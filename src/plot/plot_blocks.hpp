#pragma once
// The plot library's state blocks: the attribute block with the colour table, and the scale
// from centimetres to device units. The plot library owns and fills them; the PostScript
// device reads them when it writes a colour, a polygon or a text.
//
// Until the plot library's initialisations run, the members hold the values they give them:
// the default colour table with 12 colours and the default drawing attributes.

#include <array>
#include <cstdint>

namespace tensova {

// Number of colour slots: 0 the background, 1 the foreground, up to 12.
inline constexpr int kColourSlots = 13;

struct Plt1blk {
    float cmtodelength = 28.35f;  // points per centimetre, for lengths
};
inline Plt1blk plt1blk;

struct Plt2blk {
    // Percentages (0 to 100) of each colour slot.
    std::array<float, kColourSlots> red{100, 0, 50, 0, 0, 0, 50, 50, 80, 70, 60, 50, 30};
    std::array<float, kColourSlots> green{100, 0, 0, 50, 0, 50, 0, 50, 80, 70, 60, 50, 30};
    std::array<float, kColourSlots> blue{100, 0, 0, 0, 50, 50, 50, 0, 80, 70, 60, 50, 30};
    float linethick = 0.02f;  // cm
    float txtheight = 0.5f;   // cm
    float txtangle = 0.0f;    // degrees, counter-clockwise
    float symbsize = 0.4f;    // cm
    int32_t ncolor = 12;      // slots 0..ncolor are usable
    int32_t lastcolor = -1;   // slot last written to the plot file; -1 none yet
    bool colorplot = true;    // false when the plot is black and white (one colour)
    int32_t linecolor = 1;
    int32_t fillstyle = 1;  // 0 hollow, otherwise filled
    int32_t fillcolor = 8;
    int32_t justif = -1;  // 4 * row + column; negative trims the text's blanks
    int32_t ifont = 1;
    int32_t txtcolor = 1;
    int32_t symbtype = 1;  // negative: filled
};
inline Plt2blk plt2blk;

}  // namespace tensova

#pragma once
// The drawing attributes the device reads when it writes a colour, a polygon or a text: the
// colour table, the colour last written, the line, fill and text colours, the fill style, the
// justification and the text angle. The plot library's setters and colour table fill them;
// the device writes only the colour last written. Zero (all black, black and white) until the
// start-up fills the colour table and each opening of a plot file the attributes.

#include <array>
#include <cstdint>

namespace tensova {

// Number of colour slots: 0 the background, 1 the foreground, up to 12.
inline constexpr int kColourSlots = 13;

// The device unit: PostScript points per centimetre on the paper.
inline constexpr float kPointsPerCm = 28.35f;

struct PsAttributes {
    // Percentages (0 to 100) of each colour slot.
    std::array<float, kColourSlots> red{};
    std::array<float, kColourSlots> green{};
    std::array<float, kColourSlots> blue{};
    int32_t lastcolor = -1;  // slot last written to the plot file; -1 none yet
    bool colorplot = false;  // false when the plot is black and white (one colour)
    int32_t linecolor = 0;
    int32_t fillstyle = 0;  // 0 hollow, otherwise filled
    int32_t fillcolor = 0;
    int32_t justif = 0;  // 4 * row + column; negative trims the text's blanks
    int32_t txtcolor = 0;
    float txtangle = 0.0f;  // degrees, counter-clockwise
};
inline PsAttributes psattributes;

}  // namespace tensova

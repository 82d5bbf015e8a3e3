#pragma once
// The drawing attributes the device reads when it writes a colour, a polygon or a text: the
// colour table, the colour last written, the line, fill and text colours, the fill style, the
// justification and the text angle. The plot library's setters and colour table fill them;
// the device writes only the colour last written.
//
// Until the plot library's initialisations run, the members hold the values they give them:
// the default colour table with 12 colours and the default drawing attributes.

#include <array>
#include <cstdint>

namespace tensova {

// Number of colour slots: 0 the background, 1 the foreground, up to 12.
inline constexpr int kColourSlots = 13;

// The device unit: PostScript points per centimetre on the paper.
inline constexpr float kPointsPerCm = 28.35f;

struct PsAttributes {
    // Percentages (0 to 100) of each colour slot.
    std::array<float, kColourSlots> red{100, 0, 50, 0, 0, 0, 50, 50, 80, 70, 60, 50, 30};
    std::array<float, kColourSlots> green{100, 0, 0, 50, 0, 50, 0, 50, 80, 70, 60, 50, 30};
    std::array<float, kColourSlots> blue{100, 0, 0, 0, 50, 50, 50, 0, 80, 70, 60, 50, 30};
    int32_t lastcolor = -1;  // slot last written to the plot file; -1 none yet
    bool colorplot = true;   // false when the plot is black and white (one colour)
    int32_t linecolor = 1;
    int32_t fillstyle = 1;  // 0 hollow, otherwise filled
    int32_t fillcolor = 8;
    int32_t justif = -1;  // 4 * row + column; negative trims the text's blanks
    int32_t txtcolor = 1;
    float txtangle = 0.0f;  // degrees, counter-clockwise
};
inline PsAttributes psattributes;

}  // namespace tensova

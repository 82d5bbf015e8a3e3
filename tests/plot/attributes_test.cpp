// The attribute setters in their modes: the value they leave with the caller, the value they
// store, what they say, and what they write to the plot file. Each case runs on a plot freshly
// opened with the default attributes and 12 colours, boxes without their pause.

#include "plot/attributes.hpp"

#include <functional>

#include "plot/colour_table.hpp"
#include "plot_fixture.hpp"

namespace tensova::test {

struct Got {
    double argument, stored;
};

// The setter called on v in mode `inter`, and the member it stores into read afterwards.
template <typename T, typename M>
std::function<Got()> call(void (*setter)(T&, int32_t), T v, int32_t inter, const M& member) {
    return [=, &member] {
        T value = v;
        setter(value, inter);
        return Got{static_cast<double>(value), static_cast<double>(member)};
    };
}

// The stored values, the text height and font as the device has them.
const int32_t &lineColour = psattributes.linecolor, &fillColour = psattributes.fillcolor,
              &fillStyle = psattributes.fillstyle, &justif = psattributes.justif,
              &font = psparams.fontNumber, &symbolType = plt2blk.symbtype;
const float &lineWidth = plt2blk.linethick, &textHeight = psparams.textHeight,
            &angle = psattributes.txtangle, &symbolSize = plt2blk.symbsize;

struct SetterCase {
    std::function<Got()> run;
    Got want;
    Lines written = Lines();  // the plot file's lines after the width the opening writes
    std::string keys = "";
    int32_t colours = 12;
    bool open = true;
    bool level2 = true;
};

// clang-format off
const SetterCase kCases[] = {
    // Colour slots above the number of colours wrap around it, 0 and negatives become 1, and
    // the check runs in every mode, refused ones too.
    {call(slinecolor, 7, 1, lineColour), {2, 2}, {}, "", 4},
    {call(slinecolor, 5, 1, lineColour), {1, 1}, {}, "", 4},
    {call(slinecolor, -3, 1, lineColour), {1, 1}},
    {call(slinecolor, 20, 7, lineColour), {7, 1}},
    {call(sfillcolor, 0, 5, fillColour), {3, 3}, {}, "", 4},
    {call(stextcolor, 0, 2, psattributes.txtcolor), {6, 6}, {}, "6\n"},
    // Lowering the number of colours brings the colours in use back into the table.
    {[] {
         psattributes.linecolor = 5;
         int32_t n = 2;
         scolornb(n, 1);
         return Got{double(lineColour), double(fillColour)};
     }, {2, 2}},
    {[] { int32_t n = 12; scolornb(n, 1); return Got{1, double(lineColour)}; }, {1, 1}},
    {call(sfillstyle, 2, 1, fillStyle), {0, 0}},
    {call(sfillstyle, 3, 1, fillStyle), {1, 1}},
    {call(sfillstyle, -1, 0, fillStyle), {0, 0}, {}, "0\n"},
    // The line width reaches the file in points; a width read back is written again.
    {call(slinewidth, 0.01f, 1, lineWidth), {0.02f, 0.02f}, {"0.57 slw"}},
    {call(slinewidth, 1000.5f, 0, lineWidth), {0.01f, 0.01f}, {"0.28 slw"}, "0.01\n"},
    {call(slinewidth, 0.0f, 3, lineWidth), {0.02f, 0.02f}, {"0.57 slw"}},
    {call(slinewidth, 5000.0f, 7, lineWidth), {5000, 0.02f}},
    {call(slinestyle, 3, 0, psattributes.linecolor), {3, 1}},
    // The text height reaches the device only while the plot file is open.
    {call(stextsize, 0.02f, 1, textHeight), {0.5f, 14.175f}},
    {call(stextsize, 0.0f, 4, textHeight), {1000, 28350}, {}, "1000\n"},
    {call(stextsize, 0.8f, 1, plt2blk.txtheight), {0.8f, 0.8f}, {}, "", 12, false},
    {call(stextsize, 0.0f, 3, textHeight), {0.5f, 14.175f}, {}, "", 12, false},
    // A font outside 1..16 is refused, not reset; a stored font ends the pending path.
    {call(stextfont, 17, 1, font), {17, 1}},
    {call(stextfont, 16, 7, font), {16, 1}},
    {[] { usplot(0, 0, 0); return call(stextfont, 5, 1, font)(); }, {5, 5},
     {"np", "283.50 283.50 M", "sk"}},
    {call(stextfont, 0, 4, font), {9, 9}, {}, "9\n"},
    // Justification codes naming no point are corrected to the corner on their side.
    {call(stextalign, 12, 1, justif), {-1, -1}},
    {call(stextalign, -8, 1, justif), {-1, -1}},
    {call(stextalign, 0, 2, justif), {1, 1}, {}, "4\n"},
    {call(stextalign, -5, 1, justif), {-5, -5}},
    {call(stextalign, 20, 7, justif), {-1, -1}},
    {call(stextangle, 30.0f, 5, angle), {0, 0}},
    {call(stextangle, 0.0f, 0, angle), {-45, -45}, {}, "-45\n"},
    // The symbol menus show only at output level 2; the prompts are always asked.
    {call(ssymbolsize, 0.0f, 0, symbolSize), {0.3f, 0.3f}, {}, "0.3\n", 12, true, false},
    {call(ssymbolsize, 1.0f, 7, symbolSize), {1, 0.4f}},
    {call(ssymboltype, -40, 1, symbolType), {-40, -40}},
    {call(ssymboltype, 3, 200, symbolType), {3, 1}, {}, "\n"},
    {call(ssymboltype, 3, 102, symbolType), {3, 1}},
    {call(ssymboltype, 3, 102, symbolType), {3, 1}, {}, "", 12, true, false},
    {call(ssymboltype, 3, 6, symbolType), {3, 1}, {}, "\n"},
    // The number of colours through its menu: 12 offered, 4 entered and kept.
    {call(scolornb, 12, 0, plt2blk.ncolor), {4, 4}, {}, "10\n4\n99\n"},
    // At start-up, 4 colours under the routine's heading.
    {call(scolornb, 12, 5, plt2blk.ncolor), {4, 4}, {}, "", 4},
};
// clang-format on

TEST(Attributes, EachSetterInItsModes) {
    int i = 0;
    for (const SetterCase& c : kCases) {
        // What case i says is the part i of the golden file.
        const std::string part = std::to_string(i++);
        SCOPED_TRACE("case " + part);
        PlotDocument doc(c.keys);
        iocom.pauseOn = false;
        iocom.plotOpen = c.open;
        iocom.lwito[1] = c.level2;
        plt2blk.ncolor = c.colours;
        const Got got = c.run();
        EXPECT_NEAR(got.argument, c.want.argument, 1e-5);
        EXPECT_NEAR(got.stored, c.want.stored, 1e-3);
        expectGolden(doc.console.lines(), "attribute_setters.txt#" + part);
        EXPECT_EQ(between(doc.finish(), "0.57 slw", "showpage"), c.written);
    }
}

}  // namespace tensova::test

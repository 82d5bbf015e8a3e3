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
    Lines said = Lines();     // lines said, in this order; none: nothing at all is said
    Lines written = Lines();  // the plot file's lines after those of the opening
    std::string keys = "";
    int32_t colours = 12;
    bool open = true;
    bool level2 = true;
};

const Lines kNoAction = {" ===> NO ACTION"};

// clang-format off
const SetterCase kCases[] = {
    // Colour slots above the number of colours wrap around it, 0 and negatives become 1, and
    // the check runs in every mode, refused ones too.
    {call(slinecolor, 7, 1, lineColour), {2, 2}, {" trying to set color nb =      7",
     " when max color nb      =      4", " ===> RESET color nb    =      2"}, {}, "", 4},
    {call(slinecolor, 5, 1, lineColour), {1, 1}, {" ===> RESET color nb    =      1"}, {}, "", 4},
    {call(slinecolor, -3, 1, lineColour), {1, 1}, {" when min color nb      = 0"}},
    {call(slinecolor, 20, 7, lineColour), {7, 1},
     Lines{" ===> RESET color nb    =      7", " inter =      7"} + kNoAction},
    {call(sfillcolor, 0, 5, fillColour), {3, 3}, {" INITIALISING FILL COLOR TO: Grey20  ",
     " trying to set color nb =      8", " ===> RESET color nb    =      3"}, {}, "", 4},
    {call(stextcolor, 0, 2, psattributes.txtcolor), {6, 6},
     {" TEXT COLOR                                 ", " current value:      1",
      " Magenta  .................   6"}, {}, "6\n"},
    // Lowering the number of colours brings the colours in use back into the table.
    {[] {
         psattributes.linecolor = 5;
         int32_t n = 2;
         scolornb(n, 1);
         return Got{double(lineColour), double(fillColour)};
     }, {2, 2}, {" The nb of colors has been reduced", " ===> RESET color nb    =      2",
                 " ===> RESET color nb    =      2", " ==> checking done"}},
    {[] { int32_t n = 12; scolornb(n, 1); return Got{1, double(lineColour)}; }, {1, 1}, {}},
    {call(sfillstyle, 2, 1, fillStyle), {0, 0}, {" trying to set style nb =      2",
     " max style nb =      1", " ===> RESET style nb =      0"}},
    {call(sfillstyle, 3, 1, fillStyle), {1, 1}, {" ===> RESET style nb =      1"}},
    {call(sfillstyle, -1, 0, fillStyle), {0, 0}, {" min style nb = 0",
     " suggested new value:      1", " hollow ....................0"}, {}, "0\n"},
    // The line width reaches the file in points; a width read back is written again.
    {call(slinewidth, 0.01f, 1, lineWidth), {0.02f, 0.02f}, {" LINE THICKNESS OUT OF RANGE:",
     "  line thickness (cm) =    0.010", "  min =    0.010", "  max = 1000.000",
     " ==> RESET line thickness =    0.020"}, {"0.57 slw"}},
    {call(slinewidth, 1000.5f, 0, lineWidth), {0.01f, 0.01f}, {" ==> RESET line thickness =    0.020",
     " present value in cm .......     0.020"}, {"0.28 slw"}, "0.01\n"},
    {call(slinewidth, 0.0f, 3, lineWidth), {0.02f, 0.02f}, {}, {"0.57 slw"}},
    {call(slinewidth, 5000.0f, 7, lineWidth), {5000, 0.02f}, Lines{" inter =      7"} + kNoAction},
    {call(slinestyle, 3, 0, psattributes.linecolor), {3, 1}, {}},
    // The text height reaches the device only while the plot file is open.
    {call(stextsize, 0.02f, 1, textHeight), {0.5f, 14.175f}, {" TEXT SIZE OUT OF RANGE:",
     "  txtheight =    0.020", "  max = 1000.000", " ==> RESET txtheight =   0.50"}},
    {call(stextsize, 0.0f, 4, textHeight), {1000, 28350}, {" present value in cm ..........    0.50"},
     {}, "1000\n"},
    {call(stextsize, 0.8f, 1, plt2blk.txtheight), {0.8f, 0.8f},
     {" inter =      1", " Attempting to set textsize with", " a closed plot file",
      " ===> Value stored but no further call to lib"}, {}, "", 12, false},
    {call(stextsize, 0.0f, 3, textHeight), {0.5f, 14.175f}, {" inter =      3"}, {}, "", 12, false},
    // A font outside 1..16 is refused, not reset; a stored font ends the pending path.
    {call(stextfont, 17, 1, font), {17, 1}, Lines{" font number =     17"} + kNoAction},
    {call(stextfont, 16, 7, font), {16, 1}, Lines{" inter =      7"} + kNoAction},
    {[] { usplot(0, 0, 0); return call(stextfont, 5, 1, font)(); }, {5, 5}, {},
     {"np", "283.50 283.50 M", "sk"}},
    {call(stextfont, 0, 4, font), {9, 9}, {" present value..............       1",
     " Courier....................9"}, {}, "9\n"},
    // Justification codes naming no point are corrected to the corner on their side.
    {call(stextalign, 12, 1, justif), {-1, -1}, {" trying to set justif =     12",
     " justif must be in [-11,11]", " ===> RESET justif =     -1"}},
    {call(stextalign, -8, 1, justif), {-1, -1}, {" just =     -8", " ===> RESET just =     -1"}},
    {call(stextalign, 0, 2, justif), {1, 1}, {" currently stored   :     -1", " just =      4",
     " ===> RESET just =      1"}, {}, "4\n"},
    {call(stextalign, -5, 1, justif), {-5, -5}, {}},
    {call(stextalign, 20, 7, justif), {-1, -1},
     Lines{" ===> RESET justif =     -1", " inter =      7"} + kNoAction},
    {call(stextangle, 30.0f, 5, angle), {0, 0}, {" INITIALISING TEXT ANGLE TO: 0.0"}},
    {call(stextangle, 0.0f, 0, angle), {-45, -45}, {" suggested new value:    0.000"}, {},
     "-45\n"},
    // The symbol menus show only at output level 2; the prompts are always asked.
    {call(ssymbolsize, 0.0f, 0, symbolSize), {0.3f, 0.3f}, {" @ subroutine ssymbolsize",
     " Enter symbol size in cm"}, {}, "0.3\n", 12, true, false},
    {call(ssymbolsize, 1.0f, 7, symbolSize), {1, 0.4f}, Lines{" inter =      7"} + kNoAction},
    {call(ssymboltype, -40, 1, symbolType), {-40, -40}, {}},
    {call(ssymboltype, 3, 200, symbolType), {3, 1}, {" ready to set type =    3",
     " circle   ....... other values"}, {}, "\n"},
    {call(ssymboltype, 3, 102, symbolType), {3, 1}, {" circle   .................. 0",
     " circle   ....... other values"}},
    {call(ssymboltype, 3, 102, symbolType), {3, 1}, {}, {}, "", 12, true, false},
    {call(ssymboltype, 3, 6, symbolType), {3, 1}, {" currently stored type =    1",
     " inter =    6", " ===> NO ACTION"}, {}, "\n"},
};
// clang-format on

TEST(Attributes, EachSetterInItsModes) {
    int i = 0;
    for (const SetterCase& c : kCases) {
        SCOPED_TRACE("case " + std::to_string(i++));
        PlotDocument doc(c.keys);
        iocom.pauseOn = false;
        iocom.plotOpen = c.open;
        iocom.lwito[1] = c.level2;
        plt2blk.ncolor = c.colours;
        const Got got = c.run();
        EXPECT_NEAR(got.argument, c.want.argument, 1e-5);
        EXPECT_NEAR(got.stored, c.want.stored, 1e-3);
        const Lines said = doc.console.lines();
        int at = 0;
        for (const auto& l : c.said) EXPECT_GE(at = findLine(said, l, at), 0) << l;
        if (c.said.empty()) {
            EXPECT_EQ(doc.console.output(), "");
        }
        EXPECT_EQ(between(doc.finish(), "%%Page:   1   1", "showpage"),
                  Lines{"0.57 slw"} + c.written);
    }
}

}  // namespace tensova::test

// Text height, font, justification and angle.

#include <array>
#include <string_view>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "plot/attributes.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/setter_protocol.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_attributes.hpp"
#include "postscript/psparams.hpp"

namespace tensova {
namespace {

const Stamp kStextsize("stextsize", " 7.0", "21-05-2010");
const Stamp kStextfont("stextfont", " 2.1", "20-03-2009");
const Stamp kStextalign("stextalign", " 2.3", "16-03-2009");
const Stamp kStextangle("stextangle", " 2.1", "16-03-2009");

using setter::num;

// The text height has a field of its own.
std::string height(float h) {
    return fmtF(h, 6, 2);
}

constexpr std::array<std::string_view, 16> kFontMenu = {
    "Helvetica..................1", "Helvetica-Bold.............2", "Helvetica-Oblique..........3",
    "Helvetica-BoldOblique......4", "Times-Roman................5", "Times-Bold.................6",
    "Times-Italic...............7", "Times-BoldItalic...........8", "Courier....................9",
    "Courier-Bold..............10", "Courier-Oblique...........11", "Courier-BoldOblique.......12",
    "Symbol....................13", "Symbol-Bold...............14", "Symbol-Oblique............15",
    "Symbol-BoldOblique........16"};

constexpr std::array<std::string_view, 15> kAlignmentPicture = {
    "          SETTING TEXT ALIGNMENT           ", "            tensova plot library           ",
    "-------------------------------------------", " |just| indicates where the x,y point      ",
    "      is relative to the textstring        ", " if just < 0 leading and trailing blanks   ",
    "      will be ignored                      ", "                                           ",
    "   9              10              11       ", "   |---------------|---------------|       ",
    "   5<==textstring==6==============>7       ", "   |---------------|---------------|       ",
    "   1               2               3       ", "                                           ",
    "-------------------------------------------"};

const setter::Length kTextSize{kStextsize,
                               0.5f,
                               0.02f,
                               1000.0f,
                               height,
                               "INITIALISING TEXT SIZE TO:",
                               "TEXT SIZE OUT OF RANGE:",
                               " txtheight =",
                               "==> RESET txtheight =",
                               "                TEXT SIZE",
                               "present value in cm .......... ",
                               "text height in cm"};

}  // namespace

void stextsize(float& h, int32_t inter) {
    if (!setter::setLength(kTextSize, h, inter, plt2blk.txtheight)) return;
    plt2blk.txtheight = h;
    if (iocom.plotOpen) {
        intstextsize(h);
        return;
    }
    warninghead(kStextsize);
    wout({"inter =", num(inter)});
    wout({"Attempting to set textsize with"});
    wout({"a closed plot file"});
    wout({"===> Value stored but no further call to lib"});
    warningtail00();
}

void stextfont(int32_t& f, int32_t inter) {
    setter::start(f, inter, plt2blk.ifont, 1);
    if (inter == 5) setter::announce(kStextfont, {"INITIALISING TEXT FONT TO: 1 = Helvetica"});
    if (setter::dialog(inter)) {
        submenuhead(kStextfont);
        setter::titleBlock("         TEXT FONT");
        wout({"present value.............. ", num(f)});
        for (const std::string_view line : kFontMenu) wout({line});
        menutail();
        inintegvindef(f, "your choice", f, 1, 16);
    }
    const bool known = f >= 1 && f <= 16;
    if (setter::stores(inter) && known) {
        plt2blk.ifont = f;
        psparams.fontNumber = f;
        psstrokepath();
        return;
    }
    warninghead(kStextfont);
    if (!known) {
        wout({"font number =", num(f)});
    } else {
        wout({"inter =", num(inter)});
    }
    wout({"===> NO ACTION"});
    warningtail00();
}

void stextalign(int32_t& j, int32_t inter) {
    setter::start(j, inter, psattributes.justif, -1);
    if (inter == 5) {
        setter::announce(kStextalign, {"INITIALISING TEXT ALIGNMENT TO: -1"});
        wout({"=====> left-bottom trimmed"});
    }
    if (!(inter >= 2 && inter <= 5) && (j < -11 || j > 11)) {
        warninghead(kStextalign);
        wout({"trying to set justif =", num(j)});
        wout({"justif must be in [-11,11]"});
        j = -1;
        wout({"===> RESET justif =", num(j)});
        warningtail00();
    }
    if (setter::dialog(inter)) {
        submenuhead(kStextalign);
        wout({kDashes43});
        for (const std::string_view line : kAlignmentPicture) wout({line});
        wout({"currently stored   :", num(psattributes.justif)});
        wout({"suggested new value:", num(j)});
        menutail();
        inintegvindef(j, "value of just", j, -11, 11);
    }
    if (!setter::stores(inter)) {
        setter::refuse(kStextalign, inter);
        return;
    }
    // 0, 4 and 8 name no point of the text: the nearest corner on the same side is taken.
    if (j == 0 || j == -4 || j == -8 || j == 4 || j == 8) {
        warninghead(kStextalign);
        wout({"just =", num(j)});
        j = j > 0 ? 1 : -1;
        wout({"===> RESET just =", num(j)});
        warningtail00();
    }
    psattributes.justif = j;
}

void stextangle(float& a, int32_t inter) {
    setter::start(a, inter, psattributes.txtangle, 0.0f);
    if (inter == 5) setter::announce(kStextangle, {"INITIALISING TEXT ANGLE TO: 0.0"});
    if (setter::dialog(inter)) {
        submenuhead(kStextangle);
        setter::titleBlock("         TEXT ANGLE (degrees)");
        wout({"currently stored   :", num(psattributes.txtangle)});
        wout({"suggested new value:", num(a)});
        menutail();
        inrealdef(a, "text angle in degrees", a);
    }
    if (setter::stores(inter)) {
        psattributes.txtangle = a;
    } else {
        setter::refuse(kStextangle, inter);
    }
}

}  // namespace tensova

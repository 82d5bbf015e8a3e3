// Line width and style, the three colour setters and the polygon fill style.

#include <string_view>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "plot/attributes.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/setter_protocol.hpp"
#include "plot/transforms.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_attributes.hpp"

namespace tensova {
namespace {

const Stamp kSlinewidth("slinewidth", " 5.2", "19-03-2009");
const Stamp kSlinecolor("slinecolor", " 2.4", "16-03-2009");
const Stamp kSfillcolor("sfillcolor", " 2.7", "16-03-2009");
const Stamp kStextcolor("stextcolor", " 2.4", "16-03-2009");
const Stamp kSfillstyle("sfillstyle", " 3.2", "16-03-2009");

using setter::num;

struct ColourAttribute {
    const Stamp& stamp;
    int32_t PsAttributes::*member;
    int32_t def;
    std::string_view init;
    std::string_view title;
};

const ColourAttribute kLineColour{kSlinecolor, &PsAttributes::linecolor, 1,
                                  "INITIALISING LINE COLOR TO:", "     LINE COLOR"};
const ColourAttribute kFillColour{kSfillcolor, &PsAttributes::fillcolor, 8,
                                  "INITIALISING FILL COLOR TO:", "     FILL COLOR"};
const ColourAttribute kTextColour{
    kStextcolor, &PsAttributes::txtcolor, 1,
    "INITIALISING TEXT COLOR TO:", "TEXT COLOR                                 "};

// A slot outside 0..ncolor: above, the remainder of its division by ncolor + 1 (1 for 0);
// below, 1.
void checkSlot(const Stamp& s, int32_t& v) {
    const int32_t n = plt2blk.ncolor;
    if (v >= 0 && v <= n) return;
    warninghead(s);
    wout({"trying to set color nb =", num(v)});
    if (v > n) {
        wout({"when max color nb      =", num(n)});
        v %= n + 1;
        if (v == 0) v = 1;
    } else {
        wout({"when min color nb      = 0"});
        v = 1;
    }
    wout({"===> RESET color nb    =", num(v)});
    warningtail00();
}

void colourSetter(const ColourAttribute& a, int32_t& v, int32_t inter) {
    int32_t& stored = psattributes.*a.member;
    setter::start(v, inter, stored, a.def);
    if (inter == 5) setter::announce(a.stamp, {a.init, setter::colourName(v)});
    checkSlot(a.stamp, v);
    if (setter::dialog(inter)) {
        const int32_t n = plt2blk.ncolor;
        submenuhead(a.stamp);
        setter::titleBlock(a.title);
        wout({"current value:", num(stored)});
        wout({"new     value:", num(v)});
        for (int32_t i = 0; i <= n; ++i)
            wout({setter::colourName(i), ".................", fmtI(i, 3)});
        menutail();
        inintegvindef(v, "your choice", v, 0, n);
    }
    if (setter::stores(inter)) {
        stored = v;
    } else {
        setter::refuse(a.stamp, inter);
    }
}

const setter::Length kLineWidth{kSlinewidth,
                                0.02f,
                                0.01f,
                                1000.0f,
                                num,
                                "INITIALISING LINE THICKNESS TO:",
                                "LINE THICKNESS OUT OF RANGE:",
                                " line thickness (cm) =",
                                "==> RESET line thickness =",
                                "          LINE THICKNESS",
                                "present value in cm ....... ",
                                "line thickness in cm"};

}  // namespace

void slinewidth(float& w, int32_t inter) {
    if (!setter::setLength(kLineWidth, w, inter, plt2blk.linethick)) return;
    plt2blk.linethick = w;
    float points = 0.0f;
    lengthcm2de(points, w);
    intslinewidth(points);
}

void slinestyle(int32_t&, int32_t) {}

void slinecolor(int32_t& k, int32_t inter) {
    colourSetter(kLineColour, k, inter);
}

void sfillcolor(int32_t& k, int32_t inter) {
    colourSetter(kFillColour, k, inter);
}

void stextcolor(int32_t& k, int32_t inter) {
    colourSetter(kTextColour, k, inter);
}

void sfillstyle(int32_t& s, int32_t inter) {
    setter::start(s, inter, psattributes.fillstyle, 1);
    if (inter == 5) setter::announce(kSfillstyle, {"INITIALISING FILL STYLE TO: filled"});
    if (!(inter >= 2 && inter <= 5) && (s > 1 || s < 0)) {
        warninghead(kSfillstyle);
        if (s > 1) {
            wout({"trying to set style nb =", num(s)});
            wout({"max style nb =", num(1)});
            s %= 2;
        } else {
            wout({"trying to set nb of style  =", num(s)});
            wout({"min style nb = 0"});
            s = 1;
        }
        wout({"===> RESET style nb =", num(s)});
        warningtail00();
    }
    if (setter::dialog(inter)) {
        submenuhead(kSfillstyle);
        setter::titleBlock("     POLYGON FILL STYLES");
        wout({"currently stored   :", num(psattributes.fillstyle)});
        wout({"suggested new value:", num(s)});
        wout({"hollow ....................0"});
        wout({"filled ....................1"});
        menutail();
        inintegvindef(s, "your choice", s, 0, 1);
    }
    if (setter::stores(inter)) {
        psattributes.fillstyle = s;
    } else {
        setter::refuse(kSfillstyle, inter);
    }
}

}  // namespace tensova

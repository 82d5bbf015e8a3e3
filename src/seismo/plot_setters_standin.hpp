#pragma once
// STAND-IN, to be replaced by the plot library's attribute setters: the silent read (mode 3)
// and the silent set (mode 1) of the symbol type, text angle and text justification, straight
// on the attribute blocks. Other modes do nothing here.

#include <cstdint>

#include "plot/plot_blocks.hpp"
#include "postscript/ps_attributes.hpp"

namespace tensova {

inline void ssymboltype(int32_t& itype, int32_t inter) {
    if (inter == 3) itype = plt2blk.symbtype;
    if (inter == 1) plt2blk.symbtype = itype;
}

inline void stextangle(float& angle, int32_t inter) {
    if (inter == 3) angle = psattributes.txtangle;
    if (inter == 1) psattributes.txtangle = angle;
}

inline void stextalign(int32_t& just, int32_t inter) {
    if (inter == 3) just = psattributes.justif;
    if (inter == 1) psattributes.justif = just;
}

}  // namespace tensova

// STAND-IN as above for the symbol size, the text size and the fill style (mode 5 announces
// the default), and for the plot's life cycle and the run information on plots: the plot file
// opened and closed through the device, a new page always, nothing drawn for the run
// information, the text at half size for a line of text.

#include <string>
#include <string_view>

#include "console/console.hpp"
#include "console/menus.hpp"
#include "plot/drawing.hpp"
#include "plot/transforms.hpp"
#include "postscript/postscript.hpp"
#include "postscript/psparams.hpp"

namespace tensova {

inline void ssymbolsize(float& s, int32_t inter) {
    if (inter == 3) s = plt2blk.symbsize;
    if (inter == 1) plt2blk.symbsize = s;
}

inline void stextsize(float& h, int32_t inter) {
    if (inter == 3) h = plt2blk.txtheight;
    if (inter == 1) plt2blk.txtheight = h, intstextsize(h);
}

inline void sfillstyle(int32_t& s, int32_t inter) {
    if (inter == 5) {
        submenuhead(Stamp("sfillstyle", " 1.0", "01-06-2010"));
        wout({"INITIALISING FILL STYLE TO: filled"});
        s = 1;
    }
    if (inter == 3) s = psattributes.fillstyle;
    psattributes.fillstyle = s;
}

inline void plinit(std::string& fname, int32_t inter) {
    if (iocom.plotOpen) return;
    intplinit(fname, inter);
    iocom.plotOpen = true;
    psparams.fontNumber = 1;
    scm2de();
    float h = plt2blk.txtheight;
    stextsize(h, 1);
}

inline void plend() {
    if (!iocom.plotOpen) return;
    psend();
    iocom.plotOpen = false;
}

inline void newpage() {
    intnewpage();
}

inline void splotparam2(int32_t) {}

inline void cmplotruninfo0(float, float) {}

inline void cmplotcharinfo0(std::string_view text, int32_t k, float x, float y) {
    const float h = plt2blk.txtheight;
    intstextsize(0.5f * h);
    cmtext2(x, y - 1.5f * 0.5f * h * static_cast<float>(k - 1), text);
    intstextsize(h);
}

}  // namespace tensova

// Symbol size and type.

#include <array>
#include <string_view>

#include "console/console.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "plot/attributes.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/setter_protocol.hpp"

namespace tensova {
namespace {

const Stamp kSsymbolsize("ssymbolsize", " 2.8", "26-03-2009");
const Stamp kSsymboltype("ssymboltype", " 2.5", "27-03-2009");

using setter::num;

// Symbol types and modes have a narrower field.
std::string type(int32_t t) {
    return fmtI(t, 4);
}

constexpr int32_t kListCatalogue = 102;
constexpr int32_t kAskOnly = 200;

constexpr std::array<std::string_view, 24> kCatalogue = {
    "circle   .................. 0", "circle   .................. 1",
    "circle   .................. 2", "triangle .................. 3",
    "square   .................. 4", "pentagon .................. 5",
    "hexagon  .................. 6", "heptagon .................. 7",
    "octogon  .................. 8", "enneagon .................. 9",
    "   .     ................. 10", "   -     ................. 11",
    "   |     ................. 12", "   +     ................. 13",
    "   x     ................. 14", "   *     ................. 15",
    "   *     ................. 16", "   *     ................. 17",
    "circle . ................. 20", "circle - ................. 21",
    "circle | ................. 22", "circle + ................. 23",
    "square   ..................40", "circle   ....... other values"};

void catalogue() {
    for (const std::string_view line : kCatalogue) wout({line});
}

}  // namespace

void ssymbolsize(float& s, int32_t inter) {
    setter::start(s, inter, plt2blk.symbsize, 0.4f);
    if (inter == 5) setter::announce(kSsymbolsize, {"INITIALISING SYMBOL SIZE (cm) =", num(s)});
    if (setter::dialog(inter)) {
        submenuhead(kSsymbolsize);
        if (lwito(2)) {
            setter::titleBlock("SYMBOL SIZE (cm):");
            wout({"currently stored size =", num(plt2blk.symbsize)});
            wout({"ready to  store  size =", num(s)});
            menutail();
        }
        inrealdef(s, "symbol size in cm", s);
    }
    if (setter::stores(inter)) {
        plt2blk.symbsize = s;
    } else {
        setter::refuse(kSsymbolsize, inter);
    }
}

void ssymboltype(int32_t& t, int32_t inter) {
    if (inter == kListCatalogue) {
        if (lwito(2)) catalogue();
        return;
    }
    setter::start(t, inter, plt2blk.symbtype, 1);
    if (inter == 5) setter::announce(kSsymboltype, {"INITIALISING SYMBOL TYPE =", type(t)});
    if (isDialog(inter)) {
        submenuhead(kSsymboltype);
        if (lwito(2)) {
            wout({kDashes43});
            wout({"SYMBOL TYPE:"});
            wout({" Negative number => filled symbol"});
            wout({" N.B. Symbols also depend on"});
            wout({"      polygon & line attributes"});
            wout({kDashes43});
            if (inter == kAskOnly) {
                wout({"ready to set type =", type(t)});
            } else {
                wout({"currently stored type =", type(plt2blk.symbtype)});
                wout({"ready to  store  type =", type(t)});
            }
            wout({kDashes43});
            wout({"Symbol type ... symbol number"});
            catalogue();
            menutail();
        }
        inintegdef(t, "symbol number", t);
    }
    if (setter::stores(inter)) {
        plt2blk.symbtype = t;
    } else if (inter != kAskOnly) {
        setter::refuse(kSsymboltype, inter, 4);
    }
}

}  // namespace tensova

#include "plot/setter_protocol.hpp"

#include <algorithm>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "plot/plot_blocks.hpp"

namespace tensova::setter {

void announce(const Stamp& s, std::initializer_list<std::string_view> line) {
    submenuhead(s);
    wout(line);
}

void titleBlock(std::string_view title) {
    wout({kDashes43});
    wout({title});
    wout({kDashes43});
}

void refuse(const Stamp& s, int32_t inter, int width) {
    warninghead(s);
    wout({"inter =", fmtI(inter, width)});
    wout({"===> NO ACTION"});
    warningtail00();
}

const std::string& colourName(int32_t k) {
    return pltcharblk.colornam[static_cast<std::size_t>(std::clamp(k, 0, kColourSlots - 1))];
}

bool setLength(const Length& a, float& v, int32_t inter, float stored) {
    start(v, inter, stored, a.def);
    if (inter == 5) announce(a.stamp, {a.init, a.shown(v), "cm"});
    // Written so that a value that is not a number is reset too. The request and the bounds
    // take the field of other reals: a text height's own could not hold 1000.
    if (startsFromCaller(inter) && !(v > a.lo && v <= a.hi)) {
        warninghead(a.stamp);
        wout({a.outOfRange});
        wout({a.valueLabel, num(v)});
        wout({" min =", num(a.lo)});
        wout({" max =", num(a.hi)});
        v = a.def;
        wout({a.resetLabel, a.shown(v)});
        warningtail00();
    }
    if (dialog(inter)) {
        submenuhead(a.stamp);
        titleBlock(a.title);
        wout({a.present, a.shown(v)});
        menutail();
        inrealvindef(v, a.prompt, v, a.lo, a.hi);
    }
    if (stores(inter)) return true;
    refuse(a.stamp, inter);
    return false;
}

}  // namespace tensova::setter

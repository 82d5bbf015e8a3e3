#include "curve/curve_menu.hpp"

#include <algorithm>
#include <string>

#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/setup.hpp"
#include "curve/fixed_params.hpp"
#include "curve/levels.hpp"
#include "curve/menu_frame.hpp"
#include "curve/running_point.hpp"

namespace tensova {
namespace {

const Stamp kScall("scall", " 7.0", "22-07-2008");

constexpr int32_t kListing = 6;

// The editors' own values are loaded or defaulted into these; what they held does not matter.
struct Scratch {
    std::string fixName = fit("", 10);
    std::string fixValue = fit("", 35);
    std::string name = fit("", 35);
    int32_t n = 0;
    int32_t iv = 0;
    int32_t type = 0;
    float a = 0.0f;
    float b = 0.0f;
    float c = 0.0f;
};

std::string real8(float x) {
    return fmtF(x, 8, 3);
}
std::string int6(int32_t v) {
    return fmtI(v, 6);
}

// Labels of the menu (with the command that changes the value) and of the listing.
struct Label {
    std::string_view menu;
    std::string_view listing;
};

void fixedRows() {
    wout({"name       value     type   index"});
    const Pfixblock& f = pfixblock;
    for (int32_t i = 1; i <= std::min(f.nparfix, kFixedParamSlots); ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        wout({fmtA(f.pfixname[k], 10), f.pfixvalue[k].substr(0, 9) + " ", fmtI(f.ipfixtype[k], 1),
              "......." + fmtI(i, 2)});
    }
}

// What the menu and the listing both show, under the labels of one or the other.
void values(bool menu) {
    auto line = [menu](const Label& l, const std::string& value) {
        wout({menu ? l.menu : l.listing, value});
    };
    const Pfixblock& f = pfixblock;
    const Plevblock& lv = plevblock;
    const Ptblock& pt = ptblock;
    wout({"         1 - FIXED PARAMETERS"});
    line({"max nb of fixed params ..........", "max nb of fixed params    :"},
         int6(kFixedParamSlots));
    line({"current nb of fixed params ...100", "current nb of fixed params:"}, int6(f.nparfix));
    wout({"current fixed parameters:"});
    fixedRows();
    wout({kDashes43});
    wout({"         2 - LEVEL PARAMETERS"});
    // The two show the levels in different orders.
    if (menu) {
        wout({"nb of level curves ...........200", int6(lv.nlev)});
        wout({"level initial value ..........210", real8(lv.levi)});
        wout({"level final   value ..........210", real8(lv.levf)});
        wout({"level increment ..............210", real8(lv.levd)});
        wout({"single level value ...........210", real8(lv.levi)});
        wout({"level name ...................210", lv.levname});
    } else {
        wout({"level name ...............:", lv.levname});
        wout({"level initial value ......:", real8(lv.levi)});
        wout({"level final   value ......:", real8(lv.levf)});
        wout({"level increment ..........:", real8(lv.levd)});
        wout({"single level value .......:", real8(lv.levi)});
        wout({"nb of level curves .......:", int6(lv.nlev)});
    }
    wout({kDashes43});
    wout({"         3 - RUNNING POINT PARAMETERS"});
    line({"max nb of points ................", "max nb of points .........:"},
         int6(kCurvePointsMax));
    line({"nb of points to draw .........300", "nb of points to draw .....:"}, int6(pt.np));
    line({"nb of segments to draw .......300", "nb of segments to draw ...:"}, real8(pt.rnseg));
    line({"initial value ................310", "initial value ............:"}, real8(pt.pti));
    line({"final   value ................310", "final   value ............:"}, real8(pt.ptf));
    line({"increment ....................320", "increment ................:"}, real8(pt.ptd));
    line({"name .........................330", "name .....................:"}, pt.ptname);
}

void initialise(int32_t inter) {
    submenuhead(kScall);
    wout({"INITIALIZING CURVES PARAMETERS"});
    Scratch s;
    // Every slot must be addressable while it gets its defaults; then none is in use.
    s.n = kFixedParamSlots;
    scparfixnb(s.n, 1);
    for (int32_t i = 1; i <= kFixedParamSlots; ++i) {
        int32_t slot = i;
        scparfix1(s.fixName, s.type, s.a, s.iv, s.fixValue, slot, inter);
    }
    scparfixnb(s.n, inter);
    sclevel2(s.a, s.b, s.c, s.n, s.type, s.name, inter);
    scptnam(s.name, inter);
    scptnp(s.n, inter);
    scptif(s.a, s.b, inter);
    scptd(s.c, inter);
}

bool dispatch(int32_t choice) {
    Scratch s;
    if (choice >= 1 && choice <= pfixblock.nparfix) {
        int32_t slot = choice;
        scparfix1(s.fixName, s.type, s.a, s.iv, s.fixValue, slot, 2);
        return true;
    }
    switch (choice) {
        case 100:
            scparfixnb(s.n, 2);
            break;
        case 200:
        case 210:
            s.type = choice == 200 ? 1 : 2;
            sclevel2(s.a, s.b, s.c, s.n, s.type, s.name, 2);
            break;
        case 300:
            scptnp(s.n, 2);
            break;
        case 310:
            scptif(s.a, s.b, 2);
            break;
        case 320:
            scptd(s.c, 2);
            break;
        case 330:
            scptnam(s.name, 2);
            break;
        default:
            return false;
    }
    return true;
}

}  // namespace

void scall(int32_t inter) {
    if (startsFromDefaults(inter)) {
        initialise(inter);
        if (inter == 5) return;
    }
    if (inter == kListing) {
        submenuhead(kScall);
        wout({kDashes43});
        wout({"                 CURVES"});
        values(false);
        menutail();
        return;
    }
    if (!isDialog(inter)) return;
    curveMenuLoop(
        kScall, "           CURVES PARAMETERS", [] { values(true); }, dispatch);
}

}  // namespace tensova

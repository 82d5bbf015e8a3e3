#include "curve/levels.hpp"

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/input.hpp"
#include "console/numtext.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "curve/loop_count.hpp"
#include "curve/menu_frame.hpp"

namespace tensova {
namespace {

const Stamp kSclevel2("sclevel2", " 4.0", "22-07-2008");

std::string real8(float x) {
    return fmtF(x, 8, 3);
}
std::string int4(int32_t v) {
    return fmtI(v, 4);
}

// The values the routine works on: the caller's arguments.
struct Levels {
    float& levi;
    float& levf;
    float& levd;
    int32_t& nlev;
    int32_t& ictype;
};

void boundsLines(const Levels& v) {
    wout({" initial             =", real8(v.levi)});
    wout({" final               =", real8(v.levf)});
    wout({" increment           =", real8(v.levd)});
}

// Types 2 and 3 with a loop that runs to the final level.
void countFromIncrement(const Levels& v) {
    v.nlev = loopCount(v.levi, v.levf, v.levd);
    if (v.nlev <= 1) return;
    const float r = loopRemainder(v.levi, v.levf, v.levd, v.nlev);
    if (!(r > kRemainderTolerance)) return;
    const bool tell = r > kRemainderWarning;
    if (tell) {
        warninghead(kSclevel2);
        wout({"Levels computed from increment:"});
        wout({" Calculation type    =", int4(v.ictype)});
        wout({" nb of levels        =", int4(v.nlev)});
        boundsLines(v);
        wout({" remainder/increment =", real8(r)});
        wout({"==> large remainder"});
    }
    if (v.ictype == 2) {
        v.levd = (v.levf - v.levi) / static_cast<float>(v.nlev - 1);
        if (tell) {
            wout({"==> RECOMPUTED:"});
            wout({" increment =", real8(v.levd)});
        }
    } else if (tell) {
        wout({"==> final level not reached"});
    }
    if (tell) warningtail00();
}

void makeConsistent(const Levels& v) {
    for (;;) {
        if (v.ictype == 0 || v.ictype == 1) {
            if (v.nlev > 1) {
                v.levd = (v.levf - v.levi) / static_cast<float>(v.nlev - 1);
            } else if (v.nlev == 1) {
                v.levd = 1.0f;
            } else {
                errorhead(kSclevel2);
                wout({"Computing increment from nb of curves"});
                wout({" Calculation type =", int4(v.ictype)});
                wout({" nb of curves =", int4(v.nlev)});
                wout({"==> NEED nb > 0"});
                v.nlev = 1;
                wout({"==> RESET nb =", int4(v.nlev)});
                errortail00();
                continue;
            }
        } else if (v.ictype == 2 || v.ictype == 3) {
            if (loopRunsToEnd(v.levi, v.levf, v.levd)) {
                countFromIncrement(v);
            } else {
                errorhead(kSclevel2);
                wout({"Levels computed from increment:"});
                wout({" Calculation type    =", int4(v.ictype)});
                boundsLines(v);
                wout({"==> INCONSISTENT LOOP"});
                wout({"==> NEED TO CORRECT IT"});
                wout({"==> SETTING SINGLE LEVEL"});
                v.nlev = 1;
                v.ictype = 1;
                wout({" Nb of levels        =", int4(v.nlev)});
                wout({" Calculation type    =", int4(v.ictype)});
                errortail00();
                continue;
            }
        } else if (v.ictype == 4 && v.nlev != 1) {
            warninghead(kSclevel2);
            wout({"Single level:"});
            wout({" Calculation type    =", int4(v.ictype)});
            wout({" nb of levels        =", int4(v.nlev)});
            boundsLines(v);
            v.nlev = 1;
            wout({"==> RESETTING:"});
            wout({" Nb of levels        =", int4(v.nlev)});
            warningtail00();
        }
        return;
    }
}

// A level answer that cannot be used, in its box; false.
bool refused(std::string_view q, std::initializer_list<std::string_view> why) {
    refuseAnswer({kSclevel2, trimmed(q), "==> BACK TO QUERY", RefusalBox::Warning}, why);
    return false;
}

void askIncrement(float& levd) {
    const std::string q = curveQuestion("level increment value >0<");
    askUntilUsable([&] { inrealdef(levd, q, levd); },
                   [&] {
                       return levd != 0.0f || refused(q, {"Increment = " + real8(levd),
                                                          "Increment MUST be non zero"});
                   },
                   levd);
}

void askCount(int32_t& nlev) {
    const std::string q = curveQuestion("nb of level curves");
    askUntilUsable(
        [&] { inintegdef(nlev, q, nlev); },
        [&] {
            return nlev > 0 || refused(q, {"Nb of level curves = " + int4(nlev), "MUST BE > 0"});
        },
        nlev);
}

void askBounds(const Levels& v) {
    inrealdef(v.levi, curveQuestion("level initial value"), v.levi);
    inrealdef(v.levf, curveQuestion("level final value"), v.levf);
}

void menu(const Levels& v, const std::string& name) {
    curveMenuLoop(
        kSclevel2, "         CURVES LEVEL PARAMETER",
        [&] {
            wout({"level name       :", name});
            wout({"Calculation type =", int4(v.ictype)});
            wout({"level initial value ...........10", real8(v.levi)});
            wout({"level final   value ...........11", real8(v.levf)});
            wout({"level increment ...............12", real8(v.levd)});
            wout({"modify init, final & inc ......13"});
            wout({"nb of level curves ............14", int4(v.nlev)});
            wout({"modify init, final & nb .......15"});
            wout({"single level value ............20", real8(v.levi)});
        },
        [&](int32_t choice) {
            switch (choice) {
                case 10:
                    inrealdef(v.levi, curveQuestion("level initial value"), v.levi);
                    break;
                case 11:
                    inrealdef(v.levf, curveQuestion("level final value"), v.levf);
                    break;
                case 13:
                    askBounds(v);
                    [[fallthrough]];
                case 12:
                    v.ictype = 2;
                    askIncrement(v.levd);
                    break;
                case 15:
                    askBounds(v);
                    [[fallthrough]];
                case 14:
                    v.ictype = 1;
                    askCount(v.nlev);
                    break;
                case 20:
                    inrealdef(v.levi, curveQuestion("single level value"), v.levi);
                    v.nlev = 1;
                    v.levf = v.levi;
                    v.levd = 1.0f;
                    v.ictype = 4;
                    // A single level is consistent as set.
                    return true;
                default:
                    return false;
            }
            makeConsistent(v);
            return true;
        });
}

// The value with 3 decimals in as few characters as it needs, at most 9.
std::string shortReal(float x) {
    std::string text(9, ' ');
    int32_t nchar = 0;
    real2charf1(text, nchar, 3, 9, x);
    return text.substr(0, static_cast<std::size_t>(nchar));
}

void store(const Levels& v, const std::string& name) {
    Plevblock& b = plevblock;
    b.levi = v.levi;
    b.levf = v.levf;
    b.levd = v.levd;
    b.nlev = v.nlev;
    b.levname = fit(name, 5);
    b.levrange = fit(" init = " + shortReal(b.levi) + " final = " + shortReal(b.levf) +
                         " inc = " + shortReal(b.levd),
                     51);
    b.levlabel = fit(std::string(trimmed(b.levname)) + b.levrange, 56);
}

}  // namespace

void sclevel2(float& levi, float& levf, float& levd, int32_t& nlev, int32_t& ictype,
              std::string& name, int32_t inter) {
    if (startsFromStored(inter)) {
        levi = plevblock.levi;
        levf = plevblock.levf;
        levd = plevblock.levd;
        nlev = plevblock.nlev;
        name = fit(plevblock.levname, name.size());
    }
    if (startsFromDefaults(inter)) {
        levi = 0.0f;
        levf = 1.0f;
        levd = 0.1f;
        nlev = 11;
        name = fit("level", name.size());
        ictype = 1;
    }
    if (ictype < 0 || ictype > 4) {
        warninghead(kSclevel2);
        wout({"Calculation type =", int4(ictype)});
        wout({"==> Unknown"});
        wout({"==> RESETTING TYPE TO USE INCREMENT"});
        ictype = 2;
        wout({"Calculation type =", int4(ictype)});
        warningtail00();
    }
    const Levels v{levi, levf, levd, nlev, ictype};
    makeConsistent(v);
    if (isDialog(inter)) menu(v, name);
    store(v, name);
}

}  // namespace tensova

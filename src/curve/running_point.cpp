#include "curve/running_point.hpp"

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/numtext.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "curve/curve_menu.hpp"
#include "curve/loop_count.hpp"
#include "curve/menu_frame.hpp"

namespace tensova {
namespace {

const Stamp kScptnp("scptnp", " 1.0", "20-05-2008");
const Stamp kScptif("scptif", " 1.0", "21-05-2008");
const Stamp kScptd("scptd", " 1.0", "21-05-2008");
const Stamp kScptnam("scptnam", " 1.0", "21-05-2008");
const Stamp kScptend("scptend", "1.00", "03-11-97  ");

constexpr int32_t kDefaultPoints = 11;

const std::string kTitle = fit("RUNNING POINT parameters :", 43);

std::string real8(float x) {
    return fmtF(x, 8, 3);
}
std::string int7(int32_t v) {
    return fmtI(v, 7);
}
std::string int6(int32_t v) {
    return fmtI(v, 6);
}

void validatePoints(int32_t& np, int32_t inter) {
    if (np > kCurvePointsMax) {
        warninghead(kScptnp);
        wout({"nb of points =", int7(np), "> plot buffer size =", int7(kCurvePointsMax)});
        np = kCurvePointsMax;
        wout({"===> reset nb of points =", int7(np)});
        wout({"===> WILL NOT PLOT ALL THE DATA"});
        warningtail00();
    } else if (np == 1) {
        if (inter == 6 || inter == 7) return;
        warninghead(kScptnp);
        wout({"nb of points =", int7(np)});
        wout({"===> WILL PLOT ONLY ONE POINT"});
        warningtail00();
    } else if (np <= 0) {
        errorhead(kScptnp);
        wout({"nb of points np =", int7(np)});
        wout({"===> UPSTREAM PROBLEM ?"});
        wout({"Increment inconsistent with bounds ?"});
        np = 1;
        wout({"===> RESETTING np =", int7(np)});
        errortail00();
    }
}

// Types 0 and 1: the increment from the number of points; false when there is no point.
bool incrementFromPoints(int32_t type) {
    Ptblock& b = ptblock;
    b.rnp = static_cast<float>(b.np);
    b.rnseg = b.rnp - 1.0f;
    if (b.np > 1) {
        b.ptd = (b.ptf - b.pti) / b.rnseg;
        return true;
    }
    if (b.np == 1) {
        b.ptd = 0.0f;
        return true;
    }
    errorhead(kScptend);
    wout({"Calculation type =", int6(type)});
    wout({"Computing increment from np =", int6(b.np)});
    wout({"==> NEED TO SET np > 0"});
    errortail00();
    return false;
}

// Types 2 and 3: the number of points from the increment; false when the loop does not run
// from the initial to the final value.
bool pointsFromIncrement(int32_t type, int32_t inter) {
    Ptblock& b = ptblock;
    if (!loopRunsToEnd(b.pti, b.ptf, b.ptd)) {
        errorhead(kScptend);
        wout({"Calculation type =", int6(type)});
        wout({"Computing np from td with:"});
        wout({"  pti =", real8(b.pti)});
        wout({"  ptf =", real8(b.ptf)});
        wout({"  ptd =", real8(b.ptd)});
        wout({"==> INCONSISTENT LOOP"});
        wout({"==> NEED TO CORRECT IT"});
        errortail00();
        return false;
    }
    int32_t np = loopCount(b.pti, b.ptf, b.ptd);
    scptnp(np, isDialog(inter) ? 0 : 1);
    b.rnp = static_cast<float>(b.np);
    b.rnseg = b.rnp - 1.0f;
    const float r = loopRemainder(b.pti, b.ptf, b.ptd, b.np);
    if (!(r > kRemainderTolerance)) return true;
    const bool tell = r > kRemainderWarning;
    if (tell) {
        warninghead(kScptend);
        wout({"Calculation type =", int6(type)});
        wout({"np computed from td with:"});
        wout({" mp  =", int6(kCurvePointsMax)});
        wout({" np  =", int6(b.np)});
        wout({" pti =", real8(b.pti)});
        wout({" ptf =", real8(b.ptf)});
        wout({" ptd =", real8(b.ptd)});
        wout({" remainder/ptd =", real8(r)});
        wout({"==> large remainder"});
    }
    if (type == 2) {
        b.ptd = b.np == 1 ? 0.0f : (b.ptf - b.pti) / b.rnseg;
        if (tell) {
            wout({"RECOMPUTED VALUE:"});
            wout({" ptd =", real8(b.ptd)});
        }
    } else if (tell) {
        wout({"==> final point is not reached"});
    }
    if (tell) warningtail00();
    return true;
}

void buildLabel() {
    Ptblock& b = ptblock;
    std::string a(9, ' '), f(9, ' '), d(9, ' ');
    caream(a, 9, b.pti);
    caream(f, 9, b.ptf);
    caream(d, 9, b.ptd);
    b.ptrange = " init = " + a + " final = " + f + " inc = " + d;
    b.ptlabel = fit(std::string(trimmed(b.ptname)) + b.ptrange, 56);
}

}  // namespace

void scptnp(int32_t& np, int32_t inter) {
    if (startsFromStored(inter)) np = ptblock.np;
    if (startsFromDefaults(inter)) {
        np = kDefaultPoints;
        submenuhead(kScptnp);
        wout({"INITIALIZING NUMBER OF POINTS TO:", int7(np)});
    }
    if (isDialog(inter)) {
        curveMenuLoop(
            kScptnp, fit("RUNNING POINT PARAMETERS:", 43),
            [&] {
                wout({"max nb of points ................", int7(kCurvePointsMax)});
                wout({"nb of points ..................10", int7(np)});
                wout({"nb of segments ..................", int7(np - 1)});
            },
            [&](int32_t choice) {
                if (choice != 10) return false;
                inintegvindef(np, curveQuestion("nb of pts per curve"), np, 1, kCurvePointsMax);
                return true;
            });
    }
    validatePoints(np, inter);
    ptblock.np = np;
}

void scptif(float& pti, float& ptf, int32_t inter) {
    if (startsFromStored(inter)) {
        pti = ptblock.pti;
        ptf = ptblock.ptf;
    }
    if (startsFromDefaults(inter)) {
        pti = 0.0f;
        ptf = 1.0f;
    }
    if (isDialog(inter)) {
        curveMenuLoop(
            kScptif, kTitle,
            [&] {
                wout({"initial value .................10", real8(pti)});
                wout({"final   value .................11", real8(ptf)});
            },
            [&](int32_t choice) {
                if (choice == 10) inrealdef(pti, curveQuestion("initial value"), pti);
                if (choice == 11) inrealdef(ptf, curveQuestion("final value"), ptf);
                return choice == 10 || choice == 11;
            });
    }
    ptblock.pti = pti;
    ptblock.ptf = ptf;
}

void scptd(float& ptd, int32_t inter) {
    if (startsFromStored(inter)) ptd = ptblock.ptd;
    if (startsFromDefaults(inter)) ptd = 0.1f;
    if (isDialog(inter)) {
        curveMenuLoop(
            kScptd, kTitle,
            [&] {
                wout({"increment .....................10", real8(ptd)});
            },
            [&](int32_t choice) {
                if (choice != 10) return false;
                inrealdef(ptd, curveQuestion("increment"), ptd);
                return true;
            });
    }
    ptblock.ptd = ptd;
}

void scptnam(std::string& name, int32_t inter) {
    if (startsFromStored(inter)) name = fit(ptblock.ptname, name.size());
    if (startsFromDefaults(inter)) name = fit("Point.parameter", name.size());
    if (isDialog(inter)) {
        curveMenuLoop(
            kScptnam, kTitle,
            [&] {
                wout({"name ..........................10", name});
            },
            [&](int32_t choice) {
                if (choice != 10) return false;
                inchardef(name, curveQuestion("running point parameter name"), name);
                return true;
            });
    }
    ptblock.ptname = fit(name, 5);
    subtail(kScptnam);
}

void scptend(int32_t ictype, int32_t inter) {
    const bool label = ictype < 100;
    int32_t type = label ? ictype : ictype - 100;
    if (isDialog(inter)) scall(0);
    for (;;) {
        if (type == 0 || type == 1) {
            if (incrementFromPoints(type)) break;
        } else if (type == 2 || type == 3) {
            if (pointsFromIncrement(type, inter)) break;
        } else {
            warninghead(kScptend);
            wout({"Calculation type =", int6(type)});
            wout({"==> Unknown"});
            wout({"==> RESETTING TYPE TO USE NP"});
            type = 1;
            wout({"Calculation type =", int6(type)});
            warningtail00();
            continue;
        }
        // Only the user can mend the values.
        scall(0);
    }
    if (label) buildLabel();
}

}  // namespace tensova

#include "console/checks.hpp"

#include <string>

#include "console/banners.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/prompts.hpp"
#include "console/stop.hpp"
#include "console/text.hpp"

namespace tensova {
namespace {

const Stamp kCinvin("cinvin", " 3.1", "11-03-2000");
const Stamp kCrevin("crevin", " 3.0", "29-11-2001");
const Stamp kCinmax("cinmax", " 3.2", "11-03-2000");
const Stamp kLocate2dbox("locate2dbox", " 1.0", "12-04-2007");

void originLines(std::string_view subname) {
    wout({"Problem originated in :"});
    wout({"subroutine:", trimmed(subname)});
}

bool askOnKeyboard(std::string_view question, bool def) {
    bool answer = def;
    inlogicdef2(answer, question, def, iocom.errIn, iocom.errOut);
    return answer;
}

[[noreturn]] void stopAfter(std::initializer_list<std::string_view> lines) {
    for (auto l : lines) werr({l});
    werr({kStars43});
    stopRun(1);
}

void rangeFailure(const char* axis, float v, float lo, float hi, int32_t code) {
    const std::string a(axis);
    warninghead(kLocate2dbox);
    wout({a + " RANGE TEST FAILED FOR:"});
    wout({a + "    =", fmtG(v, 12, 5)});
    wout({a + "min =", fmtG(lo, 12, 5)});
    wout({a + "max =", fmtG(hi, 12, 5)});
    wout({"=> SET LOCATION =", fmtI(code, 3)});
    warningtail00();
}

}  // namespace

void errortail01(int32_t level) {
    bool def = false;
    if (level != 0) {
        sorryface();
        werr({"UNRECOVERABLE ERROR =====> QUITTING ADVISED"});
        def = true;
    } else {
        werr({"RECOVERABLE ERROR ====> CAN RESUME EXECUTION"});
    }
    if (askOnKeyboard("STOP", def)) stopAfter({"EXECUTION STOPPED AFTER ERROR"});
    if (level == 1) {
        werr({"ENTERING THE TWILIGHT ZONE OF COMPUTING !"});
        werr({"THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE"});
    } else {
        werr({"RESUMING EXECUTION"});
    }
    pauseForReturn(kStars43);
    werr({kStars43});
}

void errorstop(int32_t level) {
    switch (level) {
        case 0:
            werr({"RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED"});
            if (!askOnKeyboard("RESUME", true))
                stopAfter({"EXECUTION STOPPED BY USER", "AFTER RECOVERABLE ERROR"});
            werr({"RESUMING EXECUTION"});
            return;
        case 1:
            sorryface();
            werr({"UNRECOVERABLE ERROR ==> QUITTING ADVISED"});
            if (askOnKeyboard("STOP", true))
                stopAfter({"EXECUTION STOPPED BY USER", "AFTER UNRECOVERABLE ERROR",
                           "Copying the above information", "and sending it to the program author",
                           "might be helpful"});
            werr({"ENTERING THE TWILIGHT ZONE OF COMPUTING !"});
            werr({"THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE"});
            werr({"RESUMING EXECUTION"});
            return;
        case 2:
            sorryface();
            stopAfter({"UNRECOVERABLE ERROR", "EXECUTION STOPPED BY PROGRAM",
                       "Copying the above information", "and sending it to the program author",
                       "might be helpful"});
        default:
            return;
    }
}

int32_t cinvin(int32_t iv, int32_t ivmin, int32_t ivmax, std::string_view subname,
               std::string_view varname) {
    if (iv >= ivmin && iv <= ivmax) return 0;
    errorhead(kCinvin);
    wout({std::string(trimmed(varname)) + " =", fmtIown(iv)});
    wout({"outside [", fmtIown(ivmin), ",", fmtIown(ivmax), "]"});
    originLines(subname);
    errortail01(1);
    return 1;
}

int32_t cinmax(int32_t iv, int32_t ivmax, std::string_view subname, std::string_view varname) {
    if (iv <= ivmax) return 0;
    errorhead(kCinmax);
    wout({std::string(trimmed(varname)) + " =", fmtIown(iv), "> max =", fmtIown(ivmax)});
    originLines(subname);
    errortail01(1);
    return 1;
}

int32_t crevin2(std::string_view varname, float& r, float rmin, float rmax,
                std::string_view subname, int32_t igravity) {
    if (!(r < rmin || r > rmax)) return 0;
    if (igravity == 0)
        warninghead(kCrevin);
    else
        errorhead(kCrevin);
    const std::string name(trimmed(varname));
    wout({"Problem in subroutine:", trimmed(subname)});
    wout({name + " =", fmtFown(r, 0), "outside [", fmtFown(rmin, 0), ",", fmtFown(rmax, 0), "]"});
    if (igravity != 4) {
        r = r < rmin ? rmin : rmax;
        wout({"==> RESET", name + " =", fmtFown(r, 0)});
    }
    int32_t gravity = igravity;
    if (gravity < 0 || gravity > 4) {
        wout({"unknown  gravity =", fmtIown(gravity)});
        wout({"==> RESET gravity =", fmtIown(3)});
        gravity = 3;
    }
    switch (gravity) {
        case 0:
            warningtail00();
            break;
        case 1:
            errortail00();
            break;
        case 2:
            errorstop(0);
            errortail00();
            break;
        case 3:
            errorstop(1);
            errortail00();
            break;
        default:
            errorstop(2);
    }
    return 1;
}

void locate2dbox(int32_t* iloc, float xmin, float xmax, float ymin, float ymax, const float* x,
                 const float* y, int32_t n) {
    // Region codes clockwise from the top left; rows above, level, below.
    static constexpr int32_t kCodes[3][3] = {{1, 2, 3}, {8, 0, 4}, {7, 6, 5}};
    for (int32_t i = 0; i < n; ++i) {
        int row = -1;
        if (y[i] > ymax)
            row = 0;
        else if (y[i] >= ymin)
            row = 1;
        else if (y[i] < ymin)
            row = 2;
        if (row < 0) {
            iloc[i] = -2;
            rangeFailure("Y", y[i], ymin, ymax, -2);
            continue;
        }
        int col = -1;
        if (x[i] < xmin)
            col = 0;
        else if (x[i] <= xmax)
            col = 1;
        else if (x[i] > xmax)
            col = 2;
        if (col < 0) {
            iloc[i] = -1;
            rangeFailure("X", x[i], xmin, xmax, -1);
            continue;
        }
        iloc[i] = kCodes[row][col];
    }
}

}  // namespace tensova

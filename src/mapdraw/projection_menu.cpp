// The projection menu and the sections that walk the user through the chosen projection's
// parameters.

#include "mapdraw/projection_menu.hpp"

#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "mapdraw/contours.hpp"
#include "numeric/angles.hpp"
#include "projection/dialogs.hpp"
#include "projection/projection.hpp"
#include "projection/transforms.hpp"

namespace tensova {
namespace {

const Stamp kSprojll2("sprojll2", " 2.0", "06-12-2026");

// The central meridian (radians) under which the true-scale meridian was last set, if it was:
// a visit that keeps the central meridian keeps the true-scale one as it was set.
struct TrueScaleCentre {
    bool set = false;
    float lon0 = 0.0f;
};
TrueScaleCentre trueScaleCentre;

void lines(std::initializer_list<std::string_view> texts) {
    for (std::string_view t : texts) wout({t});
}

void showMenu(int32_t iproj) {
    submenuhead(kSprojll2);
    if (!lwito(2)) return;
    lines(
        {"           EARTH MAP PROJECTIONS", "    (longitude,latitude) -------> (x,y)", kDashes43});
    wout({" current projection number:", fmtI(projtype.iproj, 4)});
    wout({" setting projection number:", fmtI(iproj, 4)});
    // The projections group by kind, each group in the order of their numbers.
    static constexpr std::array<std::string_view, 6> kGroups = {
        "I    - SPHERICAL - CONFORMAL",   "II   - SPHERICAL - EQUIVALENT",
        "III  - SPHERICAL - OTHERS",      "IV  - ELLIPSOIDAL - CONFORMAL",
        "V   - ELLIPSOIDAL - EQUIVALENT", "VI  - ELLIPSOIDAL - OTHERS"};
    for (std::size_t g = 0; g < kGroups.size(); ++g) {
        wout({kDashes43});
        wout({kGroups[g]});
        for (int32_t k = 1; k <= kProjectionCount; ++k) {
            const ProjectionRow& row = projectionRow(k);
            if (row.menuGroup == static_cast<int32_t>(g + 1)) wout({row.menuLine});
        }
    }
    lines({kDashes43, "SET AND EXIT ..........................99"});
    menutail();
}

// Start-up: the projection and every parameter at their defaults, each set-up announcing
// itself, in the caller's mode (mode 4 opens each dialog).
void initialise(int32_t mode) {
    submenuhead(kSprojll2);
    wout({"INITIALIZING MAP PROJECTION"});
    wout({"(longitude, latitude) --> (x, y)"});
    screenproj();
    wout({"Default projection  = Spherical Mercator"});
    wout({"projection number =", fmtI(kDefaultProjection, 4)});
    projtype.iproj = kDefaultProjection;
    float lon = 0.0f, lat = 0.0f, angle = 0.0f;
    int32_t iell = 0;
    trueScaleCentre = {};
    sllorig(lon, lat, mode);
    slong1(angle, mode);
    slong2(angle, mode);
    slat1(angle, mode);
    slat2(angle, mode);
    sangle1(angle, mode);
    sellipsoid(iell, mode);
    soblique(lon, lat, mode);
    contours1(mode);
}

// The chosen projection's section: its title, its parameter dialogs and its constants.
void runSection(int32_t iproj, int32_t sub) {
    const ProjectionRow& s = projectionRow(iproj);
    if (s.dialogs & kEllipsoidDialog) {
        int32_t iell = 0;
        sellipsoid(iell, sub);
    }
    submenuhead(kSprojll2);
    for (std::string_view t : s.titles) wout({t});
    float value = 0.0f;
    if (s.dialogs & kCentralLongitudeDialog) slong1(value, sub);
    if (s.dialogs & kSecondLongitudeDialog) {
        // The true-scale meridian is offered 2 degrees east of the central one, or as it was
        // set where the central meridian is the one it was set under: a section gone through
        // keeping every value changes nothing.
        const bool kept = trueScaleCentre.set && trueScaleCentre.lon0 == llpparam.lon0;
        value = kept ? deg(llpparam.lon2) : value + 2.0f;
        slong2(value, isDialog(sub) ? 0 : 1);
        trueScaleCentre = {true, llpparam.lon0};
    }
    if (s.dialogs & kFirstLatitudeDialog) slat1(value, sub);
    if (s.dialogs & kSecondLatitudeDialog) slat2(value, sub);
    if (s.dialogs & kCentralAngleDialog) sangle1(value, sub);
    if (s.dialogs & kObliqueCentreDialog) {
        float lon = 0.0f, lat = 0.0f;
        soblique(lon, lat, sub);
    }
    deriveConstants(iproj);
}

}  // namespace

void sprojll2(int32_t& iproj, int32_t mode) {
    setProjectionMenu(sprojll2);
    if (startsFromStored(mode)) {
        iproj = projtype.iproj;
    } else if (startsFromDefaults(mode)) {
        iproj = kDefaultProjection;
        initialise(mode);
    }
    if (!knownProjection(iproj)) {
        // A caller's number, or a stored one that was never set.
        errorhead(kSprojll2);
        wout({"projection nb =", fmtI(iproj, 4)});
        wout({"==> NO SUCH PROJECTION NB"});
        wout({"==> RESETTING TO:"});
        wout({"projection nb =", fmtI(kDefaultProjection, 4)});
        errortail00();
        iproj = kDefaultProjection;
    }

    if (isDialog(mode) && lwito(2)) screenproj();
    while (isDialog(mode)) {
        showMenu(iproj);
        int32_t choice = 99;
        inintegdef(choice, "your choice", 99);
        if (choice == 99) break;
        if (knownProjection(choice)) {
            iproj = choice;
        } else {
            unknownAnswer(kSprojll2);
        }
    }

    projtype.iproj = iproj;
    const int32_t sub = isDialog(mode) ? 2 : 3;
    runSection(iproj, sub);
    float lon = 0.0f, lat = 0.0f;
    sllorig(lon, lat, sub);
}

}  // namespace tensova

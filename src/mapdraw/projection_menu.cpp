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
#include "projection/dialogs.hpp"
#include "projection/projection.hpp"
#include "projection/transforms.hpp"

namespace tensova {
namespace {

const Stamp kSprojll2("sprojll2", " 2.0", "06-12-2026");

constexpr int32_t kDefaultProjection = 15;

bool known(int32_t iproj) {
    return iproj >= 1 && iproj <= 25;
}

// The parameter dialogs a projection uses, run in this order after its section's title.
enum Dialog : unsigned {
    kEllipsoid = 1,  // before the section
    kLong1 = 2,
    kLong2 = 4,  // offered as the central longitude plus 2 degrees
    kLat1 = 8,
    kLat2 = 16,
    kAngle = 32,
    kCentre = 64,
};

struct Section {
    std::vector<std::string_view> titles;
    unsigned dialogs;
};

// The sections of projections 1 to 25. The degree sign of 14's title is written in the
// console's own encoding.
const std::array<Section, 25> kSections = {{
    {{"TRANSVERSE MERCATOR SPHERICAL EARTH", "1 parameter:", "  1 central meridien"}, kLong1},
    {{"TRANSVERSE MERCATOR ELLIPSOIDAL EARTH", "1 parameter:", "  1 central meridien"},
     kEllipsoid | kLong1},
    {{"LAMBERT CONFORMAL CONICAL SPHERICAL EARTH", "3 parameters:", "  1 central meridien",
      "  2 standard parallels"},
     kLong1 | kLat1 | kLat2},
    {{"LAMBERT CONFORMAL CONICAL ELLIPSOIDAL EARTH", "3 parameters:", "  1 central meridien",
      "  2 standard parallels"},
     kEllipsoid | kLong1 | kLat1 | kLat2},
    {{"AZIMUTHAL EQUAL AREA SPHERICAL EARTH", "LAMBERT (1772)", "POLAR",
      "1 parameter:", "  1 maximum angle from center"},
     kAngle},
    {{"AZIMUTHAL EQUAL AREA SPHERICAL EARTH", "LAMBERT (1772)", "OBLIQUE", "3 parameters:",
      "  1 maximum angle from center", "  1 central meridien", "  1 central parallel"},
     kAngle | kCentre},
    {{"STEREOGRAPHIC CONFORMAL SPHERICAL EARTH", "OR INVERSION SPHERICAL EARTH", "POLAR ",
      "1 parameter:", "  1 maximum angle from center"},
     kAngle},
    {{"STEREOGRAPHIC CONFORMAL SPHERICAL EARTH", "OR INVERSION SPHERICAL EARTH", "OBLIQUE",
      "3 parameters:", "  1 maximum angle from center", "  1 central meridien",
      "  1 central parallel"},
     kAngle | kCentre},
    {{"ORTHOGRAPHIC SPHERICAL EARTH", "POLAR ", "1 parameter:", "  1 maximum angle from center"},
     kAngle},
    {{"ORTHOGRAPHIC SPHERICAL EARTH", "OBLIQUE", "2 parameters:", "  1 central meridien",
      "  1 central parallel"},
     kCentre},
    {{"PERSPECTIVE SPHERICAL EARTH", "POLAR ", "1 parameter:", "  1 angle of view"}, kAngle},
    {{"PERSPECTIVE SPHERICAL EARTH", "OBLIQUE", "3 parameters:", "  1 angle of view",
      "  1 central meridien", "  1 central parallel"},
     kAngle | kCentre},
    {{"POLYCONIC SPHERICAL EARTH", "1 parameter:", "  1 central meridien"}, kLong1},
    {{"LALLEMAND POLYCONIC ELLIPSOIDAL EARTH", "Used by the International Map of the World",
      "4 parameters:", "  1 central meridien", "  1 true scale meridien (+2\u00b0E of central)",
      "  1 northernmost parallel", "  1 southernmost parallel"},
     kEllipsoid | kLong1 | kLong2 | kLat1 | kLat2},
    {{"MERCATOR SPHERICAL EARTH"}, 0},
    {{"MERCATOR ELLIPSOIDAL EARTH"}, kEllipsoid},
    {{"GNOMOMIC SPHERICAL EARTH", "POLAR "}, 0},
    {{"GNOMOMIC SPHERICAL EARTH", "OBLIQUE", "2 parameters:", "  1 central meridien",
      "  1 central parallel"},
     kCentre},
    {{"ALBERS SPHERICAL EARTH", "1 parameter:", "  1 parallel", "  NB: latp1 = 0 is problematic"},
     kLat1},
    {{"BONNE SPHERICAL EARTH", "1 parameter:", "  1 parallel", "  NB: latp1 = 0 is problematic"},
     kLat1},
    {{"WERNER SPHERICAL EARTH"}, 0},
    {{"SANSON-FLAMSTEED SPHERICAL EARTH"}, 0},
    {{"LAMBERT CYLINDRICAL NORMAL EQUIVALENT", "SPHERICAL EARTH    -   LAMBERT (1772)"}, 0},
    {{"MOLLWEIDE SPHERICAL EARTH", "1 parameter:", "  1 central meridien"}, kLong1},
    {{"VAN DER GRINTEN SPHERICAL EARTH", "1 parameter:", "  1 central meridien"}, kLong1},
}};

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
    lines({kDashes43,
           "I    - SPHERICAL - CONFORMAL",
           " Transverse mercator ...................1",
           " Lambert conformal conical  ............3",
           " Stereographic (inversion) polar........7",
           " Stereographic (inversion) oblique .....8",
           " Mercator .............................15",
           kDashes43,
           "II   - SPHERICAL - EQUIVALENT",
           " Lambert azimutal equal area polar......5",
           " Lambert azimutal equal area oblique ...6",
           " Albers ...............................19",
           " Bonne ................................20",
           " Werner ...............................21",
           " Sanson-Flamsteed .....................22",
           " Lambert cylindrical normal equivalent 23",
           " Mollweide ............................24",
           kDashes43,
           "III  - SPHERICAL - OTHERS",
           " Orthographic polar.....................9",
           " Orthographic oblique .................10",
           " Perspective polar.....................11",
           " Perspective oblique ..................12",
           " Polyconical ..........................13",
           " Gnonomic polar........................17",
           " Gnonomic oblique .....................18",
           " Van Der Grinten ......................25",
           kDashes43,
           "IV  - ELLIPSOIDAL - CONFORMAL",
           " Transverse mercator ...................2",
           " Lambert conformal conical .............4",
           " Mercator .............................16",
           kDashes43,
           "V   - ELLIPSOIDAL - EQUIVALENT",
           kDashes43,
           "VI  - ELLIPSOIDAL - OTHERS",
           " Lallemand modified polyconical .......14",
           kDashes43,
           "SET AND EXIT ..........................99"});
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
    sllorig(lon, lat, mode);
    slong1(angle, mode);
    slong2(angle, mode);
    slat1(angle, mode);
    slat2(angle, mode);
    sangle1(angle, mode);
    sellipsoid(iell, mode);
    soblique(lon, lat, mode);
    contours1(0.0f, 0.0f, 0.0f, 0.0f, mode);
}

// The chosen projection's section: its title, its parameter dialogs and its constants.
void runSection(int32_t iproj, int32_t sub) {
    const Section& s = kSections[static_cast<std::size_t>(iproj - 1)];
    if (s.dialogs & kEllipsoid) {
        int32_t iell = 0;
        sellipsoid(iell, sub);
    }
    submenuhead(kSprojll2);
    for (std::string_view t : s.titles) wout({t});
    float value = 0.0f;
    if (s.dialogs & kLong1) slong1(value, sub);
    if (s.dialogs & kLong2) {
        // The true-scale meridian is offered 2 degrees east of the central one, whatever was
        // stored before.
        value = value + 2.0f;
        slong2(value, isDialog(sub) ? 0 : 1);
    }
    if (s.dialogs & kLat1) slat1(value, sub);
    if (s.dialogs & kLat2) slat2(value, sub);
    if (s.dialogs & kAngle) sangle1(value, sub);
    if (s.dialogs & kCentre) {
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
    if (!known(iproj)) {
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
        if (known(choice)) {
            iproj = choice;
        } else {
            warninghead(kSprojll2);
            wout({"UNKNOWN ANSWER !"});
            wout({"==> BACK TO MENU WITHOUT ACTION"});
            warningtail00();
        }
    }

    projtype.iproj = iproj;
    const int32_t sub = isDialog(mode) ? 2 : 3;
    runSection(iproj, sub);
    float lon = 0.0f, lat = 0.0f;
    sllorig(lon, lat, sub);
}

}  // namespace tensova

// The dispatcher: one table from the projection number to its forward transform.

#include <algorithm>
#include <array>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "projection/dialogs.hpp"
#include "projection/projection.hpp"
#include "projection/transforms.hpp"

namespace tensova {
namespace {

const Stamp kProjlln("projlln", " 2.0", "06-12-2026");

// The polar routines that take their parameters as arguments, fed from the blocks.
void stereographic(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    inverspsll(x, y, lon, lat, n, llpparam.omega, llorig.xoff, llorig.yoff);
}
void orthographic(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    orthogpsll(x, y, lon, lat, n, llpparam.omega, llorig.xoff, llorig.yoff);
}
void perspectivePolar(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    perspvpsll2(x, y, lon, lat, n, llpparam.derived[1], llpparam.derived[0], llorig.xoff,
                llorig.yoff);
}
void gnomonic(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    gnomopsll(x, y, lon, lat, n, llorig.xoff, llorig.yoff);
}

using P = Placement;
using R = ReachFrom;
constexpr unsigned kEllipsoid = kEllipsoidDialog, kLong1 = kCentralLongitudeDialog,
                   kLong2 = kSecondLongitudeDialog, kLat1 = kFirstLatitudeDialog,
                   kLat2 = kSecondLatitudeDialog, kAngle = kCentralAngleDialog,
                   kCentre = kObliqueCentreDialog;

// The 25 projections. The degree sign of 14's title is written in the console's own encoding.
const std::array<ProjectionRow, kProjectionCount> kProjections = {{
    {1, 1, " Transverse mercator ...................1",
     {"TRANSVERSE MERCATOR SPHERICAL EARTH", "1 parameter:", "  1 central meridien"}, kLong1,
     tm2, nullptr, nullptr, P::kCentralMeridian, R::kCentralCircle, reachOfTransverse, false,
     true, true, kCurved},
    {2, 4, " Transverse mercator ...................2",
     {"TRANSVERSE MERCATOR ELLIPSOIDAL EARTH", "1 parameter:", "  1 central meridien"},
     kEllipsoid | kLong1, tme2, nullptr, nullptr, P::kCentralMeridian, R::kCentralCircle,
     reachOfTransverse, false, true, true, kCurved},
    {3, 1, " Lambert conformal conical  ............3",
     {"LAMBERT CONFORMAL CONICAL SPHERICAL EARTH", "3 parameters:", "  1 central meridien",
      "  2 standard parallels"},
     kLong1 | kLat1 | kLat2, lcc2, nullptr, slcc2, P::kCentralMeridian, R::kEverywhere, nullptr,
     true, true, true, kStraightMeridians},
    {4, 4, " Lambert conformal conical .............4",
     {"LAMBERT CONFORMAL CONICAL ELLIPSOIDAL EARTH", "3 parameters:", "  1 central meridien",
      "  2 standard parallels"},
     kEllipsoid | kLong1 | kLat1 | kLat2, lcce2, nullptr, slcce2, P::kCentralMeridian,
     R::kEverywhere, nullptr, true, true, true, kStraightMeridians},
    {5, 2, " Lambert azimutal equal area polar......5",
     {"AZIMUTHAL EQUAL AREA SPHERICAL EARTH", "LAMBERT (1772)", "POLAR", "1 parameter:",
      "  1 maximum angle from center"},
     kAngle, lazea2, nullptr, nullptr, P::kFrame, R::kPole, reachOfAzimuthal, false, false, false,
     kStraightMeridians},
    {6, 2, " Lambert azimutal equal area oblique ...6",
     {"AZIMUTHAL EQUAL AREA SPHERICAL EARTH", "LAMBERT (1772)", "OBLIQUE", "3 parameters:",
      "  1 maximum angle from center", "  1 central meridien", "  1 central parallel"},
     kAngle | kCentre, lazeaobl, nullptr, nullptr, P::kFrame, R::kObliqueCentre, reachOfAzimuthal,
     false, false, false, kCurved},
    {7, 1, " Stereographic (inversion) polar........7",
     {"STEREOGRAPHIC CONFORMAL SPHERICAL EARTH", "OR INVERSION SPHERICAL EARTH", "POLAR ",
      "1 parameter:", "  1 maximum angle from center"},
     kAngle, stereographic, nullptr, nullptr, P::kFrame, R::kPole, reachOfAzimuthal, false, false,
     true, kStraightMeridians},
    {8, 1, " Stereographic (inversion) oblique .....8",
     {"STEREOGRAPHIC CONFORMAL SPHERICAL EARTH", "OR INVERSION SPHERICAL EARTH", "OBLIQUE",
      "3 parameters:", "  1 maximum angle from center", "  1 central meridien",
      "  1 central parallel"},
     kAngle | kCentre, inversobl, nullptr, nullptr, P::kFrame, R::kObliqueCentre,
     reachOfAzimuthal, false, false, true, kCurved},
    {9, 3, " Orthographic polar.....................9",
     {"ORTHOGRAPHIC SPHERICAL EARTH", "POLAR ", "1 parameter:", "  1 maximum angle from center"},
     kAngle, orthographic, nullptr, nullptr, P::kFrame, R::kPole, reachOfOrthographicPolar, false,
     false, false, kStraightMeridians},
    {10, 3, " Orthographic oblique .................10",
     {"ORTHOGRAPHIC SPHERICAL EARTH", "OBLIQUE", "2 parameters:", "  1 central meridien",
      "  1 central parallel"},
     kCentre, orthobl2, nullptr, nullptr, P::kFrame, R::kObliqueCentre, reachOfOrthographicOblique,
     false, false, false, kCurved},
    {11, 3, " Perspective polar.....................11",
     {"PERSPECTIVE SPHERICAL EARTH", "POLAR ", "1 parameter:", "  1 angle of view"}, kAngle,
     perspectivePolar, nullptr, spers2, P::kFrame, R::kPole, reachOfPerspective, false, false,
     false, kStraightMeridians},
    {12, 3, " Perspective oblique ..................12",
     {"PERSPECTIVE SPHERICAL EARTH", "OBLIQUE", "3 parameters:", "  1 angle of view",
      "  1 central meridien", "  1 central parallel"},
     kAngle | kCentre, persobl2, nullptr, spers2, P::kFrame, R::kObliqueCentre, reachOfPerspective,
     false, false, false, kCurved},
    {13, 3, " Polyconical ..........................13",
     {"POLYCONIC SPHERICAL EARTH", "1 parameter:", "  1 central meridien"}, kLong1, polyco2,
     nullptr, nullptr, P::kCentralMeridian, R::kEverywhere, nullptr, true, true, false, kCurved},
    {14, 6, " Lallemand modified polyconical .......14",
     {"LALLEMAND POLYCONIC ELLIPSOIDAL EARTH", "Used by the International Map of the World",
      "4 parameters:", "  1 central meridien", "  1 true scale meridien (+2\u00b0E of central)",
      "  1 northernmost parallel", "  1 southernmost parallel"},
     kEllipsoid | kLong1 | kLong2 | kLat1 | kLat2, imwpoly2, nullptr, simwpoly2,
     P::kCentralMeridian, R::kEverywhere, nullptr, true, true, false, kStraightMeridians},
    {15, 1, " Mercator .............................15", {"MERCATOR SPHERICAL EARTH"}, 0, mersphe2,
     nullptr, nullptr, P::kFrame, R::kEverywhere, nullptr, true, true, true, kStraightBoth},
    {16, 4, " Mercator .............................16", {"MERCATOR ELLIPSOIDAL EARTH"},
     kEllipsoid, merel2, nullptr, nullptr, P::kFrame, R::kEverywhere, nullptr, true, true, true,
     kStraightBoth},
    {17, 3, " Gnonomic polar........................17", {"GNOMOMIC SPHERICAL EARTH", "POLAR "}, 0,
     gnomonic, nullptr, nullptr, P::kFrame, R::kPole, reachOfGnomonic, false, false, false,
     kStraightMeridians},
    {18, 3, " Gnonomic oblique .....................18",
     {"GNOMOMIC SPHERICAL EARTH", "OBLIQUE", "2 parameters:", "  1 central meridien",
      "  1 central parallel"},
     kCentre, gnomoobl, nullptr, nullptr, P::kFrame, R::kObliqueCentre, reachOfGnomonic, false,
     false, false, kStraightMeridians},
    {19, 2, " Albers ...............................19",
     {"ALBERS SPHERICAL EARTH", "1 parameter:", "  1 parallel", "  NB: latp1 = 0 is problematic"},
     kLat1, albesph2, nullptr, salbesph2, P::kGreenwich, R::kEverywhere, nullptr, true, true,
     false, kStraightMeridians},
    {20, 2, " Bonne ................................20",
     {"BONNE SPHERICAL EARTH", "1 parameter:", "  1 parallel", "  NB: latp1 = 0 is problematic"},
     kLat1, bonnesph2, nullptr, sbonnesph2, P::kGreenwich, R::kEverywhere, nullptr, true, true,
     false, kCurved},
    {21, 2, " Werner ...............................21", {"WERNER SPHERICAL EARTH"}, 0,
     wernesphe2, nullptr, nullptr, P::kGreenwich, R::kEverywhere, nullptr, true, true, false,
     kCurved},
    {22, 2, " Sanson-Flamsteed .....................22", {"SANSON-FLAMSTEED SPHERICAL EARTH"}, 0,
     sanflamsph2, nullptr, nullptr, P::kGreenwich, R::kEverywhere, nullptr, true, true, false,
     kStraightParallels},
    {23, 2, " Lambert cylindrical normal equivalent 23",
     {"LAMBERT CYLINDRICAL NORMAL EQUIVALENT", "SPHERICAL EARTH    -   LAMBERT (1772)"}, 0,
     lcnesphe2, nullptr, nullptr, P::kFrame, R::kEverywhere, nullptr, true, true, false,
     kStraightBoth},
    {24, 2, " Mollweide ............................24",
     {"MOLLWEIDE SPHERICAL EARTH", "1 parameter:", "  1 central meridien"}, kLong1, mollw2,
     mollweideExact, nullptr, P::kCentralMeridian, R::kEverywhere, nullptr, true, true, false,
     kStraightParallels},
    {25, 3, " Van Der Grinten ......................25",
     {"VAN DER GRINTEN SPHERICAL EARTH", "1 parameter:", "  1 central meridien"}, kLong1, grinte2,
     grintenExact, nullptr, P::kCentralMeridian, R::kEverywhere, nullptr, true, true, false,
     kCurved},
}};


ProjectionMenu projectionMenu = nullptr;

void resetProjection() {
    errorhead(kProjlln);
    wout({"iproj = ", fmtI(projtype.iproj, 4)});
    wout({"NO SUCH PROJECTION AVALAIBLE"});
    wout({"==> RESET PROJECTION"});
    errortail00();
    if (projectionMenu != nullptr) {
        int32_t scratch = 0;
        projectionMenu(scratch, 4);
    }
    if (!knownProjection(projtype.iproj)) {
        // No menu to ask: the default projection, with offsets that fit it.
        projtype.iproj = kDefaultProjection;
        float lon = 0.0f, lat = 0.0f;
        sllorig(lon, lat, 3);
    }
}

}  // namespace

void setProjectionMenu(ProjectionMenu menu) {
    projectionMenu = menu;
}

bool knownProjection(int32_t iproj) {
    return iproj >= 1 && iproj <= kProjectionCount;
}

const ProjectionRow& projectionRow(int32_t iproj) {
    return kProjections[static_cast<std::size_t>(std::clamp(iproj, 1, kProjectionCount) - 1)];
}

const ProjectionRow& currentProjection() {
    if (!knownProjection(projtype.iproj)) resetProjection();
    return projectionRow(projtype.iproj);
}

Reach ProjectionRow::reach() const {
    return {reachFrom, reachAngle != nullptr ? reachAngle() : 0.0f};
}

void deriveConstants(int32_t iproj) {
    if (!knownProjection(iproj)) return;
    const ProjectionRow& p = projectionRow(iproj);
    if (p.setup != nullptr) p.setup();
}

namespace {

// Projects through `forward` and hides what lies beyond the current map's reach. The test
// reads the points before the projection may overwrite them: hide afterwards what lay beyond.
void projectShown(ProjectionForward forward, const Reach& r, float* x, float* y, const float* lon,
                  const float* lat, int32_t n) {
    if (r.from == ReachFrom::kEverywhere) {
        forward(x, y, lon, lat, n);
        return;
    }
    constexpr int32_t kPiece = 256;
    std::array<float, kPiece> plon{}, plat{};
    for (int32_t start = 0; start < n; start += kPiece) {
        const int32_t m = std::min(kPiece, n - start);
        std::copy_n(lon + start, m, plon.begin());
        std::copy_n(lat + start, m, plat.begin());
        forward(x + start, y + start, plon.data(), plat.data(), m);
        hideBeyondReach(r, x + start, y + start, plon.data(), plat.data(), m);
    }
}

}  // namespace

void projlln(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    const ProjectionRow& p = currentProjection();
    if (n < 1) return;
    p.forward(x, y, lon, lat, n);
}

void projllnShown(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    const ProjectionRow& p = currentProjection();
    if (n < 1) return;
    projectShown(p.forward, p.reach(), x, y, lon, lat, n);
}

void projllnExact(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    const ProjectionRow& p = currentProjection();
    if (n < 1) return;
    projectShown(p.exact != nullptr ? p.exact : p.forward, p.reach(), x, y, lon, lat, n);
}

int32_t projectionRim(float* lon, float* lat, int32_t n) {
    return rimOfReach(currentProjection().reach(), lon, lat, n);
}

}  // namespace tensova

// The projections' table: one row for each, holding all that the program knows of it, and the
// dispatch of the current projection through its row.

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

// The polar routines that take their parameters as arguments, fed from the parameters p.
void stereographic(const ProjectionParams& p, float* x, float* y, const float* lon,
                   const float* lat, int32_t n) {
    inverspsll(x, y, lon, lat, n, p.llpparam.omega, p.llorig.xoff, p.llorig.yoff);
}
void orthographic(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
                  int32_t n) {
    orthogpsll(x, y, lon, lat, n, p.llpparam.omega, p.llorig.xoff, p.llorig.yoff);
}
void perspectivePolar(const ProjectionParams& p, float* x, float* y, const float* lon,
                      const float* lat, int32_t n) {
    perspvpsll2(x, y, lon, lat, n, p.llpparam.derived[1], p.llpparam.derived[0], p.llorig.xoff,
                p.llorig.yoff);
}
void gnomonic(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n) {
    gnomopsll(x, y, lon, lat, n, p.llorig.xoff, p.llorig.yoff);
}

using P = Placement;
using R = ReachFrom;
constexpr unsigned kEllipsoid = kEllipsoidDialog, kLong1 = kCentralLongitudeDialog,
                   kLong2 = kSecondLongitudeDialog, kLat1 = kFirstLatitudeDialog,
                   kLat2 = kSecondLatitudeDialog, kAngle = kCentralAngleDialog,
                   kCentre = kObliqueCentreDialog;

// The 25 projections. The degree sign of 14's title is written in the console's own encoding.
const std::array<ProjectionRow, kProjectionCount> kProjections = {{
    {.number = 1,
     .menuGroup = 1,
     .menuLine = " Transverse mercator ...................1",
     .titles = {"TRANSVERSE MERCATOR SPHERICAL EARTH", "1 parameter:", "  1 central meridien"},
     .dialogs = kLong1,
     .forward = tm2,
     .placement = P::kCentralMeridian,
     .reachFrom = R::kCentralCircle,
     .reachAngle = reachOfTransverse,
     .seam = false,
     .around = aroundCentralCircle,
     .conformal = true},
    {.number = 2,
     .menuGroup = 4,
     .menuLine = " Transverse mercator ...................2",
     .titles = {"TRANSVERSE MERCATOR ELLIPSOIDAL EARTH", "1 parameter:", "  1 central meridien"},
     .dialogs = kEllipsoid | kLong1,
     .forward = tme2,
     .placement = P::kCentralMeridian,
     .reachFrom = R::kCentralCircle,
     .reachAngle = reachOfTransverse,
     .seam = false,
     .around = aroundCentralCircle,
     .conformal = true},
    {.number = 3,
     .menuGroup = 1,
     .menuLine = " Lambert conformal conical  ............3",
     .titles = {"LAMBERT CONFORMAL CONICAL SPHERICAL EARTH",
                "3 parameters:", "  1 central meridien", "  2 standard parallels"},
     .dialogs = kLong1 | kLat1 | kLat2,
     .forward = lcc2,
     .setup = slcc2,
     .placement = P::kCentralMeridian,
     .reachFrom = R::kApexPole,
     .reachAngle = reachOfCone,
     .conformal = true,
     .straight = kStraightMeridians},
    {.number = 4,
     .menuGroup = 4,
     .menuLine = " Lambert conformal conical .............4",
     .titles = {"LAMBERT CONFORMAL CONICAL ELLIPSOIDAL EARTH",
                "3 parameters:", "  1 central meridien", "  2 standard parallels"},
     .dialogs = kEllipsoid | kLong1 | kLat1 | kLat2,
     .forward = lcce2,
     .setup = slcce2,
     .placement = P::kCentralMeridian,
     .reachFrom = R::kApexPole,
     .reachAngle = reachOfCone,
     .conformal = true,
     .straight = kStraightMeridians},
    {.number = 5,
     .menuGroup = 2,
     .menuLine = " Lambert azimutal equal area polar......5",
     .titles = {"AZIMUTHAL EQUAL AREA SPHERICAL EARTH", "LAMBERT (1772)", "POLAR",
                "1 parameter:", "  1 maximum angle from center"},
     .dialogs = kAngle,
     .forward = lazea2,
     .placement = P::kFrame,
     .reachFrom = R::kPole,
     .reachAngle = reachOfAzimuthal,
     .seam = false,
     .tears = false,
     .straight = kStraightMeridians},
    {.number = 6,
     .menuGroup = 2,
     .menuLine = " Lambert azimutal equal area oblique ...6",
     .titles = {"AZIMUTHAL EQUAL AREA SPHERICAL EARTH", "LAMBERT (1772)", "OBLIQUE",
                "3 parameters:", "  1 maximum angle from center", "  1 central meridien",
                "  1 central parallel"},
     .dialogs = kAngle | kCentre,
     .forward = lazeaobl,
     .placement = P::kFrame,
     .reachFrom = R::kObliqueCentre,
     .reachAngle = reachOfAzimuthal,
     .seam = false,
     .tears = false},
    {.number = 7,
     .menuGroup = 1,
     .menuLine = " Stereographic (inversion) polar........7",
     .titles = {"STEREOGRAPHIC CONFORMAL SPHERICAL EARTH", "OR INVERSION SPHERICAL EARTH", "POLAR ",
                "1 parameter:", "  1 maximum angle from center"},
     .dialogs = kAngle,
     .forward = stereographic,
     .placement = P::kFrame,
     .reachFrom = R::kPole,
     .reachAngle = reachOfStereographic,
     .seam = false,
     .tears = false,
     .conformal = true,
     .straight = kStraightMeridians},
    {.number = 8,
     .menuGroup = 1,
     .menuLine = " Stereographic (inversion) oblique .....8",
     .titles = {"STEREOGRAPHIC CONFORMAL SPHERICAL EARTH", "OR INVERSION SPHERICAL EARTH",
                "OBLIQUE", "3 parameters:", "  1 maximum angle from center", "  1 central meridien",
                "  1 central parallel"},
     .dialogs = kAngle | kCentre,
     .forward = inversobl,
     .placement = P::kFrame,
     .reachFrom = R::kObliqueCentre,
     .reachAngle = reachOfStereographic,
     .seam = false,
     .tears = false,
     .conformal = true},
    {.number = 9,
     .menuGroup = 3,
     .menuLine = " Orthographic polar.....................9",
     .titles = {"ORTHOGRAPHIC SPHERICAL EARTH", "POLAR ",
                "1 parameter:", "  1 maximum angle from center"},
     .dialogs = kAngle,
     .forward = orthographic,
     .placement = P::kFrame,
     .reachFrom = R::kPole,
     .reachAngle = reachOfOrthographicPolar,
     .seam = false,
     .tears = false,
     .straight = kStraightMeridians},
    {.number = 10,
     .menuGroup = 3,
     .menuLine = " Orthographic oblique .................10",
     .titles = {"ORTHOGRAPHIC SPHERICAL EARTH", "OBLIQUE", "2 parameters:", "  1 central meridien",
                "  1 central parallel"},
     .dialogs = kCentre,
     .forward = orthobl2,
     .placement = P::kFrame,
     .reachFrom = R::kObliqueCentre,
     .reachAngle = reachOfOrthographicOblique,
     .seam = false,
     .tears = false},
    {.number = 11,
     .menuGroup = 3,
     .menuLine = " Perspective polar.....................11",
     .titles = {"PERSPECTIVE SPHERICAL EARTH", "POLAR ", "1 parameter:", "  1 angle of view"},
     .dialogs = kAngle,
     .forward = perspectivePolar,
     .setup = spers2,
     .placement = P::kFrame,
     .reachFrom = R::kPole,
     .reachAngle = reachOfPerspective,
     .seam = false,
     .tears = false,
     .straight = kStraightMeridians},
    {.number = 12,
     .menuGroup = 3,
     .menuLine = " Perspective oblique ..................12",
     .titles = {"PERSPECTIVE SPHERICAL EARTH", "OBLIQUE", "3 parameters:", "  1 angle of view",
                "  1 central meridien", "  1 central parallel"},
     .dialogs = kAngle | kCentre,
     .forward = persobl2,
     .setup = spers2,
     .placement = P::kFrame,
     .reachFrom = R::kObliqueCentre,
     .reachAngle = reachOfPerspective,
     .seam = false,
     .tears = false},
    {.number = 13,
     .menuGroup = 3,
     .menuLine = " Polyconical ..........................13",
     .titles = {"POLYCONIC SPHERICAL EARTH", "1 parameter:", "  1 central meridien"},
     .dialogs = kLong1,
     .forward = polyco2,
     .placement = P::kCentralMeridian},
    {.number = 14,
     .menuGroup = 6,
     .menuLine = " Lallemand modified polyconical .......14",
     .titles = {"LALLEMAND POLYCONIC ELLIPSOIDAL EARTH",
                "Used by the International Map of the World", "4 parameters:",
                "  1 central meridien", "  1 true scale meridien (+2\u00b0E of central)",
                "  1 northernmost parallel", "  1 southernmost parallel"},
     .dialogs = kEllipsoid | kLong1 | kLong2 | kLat1 | kLat2,
     .forward = imwpoly2,
     .setup = simwpoly2,
     .placement = P::kCentralMeridian,
     .reachFrom = R::kSheetMiddle,
     .reachAngle = reachOfSheet,
     .straight = kStraightMeridians},
    {.number = 15,
     .menuGroup = 1,
     .menuLine = " Mercator .............................15",
     .titles = {"MERCATOR SPHERICAL EARTH"},
     .forward = mersphe2,
     .placement = P::kFrame,
     .reachFrom = R::kEquator,
     .reachAngle = reachOfCylinder,
     .conformal = true,
     .straight = kStraightBoth},
    {.number = 16,
     .menuGroup = 4,
     .menuLine = " Mercator .............................16",
     .titles = {"MERCATOR ELLIPSOIDAL EARTH"},
     .dialogs = kEllipsoid,
     .forward = merel2,
     .placement = P::kFrame,
     .reachFrom = R::kEquator,
     .reachAngle = reachOfCylinder,
     .conformal = true,
     .straight = kStraightBoth},
    {.number = 17,
     .menuGroup = 3,
     .menuLine = " Gnonomic polar........................17",
     .titles = {"GNOMOMIC SPHERICAL EARTH", "POLAR "},
     .forward = gnomonic,
     .placement = P::kFrame,
     .reachFrom = R::kPole,
     .reachAngle = reachOfGnomonic,
     .seam = false,
     .tears = false,
     .straight = kStraightMeridians},
    {.number = 18,
     .menuGroup = 3,
     .menuLine = " Gnonomic oblique .....................18",
     .titles = {"GNOMOMIC SPHERICAL EARTH", "OBLIQUE", "2 parameters:", "  1 central meridien",
                "  1 central parallel"},
     .dialogs = kCentre,
     .forward = gnomoobl,
     .placement = P::kFrame,
     .reachFrom = R::kObliqueCentre,
     .reachAngle = reachOfGnomonic,
     .seam = false,
     .tears = false,
     .straight = kStraightMeridians},
    {.number = 19,
     .menuGroup = 2,
     .menuLine = " Albers ...............................19",
     .titles = {"ALBERS SPHERICAL EARTH", "1 parameter:", "  1 parallel",
                "  NB: latp1 = 0 is problematic"},
     .dialogs = kLat1,
     .forward = albesph2,
     .setup = salbesph2,
     .placement = P::kFrame,
     .straight = kStraightMeridians},
    {.number = 20,
     .menuGroup = 2,
     .menuLine = " Bonne ................................20",
     .titles = {"BONNE SPHERICAL EARTH", "1 parameter:", "  1 parallel",
                "  NB: latp1 = 0 is problematic"},
     .dialogs = kLat1,
     .forward = bonnesph2,
     .setup = sbonnesph2,
     .placement = P::kGreenwich},
    {.number = 21,
     .menuGroup = 2,
     .menuLine = " Werner ...............................21",
     .titles = {"WERNER SPHERICAL EARTH"},
     .forward = wernesphe2,
     .placement = P::kGreenwich},
    {.number = 22,
     .menuGroup = 2,
     .menuLine = " Sanson-Flamsteed .....................22",
     .titles = {"SANSON-FLAMSTEED SPHERICAL EARTH"},
     .forward = sanflamsph2,
     .placement = P::kGreenwich,
     .straight = kStraightParallels},
    {.number = 23,
     .menuGroup = 2,
     .menuLine = " Lambert cylindrical normal equivalent 23",
     .titles = {"LAMBERT CYLINDRICAL NORMAL EQUIVALENT", "SPHERICAL EARTH    -   LAMBERT (1772)"},
     .forward = lcnesphe2,
     .placement = P::kFrame,
     .straight = kStraightBoth},
    {.number = 24,
     .menuGroup = 2,
     .menuLine = " Mollweide ............................24",
     .titles = {"MOLLWEIDE SPHERICAL EARTH", "1 parameter:", "  1 central meridien"},
     .dialogs = kLong1,
     .forward = mollw2,
     .exact = mollweideExact,
     .placement = P::kCentralMeridian,
     .straight = kStraightParallels},
    {.number = 25,
     .menuGroup = 3,
     .menuLine = " Van Der Grinten ......................25",
     .titles = {"VAN DER GRINTEN SPHERICAL EARTH", "1 parameter:", "  1 central meridien"},
     .dialogs = kLong1,
     .forward = grinte2,
     .placement = P::kCentralMeridian},
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

ProjectionParams currentProjectionParams() {
    return {llorig, llpparam, ellipsoid, forimwpoly, a2b};
}

Reach ProjectionRow::reach(const ProjectionParams& p) const {
    return {reachFrom, reachAngle != nullptr ? reachAngle(p) : 0.0f};
}

void deriveConstants(int32_t iproj) {
    if (!knownProjection(iproj)) return;
    const ProjectionRow& p = projectionRow(iproj);
    if (p.setup != nullptr) p.setup();
}

namespace {

// Projects through `forward` with the parameters p and hides what lies beyond the reach r. The
// test reads the points after the projection: where it may overwrite them (x and y are lon and
// lat), a copy of them is taken first, a piece at a time.
void projectWithin(ProjectionForward forward, const ProjectionParams& p, const Reach& r, float* x,
                   float* y, const float* lon, const float* lat, int32_t n) {
    if (r.from == ReachFrom::kEverywhere) {
        forward(p, x, y, lon, lat, n);
        return;
    }
    if (x != lon && x != lat && y != lon && y != lat) {
        forward(p, x, y, lon, lat, n);
        hideBeyondReach(p, r, x, y, lon, lat, n);
        return;
    }
    constexpr int32_t kPiece = 256;
    std::array<float, kPiece> plon{}, plat{};
    for (int32_t start = 0; start < n; start += kPiece) {
        const int32_t m = std::min(kPiece, n - start);
        std::copy_n(lon + start, m, plon.begin());
        std::copy_n(lat + start, m, plat.begin());
        forward(p, x + start, y + start, plon.data(), plat.data(), m);
        hideBeyondReach(p, r, x + start, y + start, plon.data(), plat.data(), m);
    }
}

}  // namespace

void ProjectionRow::projectShown(const ProjectionParams& p, float* x, float* y, const float* lon,
                                 const float* lat, int32_t n, bool useExact) const {
    if (n < 1) return;
    projectShown(p, reach(p), x, y, lon, lat, n, useExact);
}

void ProjectionRow::projectShown(const ProjectionParams& p, const Reach& r, float* x, float* y,
                                 const float* lon, const float* lat, int32_t n,
                                 bool useExact) const {
    if (n < 1) return;
    projectWithin(useExact && exact != nullptr ? exact : forward, p, r, x, y, lon, lat, n);
}

int32_t ProjectionRow::rim(const ProjectionParams& p, float* lon, float* lat, int32_t n) const {
    return rimOfReach(p, reach(p), lon, lat, n);
}

// The current projection's row is taken first: an unknown one is reset, which sets the
// parameters up anew.
void projlln(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    const ProjectionRow& row = currentProjection();
    if (n < 1) return;
    row.forward(currentProjectionParams(), x, y, lon, lat, n);
}

void projllnShown(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    const ProjectionRow& row = currentProjection();
    row.projectShown(currentProjectionParams(), x, y, lon, lat, n);
}

}  // namespace tensova

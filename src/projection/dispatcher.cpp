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

constexpr int32_t kDefaultProjection = 15;

using Forward = void (*)(float* x, float* y, const float* lon, const float* lat, int32_t n);

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

// Which lines of the graticule a projection draws straight.
enum Straight : uint8_t {
    kCurved = 0,
    kMeridians = 1,
    kParallels = 2,
    kBoth = kMeridians | kParallels,
};

struct Projection {
    Forward forward;
    void (*setup)();  // derives the projection's constants from its parameters, if it has any
    bool azimuthal;   // centred on a point, with no cut along a meridian
    bool conformal;   // keeps angles: every direction at a point turns as north does
    Straight straight;
};

constexpr std::array<Projection, 25> kProjections = {{
    {tm2, nullptr, false, true, kCurved},                 // 1 transverse Mercator
    {tme2, nullptr, false, true, kCurved},                // 2 transverse Mercator, ellipsoidal
    {lcc2, slcc2, false, true, kMeridians},               // 3 Lambert conformal conic
    {lcce2, slcce2, false, true, kMeridians},             // 4 Lambert conformal conic, ellipsoidal
    {lazea2, nullptr, true, false, kMeridians},           // 5 Lambert azimuthal equal-area, polar
    {lazeaobl, nullptr, true, false, kCurved},            // 6 Lambert azimuthal equal-area, oblique
    {stereographic, nullptr, true, true, kMeridians},     // 7 stereographic, polar
    {inversobl, nullptr, true, true, kCurved},            // 8 stereographic, oblique
    {orthographic, nullptr, true, false, kMeridians},     // 9 orthographic, polar
    {orthobl2, nullptr, true, false, kCurved},            // 10 orthographic, oblique
    {perspectivePolar, spers2, true, false, kMeridians},  // 11 perspective, polar
    {persobl2, spers2, true, false, kCurved},             // 12 perspective, oblique
    {polyco2, nullptr, false, false, kCurved},            // 13 polyconic
    {imwpoly2, simwpoly2, false, false, kMeridians},      // 14 modified polyconic, ellipsoidal
    {mersphe2, nullptr, false, true, kBoth},              // 15 Mercator
    {merel2, nullptr, false, true, kBoth},                // 16 Mercator, ellipsoidal
    {gnomonic, nullptr, true, false, kMeridians},         // 17 gnomonic, polar
    {gnomoobl, nullptr, true, false, kMeridians},         // 18 gnomonic, oblique
    {albesph2, salbesph2, false, false, kMeridians},      // 19 Albers equal-area conic
    {bonnesph2, sbonnesph2, false, false, kCurved},       // 20 Bonne
    {wernesphe2, nullptr, false, false, kCurved},         // 21 Werner
    {sanflamsph2, nullptr, false, false, kParallels},     // 22 Sanson-Flamsteed
    {lcnesphe2, nullptr, false, false, kBoth},            // 23 Lambert cylindrical equal-area
    {mollw2, nullptr, false, false, kParallels},          // 24 Mollweide
    {grinte2, nullptr, false, false, kCurved},            // 25 Van der Grinten
}};

bool known(int32_t iproj) {
    return iproj >= 1 && iproj <= static_cast<int32_t>(kProjections.size());
}

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
    if (!known(projtype.iproj)) {
        // No menu to ask: the default projection, with offsets that fit it.
        projtype.iproj = kDefaultProjection;
        float lon = 0.0f, lat = 0.0f;
        sllorig(lon, lat, 3);
    }
}

// The current projection, reset first when its number is unknown.
const Projection& current() {
    if (!known(projtype.iproj)) resetProjection();
    return kProjections[static_cast<std::size_t>(projtype.iproj - 1)];
}

}  // namespace

void setProjectionMenu(ProjectionMenu menu) {
    projectionMenu = menu;
}

void deriveConstants(int32_t iproj) {
    if (!known(iproj)) return;
    const Projection& p = kProjections[static_cast<std::size_t>(iproj - 1)];
    if (p.setup != nullptr) p.setup();
}

void projlln(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    const Projection& p = current();
    if (n < 1) return;
    p.forward(x, y, lon, lat, n);
}

void projllnShown(float* x, float* y, const float* lon, const float* lat, int32_t n) {
    const Projection& p = current();
    if (n < 1) return;
    if (!p.azimuthal) {
        p.forward(x, y, lon, lat, n);
        return;
    }
    // The test reads the points before the projection may overwrite them: hide afterwards
    // what lay beyond.
    const AzimuthalReach r = azimuthalReach(projtype.iproj);
    constexpr int32_t kPiece = 256;
    std::array<float, kPiece> plon{}, plat{};
    for (int32_t start = 0; start < n; start += kPiece) {
        const int32_t m = std::min(kPiece, n - start);
        std::copy_n(lon + start, m, plon.begin());
        std::copy_n(lat + start, m, plat.begin());
        p.forward(x + start, y + start, plon.data(), plat.data(), m);
        hideBeyondReach(r, x + start, y + start, plon.data(), plat.data(), m);
    }
}

int32_t projectionRim(float* lon, float* lat, int32_t n) {
    if (n < 1 || !projectionHasRim()) return 0;
    rimOfReach(azimuthalReach(projtype.iproj), lon, lat, n);
    return n;
}

bool projectionHasRim() {
    return current().azimuthal;
}

bool projectionHasSeam() {
    return !current().azimuthal;
}

bool projectionIsConformal() {
    return current().conformal;
}

bool projectionDrawsStraight(bool meridians) {
    return (current().straight & (meridians ? kMeridians : kParallels)) != 0;
}

}  // namespace tensova

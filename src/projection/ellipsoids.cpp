// The nine reference ellipsoids, their menu and derived constants, and the meridian arc.

#include <array>
#include <cmath>
#include <string_view>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "projection/dialogs.hpp"
#include "projection/ellipsoid_arc.hpp"
#include "projection/projection.hpp"
#include "projection/transforms.hpp"

namespace tensova {
namespace {

const Stamp kSellipsoid("sellipsoid", " 2.0", "06-12-2026");

struct ReferenceEllipsoid {
    std::string_view row;   // menu row
    std::string_view name;  // summary title
    float a;                // equatorial radius (m)
    float b;                // polar radius (m)
};

constexpr std::array<ReferenceEllipsoid, 9> kEllipsoids = {{
    {"GRS80    1980 .......................1", "GRS80 1980 ELLIPSOID", 6378137.0f, 6356752.5f},
    {"IUGG     1967 .......................2", "IUGG 1967 ELLIPSOID", 6378160.0f, 6356775.0f},
    {"Hayford  1909 .......................3", "HAYFORD 1909 ELLIPSOID", 6378388.0f, 6356912.0f},
    {"Clarke   1880 .......................4", "CLARKE 1880 ELLIPSOID", 6378249.0f, 6356515.0f},
    {"Clarke   1866 .......................5", "CLARKE 1866 ELLIPSOID", 6378206.5f, 6356584.0f},
    {"Bessel   1841 .......................6", "BESSEL 1841 ELLIPSOID", 6377397.0f, 6356079.0f},
    {"Everest  1830 .......................7", "EVEREST 1830 ELLIPSOID", 6377276.5f, 6356075.5f},
    {"Plessis  1810 .......................8", "PLESSIS 1810 ELLIPSOID", 6376523.0f, 6355863.0f},
    {"Delambre 1810 .......................9", "DELAMBRE 1810 ELLIPSOID", 6376985.0f, 6356323.5f},
}};

constexpr int32_t kDefaultEllipsoid = 1;

// The number kept between calls; 0 until the first set-up.
int32_t keptEllipsoid = 0;

bool known(int32_t iell) {
    return iell >= 1 && iell <= static_cast<int32_t>(kEllipsoids.size());
}

const ReferenceEllipsoid& reference(int32_t iell) {
    return kEllipsoids[static_cast<std::size_t>(iell - 1)];
}

void showMenu(int32_t iell) {
    submenuhead(kSellipsoid);
    wout({"           ELLIPSOIDS SET UP"});
    wout({kDashes43});
    wout({"current ellipsoid number:", fmtI(keptEllipsoid, 3)});
    wout({"setting ellipsoid number:", fmtI(iell, 3)});
    wout({kDashes43});
    for (const ReferenceEllipsoid& r : kEllipsoids) wout({r.row});
    wout({kDashes43});
    wout({"SET AND EXIT .......................99"});
    menutail();
}

void showSummary(int32_t iell) {
    const ReferenceEllipsoid& r = reference(iell);
    submenuhead(kSellipsoid);
    wout({r.name});
    wout({kDashes43});
    wout({"Ellipsoid number  =", fmtI(iell, 3)});
    wout({"Equatorial radius =", fmtF(r.a, 10, 1), "m"});
    wout({"Polar      radius =", fmtF(r.b, 10, 1), "m"});
    menutail();
}

void deriveConstants(const ReferenceEllipsoid& r) {
    Ellipsoid& el = ellipsoid;
    el.a = r.a;
    el.b = r.b;
    // 1 - b^2/a^2 through the difference of the radii, which single precision holds exactly.
    el.e2 = ((r.a - r.b) * (r.a + r.b)) / (r.a * r.a);
    el.e = std::sqrt(el.e2);
    el.e4 = el.e2 * el.e2;
    el.e6 = el.e2 * el.e2 * el.e2;
    el.ep2 = el.e2 / (1.0f - el.e2);
    el.a0 = 1.0f - el.e2 / 4.0f - 3.0f * el.e4 / 64.0f - 5.0f * el.e6 / 256.0f;
    el.a2 = -(3.0f / 8.0f) * el.e2 - (3.0f / 32.0f) * el.e4 - (45.0f / 1024.0f) * el.e6;
    el.a4 = (15.0f / 256.0f) * el.e4 + (45.0f / 1024.0f) * el.e6;
    el.a6 = -(35.0f / 3072.0f) * el.e6;
}

}  // namespace

void sellipsoid(int32_t& iell, int32_t mode) {
    if (startsFromDefaults(mode)) {
        iell = kDefaultEllipsoid;
        submenuhead(kSellipsoid);
        wout({"INITIALIZING ELLIPSOID"});
        wout({"Default ellipsoid = GRS80"});
        wout({"ellipsoid number  =", fmtI(iell, 3)});
    } else if (startsFromStored(mode)) {
        iell = keptEllipsoid;
    } else if (!known(iell)) {
        errorhead(kSellipsoid);
        wout({"ellipsoid nb =", fmtI(iell, 3)});
        wout({"==> NO SUCH ELLIPSOID NB"});
        wout({"==> RESETTING TO:"});
        wout({"ellipsoid nb =", fmtI(kDefaultEllipsoid, 3)});
        errortail00();
        iell = kDefaultEllipsoid;
    }

    bool dialog = isDialog(mode);
    if (!known(iell)) {
        // Only a number never set can get here: the menu must supply one, whatever the mode.
        errorhead(kSellipsoid);
        wout({"ellipsoid number =", fmtI(iell, 3)});
        wout({"NO SUCH ELLIPSOID AVALAIBLE"});
        errortail00();
        dialog = true;
    }
    while (dialog) {
        showMenu(iell);
        int32_t choice = 99;
        inintegdef(choice, "Ellipsoid number or 99", 99);
        if (choice == 99) {
            if (known(iell)) break;
        } else if (known(choice)) {
            iell = choice;
        } else {
            refuseAnswer({kSellipsoid, "Ellipsoid number or 99", "==> BACK TO MENU WITHOUT ACTION",
                          RefusalBox::Warning},
                         {"ANSWER = " + fmtIown(choice), "NEITHER IN [1,9] NOR = 99"});
        }
    }

    keptEllipsoid = iell;
    showSummary(iell);
    deriveConstants(reference(iell));
}

void lat2disel(float* m, const float* lat, int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        const float phi = lat[i];
        m[i] = meridianArc(ellipsoid, phi, std::sin(phi), std::cos(phi));
    }
}

}  // namespace tensova

// The centre of the oblique projections and the rotation that takes it to the north pole.

#include <string>

#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/globe.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "numeric/angles.hpp"
#include "numeric/frames.hpp"
#include "numeric/matrices.hpp"
#include "projection/dialogs.hpp"

namespace tensova {
namespace {

const Stamp kSoblique("soblique", " 2.0", "06-12-2026");

// The centre kept between calls (radians).
float centreLon = 0.0f;
float centreLat = 0.0f;

std::string angle8(float v) {
    return fmtF(v, 8, 3);
}

void showMenu(float lon, float lat) {
    submenuhead(kSoblique);
    wout({kDashes43});
    wout({"OBLIQUE PROJECTIONS CENTRAL LOCATION SET UP"});
    wout({kDashes43});
    wout({"central longitude .....1", angle8(lon)});
    wout({"central latitude ......2", angle8(lat)});
    updateExitTail();
}

// The rows of the rotation: the point 90 degrees south of the centre on its meridian, the
// point on the equator 90 degrees east of that meridian, and the centre. The centre goes to the
// pole and its meridian southward to longitude 0.
void storeRotation(float lonc, float latc) {
    const float halfPi = anglerad(kHalfPi);
    const float lons[3] = {lonc, lonc + halfPi, lonc};
    const float lats[3] = {latc - halfPi, 0.0f, latc};
    float ux[3], uy[3], uz[3];
    ll2ccn(ux, uy, uz, lons, lats, 3);
    Mat33 m{};
    for (int32_t j = 1; j <= 3; ++j) {
        const auto k = static_cast<std::size_t>(j - 1);
        m[at(1, j, 3)] = ux[k];
        m[at(2, j, 3)] = uy[k];
        m[at(3, j, 3)] = uz[k];
    }
    mtrans(m, m);
    smatab33(m, 1);
}

}  // namespace

void soblique(float& lon, float& lat, int32_t mode) {
    if (startsFromStored(mode)) {
        lon = deg(centreLon);
        lat = deg(centreLat);
    } else if (startsFromDefaults(mode)) {
        lon = 0.0f;
        lat = 45.0f;
        submenuhead(kSoblique);
        wout({"INITIALIZING CENTRAL LOCATION "});
        wout({"FOR OBLIQUE PROJECTIONS "});
        wout({"central longitude =", angle8(lon)});
        wout({"central latitude  =", angle8(lat)});
    }

    while (isDialog(mode)) {
        showMenu(lon, lat);
        int32_t choice = 99;
        inintegdef(choice, "your choice", 99);
        if (choice == 99) break;
        if (!knownCommand(kSoblique, choice, {1, 2})) continue;
        // A centre beyond a pole, or turns away, has no meaning: it is held to the globe.
        if (choice == 1) inlongitudedef(lon, "central longitude in degrees", lon);
        if (choice == 2) inlatitudedef(lat, "central latitude in degrees", lat);
    }

    // A centre left as the menu showed it keeps its radians to the bit: a round trip through
    // degrees would turn the map by a rounding.
    lon = withinTurn(lon);
    centreLon = radKept(lon, centreLon);
    centreLat = radKept(lat, centreLat);
    storeRotation(centreLon, centreLat);
}

}  // namespace tensova

// The map origin, the one-angle parameters of the projections, and the globe picture.

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/globe.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "numeric/angles.hpp"
#include "projection/dialogs.hpp"
#include "projection/projection.hpp"

namespace tensova {
namespace {

const Stamp kSllorig("sllorig", " 2.0", "06-12-2026");

std::string angle8(float v) {
    return fmtF(v, 8, 3);
}

// The texts of one angle's dialog.
struct AngleTexts {
    std::string_view initialising, label, title, entry, prompt;
};

const AngleTexts kLongitudeTexts{"INITIALIZING CENTRAL LONGITUDE ",
                                 "central longitude =", "CENTRAL LONGITUDE SET UP",
                                 "central longitude .....1", "central longitude in degrees"};

// One angle parameter: where it is stored, its default and its texts.
struct OneAngle {
    Stamp stamp;
    float Llpparam::*member;
    float byDefault;  // degrees
    AngleTexts texts;
    // The prompt: a latitude or a longitude is held to the globe, as a point beyond a pole or
    // turns away has no meaning and no projection.
    void (*ask)(float&, std::string_view, float);
};

const OneAngle kCentralLongitude{Stamp("slong1", " 2.0", "06-12-2026"), &Llpparam::lon0, 0.0f,
                                 kLongitudeTexts, inlongitudedef};
// The second longitude is asked as a central longitude too.
const OneAngle kSecondLongitude{Stamp("slong2", " 2.0", "06-12-2026"), &Llpparam::lon2, 0.0f,
                                kLongitudeTexts, inlongitudedef};
const OneAngle kFirstLatitude{
    Stamp("slat1", " 2.0", "06-12-2026"),
    &Llpparam::lat1,
    30.0f,
    {"INITIALIZING FIRST LATITUDE ", "first latitude =", "FIRST LATITUDE SET UP",
     "first latitude ........1", "first latitude in degrees"},
    inlatitudedef};
const OneAngle kSecondLatitude{
    Stamp("slat2", " 2.0", "06-12-2026"),
    &Llpparam::lat2,
    60.0f,
    {"INITIALIZING SECOND LATITUDE ", "second latitude =", "SECOND LATITUDE SET UP",
     "second latitude ........1", "second latitude in degrees"},
    inlatitudedef};
const Stamp kSangle1("sangle1", " 2.0", "06-12-2026");

// The central angle is held to its domain; a value outside it is refused, and at a terminal the
// question is asked again offering the angle in force.
void incentralangledef(float& value, std::string_view text, float def) {
    askUntilUsable([&] { inrealdef(value, text, def); },
                   [&] {
                       if (centralAngleInDomain(value)) return true;
                       refuseAnswer({kSangle1, text},
                                    {"central angle = " + fmtG(value, 12, 6),
                                     "MUST BE > 0 AND <= " +
                                         fmtIown(static_cast<int64_t>(kLargestCentralAngle))});
                       return false;
                   },
                   value);
}

const OneAngle kCentralAngle{
    kSangle1,
    &Llpparam::omega,
    kLargestCentralAngle,
    {"INITIALIZING CENTRAL ANGLE ", "central angle =", "CENTRAL ANGLE SET UP",
     "central angle .........1", "central angle in degrees"},
    incentralangledef};

void setOneAngle(const OneAngle& a, float& value, int32_t mode) {
    if (startsFromStored(mode)) {
        value = deg(llpparam.*a.member);
    } else if (startsFromDefaults(mode)) {
        value = a.byDefault;
        submenuhead(a.stamp);
        wout({a.texts.initialising});
        wout({a.texts.label, angle8(value)});
    }
    while (isDialog(mode)) {
        submenuhead(a.stamp);
        wout({kDashes43});
        wout({a.texts.title});
        wout({kDashes43});
        wout({a.texts.entry, angle8(value)});
        updateExitTail();
        int32_t choice = 99;
        inintegdef(choice, "your choice", 99);
        if (choice == 99) break;
        if (!knownCommand(a.stamp, choice, {1})) continue;
        a.ask(value, a.texts.prompt, value);
    }
    value = withinTurn(value);
    llpparam.*a.member = radKept(value, llpparam.*a.member);
}

struct Plane {
    float x, y;
};

// The origin (degrees) in radians, the stored origin where it is unchanged.
Plane originRadians(float lon, float lat) {
    return {radKept(withinTurn(lon), llorig.lon), radKept(lat, llorig.lat)};
}

// The origin projected with both offsets at zero; the sentinel where the map cannot place it
// truly (beyond an azimuthal map's reach).
Plane projectedOrigin(float lon, float lat) {
    Plane p = originRadians(lon, lat);
    llorig.xoff = 0.0f;
    llorig.yoff = 0.0f;
    projllnShown(&p.x, &p.y, &p.x, &p.y, 1);
    return p;
}

void showOriginMenu(float lon, float lat, const Plane& p) {
    submenuhead(kSllorig);
    if (!lwito(2)) return;
    wout({kDashes43});
    wout({"MAP PROJECTION ORIGIN SET UP"});
    wout({kDashes43});
    wout({"central longitude .....1", angle8(lon)});
    wout({"central latitude  .....2", angle8(lat)});
    wout({"X offset ...............", angle8(p.x)});
    wout({"Y offset ...............", angle8(p.y)});
    updateExitTail();
}

}  // namespace

void sllorig(float& lon, float& lat, int32_t mode) {
    if (startsFromStored(mode)) {
        lon = deg(llorig.lon);
        lat = deg(llorig.lat);
    } else if (startsFromDefaults(mode)) {
        lon = 0.0f;
        lat = 45.0f;
        submenuhead(kSllorig);
        wout({"MAP PROJECTION ORIGIN SET UP"});
        wout({"INITIALIZING ORIGIN TO"});
        wout({"longitude =", angle8(lon)});
        wout({"latitude  =", angle8(lat)});
    }

    Plane p = projectedOrigin(lon, lat);
    while (isDialog(mode)) {
        showOriginMenu(lon, lat, p);
        int32_t choice = 99;
        inintegdef(choice, "your choice", 99);
        if (choice == 99) break;
        if (!knownCommand(kSllorig, choice, {1, 2})) continue;
        if (choice == 1) inlongitudedef(lon, "origin longitude in degrees", lon);
        if (choice == 2) inlatitudedef(lat, "origin latitude in degrees", lat);
        p = projectedOrigin(lon, lat);
    }

    lon = withinTurn(lon);
    const Plane origin = originRadians(lon, lat);
    llorig.lon = origin.x;
    llorig.lat = origin.y;
    if (std::fabs(p.x) >= kFarAway || std::fabs(p.y) >= kFarAway) {
        // A point at infinity (the perspective's eye) or beyond the map's reach (90 degrees
        // from a gnomonic centre, a Mercator pole) cannot be the middle of the map:
        // subtracting it would put every other point far away, where single precision leaves
        // them no digits.
        warninghead(kSllorig);
        wout({"origin longitude =", angle8(lon)});
        wout({"origin latitude  =", angle8(lat)});
        wout({"==> ORIGIN CANNOT BE PROJECTED"});
        wout({"==> OFFSETS SET TO ZERO"});
        warningtail00();
        p = {0.0f, 0.0f};
    }
    llorig.xoff = p.x;
    llorig.yoff = p.y;
}

void slong1(float& value, int32_t mode) {
    setOneAngle(kCentralLongitude, value, mode);
}
void slong2(float& value, int32_t mode) {
    setOneAngle(kSecondLongitude, value, mode);
}
void slat1(float& value, int32_t mode) {
    setOneAngle(kFirstLatitude, value, mode);
}
void slat2(float& value, int32_t mode) {
    setOneAngle(kSecondLatitude, value, mode);
}
void sangle1(float& value, int32_t mode) {
    setOneAngle(kCentralAngle, value, mode);
}

void screenproj() {
    static constexpr std::array<std::string_view, 14> kGlobe = {
        "                     &&&                  ", "                   &&&&&&&                ",
        "                 &&&&&&&&&&&              ", "                &&&&&&&&&&&&&             ",
        "                 &&&&&&&&&&&              ", "                   &#&&&&&                ",
        "                    |&&&                  ", "                    |                     ",
        "     /**************|********************/", "    /               |                   / ",
        "   /                V                  /  ", "  /                 #                 /   ",
        " /                                   /    ", "/***********************************/     "};
    for (std::string_view line : kGlobe) wout({std::string(line) + " "});
}

}  // namespace tensova

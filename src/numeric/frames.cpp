#include "numeric/frames.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "numeric/angles.hpp"

namespace tensova {
namespace {

const Stamp kCc2lln("cc2lln", " 3.3", "22-04-2009");
const Stamp kSmatab33("smatab33", " 1.0", "30-08-2002");

// Tolerances on the squared length (normalise) and on the length (warn), in single precision.
constexpr float kSquaredSlack = 5e-5f;
constexpr float kLengthSlack = 1e-4f;

void warnNotUnitary(int32_t n, int32_t i, float vx, float vy, float vz, float r) {
    warninghead(kCc2lln);
    wout({"Expecting unitary V = (Vx,Vy,Vz)"});
    wout({"Loop final   index =", fmtI(n, 6)});
    wout({"Loop current index =", fmtI(i, 6)});
    wout({"Vx =", fmtF(vx, 8, 4), "Vy =", fmtF(vy, 8, 4), "Vz =", fmtF(vz, 8, 4)});
    wout({"||V|| =", fmtF(r, 8, 4)});
    wout({"V is not unitary"});
    wout({"==> Normalizing it to 1"});
    warningtail00();
}

// Longitude of the direction (vx, vy); the pole axis gives 0.
float longitudeOf(float vx, float vy) {
    if (vx > 0.0f) return std::atan(vy / vx);
    if (vx < 0.0f) {
        const float t = std::atan(vy / vx);
        return vy >= 0.0f ? t + anglerad(kPi) : t - anglerad(kPi);
    }
    if (vy > 0.0f) return anglerad(kHalfPi);
    if (vy < 0.0f) return -anglerad(kHalfPi);
    return 0.0f;
}

}  // namespace

void ll2ccn(float* x, float* y, float* z, const float* lon, const float* lat, int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        const float lo = lon[i];
        const float la = lat[i];
        const float cl = std::cos(la);
        x[i] = std::cos(lo) * cl;
        y[i] = std::sin(lo) * cl;
        z[i] = std::sin(la);
    }
}

void cc2lln(float* lon, float* lat, const float* x, const float* y, const float* z, int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        float vx = x[i];
        float vy = y[i];
        float vz = z[i];
        const float q = (vx * vx + vy * vy) + vz * vz;
        if (std::fabs(q - 1.0f) > kSquaredSlack) {
            const float r = std::sqrt(q);
            if (std::fabs(r - 1.0f) > kLengthSlack) warnNotUnitary(n, i + 1, vx, vy, vz, r);
            if (r == 0.0f) {
                // No direction to normalise: the origin of both coordinates, never NaN.
                lon[i] = 0.0f;
                lat[i] = 0.0f;
                continue;
            }
            vx = vx / r;
            vy = vy / r;
            vz = vz / r;
        }
        lon[i] = longitudeOf(vx, vy);
        // A vector accepted within the slack may reach just past the pole.
        lat[i] = std::asin(std::clamp(vz, -1.0f, 1.0f));
    }
}

void cca2ccb(Vec3& xb, const Vec3& xa) {
    m33x31(xb, a2b.ab, xa);
}

void lla2llb(float* lonb, float* latb, const float* lona, const float* lata, int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        Vec3 va{};
        ll2ccn(&va[0], &va[1], &va[2], &lona[i], &lata[i], 1);
        Vec3 vb{};
        cca2ccb(vb, va);
        cc2lln(&lonb[i], &latb[i], &vb[0], &vb[1], &vb[2], 1);
    }
}

void smatab33(Mat33& aba, int32_t mode) {
    if (startsFromStored(mode)) {
        aba = a2b.ab;
    } else if (startsFromDefaults(mode)) {
        aba = {1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f};
        submenuhead(kSmatab33);
        wout({"INITIALIZING Ab matrix: Ab = Identity"});
    }

    while (isDialog(mode)) {
        submenuhead(kSmatab33);
        wout({kDashes43});
        wout({"Ab MATRIX SET UP"});
        wout({kDashes43});
        int32_t item = 0;
        for (int32_t i = 1; i <= 3; ++i) {
            for (int32_t j = 1; j <= 3; ++j) {
                ++item;
                const std::string label =
                    "Ab(" + fmtIown(i) + "," + fmtIown(j) + ")....." + fmtIown(item);
                wout({label, fmtF(aba[at(i, j, 3)], 8, 3)});
            }
        }
        updateExitTail();

        int32_t choice = 99;
        inintegdef(choice, "your choice", 99);
        if (choice == 99) break;
        if (choice >= 1 && choice <= 9) {
            const int32_t i = (choice - 1) / 3 + 1;
            const int32_t j = (choice - 1) % 3 + 1;
            float& e = aba[at(i, j, 3)];
            const std::string question = "aba(" + fmtIown(i) + "," + fmtIown(j) + ")";
            inrealdef(e, question, e);
        } else {
            unknownAnswer(kSmatab33);
        }
    }
    a2b.ab = aba;
}

}  // namespace tensova

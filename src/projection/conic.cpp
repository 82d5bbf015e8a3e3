// Spherical conic and pseudo-conic projections: Lambert conformal conic, polyconic, Albers
// equal-area with one standard parallel, Bonne and Werner, with the set-ups of their constants.

#include <cmath>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "numeric/angles.hpp"
#include "projection/families.hpp"
#include "projection/plane_point.hpp"
#include "projection/transforms.hpp"

namespace tensova {
namespace {

const Stamp kSlcc2("slcc2", " 2.0", "06-12-2026");

// Below this |sin lat1| the Albers and Bonne cones open into their limits, the cylindrical
// equal-area and the sinusoidal maps; the single-precision cone formulas lose more there than
// the limits differ from them.
constexpr float kFlatCone = 1e-4f;

// The secant (or, for one parallel, tangent) cone of the spherical Lambert projection; false
// when the parallels give none.
bool lambertCone(float lat1, float lat2, float& n, float& f) {
    if (!coneParallels(lat1, lat2)) return false;
    const float quarterPi = anglerad(kQuarterPi);
    if (std::fabs(lat1 - lat2) < kSameParallel) {
        n = std::sin(lat1);
    } else {
        n = std::log(std::cos(lat1) / std::cos(lat2)) /
            std::log(std::tan(0.5f * lat2 + quarterPi) / std::tan(0.5f * lat1 + quarterPi));
    }
    f = std::pow(std::tan(0.5f * lat1 + quarterPi), n) * std::cos(lat1) / n;
    return std::isfinite(n) && n != 0.0f && std::isfinite(f);
}

}  // namespace

bool coneParallels(float lat1, float lat2) {
    const float nearHalfPi = angleradi(kHalfPi);
    return std::fabs(lat1) < nearHalfPi && std::fabs(lat2) < nearHalfPi &&
           std::fabs(lat1 + lat2) >= kSameParallel;
}

void resetParallels(const Stamp& s, std::string_view why) {
    warninghead(s);
    wout({"first latitude  =", fmtF(deg(llpparam.lat1), 8, 3)});
    wout({"second latitude =", fmtF(deg(llpparam.lat2), 8, 3)});
    wout({why});
    wout({"==> RESETTING TO:"});
    llpparam.lat1 = rad(30.0f);
    llpparam.lat2 = rad(60.0f);
    wout({"first latitude  =", fmtF(30.0f, 8, 3)});
    wout({"second latitude =", fmtF(60.0f, 8, 3)});
    warningtail00();
}

void slcc2() {
    lambertSetUp(kSlcc2, lambertCone);
}

void lcc2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
          int32_t n) {
    lambertConic(p, x, y, lon, lat, n, [](float) { return 1.0f; });
}

void polyco2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
             int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, lon0 = p.llpparam.lon0;
    for (int32_t i = 0; i < n; ++i) {
        const float phi = lat[i], dl = lon[i] - lon0;
        float px = dl, py = 0.0f;
        if (phi != 0.0f) {
            const float e = dl * std::sin(phi), t = std::tan(phi);
            px = std::sin(e) / t;
            py = phi + (1.0f - std::cos(e)) / t;
        }
        storePoint(x[i], y[i], px, py, xoff, yoff);
    }
}

void salbesph2() {
    const float n = std::sin(llpparam.lat1);
    llpparam.derived = {n, std::cos(llpparam.lat1), 1.0f + n * n};
}

void albesph2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff;
    const float cn = p.llpparam.derived[0], c1 = p.llpparam.derived[1], k = p.llpparam.derived[2];
    const bool flat = std::fabs(cn) < kFlatCone;
    for (int32_t i = 0; i < n; ++i) {
        const float lam = lon[i], phi = lat[i];
        if (flat) {
            storePoint(x[i], y[i], lam, std::sin(phi), xoff, yoff);
            continue;
        }
        const float rho = std::sqrt(k - 2.0f * cn * std::sin(phi)), theta = cn * lam;
        storePoint(x[i], y[i], rho * std::sin(theta) / cn, (c1 - rho * std::cos(theta)) / cn, xoff,
                   yoff);
    }
}

void sbonnesph2() {
    const float lat1 = llpparam.lat1;
    // On the equator the cone is a cylinder: no finite apex to store.
    const float cot =
        std::fabs(std::sin(lat1)) < kFlatCone ? 0.0f : std::cos(lat1) / std::sin(lat1);
    llpparam.derived[0] = cot;
    llpparam.derived[1] = lat1 + cot;
}

void bonnesph2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
               int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff;
    const float cot = p.llpparam.derived[0], apex = p.llpparam.derived[1];
    const bool flat = std::fabs(std::sin(p.llpparam.lat1)) < kFlatCone;
    for (int32_t i = 0; i < n; ++i) {
        const float lam = lon[i], phi = lat[i];
        if (flat) {
            storePoint(x[i], y[i], lam * std::cos(phi), phi, xoff, yoff);
            continue;
        }
        const float rho = apex - phi;
        const float e = rho != 0.0f ? lam * std::cos(phi) / rho : 0.0f;
        storePoint(x[i], y[i], rho * std::sin(e), cot - rho * std::cos(e), xoff, yoff);
    }
}

void wernesphe2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
                int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, halfPi = anglerad(kHalfPi);
    for (int32_t i = 0; i < n; ++i) {
        const float lam = lon[i], phi = lat[i];
        const float rho = halfPi - phi;
        float px = 0.0f, py = 0.0f;
        if (rho != 0.0f) {
            const float e = lam * std::cos(phi) / rho;
            px = rho * std::sin(e);
            py = -rho * std::cos(e);
        }
        storePoint(x[i], y[i], px, py, xoff, yoff);
    }
}

}  // namespace tensova

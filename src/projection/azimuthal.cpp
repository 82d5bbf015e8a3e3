// Azimuthal projections on the sphere of radius 1, centred on the north pole with longitude 0
// pointing down: Lambert equal-area, stereographic, orthographic, gnomonic and the perspective;
// and their oblique aspects, which turn the points by the oblique centre's matrix first.

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "numeric/angles.hpp"
#include "numeric/frames.hpp"
#include "projection/plane_point.hpp"
#include "projection/transforms.hpp"

namespace tensova {
namespace {

// A point this close (radians, some 13 m) beyond the limit of an azimuthal map is on it: the
// rim's own points are shown whatever their rounding. The distance is taken from its sine and
// cosine together, which keeps its digits near the centre and near the antipode alike.
constexpr float kReachTolerance = 2.0e-6f;
// An equal-area map that reaches the antipode ends this far (radians) short of it, which it
// would draw as the whole rim circle.
constexpr float kNearAntipode = 1.0e-3f;
// The gnomonic sends the great circle 90 degrees from its centre to infinity: it shows the
// ground up to this far from the centre (radians, 80 degrees), or its central angle where
// smaller.
constexpr float kGnomonicReach = 1.3962634f;
// The transverse Mercator sends the poles of its central meridian's great circle to infinity: it
// shows the ground up to this far from that circle (radians, 80 degrees), where the scale is
// nearly six times the central meridian's. The ellipsoidal one stands there within 0.14 km of the
// exact projection, its farthest (see its series).
constexpr float kTransverseReach = 1.3962634f;
// The modified polyconic places a point where its straight meridian meets its parallel's
// circle; poleward of its sheet they stop meeting and the map folds over itself. Measured
// against PROJ's imw_p (sheets from the equator to 88 degrees, up to 30 high, true-scale
// meridian 2, 4 or 8 degrees east), it is one-to-one and agrees within 5e-5 radius in the cap
// about the sheet's middle out to 0.72 of the way to the nearer pole (0.88 for the default
// sheet of 30 to 60 degrees); it shows 0.7 of it.
constexpr float kSheetReachShare = 0.7f;
// Mercator's poles, which it sends to infinity, are shown up to this far from them (radians,
// one degree): where the fit's sampled sides stop.
constexpr float kShortOfInfinity = 0.017453292f;
// A conformal map whose far side runs to infinity (the stereographic towards its antipode, a
// Lambert cone towards the pole opposite its apex) shows the ground out to where its scale is
// this many times its least: 1 / cos 80 degrees, the transverse Mercator's at its rim. Farther out
// the far side would take the page and leave the near side a dot.
constexpr double kMostScale = 5.758770483143631;

// Distance from the centre on the map as a function of the angular distance z from the centre
// (the polar aspects' formulas), and of the unit vector (rho = sin z, vz = cos z) in the frame
// of the centre (the oblique aspects): equal-area, stereographic (conformal) and orthographic.
// The vector forms take whichever of the half-angle identities keeps its digits, and need no
// trigonometry.
struct EqualArea {
    static float ofAngle(float z) { return std::sin(0.5f * z); }
    static float ofVector(float rho, float vz) {
        return vz >= 0.0f ? rho / std::sqrt(2.0f * (1.0f + vz)) : std::sqrt(0.5f * (1.0f - vz));
    }
};
struct Stereographic {
    static float ofAngle(float z) { return std::tan(0.5f * z); }
    static float ofVector(float rho, float vz) {
        // The antipode of the centre lies at infinity.
        if (vz >= 0.0f) return rho / (1.0f + vz);
        return rho > 0.0f ? std::min((1.0f - vz) / rho, kFarAway) : kFarAway;
    }
};
struct Orthographic {
    static float ofAngle(float z) { return std::sin(z); }
};

// The polar aspect: radius r(zc) of the colatitude z, held to omega, on the point's azimuth.
template <typename Law>
void polar(float* x, float* y, const float* lon, const float* lat, int32_t n, float omega,
           float xoff, float yoff) {
    const float halfPi = anglerad(kHalfPi);
    for (int32_t i = 0; i < n; ++i) {
        const float lam = lon[i];
        const float r = Law::ofAngle(std::min(halfPi - lat[i], omega));
        storePoint(x[i], y[i], r * std::sin(lam), -r * std::cos(lam), xoff, yoff);
    }
}

// The unit vector of a point turned into the frame of the oblique centre, where the centre is
// the north pole.
Vec3 rotated(const ProjectionParams& p, float lam, float phi) {
    Vec3 v{};
    ll2ccn(&v[0], &v[1], &v[2], &lam, &phi, 1);
    m33x31(v, p.a2b.ab, v);
    return v;
}

// The oblique aspect: the polar aspect in the frame of the centre, with the distance from the
// centre and the azimuth read from the turned vector itself. (Its latitude would be within
// rounding of the pole near the centre, and open a hole of some 3e-4 radians, 2 km, there.) The
// axis through the centre has the azimuth of longitude 0. Points farther than omega from the
// centre are held at omega.
template <typename Law>
void oblique(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
             int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, omega = p.llpparam.omega;
    const bool holds = omega < anglerad(kPi);
    const float cosOmega = std::cos(omega), rOmega = Law::ofAngle(omega);
    for (int32_t i = 0; i < n; ++i) {
        const Vec3 v = rotated(p, lon[i], lat[i]);
        const float rho = std::sqrt(v[0] * v[0] + v[1] * v[1]);
        const bool beyond = holds && (omega <= 0.0f || v[2] < cosOmega);
        const float r = beyond ? rOmega : Law::ofVector(rho, v[2]);
        const float s = rho > 0.0f ? v[1] / rho : 0.0f, c = rho > 0.0f ? v[0] / rho : 1.0f;
        storePoint(x[i], y[i], r * s, -r * c, xoff, yoff);
    }
}

// The perspective from the point at distance 1/sin(view/2) beyond the centre, scaled so that
// the limb lies on the unit circle. At the eye (the centre, when the view is 180 degrees) it
// has no image.
void perspective(float vx, float vy, float vz, float cosHalf, float sinHalf, float xoff, float yoff,
                 float& x, float& y) {
    const float den = 1.0f - vz * sinHalf;
    if (den <= 0.0f) {
        x = kFarAway;
        y = kFarAway;
        return;
    }
    const float k = cosHalf / den;
    storePoint(x, y, k * vy, -k * vx, xoff, yoff);
}

}  // namespace

void lazea2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
            int32_t n) {
    polar<EqualArea>(x, y, lon, lat, n, p.llpparam.omega, p.llorig.xoff, p.llorig.yoff);
}

void inverspsll(float* x, float* y, const float* lon, const float* lat, int32_t n, float omega,
                float xoff, float yoff) {
    polar<Stereographic>(x, y, lon, lat, n, omega, xoff, yoff);
}

void orthogpsll(float* x, float* y, const float* lon, const float* lat, int32_t n, float omega,
                float xoff, float yoff) {
    polar<Orthographic>(x, y, lon, lat, n, omega, xoff, yoff);
}

void lazeaobl(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n) {
    oblique<EqualArea>(p, x, y, lon, lat, n);
}

void inversobl(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
               int32_t n) {
    oblique<Stereographic>(p, x, y, lon, lat, n);
}

void gnomopsll(float* x, float* y, const float* lon, const float* lat, int32_t n, float xoff,
               float yoff) {
    // Not held to a central angle: a southern point lands beyond the centre, the equator at
    // infinity.
    for (int32_t i = 0; i < n; ++i) {
        const float lam = lon[i], phi = lat[i];
        const float s = std::sin(phi);
        const float r = s == 0.0f ? kFarAway : std::cos(phi) / s;
        storePoint(x[i], y[i], r * std::sin(lam), -r * std::cos(lam), xoff, yoff);
    }
}

void gnomoobl(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n) {
    // The polar radius cos(lat)/sin(lat) on the azimuth (vx, vy)/cos(lat): (vy, -vx)/vz.
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff;
    for (int32_t i = 0; i < n; ++i) {
        const Vec3 v = rotated(p, lon[i], lat[i]);
        if (v[2] == 0.0f) {
            const float rho = std::sqrt(v[0] * v[0] + v[1] * v[1]);
            storePoint(x[i], y[i], kFarAway * (v[1] / rho), -kFarAway * (v[0] / rho), xoff, yoff);
        } else {
            storePoint(x[i], y[i], v[1] / v[2], -v[0] / v[2], xoff, yoff);
        }
    }
}

void perspvpsll2(float* x, float* y, const float* lon, const float* lat, int32_t n,
                 float cosHalfView, float sinHalfView, float xoff, float yoff) {
    for (int32_t i = 0; i < n; ++i) {
        Vec3 v{};
        ll2ccn(&v[0], &v[1], &v[2], &lon[i], &lat[i], 1);
        perspective(v[0], v[1], v[2], cosHalfView, sinHalfView, xoff, yoff, x[i], y[i]);
    }
}

void orthobl2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff;
    for (int32_t i = 0; i < n; ++i) {
        const Vec3 v = rotated(p, lon[i], lat[i]);
        storePoint(x[i], y[i], v[1], -v[0], xoff, yoff);
    }
}

void persobl2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff;
    const float sinHalf = p.llpparam.derived[0], cosHalf = p.llpparam.derived[1];
    for (int32_t i = 0; i < n; ++i) {
        const Vec3 v = rotated(p, lon[i], lat[i]);
        perspective(v[0], v[1], v[2], cosHalf, sinHalf, xoff, yoff, x[i], y[i]);
    }
}

void spers2() {
    llpparam.derived[0] = std::sin(0.5f * llpparam.omega);
    llpparam.derived[1] = std::cos(0.5f * llpparam.omega);
}

namespace {

float omegaOnGlobe(const ProjectionParams& p) {
    return std::clamp(p.llpparam.omega, 0.0f, anglerad(kPi));
}

// The latitude of the middle of the modified polyconic's sheet, halfway between its bounding
// parallels.
float sheetMiddle(const ProjectionParams& p) {
    return 0.5f * (p.llpparam.lat1 + p.llpparam.lat2);
}

// The angular distance of a point from the central meridian's point at latitude c: the
// component along that point's direction, and the rest.
float fromMeridianPoint(const ProjectionParams& p, float lon, float lat, float c) {
    const float dl = lon - p.llpparam.lon0, cp = std::cos(lat);
    const float px = std::cos(dl) * cp, py = std::sin(dl) * cp, pz = std::sin(lat);
    const float sc = std::sin(c), cc = std::cos(c);
    return std::atan2(std::hypot(py, pz * cc - px * sc), px * cc + pz * sc);
}

// The pole a reach is measured from: 1 the north pole, -1 the south, where a cone's apex lies
// when its constant n is negative.
float poleOf(const ProjectionParams& p, ReachFrom from) {
    return from == ReachFrom::kApexPole && p.llpparam.derived[0] < 0.0f ? -1.0f : 1.0f;
}

// Of n points spread over two rims, the first half on the first: which rim point k lies on, and
// where along it.
struct OnTwoRims {
    bool first;
    int32_t along, count;
};
OnTwoRims onTwoRims(int32_t k, int32_t n) {
    const int32_t half = (n + 1) / 2;
    return k < half ? OnTwoRims{true, k, half} : OnTwoRims{false, k - half, n - half};
}

// The angular distance of a point from where each kind of reach is measured. Each is taken
// from a sine and a cosine together, which keeps its digits near the centre and near the
// antipode alike.
float fromNowhere(const ProjectionParams&, float, float) {
    return 0.0f;
}
float fromPole(const ProjectionParams& p, float, float lat) {
    return anglerad(kHalfPi) - poleOf(p, ReachFrom::kPole) * lat;
}
float fromApexPole(const ProjectionParams& p, float, float lat) {
    return anglerad(kHalfPi) - poleOf(p, ReachFrom::kApexPole) * lat;
}
float fromEquator(const ProjectionParams&, float, float lat) {
    return std::fabs(lat);
}
float fromObliqueCentre(const ProjectionParams& p, float lon, float lat) {
    const Vec3 v = rotated(p, lon, lat);
    return std::atan2(std::hypot(v[0], v[1]), v[2]);
}
float fromCentralCircle(const ProjectionParams& p, float lon, float lat) {
    // The component along the pole of the central meridian's great circle, and the rest.
    const float dl = lon - p.llpparam.lon0, cp = std::cos(lat);
    return std::atan2(std::fabs(std::sin(dl) * cp), std::hypot(std::cos(dl) * cp, std::sin(lat)));
}
float fromSheetMiddle(const ProjectionParams& p, float lon, float lat) {
    return fromMeridianPoint(p, lon, lat, sheetMiddle(p));
}

// The right-handed frame (up, side, c) whose third axis c points to (lon, lat) and whose first
// points north from there.
void pointFrame(float lon, float lat, Vec3& up, Vec3& side, Vec3& c) {
    const float cl = std::cos(lat), sl = std::sin(lat), co = std::cos(lon), so = std::sin(lon);
    c = {cl * co, cl * so, sl};
    up = {-sl * co, -sl * so, cl};
    side = {so, -co, 0.0f};  // c x up
}

// The point at `angle` from the centre r3, in the direction turned by a from r1 towards r2
// (r1, r2, r3 a right-handed orthonormal frame): r3 cos(angle) + (r1 cos a + r2 sin a) sin(angle).
void circlePoint(const Vec3& r1, const Vec3& r2, const Vec3& r3, float angle, float a, float& lon,
                 float& lat) {
    const float s = std::sin(angle);
    const Vec3 v{s * std::cos(a), s * std::sin(a), std::cos(angle)};
    Vec3 e{};
    for (std::size_t k = 0; k < 3; ++k) {
        e[k] += r1[k] * v[0];
        e[k] += r2[k] * v[1];
        e[k] += r3[k] * v[2];
    }
    cc2lln(&lon, &lat, &e[0], &e[1], &e[2], 1);
}

// How far (radians) from its centre, or from the apex pole of a cone of constant n (0 < n < 1;
// n = 1 is the polar stereographic), a conformal map shows the ground: out to where its scale is
// sec 80 degrees times its least.
double conformalReach(double n) {
    // The stereographic: its scale sec^2(z/2) grows kMostScale times.
    if (n >= 1.0) return 2.0 * std::acos(std::sqrt(1.0 / kMostScale));
    if (n <= 0.0) return std::numbers::pi;
    // The scale goes as tan^n(z/2) / sin z, least where cos z = n, and grows without bound
    // from there to the far pole: the interval is halved down to its last digit.
    const auto logScale = [n](double z) {
        return n * std::log(std::tan(0.5 * z)) - std::log(std::sin(z));
    };
    const double most = logScale(std::acos(n)) + std::log(kMostScale);
    double within = std::acos(n), beyond = std::numbers::pi;
    for (int32_t k = 0; k < 64; ++k) {
        const double z = 0.5 * (within + beyond);
        (logScale(z) <= most ? within : beyond) = z;
    }
    return within;
}

}  // namespace

float reachOfAzimuthal(const ProjectionParams& p) {
    return std::min(omegaOnGlobe(p), anglerad(kPi) - kNearAntipode);
}

float reachOfOrthographicPolar(const ProjectionParams& p) {
    return std::min(omegaOnGlobe(p), anglerad(kHalfPi));
}

float reachOfOrthographicOblique(const ProjectionParams&) {
    return anglerad(kHalfPi);
}

float reachOfPerspective(const ProjectionParams& p) {
    // The eye sees the globe down to its limb, where vz = sin(view/2).
    return std::max(anglerad(kHalfPi) - 0.5f * omegaOnGlobe(p), 0.0f);
}

float reachOfGnomonic(const ProjectionParams& p) {
    return std::min(omegaOnGlobe(p), kGnomonicReach);
}

float reachOfTransverse(const ProjectionParams&) {
    return kTransverseReach;
}

float aroundCentralCircle(const ProjectionParams& p, float lon, float lat) {
    // From the central meridian's point on the equator towards the north pole: the point's
    // component towards the pole, and the one towards that point.
    const float dl = lon - p.llpparam.lon0, cp = std::cos(lat);
    const float a = std::atan2(std::sin(lat), std::cos(dl) * cp);
    return a < -anglerad(kHalfPi) ? a + anglerad(kTwoPi) : a;
}

float reachOfSheet(const ProjectionParams& p) {
    return kSheetReachShare * (anglerad(kHalfPi) - std::fabs(sheetMiddle(p)));
}

float reachOfStereographic(const ProjectionParams& p) {
    return std::min(omegaOnGlobe(p), static_cast<float>(conformalReach(1.0)));
}

float reachOfCone(const ProjectionParams& p) {
    return static_cast<float>(conformalReach(std::fabs(p.llpparam.derived[0])));
}

float reachOfCylinder(const ProjectionParams&) {
    return anglerad(kHalfPi) - kShortOfInfinity;
}

ReachDistance reachDistance(ReachFrom from) {
    switch (from) {
        case ReachFrom::kPole:
            return fromPole;
        case ReachFrom::kApexPole:
            return fromApexPole;
        case ReachFrom::kEquator:
            return fromEquator;
        case ReachFrom::kObliqueCentre:
            return fromObliqueCentre;
        case ReachFrom::kCentralCircle:
            return fromCentralCircle;
        case ReachFrom::kSheetMiddle:
            return fromSheetMiddle;
        case ReachFrom::kEverywhere:
            break;
    }
    return fromNowhere;
}

void hideBeyondReach(const ProjectionParams& p, const Reach& r, float* x, float* y,
                     const float* lon, const float* lat, int32_t n) {
    if (r.from == ReachFrom::kEverywhere) return;
    const float limit = r.angle + kReachTolerance;
    const ReachDistance distance = reachDistance(r.from);
    for (int32_t i = 0; i < n; ++i) {
        if (distance(p, lon[i], lat[i]) <= limit) continue;
        x[i] = kFarAway;
        y[i] = kFarAway;
    }
}

int32_t rimOfReach(const ProjectionParams& p, const Reach& r, float* lon, float* lat, int32_t n) {
    if (n < 1 || r.from == ReachFrom::kEverywhere) return 0;
    const float twoPi = anglerad(kTwoPi), halfPi = anglerad(kHalfPi);
    const auto around = [&](int32_t k, int32_t count) {
        return twoPi * static_cast<float>(k) / static_cast<float>(count);
    };
    switch (r.from) {
        case ReachFrom::kPole:
        case ReachFrom::kApexPole:
            for (int32_t k = 0; k < n; ++k) {
                lon[k] = around(k, n);
                lat[k] = poleOf(p, r.from) * (halfPi - r.angle);
            }
            break;
        case ReachFrom::kEquator:
            // Two parallels, half the points each, north and south.
            for (int32_t k = 0; k < n; ++k) {
                const OnTwoRims on = onTwoRims(k, n);
                lon[k] = around(on.along, on.count);
                lat[k] = on.first ? r.angle : -r.angle;
            }
            break;
        case ReachFrom::kObliqueCentre: {
            // The axes of the centre's frame in the earth's: the rows of the oblique matrix.
            std::array<Vec3, 3> rows{};
            for (int32_t i = 1; i <= 3; ++i)
                for (int32_t j = 1; j <= 3; ++j)
                    rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)] =
                        p.a2b.ab[at(i, j, 3)];
            for (int32_t k = 0; k < n; ++k)
                circlePoint(rows[0], rows[1], rows[2], r.angle, around(k, n), lon[k], lat[k]);
            break;
        }
        case ReachFrom::kCentralCircle: {
            // Two small circles, half the points each, about the poles of the central
            // meridian's great circle, on the equator a quarter turn either side of it.
            const float lon0 = p.llpparam.lon0;
            for (int32_t k = 0; k < n; ++k) {
                const OnTwoRims east = onTwoRims(k, n);
                Vec3 up{}, side{}, c{};
                pointFrame(lon0 + (east.first ? halfPi : -halfPi), 0.0f, up, side, c);
                circlePoint(up, side, c, halfPi - r.angle, around(east.along, east.count), lon[k],
                            lat[k]);
            }
            break;
        }
        case ReachFrom::kSheetMiddle: {
            Vec3 up{}, side{}, c{};
            pointFrame(p.llpparam.lon0, sheetMiddle(p), up, side, c);
            for (int32_t k = 0; k < n; ++k)
                circlePoint(up, side, c, r.angle, around(k, n), lon[k], lat[k]);
            break;
        }
        case ReachFrom::kEverywhere:
            break;
    }
    return n;
}

}  // namespace tensova

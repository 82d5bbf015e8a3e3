// Projections on the reference ellipsoid (equatorial radius 1): transverse Mercator, Lambert
// conformal conic, Mercator and the modified polyconic of the International Map of the World.

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>

#include "numeric/angles.hpp"
#include "projection/ellipsoid_arc.hpp"
#include "projection/families.hpp"
#include "projection/plane_point.hpp"
#include "projection/transforms.hpp"

namespace tensova {
namespace {

const Stamp kSlcce2("slcce2", " 2.0", "06-12-2026");
const Stamp kSimwpoly2("simwpoly2", " 2.0", "06-12-2026");

// Radius of curvature in the prime vertical, from the sine of the latitude.
float primeVertical(const Ellipsoid& el, float sinPhi) {
    return 1.0f / std::sqrt(1.0f - el.e2 * sinPhi * sinPhi);
}

// ((1 - e sin phi) / (1 + e sin phi))^(e/2): the step from geodetic to conformal latitude.
float conformalFactor(const Ellipsoid& el, float sinPhi) {
    const float es = el.e * sinPhi;
    return std::pow((1.0f - es) / (1.0f + es), 0.5f * el.e);
}

bool lambertConeEllipsoidal(float lat1, float lat2, float& n, float& f) {
    if (!coneParallels(lat1, lat2)) return false;
    const float quarterPi = anglerad(kQuarterPi);
    const float m1 = std::cos(lat1) * primeVertical(ellipsoid, std::sin(lat1));
    const float t1 = std::tan(quarterPi - 0.5f * lat1) / conformalFactor(ellipsoid, std::sin(lat1));
    if (std::fabs(lat1 - lat2) < kSameParallel) {
        n = std::sin(lat1);
    } else {
        const float m2 = std::cos(lat2) * primeVertical(ellipsoid, std::sin(lat2));
        const float t2 =
            std::tan(quarterPi - 0.5f * lat2) / conformalFactor(ellipsoid, std::sin(lat2));
        n = (std::log(m1) - std::log(m2)) / (std::log(t1) - std::log(t2));
    }
    f = m1 / (n * std::pow(t1, n));
    return std::isfinite(n) && n != 0.0f && std::isfinite(f);
}

// Kruger's series of the transverse Mercator, to the sixth power of the ellipsoid's third
// flattening n (Karney, J. Geodesy 85:475, 2011): the ellipsoid taken conformally onto a sphere,
// that sphere's transverse Mercator, and the series in n that takes it to the ellipsoid's. Against
// the exact projection (GeographicLib's TransverseMercatorProj on GRS80) it stands within 0.14 km
// out to 80 degrees from the central meridian's great circle, and within a metre out to 76; the
// single-precision points, a unit in their last place 1.5 m out there, and the polar radius held
// as the float 6356752.5 put them within 3.5 m. In double precision: the conformal latitude's
// tangent runs to infinity at the poles.
struct Kruger {
    double e = 0.0;       // the eccentricity
    double radius = 1.0;  // the rectifying radius, in equatorial radii
    std::array<double, 6> alpha{};

    explicit Kruger(const Ellipsoid& el) {
        const double a = el.a, b = el.b;
        const double n = a > 0.0 && b > 0.0 && b <= a ? (a - b) / (a + b) : 0.0;
        const double n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n, n6 = n5 * n;
        e = 2.0 * std::sqrt(n) / (1.0 + n);
        radius = (1.0 + n2 / 4.0 + n4 / 64.0 + n6 / 256.0) / (1.0 + n);
        alpha = {n / 2.0 - 2.0 * n2 / 3.0 + 5.0 * n3 / 16.0 + 41.0 * n4 / 180.0 -
                     127.0 * n5 / 288.0 + 7891.0 * n6 / 37800.0,
                 13.0 * n2 / 48.0 - 3.0 * n3 / 5.0 + 557.0 * n4 / 1440.0 + 281.0 * n5 / 630.0 -
                     1983433.0 * n6 / 1935360.0,
                 61.0 * n3 / 240.0 - 103.0 * n4 / 140.0 + 15061.0 * n5 / 26880.0 +
                     167603.0 * n6 / 181440.0,
                 49561.0 * n4 / 161280.0 - 179.0 * n5 / 168.0 + 6601661.0 * n6 / 7257600.0,
                 34729.0 * n5 / 80640.0 - 3418889.0 * n6 / 1995840.0,
                 212378941.0 * n6 / 319334400.0};
    }
};

}  // namespace

void tme2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
          int32_t n) {
    const Kruger k(p.ellipsoid);
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, lon0 = p.llpparam.lon0;
    const float pi = anglerad(kPi);
    constexpr double kHalfPiD = std::numbers::pi / 2.0, kTurn = 2.0 * std::numbers::pi;
    for (int32_t i = 0; i < n; ++i) {
        float dl = lon[i] - lon0;
        // The short way round, as for the spherical transverse Mercator.
        if (dl < -pi || dl >= pi) modulro(&dl, &dl, anglerad(kTwoPi), -pi, 1);
        // The conformal latitude's tangent; a pole, or a latitude rounded past it, is the pole.
        const double phi = std::clamp(double(lat[i]), -kHalfPiD, kHalfPiD);
        const double tau = std::sin(phi) / std::cos(phi);
        const double sigma = std::sinh(k.e * std::atanh(k.e * tau / std::hypot(1.0, tau)));
        const double taup = tau * std::hypot(1.0, sigma) - sigma * std::hypot(1.0, tau);
        // The spherical transverse Mercator of the conformal sphere: around the central
        // meridian's great circle, on past the poles, laid out from the map's tear; and the
        // distance from that circle, which grows without bound at its poles.
        const double sl = std::sin(double(dl)), cl = std::cos(double(dl));
        const double across = std::hypot(taup, cl);
        if (across == 0.0) {
            storePoint(x[i], y[i], farAwayAlong(float(sl)), 0.0f, xoff, yoff);
            continue;
        }
        double around = std::atan2(taup, cl);
        if (around < -kHalfPiD) around += kTurn;
        around = fromTear(around, double(p.tear), kTurn);
        const std::complex<double> z{around, std::asinh(sl / across)};
        std::complex<double> w = z;
        for (std::size_t j = 0; j < k.alpha.size(); ++j)
            w += k.alpha[j] * std::sin(2.0 * double(j + 1) * z);
        storePoint(x[i], y[i], float(k.radius * w.imag()), float(k.radius * w.real()), xoff, yoff);
    }
}

void slcce2() {
    lambertSetUp(kSlcce2, lambertConeEllipsoidal);
}

void lcce2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
           int32_t n) {
    lambertConic(p, x, y, lon, lat, n,
                 [&el = p.ellipsoid](float sinPhi) { return conformalFactor(el, sinPhi); });
}

void merel2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
            int32_t n) {
    const Ellipsoid& el = p.ellipsoid;
    const float halfE = 0.5f * el.e, quarterPi = anglerad(kQuarterPi);
    mercator(p, x, y, lon, lat, n, [&el, halfE, quarterPi](float phi) {
        const float es = el.e * std::sin(phi);
        return std::log(std::tan(quarterPi + 0.5f * phi)) +
               halfE * std::log((1.0f - es) / (1.0f + es));
    });
}

void simwpoly2() {
    Forimwpoly& w = forimwpoly;
    if (std::fabs(llpparam.lat1 - llpparam.lat2) < kSameParallel)
        resetParallels(kSimwpoly2, "==> BOUNDING PARALLELS MUST DIFFER");
    // The sheet runs from its southern bounding parallel to its northern one, whichever order
    // they were given in: the second is the one moved to keep the true-scale meridian's length.
    w.lat1 = std::min(llpparam.lat1, llpparam.lat2);
    w.lat2 = std::max(llpparam.lat1, llpparam.lat2);
    const float dl2 = llpparam.lon2 - llpparam.lon0;
    const float nearHalfPi = angleradi(kHalfPi);

    // Where the true-scale meridian meets each bounding parallel, drawn as its circle.
    float xk[2] = {0.0f, 0.0f}, yk[2] = {0.0f, 0.0f};
    float* radius[2] = {&w.r1, &w.r2};
    const float latk[2] = {w.lat1, w.lat2};
    for (int k = 0; k < 2; ++k) {
        const float phi = latk[k];
        if (phi == 0.0f) {
            xk[k] = dl2;
        } else if (phi <= nearHalfPi) {
            *radius[k] = primeVertical(ellipsoid, std::sin(phi)) / std::tan(phi);
            const float fk = dl2 * std::sin(phi);
            xk[k] = *radius[k] * std::sin(fk);
            yk[k] = *radius[k] * (1.0f - std::cos(fk));
        } else {
            *radius[k] = 0.0f;
        }
    }

    // The second parallel is moved so that the true-scale meridian keeps its length between
    // the two.
    const float m1 = meridianArc(ellipsoid, w.lat1, std::sin(w.lat1), std::cos(w.lat1));
    const float m2 = meridianArc(ellipsoid, w.lat2, std::sin(w.lat2), std::cos(w.lat2));
    const float dm = m2 - m1, dx = xk[1] - xk[0];
    const float y2moved = std::sqrt(std::max(0.0f, dm * dm - dx * dx)) + yk[0];
    w.offset = y2moved - yk[1];
    w.x0 = (m2 * xk[0] - xk[1] * m1) / dm;
    w.xslope = dx / dm;
    w.y0 = (m2 * yk[0] - y2moved * m1) / dm;
    w.yslope = (y2moved - yk[0]) / dm;
}

void imwpoly2(const ProjectionParams& p, float* x, float* y, const float* lon, const float* lat,
              int32_t n) {
    const float xoff = p.llorig.xoff, yoff = p.llorig.yoff, lon0 = p.llpparam.lon0;
    const Ellipsoid& el = p.ellipsoid;
    const Forimwpoly w = p.forimwpoly;
    const float nearHalfPi = angleradi(kHalfPi);
    const float sin1 = std::sin(w.lat1), sin2 = std::sin(w.lat2);
    for (int32_t i = 0; i < n; ++i) {
        const float phi = lat[i], dl = lon[i] - lon0;
        // The meridian of the point: the straight line x = x1 + slope (y - y1) through its points
        // on the two bounding parallels.
        float x1 = dl, y1 = 0.0f, x2 = dl, y2 = 0.0f;
        if (w.lat1 != 0.0f) {
            const float f1 = dl * sin1;
            x1 = w.r1 * std::sin(f1);
            y1 = w.r1 * (1.0f - std::cos(f1));
        }
        if (w.lat2 != 0.0f) {
            const float f2 = dl * sin2;
            x2 = w.r2 * std::sin(f2);
            y2 = w.r2 * (1.0f - std::cos(f2));
        }
        const float slope = (x2 - x1) / (y2 + w.offset - y1);

        // The parallel of phi: the circle centred on the central meridian through the point
        // (xa, ya) of the true-scale meridian, of curvature k = tan(phi) / N (negative in the
        // south), written k (x^2 + v^2) = 2v with v = y - c0, c0 where it crosses the central
        // meridian: so it runs into a straight line towards the equator, where its radius grows
        // without bound, and no digit is lost to the difference of two radii. Where the line
        // misses the circle (far outside the sheet) the point nearest it is taken. A pole is
        // the point of its meridian nearest the pole's place on the central meridian.
        const float sp = std::sin(phi), cp = std::cos(phi);
        const float m = meridianArc(el, phi, sp, cp);
        const float xa = w.x0 + w.xslope * m, ya = w.y0 + w.yslope * m;
        float c0 = ya, v = 0.0f;
        if (std::fabs(phi) > nearHalfPi) {
            v = -slope * (x1 + slope * (c0 - y1)) / (1.0f + slope * slope);
        } else {
            const float k = sp * std::sqrt(1.0f - el.e2 * sp * sp) / cp;
            c0 -= k * xa * xa / (1.0f + std::sqrt(std::max(0.0f, 1.0f - k * k * xa * xa)));
            // v is the root of k (1 + slope^2) v^2 - 2 (1 - k slope u) v + k u^2 = 0 nearest c0, u
            // the line's x at c0.
            const float u = x1 + slope * (c0 - y1), b = 1.0f - k * slope * u;
            const float root =
                b + std::sqrt(std::max(0.0f, b * b - k * k * (1.0f + slope * slope) * u * u));
            v = root > 0.0f ? k * u * u / root : 1.0f / k;
        }
        storePoint(x[i], y[i], x1 + slope * (c0 + v - y1), c0 + v, xoff, yoff);
    }
}

}  // namespace tensova

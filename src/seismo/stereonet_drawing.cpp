// Great circles, axis symbols and the frame of one stereonet.

#include "seismo/stereonet_drawing.hpp"

#include <array>
#include <cmath>
#include <string_view>

#include "curve/point_buffers.hpp"
#include "curve/running_point.hpp"
#include "numeric/angles.hpp"
#include "numeric/frames.hpp"
#include "plot/attributes.hpp"
#include "plot/drawing.hpp"
#include "seismo/circles_arrows.hpp"
#include "seismo/stereonet_projection.hpp"

namespace tensova {
namespace {

// Justifications: 4 * row + column, negative to trim the text's blanks.
constexpr int32_t kMiddleLeft = -5;
constexpr int32_t kBottomCentre = -2;
constexpr int32_t kMiddleRight = -7;

// Radial marks of upward and downward axes, in net units.
constexpr float kRadialMark = 0.2f;
constexpr int32_t kRadialLine = 100;
constexpr int32_t kRadialArrow = 101;

void line(float x1, float y1, float x2, float y2) {
    const float x[2] = {x1, x2};
    const float y[2] = {y1, y2};
    usline(x, y, 2);
}

void setAlign(int32_t just) {
    stextalign(just, 1);
}

// Label k (0 or 1) beside the point of the frame circle at azimuth az: to the right of it when
// the point is the circle's rightmost, above it when it is the topmost.
void directionLabel(std::size_t k, float az) {
    if (stefram2.llabel[k] != 1) return;
    float pl = 0.0f, x = 0.0f, y = 0.0f;
    spron(&x, &y, &az, &pl, 1);
    if (x > 0.9f) {
        x = x + 0.1f;
        setAlign(kMiddleLeft);
    } else if (y > 0.9f) {
        y = y + 0.1f;
        setAlign(kBottomCentre);
    }
    ustext2(x, y, fit(stefram2.label[k], kFrameLabelLength));
}

// Labels 3 to 6 (k 2 to 5) show their first ten characters.
void cornerLabel(std::size_t k, float x, float y, int32_t just) {
    if (stefram2.llabel[k] != 1) return;
    setAlign(just);
    ustext2(x, y, fit(stefram2.label[k], 10));
}

// An axis that points upwards becomes its antipode, the same line taken downwards. True when
// the axis pointed upwards and is taken as a vector: it then takes the alternate mark.
bool lowerHemisphere(float& az, float& pl, AxisSense sense) {
    if (!(pl < 0.0f)) return false;
    az = az + anglerad(kPi);
    pl = -pl;
    return sense == AxisSense::Vector;
}

}  // namespace

void dspgcfadn(const float* az, const float* dip, int32_t n) {
    int32_t np = dspgcbk.np;
    float t0 = 0.0f, t1 = anglerad(kPi);
    scptnp(np, 1);
    scptif(t0, t1, 1);
    scptend(101, 1);
    const int32_t m = ptblock.np;
    const float step = ptblock.ptd;
    // The half circle in the plane of a plane's strike and dip, once for every plane.
    float* u = cc2dbuff.x();
    float* v = cc2dbuff.y();
    for (int32_t i = 0; i < m; ++i) {
        const float t = step * static_cast<float>(i);
        u[i] = std::cos(t);
        v[i] = std::sin(t);
    }
    float* x = cc3dbuff.x();
    float* y = cc3dbuff.y();
    float* z = cc3dbuff.z();
    for (int32_t k = 0; k < n; ++k) {
        const float ca = std::cos(az[k]), sa = std::sin(az[k]);
        const float cd = std::cos(dip[k]), sd = std::sin(dip[k]);
        // From the strike (t = 0) down the dip direction (t = pi/2) to the opposite of the
        // strike: north, east, down.
        for (int32_t i = 0; i < m; ++i) {
            x[i] = ca * u[i] - cd * sa * v[i];
            y[i] = sa * u[i] + cd * ca * v[i];
            z[i] = sd * v[i];
        }
        // Azimuth into x, plunge into y, then the net's coordinates in place.
        cc2lln(x, y, x, y, z, m);
        spron(x, y, x, y, m);
        usline(x, y, m);
    }
}

void dspaxfapn2(const float* az, const float* pl, int32_t n, AxisSense sense) {
    const int32_t s = dspaxbk.istd;
    if (s >= -99 && s <= 99) {
        int32_t saved = 0;
        ssymboltype(saved, 3);
        for (int32_t i = 0; i < n; ++i) {
            float a = az[i], p = pl[i];
            int32_t type = lowerHemisphere(a, p, sense) ? dspaxbk.ialt : dspaxbk.istd;
            ssymboltype(type, 1);
            float x = 0.0f, y = 0.0f;
            spron(&x, &y, &a, &p, 1);
            ussymbol(&x, &y, 1);
        }
        ssymboltype(saved, 1);
        return;
    }
    if (s != kRadialLine && s != kRadialArrow) return;
    for (int32_t i = 0; i < n; ++i) {
        float a = az[i], p = pl[i];
        // Outwards along the radius for a downward axis, inwards for an upward vector.
        const float length = lowerHemisphere(a, p, sense) ? -kRadialMark : kRadialMark;
        float x0 = 0.0f, y0 = 0.0f;
        spron(&x0, &y0, &a, &p, 1);
        const float r = std::sqrt(x0 * x0 + y0 * y0);
        float x1 = x0, y1 = y0;
        if (r != 0.0f) {
            const float f = 1.0f + length / r;
            x1 = x0 * f;
            y1 = y0 * f;
        }
        if (s == kRadialLine) {
            line(x0, y0, x1, y1);
        } else {
            usarrow1(&x0, &y0, &x1, &y1, 1);
        }
    }
}

void repstereo() {
    float angle = 0.0f;
    int32_t just = 0;
    stextangle(angle, 3);
    stextalign(just, 3);
    float upright = 0.0f;
    stextangle(upright, 1);

    uscircle(0.0f, 0.0f, 1.0f, stefram2.np);
    if (stefram2.axes) {
        line(-1.0f, 0.0f, 1.0f, 0.0f);
        line(0.0f, -1.0f, 0.0f, 1.0f);
    }
    if (stefram2.ticks) {
        // Every 10 degrees: 0 to 40 in the eight octants (0, 90, 180 and 270 come twice).
        for (int32_t deg10 = 0; deg10 <= 40; deg10 += 10) {
            const float a = rad(static_cast<float>(deg10));
            const float p = std::cos(a), q = std::sin(a);
            const std::array<std::array<float, 2>, 8> directions = {
                {{p, q}, {q, p}, {-p, q}, {q, -p}, {-p, -q}, {-q, -p}, {p, -q}, {-q, p}}};
            for (const auto& d : directions)
                line(1.02f * d[0], 1.02f * d[1], 1.08f * d[0], 1.08f * d[1]);
        }
    }
    directionLabel(0, 0.0f);
    directionLabel(1, anglerad(kHalfPi));
    cornerLabel(2, 0.5f, 1.0f, kMiddleLeft);
    cornerLabel(3, 0.5f, -1.0f, kMiddleLeft);
    cornerLabel(4, -0.5f, -1.0f, kMiddleRight);
    cornerLabel(5, -0.5f, 1.0f, kMiddleRight);

    stextangle(angle, 1);
    stextalign(just, 1);
}

}  // namespace tensova

#include "seismo/principal_axes.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "console/boxes.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/units.hpp"
#include "numeric/angles.hpp"
#include "numeric/matrices.hpp"

namespace tensova {
namespace {

const Stamp kSiap2sv("siap2sv", " 1.0", "10-07-2002");

// A box body line: the label, then the integer in 10 columns.
void countLine(std::string_view label, int32_t v) {
    wout({label, fmtI(v, 10)});
}

}  // namespace

void fsadr2steff(std::array<float, 3>& azsr, std::array<float, 3>& plsr, float strike, float dip,
                 float rake, float phi) {
    // Columns of Rz(strike) Rx(dip) Rz(-rake) Ry(phi/2 - pi/4): strike, down-dip and footwall
    // normal turned onto the slip vector, then slip and normal turned by 45 degrees within their
    // plane, so that the columns are S1, S2, S3.
    Mat33 m{};
    Mat33 r{};
    zrot(m, -rake);
    yrot(r, phi / 2.0f - anglerad(kQuarterPi));
    m33x33(m, m, r);
    xrot(r, dip);
    m33x33(m, r, m);
    zrot(r, strike);
    m33x33(m, r, m);
    for (int32_t i = 1; i <= 3; ++i) {
        const std::size_t k = static_cast<std::size_t>(i - 1);
        xy2t(&azsr[k], &m[at(1, i, 3)], &m[at(2, i, 3)], 1);
        // asin stays defined should rounding push a component of a unit column past 1 (a
        // NaN passes on, for siap2sv to report).
        plsr[k] = std::asin(std::clamp(m[at(3, i, 3)], -1.0f, 1.0f));
    }
}

void siap2sv(float* azshmax, int32_t* isv, const float* az1, const float* pl1, const float* az2,
             const float* pl2, const float* az3, const float* pl3, float threshold, int32_t n) {
    const float halfPi = anglerad(kHalfPi);
    for (int32_t i = 0; i < n; ++i) {
        const int32_t nb = i + 1;
        // Never another datum's value, whatever happens below.
        azshmax[i] = 0.0f;
        int32_t isteep = 0;
        float steepest = -1.0f;  // below every absolute plunge
        int32_t iflat = 0;
        float flattest = 2.0f;  // above every one
        std::array<float, 3> p = {std::fabs(pl1[i]), std::fabs(pl2[i]), std::fabs(pl3[i])};
        for (int32_t k = 1; k <= 3; ++k) {
            float& pk = p[static_cast<std::size_t>(k - 1)];
            if (crevin2("plunge", pk, 0.0f, anglerads(kHalfPi), "siap2sv", 1) != 0) {
                errorhead(kSiap2sv);
                wout({"Out of range plunge for"});
                countLine("iSi     =", k);
                countLine("data nb =", nb);
                errortail00();
            }
        }
        // A later axis takes the place only when it is not alike: ties stay with the lower
        // index, whichever way rounding has tipped them.
        for (int32_t k = 1; k <= 3; ++k) {
            const float pk = p[static_cast<std::size_t>(k - 1)];
            if (pk > steepest + kAlikePlunges) {
                isteep = k;
                steepest = pk;
            }
            if (pk < flattest - kAlikePlunges) {
                iflat = k;
                flattest = pk;
            }
        }
        if (iflat == 1) {
            azshmax[i] = az1[i];
        } else if (iflat == 2 && isteep == 1) {
            azshmax[i] = az2[i];
        } else if (iflat == 2 && isteep == 3) {
            azshmax[i] = az2[i] + halfPi;
        } else if (iflat == 3) {
            azshmax[i] = az3[i] + halfPi;
        } else {
            errorhead(kSiap2sv);
            wout({"Out of range value"});
            countLine("iShmax  =", iflat);
            countLine("iSv     =", isteep);
            countLine("data nb =", nb);
            errortail00();
        }
        isv[i] = threshold > steepest ? -isteep : isteep;
    }
    na2pin(azshmax, azshmax, n);
}

void writepbsv(const float* azshmax, const int32_t* isv, const float* az1, const float* pl1,
               const float* az2, const float* pl2, const float* az3, const float* pl3, int32_t n,
               int32_t unit, int32_t nfirst) {
    const bool console = unit == kConsoleUnit;
    const std::string_view sep = console ? "|" : "\t";
    // The map writes the header once per event: it is made once.
    static const std::string rule = " " + std::string(74, '-');
    static const std::array<std::string, 2> headers = [] {
        std::array<std::string, 2> h;
        for (std::size_t k = 0; k < 2; ++k) {
            const std::string_view s = k == 1 ? "|" : "\t";
            h[k] = " " + fmtA("data nb", 7);
            h[k] += s;
            h[k] += fmtA("isv", 3);
            for (const char* t :
                 {"azshmax", "azim.S1", "plung.S1", "azim.S2", "plung.S2", "azim.S3", "plung.S3"}) {
                h[k] += s;
                h[k] += fmtA(t, 8);
            }
        }
        return h;
    }();
    if (console) unitWrite(unit, rule);
    unitWrite(unit, headers[console ? 1 : 0]);
    if (console) unitWrite(unit, rule);
    std::string line;
    for (int32_t i = 0; i < n; ++i) {
        if (isv[i] >= 1 && isv[i] <= 3) continue;
        line = " ";
        appendI(line, static_cast<int64_t>(nfirst) + i, 7);
        line += sep;
        appendI(line, isv[i], 3);
        for (const float v : {azshmax[i], az1[i], pl1[i], az2[i], pl2[i], az3[i], pl3[i]}) {
            line += sep;
            appendF(line, deg(v), 8, 1);
        }
        unitWrite(unit, line);
    }
}

}  // namespace tensova

#include "plot/transforms.hpp"

#include <array>
#include <cmath>
#include <string>

#include "console/boxes.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/setup.hpp"
#include "console/text.hpp"
#include "numeric/matrices.hpp"
#include "numeric/vectors.hpp"
#include "plot/plot_blocks.hpp"
#include "postscript/ps_attributes.hpp"

namespace tensova {
namespace {

const Stamp kSsubplot("ssubplot", " 1.3", "16-03-2009");
const Stamp kSus2cm3("sus2cm3", " 4.4", "16-03-2009");

// The current subplot. Conversions before the first selection use subplot 1 rather than
// reading outside the block.
int32_t current() {
    const int32_t c = plt1blk.isubcur;
    return c >= 1 && c <= kSubplots ? c : 1;
}

// out = o + m in, point by point; both coordinates are read before either is written.
void affine(float* xo, float* yo, const float* xi, const float* yi, int32_t n, const Vec2& o,
            const Mat22& m) {
    for (int32_t i = 0; i < n; ++i) {
        const float x = xi[i];
        const float y = yi[i];
        xo[i] = o[0] + m[0] * x + m[2] * y;
        yo[i] = o[1] + m[1] * x + m[3] * y;
    }
}

bool finite(const Vec2& v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]);
}

bool finite(const Mat22& m) {
    for (const float e : m)
        if (!std::isfinite(e)) return false;
    return true;
}

void refreshUserToDevice(int32_t s) {
    const std::size_t k = subplotIndex(s);
    Vec2 v{};
    m22x21(v, plt1blk.cmtode, plt1blk.us0tocm[k]);
    vsum(v.data(), v.data(), plt1blk.cm0tode[k].data(), 2);
    Mat22 a{};
    m22x22(a, plt1blk.cmtode, plt1blk.ustocm[k]);
    plt1blk.us0tode[k] = v;
    plt1blk.ustode[k] = a;
}

// A matrix that cannot be inverted leaves the subplot's previous map in place; `report`
// lets the inversion say so (and ask whether to stop).
void refreshCmToUser(int32_t s, bool report) {
    const std::size_t k = subplotIndex(s);
    const Mat22& m = plt1blk.ustocm[k];
    const bool singular = m[0] * m[3] - m[2] * m[1] == 0.0f;
    if (singular && !report) return;
    Mat22 b{};
    minv2d(b, m);
    Vec2 v{};
    m22x21(v, b, plt1blk.us0tocm[k]);
    if (singular || !finite(b) || !finite(v)) return;
    plt1blk.cm0tous[k] = {-v[0], -v[1]};
    plt1blk.cmtous[k] = b;
}

// After a set-up of subplot s: the map to device units while the plot file is open (before
// the opening the centimetre map is unset), the map back to user units always.
void refresh(int32_t s) {
    if (iocom.plotOpen) refreshUserToDevice(s);
    refreshCmToUser(s, iocom.plotOpen);
}

bool allSubplots(int32_t inter) {
    return inter == 6 || inter == 7;
}

bool fromDefaults(int32_t inter) {
    return inter >= 4 && inter <= 7;
}

// The subplots a set-up acts on.
void subplotRange(int32_t inter, int32_t& first, int32_t& last) {
    first = allSubplots(inter) ? 1 : current();
    last = allSubplots(inter) ? kSubplots : current();
}

// The scales of user limits, or false (with a box) when a range of zero width gives none.
bool limitScales(float xlcm, float ylcm, float xumin, float xumax, float yumin, float yumax,
                 float& sx, float& sy) {
    sx = xlcm / (xumax - xumin);
    sy = ylcm / (yumax - yumin);
    if (std::isfinite(sx) && std::isfinite(sy)) return true;
    warninghead(kSus2cm3);
    wout({"user limits of zero width give no scale:"});
    wout({"xumin =", fmtG(xumin, 12, 5), "xumax =", fmtG(xumax, 12, 5)});
    wout({"yumin =", fmtG(yumin, 12, 5), "yumax =", fmtG(yumax, 12, 5)});
    wout({"==> NO ACTION"});
    warningtail00();
    return false;
}

void subplotTable(int32_t isub) {
    submenuhead(kSsubplot);
    const std::string rule = "|-----------------------------------|";
    wout({"|             SUBPLOTS              |"});
    wout({rule});
    wout({"|max nb ..........", fmtI(kSubplots, 2)});
    wout({"|last used .......", fmtI(plt1blk.isubcur, 2)});
    wout({rule});
    wout({"|      SWITCHING TO SUBPLOT:         "});
    wout({rule});
    wout({"|number ..........", fmtI(isub, 2)});
    const bool known = isub >= 1 && isub <= kSubplots;
    wout({"|name ............",
          known ? pltcharblk.subplotitle[subplotIndex(isub)] : std::string(20, ' ')});
    menutail();
}

}  // namespace

void us2de(float* xde, float* yde, const float* xus, const float* yus, int32_t n) {
    const std::size_t c = subplotIndex(current());
    affine(xde, yde, xus, yus, n, plt1blk.us0tode[c], plt1blk.ustode[c]);
}

void cm2de(float* xde, float* yde, const float* xcm, const float* ycm, int32_t n) {
    affine(xde, yde, xcm, ycm, n, plt1blk.cm0tode[subplotIndex(current())], plt1blk.cmtode);
}

void cm2us(float* xus, float* yus, const float* xcm, const float* ycm, int32_t n) {
    const std::size_t c = subplotIndex(current());
    affine(xus, yus, xcm, ycm, n, plt1blk.cm0tous[c], plt1blk.cmtous[c]);
}

void us2cm(float* xcm, float* ycm, const float* xus, const float* yus, int32_t n) {
    const std::size_t c = subplotIndex(current());
    affine(xcm, ycm, xus, yus, n, plt1blk.us0tocm[c], plt1blk.ustocm[c]);
}

float usPerCm() {
    return pageTransform().unitsPerCm();
}

void PageTransform::toCm(float* xcm, float* ycm, const float* xus, const float* yus,
                         int32_t n) const {
    affine(xcm, ycm, xus, yus, n, us0tocm, ustocm);
}

void PageTransform::toUser(float* xus, float* yus, const float* xcm, const float* ycm,
                           int32_t n) const {
    affine(xus, yus, xcm, ycm, n, cm0tous, cmtous);
}

float PageTransform::unitsPerCm() const {
    std::array<float, 2> x{0.0f, 1.0f}, y{0.0f, 0.0f};
    toUser(x.data(), y.data(), x.data(), y.data(), 2);
    return std::hypot(x[1] - x[0], y[1] - y[0]);
}

PageTransform pageTransform() {
    const std::size_t c = subplotIndex(current());
    return {plt1blk.us0tocm[c], plt1blk.ustocm[c], plt1blk.cm0tous[c], plt1blk.cmtous[c]};
}

void usePageTransform(const PageTransform& t) {
    const int32_t s = current();
    const std::size_t c = subplotIndex(s);
    plt1blk.us0tocm[c] = t.us0tocm;
    plt1blk.ustocm[c] = t.ustocm;
    plt1blk.cm0tous[c] = t.cm0tous;
    plt1blk.cmtous[c] = t.cmtous;
    if (iocom.plotOpen) refreshUserToDevice(s);
}

void lengthcm2de(float& lde, float lcm) {
    lde = plt1blk.cmtodelength * lcm;
}

void scm2de() {
    plt1blk.cmtodelength = kPointsPerCm;
    plt1blk.cm0tode.fill(Vec2{0.0f, 0.0f});
    plt1blk.cmtode = {plt1blk.cmtodelength, 0.0f, 0.0f, plt1blk.cmtodelength};
}

void sus2de() {
    refreshUserToDevice(current());
}

void sus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy, int32_t inter) {
    int32_t first = 0, last = 0;
    subplotRange(inter, first, last);
    for (int32_t s = first; s <= last; ++s) {
        Vec2& o = plt1blk.us0tocm[subplotIndex(s)];
        Mat22& m = plt1blk.ustocm[subplotIndex(s)];
        if (startsFromStored(inter)) {
            xcm0 = o[0], ycm0 = o[1];
            xx = m[0], yx = m[1], xy = m[2], yy = m[3];
        } else if (fromDefaults(inter)) {
            // User units are centimetres, the user origin at (10, 10) cm.
            xcm0 = 10.0f, ycm0 = 10.0f;
            xx = 1.0f, xy = 0.0f, yx = 0.0f, yy = 1.0f;
        }
        if (isDialog(inter)) mus2cm1(xcm0, ycm0, xx, xy, yx, yy);
        o = {xcm0, ycm0};
        m = {xx, yx, xy, yy};
        refresh(s);
    }
}

void sus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax,
             float& yumin, float& yumax, int32_t& isoxy, int32_t inter) {
    int32_t first = 0, last = 0;
    subplotRange(inter, first, last);
    for (int32_t s = first; s <= last; ++s) {
        const std::size_t k = subplotIndex(s);
        if (startsFromStored(inter)) {
            xcm0 = plt1blk.usmintocm[k][0], ycm0 = plt1blk.usmintocm[k][1];
            xlcm = plt1blk.cmaxlength[k][0], ylcm = plt1blk.cmaxlength[k][1];
            xumin = plt1blk.usextr[k][0], xumax = plt1blk.usextr[k][1];
            yumin = plt1blk.usextr[k][2], yumax = plt1blk.usextr[k][3];
            isoxy = plt1blk.isoxy[k];
            if (inter == 3) return;
        } else if (fromDefaults(inter)) {
            // A 15 cm square from (2, 2) cm showing -10..10 on both axes.
            xumin = -10.0f, xumax = 10.0f, yumin = -10.0f, yumax = 10.0f;
            xlcm = 15.0f, ylcm = 15.0f, xcm0 = 2.0f, ycm0 = 2.0f;
            isoxy = 1;
        }
        if (isDialog(inter)) mus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, isoxy);
        plt1blk.usextr[k] = {xumin, xumax, yumin, yumax};
        plt1blk.cmaxlength[k] = {xlcm, ylcm};
        plt1blk.usmintocm[k] = {xcm0, ycm0};
        plt1blk.isoxy[k] = isoxy;
        float sx = 0.0f, sy = 0.0f;
        if (!limitScales(xlcm, ylcm, xumin, xumax, yumin, yumax, sx, sy)) continue;
        // Equal scales: the larger is reduced to the smaller, each axis keeping its direction.
        if (isoxy == 1) {
            if (std::abs(sx) > std::abs(sy)) {
                sx = std::copysign(std::abs(sy), sx);
            } else {
                sy = std::copysign(std::abs(sx), sy);
            }
        }
        Mat22& m = plt1blk.ustocm[k];
        m = {sx, 0.0f, 0.0f, sy};
        // The user point (xumin, yumin) lands at (xcm0, ycm0).
        plt1blk.us0tocm[k] = {xcm0 - m[0] * xumin - m[2] * yumin,
                              ycm0 - m[1] * xumin - m[3] * yumin};
        refresh(s);
    }
}

void ssubplot(int32_t& isub, int32_t inter) {
    int32_t mode = inter;
    for (;;) {
        if (startsFromStored(mode)) {
            isub = plt1blk.isubcur;
        } else if (fromDefaults(mode)) {
            submenuhead(kSsubplot);
            isub = 1;
            wout({"INITIALISING SUBPLOT =", fmtI(isub, 2)});
        }
        if (isDialog(mode)) subplotTable(isub);
        if (cinvin(isub, 1, kSubplots, kSsubplot.name, "subplot nb") == 0) break;
        // The run goes on: subplot 1, as at initialisation.
        mode = 4;
    }
    plt1blk.isubcur = isub;
}

}  // namespace tensova

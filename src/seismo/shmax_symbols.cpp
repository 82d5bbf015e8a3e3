#include "seismo/shmax_symbols.hpp"

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "numeric/angles.hpp"
#include "numeric/figures.hpp"
#include "numeric/matrices.hpp"
#include "plot/attributes.hpp"
#include "plot/drawing.hpp"
#include "plot/transforms.hpp"

namespace tensova {
namespace {

const Stamp kSmapsh2("smapsh2", " 1.0", "17-04-2006");
const Stamp kDmapsh2("dmapsh2", " 5.0", "23-11-2009");

constexpr float kDefaultMajor = 0.4f;
constexpr float kDefaultMinor = 0.13f;
// A bad minor size is reset to this, not to its default.
constexpr float kResetMinor = 0.2f;
constexpr int32_t kDefaultEpicentre = -1;
constexpr int32_t kDefaultIsha = 0;
constexpr int32_t kExit = 99;
constexpr float kMaxSize = 100.0f;
// Paper length, in cm, of a size factor of 1.
constexpr float kUnitLengthCm = 5.0f;
// Each symbol starts this fraction of the major length away from the epicentre.
constexpr float kGap = 0.2f;

constexpr std::string_view kRule30 = "------------------------------";

std::string real10(float v) {
    return fmtF(v, 10, 3);
}

void resetSize(float& v, std::string_view label, float reset) {
    if (v > 0.0f) return;
    warninghead(kSmapsh2);
    wout({label, real10(v)});
    wout({"==> RESET TO:"});
    v = reset;
    wout({label, real10(v)});
    warningtail00();
}

void showMenu(const Mapshpar& p) {
    submenuhead(kSmapsh2);
    wout({kDashes43});
    wout({"Sh MAP PARAMETERS :"});
    wout({kDashes43});
    wout({kRule30});
    wout({"Major size ................10", real10(p.sizmaxa)});
    wout({"Minor size ................20", real10(p.sizmina)});
    wout({"Epicenter type ............30", fmtI(p.epitype, 6)});
    wout({"Sh type ...................40", fmtI(p.isha, 6)});
    wout({kRule30});
    wout({"EXIT ..........................99"});
    menutail();
}

void menu(Mapshpar& p) {
    for (;;) {
        showMenu(p);
        int32_t choice = kExit;
        inintegdef(choice, "your choice", kExit);
        switch (choice) {
            case 10:
                inrealvindef(p.sizmaxa, "Major size", p.sizmaxa, 0.0f, kMaxSize);
                break;
            case 20:
                inrealvindef(p.sizmina, "Minor size", p.sizmina, 0.0f, kMaxSize);
                break;
            case 30:
                wout({kRule30});
                wout({"epicenter type:"});
                wout({"0 => no plot"});
                wout({"else = symbol #"});
                wout({kRule30});
                inintegdef(p.epitype, "Epicenter type", p.epitype);
                break;
            case 40:
                wout({kRule30});
                wout({"Sh type:"});
                for (const char* line :
                     {"-2 => Shmin only", "-1 => Shmin + Shmax small", "0  => Shmin + Shmax",
                      "+1 => Shmax + Shmin small", "+2 => Shmax only"})
                    wout({line});
                wout({kRule30});
                inintegvindef(p.isha, "Sh type", p.isha, -2, 2);
                break;
            case kExit:
                return;
            default:
                unknownCommand(kSmapsh2, choice);
                break;
        }
    }
}

// A closed outline of at most 7 vertices.
struct Shape {
    std::array<float, 7> x{};
    std::array<float, 7> y{};
    int32_t n = 0;
};

// The shape moved so that its local origin lies at (x0 + dx, y0), turned about (x0, y0) by the
// angle `first` (counter-clockwise) and drawn, then turned by the further angle `second` and
// drawn again: a pair, symmetric when `second` is a half turn.
void drawPair(const Shape& s, float x0, float y0, float dx, float first, float second) {
    Mat22 r{};
    Shape t = s;
    transl2d1(t.x.data(), t.y.data(), s.x.data(), s.y.data(), s.n, x0 + dx, y0);
    matrot2drad(r, first);
    rot2daffm(t.x.data(), t.y.data(), t.x.data(), t.y.data(), t.n, x0, y0, r);
    uspolygon(t.x.data(), t.y.data(), t.n);
    matrot2drad(r, second);
    rot2daffm(t.x.data(), t.y.data(), t.x.data(), t.y.data(), t.n, x0, y0, r);
    uspolygon(t.x.data(), t.y.data(), t.n);
}

void barWarning(int32_t nb, int32_t isv, std::string_view which) {
    warninghead(kDmapsh2);
    wout({"data nb =", fmtI(nb, 4)});
    wout({"isv     =", fmtI(isv, 4)});
    wout({"isv outside [1,3]"});
    wout({which});
    warningtail00();
}

}  // namespace

void smapsh2(float& sizmaxa, float& sizmina, int32_t& epitype, int32_t& isha, int32_t mode) {
    Mapshpar p{sizmaxa, sizmina, epitype, isha};
    if (startsFromStored(mode)) {
        p = mapshpar;
    } else if (startsFromDefaults(mode)) {
        submenuhead(kSmapsh2);
        wout({"INITIALIZING Sh MAP PARAMETERS"});
        p = Mapshpar{kDefaultMajor, kDefaultMinor, kDefaultEpicentre, kDefaultIsha};
    } else {
        resetSize(p.sizmaxa, "sizmaxa =", kDefaultMajor);
        resetSize(p.sizmina, "sizmina =", kResetMinor);
        if (p.isha < -2 || p.isha > 2) {
            warninghead(kSmapsh2);
            wout({"isha =", fmtI(p.isha, 6)});
            wout({"==> RESET TO:"});
            p.isha = kDefaultIsha;
            wout({"isha =", fmtI(p.isha, 6)});
            warningtail00();
        }
    }
    if (isDialog(mode)) menu(p);
    mapshpar = p;
    sizmaxa = p.sizmaxa;
    sizmina = p.sizmina;
    epitype = p.epitype;
    isha = p.isha;
}

void dmapsh2(const float* x, const float* y, const float* azshmax, const int32_t* isv, int32_t n,
             const ArmTurns* turns, const PageTransform* page) {
    const Mapshpar& p = mapshpar;
    if (page != nullptr) usePageTransform(*page);
    float savedSize = 0.0f;
    int32_t savedType = 0;
    ssymbolsize(savedSize, 3);
    ssymboltype(savedType, 3);
    float size = p.sizmaxa;
    int32_t type = p.epitype;
    ssymbolsize(size, 1);
    ssymboltype(type, 1);
    if (p.epitype != 0) ussymbol(x, y, n);

    // User units of 5 cm on the paper, measured along the paper's x.
    const float unit = kUnitLengthCm * (page != nullptr ? page->unitsPerCm() : usPerCm());
    const float a = p.sizmaxa * unit;
    const float b = p.sizmina * unit;

    Shape bar, arrow;
    rectangle1(bar.x.data(), bar.y.data(), bar.n, 7);
    arrow2d(arrow.x.data(), arrow.y.data(), arrow.n, 7);
    Shape majorBar = bar, minorBar = bar, majorArrow = arrow, minorArrow = arrow;
    homot02d1(majorBar.x.data(), majorBar.y.data(), bar.x.data(), bar.y.data(), bar.n, a);
    homot02d1(minorBar.x.data(), minorBar.y.data(), bar.x.data(), bar.y.data(), bar.n, b);
    homot02d1(majorArrow.x.data(), majorArrow.y.data(), arrow.x.data(), arrow.y.data(), arrow.n, a);
    homot02d1(minorArrow.x.data(), minorArrow.y.data(), arrow.x.data(), arrow.y.data(), arrow.n, b);

    const float halfPi = anglerad(kHalfPi), pi = anglerad(kPi);
    // The turn of event i's pair of arms; the second arm of a pair goes on from the first by a
    // half turn.
    const auto turn = [&](int32_t i, std::size_t pair) {
        return turns != nullptr ? turns[i].turn[pair] : 0.0f;
    };
    if (p.isha != -2) {
        const Shape& inward = p.isha == -1 ? minorArrow : majorArrow;
        const Shape& plain = p.isha == -1 ? minorBar : majorBar;
        for (int32_t i = 0; i < n; ++i) {
            const bool compressive = isv[i] == 2 || isv[i] == 3;
            if (!compressive && isv[i] != 1)
                barWarning(i + 1, isv[i], "=> will plot bars for Shmax");
            drawPair(compressive ? inward : plain, x[i], y[i], kGap * a,
                     halfPi - azshmax[i] - turn(i, 0), pi);
        }
    }
    if (p.isha != 2) {
        // An outward arrow points away from the centre: its body ends kGap a from it.
        const bool small = p.isha == 1;
        const Shape& outward = small ? minorArrow : majorArrow;
        const float outwardShift = small ? -kGap * a - b : -(1.0f + kGap) * a;
        const Shape& plain = small ? minorBar : majorBar;
        for (int32_t i = 0; i < n; ++i) {
            const bool extensional = isv[i] == 1 || isv[i] == 2;
            if (!extensional && isv[i] != 3)
                barWarning(i + 1, isv[i], "=> will plot bars for Shmin");
            const float first = -azshmax[i] - turn(i, 1);
            if (extensional) {
                drawPair(outward, x[i], y[i], outwardShift, first, pi);
            } else {
                drawPair(plain, x[i], y[i], kGap * a, first, pi);
            }
        }
    }

    ssymbolsize(savedSize, 1);
    ssymboltype(savedType, 1);
}

}  // namespace tensova

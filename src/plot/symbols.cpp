// Symbols: one mark of the current type and size at each point. The form is built once per
// call as offsets in device units around the centre, so a symbol has the same size on the
// paper in every subplot; each point then only translates it.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "numeric/angles.hpp"
#include "plot/drawing.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/transforms.hpp"
#include "postscript/postscript.hpp"

namespace tensova {
namespace {

// A closed outline (a polygon when the symbol is filled, else a polyline back to its first
// point) or a stroke of two points.
struct Piece {
    int32_t first;
    int32_t count;
    bool outline;
};

// Offsets of every piece of a form, in device units, and its pieces in drawing order: at most
// a circle of 20 points and two strokes over it.
struct Form {
    std::array<float, 24> dx{};
    std::array<float, 24> dy{};
    std::array<Piece, 5> pieces{};
    int32_t npoints = 0;
    int32_t npieces = 0;
};

constexpr float kDiag = 0.70710677f;  // cos 45
constexpr float kSin60 = 0.8660254f;

// Appends a piece of the unit offsets (u, v), scaled by r.
void add(Form& f, float r, std::initializer_list<std::array<float, 2>> points, bool outline) {
    f.pieces[static_cast<std::size_t>(f.npieces++)] = {
        f.npoints, static_cast<int32_t>(points.size()), outline};
    for (const auto& p : points) {
        f.dx[static_cast<std::size_t>(f.npoints)] = r * p[0];
        f.dy[static_cast<std::size_t>(f.npoints)] = r * p[1];
        ++f.npoints;
    }
}

// Appends a closed outline of count points at angles start + (i - 1) step degrees.
void addRing(Form& f, float r, int32_t count, float start, float step) {
    f.pieces[static_cast<std::size_t>(f.npieces++)] = {f.npoints, count, true};
    for (int32_t i = 0; i < count; ++i) {
        const float t = rad(start + static_cast<float>(i) * step);
        f.dx[static_cast<std::size_t>(f.npoints)] = r * std::cos(t);
        f.dy[static_cast<std::size_t>(f.npoints)] = r * std::sin(t);
        ++f.npoints;
    }
}

// A circle of 20 points, the last on the first.
void addCircle(Form& f, float r) {
    addRing(f, r, 20, 0.0f, 360.0f / 19.0f);
}

void addStrokesFromCentre(Form& f, float r, std::initializer_list<std::array<float, 2>> ends) {
    for (const auto& e : ends) add(f, r, {{0.0f, 0.0f}, e}, false);
}

Form form(int32_t code, float r) {
    Form f;
    const std::array<float, 2> left{-1, 0}, right{1, 0}, down{0, -1}, up{0, 1}, centre{0, 0};
    if (code >= 3 && code <= 9) {
        // A regular polygon with one vertex straight up.
        addRing(f, r, code + 1, 90.0f, 360.0f / static_cast<float>(code));
        return f;
    }
    switch (code) {
        case 10:
            add(f, r, {centre, centre}, false);
            break;
        case 11:
            add(f, r, {left, right}, false);
            break;
        case 12:
            add(f, r, {down, up}, false);
            break;
        case 13:
            add(f, r, {left, right}, false);
            add(f, r, {down, up}, false);
            break;
        case 14:
            add(f, r, {{kDiag, kDiag}, {-kDiag, -kDiag}}, false);
            add(f, r, {{-kDiag, kDiag}, {kDiag, -kDiag}}, false);
            break;
        case 15:
            add(f, r, {{kSin60, 0.5f}, {-kSin60, -0.5f}}, false);
            add(f, r, {up, down}, false);
            add(f, r, {{-kSin60, 0.5f}, {kSin60, -0.5f}}, false);
            break;
        case 16:
            addStrokesFromCentre(f, r, {{kSin60, -0.5f}, up, {-kSin60, -0.5f}});
            break;
        case 17: {
            const float c54 = std::cos(rad(54.0f)), s54 = std::sin(rad(54.0f));
            const float c18 = std::cos(rad(18.0f)), s18 = std::sin(rad(18.0f));
            addStrokesFromCentre(f, r, {{c54, -s54}, {c18, s18}, up, {-c18, s18}, {-c54, -s54}});
            break;
        }
        case 20:
            addCircle(f, r), add(f, r, {centre, centre}, false);
            break;
        case 21:
            addCircle(f, r), add(f, r, {left, right}, false);
            break;
        case 22:
            addCircle(f, r), add(f, r, {down, up}, false);
            break;
        case 23:
            addCircle(f, r);
            add(f, r, {down, up}, false);
            add(f, r, {left, right}, false);
            break;
        case 40: {
            // Sides parallel to the axes, the corners on the circle of radius r.
            const float a = 1.0f / 1.4142135f;
            add(f, r, {{a, a}, {-a, a}, {-a, -a}, {a, -a}, {a, a}}, true);
            break;
        }
        default:
            addCircle(f, r);
            break;
    }
    return f;
}

}  // namespace

void ussymbol(const float* x, const float* y, int32_t n) {
    if (n < 1) return;
    float size = 0.0f;
    lengthcm2de(size, plt2blk.symbsize);
    const float r = 0.5f * size;
    const bool filled = plt2blk.symbtype < 0;
    // The magnitude of the most negative type does not fit; it draws the circle, as any type
    // outside the catalogue does.
    const int32_t code = plt2blk.symbtype == INT32_MIN ? 0 : std::abs(plt2blk.symbtype);
    // Callers that draw one symbol per call (a symbol per event) find the form they last used.
    static Form f = form(0, 0.0f);
    static int32_t lastCode = 0;
    static float lastR = 0.0f;
    if (code != lastCode || r != lastR) {
        f = form(code, r);
        lastCode = code;
        lastR = r;
    }
    float* xb = pltbuff1.xdevbuff.data();
    float* yb = pltbuff1.ydevbuff.data();
    for (int32_t k = 0; k < n; ++k) {
        float xc = 0.0f, yc = 0.0f;
        us2de(&xc, &yc, x + k, y + k, 1);
        for (int32_t p = 0; p < f.npieces; ++p) {
            const Piece& piece = f.pieces[static_cast<std::size_t>(p)];
            for (int32_t j = 0; j < piece.count; ++j) {
                const auto o = static_cast<std::size_t>(piece.first + j);
                xb[j] = xc + f.dx[o];
                yb[j] = yc + f.dy[o];
            }
            if (piece.outline && filled) {
                depolygon(xb, yb, piece.count);
            } else {
                deline(xb, yb, piece.count);
            }
        }
    }
}

}  // namespace tensova

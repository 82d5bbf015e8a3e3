// Texts: placed by the justification code, turned by the text angle, in the current font,
// height and text colour.

#include "console/text.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "console/fields.hpp"
#include "console/numtext.hpp"
#include "numeric/angles.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_attributes.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/psparams.hpp"

namespace tensova {
namespace {

// The text height in points, truncated to whole points. A font scaled to nothing cannot be
// shown: a text under one point is written at one point.
int32_t fontPoints() {
    const float h = std::clamp(psparams.textHeight, -2.0e9f, 2.0e9f);
    const int32_t size = static_cast<int32_t>(h);
    return size == 0 ? 1 : size;
}

// The same in its own width.
std::string fontSize() {
    std::string text(11, ' ');
    int32_t nchar = 0;
    intg2char(text, nchar, 11, fontPoints());
    text.resize(static_cast<std::size_t>(nchar));
    return text;
}

std::string_view fontName() {
    const int32_t k = std::clamp(psparams.fontNumber, 1, kFontCount);
    return trimmed(psparams.fonts[static_cast<std::size_t>(k - 1)]);
}

std::string rotateLine(float degrees) {
    return fmtF(degrees, 7, 2) + " rotate";
}

// Lowers the anchor (x, y) to the start of the baseline: by half a text height per row (0
// bottom, 1 middle, 2 top), across the text's direction. False where that cannot be placed.
bool lowered(float& x, float& y, int32_t row) {
    if (row == 0) return true;
    const float d = 0.5f * psparams.textHeight * static_cast<float>(row);
    const float t = rad(psattributes.txtangle);
    x += d * std::sin(t);
    y -= d * std::cos(t);
    return std::isfinite(x) && std::isfinite(y);
}

// What a text covers, in ems of its font: the sum of its characters' advance widths (and the
// lean of a slanted face), and how far it reaches below and above its baseline.
struct Extent {
    float width = 0.0f;
    float bottom = 0.0f;
    float top = 0.0f;
};

// The characters a number is written with, and their advance widths (thousandths of an em) in
// each family of fonts, the widest face of the family: Helvetica, Times, Courier, Symbol.
// They stand on the baseline (a round digit dips a little under it) and reach no higher than a
// capital.
constexpr std::string_view kNumberCharacters = " *+-.0123456789";
constexpr std::array<std::array<int16_t, 6>, 4> kNumberWidths = {{
    // blank, *, +, -, ., digit
    {278, 389, 584, 333, 278, 556},
    {250, 500, 675, 333, 250, 500},
    {600, 600, 600, 600, 600, 600},
    {250, 500, 549, 549, 250, 500},
}};
constexpr float kNumberBottom = -0.05f, kNumberTop = 0.75f;
// Any other character is taken as an em wide, reaching a descender below the baseline and an
// em above it.
constexpr float kOtherBottom = -0.25f, kOtherTop = 1.0f;

// The slanted faces (oblique, italic: the last two of each family) lean a capital's top this
// far to the right, in ems.
constexpr float kLean = 0.17f;

Extent extent(std::string_view body) {
    const int32_t font = std::clamp(psparams.fontNumber, 1, kFontCount) - 1;
    const auto family = static_cast<std::size_t>(font / 4);
    Extent e{font % 4 >= 2 ? kLean : 0.0f, kNumberBottom, kNumberTop};
    for (const char ch : body) {
        const std::size_t k = kNumberCharacters.find(ch);
        if (k == std::string_view::npos) {
            e.width += 1.0f;
            e.bottom = kOtherBottom;
            e.top = kOtherTop;
            continue;
        }
        const std::size_t column = std::min<std::size_t>(k, 5);
        e.width += 0.001f * static_cast<float>(kNumberWidths[family][column]);
    }
    return e;
}

// Dialects 1 and 2: a move to the anchor, the rotation, the font, the colour and the show.
// The move is made on the caller's own point, which the device clamp may change.
void showText(float& x, float& y, int32_t column, std::string_view body) {
    const float angle = psattributes.txtangle;
    const bool compressed = psparams.dialect == 1;
    psmoveto(x, y, 0);
    if (angle != 0.0f) psLine(rotateLine(reduceAngle(angle)));
    psLine(fontSize() + " " + std::string(fontName()) +
           (compressed ? " sym" : " findfont exch scalefont setfont"));
    psrgbcolor(3);
    if (column <= 1) {
        psLine(psString(body) + " show");
    } else {
        // Shift back by the text width over -2 (centred) or -1 (ending at the point).
        const std::string k = fmtI(column - 4, 2);
        psLine(psString(body));
        psLine(compressed ? "sl " + k + " div 0 G" : "dup stringwidth pop " + k + " div 0 rmoveto");
        psLine("show");
    }
    if (angle != 0.0f) psLine(rotateLine(-reduceAngle(angle)));
}

// Dialect 3: one Illustrator text object at the point itself.
void illustratorText(float x, float y, int32_t column, std::string_view body) {
    const std::string xs = fmtF(x, 8, 1);
    const std::string ys = fmtF(y, 8, 1);
    // A position beyond its field lies far off any page; writing it would spoil the file.
    if (xs.find('*') != std::string::npos || ys.find('*') != std::string::npos) return;
    const float leading = 1.64f * psparams.textHeight;
    if (!std::isfinite(leading)) return;
    psstrokepath();
    const int32_t align = column == 2 ? 1 : column == 3 ? 2 : 0;
    const float t = rad(psattributes.txtangle);
    const float c = std::cos(t);
    const float s = std::sin(t);
    psLine("/_" + std::string(fontName()) + " " + fontSize() + " " + psnum(leading) + " 0" +
           fmtI(align, 2) + " z [" + fmtF(c, 7, 3) + fmtF(s, 7, 3) + fmtF(-s, 7, 3) +
           fmtF(c, 7, 3) + xs + ys + "]e");
    psLine(psString(body) + "t T");
}

}  // namespace

void detext2(float& x, float& y, std::string_view text) {
    if (!psdevice.open) return;
    const float h = psparams.textHeight;
    const float angle = psattributes.txtangle;
    // A text that cannot be placed is left out.
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(h) || !std::isfinite(angle))
        return;
    const int32_t j = std::clamp(psattributes.justif, -11, 11);
    const int32_t a = std::abs(j);
    const int32_t row = a / 4;
    const int32_t column = a % 4;
    const std::string_view body = j < 0 ? trimmed(text) : text;
    if (psparams.dialect == 3) {
        illustratorText(x, y, column, body);
        return;
    }
    if (row == 0) {
        showText(x, y, column, body);
        return;
    }
    float xs = x, ys = y;
    if (!lowered(xs, ys, row)) return;
    showText(xs, ys, column, body);
}

bool detextbox(float x, float y, std::string_view text, Box& box) {
    const float h = psparams.textHeight;
    const float angle = psattributes.txtangle;
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(h) || !std::isfinite(angle))
        return false;
    const int32_t j = std::clamp(psattributes.justif, -11, 11);
    const int32_t a = std::abs(j);
    const int32_t column = a % 4;
    const std::string_view body = j < 0 ? trimmed(text) : text;
    // Illustrator's text objects stand on their point; the other dialects lower the baseline.
    if (psparams.dialect != 3 && !lowered(x, y, a / 4)) return false;
    const Extent e = extent(body);
    const float em = static_cast<float>(fontPoints());
    const float width = em * e.width;
    const float start = column == 2 ? -0.5f * width : column == 3 ? -width : 0.0f;
    const float t = rad(angle);
    const float c = std::cos(t), s = std::sin(t);
    bool first = true;
    for (const float u : {start, start + width})
        for (const float v : {em * e.bottom, em * e.top}) {
            const Box p{x + c * u - s * v, y + s * u + c * v, x + c * u - s * v, y + s * u + c * v};
            if (first) box = p;
            box.take(p);
            first = false;
        }
    return std::isfinite(box.xmin) && std::isfinite(box.ymin) && std::isfinite(box.xmax) &&
           std::isfinite(box.ymax);
}

void intstextsize(float h) {
    psparams.textHeight = h * kPointsPerCm;
}

}  // namespace tensova

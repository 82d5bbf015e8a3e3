// Texts: placed by the justification code, turned by the text angle, in the current font,
// height and text colour.

#include "console/text.hpp"

#include <algorithm>
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

// The text height in points, truncated to whole points, in its own width. A font scaled to
// nothing cannot be shown: a text under one point is written at one point.
std::string fontSize() {
    const float h = std::clamp(psparams.textHeight, -2.0e9f, 2.0e9f);
    const int32_t size = static_cast<int32_t>(h);
    std::string text(11, ' ');
    int32_t nchar = 0;
    intg2char(text, nchar, 11, size == 0 ? 1 : size);
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
    // Lower the baseline by half a text height per row, across the text's direction.
    const float d = 0.5f * h * static_cast<float>(row);
    const float t = rad(angle);
    float xs = x + d * std::sin(t);
    float ys = y - d * std::cos(t);
    if (!std::isfinite(xs) || !std::isfinite(ys)) return;
    showText(xs, ys, column, body);
}

void intstextsize(float h) {
    psparams.textHeight = h * kPointsPerCm;
}

}  // namespace tensova

// Closed polygons, hollow or filled, outlined in the line colour.

#include <algorithm>
#include <string>
#include <string_view>

#include "console/fields.hpp"
#include "postscript/colour.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_attributes.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/psparams.hpp"

namespace tensova {
namespace {

// The line that fills the path in its colour, written in place: every filled symbol and
// stress symbol of a map has one.
void fillLine(std::string_view colour, std::string_view op, std::string_view restore) {
    char* p = psSpace(colour.size() + op.size() + restore.size() + 1);
    p = std::copy(colour.begin(), colour.end(), p);
    p = std::copy(op.begin(), op.end(), p);
    p = std::copy(restore.begin(), restore.end(), p);
    *p++ = '\n';
    psCommit(p);
}

}  // namespace

void depolygon(float* x, float* y, int32_t n) {
    if (!psdevice.open || n < 1) return;
    psmoveto(x[0], y[0], 1);
    pslineto(x + 1, y + 1, n - 1);
    const bool filled = psattributes.fillstyle != 0;
    if (psparams.dialect == 3) {
        psLine(filled ? "b" : "s");
        endPath();
        return;
    }
    const bool compressed = psparams.dialect == 1;
    if (!filled) {
        psLine(compressed ? "cp" : "closepath");
        psstrokepath();
        return;
    }
    psLine(compressed ? "cp gs" : "closepath gsave");
    // The fill colour lives inside the save and restore: the file's current colour stays the
    // one last written, which the outline's colour test relies on.
    const std::string_view restore = compressed ? " fill gr" : " fill grestore";
    if (psattributes.colorplot) {
        fillLine(rgbValues(psattributes.fillcolor), "setrgbcolor", restore);
    } else {
        fillLine(fmtF(0.5, 6, 3), compressed ? " stg" : " setgray", restore);
    }
    psstrokepath();
}

}  // namespace tensova

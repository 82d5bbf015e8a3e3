// Closed polygons, hollow or filled, outlined in the line colour.

#include <string>

#include "console/fields.hpp"
#include "postscript/colour.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_attributes.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/psparams.hpp"

namespace tensova {

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
        psLine(rgbValues(psattributes.fillcolor) + "setrgbcolor" + std::string(restore));
    } else {
        psLine(fmtF(0.5, 6, 3) + (compressed ? " stg" : " setgray") + std::string(restore));
    }
    psstrokepath();
}

}  // namespace tensova

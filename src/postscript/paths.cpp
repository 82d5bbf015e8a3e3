// Moves, lines, strokes and the line width.

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/psparams.hpp"

namespace tensova {
namespace {

const Stamp kPsmoveto("psmoveto", " 7.0", "18-07-2001");
const Stamp kPslineto("pslineto", " 7.0", "18-07-2001");

// The device range, in points, and the scale of the messages.
constexpr float kDeviceMax = 9.9e7f;
constexpr float kMetresPerPoint = 0.00035278f;

// Boxes left for clamped coordinates; below zero, no limit.
int32_t clampBoxesLeft = -1;

void clampBox(const Stamp& s, float& v, float bound, std::string_view label,
              std::string_view resetLabel) {
    if (clampBoxesLeft == 0) {
        v = bound;
        return;
    }
    if (clampBoxesLeft > 0) --clampBoxesLeft;
    warninghead(s);
    wout({label, fmtG(v * kMetresPerPoint, 10, 3)});
    v = bound;
    wout({resetLabel, fmtG(v * kMetresPerPoint, 10, 3)});
    warningtail00();
}

void clampPoint(const Stamp& s, float& x, float& y) {
    if (std::fabs(x) <= kDeviceMax && std::fabs(y) <= kDeviceMax) return;
    if (x > kDeviceMax) {
        clampBox(s, x, kDeviceMax, "x in meters =", "==> reset to xmax =");
    } else if (x < -kDeviceMax) {
        clampBox(s, x, -kDeviceMax, "x in meters =", "==> reset to xmin =");
    }
    if (y > kDeviceMax) {
        clampBox(s, y, kDeviceMax, "y in meters =", "==> reset to ymax =");
    } else if (y < -kDeviceMax) {
        clampBox(s, y, -kDeviceMax, "y in meters =", "==> reset to ymin =");
    }
}

// A point that cannot be written is left out, as if the pen were lifted there.
bool writable(float x, float y) {
    return std::isfinite(x) && std::isfinite(y);
}

// Two numbers (each may be written over kPsnumRoom characters), blanks and an operator.
constexpr std::size_t kPointLineMax = 2 * kPsnumRoom + 24;

void writePoint(float x, float y, std::string_view op) {
    char* p = psSpace(kPointLineMax);
    p = psnumAt(p, x);
    *p++ = ' ';
    p = psnumAt(p, y);
    *p++ = ' ';
    for (const char c : op) *p++ = c;  // a few characters: no call
    *p++ = '\n';
    psCommit(p);
    psdevice.hasPoint = true;
    psdevice.current = true;
    psdevice.lastX = x;
    psdevice.lastY = y;
}

void newPathLine() {
    const std::string_view np = psops().newpath;
    if (!np.empty()) psLine(np);
    psdevice.current = false;
}

}  // namespace

void psmoveto(float& x, float& y, int32_t inew) {
    if (!psdevice.open) return;
    const bool ok = writable(x, y);
    if (ok) clampPoint(kPsmoveto, x, y);
    psstrokepath();
    if (inew == 0) {
        if (ok) writePoint(x, y, psops().move);
    } else if (inew == 1) {
        newPathLine();
        if (ok) writePoint(x, y, psops().move);
        psdevice.needMove = !ok;
        psparams.pathPending = true;
    }
}

void pslineto(float* x, float* y, int32_t n) {
    if (!psdevice.open) return;
    if (!psparams.pathPending) {
        warninghead(kPslineto);
        wout({"Path begins with Draw instead of Move"});
        warningtail00();
        psparams.pathPending = true;
        // A line after a move or a text goes on from where the file stands; after a stroke
        // the file has no current point.
        psdevice.resume = !psdevice.current;
    }
    const PsOps& ops = psops();
    for (int32_t i = 0; i < n; ++i) {
        if (!writable(x[i], y[i])) {
            psdevice.needMove = true;
            continue;
        }
        clampPoint(kPslineto, x[i], y[i]);
        if (psdevice.resume) {
            // The line goes on from the last point written, once there is a segment to draw.
            psdevice.resume = false;
            newPathLine();
            if (psdevice.hasPoint && !psdevice.needMove) {
                writePoint(psdevice.lastX, psdevice.lastY, ops.move);
            } else {
                psdevice.needMove = true;
            }
        }
        writePoint(x[i], y[i], psdevice.needMove ? ops.move : ops.line);
        psdevice.needMove = false;
    }
}

void psstrokepath() {
    if (!psdevice.open || !psparams.pathPending) return;
    psrgbcolor(1);
    psLine(psops().stroke);
    endPath();
}

void deline(float* x, float* y, int32_t n) {
    if (!psdevice.open || n < 1) return;
    // A polyline of one point, or of points that all coincide, has no length: with the butt
    // ends of PostScript it would leave no ink. Such a line alone gets round ends, a dot as wide
    // as the line.
    bool dot = std::isfinite(x[0]) && std::isfinite(y[0]);
    for (int32_t i = 1; i < n && dot; ++i) dot = x[i] == x[0] && y[i] == y[0];
    if (dot) {
        psstrokepath();
        psLine(psops().roundCaps);
    }
    psmoveto(x[0], y[0], 1);
    if (n == 1) {
        pslineto(x, y, 1);
    } else {
        pslineto(x + 1, y + 1, n - 1);
    }
    psstrokepath();
    if (dot) psLine(psops().buttCaps);
}

void deplot(float& x, float& y, int32_t ipen) {
    if (ipen == 0) {
        psmoveto(x, y, 1);
    } else if (ipen == 1) {
        pslineto(&x, &y, 1);
    }
}

int32_t psclampboxes(int32_t boxes) {
    return std::exchange(clampBoxesLeft, boxes);
}

void intslinewidth(float w) {
    if (!psdevice.open) return;
    psstrokepath();
    if (std::isfinite(w)) psLine(psnum(w) + " " + std::string(psops().width));
}

}  // namespace tensova

#include "plot/drawing.hpp"

#include <algorithm>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/text.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/transforms.hpp"
#include "postscript/postscript.hpp"

namespace tensova {
namespace {

const Stamp kBuffer2("buffer2", " 2.3", "16-03-2009");
const Stamp kUspolygon("uspolygon", " 3.1", "16-03-2009");

void polygonSplitWarning(int32_t n) {
    warninghead(kUspolygon);
    wout({"Polygone vertices =", fmtIown(n)});
    wout({"Plot buffer size  =", fmtIown(kPlotBuffer)});
    wout({"==> Decomposing in smaller polygons"});
    warningtail00();
}

// Draws the n points chunk by chunk through the plot buffer with `draw`, calling `between`
// after every chunk but the last.
template <typename Draw, typename Between>
void inChunks(const float* x, const float* y, int32_t n, Draw draw, Between between) {
    float* xb = pltbuff1.xdevbuff.data();
    float* yb = pltbuff1.ydevbuff.data();
    int32_t is = 1;
    for (;;) {
        int32_t nout = 0;
        if (!buffer2(xb, yb, kPlotBuffer, nout, x, y, n, is)) return;
        us2de(xb, yb, xb, yb, nout);
        draw(xb, yb, nout);
        if (n <= is) return;
        between();
    }
}

// The box (cm) of the text at the device point (xd, yd), which is (x, y) cm on the paper.
bool textBox(float xd, float yd, float x, float y, std::string_view text, Box& box) {
    const float perCm = plt1blk.cmtodelength;
    if (!(perCm > 0.0f)) return false;
    if (!detextbox(xd, yd, text, box)) return false;
    // The device measures from the point in its own units, which are a length per centimetre.
    box = {x + (box.xmin - xd) / perCm, y + (box.ymin - yd) / perCm, x + (box.xmax - xd) / perCm,
           y + (box.ymax - yd) / perCm};
    return true;
}

}  // namespace

bool buffer2(float* xbuf, float* ybuf, int32_t nbuf, int32_t& nout, const float* x, const float* y,
             int32_t nx, int32_t& is) {
    if (is > nx) {
        errorhead(kBuffer2);
        wout({"is =", fmtIown(is), "> nx =", fmtIown(nx)});
        wout({"attempt to read past array"});
        errortail00();
        return false;
    }
    const int32_t ie = std::min(is + nbuf - 1, nx);
    nout = ie - is + 1;
    std::copy(x + (is - 1), x + ie, xbuf);
    std::copy(y + (is - 1), y + ie, ybuf);
    is = ie;
    return true;
}

void usplot(float x, float y, int32_t ipen) {
    us2de(&x, &y, &x, &y, 1);
    deplot(x, y, ipen);
}

void usline(const float* x, const float* y, int32_t n) {
    inChunks(x, y, n, deline, [] {});
}

void uspolygon(const float* x, const float* y, int32_t n) {
    inChunks(x, y, n, depolygon, [n] { polygonSplitWarning(n); });
}

int32_t sclampboxes(int32_t boxes) {
    return psclampboxes(boxes);
}

void ustext2(float x, float y, std::string_view text) {
    us2de(&x, &y, &x, &y, 1);
    detext2(x, y, text);
}

bool ustextbox(float x, float y, std::string_view text, Box& box) {
    float xd = x, yd = y;
    us2de(&xd, &yd, &x, &y, 1);
    us2cm(&x, &y, &x, &y, 1);
    return textBox(xd, yd, x, y, text, box);
}

bool cmtextbox(float x, float y, std::string_view text, Box& box) {
    float xd = x, yd = y;
    cm2de(&xd, &yd, &x, &y, 1);
    return textBox(xd, yd, x, y, text, box);
}

void cmtext2(float x, float y, std::string_view text) {
    cm2de(&x, &y, &x, &y, 1);
    detext2(x, y, text);
}

}  // namespace tensova

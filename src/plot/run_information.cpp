#include "plot/run_information.hpp"

#include <string>

#include "console/runinfo.hpp"
#include "console/text.hpp"
#include "plot/attributes.hpp"
#include "plot/drawing.hpp"

namespace tensova {
namespace {

// Writes with the text height halved, then restores it; `draw` gets the halved height actually
// stored, which sets the spacing of the lines.
template <typename Draw>
void atHalfHeight(Draw draw) {
    float h = 0.0f;
    stextsize(h, 3);
    float hh = 0.5f * h;
    stextsize(hh, 1);
    draw(hh);
    stextsize(h, 1);
}

// The text drawn at (x, y) cm, its box taken into `covered`.
void line(float x, float y, std::string_view text, Box& covered) {
    Box box;
    if (cmtextbox(x, y, text, box)) covered.take(box);
    cmtext2(x, y, text);
}

}  // namespace

Box cmplotruninfo0(float x, float y) {
    const Runinfocom& ri = runinfocom;
    Box covered{x, y, x, y};
    atHalfHeight([&](float hh) {
        const float step = 1.5f * hh;
        float yl = y;
        const auto runLine = [&](const std::string& text) {
            line(x, yl, fit(text, 60), covered);
            yl -= step;
        };
        runLine("Main program " + std::string(trimmed(ri.mainName)) + " v" + ri.mainVersion +
                " on " + ri.mainDate);
        runLine("Subroutine " + std::string(trimmed(ri.plotName)) + " v" + ri.plotVersion + " on " +
                ri.plotDate);
        runLine("Run on " + std::string(trimmed(ri.system)) + " on " + ri.runDate + " at " +
                ri.runTime);
    });
    return covered;
}

Box cmplotcharinfo0(std::string_view text, int32_t k, float x, float y) {
    Box covered{x, y, x, y};
    atHalfHeight(
        [&](float hh) { line(x, y - 1.5f * hh * static_cast<float>(k - 1), text, covered); });
    return covered;
}

}  // namespace tensova

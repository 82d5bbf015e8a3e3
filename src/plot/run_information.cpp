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

void line(float x, float y, const std::string& text) {
    cmtext2(x, y, fit(text, 60));
}

}  // namespace

void cmplotruninfo0(float x, float y) {
    const Runinfocom& ri = runinfocom;
    atHalfHeight([&](float hh) {
        const float step = 1.5f * hh;
        float yl = y;
        line(x, yl,
             "Main program " + std::string(trimmed(ri.mainName)) + " v" + ri.mainVersion + " on " +
                 ri.mainDate);
        yl -= step;
        line(x, yl,
             "Subroutine " + std::string(trimmed(ri.plotName)) + " v" + ri.plotVersion + " on " +
                 ri.plotDate);
        yl -= step;
        line(x, yl,
             "Run on " + std::string(trimmed(ri.system)) + " on " + ri.runDate + " at " +
                 ri.runTime);
    });
}

void cmplotcharinfo0(std::string_view text, int32_t k, float x, float y) {
    atHalfHeight([&](float hh) { cmtext2(x, y - 1.5f * hh * static_cast<float>(k - 1), text); });
}

}  // namespace tensova

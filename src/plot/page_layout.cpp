#include "plot/page_layout.hpp"

#include <algorithm>

namespace tensova {
namespace {

// The portrait page: heading 1.7 cm below the top edge, the box 2 cm in from the left and the
// bottom, 17 cm wide and up to the heading.
constexpr float kCentre = 10.5f, kLeft = 2.0f, kTop = 28.0f;
constexpr float kBoxLeft = 2.0f, kBoxBottom = 2.0f, kBoxRight = 19.0f;
// A landscape page is too short for that: its heading stands this far below the top edge.
constexpr float kLandscapeTopMargin = 0.8f;
// The box ends this far below the heading's lowest point: a map that fills it stands clear of
// the heading's letters.
constexpr float kUnderHeading = 0.2f;

}  // namespace

PageLayout pageLayout(const Page& page) {
    // Nothing on the portrait page moves: it is wider than itself by exactly 0.
    const float wider = page.widthCm() - kPortraitPage.widthCm();
    const float top = page.landscape ? page.heightCm() - kLandscapeTopMargin : kTop;
    return {page.widthCm(),
            page.heightCm(),
            kCentre + 0.5f * wider,
            kLeft,
            top,
            {kBoxLeft, kBoxBottom, kBoxRight + wider, top},
            page.name(),
            page.heightCm()};
}

void PageLayout::under(float bottom) {
    headingBottom = std::min(headingBottom, bottom);
    box.ymax = std::min(box.ymax, headingBottom - kUnderHeading);
}

Box PageLayout::belowHeading() const {
    return {0.0f, 0.0f, width, headingBottom};
}

PageLayout plotPageLayout() {
    return pageLayout(plotPage());
}

}  // namespace tensova

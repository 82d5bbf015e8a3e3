// The fit of maps to a portrait A4 page below the run heading: a record of where the fit puts
// the grid box (the projected frame's box) on the paper, taken from the program as it stands
// (like a golden transcript: the fit's halving steps leave no value a formula gives), each
// checked by properties of its own. The box stands on the page below the heading, it has the
// projected frame's aspect (both axes at one scale), and a map fitted again is smaller than its
// first fit, which fills the layout's box (2 to 19 cm across, 2 cm up to 0.2 cm under the
// heading) in width or height from its lower left corner, and no less than half of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "fitted_map.hpp"

namespace tensova::test {
namespace {

TEST(PageFit, WhereTheGridBoxStandsOnThePaper) {
    const struct {
        const char* name;
        int32_t iproj;
        GridFrame frame;
        bool again;  // fitted again: into smaller boxes let out again, or at a share of its box
        std::array<float, 4> paper;  // the grid box, cm: x0, y0, x1, y1
    } cases[] = {
        {"Mercator, all on the page",
         15,
         {0, 40, 30, 50, 10, 10, 1},
         false,
         {2.0f, 2.0f, 19.0f, 13.2349f}},
        {"the ellipsoidal transverse Mercator of a polar cap, shrunk once",
         2,
         {-180, 180, 60, 90, 10, 30, 5},
         true,
         {2.6438f, 2.3981f, 18.4157f, 17.4332f}},
        {"Mercator of a high-latitude frame, shrunk twice",
         15,
         {160, -140, 55, 80, 5, 10, 5},
         true,
         {2.9271f, 3.3822f, 15.0008f, 18.1631f}},
        {"a Lambert conic of a polar cap with ticks of 45 degrees, at a share of its box",
         3,
         {-180, 180, 60, 90, 10, 30, 45},
         true,
         {6.1853f, 11.3752f, 14.8845f, 18.4505f}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DrawnMap d = drawnMap(c.iproj, c.frame, 0, kHeadingBottomCm);
        tensova::Box projected;
        ASSERT_TRUE(
            extrllgrid(d.map, projected.xmin, projected.ymin, projected.xmax, projected.ymax));
        std::array<float, 2> x{projected.xmin, projected.xmax}, y{projected.ymin, projected.ymax};
        d.map.page().toCm(x.data(), y.data(), x.data(), y.data(), 2);
        const std::array<float, 4> got{x[0], y[0], x[1], y[1]};
        for (std::size_t k = 0; k < 4; ++k) EXPECT_NEAR(got[k], c.paper[k], 2e-4f) << k;

        EXPECT_TRUE(d.layout.belowHeading().holds({got[0], got[1], got[2], got[3]}));
        const float width = got[2] - got[0], height = got[3] - got[1];
        EXPECT_NEAR(width / height, projected.width() / projected.height(), 1e-5f);
        const tensova::Box& box = d.layout.box;
        const float scale =
            std::min(box.width() / projected.width(), box.height() / projected.height());
        if (!c.again) {
            EXPECT_EQ(got[0], box.xmin);
            EXPECT_EQ(got[1], box.ymin);
            EXPECT_NEAR(width, scale * projected.width(), 1e-4f);
        } else {
            EXPECT_LT(width, scale * projected.width());
            EXPECT_GE(width, 0.5f * scale * projected.width());
        }
    }
}

}  // namespace
}  // namespace tensova::test

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

// Whether the fit shows a frame, at the edges of its rule. A frame the projection shows whole is
// fitted however thin: a strip along the equator on Mercator, 17 cm by 2.4 mm; the polar cap on
// the cylindrical equal-area map, 0.36 cm tall. A frame the reach cuts is shown where its part on
// the map is no dot, line or sliver, before the fit and as printed. The polar orthographic map
// of 60 degrees (rim at 30 N) shows of 10.3..30.3 N a ring 0.3 degree wide, which covers less
// than a percent of its disc, and of 10.5..30.5 N one that covers more; at its start-up reach,
// of 0..1 N on its rim, an arc as thin as a line. The transverse Mercator
// hides a cap of 10 degrees about 90 E: the square about its middle whose corners reach 0.5
// degree beyond it shows four corners, a percent of the square once a 64-cell lattice resolves
// them. Mercator shows of 88.9..90 N, all round, a band of 0.1 degree below its rim at 89 N, 4.6
// cm squared once fitted. Lallemand's sheet (its cap of 31.5 degrees about 45 N) shows of a frame
// whose western meridian, 47.55 E, lies within it by a hair a corner that prints as one line.
// The equal-area map about 45 N 0 E lays the ground next to its antipode, 45 S 180 E, along its
// rim: of 41.91..48 S by 170 E..169.68 W a ring that covers 0.2 % of its disc, measured as the
// ground it shows; the corners of the lattice's cells fall apart along the rim, and the cell
// about the antipode has all four shown, its quadrilateral spanning the map. Of 25..65 S by
// 160 E..160 W the ring covers 2.7 %.
TEST(PageFit, FramesAtTheirReachShownOrNot) {
    const struct {
        const char* name;
        int32_t iproj;
        float angle;
        GridFrame frame;
        FrameFit fit;
    } cases[] = {
        {"a strip along the equator on Mercator",
         15,
         0,
         {90, 160, 0, 1, 1, 10, 1},
         FrameFit::kFitted},
        {"a polar cap on the cylindrical equal-area map",
         23,
         0,
         {-180, 180, 60, 90, 10, 30, 1},
         FrameFit::kFitted},
        {"a ring of 0.3 degree on the polar orthographic map",
         9,
         60,
         {-180, 180, 10.3f, 30.3f, 5, 30, 1},
         FrameFit::kSliver},
        {"a ring of 0.5 degree on the polar orthographic map",
         9,
         60,
         {-180, 180, 10.5f, 30.5f, 5, 30, 1},
         FrameFit::kFitted},
        {"the corners of a transverse Mercator's hole",
         1,
         0,
         {82.5649f, 97.4351f, -7.4351f, 7.4351f, 2, 2, 1},
         FrameFit::kFitted},
        {"a strip along the polar orthographic map's rim, the equator",
         9,
         0,
         {90, 160, 0, 1, 1, 10, 1},
         FrameFit::kSliver},
        {"a band below Mercator's rim", 15, 0, {-180, 180, 88.9f, 90, 1, 30, 1}, FrameFit::kSliver},
        {"a corner of Lallemand's sheet",
         14,
         0,
         {47.55f, 80, 30, 60, 10, 10, 1},
         FrameFit::kSliver},
        {"a ring about the equal-area map's antipode",
         6,
         0,
         {170, -169.68f, -48, -41.91f, 1, 5, 1},
         FrameFit::kSliver},
        {"a frame reaching 20 degrees from that antipode",
         6,
         0,
         {160, -160, -65, -25, 5, 5, 1},
         FrameFit::kFitted},
        {"a frame of no height", 15, 0, {0, 10, 10, 10, 5, 5, 1}, FrameFit::kNoExtent},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(drawnMap(c.iproj, c.frame, c.angle, kHeadingBottomCm).fit, c.fit);
    }
}

}  // namespace
}  // namespace tensova::test

// The portrait page's layout to the bit, so that its plot files keep their bytes: the heading at
// 28 cm, centred at 10.5 cm, the box 17 by 26 cm from (2, 2) cm up to the heading's first
// baseline; once the heading is drawn, the box ends 0.2 cm below its lowest point, and the page
// below the heading is what the map's marks may take.

#include "plot/page_layout.hpp"

#include <gtest/gtest.h>

namespace tensova {
namespace {

TEST(PageLayout, ThePortraitPageAsItWas) {
    const PageLayout l = pageLayout(pageOf("P  "));
    EXPECT_TRUE(l.centre == 10.5f && l.left == 2.0f && l.top == 28.0f);
    EXPECT_TRUE(l.box.xmin == 2.0f && l.box.ymin == 2.0f && l.box.xmax == 19.0f &&
                l.box.ymax == 28.0f);
    EXPECT_EQ(l.belowHeading().ymax, l.height);
    PageLayout under = l;
    under.under(27.2f);
    EXPECT_TRUE(under.box.xmin == 2.0f && under.box.ymin == 2.0f && under.box.xmax == 19.0f);
    EXPECT_EQ(under.box.ymax, 27.2f - 0.2f);
    const Box below = under.belowHeading();
    EXPECT_TRUE(below.xmin == 0.0f && below.ymin == 0.0f && below.xmax == l.width &&
                below.ymax == 27.2f);
}

}  // namespace
}  // namespace tensova

// The portrait page's layout to the bit, so that its plot files keep their bytes: the heading at
// 28 cm, centred at 10.5 cm, the box 17 by 26 cm from (2, 2) cm.

#include "plot/page_layout.hpp"

#include <gtest/gtest.h>

namespace tensova {
namespace {

TEST(PageLayout, ThePortraitPageAsItWas) {
    const PageLayout l = pageLayout(pageOf("P  "));
    EXPECT_TRUE(l.centre == 10.5f && l.left == 2.0f && l.top == 28.0f);
    EXPECT_TRUE(l.box.xmin == 2.0f && l.box.ymin == 2.0f && l.box.xmax == 19.0f &&
                l.box.ymax == 28.0f);
}

}  // namespace
}  // namespace tensova

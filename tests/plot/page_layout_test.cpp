// The page of each orientation and where a plot stands on it: the portrait page to the bit as it
// always was, so that its plot files keep their bytes; a landscape page turned, its heading 0.8
// cm below its top edge and its box up to the heading and as wide as the page allows.

#include "plot/page_layout.hpp"

#include <gtest/gtest.h>

namespace tensova {
namespace {

TEST(PageLayout, EachOrientationsPage) {
    const struct {
        const char* orientation;
        float width, height, centre, top, right;  // points, then centimetres
        const char* name;
    } cases[] = {
        {"P  ", 595, 842, 10.5f, 28.0f, 19.0f, "A4 Portrait"},
        {"XYZ", 595, 842, 10.5f, 28.0f, 19.0f, "A4 Portrait"},
        {"LA4", 842, 595, 842 / 56.7f, 595 / 28.35f - 0.8f, 842 / 28.35f - 1.99f, "A4 Landscape"},
        {"LUS", 792, 612, 792 / 56.7f, 612 / 28.35f - 0.8f, 792 / 28.35f - 1.99f,
         "US Letter Landscape"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.orientation);
        const Page page = pageOf(c.orientation);
        EXPECT_TRUE(page.width() == c.width && page.height() == c.height && page.name == c.name);
        const PageLayout l = pageLayout(page);
        const bool portrait = !page.landscape;
        EXPECT_NEAR(l.centre, c.centre, portrait ? 0.0f : 0.01f);
        EXPECT_NEAR(l.box.xmax, c.right, portrait ? 0.0f : 0.01f);
        EXPECT_TRUE(l.top == c.top && l.box.ymax == c.top && l.left == 2.0f);
        EXPECT_TRUE(l.box.xmin == 2.0f && l.box.ymin == 2.0f);
    }
}

}  // namespace
}  // namespace tensova

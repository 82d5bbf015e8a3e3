// The seismicity map's RUN with its point and overlay menus answered: a point typed in, then a
// shoreline polygon and a great-circle square laid over the map, on the rendered page.

#include <gtest/gtest.h>

#include <string>

#include "e2e/session.hpp"
#include "support/ghostscript.hpp"

namespace tensova {
namespace {

TEST(OverlayRun, PointAndOverlaysFromTheMapRun) {
    const std::string shore =
        "       1       5 1          0.000  12.00000  27.00000  37.00000  47.00000\n"
        "12 37\n27 37\n27 47\n12 47\n12 37\n";
    const test::Session s(
        "\n2001\n1000\n\nseis.map.ps\n10\n-15\n20\n-15\n100\n99\n"
        "5\ncoast.gsh\n6\nsq.pol\n99\n99\n9999\n\n",
        {{"coast.gsh", shore}, {"sq.pol", "4 1 1 2\n-55 -55\n-25 -55\n-25 -35\n-55 -35\n"}});
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" total nb of plotted curves =      1"), 2);
    EXPECT_EQ(s.count(" Boundaries = great circles"), 1);
    EXPECT_EQ(s.count(" PLOTTING LOCATION"), 2);  // the map's announcement, then the menu's
    if (!test::ghostscriptAvailable()) {
        std::printf("Ghostscript (gs) is not installed: seis.map.ps not rendered\n");
        return;
    }
    const test::GsResult r =
        test::renderPostScript(s.dir.file("seis.map.ps"), "", "overlay_run.png");
    EXPECT_TRUE(r.exitCode == 0 && !r.error && r.pages == 1) << r.log;
}

}  // namespace
}  // namespace tensova

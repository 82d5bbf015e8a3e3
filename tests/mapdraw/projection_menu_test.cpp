// The projection menu as a user answers it: choosing projections, their parameters and the
// origin.

#include "mapdraw/projection_menu.hpp"

#include <gtest/gtest.h>

#include <string>

#include "console/console.hpp"
#include "projection/projection_fixture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// The projection as the start-up leaves it, then the menu in `mode` on the keyboard text;
// returns what the menu printed.
std::string afterStartUp(ConsoleCapture& cap, int32_t mode, int32_t iproj = 0) {
    trigoset();
    int32_t scratch = 0;
    sprojll2(scratch, 5);
    const std::size_t before = cap.output().size();
    sprojll2(iproj, mode);
    return cap.output().substr(before);
}

TEST(ProjectionMenu, LambertTakesItsMeridianTwoParallelsAndTheOrigin) {
    // Projection 3; central longitude 10; first latitude 100 (refused) then 40; second latitude
    // "abc" (refused) then 50; origin (10, 45). Each refusal pauses for a return.
    ConsoleCapture cap("3\n99\n1\n10\n99\n1\n100\n\n40\n99\n1\nabc\n\n50\n99\n1\n10\n2\n45\n99\n");
    // proj +proj=lcc +R=1 +lat_1=40 +lat_2=50 +lat_0=0 +lon_0=10: 10 45 -> 0 0.8620177; the
    // menu shows it as the offset (0.862), and the origin then projects to the centre of the map.
    expectGolden(splitLines(afterStartUp(cap, 2)), "projection_menus.txt#lambert");
    EXPECT_EQ(projtype.iproj, 3);
    EXPECT_FLOAT_EQ(llpparam.lon0, rad(10.0f));
    EXPECT_FLOAT_EQ(llpparam.lat1, rad(40.0f));
    EXPECT_FLOAT_EQ(llpparam.lat2, rad(50.0f));
    EXPECT_NEAR(llorig.yoff, 0.8620177, 1e-6);
    const Point origin = project(10, 45);
    EXPECT_NEAR(origin.x, 0.0, 1e-6);
    EXPECT_NEAR(origin.y, 0.0, 1e-6);
}

TEST(ProjectionMenu, ObliqueStereographicTakesItsCentre) {
    // Angle unchanged; centre (20, 40); origin moved onto the centre.
    ConsoleCapture cap("8\n99\n99\n1\n20\n2\n40\n99\n1\n20\n2\n40\n99\n");
    expectGolden(splitLines(afterStartUp(cap, 2)), "projection_menus.txt#oblique stereographic");
    const Point c = project(20, 40);
    EXPECT_NEAR(c.x, 0.0, 1e-6);
    EXPECT_NEAR(c.y, 0.0, 1e-6);
}

TEST(ProjectionMenu, ModifiedPolyconicOffersTheTrueScaleMeridianTwoDegreesEast) {
    // Ellipsoid kept; central longitude 10; the second longitude offered is 12, kept.
    ConsoleCapture cap("14\n99\n99\n1\n10\n99\n99\n99\n99\n99\n");
    expectGolden(splitLines(afterStartUp(cap, 2)), "projection_menus.txt#modified polyconic");
    EXPECT_FLOAT_EQ(llpparam.lon2, rad(12.0f));
    const Point origin = project(0, 45);
    EXPECT_NEAR(origin.x, 0.0, 1e-6);
    EXPECT_NEAR(origin.y, 0.0, 1e-6);
}

TEST(ProjectionMenu, UnknownNumbersAreRefused) {
    {
        // In the menu: a warning each, nothing changed.
        ConsoleCapture cap("0\n\n26\n\n99\n99\n");
        expectGolden(splitLines(afterStartUp(cap, 2)), "projection_menus.txt#unknown in menu");
        EXPECT_EQ(projtype.iproj, 15);
    }
    {
        // From a caller: an error box and the default, silently.
        ConsoleCapture cap("\n");
        expectGolden(splitLines(afterStartUp(cap, 1, 30)),
                     "projection_menus.txt#unknown from caller");
        EXPECT_EQ(projtype.iproj, 15);
    }
}

TEST(ProjectionMenu, TheDispatcherResetsAnUnknownProjectionThroughTheMenu) {
    // The pause of the error box, then every start-up dialog, the menu and the origin kept.
    ConsoleCapture cap("\n99\n99\n99\n99\n99\n99\n99\n99\n99\n99\n");
    trigoset();
    int32_t iproj = 0;
    sprojll2(iproj, 5);
    projtype.iproj = 0;
    const std::size_t before = cap.output().size();
    const Point p = project(0, 45);
    expectGolden(splitLines(cap.output().substr(before)), "projection_menus.txt#dispatcher");
    EXPECT_EQ(projtype.iproj, 15);
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 0.0f);
}

}  // namespace
}  // namespace tensova::test

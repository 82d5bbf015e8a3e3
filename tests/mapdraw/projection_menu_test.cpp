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

std::string head(const std::string& name) {
    return joined(subHead(name));
}

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
    const std::string out = afterStartUp(cap, 2);
    EXPECT_TRUE(
        contains(out, "  current projection number:   15\n  setting projection number:    3\n"));
    EXPECT_TRUE(contains(out, head("sprojll2") +
                                  " LAMBERT CONFORMAL CONICAL SPHERICAL EARTH\n 3 parameters:\n"
                                  "   1 central meridien\n   2 standard parallels\n" +
                                  head("slong1")));
    EXPECT_TRUE(
        contains(out, " first latitude in degrees =  100.000    \n outside [-90.000, 90.000]\n"));
    EXPECT_TRUE(contains(out, " could not read second latitude in degrees\n"));
    // proj +proj=lcc +R=1 +lat_1=40 +lat_2=50 +lat_0=0 +lon_0=10: 10 45 -> 0 0.8620177; the
    // menu shows it as the offset, and the origin then projects to the centre of the map.
    EXPECT_TRUE(
        contains(out, " X offset ...............    0.000\n Y offset ...............    0.862\n"));
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
    const std::string out = afterStartUp(cap, 2);
    EXPECT_TRUE(contains(out,
                         " OBLIQUE\n 3 parameters:\n   1 maximum angle from center\n"
                         "   1 central meridien\n   1 central parallel\n" +
                             head("sangle1")));
    EXPECT_TRUE(
        contains(out, " central longitude .....1   20.000\n central latitude ......2   40.000\n"));
    const Point c = project(20, 40);
    EXPECT_NEAR(c.x, 0.0, 1e-6);
    EXPECT_NEAR(c.y, 0.0, 1e-6);
}

TEST(ProjectionMenu, ModifiedPolyconicOffersTheTrueScaleMeridianTwoDegreesEast) {
    // Ellipsoid kept; central longitude 10; the second longitude offered is 12, kept.
    ConsoleCapture cap("14\n99\n99\n1\n10\n99\n99\n99\n99\n99\n");
    const std::string out = afterStartUp(cap, 2);
    EXPECT_TRUE(
        contains(out,
                 " LALLEMAND POLYCONIC ELLIPSOIDAL EARTH\n"
                 " Used by the International Map of the World\n 4 parameters:\n"
                 "   1 central meridien\n   1 true scale meridien (+2\u00b0E of central)\n"));
    EXPECT_TRUE(contains(out, head("slong2") + " " + std::string(43, '-') +
                                  "\n CENTRAL LONGITUDE SET UP\n " + std::string(43, '-') +
                                  "\n central longitude .....1   12.000\n"));
    EXPECT_FLOAT_EQ(llpparam.lon2, rad(12.0f));
    const Point origin = project(0, 45);
    EXPECT_NEAR(origin.x, 0.0, 1e-6);
    EXPECT_NEAR(origin.y, 0.0, 1e-6);
}

TEST(ProjectionMenu, UnknownNumbersAreRefused) {
    {
        // In the menu: a warning each, nothing changed.
        ConsoleCapture cap("0\n\n26\n\n99\n99\n");
        const std::string out = afterStartUp(cap, 2);
        EXPECT_EQ(countLines(splitLines(out), " UNKNOWN ANSWER !"), 2);
        EXPECT_EQ(projtype.iproj, 15);
    }
    {
        // From a caller: an error box and the default, silently.
        ConsoleCapture cap("\n");
        const std::string out = afterStartUp(cap, 1, 30);
        EXPECT_TRUE(contains(out,
                             " projection nb =   30\n ==> NO SUCH PROJECTION NB\n"
                             " ==> RESETTING TO:\n projection nb =   15\n"));
        EXPECT_FALSE(contains(out, "your choice"));
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
    const std::string out = cap.output().substr(before);
    const auto error = out.find(" NO SUCH PROJECTION AVALAIBLE\n");
    ASSERT_NE(error, std::string::npos);
    EXPECT_NE(out.find(" INITIALIZING MAP PROJECTION\n", error), std::string::npos);
    EXPECT_EQ(projtype.iproj, 15);
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 0.0f);
}

}  // namespace
}  // namespace tensova::test

// The curve parameters menu: start-up, listing, the running point's repair through the menu,
// and the end of the input inside it.

#include "curve/curve_menu.hpp"

#include <gtest/gtest.h>

#include "curve_fixture.hpp"

namespace tensova {
namespace {

using test::countLines;
using test::curveRun;
using test::Lines;

const std::string kAts = " " + std::string(43, '@');
const std::string kDashes = " " + std::string(43, '-');

TEST(CurveMenu, StartUpThenListing) {
    const Lines out = curveRun("", [] {
        scall(5);
        scall(3);  // nothing
        scall(6);
    });
    const Lines want = {kAts,
                        " @ subroutine scall      ",
                        " @==========================================",
                        " INITIALIZING CURVES PARAMETERS",
                        kAts,
                        " @ subroutine scptnp     ",
                        " @==========================================",
                        " INITIALIZING NUMBER OF POINTS TO:      11",
                        kAts,
                        " @ subroutine scall      ",
                        " @==========================================",
                        kDashes,
                        "                  CURVES",
                        "          1 - FIXED PARAMETERS",
                        " max nb of fixed params    :      4",
                        " current nb of fixed params:      0",
                        " current fixed parameters:",
                        " name       value     type   index",
                        kDashes,
                        "          2 - LEVEL PARAMETERS",
                        " level name ...............: level",
                        " level initial value ......:    0.000",
                        " level final   value ......:    1.000",
                        " level increment ..........:    0.100",
                        " single level value .......:    0.000",
                        " nb of level curves .......:     11",
                        kDashes,
                        "          3 - RUNNING POINT PARAMETERS",
                        " max nb of points .........:   1000",
                        " nb of points to draw .....:     11",
                        " nb of segments to draw ...:    0.000",
                        " initial value ............:    0.000",
                        " final   value ............:    1.000",
                        " increment ................:    0.100",
                        " name .....................: Point",
                        kAts};
    EXPECT_EQ(out, want);
    // The four slots hold their defaults, none in use.
    EXPECT_EQ(pfixblock.pfixname[3], "param");
    EXPECT_EQ(pfixblock.pfixinfo[3], "parameter = 0.000");
}

TEST(CurveMenu, FixedParameterRowsAndSlotsNotInUse) {
    const Lines out = curveRun("3\n99\n", [] {
        pfixblock.nparfix = 2;
        pfixblock.pfixname[1] = "ab   ";
        pfixblock.pfixvalue[1] = "longer value";
        pfixblock.ipfixtype[1] = 3;
        scall(0);
    });
    EXPECT_EQ(countLines(out, std::string(23, ' ') + "0 ....... 1"), 2);
    EXPECT_EQ(countLines(out, "      ab    longer va  3 ....... 2"), 2);
    // Choice 3 names no slot in use: the menu again, nothing else.
    EXPECT_EQ(countLines(out, " current nb of fixed params ...100      2"), 2);
}

TEST(CurveMenu, InconsistentRunningPointIsRepairedThroughTheMenu) {
    struct Case {
        int32_t type;
        float pti, ptf, ptd;
        int32_t np;
        std::string keyboard;  // the box's pause, then the menus
        int32_t wantNp;
        float wantPtd;
    };
    const Case cases[] = {{2, 1, 0, 0.1f, 0, "\n310\n10\n0\n11\n1\n99\n99\n", 11, 0.1f},
                          {3, 0, 1, 0.0f, 0, "\n99\n\n320\n10\n0.5\n\n\n", 3, 0.5f},
                          {1, 0, 1, 0.0f, 0, "\n300\n10\n5\n\n\n", 5, 0.25f}};
    for (const Case& c : cases) {
        const Lines out = curveRun(c.keyboard, [&] {
            ptblock.pti = c.pti;
            ptblock.ptf = c.ptf;
            ptblock.ptd = c.ptd;
            ptblock.np = c.np;
            scptend(c.type, 1);
        });
        EXPECT_EQ(ptblock.np, c.wantNp) << c.keyboard;
        EXPECT_FLOAT_EQ(ptblock.ptd, c.wantPtd) << c.keyboard;
        EXPECT_EQ(countLines(out, "            CURVES PARAMETERS"), c.type == 3 ? 3 : 2);
    }
}

TEST(CurveMenuDeathTest, EndOfInputInsideTheMenuEndsTheRun) {
    for (const char* keyboard : {"", "310\n", "200\n"}) {
        EXPECT_EXIT(curveRun(keyboard, [] { scall(0); }), testing::ExitedWithCode(1), "")
            << keyboard;
    }
}

}  // namespace
}  // namespace tensova

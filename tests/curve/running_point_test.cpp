// The running point: its editors, its consistency types and its label.

#include "curve/running_point.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "curve_fixture.hpp"

namespace tensova {
namespace {

using test::countLines;
using test::curveRun;
using test::Lines;

const std::string kPauses = "\n\n\n\n";

TEST(RunningPoint, TypesRemaindersAndTheCap) {
    struct Case {
        float pti, ptf, ptdOrNp;  // the increment, or the number of points for types 0 and 1
        int32_t type;
        int32_t np;
        float ptd;
        const char* message;  // a line the run must print once, or nothing
    };
    const Case cases[] = {{0, 1, 11, 1, 11, 0.1f, nullptr},
                          {0, 1, 1, 0, 1, 0.0f, " ===> WILL PLOT ONLY ONE POINT"},
                          {0, 1, 0.3f, 2, 4, 1.0f / 3, " RECOMPUTED VALUE:"},
                          {0, 1, 0.3f, 3, 4, 0.3f, " ==> final point is not reached"},
                          // 9.99 + 0.002 truncates to 9.
                          {0, 0.999f, 0.1f, 2, 10, 0.111f, " ==> large remainder"},
                          {2, 0, -0.5f, 2, 5, -0.5f, nullptr},
                          // A remainder of 0.0005 steps is refitted without a word.
                          {0, 1, 0.099995f, 2, 11, 0.1f, nullptr},
                          {0, 1, 0.0001f, 2, 1000, 1.0f / 999, " ===> WILL NOT PLOT ALL THE DATA"},
                          {0, 1, 11, 7, 11, 0.1f, " ==> RESETTING TYPE TO USE NP"}};
    for (const Case& c : cases) {
        const Lines out = curveRun(kPauses, [&] {
            float a = c.pti, b = c.ptf, d = c.ptdOrNp;
            int32_t n = static_cast<int32_t>(c.ptdOrNp);
            scptif(a, b, 1);
            if (c.type < 2 || c.type > 3) scptnp(n, 1);
            if (c.type == 2 || c.type == 3) scptd(d, 1);
            scptend(c.type, 1);
        });
        const std::string what = std::to_string(c.type) + " " + std::to_string(c.ptdOrNp);
        EXPECT_EQ(ptblock.np, c.np) << what;
        EXPECT_NEAR(ptblock.ptd, c.ptd, 1e-6f) << what;
        EXPECT_EQ(ptblock.rnseg, static_cast<float>(c.np - 1)) << what;
        if (c.message != nullptr) {
            EXPECT_EQ(countLines(out, c.message), 1) << what;
        } else {
            EXPECT_TRUE(out.empty()) << what;
        }
    }
}

TEST(RunningPoint, PointCountIsHeldToTheBuffer) {
    struct Case {
        int32_t np, inter, want;
        const char* message;
    };
    const Case cases[] = {
        {5000, 1, 1000, " nb of points =    5000 > plot buffer size =    1000"},
        {1, 7, 1, nullptr},
        {0, 1, 1, " ===> UPSTREAM PROBLEM ?"},
        {-3, 1, 1, " nb of points np =      -3"},
        {99, 3, 1, " ===> RESETTING np =       1"},  // the never-set block holds 0
    };
    for (const Case& c : cases) {
        int32_t np = c.np;
        const Lines out = curveRun(kPauses, [&] { scptnp(np, c.inter); });
        EXPECT_EQ(np, c.want);
        EXPECT_EQ(ptblock.np, c.want);
        if (c.message != nullptr) {
            EXPECT_EQ(countLines(out, c.message), 1) << c.np;
        } else {
            EXPECT_TRUE(out.empty()) << c.np;
        }
    }
}

TEST(RunningPoint, LabelAndName) {
    std::string name = "Angle (radians)";
    curveRun("", [&] {
        scptnam(name, 1);
        int32_t n = 11;
        float a = 0, b = 1;
        scptnp(n, 1);
        scptif(a, b, 1);
        scptend(1, 1);
    });
    EXPECT_EQ(ptblock.ptname, "Angle");
    EXPECT_EQ(ptblock.ptrange, " init =  0.000000 final =  1.000000 inc =  0.100000");
    EXPECT_EQ(ptblock.ptlabel, fit("Angle" + ptblock.ptrange, 56));
    // 100 added to the type keeps the label.
    ptblock.ptf = 2.0f;
    test::ConsoleCapture cap("10\nAzimuth\n\n");
    scptend(101, 1);
    EXPECT_FLOAT_EQ(ptblock.ptd, 0.2f);
    EXPECT_EQ(ptblock.ptrange, " init =  0.000000 final =  1.000000 inc =  0.100000");
    // The menu starts from the five stored characters.
    std::string other(8, 'x');
    scptnam(other, 2);
    EXPECT_EQ(countLines(cap.lines(), " name ..........................10 Angle   "), 1);
    EXPECT_EQ(other, "Azimuth ");
    EXPECT_EQ(ptblock.ptname, "Azimu");
}

TEST(RunningPoint, NumberOfPointsMenu) {
    int32_t np = 0;
    // 5000 is refused by the range; an unknown entry shows the menu again.
    const Lines out = curveRun("10\n5000\n\n20\n7\n10\n20\n\n", [&] { scptnp(np, 4); });
    EXPECT_EQ(np, 20);
    const Lines menu = {" @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                        " @ subroutine scptnp     ",
                        " @==========================================",
                        " -------------------------------------------",
                        " RUNNING POINT PARAMETERS:                  ",
                        " -------------------------------------------",
                        " max nb of points ................    1000",
                        " nb of points ..................10      11",
                        " nb of segments ..................      10",
                        " -------------------------------------------",
                        " EXIT ..........................99",
                        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                        " ..........................................",
                        " Enter your choice                        ",
                        " or return for default value",
                        " Default = 99"};
    ASSERT_GT(out.size(), 20u);
    EXPECT_EQ(out[3], " INITIALIZING NUMBER OF POINTS TO:      11");
    EXPECT_EQ(Lines(out.begin() + 4, out.begin() + 20), menu);
    EXPECT_EQ(countLines(out, " nb of points ..................10      20"), 3);
    EXPECT_EQ(countLines(out, " Enter nb of pts per curve"), 3);
    EXPECT_EQ(out.back(), " ..........................................");
}

}  // namespace
}  // namespace tensova

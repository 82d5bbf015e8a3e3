// Level families: the consistency types, the texts and the menu.

#include "curve/levels.hpp"

#include <gtest/gtest.h>

#include "curve_fixture.hpp"

namespace tensova {
namespace {

using test::countLines;
using test::curveRun;
using test::Lines;

TEST(Levels, ConsistencyByType) {
    struct Case {
        float levi, levf, levd;
        int32_t nlev, type, inter;
        int32_t wantNlev, wantType;
        float wantLevd;
        const char* message;  // printed once, or nothing at all
    };
    const Case cases[] = {
        {0, 1, 0, 1, 1, 1, 1, 1, 1.0f, nullptr},
        {0, 1, 0.3f, 0, 2, 1, 4, 2, 1.0f / 3, " ==> RECOMPUTED:"},
        {0, 1, 0.3f, 0, 3, 1, 4, 3, 0.3f, " ==> final level not reached"},
        {0, 0.25f, 0.3f, 0, 2, 1, 1, 2, 0.3f, nullptr},
        // 2.999 steps: the last level lies 0.001 of a step beyond, silently.
        {0, 2.999f, 1, 0, 2, 1, 4, 2, 1.0f, nullptr},
        {1, 0, 0.1f, 0, 3, 1, 1, 1, 1.0f, " ==> SETTING SINGLE LEVEL"},
        {2, 0, -0.5f, 0, 2, 1, 5, 2, -0.5f, nullptr},
        {0, 1, 0, 0, 0, 1, 1, 0, 1.0f, " ==> NEED nb > 0"},
        {0, 1, 0, 3, 4, 1, 1, 4, 0.0f, " Single level:"},
        {0, 1, 0.1f, 0, 9, 1, 11, 2, 0.1f, " ==> RESETTING TYPE TO USE INCREMENT"},
        // The never-set block holds no level.
        {7, 7, 7, 7, 1, 3, 1, 1, 1.0f, " ==> RESET nb =    1"}};
    for (const Case& c : cases) {
        float levi = c.levi, levf = c.levf, levd = c.levd;
        int32_t nlev = c.nlev, type = c.type;
        std::string name(10, ' ');
        const Lines out =
            curveRun("\n", [&] { sclevel2(levi, levf, levd, nlev, type, name, c.inter); });
        const std::string what = std::to_string(c.type) + " " + std::to_string(c.levd);
        EXPECT_EQ(plevblock.nlev, c.wantNlev) << what;
        EXPECT_EQ(type, c.wantType) << what;
        EXPECT_NEAR(plevblock.levd, c.wantLevd, 1e-6f) << what;
        if (c.message != nullptr) {
            EXPECT_EQ(countLines(out, c.message), 1) << what;
        } else {
            EXPECT_TRUE(out.empty()) << what;
        }
    }
}

TEST(Levels, DefaultsAndTexts) {
    float levi = 9, levf = 9, levd = 9;
    int32_t nlev = 9, type = 9;
    std::string name(35, 'x');
    EXPECT_TRUE(curveRun("", [&] { sclevel2(levi, levf, levd, nlev, type, name, 5); }).empty());
    EXPECT_EQ(type, 1);
    EXPECT_EQ(nlev, 11);
    EXPECT_FLOAT_EQ(levd, 0.1f);
    EXPECT_EQ(name, fit("level", 35));
    EXPECT_EQ(plevblock.levrange, fit(" init = 0.000 final = 1.000 inc = 0.100", 51));
    EXPECT_EQ(plevblock.levlabel, fit("level init = 0.000 final = 1.000 inc = 0.100", 56));
}

TEST(Levels, Menu) {
    float levi = 0, levf = 0, levd = 0;
    int32_t nlev = 0, type = 1;
    std::string name(10, ' ');
    // 20: a single level 5; 12: an increment of 0 is refused, then 0.5.
    const Lines out = curveRun("20\n5\n12\n0\n\n0.5\n\n",
                               [&] { sclevel2(levi, levf, levd, nlev, type, name, 4); });
    const Lines first = {" -------------------------------------------",
                         "          CURVES LEVEL PARAMETER",
                         " -------------------------------------------",
                         " level name       : level     ",
                         " Calculation type =    1",
                         " level initial value ...........10    0.000",
                         " level final   value ...........11    1.000",
                         " level increment ...............12    0.100",
                         " modify init, final & inc ......13",
                         " nb of level curves ............14   11",
                         " modify init, final & nb .......15",
                         " single level value ............20    0.000",
                         " -------------------------------------------",
                         " EXIT ..........................99"};
    ASSERT_GT(out.size(), 17u);
    EXPECT_EQ(Lines(out.begin() + 3, out.begin() + 17), first);
    EXPECT_EQ(countLines(out, " Calculation type =    4"), 1);
    EXPECT_EQ(countLines(out, " level increment ...............12    1.000"), 1);
    EXPECT_EQ(countLines(out, " ==> BACK TO QUERY"), 1);
    EXPECT_EQ(type, 2);
    EXPECT_EQ(plevblock.levi, 5.0f);
    EXPECT_EQ(plevblock.levf, 5.0f);
    EXPECT_EQ(plevblock.levd, 0.5f);
    EXPECT_EQ(plevblock.nlev, 1);
}

}  // namespace
}  // namespace tensova

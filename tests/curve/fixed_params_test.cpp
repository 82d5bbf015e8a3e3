// Fixed curve parameters: the count, the value forms by type, and the slot editor's menu.

#include "curve/fixed_params.hpp"

#include <gtest/gtest.h>

#include "curve_fixture.hpp"

namespace tensova {
namespace {

using test::countLines;
using test::curveRun;
using test::Lines;

// The range check's box: go on (No to STOP), then its pause.
const std::string kGoOn = "n\n\n";

TEST(FixedParams, CountIsHeldToTheSlots) {
    struct Case {
        int32_t n, inter;
        std::string keyboard;
        int32_t want;
    };
    // Either bound crossed gives all four slots. In the menu the default 0 lies outside 1..4.
    const Case cases[] = {
        {3, 5, "", 0}, {7, 1, kGoOn, 4}, {-1, 1, kGoOn, 4}, {0, 4, "10\n\n\n2\n\n", 2}};
    for (const Case& c : cases) {
        int32_t n = c.n;
        const Lines out = curveRun(c.keyboard, [&] { scparfixnb(n, c.inter); });
        EXPECT_EQ(n, c.want) << c.n;
        EXPECT_EQ(pfixblock.nparfix, c.want) << c.n;
        EXPECT_EQ(countLines(out, "   ===> reset nparfixa =      4"), c.want == 4 ? 1 : 0);
    }
}

TEST(FixedParams, ValueFormsFollowTheType) {
    struct Case {
        int32_t type;
        float real;
        int32_t integer;
        const char* text;
        float wantReal;
        int32_t wantInteger;
        const char* wantText;  // as stored: 12 characters
        const char* wantInfo;  // as stored: 17 characters
    };
    const Case cases[] = {
        {0, 3.5f, 3, "abc", 0.0f, 0, "---         ", "speed            "},
        {1, 2.7f, 0, "", 2.7f, 2, " 2.700000   ", "speed = 2.700000 "},
        {1, -2.7f, 0, "", -2.7f, -2, "-2.700000   ", "speed = -2.700000"},
        {2, 0.0f, 42, "", 42.0f, 42, "42          ", "speed = 42       "},
        {3, 1.0f, 1, "a long text value", 0.0f, 0, "a long text ", "speed = a long te"}};
    for (const Case& c : cases) {
        std::string name = fit(" speed", 10), text = fit(c.text, 35);
        int32_t type = c.type, integer = c.integer, slot = 1;
        float real = c.real;
        curveRun("", [&] {
            pfixblock.nparfix = 1;
            scparfix1(name, type, real, integer, text, slot, 1);
        });
        EXPECT_EQ(pfixblock.pfix[0], c.wantReal) << c.type;
        EXPECT_EQ(pfixblock.ipfix[0], c.wantInteger) << c.type;
        EXPECT_EQ(pfixblock.pfixvalue[0], c.wantText) << c.type;
        EXPECT_EQ(pfixblock.pfixinfo[0], c.wantInfo) << c.type;
        EXPECT_EQ(pfixblock.pfixname[0], " spee") << c.type;
    }
}

TEST(FixedParams, SlotChecks) {
    std::string name(10, ' '), text(35, ' ');
    int32_t type = 0, integer = 0, slot = 1;
    float real = 0;
    // No slot in use: nothing is stored.
    const Lines none = curveRun("\n", [&] { scparfix1(name, type, real, integer, text, slot, 5); });
    EXPECT_EQ(countLines(none, " nparfix =      0"), 1);
    EXPECT_EQ(pfixblock.pfixname[0], "     ");
    // Slot 3 of two is reset to slot 2; the defaults go there.
    slot = 3;
    const Lines reset = curveRun(kGoOn, [&] {
        pfixblock.nparfix = 2;
        scparfix1(name, type, real, integer, text, slot, 5);
    });
    EXPECT_EQ(slot, 2);
    EXPECT_EQ(countLines(reset, "   ===> reset ifix1 =      2"), 1);
    EXPECT_EQ(pfixblock.pfixinfo[1], "parameter = 0.000");
}

TEST(FixedParams, SlotMenu) {
    std::string name(10, ' '), text(35, ' ');
    int32_t type = 0, integer = 0, slot = 1;
    float real = 0;
    // 30 sets 2.5; 40 does not match the type; 20 makes it a character parameter.
    const Lines out = curveRun("30\n2.5\n40\n\n20\n3\n\n", [&] {
        pfixblock.nparfix = 1;
        scparfix1(name, type, real, integer, text, slot, 4);
    });
    const Lines first = {" max nb of fixed params .........      4",
                         " current nb of fixed params .....      1",
                         " -------------------------------------------",
                         " Parameter to modify",
                         " -------------------------------------------",
                         " index  ..........................      1",
                         " name ..........................10 parameter ",
                         " type ..........................20      1",
                         " real      value ...............30    0.000",
                         " integer   value .................      0",
                         " character value .................  0.000000" + std::string(26, ' '),
                         " info: parameter = 0.000000"};
    ASSERT_GT(out.size(), 19u);
    EXPECT_EQ(out[4], "           CURVES FIXED PARAMETERS    ");
    EXPECT_EQ(Lines(out.begin() + 6, out.begin() + 18), first);
    EXPECT_EQ(countLines(out, " Wrong type of parameter"), 1);
    EXPECT_EQ(countLines(out, " info: parameter = 2.500000"), 3);
    // The type alone changed: the text and info stay until the next derivation.
    EXPECT_EQ(pfixblock.ipfixtype[0], 3);
    EXPECT_EQ(pfixblock.pfix[0], 2.5f);
    EXPECT_EQ(pfixblock.pfixinfo[0], "parameter = 2.500");
    curveRun("", [&] {
        pfixblock.nparfix = 1;
        pfixblock.ipfixtype[0] = 3;
        pfixblock.pfix[0] = 2.5f;
        scparfix1(name, type, real, integer, text, slot, 3);
    });
    EXPECT_EQ(real, 0.0f);
}

}  // namespace
}  // namespace tensova

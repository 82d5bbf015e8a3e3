// The curve library: its parameters menu (start-up, listing, the running point's repair, the end
// of the input inside it), the fixed parameters (count, value forms, the slot editor), the level
// families (consistency types, texts, menu) and the running point (editors, types, label).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>

#include "curve/curve_menu.hpp"
#include "curve/fixed_params.hpp"
#include "curve/levels.hpp"
#include "curve/running_point.hpp"
#include "support/console_capture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// What `body` prints while the keyboard (a terminal, or a pipe) holds `keyboard`; the blocks
// start as zeros.
template <class Body>
Lines curveRun(const std::string& keyboard, Body&& body, bool terminal = true) {
    ptblock = {};
    plevblock = {};
    pfixblock = {};
    ConsoleCapture cap(keyboard, terminal);
    body();
    return cap.lines();
}

TEST(CurveMenu, StartUpThenListing) {
    const Lines out = curveRun("", [] {
        scall(5);
        scall(3);  // nothing
        scall(6);
    });
    expectGolden(out, "curve_startup.txt");
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
    // Choice 3 names no slot in use: the menu again, nothing else.
    expectGolden(out, "curve_menus.txt#fixed parameter rows");
    // Choice 2, the last slot in use, opens that slot's menu, whose entry 10 names it; the
    // menu shows again, then the curve menu.
    const Lines named = curveRun("2\n10\nspeed\n99\n99\n", [] {
        pfixblock.nparfix = 2;
        scall(0);
    });
    EXPECT_EQ(countLines(named, " index  ..........................      2"), 2);
    EXPECT_EQ(pfixblock.pfixname[1], "speed");
}

TEST(CurveMenu, InconsistentRunningPointIsRepairedThroughTheMenu) {
    for (const auto& row : tableRows("curve_repairs.txt", ';')) {
        SCOPED_TRACE(row.at(0));
        const auto c = numbers(row.at(1) + " " + row.at(3));
        const int32_t type = int32_t(c.at(0));
        const Lines out = curveRun(row.at(2), [&] {
            ptblock.pti = float(c.at(1));
            ptblock.ptf = float(c.at(2));
            ptblock.ptd = float(c.at(3));
            ptblock.np = int32_t(c.at(4));
            scptend(type, 1);
        });
        EXPECT_EQ(
            std::tuple(ptblock.np, ptblock.ptd, countLines(out, "            CURVES PARAMETERS")),
            std::tuple(int32_t(c.at(5)), float(c.at(6)), type == 3 ? 3 : 2));
    }
}

TEST(CurveMenuDeathTest, EndOfInputInsideTheMenuEndsTheRun) {
    for (const char* keyboard : {"", "310\n", "200\n"}) {
        EXPECT_EXIT(curveRun(keyboard, [] { scall(0); }), testing::ExitedWithCode(1), "")
            << keyboard;
    }
}

// Every menu of the library, its keyboard a pipe or a terminal: an entry is taken and the menu
// left with 99 (status 0); a number it does not know ends piped answers in the box that says so
// (the run stops, status 1), and at a terminal shows the menu again without a word.
TEST(CurveMenuDeathTest, EachMenuTakesItsEntriesAndRefusesUnknownNumbers) {
    std::string name(10, ' '), text(35, ' ');
    int32_t n = 2, type = 1, integer = 0, slot = 1;
    float a = 0, b = 1, real = 0;
    const std::function<void()> count = [&] { scparfixnb(n, 2); };
    const std::function<void()> fixed = [&] {
        pfixblock.nparfix = 1;
        scparfix1(name, type, real, integer, text, slot, 4);
    };
    const std::function<void()> points = [&] { scptnp(n, 4); };
    const std::function<void()> range = [&] { scptif(a, b, 4); };
    const std::function<void()> curves = [] { scall(0); };
    const struct {
        const char* what;
        const std::function<void()>& menu;
        const char* keyboard;
        bool terminal;
        int status;
        const char* shows;  // on standard error when the run stops
    } cases[] = {
        {"fixed count, entry", count, "10\n3\n99\n", false, 0, ""},
        {"fixed count, piped", count, "20\n", false, 1, "unknown command: 20"},
        {"fixed count, terminal", count, "20\n99\n", true, 0, ""},
        {"fixed slot, name", fixed, "10\nspeed\n99\n", false, 0, ""},
        {"fixed slot, piped", fixed, "60\n", false, 1, "unknown command: 60"},
        {"fixed slot, terminal", fixed, "60\n99\n", true, 0, ""},
        {"points, entry", points, "10\n20\n99\n", false, 0, ""},
        {"points, piped", points, "20\n", false, 1, "unknown command: 20"},
        {"points, terminal", points, "20\n99\n", true, 0, ""},
        {"range, entries", range, "10\n0.5\n11\n2\n99\n", false, 0, ""},
        {"range, piped", range, "12\n", false, 1, "unknown command: 12"},
        {"range, terminal", range, "12\n99\n", true, 0, ""},
        {"curves, slot not in use, piped", curves, "1\n", false, 1, "unknown command: 1"},
    };
    for (const auto& c : cases) {
        EXPECT_EXIT((curveRun(c.keyboard, c.menu, c.terminal), std::exit(0)),
                    testing::ExitedWithCode(c.status), c.shows)
            << c.what;
    }
}

// The range check's box: go on (No to STOP), then its pause.
const std::string kGoOn = "n\n\n";

TEST(FixedParams, CountIsHeldToTheSlots) {
    for (const auto& row : tableRows("curve_slot_counts.txt", ';')) {
        SCOPED_TRACE(row.at(0));
        const auto c = numbers(row.at(1) + " " + row.at(3));
        int32_t n = int32_t(c.at(0));
        const int32_t want = int32_t(c.at(2));
        const Lines out = curveRun(row.at(2), [&] { scparfixnb(n, int32_t(c.at(1))); });
        EXPECT_EQ(
            std::tuple(n, pfixblock.nparfix, countLines(out, "   ===> reset nparfixa =      4")),
            std::tuple(want, want, want == 4 ? 1 : 0));
    }
}

TEST(FixedParams, ValueFormsFollowTheType) {
    const auto cases = tableRows("curve_value_forms.txt", ';');
    ASSERT_EQ(cases.size(), 5u);
    for (const auto& c : cases) {
        const auto n = numbers(c.at(0) + " " + c.at(2));
        ASSERT_EQ(n.size(), 5u) << c[0];
        std::string name = fit(" speed", 10), text = fit(c.at(1), 35);
        int32_t type = int32_t(n[0]), integer = int32_t(n[2]), slot = 1;
        float real = float(n[1]);
        curveRun("", [&] {
            pfixblock.nparfix = 1;
            scparfix1(name, type, real, integer, text, slot, 1);
        });
        EXPECT_EQ(std::tuple(pfixblock.pfix[0], pfixblock.ipfix[0], pfixblock.pfixvalue[0],
                             pfixblock.pfixinfo[0], pfixblock.pfixname[0]),
                  std::tuple(float(n[3]), int32_t(n[4]), c.at(3), c.at(4), " spee"))
            << c[0];
    }
}

TEST(FixedParams, SlotChecksAndMenu) {
    std::string name(10, ' '), text(35, ' ');
    int32_t type = 0, integer = 0, slot = 1;
    float real = 0;
    // No slot in use: nothing is stored.
    const Lines none = curveRun("\n", [&] { scparfix1(name, type, real, integer, text, slot, 5); });
    expectGolden(none, "curve_menus.txt#no slot in use");
    EXPECT_EQ(pfixblock.pfixname[0], "     ");
    // Slot 3 of two is reset to slot 2; the defaults go there.
    slot = 3;
    const Lines reset = curveRun(kGoOn, [&] {
        pfixblock.nparfix = 2;
        scparfix1(name, type, real, integer, text, slot, 5);
    });
    EXPECT_EQ(slot, 2);
    expectGolden(reset, "curve_menus.txt#slot reset");
    EXPECT_EQ(pfixblock.pfixinfo[1], "parameter = 0.000");
    // The menu: 30 sets 2.5; 40 does not match the type; 20 makes it a character parameter.
    slot = 1;
    const Lines out = curveRun("30\n2.5\n40\n\n20\n3\n\n", [&] {
        pfixblock.nparfix = 1;
        scparfix1(name, type, real, integer, text, slot, 4);
    });
    expectGolden(out, "curve_menus.txt#slot menu");
    // The type alone changed: the text and info stay until the next derivation.
    EXPECT_EQ(std::tuple(pfixblock.ipfixtype[0], pfixblock.pfix[0], pfixblock.pfixinfo[0]),
              std::tuple(3, 2.5f, "parameter = 2.500"));
    curveRun("", [&] {
        pfixblock.nparfix = 1;
        pfixblock.ipfixtype[0] = 3;
        pfixblock.pfix[0] = 2.5f;
        scparfix1(name, type, real, integer, text, slot, 3);
    });
    EXPECT_EQ(real, 0.0f);
}

// What a run prints: the line of a table row (its leading blank restored) once, or nothing.
bool printsItsLine(const Lines& out, const std::vector<std::string>& row) {
    const std::string line = row.size() > 2 && !row[2].empty() ? " " + row[2] : "";
    return onceOrSilent(out, line.empty() ? nullptr : line.c_str());
}

TEST(Levels, ConsistencyByType) {
    const auto rows = tableRows("curve_levels.txt");
    ASSERT_EQ(rows.size(), 11u);
    for (const auto& row : rows) {
        const auto c = numbers(row[0] + " " + row[1]);
        ASSERT_EQ(c.size(), 9u) << row[0];
        float levi = float(c[0]), levf = float(c[1]), levd = float(c[2]);
        int32_t nlev = int32_t(c[3]), type = int32_t(c[4]);
        std::string name(10, ' ');
        const Lines out =
            curveRun("\n", [&] { sclevel2(levi, levf, levd, nlev, type, name, int32_t(c[5])); });
        EXPECT_EQ(std::tuple(plevblock.nlev, type), std::tuple(int32_t(c[6]), int32_t(c[7])))
            << row[0];
        EXPECT_NEAR(plevblock.levd, c[8], 1e-6f) << row[0];
        EXPECT_TRUE(printsItsLine(out, row)) << row[0];
    }
}

TEST(Levels, DefaultsAndTexts) {
    float levi = 9, levf = 9, levd = 9;
    int32_t nlev = 9, type = 9;
    std::string name(35, 'x');
    EXPECT_TRUE(curveRun("", [&] { sclevel2(levi, levf, levd, nlev, type, name, 5); }).empty());
    EXPECT_EQ(std::tuple(type, nlev, levd, name), std::tuple(1, 11, 0.1f, fit("level", 35)));
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
    expectGolden(out, "curve_menus.txt#level menu");
    EXPECT_EQ(std::tuple(type, plevblock.levi, plevblock.levf, plevblock.levd, plevblock.nlev),
              std::tuple(2, 5.0f, 5.0f, 0.5f, 1));
    // 14: a new count from the defaults 0 to 1 makes the increment follow it.
    curveRun("14\n3\n\n", [&] { sclevel2(levi, levf, levd, nlev, type, name, 4); });
    EXPECT_EQ(std::tuple(type, plevblock.levd, plevblock.nlev), std::tuple(1, 0.5f, 3));
}

const std::string kPauses = "\n\n\n\n";

TEST(RunningPoint, TypesRemaindersAndTheCap) {
    const auto rows = tableRows("curve_points.txt");
    ASSERT_EQ(rows.size(), 9u);
    for (const auto& row : rows) {
        const auto c = numbers(row[0] + " " + row[1]);
        ASSERT_EQ(c.size(), 6u) << row[0];
        const int32_t type = int32_t(c[3]);
        const Lines out = curveRun(kPauses, [&] {
            float a = float(c[0]), b = float(c[1]), d = float(c[2]);
            int32_t n = int32_t(c[2]);
            scptif(a, b, 1);
            if (type < 2 || type > 3) scptnp(n, 1);
            if (type == 2 || type == 3) scptd(d, 1);
            scptend(type, 1);
        });
        EXPECT_EQ(std::tuple(ptblock.np, ptblock.rnseg), std::tuple(int32_t(c[4]), c[4] - 1.0f))
            << row[0];
        EXPECT_NEAR(ptblock.ptd, c[5], 1e-6f) << row[0];
        EXPECT_TRUE(printsItsLine(out, row)) << row[0];
    }
}

TEST(RunningPoint, PointCountIsHeldToTheBuffer) {
    for (const auto& row : tableRows("curve_point_counts.txt", ';')) {
        const auto c = numbers(row.at(0) + " " + row.at(1));
        int32_t np = int32_t(c.at(0));
        const Lines out = curveRun(kPauses, [&] { scptnp(np, int32_t(c.at(1))); });
        EXPECT_TRUE(np == c.at(2) && ptblock.np == c[2] && printsItsLine(out, row)) << row[0];
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
    // A name longer than its 8 characters is refused (with a pause for its box), not cut.
    ConsoleCapture cap("10\nAzimuthal\n\nAzimuth\n\n");
    scptend(101, 1);
    EXPECT_FLOAT_EQ(ptblock.ptd, 0.2f);
    EXPECT_EQ(ptblock.ptrange, " init =  0.000000 final =  1.000000 inc =  0.100000");
    // The menu starts from the five stored characters.
    std::string other(8, 'x');
    scptnam(other, 2);
    EXPECT_EQ(countLines(cap.lines(), " name ..........................10 Angle   "), 1);
    EXPECT_EQ(other, "Azimuth ");
    EXPECT_EQ(countLines(cap.lines(), " answer longer than 8 characters"), 1);
    EXPECT_EQ(ptblock.ptname, "Azimu");
}

// The count that an increment gives is offered in the count's own menu when the running point
// is set up through its dialog, and taken silently otherwise.
TEST(RunningPoint, TheCountFromAnIncrementIsOfferedInTheDialogOnly) {
    const std::string offered = " nb of points ..................10      11";
    for (const int32_t inter : {0, 1}) {
        const Lines out = curveRun("99\n99\n", [&] {
            ptblock.ptf = 1.0f;
            ptblock.ptd = 0.1f;
            scptend(2, inter);
        });
        EXPECT_EQ(countLines(out, offered), inter == 0 ? 1 : 0) << inter;
        EXPECT_EQ(ptblock.np, 11) << inter;
    }
}

TEST(RunningPoint, NumberOfPointsMenu) {
    int32_t np = 0;
    // 5000 is refused by the range; an unknown entry shows the menu again.
    const Lines out = curveRun("10\n5000\n\n20\n7\n10\n20\n\n", [&] { scptnp(np, 4); });
    EXPECT_EQ(np, 20);
    expectGolden(out, "curve_menus.txt#points menu");
}

}  // namespace
}  // namespace tensova::test

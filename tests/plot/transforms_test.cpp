// Subplots: their maps and the dialogs that set them up.

#include <gtest/gtest.h>

#include <functional>

#include "plot_fixture.hpp"

namespace tensova::test {
namespace {

// Subplot maps from user units to centimetres and device units, in matrix and limits form,
// with equal scales, reversed limits, the set-up modes and degenerate set-ups. Expected values
// are worked by hand: a limits set-up puts (xumin, yumin) at (xcm0, ycm0) with the scales
// xlcm / (xumax - xumin) and ylcm / (yumax - yumin); a centimetre is 28.35 device units.
void limitsMap(float xcm0, float ycm0, float xlcm, float ylcm, float xumin, float xumax,
               float yumin, float yumax, int32_t isoxy, int32_t inter = 1) {
    sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, isoxy, inter);
}

void select(int32_t s) {
    ssubplot(s, 1);
}

struct MapCase {
    int32_t subplot;
    std::function<void()> setUp;
    std::vector<std::pair<Point, Point>> userToCm;
};

// clang-format off
const MapCase kMaps[] = {
    // The defaults of both forms.
    {1, [] { matrixMap(0, 0, 0, 0, 0, 0, 5); }, {{{0, 0}, {10, 10}}, {{1, 0}, {11, 10}}}},
    {2, [] { limitsMap(0, 0, 0, 0, 0, 0, 0, 0, 0, 5); },
     {{{10, 10}, {17, 17}}, {{0, 0}, {9.5f, 9.5f}}}},
    {3, [] { limitsMap(2, 2, 17, 26, 0, 10, 0, 5, 1); }, {{{10, 5}, {19, 10.5f}}}},  // equal scales
    {4, [] { limitsMap(2, 2, 17, 26, 0, 10, 0, 5, 0); }, {{{10, 5}, {19, 28}}}},
    {5, [] { limitsMap(2, 2, 17, 26, 0, 10, 0, 5, 2); }, {{{10, 5}, {19, 28}}}},  // acts as 0
    {6, [] { limitsMap(2, 2, 17, 26, 0, 10, 0, 5, -1); }, {{{10, 5}, {19, 28}}}},
    {7, [] { limitsMap(2, 2, 17, 26, 10, 0, 0, 5, 1); },
     {{{10, 0}, {2, 2}}, {{0, 5}, {19, 10.5f}}}},
    // Reversed x shrunk to the y scale keeps its direction.
    {8, [] { limitsMap(2, 2, 17, 10, 10, 0, 0, 20, 1); }, {{{10, 0}, {2, 2}}, {{0, 20}, {7, 12}}}},
    {9, [] { limitsMap(2, 2, 10, 10, 0, 10, 10, 0, 0); }, {{{0, 10}, {2, 2}}, {{10, 0}, {12, 12}}}},
    {35, [] { matrixMap(10, 10, 0, -1, 1, 0); }, {{{1, 2}, {8, 11}}}}};  // a quarter turn
// clang-format on

void expectMap(const MapCase& c) {
    select(c.subplot);
    for (const auto& [user, cm] : c.userToCm) {
        const Point de = toDevice(user);
        Point cmde = cm, back = cm;
        cm2de(&cmde[0], &cmde[1], &cmde[0], &cmde[1], 1);
        cm2us(&back[0], &back[1], &back[0], &back[1], 1);
        for (std::size_t k = 0; k < 2; ++k) {
            EXPECT_NEAR(de[k], 28.35f * cm[k], 2e-3) << c.subplot;
            EXPECT_NEAR(cmde[k], 28.35f * cm[k], 2e-3) << c.subplot;
            EXPECT_NEAR(back[k], user[k], 1e-4) << c.subplot;
        }
    }
}

TEST(Transforms, EachSubplotKeepsItsOwnMap) {
    PlotDocument doc;
    for (const MapCase& c : kMaps) select(c.subplot), c.setUp(), expectMap(c);
    for (const MapCase& c : kMaps) expectMap(c);  // none disturbed by the others
    EXPECT_EQ(doc.console.output(), "");
    float l = 2;
    lengthcm2de(l, l);
    EXPECT_FLOAT_EQ(l, 56.7f);
}

// Before any subplot is chosen, conversions and set-ups act on subplot 1.
TEST(Transforms, BeforeAnySubplotIsChosenTheFirstServes) {
    PlotDocument doc;
    select(2);
    matrixMap(0, 0, 5, 0, 0, 5);
    plt1blk.isubcur = 0;
    matrixMap(1, 2, 2, 0, 0, 2);
    Point cm{1, 1}, user{3, 4};
    cm2us(&user[0], &user[1], &user[0], &user[1], 1);
    us2cm(&cm[0], &cm[1], &cm[0], &cm[1], 1);
    expectNear(toDevice({1, 1}), {3 * 28.35f, 4 * 28.35f}, "device");
    EXPECT_EQ(cm, (Point{3, 4}));
    EXPECT_EQ(user, (Point{1, 1}));
    EXPECT_EQ(plt1blk.isubcur, 0);
    // The set-up went to subplot 1, and left subplot 2 as it was.
    expectMap({1, [] {}, {{{1, 1}, {3, 4}}}});
    expectMap({2, [] {}, {{{1, 1}, {5, 5}}}});
}

TEST(Transforms, SetUpModes) {
    PlotDocument doc;
    select(3);
    limitsMap(2, 2, 17, 26, 0, 10, 0, 5, 1);
    matrixMap(0, 0, 1, 0, 0, 1);
    // Mode 3 returns the subplot's last limits and changes nothing.
    float v[8] = {};
    int32_t iso = 9;
    sus2cm3(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], iso, 3);
    EXPECT_EQ(std::vector<float>(v, v + 8), (std::vector<float>{2, 2, 17, 26, 0, 10, 0, 5}));
    EXPECT_EQ(iso, 1);
    EXPECT_NEAR(toDevice({1, 1})[0], 28.35f, 1e-4);
    // Mode 7 gives every subplot the matrix defaults; the current subplot stays.
    matrixMap(0, 0, 0, 0, 0, 0, 7);
    EXPECT_EQ(plt1blk.isubcur, 3);
    for (int32_t s : {1, 35}) {
        select(s);
        EXPECT_NEAR(toDevice({1, 0})[0], 311.85f, 1e-3) << s;
    }
    // Closed, a set-up leaves the device map to the opening; the way back is refreshed at once.
    iocom.plotOpen = false;
    matrixMap(0, 0, 2, 0, 0, 2);
    EXPECT_NEAR(toDevice({1, 0})[0], 311.85f, 1e-3);
    Point p{4, 6};
    cm2us(&p[0], &p[1], &p[0], &p[1], 1);
    EXPECT_TRUE(p[0] == 2 && p[1] == 3);
}

TEST(Transforms, DegenerateSetUpsKeepThePreviousMap) {
    PlotDocument doc("n\n\n");  // the singular matrix asks whether to stop: no, then the pause
    matrixMap(1, 1, 1, 0, 0, 1);
    matrixMap(1, 1, 2, 4, 1, 2);  // rows in proportion
    Point p{3, 5};
    cm2us(&p[0], &p[1], &p[0], &p[1], 1);
    EXPECT_TRUE(p[0] == 2 && p[1] == 4);
    select(2);
    limitsMap(2, 2, 15, 15, -10, 10, -10, 10, 1);
    limitsMap(2, 2, 15, 15, 5, 5, 0, 1, 1);  // zero x range
    EXPECT_NEAR(toDevice({10, 10})[0], 17 * 28.35f, 1e-3);
    std::array<float, 3> x{0, 1, 2}, y{0, 1, 2};
    for (int32_t s : {1, 2}) select(s), usline(x.data(), y.data(), 3);
    const Lines out = doc.console.lines();
    EXPECT_TRUE(countLines(out, " => Cannot Invert B") == 1 &&
                countLines(out, " ==> NO ACTION") == 1);
    for (const auto& l : between(doc.finish(), "%%Page:   1   1", "showpage"))
        EXPECT_TRUE(l == "np" || l == "sk" || l.find_first_of("naifNAIF*") == std::string::npos)
            << l;  // no nan, inf or overflow
    expectRenders(doc.path);
}

// Limits of zero width or height give no scale: the box shows the four limits, each to five
// significant digits (six-digit values rounded), and nothing is set.
TEST(Transforms, LimitsOfZeroWidthOrHeightAreShownInTheirBox) {
    const struct {
        const char* what;
        float xumin, xumax, yumin, yumax;
        Lines box;
    } cases[] = {
        {"zero width",
         123456,
         123456,
         -1.5f,
         2.5f,
         {" xumin =  0.12346E+06 xumax =  0.12346E+06",
          " yumin =  -1.5000     yumax =   2.5000    "}},
        {"zero height",
         0,
         10,
         654321,
         654321,
         {" xumin =   0.0000     xumax =   10.000    ",
          " yumin =  0.65432E+06 yumax =  0.65432E+06"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlotDocument doc("\n");
        limitsMap(2, 2, 15, 15, -10, 10, -10, 10, 0);
        limitsMap(2, 2, 15, 15, c.xumin, c.xumax, c.yumin, c.yumax, 0);
        EXPECT_NEAR(toDevice({10, 10})[0], 17 * 28.35f, 1e-3);
        Lines want{" user limits of zero width give no scale:"};
        want.insert(want.end(), c.box.begin(), c.box.end());
        want.push_back(" ==> NO ACTION");
        EXPECT_EQ(block(doc.console.lines(), want), want);
    }
}

// What the subplot selector and the two set-up dialogs show and ask.
TEST(Dialogs, SubplotSelector) {
    // The subplot, the mode, the answers to the STOP question and the pause of a refused number,
    // and the subplot selected: 0 is refused, 36 too after the table; in mode 3 nothing is
    // selected yet.
    const std::tuple<int32_t, int32_t, const char*, int32_t> cases[] = {
        {7, 1, "", 7}, {0, 1, "n\n\n", 1}, {5, 3, "n\n\n", 1}, {9, 4, "", 1}, {36, 0, "n\n\n", 1}};
    for (const auto& [sub, inter, keys, selected] : cases) {
        ConsoleCapture console(keys);
        iocom.lwito = {true, false, false};  // the table shows at every level
        plt1blk = Plt1blk{};
        int32_t isub = sub;
        ssubplot(isub, inter);
        EXPECT_TRUE(isub == selected && plt1blk.isubcur == selected) << sub << inter;
        expectGolden(console.lines(), "plot_life.txt#subplot " + std::to_string(sub));
    }
}

TEST(Dialogs, SetUpDialogs) {
    // The matrix form at its defaults, kept.
    ConsoleCapture console("\ny\n-1\n1\n0\n4\n1\n1\n6\n8\n\n1\n");
    iocom.pauseOn = false;
    float v[8] = {};
    sus2cm1(v[0], v[1], v[2], v[3], v[4], v[5], 4);
    // The limits form asks every value; the flag's default 2 lies outside 0..1 and is refused.
    v[0] = 2, v[1] = 2, v[2] = 15, v[3] = 15, v[4] = -10, v[5] = 10, v[6] = -10, v[7] = 10;
    int32_t iso = 2;
    sus2cm3(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], iso, 0);
    expectGolden(console.lines(), "setup_dialogs.txt");
    EXPECT_EQ(std::vector<float>(v, v + 8), (std::vector<float>{1, 1, 6, 8, -1, 1, 0, 4}));
    Point p{5, 9};  // equal scales: x takes the y scale, 2 cm per unit
    cm2us(&p[0], &p[1], &p[0], &p[1], 1);
    EXPECT_TRUE(iso == 1 && p[0] == 1 && p[1] == 4);
    // Command files see the head, the question and the prompts, no picture.
    ConsoleCapture quiet("\n");
    iocom.lwito = {true, false, false};
    mus2cm3(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], iso);
    EXPECT_EQ(quiet.lines().size(), 5u) << quiet.output();
}

// The limits form refuses limits and lengths whose scales cannot be inverted: a range of zero
// width (an infinite scale), then a length of zero; the third set is taken.
TEST(Dialogs, TheLimitsFormRefusesWhatCannotBeInverted) {
    ConsoleCapture console(
        "y\n5\n5\n0\n1\n2\n2\n15\n15\n\n-10\n10\n-10\n10\n2\n2\n15\n0\n\n\n\n\n\n\n\n\n15\n1\n");
    float v[8] = {2, 2, 15, 15, -10, 10, -10, 10};
    int32_t iso = 1;
    mus2cm3(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], iso);
    EXPECT_EQ(countLines(console.lines(), " => Cannot Invert B"), 2);
    EXPECT_EQ(std::vector<float>(v, v + 8), (std::vector<float>{2, 2, 15, 15, -10, 10, -10, 10}));
}

}  // namespace
}  // namespace tensova::test

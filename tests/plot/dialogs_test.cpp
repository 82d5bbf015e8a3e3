// What the subplot selector and the two set-up dialogs show and ask.

#include "plot_fixture.hpp"

namespace tensova::test {

TEST(Dialogs, SubplotSelector) {
    struct Case {
        int32_t isub, inter;
        std::string keys;  // answers to the STOP question and the pause of a refused number
        int32_t selected;
        Lines shown;  // in this order among the lines written
    };
    const Lines init = {" INITIALISING SUBPLOT =  1", " |number ..........  1"};
    const Case cases[] = {
        {7, 1, "", 7, {}},
        {0, 1, "n\n\n", 1, Lines{" subplot nb = 0", " subroutine: ssubplot"} + init},
        {5, 3, "n\n\n", 1, Lines{" subplot nb = 0"} + init},  // nothing selected yet
        {9, 4, "", 1, init},
        {36,
         0,
         "n\n\n",
         1,
         {" |             SUBPLOTS              |", " |max nb .......... 35",
          " |last used .......  0",
          " |      SWITCHING TO SUBPLOT:         ", " |number .......... 36",
          " |name ............" + std::string(21, ' '), " subplot nb = 36"}}};
    for (const Case& c : cases) {
        ConsoleCapture console(c.keys);
        iocom.lwito = {true, false, false};  // the table shows at every level
        plt1blk = Plt1blk{};
        int32_t isub = c.isub;
        ssubplot(isub, c.inter);
        EXPECT_TRUE(isub == c.selected && plt1blk.isubcur == c.selected) << c.isub << c.inter;
        const Lines out = console.lines();
        int at = 0;
        for (const auto& l : c.shown) EXPECT_GE(at = findLine(out, l, at), 0) << l;
        EXPECT_EQ(c.shown.empty(), out.empty()) << console.output();
    }
}

TEST(Dialogs, SetUpDialogs) {
    // The matrix form at its defaults, kept.
    ConsoleCapture console("\ny\n-1\n1\n0\n4\n1\n1\n6\n8\n\n1\n");
    iocom.pauseOn = false;
    float v[8] = {};
    sus2cm1(v[0], v[1], v[2], v[3], v[4], v[5], 4);
    const Lines out = console.lines();
    const int at = findLine(out, "             Current set up:");
    ASSERT_GE(at, 0);
    EXPECT_EQ(Lines(out.begin() + at + 2, out.begin() + at + 5),
              (Lines{" |xcm|   |  1.000   0.000|   |xu|   | 10.000|",
                     " |   | = |               | * |  | + |       |",
                     " |ycm|   |  0.000   1.000|   |yu|   | 10.000|"}));
    // The limits form asks every value; the flag's default 2 lies outside 0..1 and is refused.
    v[0] = 2, v[1] = 2, v[2] = 15, v[3] = 15, v[4] = -10, v[5] = 10, v[6] = -10, v[7] = 10;
    int32_t iso = 2;
    sus2cm3(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], iso, 0);
    const Lines out3 = console.lines();
    EXPECT_GE(findLine(out3, " WARNING: ixy =         2  neither 0 nor 1"), 0);
    EXPECT_GE(findLine(out3, "  xumin =   -10.000  yumin =   -10.000"), 0);
    EXPECT_EQ(countLines(out3, " outside [0,1]"), 1);
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

}  // namespace tensova::test

// The life of a plot: the plot parameters by mode, with the plot open and closed, and their
// menu; the question before drawing on an open plot; the run information on a page; and a plot
// opened, set from its menus, drawn and closed, as the rendered page shows it.

#include "plot/plot_life.hpp"

#include "console/runinfo.hpp"
#include "plot/attributes.hpp"
#include "plot/colour_table.hpp"
#include "plot/run_information.hpp"
#include "plot_fixture.hpp"

namespace tensova::test {

// What a change of every kind of parameter looks like afterwards: the line colour still 3, slot
// 2's red still 10, subplot 2 still scaled from (1, 1) cm, and the current subplot.
struct Kept {
    bool attributes, table, scaling;
    int32_t subplot;
};

Kept changeAndCall(int32_t inter, bool open) {
    psattributes.linecolor = 3;
    psattributes.red[2] = 10;
    int32_t s = 2;
    ssubplot(s, 1);
    matrixMap(1, 1, 2, 0, 0, 2);
    iocom.plotOpen = open;
    splotparam2(inter);
    return {psattributes.linecolor == 3, psattributes.red[2] == 10,
            plt1blk.us0tocm[subplotIndex(2)][0] == 1, plt1blk.isubcur};
}

TEST(PlotLife, ParametersByMode) {
    struct Case {
        int32_t inter;
        bool open;
        Kept kept;
    };
    const Case cases[] = {{1, true, {true, true, true, 2}},    {3, true, {true, true, true, 2}},
                          {5, true, {false, false, false, 1}}, {7, true, {false, true, true, 1}},
                          {7, false, {true, true, true, 1}},   {9, true, {true, false, false, 1}}};
    for (const Case& c : cases) {
        PlotDocument doc;
        const Kept kept = changeAndCall(c.inter, c.open);
        EXPECT_TRUE(kept.attributes == c.kept.attributes && kept.table == c.kept.table &&
                    kept.scaling == c.kept.scaling && kept.subplot == c.kept.subplot)
            << c.inter << c.open;
        expectGolden(doc.console.lines(), "plot_life.txt#mode " + std::to_string(c.inter) +
                                              (c.open ? ", open" : ", closed"));
        // The line width, read back when the attributes are reset, is written again.
        iocom.plotOpen = true;
        EXPECT_EQ(countLines(doc.finish(), "0.57 slw"), kept.attributes ? 1 : 2) << c.inter;
    }
}

TEST(PlotLife, ParameterMenuWithThePlotClosed) {
    // Settings from initialisation; 50 does nothing while closed; 51 lists the colours in use
    // and takes slot 2 through its dialog, which starts from pure red: the dialog's start sets
    // the background, black and the pure primaries, slots 0 to 4, and no other.
    PlotDocument doc("1\nn\n50\n51\n2\n99\n99\n");
    iocom.plotOpen = false;
    splotparam2(0);
    expectGolden(doc.console.lines(), "plot_life.txt#menu with the plot closed");
    EXPECT_TRUE(psattributes.red[2] == 100 && psattributes.red[8] == 80);
    EXPECT_TRUE(psattributes.blue[4] == 100 && pltcharblk.colornam[4] == fit("Blue", 8));
    EXPECT_TRUE(psattributes.blue[5] == 50 && pltcharblk.colornam[5] == fit("Cyan", 8));
}

TEST(PlotLife, NewPageNewFileOrDrawingOn) {
    struct Case {
        std::string keys;  // the answer, then those of the closes and of the next opening
        int pages;
        bool nextFile;
    };
    const Case cases[] = {{"\n", 2, false}, {"2\n", 1, false}, {"1\n\n\n\n\n", 1, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        InFolder folder;
        PlotDocument doc(c.keys);
        psattributes.linecolor = 3;
        psattributes.red[2] = 10;
        newpage();
        EXPECT_EQ(countLines(doc.console.lines(), " Default = Next_plot"), c.nextFile ? 1 : 0);
        // A new file starts with the default attributes and keeps the colour table.
        EXPECT_TRUE(iocom.plotOpen && psattributes.red[2] == 10);
        EXPECT_EQ(psattributes.linecolor, c.nextFile ? 1 : 3);
        if (c.nextFile) {
            plend();
            expectRenders(folder.dir.file("Next_plot"));
        }
        doc.finish();
        expectRenders(doc.path, "", c.pages);
    }
}

TEST(PlotLife, RunInformation) {
    PlotDocument doc;
    runinfocom.mainName = fit("tensova", 11);
    runinfocom.mainVersion = " 9.0", runinfocom.mainDate = "01-06-2010";
    runinfocom.plotName = fit("", 11);  // a routine that did not name itself
    runinfocom.plotVersion = " 1.0", runinfocom.plotDate = "02-03-2004";
    runinfocom.system = fit("Linux 6.1", 25);
    runinfocom.runDate = "2024-05-06", runinfocom.runTime = "07:08:09";
    cmplotruninfo0(2, 27);
    cmplotcharinfo0("42 events", 3, 2, 27);
    cmplotcharinfo0("above", 0, 2, 27);
    // Half of 0.5 cm: lines of 7 points, 0.375 cm apart.
    expectGolden(between(doc.finish(), "0.57 slw", "showpage"), "plot_life.txt#run information");
    EXPECT_FLOAT_EQ(psparams.textHeight, 14.175f);
    EXPECT_EQ(doc.console.output(), "");
}

TEST(PlotLife, AColourTableAndAttributesFromTheMenusReachThePage) {
    InFolder folder;
    folder.dir.write("colours.txt", "2\n0 100 100 100 paper\n1 0 60 0 green\n2 0 0 100 blue\n");
    // Opened with the settings kept under its proposed name; then the colour file, line colour
    // 2, a line 0.3 cm wide and texts 0.8 cm high; closed with a return.
    ConsoleCapture console("\n\n52\n300\ncolours.txt\n99\n12\n2\n10\n0.3\n31\n0.8\n99\n\n");
    iocom.pauseOn = false;
    plt1blk = Plt1blk{};
    scolortable(5);
    std::string name = fit("plot.ps", 35);
    plinit(name, 2);
    float unit[6] = {};
    sus2cm1(unit[0], unit[1], unit[2], unit[3], unit[4], unit[5], 5);
    splotparam2(0);
    // User units are centimetres from (10, 10) cm: the line from (283.5, 283.5) to
    // (425.25, 283.5) points, the text from (283.5, 340.2).
    const std::array<float, 2> x{0, 5}, y{0, 0};
    usline(x.data(), y.data(), 2);
    ustext2(0, 2, "HHHH");
    plend();
    const std::string path = folder.dir.file("plot.ps");
    if (!canRender(path)) return;
    expectRenders(path);
    const Image page = renderImage(path);
    ASSERT_GT(page.width, 0);
    EXPECT_EQ(page.at(350, 283.5), (std::array<int, 3>{0, 0, 255}));
    int green = 0;  // 22-point capitals: about 16 points high, 4 x 16 points wide
    for (int px = 283; px < 350; ++px)
        for (int py = 340; py < 358; ++py)
            green += page.at(px, py) == std::array<int, 3>{0, 153, 0};
    EXPECT_GT(green, 100);
    EXPECT_EQ(page.at(300, 300), (std::array<int, 3>{255, 255, 255}));
}

}  // namespace tensova::test

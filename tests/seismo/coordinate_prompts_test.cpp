// The questions of a longitude or a latitude in degrees, in every menu that asks one.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "catalogue/selection_tests.hpp"
#include "console/console.hpp"
#include "mapdraw/grid.hpp"
#include "mapdraw/map_drawing.hpp"
#include "mapdraw/map_fixture.hpp"
#include "mapdraw/plotted_points.hpp"
#include "projection/dialogs.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// The grid's menu from the defaults; the one bound the case reads.
float gridBound(int which) {
    float b[4], latinc, loninc, ticsize;
    int32_t npgrid, nptick, gridtype, ndec;
    sllgrid3(b[0], b[1], b[2], b[3], latinc, loninc, npgrid, ticsize, nptick, gridtype, ndec, 4);
    return b[which];
}

// Each question shows the globe's range and refuses a value off it, typed at a terminal: a box
// whose pause takes a return, the question again, and a value on the globe is taken. A plotted
// point that is not projected is no coordinate and takes any value. One session, one transcript.
TEST(CoordinatePrompts, EachShowsTheGlobesRangeAndRefusesAValueOffIt) {
    const std::string lat90 = "[-90.000, 90.000]", lon360 = "[-360.00, 360.00]";
    float lon = 0, lat = 0;
    bool useproj = true;
    const struct {
        const char* name;
        std::string keys;
        std::function<float()> run;  // the menu, and the value in force after it
        float want;
        std::string range;     // the range shown and refused, if any
        bool oneLine = false;  // the grid's bounds and increment on one line
    } cases[] = {
        {"latitude test", "110\n1000\n\n-10\n\n99\n",
         [] { return setseistest6(2), seistest2.latmin; }, -10, lat90},
        {"longitude test", "210\n\n400\n\n150\n99\n",
         [] { return setseistest6(2), seistest2.lonmax; }, 150, lon360},
        {"vertex longitude", "261\n1e30\n\n140\n\n99\n",
         [] { return setseistest6(2), seistest2.vrtxlong[0]; }, 140, lon360},
        {"vertex latitude", "262\n\n-91\n\n30\n99\n",
         [] { return setseistest6(2), seistest2.vrtxlat[1]; }, 30, lat90},
        {"grid latitudes", "10\n0 100 10\n\n0 50 10\n99\n", [] { return gridBound(1); }, 50, lat90,
         true},
        {"grid latitude maximum", "12\n91\n\n60\n99\n", [] { return gridBound(1); }, 60, lat90},
        {"grid longitudes", "20\n-400 0 10\n\n120 150 10\n99\n", [] { return gridBound(2); }, 120,
         lon360, true},
        {"grid longitude minimum", "21\n361\n\n-170\n99\n", [] { return gridBound(2); }, -170,
         lon360},
        {"grid longitude maximum", "22\n-361\n\n70\n99\n", [] { return gridBound(3); }, 70, lon360},
        {"central longitude", "1\n1e10\n\n-80\n99\n", [&] { return slong1(lon = 0, 0), lon; }, -80,
         lon360},
        {"first latitude", "1\n-95\n\n30\n99\n", [&] { return slat1(lat = 0, 0), lat; }, 30, lat90},
        {"origin longitude", "1\n720\n\n10\n99\n",
         [&] { return sllorig(lon = 0, lat = 0, 0), lon; }, 10, lon360},
        {"origin latitude", "2\n95\n\n45\n99\n", [&] { return sllorig(lon = 0, lat = 0, 0), lat; },
         45, lat90},
        {"oblique centre longitude", "1\n-370\n\n20\n99\n",
         [&] { return soblique(lon = 0, lat = 0, 0), lon; }, 20, lon360},
        {"plotted point, projected", "10\n400\n\n100\n20\n-100\n\n45\n99\n",
         [&] { return mappoint(useproj, 0, mapOfGrid()), 0.0f; }, 0, lon360},
        {"plotted point, not projected", "13\nn\n10\n1000\n20\n-1000\n99\n",
         [&] { return mappoint(useproj, 0, mapOfGrid()), 0.0f; }, 0, ""},
    };
    std::string keys;
    for (const auto& c : cases) keys += c.keys;
    MapDocument map(keys);
    setseistest6(5);
    mappoint(useproj, 5);
    ConsoleCapture& console = map.doc.console;
    // The menus are left out at the lowest output level: the questions and boxes stay.
    iocom.lwito = {true, false, false};
    console.clear();
    Lines all;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t before = console.lines().size();
        EXPECT_EQ(c.run(), c.want);
        const Lines lines = console.lines();
        const Lines seen(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end());
        all.push_back("== " + std::string(c.name));
        all.insert(all.end(), seen.begin(), seen.end());
        // The range is shown with the question, and again when it is asked again; the box
        // names the value refused (on one line, each bound off the globe) and the range.
        const std::string shown = c.oneLine ? " mini and maxi inside  " : " inside  ";
        EXPECT_EQ(countLines(seen, " outside " + c.range), c.range.empty() ? 0 : 1);
        EXPECT_GE(countLines(seen, shown + c.range), c.range.empty() ? 0 : 2);
        if (c.range.empty()) {
            EXPECT_EQ(countLines(seen, " inside  " + lon360), 0);
        }
    }
    expectGolden(all, "coordinate_prompts.txt");
}

}  // namespace
}  // namespace tensova::test

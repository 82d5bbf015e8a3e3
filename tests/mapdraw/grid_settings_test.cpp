// The grid settings: modes, the menu with its three-value entries, and the tick warning.

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "console/console.hpp"
#include "mapdraw/grid.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

const bool kAnglesSet = (trigoset(), true);

struct Grid {
    float latmin = 0, latmax = 0, lonmin = 0, lonmax = 0, latinc = 0, loninc = 0, ticsize = 0;
    int32_t npgrid = 0, nptick = 0, gridtype = 0, ndec = 0;
    void set(int32_t inter) {
        sllgrid3(latmin, latmax, lonmin, lonmax, latinc, loninc, npgrid, ticsize, nptick, gridtype,
                 ndec, inter);
    }
    auto values() const {
        return std::tuple(latmin, latmax, lonmin, lonmax, latinc, loninc, ticsize, npgrid, nptick,
                          gridtype, ndec);
    }
};

TEST(GridSettings, ModesAndMenu) {
    // Entry 10 asked again after a line of two values; entry 20 from one line; then type 2
    // with 3 points per tick, which the menu warns about.
    ConsoleCapture cap("10\n-10 20\n-10, 20, 5\n20\n100 140 7.5\n32\n3\n40\n2\n99\n");
    Grid g;
    g.set(5);
    EXPECT_FLOAT_EQ(gridll.latmin, rad(-80.0f));
    g.set(2);
    EXPECT_TRUE(g.latmin == -10 && g.latinc == 5 && g.lonmax == 140 && g.gridtype == 2);
    EXPECT_FLOAT_EQ(gridll.loninc, rad(7.5f));
    // Mode 3 reads back in degrees and stores nothing; mode 1 stores silently.
    const Gridll before = gridll;
    Grid h;
    h.set(3);
    EXPECT_NEAR(h.lonmin, 100.0f, 1e-4f);
    EXPECT_EQ(std::memcmp(&before, &gridll, sizeof before), 0);
    h.npgrid = 9;
    h.set(1);
    EXPECT_EQ(gridll.npgrid, 9);
    // The warning shows only once type 2 and 3 points per tick (3 > max(2, 3/3)) meet.
    expectGolden(cap.lines(), "grid_settings.txt");
}

// The menu shows the longitudes as the map will use them, as soon as they are typed.
TEST(GridSettings, TheMenuShowsTheLongitudesAsStored) {
    const struct {
        const char* typed;  // after 20, or after 21 or 22
        const char* east;
    } cases[] = {{"20\n170 -170 5\n", "190.000"},
                 {"20\n180 -180 5\n", "540.000"},
                 {"21\n100\n", "440.000"},  // the maximum of 80 lies east of 100 by 340
                 {"22\n-90\n", "270.000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ConsoleCapture cap(std::string(c.typed) + "99\n");
        Grid g;
        g.set(4);
        const auto lines = cap.lines();
        const std::string shown = " longitude maximum .............22  " + std::string(c.east);
        EXPECT_EQ(countLines(lines, shown), 1) << c.east;
    }
}

// Each entry of one value sets that value, and only it, from the defaults.
TEST(GridSettings, EachEntryOfOneValueSetsItAlone) {
    const struct {
        const char* typed;
        float Grid::*value;
        float want;
    } cases[] = {{"11\n-35\n", &Grid::latmin, -35.0f},
                 {"12\n35\n", &Grid::latmax, 35.0f},
                 {"13\n2.5\n", &Grid::latinc, 2.5f},
                 {"23\n7.5\n", &Grid::loninc, 7.5f},
                 {"33\n0.5\n", &Grid::ticsize, 0.5f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ConsoleCapture cap(std::string(c.typed) + "99\n");
        Grid want;
        want.set(5);
        want.*c.value = c.want;
        Grid g;
        g.set(4);
        EXPECT_EQ(g.values(), want.values());
    }
}

}  // namespace
}  // namespace tensova::test

// A map holds its page transform: drawn after another set-up of the page (a second map fitted
// elsewhere on it, the subplot's transform set anew), it draws the same page, byte for byte:
// its grid and labels, its epicentres and its stress arms.

#include <gtest/gtest.h>

#include "mapdraw/grid.hpp"
#include "mapdraw/map_drawing.hpp"
#include "mapdraw/projection_menu.hpp"
#include "numeric/angles.hpp"
#include "plot/plot_fixture.hpp"
#include "seismo/shmax_symbols.hpp"

namespace tensova::test {
namespace {

// The page of a map of 60 W to 60 E by 40 S to 40 N on the start-up Mercator (its origin at
// 45 N), fitted into a box of the page, with a thrust at 10 E, 20 N; the map is made and fitted
// first, and with `another` a second map is fitted into another box and the subplot's transform
// set anew before each of its drawings.
Lines mapPage(bool another) {
    PlotDocument doc;
    int32_t iproj = 0;
    sprojll2(iproj, 5);
    float latmin = -40, latmax = 40, lonmin = -60, lonmax = 60, latinc = 20, loninc = 20;
    float ticsize = 2;
    int32_t npgrid = 3, nptick = 2, gridtype = 1, ndec = 1;
    sllgrid3(latmin, latmax, lonmin, lonmax, latinc, loninc, npgrid, ticsize, nptick, gridtype,
             ndec, 1);
    Map map = mapOfGrid();
    map.scaleInto({-1.1f, -1.7f, 1.1f, -0.1f}, {3, 4, 18, 14});
    const auto setUpAnother = [another] {
        if (!another) return;
        Map other = mapOfGrid();
        other.scaleInto({-1, -1, 1, 1}, {1, 1, 4, 4});
        matrixMap(7, 2, 0.5f, 0.1f, 0, 0.5f);
    };
    setUpAnother();
    drawllgrid(map);
    float lon = rad(10.0f), lat = rad(20.0f), x = 0, y = 0;
    projectOnMap(map, &x, &y, &lon, &lat, 1);
    setUpAnother();
    symbolsOnMap(map, &x, &y, 1);
    mapshpar = {0.4f, 0.13f, -1, 0};
    const float az = rad(30.0f);
    const int32_t isv = 2;
    setUpAnother();
    dmapsh2(&x, &y, &az, &isv, 1, nullptr, &map.page());
    return doc.finish();
}

TEST(MapPage, AMapDrawnAfterAnotherSetUpDrawsTheSamePage) {
    const Lines alone = mapPage(false);
    EXPECT_GT(alone.size(), 300u);
    EXPECT_TRUE(mapPage(true) == alone);
}

}  // namespace
}  // namespace tensova::test

// Plotted points: a typed point and a two-column file drawn projected or as they are, listed,
// a file left unread, and the plot attributes given back on leaving.

#include "mapdraw/plotted_points.hpp"

#include <gtest/gtest.h>

#include "curve/running_point.hpp"
#include "map_fixture.hpp"
#include "plot/attributes.hpp"

namespace tensova::test {
namespace {

// The centre of a symbol: the mean of its distinct vertices.
Point centre(const Path& p) {
    Point c{0, 0};
    const std::size_t n = p.points.size() - (p.points.front() == p.points.back() ? 1 : 0);
    for (std::size_t k = 0; k < n; ++k)
        for (std::size_t j = 0; j < 2; ++j) c[j] += p.points[k][j] / static_cast<float>(n);
    return c;
}

TEST(PlottedPoints, TypedAndFilePointsDrawnListedAndAttributesGivenBack) {
    const std::string keys =
        "10\n10\n20\n45\n100\n"                            // typed, projected
        "200\nsites.lonlat\n99\n99\n\n"                    // file, projected
        "200\nsites.lonlat\n99\n99\n99\n\n"                // left unread
        "13\nn\n10\n0.1\n20\n0.7\n53\n-4\n100\n77\n99\n";  // typed, as it is, a square
    MapDocument map(keys, {{"sites.lonlat", testData("sites.lonlat")}});
    int32_t line = 3, fill = 4, type = 7;
    float size = 0.5f;
    slinecolor(line, 1), sfillcolor(fill, 1), ssymboltype(type, 1), ssymbolsize(size, 1);
    bool useproj = true;
    mappoint(useproj, 5);  // the menu's own point and attributes at their defaults
    map.doc.console.clear();
    mappoint(useproj, 0, mapOfGrid());
    EXPECT_FALSE(useproj);
    EXPECT_EQ(ptblock.ipt, 2);
    line = fill = type = 0;
    size = 0;
    slinecolor(line, 3), sfillcolor(fill, 3), ssymboltype(type, 3), ssymbolsize(size, 3);
    EXPECT_TRUE(line == 3 && fill == 4 && type == 7 && size == 0.5f);

    // Column names blank until a file was read in this menu.
    expectGolden(map.doc.console.lines(), "plotted_points.txt");

    const auto got = map.finish();
    const Point want[] = {at(10, 45), at(25.396f, 36.404f), at(23.524f, 37.615f),
                          at(27.153f, 36.586f), toDevice({0.1f, 0.7f})};
    ASSERT_EQ(got.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_TRUE(got[k].filled) << k;
        expectNear(centre(got[k]), want[k], "symbol " + std::to_string(k));
    }
}

// A refused points file changes no setting: a point plotted after it is listed under the names
// of the columns of the file read before.
TEST(PlottedPoints, ARefusedFileKeepsTheNamesOfTheFileBefore) {
    const std::string keys =
        "200\ngood.txt\n99\n99\n\n"           // read and drawn
        "200\nbad.txt\n99\n99\n\n\n\n99\n\n"  // refused at its second record, left
        "100\n99\n";                          // the typed point
    MapDocument map(keys, {{"good.txt", "'G'\n'lon' 'lat'\n10 45\n11 46\n"},
                           {"bad.txt", "'B'\n'x' 'y'\n1 2\n3 none\n"}});
    bool useproj = true;
    mappoint(useproj, 5);
    mappoint(useproj, 0, mapOfGrid());
    const Lines out = map.doc.console.lines();
    EXPECT_EQ(countLines(out, " |   |lon     |lat     |"), 2);
    EXPECT_EQ(countLines(out, " |   |x       |y       |"), 0);
    EXPECT_EQ(map.finish().size(), 3u);
}

// A point outside the map's frame (-80..80) is not drawn, and its listed coordinates are
// asterisks; one inside is.
TEST(PlottedPoints, OnlyThoseInTheFrameAreDrawn) {
    MapDocument map("10\n100\n20\n45\n100\n10\n10\n100\n99\n");
    bool useproj = true;
    mappoint(useproj, 5);
    mappoint(useproj, 0, mapOfGrid());
    EXPECT_EQ(countLines(map.doc.console.lines(), " |  1|********|********|"), 1);
    const auto got = map.finish();
    ASSERT_EQ(got.size(), 1u);
    expectNear(centre(got[0]), at(10, 45), "the point inside");
}

}  // namespace
}  // namespace tensova::test

// Each selection test on the real monthly catalogue of January 2015 (210 events), set from the
// menus as a user does it, against counts made without the program.
//
// The expected counts come from awk over the file's fixed columns (in double precision), run
// once when this test was written. Per event (five lines), with l = (NR-1)%5:
//   l==0: lat=substr($0,27,7)  lon=substr($0,34,8)  depth=substr($0,42,6)
//   l==3: component j (0..5) value substr($0,3+13*j,7), error substr($0,10+13*j,6);
//         m += w*v*v, d += w*e*e with w 1 for j<3 and 2 otherwise; nfree counts e >= 0.001
//   l==4: T=substr($0,4,8) B=substr($0,19,8) P=substr($0,34,8) rake1=substr($0,64,5)
//         rake2=substr($0,76,5); fclvd = -B/max(|T|,|P|); erel = sqrt(d/m)
// then a plain count of the condition, e.g. `awk '$1>=-25 && $1<=15' | wc -l`.
// For the great-circle polygons the count does not use vectors: a quadrangle whose sides are
// meridians keeps the longitudes between them, and its edge through the corners (l1, phi) and
// (l2, phi) lies at latitude atan(tan(phi) cos(lon - (l1+l2)/2) / cos((l2-l1)/2)) at longitude
// lon; a region bounded by the equator and two meridians keeps lat >= 0 and the longitudes
// between, and its antipodal region lat <= 0 and the longitudes opposite. Straight edges keep
// the plain longitude-latitude box. Every bound was chosen at least 0.01 degrees away from any
// event (0.0003 for the quality limits) except where the boundary itself is tested: depths of
// exactly 10 and 35 km and rakes of exactly 60, 120, 150 and 180 degrees are kept.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_binary.hpp"

namespace tensova {
namespace {

using test::findLine;
using test::splitLines;
using test::TempDir;
using Lines = std::vector<std::string>;

const std::string kRealFile = std::string(TENSOVA_REAL_DATA) + "/gcmt_2015-01_jan15.ndk";

// The nine vertices of the northern region from 150 east to 150 west, up to the pole and down
// again, in a polygon file (great circles).
const std::string kNine =
    "9 1\n150 0\n170 0\n-170 0\n-150 0\n-150 30\n-150 60\n0 90\n150 60\n150 30\n";

// Menu answers typing a polygon of vertices (longitude, latitude).
std::string typed(const std::vector<std::pair<int, int>>& vertices) {
    std::string s = "250\ny\n253\n" + std::to_string(vertices.size()) + "\n";
    for (std::size_t k = 0; k < vertices.size(); ++k)
        s += std::to_string(261 + k) + "\n" + std::to_string(vertices[k].first) + "\n" +
             std::to_string(vertices[k].second) + "\n";
    return s;
}

struct Case {
    const char* what;
    std::string answers;  // selection-menu answers after the general switch
    int kept;
    std::string row;  // a row of the summary's tests table
};

TEST(RealCatalogue, EachTestKeepsTheIndependentCount) {
    if (!std::filesystem::exists(kRealFile))
        GTEST_SKIP() << "real catalogue " << kRealFile << " is absent";
    const auto rectangle = typed({{100, -30}, {175, -30}, {175, 20}, {100, 20}});
    const auto acrossDateLine = typed({{160, -40}, {-160, -40}, {-160, -10}, {160, -10}});
    const std::string straight = "251\nn\n";
    const Case cases[] = {
        {"no test but the switch", "", 210, ""},
        {"latitude band", "100\ny\n110\n-25\n15\n", 108,
         " |  Latitude  |    -25.000 |     15.000 |"},
        {"longitude band", "200\ny\n210\n120\n170\n", 65,
         " |  Longitude |    120.000 |    170.000 |"},
        // A window across the date line cannot be one range: it holds nothing.
        {"longitude across 180", "200\ny\n210\n170\n-170\n", 0,
         " |  Longitude |    170.000 |   -170.000 |"},
        {"depth range", "300\ny\n310\n10\n35\n", 127, " |  Depth     |     10.000 |     35.000 |"},
        {"rake interval, either plane", "500\ny\n510\n60\n120\n", 48,
         " |  Rake int1 |     60.000 |    120.000 |"},
        {"rake interval, both planes", "501\ny\n500\ny\n510\n60\n120\n", 37,
         " |  Rake test |     Planes |    1 AND 2 |"},
        // Rakes near 180 need two intervals; here the first and the third.
        {"rakes across 180", "500\ny\n510\n150\n180\n540\ny\n550\n-180\n-150\n", 64,
         " |  Rake int3 |   -180.000 |   -150.000 |"},
        {"rake interval across 180 as one range", "500\ny\n510\n150\n-150\n", 0,
         " |  Rake int1 |    150.000 |   -150.000 |"},
        {"CLVD ratio", "600\ny\n610\n0.1\n620\n100\n630\n0\n", 101,
         " |    |fclvd| |      0.000 |      0.100 |"},
        {"relative error", "600\ny\n610\n100\n620\n0.15\n630\n0\n", 174,
         " |       Erel |      0.000 |      0.150 |"},
        // Every event of the month has six free components.
        {"free components 6", "600\ny\n610\n100\n620\n100\n630\n6\n", 210,
         " |      Nfree |          6 |          6 |"},
        {"free components 7", "600\ny\n610\n100\n620\n100\n630\n7\n", 0,
         " |      Nfree |          7 |          6 |"},
        // Two events lie between the upper edge's parallel (20) and its great circle: at
        // (121.90, 21.41) and (125.55, 23.28).
        {"great-circle quadrangle", rectangle, 55, " |     Bounds |      great |    circles |"},
        {"straight quadrangle", rectangle + straight, 53,
         " |     Bounds |   straight |      lines |"},
        {"great-circle quadrangle across 180", acrossDateLine, 30,
         " |    Polygon |          1 |          4 |"},
        // Straight edges cannot enclose an area across the date line.
        {"straight quadrangle across 180", acrossDateLine + straight, 0,
         " |     Bounds |   straight |      lines |"},
        {"triangle to the pole", typed({{150, 0}, {-150, 0}, {0, 90}}), 11,
         " |    Polygon |          1 |          3 |"},
        // Clockwise, a great-circle polygon keeps the region opposite it.
        {"clockwise triangle", typed({{150, 0}, {0, 90}, {-150, 0}}), 22,
         " |    Polygon |          1 |          3 |"},
        {"nine vertices", "250\ny\n252\nnine.txt\n", 11,
         " |    Polygon |          1 |          9 |"}};
    // A copy, never a link: a run that went astray and wrote to the name must not reach the
    // shared file.
    const std::string real = test::readFile(kRealFile);
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("jan15.ndk", real);
        dir.write("nine.txt", kNine);
        const auto r = test::runTensova(
            "\n1000\n100\n10\ny\n" + c.answers + "99\n1001\njan15.ndk\n9999\n", dir.path());
        EXPECT_EQ(r.status, 0) << c.what;
        const Lines lines = splitLines(r.out);
        char counts[64];
        std::snprintf(counts, sizeof counts, " | Nb of data |        210 | %10d |", c.kept);
        EXPECT_GE(findLine(lines, counts), 0) << c.what << ": expected " << c.kept << " kept";
        if (!c.row.empty()) {
            EXPECT_GE(findLine(lines, c.row), 0) << c.what << ": " << c.row;
        }
        EXPECT_EQ(findLine(lines, " ===> HIT RETURN TO CONTINUE"), -1) << c.what;
    }
}

}  // namespace
}  // namespace tensova

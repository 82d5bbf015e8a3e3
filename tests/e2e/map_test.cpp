// The seismicity map from the main menu: both nodal planes mapped with the Si-Sh file on, the
// rendered page checked where the grid, the epicentres and the stress symbols must be; an empty
// store; the real catalogues.
//
// Page positions (python3): the default grid (-80..80 both ways) on the default Mercator map
// with origin 0/45 spans x -1.39626..1.39626 and y ln tan(pi/4 + lat/2) - 0.88137, so
// -3.31762..1.55487; the fit, which keeps its ticks and labels below the heading, sets its scale
// and place, read back from the meridian of 80 E, the plot file's first line. The point 0/45 is
// the origin; 30/45/90 has its P axis horizontal at azimuth 120 (north up), so its SHmax arrows
// run from 0.4 to 2.4 cm from the epicentre along 120 and 300 degrees and its Shmin bars along
// 30 and 210 degrees. Auxiliary planes (strike, dip, rake) from
// the slip and normal vectors of Aki and Richards, rounded to whole degrees as ndk holds them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova {
namespace {

// six.ndk of tests/data: the worked examples first (18.45/-72.53 with the planes 30/60/45,
// 120/70/-30 and 200/50/150), then a thrust 30/45/90 at 45/0, a strike-slip 0/90/0 at 30/40 and
// a normal fault 30/45/-90 at -40/-50, each with its auxiliary plane.
// Boxes the run showed from line `from` on.
int boxes(const test::Session& s, int from) {
    return static_cast<int>(std::count_if(s.lines.begin() + from, s.lines.end(), [](auto& l) {
        return l.find("    WARNING    ") != l.npos || l.find("    ERROR    ") != l.npos;
    }));
}

// The default map on the page: points a unit, and the origin 0/45 in points, from the meridian
// of 80 E (x 1.39626) between -80 and 80 N.
struct Fit {
    double scale = 0, x0 = 0, y0 = 0;
};
Fit fitOf(const test::Lines& ps) {
    // The first path after the heading's texts, which are moves to points above 700.
    double meridian = 0, bottom = 0, top = -1, x = 0, y = 0;
    for (const std::string& l : ps) {
        const bool point = std::sscanf(l.c_str(), "%lf %lf", &x, &y) == 2;
        if (point && l.ends_with(" moveto") && y < 700) meridian = x, top = bottom = y;
        if (point && top >= 0 && l.ends_with(" lineto")) top = y;
        if (top > bottom && l == "stroke") {
            const double scale = (top - bottom) / (1.55487 + 3.31762);
            return {scale, meridian - 1.39626 * scale, bottom + 3.31762 * scale};
        }
    }
    return {};
}

// Whether the page has ink within `slack` points of the point `r` cm from the origin along the
// azimuth.
bool inkAt(const test::Image& im, const Fit& f, double r, double azimuth, double slack = 0.0) {
    constexpr double kCm = 28.35;
    const double a = azimuth * M_PI / 180.0;
    const double x = f.x0 + r * std::sin(a) * kCm, y = f.y0 + r * std::cos(a) * kCm;
    for (double dx = -slack; dx <= slack; dx += 0.5)
        for (double dy = -slack; dy <= slack; dy += 0.5) {
            const auto c = im.at(x + dx, y + dy);
            if (c[0] + c[1] + c[2] < 720) return true;
        }
    return false;
}

TEST(Map, BothPlanesWithTheSiShFile) {
    // Read; Si-Sh on; 2001 opens the Si-Sh file; RUN opens the plot file, then leaves the
    // point and the overlay menus; 2002 RUN on a new page; quit.
    const test::Session s(
        "\n1000\n1001\nsix.ndk\n7\ny\n2001\nsish.txt\n1000\n\nseis.map.ps\n99\n99\n"
        "99\n2002\n1000\n\n99\n99\n99\n9999\n\n",
        {{"six.ndk", test::testData("six.ndk")}});
    EXPECT_EQ(s.result.status, 0);
    test::expectGolden(test::fromMainMenu(s.result.out), "map.txt#both planes");
    // Both planes of a mechanism give one vertical axis and one SHmax: the file holds both
    // runs, the second plane's SHmax a fraction of a degree apart (the plane rounded to whole
    // degrees).
    test::expectGolden(test::splitLines(s.dir.read("sish.txt")), "map.txt#both planes si-sh");
    const test::Lines ps = test::splitLines(s.dir.read("seis.map.ps"));
    EXPECT_EQ(test::countLines(ps, "(Number of data: 6) show"), 2);
    EXPECT_EQ(test::countLines(ps, "(Subroutine mapseis v 7.0 on 01-06-2010)"), 2);
    if (test::expectRenders(s.dir.file("seis.map.ps")).exitCode != 0) return;
    const test::Image im = test::renderImage(s.dir.file("seis.map.ps"), "", 1, 144);
    ASSERT_GT(im.width, 0);
    const Fit f = fitOf(ps);
    // Below the heading, whose lowest line stands at 772.54 points.
    EXPECT_LT(f.y0 + 1.55487 * f.scale, 772.54);
    EXPECT_GT(f.scale, 0.9 * 151.277);    // no smaller than it must be: 17 x 26 cm gave 151.277
    EXPECT_TRUE(inkAt(im, f, 0.0, 0.0));  // the epicentre
    for (const double az : {120.0, 300.0, 30.0, 210.0}) EXPECT_TRUE(inkAt(im, f, 1.4, az)) << az;
    for (const double az : {75.0, 165.0, 255.0, 345.0}) EXPECT_FALSE(inkAt(im, f, 1.4, az)) << az;
    // The meridian of longitude 0 at latitude 20: y = ln tan 55 deg - 0.88137 = -0.52445.
    EXPECT_TRUE(inkAt(im, f, 0.52445 * f.scale / 28.35, 180.0, 1.5));
}

// No events: the run information, the count and the grid, and from the RUN's point and overlay
// menus a point typed in (the page's one fill), a shoreline polygon and a great-circle square;
// the Si-Sh file gets its header alone.
TEST(Map, EmptyStoreWithAPointAndOverlays) {
    const std::string shore =
        "       1       5 1          0.000  12.00000  27.00000  37.00000  47.00000\n"
        "12 37\n27 37\n27 47\n12 47\n12 37\n";
    const test::Session s(
        "\n7\ny\n2001\nsish.txt\n1000\n\nseis.map.ps\n10\n-15\n20\n-15\n100\n99\n"
        "5\ncoast.gsh\n6\nsq.pol\n99\n99\n9999\n\n",
        {{"coast.gsh", shore}, {"sq.pol", "4 1 1 2\n-55 -55\n-25 -55\n-25 -35\n-55 -35\n"}});
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.dir.read("sish.txt"), test::golden("map.txt#both planes si-sh")[0] + "\n");
    test::expectGolden(test::fromMainMenu(s.result.out), "map.txt#empty store");
    const test::Lines ps = test::splitLines(s.dir.read("seis.map.ps"));
    EXPECT_EQ(test::countLines(ps, "(Number of data: 0) show"), 1);
    EXPECT_EQ(std::count_if(ps.begin(), ps.end(), [](auto& l) { return l.find("fill") != l.npos; }),
              1);
    test::expectRenders(s.dir.file("seis.map.ps"));
}

// From the RUN's overlay menu: a shoreline file that ends inside its polygon is drawn as far as
// it goes, with a box that says where it ends and the listing's count of the points read; a
// coastline whose continuation record is cut mid-line is a read error that names the line and
// what it should hold, not a record of zero steps; a GEBCO line whose last line has no line end
// (cut inside "46.0 11.0") draws the points before it and names that line.
TEST(Map, OverlayFilesCutShort) {
    std::string shore =
        "       1      17 1          0.000  10.00000  20.00000  35.00000  40.00000\n";
    for (int i = 0; i < 15; ++i) shore += std::to_string(10 + i * 0.5) + " 37\n";
    std::string utig = " 76   350    200";
    for (int i = 0; i < 16; ++i) utig += "4950";
    const test::Session s(
        "\n2001\n1000\n\nseis.map.ps\n99\n5\ncut.gsh\n\n1\ncut.utig\n\n3\ncut.gebco\n\n99\n99\n"
        "9999\n\n",
        {{"cut.gsh", shore},
         {"cut.utig", utig + "\n5049504950\n"},
         {"cut.gebco", "101 3\n45.0 10.0\n45.5 10.5\n46.0 1"}},
        test::Keyboard::Terminal);  // where the refused file does not end the answers
    EXPECT_EQ(s.result.status, 0);
    const test::Lines incomplete = {" |       |       |     15|",
                                    " ///////////////////////////////////////////",
                                    " ///        subroutine contours1         ///",
                                    " ///               WARNING               ///",
                                    " ///////////////////////////////////////////",
                                    " INCOMPLETE LAST POLYGON FROM LINE 1",
                                    " FILE ENDS AT LINE 16 AFTER 15 OF 17 POINTS",
                                    " ==> THE POINTS READ ARE DRAWN"};
    EXPECT_EQ(test::block(s.lines, incomplete), incomplete);
    EXPECT_EQ(s.count(" total nb of plotted curves =      1"), 2);  // the shoreline and GEBCO
    const test::Lines cut = {
        " WHILE READING FILE cut.utig", " input file cut.utig closed",
        " AT LINE 2: UTIG CONTINUATION RECORD EXPECTED: steps of points 18 to 37",
        " LINE OF 10 COLUMNS, ITS 20 POINTS NEED 80"};
    EXPECT_EQ(test::block(s.lines, cut), cut);
    const test::Lines unended = {
        " INCOMPLETE LAST CURVE FROM LINE 1", " FILE ENDS AT LINE 4 AFTER 2 OF 3 POINTS",
        " LAST LINE 4 HAS NO LINE END: CUT SHORT, NOT USED", " ==> THE POINTS READ ARE DRAWN"};
    EXPECT_EQ(test::block(s.lines, unended), unended);
    test::expectRenders(s.dir.file("seis.map.ps"));
}

// The real world shoreline, read in place: whole, every polygon counted and no box; opened as a
// dump file, another layout, refused at its first line with the field that is not a number.
TEST(Map, RealShorelineInPlace) {
    const std::filesystem::path real =
        std::filesystem::path(TENSOVA_REAL_DATA) / "misc" / "world_coast_low.gshhs";
    if (!std::filesystem::exists(real)) GTEST_SKIP() << "real shoreline absent: " << real;
    test::Session s;
    std::filesystem::create_symlink(real, s.dir.file("world.gsh"));
    // At a terminal, where the refused file does not end the answers.
    s.run("\n2001\n1000\n\nseis.map.ps\n99\n10\nn\n5\nworld.gsh\n4\nworld.gsh\n\n99\n99\n9999\n\n",
          {}, 20, test::Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    const int menu = s.find(" Enter type of line file");
    ASSERT_GE(menu, 0);
    EXPECT_EQ(s.count(" total nb of plotted curves =   2187"), 1);
    EXPECT_EQ(boxes(s, menu), 1);
    const test::Lines refused = {" WHILE READING FILE world.gsh", " input file world.gsh closed",
                                 " AT LINE 1: USGS RECORD EXPECTED: latitude, longitude",
                                 " FIELD longitude, COLUMNS 16-25, IS NOT A NUMBER"};
    EXPECT_EQ(test::block(s.lines, refused), refused);
    test::expectRenders(s.dir.file("seis.map.ps"));
}

// Every real catalogue maps on a world grid with one Si-Sh record of 109 columns per stored
// event, and without a box of the map's own but for the event stored with its latitude of
// 99.45, which no map can place. The reader's boxes on the damaged files pause for a return each,
// and so does the map's: blank lines at the main prompt are passed over, and one in the map menu
// leaves it (after the map's box has taken its own).
TEST(Map, RealCatalogues) {
    const std::filesystem::path real(TENSOVA_REAL_DATA);
    if (!std::filesystem::exists(real)) GTEST_SKIP() << "real catalogues absent: " << real;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(real)) {
        if (entry.path().extension() != ".ndk") continue;
        ++files;
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const bool placed = name != "faulty_infeasible_latitude.ndk";
        const test::Session s(
            "\n1000\n1001\ncat.ndk\n" + std::string(40, '\n') +
                "7\ny\n2001\nsish.txt\n320\n10\n-85 85 17\n20\n-180 180 30\n99\n343\nn\n340\nn\n"
                "1000\n\nseis.map.ps\n\n" +
                (placed ? "" : "99\n") + "9999\n\n",
            {{"cat.ndk", test::readFile(entry.path().string())}});
        EXPECT_EQ(s.result.status, 0) << name;
        const int map = s.find(" New value =          2001");
        ASSERT_GE(map, 0) << name;
        EXPECT_EQ(boxes(s, map), placed ? 0 : 1) << name;
        EXPECT_EQ(s.count(" events off the map projection =      1"), placed ? 0 : 1) << name;
        int stored = -1;
        for (const std::string& l : s.lines)
            if (l.starts_with("   Currently stored :")) stored = std::stoi(l.substr(21));
        const test::Lines sish = test::splitLines(s.dir.read("sish.txt"));
        EXPECT_EQ(static_cast<int>(sish.size()), stored + 1) << name;
        for (const std::string& l : sish) EXPECT_EQ(l.size(), 109u) << name << ": " << l;
        test::expectRenders(s.dir.file("seis.map.ps"));
    }
    EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace tensova

// Pages, landscape above all: the map fitted to the turned page with its heading at the top, and
// the sheet's twenty nets whole below its heading. Every point the plot file moves or draws to
// lies on the page, and Ghostscript, on the paper alone, finds the ink of every page inside it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "e2e/map_files.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"

namespace tensova {
namespace {

using Point = std::array<double, 2>;
using test::kA4Landscape;
using test::kLetterLandscapeKept;
using test::kPortrait;
using test::PlotPage;
using test::PsPage;
using test::PsText;
constexpr double kCm = 28.35;

// Where the page's text that begins so begins.
Point textAt(const PsPage& page, const std::string& start) {
    for (const PsText& t : page.texts)
        if (t.text.starts_with(start)) return {t.x, t.y};
    ADD_FAILURE() << "no text " << start;
    return {-1, -1};
}

// A run on the paper: the catalogue read, the keys from the main menu up to a RUN, whose plot
// file opens on the paper with its default name, and those after it.
test::Session onPaper(const PlotPage& p, const std::string& catalogue, const std::string& before,
                      const std::string& after) {
    test::Files files{{"e.ndk", test::testData(catalogue)}};
    if (!p.settings.empty()) files.push_back({"pslib7_ini.txt", p.settings});
    return test::Session("\n1000\n1001\ne.ndk\n" + before + "1000\n" + p.opening + "\n" + after,
                         files);
}

// Every point on the page, all the ink on the paper, and the heading at the top: the run
// information centred, the counts 2 cm from the left edge. The first page.
PsPage expectOnThePage(const PlotPage& p, const std::string& path, const std::string& count) {
    const auto pages = test::psPages(test::readFile(path));
    if (pages.empty()) {
        ADD_FAILURE() << "no page in " << path;
        return {};
    }
    const auto off = [&](const Point& a) {
        return !(a[0] >= 0 && a[0] <= p.width() && a[1] >= 0 && a[1] <= p.height());
    };
    for (const PsPage& page : pages) {
        const auto points = page.points();
        EXPECT_EQ(std::count_if(points.begin(), points.end(), off), 0);
        for (const PsText& t : page.texts) EXPECT_FALSE(off({t.x, t.y})) << t.text;
    }
    const Point info = textAt(pages[0], "Main program "), counted = textAt(pages[0], count);
    EXPECT_NEAR(info[0], 0.5 * p.width(), 1.0);
    EXPECT_NEAR(counted[0], 2 * kCm, 0.1);
    EXPECT_GT(std::min(info[1], counted[1]), p.height() - 2 * kCm);
    if (!test::canRender(path)) return pages[0];
    for (const test::Box& ink : test::pageBoxes(test::expectRenders(path, "", -1, p.paper)))
        EXPECT_TRUE(ink[0] > 0 && ink[1] > 0 && ink[2] < p.paper.width && ink[3] < p.paper.height);
    return pages[0];
}

// The default Mercator map, taller than wide, and the world's, wider: each fills the landscape
// page's height or width, which a portrait page's box and bounds would not let it.
TEST(Pages, TheMapFitsTheTurnedPage) {
    const std::string world = "320\n10\n-80 80 20\n20\n-180 180 30\n99\n";
    const struct {
        const PlotPage& paper;
        std::string grid;
        const char* scaling;
    } cases[] = {{kA4Landscape, "", " SCALING GRID IN A4 Landscape"},
                 {kA4Landscape, world, " SCALING GRID IN A4 Landscape"},
                 {kLetterLandscapeKept, "", " SCALING GRID IN US Letter Landscape"},
                 {kLetterLandscapeKept, world, " SCALING GRID IN US Letter Landscape"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.paper.name) + (c.grid.empty() ? "" : ", the world"));
        const test::Session s = onPaper(c.paper, "six.ndk", "2001\n" + c.grid + "343\nn\n340\nn\n",
                                        "\n\n\n\n20\n\n9999\n\n");
        EXPECT_EQ(s.result.status, 0);
        EXPECT_EQ(s.count(c.scaling), 1);
        const PsPage page =
            expectOnThePage(c.paper, s.dir.file("seis.map.ps"), "Number of data: 6");
        Point low{1e9, 1e9}, high{-1e9, -1e9};
        for (const Point& p : page.points())
            for (std::size_t k = 0; k < 2; ++k)
                low[k] = std::min(low[k], p[k]), high[k] = std::max(high[k], p[k]);
        EXPECT_TRUE(high[0] - low[0] > 0.8 * c.paper.width() ||
                    high[1] - low[1] > 0.8 * c.paper.height());
    }
}

// Twenty-one nets: twenty on the first page, in four columns of five on a portrait page (its
// heading where it always was) and five of four on a landscape one, the heading's lowest line
// above every net and label (North stands 0.3 cm high).
TEST(Pages, TheSheetsNetsStandWhole) {
    const struct {
        const PlotPage& paper;
        std::size_t columns, rows;
    } cases[] = {{kPortrait, 4, 5}, {kA4Landscape, 5, 4}, {kLetterLandscapeKept, 5, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paper.name);
        const test::Session s = onPaper(c.paper, "twentyone.ndk", "3000\n", "\n99\n9999\n\n");
        EXPECT_EQ(s.result.status, 0);
        EXPECT_GE(s.find(" Data 21 -> 21", s.find(" Data 1 -> 20")), 0);
        const PsPage page = expectOnThePage(c.paper, s.dir.file("fps_bb.ps"), "Page 1/2");
        if (&c.paper == &kPortrait) {
            EXPECT_EQ(textAt(page, "Main program "), (Point{297.68, 793.80}));
        }
        std::set<double> columns, rows;
        double highest = 0;
        for (const Point& p : page.points()) highest = std::max(highest, p[1]);
        for (const PsText& t : page.texts)
            if (t.text == "North") {
                columns.insert(t.x), rows.insert(t.y);
                highest = std::max(highest, t.y + 0.3 * kCm);
            }
        EXPECT_EQ(columns.size(), c.columns);
        EXPECT_EQ(rows.size(), c.rows);
        EXPECT_GT(textAt(page, "Run on ")[1], highest);
    }
}

}  // namespace
}  // namespace tensova

// Pages, landscape above all: the map fitted to the turned page with its heading at the top, and
// the sheet's twenty nets whole below its heading. Every point the plot file moves or draws to
// lies on the page, and Ghostscript, on the paper alone, finds the ink of every page inside it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/session.hpp"
#include "support/ghostscript.hpp"

namespace tensova {
namespace {

using Point = std::array<double, 2>;
constexpr double kCm = 28.35;

// One page of a plot file in the plain dialect: the points of its lines, and each text with the
// point it begins at (the move before it).
struct PsPage {
    std::vector<Point> points;
    std::vector<std::pair<std::string, Point>> texts;
    Point text(const std::string& start) const {
        for (const auto& [s, at] : texts)
            if (s.starts_with(start)) return at;
        ADD_FAILURE() << "no text " << start;
        return {-1, -1};
    }
};
std::vector<PsPage> psPages(const std::string& ps) {
    std::vector<PsPage> pages(1);  // what comes before the first page comment is not drawn
    std::istringstream in(ps);
    std::string line;
    for (Point at{}; std::getline(in, line);) {
        if (line.starts_with("%%Page:")) pages.emplace_back();
        std::vector<Point>& points = pages.back().points;
        double x = 0, y = 0;
        char op[8] = {};
        if (std::sscanf(line.c_str(), "%lf %lf %7s", &x, &y, op) == 3 &&
            (std::string(op) == "moveto" || std::string(op) == "lineto"))
            points.push_back(at = {x, y});
        if (!line.starts_with("(")) continue;
        if (!points.empty() && points.back() == at) points.pop_back();  // the text's own move
        pages.back().texts.push_back({line.substr(1, line.rfind(')') - 1), at});
    }
    return {pages.begin() + 1, pages.end()};
}

// A page chosen in the page settings, typed at the plot file's opening or kept in the settings
// file; its width and height as drawn.
struct Paper {
    const char* name;
    test::Paper paper;
    double width, height;
    std::string opening;   // the answers from the settings question to the file name's
    std::string settings;  // the settings file, if any
};
const Paper kPortrait{"A4 portrait", {595, 842}, 595, 842, "\n", ""};
const Paper kA4{"A4 landscape typed in", {595, 842}, 842, 595, "n\n\n\nLA4\n\n", ""};
const Paper kLetter{"US Letter landscape kept", {612, 792}, 792, 612, "\n",
                    "  F   1 LUS  2\n    \n"};

// A run on the paper: the catalogue read, the keys from the main menu up to a RUN, whose plot
// file opens on the paper with its default name, and those after it.
test::Session onPaper(const Paper& p, const std::string& catalogue, const std::string& before,
                      const std::string& after) {
    test::Files files{{"e.ndk", test::testData(catalogue)}};
    if (!p.settings.empty()) files.push_back({"pslib7_ini.txt", p.settings});
    return test::Session("\n1000\n1001\ne.ndk\n" + before + "1000\n" + p.opening + "\n" + after,
                         files);
}

// Every point on the page, all the ink on the paper, and the heading at the top: the run
// information centred, the counts 2 cm from the left edge. The first page.
PsPage expectOnThePage(const Paper& p, const std::string& path, const std::string& count) {
    const auto pages = psPages(test::readFile(path));
    if (pages.empty()) {
        ADD_FAILURE() << "no page in " << path;
        return {};
    }
    const auto off = [&](const Point& a) {
        return !(a[0] >= 0 && a[0] <= p.width && a[1] >= 0 && a[1] <= p.height);
    };
    for (const PsPage& page : pages) {
        EXPECT_EQ(std::count_if(page.points.begin(), page.points.end(), off), 0);
        for (const auto& [text, at] : page.texts) EXPECT_FALSE(off(at)) << text;
    }
    const Point info = pages[0].text("Main program "), counted = pages[0].text(count);
    EXPECT_NEAR(info[0], 0.5 * p.width, 1.0);
    EXPECT_NEAR(counted[0], 2 * kCm, 0.1);
    EXPECT_GT(std::min(info[1], counted[1]), p.height - 2 * kCm);
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
        const Paper& paper;
        std::string grid;
        const char* scaling;
    } cases[] = {{kA4, "", " SCALING GRID IN A4 Landscape"},
                 {kA4, world, " SCALING GRID IN A4 Landscape"},
                 {kLetter, "", " SCALING GRID IN US Letter Landscape"},
                 {kLetter, world, " SCALING GRID IN US Letter Landscape"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.paper.name) + (c.grid.empty() ? "" : ", the world"));
        const test::Session s = onPaper(c.paper, "six.ndk", "2001\n" + c.grid + "343\nn\n340\nn\n",
                                        "\n\n\n\n20\n\n9999\n\n");
        EXPECT_EQ(s.result.status, 0);
        EXPECT_EQ(s.count(c.scaling), 1);
        const PsPage page =
            expectOnThePage(c.paper, s.dir.file("seis.map.ps"), "Number of data: 6");
        Point low{1e9, 1e9}, high{-1e9, -1e9};
        for (const Point& p : page.points)
            for (std::size_t k = 0; k < 2; ++k)
                low[k] = std::min(low[k], p[k]), high[k] = std::max(high[k], p[k]);
        EXPECT_TRUE(high[0] - low[0] > 0.8 * c.paper.width ||
                    high[1] - low[1] > 0.8 * c.paper.height);
    }
}

// Twenty-one nets: twenty on the first page, in four columns of five on a portrait page (its
// heading where it always was) and five of four on a landscape one, the heading's lowest line
// above every net and label (North stands 0.3 cm high).
TEST(Pages, TheSheetsNetsStandWhole) {
    const struct {
        const Paper& paper;
        std::size_t columns, rows;
    } cases[] = {{kPortrait, 4, 5}, {kA4, 5, 4}, {kLetter, 5, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paper.name);
        const test::Session s = onPaper(c.paper, "twentyone.ndk", "3000\n", "\n99\n9999\n\n");
        EXPECT_EQ(s.result.status, 0);
        EXPECT_GE(s.find(" Data 21 -> 21", s.find(" Data 1 -> 20")), 0);
        const PsPage page = expectOnThePage(c.paper, s.dir.file("fps_bb.ps"), "Page 1/2");
        if (&c.paper == &kPortrait) {
            EXPECT_EQ(page.text("Main program "), (Point{297.68, 793.80}));
        }
        std::set<double> columns, rows;
        double highest = 0;
        for (const Point& p : page.points) highest = std::max(highest, p[1]);
        for (const auto& [text, at] : page.texts)
            if (text == "North") {
                columns.insert(at[0]), rows.insert(at[1]);
                highest = std::max(highest, at[1] + 0.3 * kCm);
            }
        EXPECT_EQ(columns.size(), c.columns);
        EXPECT_EQ(rows.size(), c.rows);
        EXPECT_GT(page.text("Run on ")[1], highest);
    }
}

}  // namespace
}  // namespace tensova

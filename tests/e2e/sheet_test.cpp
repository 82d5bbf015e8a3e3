// The focal-mechanism sheet from the main menu: 21 events on two pages, the nets of the last
// page where the mechanism puts its planes and axes, on the equal-area and the stereographic
// net.
//
// Reference net coordinates (python3, double precision; x east, y north, net radius 1): the
// point of the great circle of the plane strike s, dip d at angle t from the strike is the
// direction X = cos s cos t - cos d sin s sin t, Y = sin s cos t + cos d cos s sin t (north, east),
// Z = sin d sin t (down), azimuth atan2(Y, X), plunge asin Z; it lies at r (sin az, cos az) with
// r = sqrt(2) sin((90 - plunge)/2) on the equal-area net and tan((90 - plunge)/2) on the
// stereographic one. The axes of 30/60/45 are the lower-hemisphere P 150.10/4.56,
// B 56.57/37.76, T 245.93/51.87 of an Aki-Richards computation.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue/catalogue_samples.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova {
namespace {

using test::Session;
using Point = std::array<double, 2>;

// twentyone.ndk of tests/data: 21 events a day apart with the planes 30/60/45, 120/70/-30,
// 200/50/150 and 310/20/95 in turn, the first and the last with 30/60/45 and 273/52/141.

struct Net {
    std::vector<Point> axes;    // P, B, T
    std::vector<Point> planes;  // points of both great circles
};

// clang-format off
const Net kSchmidt = {
    {{0.4783, -0.8317}, {0.5196, 0.3430}, {-0.4218, -0.1884}},
    {{0.5378, 0.6976}, {0.5426, 0.5221}, {0.4725, 0.1637}, {0.4041, -0.0128}, {0.2131, -0.3436},
     {0.0945, -0.4910}, {-0.1809, -0.7309}, {-0.3352, -0.8145}, {-0.8715, 0.1911},
     {-0.7188, 0.2988}, {-0.3634, 0.4307}, {-0.1713, 0.4577}, {0.2182, 0.4373}, {0.7461, 0.2220},
     {0.8867, 0.0990}}};
const Net kWulff = {
    {{0.4603, -0.8005}, {0.4092, 0.2701}, {-0.3155, -0.1410}},
    {{0.4861, 0.6305}, {0.4533, 0.4361}, {0.3571, 0.1237}, {0.2982, -0.0094}, {0.1573, -0.2535},
     {0.0714, -0.3712}, {-0.1511, -0.6106}, {-0.3030, -0.7362}, {-0.7943, 0.1742},
     {-0.6088, 0.2530}, {-0.2802, 0.3320}, {-0.1291, 0.3449}, {0.1644, 0.3295}, {0.6320, 0.1880},
     {0.8081, 0.0902}}};
// clang-format on

// The lower-left net: centre at 4 cm, 4 cm, 1.5 cm to the net radius.
Point onPage(const Point& p) {
    constexpr double kCm = 28.35;
    return {4.0 * kCm + 1.5 * kCm * p[0], 4.0 * kCm + 1.5 * kCm * p[1]};
}

// Whether every pixel within r points of p meets `ink`, or (any) some pixel does.
template <typename Ink>
bool around(const test::Image& im, const Point& p, double r, bool any, Ink ink) {
    const double step = 1.0 / im.scale;
    for (double dx = -r; dx <= r; dx += step)
        for (double dy = -r; dy <= r; dy += step) {
            if (dx * dx + dy * dy > r * r) continue;
            const auto c = im.at(p[0] + dx, p[1] + dy);
            if (ink(c) == any) return any;
        }
    return !any;
}

void expectNet(const std::string& path, int page, const Net& net, const char* which) {
    const test::Image im = test::renderImage(path, "", page, 288);
    ASSERT_GT(im.width, 0) << which;
    const auto marked = [](const std::array<int, 3>& c) { return c[0] + c[1] + c[2] < 720; };
    const auto dark = [](const std::array<int, 3>& c) { return c[0] + c[1] + c[2] < 200; };
    // A filled disc of 0.15 cm (4.25 points) with its outline covers 3.5 points around the
    // point only when it lies within a point of it.
    for (std::size_t k = 0; k < net.axes.size(); ++k)
        EXPECT_TRUE(around(im, onPage(net.axes[k]), 3.5, false, marked)) << which << " axis "
                                                                         << "PBT"[k];
    // A line passes within a point of each point of the planes.
    for (const Point& p : net.planes)
        EXPECT_TRUE(around(im, onPage(p), 1.0, true, dark))
            << which << " plane point " << p[0] << " " << p[1];
    // The axes of another event are not on this page.
    EXPECT_FALSE(around(im, onPage({0.9, 0.9}), 3.0, true, dark)) << which;
}

TEST(Sheet, TwoPagesOfNetsOnBothKindsOfNet) {
    // 310: every axis a filled disc; RUN: the settings and the name kept, a new page for page
    // 2; 300: the stereographic net; RUN: a new page, and again for its page 2; 11: the
    // leave; quit.
    const std::string symbols = "10\n-1\n20\n-1\n99\n";
    const Session s("\n1000\n1001\ncat21.ndk\n3000\n310\n" + symbols + symbols + symbols +
                        "1000\n\n\n\n300\n2\n1000\n\n\n99\n9999\n\n",
                    {{"cat21.ndk", test::testData("twentyone.ndk")}});
    EXPECT_EQ(s.result.status, 0);
    test::expectGolden(test::fromMainMenu(s.result.out), "sheet.txt");
    const test::Lines ps = test::splitLines(s.dir.read("fps_bb.ps"));
    const int second = test::findLine(ps, "%%Page:   2   2");
    ASSERT_GE(second, 0);
    const test::Lines page2(ps.begin() + second,
                            ps.begin() + test::findLine(ps, "%%Page:   3   3"));
    EXPECT_EQ(test::countLines(page2, "(Page 2/2) show"), 1);
    EXPECT_EQ(test::countLines(page2, "(Data 21 -> 21) show"), 1);
    EXPECT_EQ(test::countLines(page2, "(North)"), 1);
    if (test::expectRenders(s.dir.file("fps_bb.ps"), "", 4).exitCode != 0) return;
    expectNet(s.dir.file("fps_bb.ps"), 2, kSchmidt, "equal-area");
    expectNet(s.dir.file("fps_bb.ps"), 4, kWulff, "stereographic");
}

// Each axis is drawn from both planes, and the second plane of twentyone.ndk gives some axes in
// the upward sense: taken downwards, every mark gets the standard symbol of its axis. With the
// defaults (open standard, filled alternate) no mark is filled; with filled standard symbols
// all 126 marks (21 nets, 3 axes, 2 planes) are.
TEST(Sheet, EveryAxisMarkTakesTheStandardSymbol) {
    const std::string filledStandard = "10\n-1\n20\n1\n99\n";
    const struct {
        const char* what;
        std::string symbols;  // answers to 310, or none
        int filled;
    } cases[] = {{"default symbols", "", 0},
                 {"filled standard symbols",
                  "310\n" + filledStandard + filledStandard + filledStandard, 126}};
    for (const auto& c : cases) {
        const Session s("\n1000\n1001\ncat21.ndk\n3000\n" + c.symbols + "1000\n\n\n\n99\n9999\n\n",
                        {{"cat21.ndk", test::testData("twentyone.ndk")}});
        EXPECT_EQ(s.result.status, 0) << c.what;
        const test::Lines ps = test::splitLines(s.dir.read("fps_bb.ps"));
        EXPECT_EQ(test::countLines(ps, "closepath gsave"), c.filled) << c.what;
    }
}

// Axes that lie in the horizontal: a pure normal and a pure thrust fault on 45-degree planes give
// a T and a P axis of plunge 0 exactly, a vertical strike-slip P and T axes that rounding tilts
// either way. Plunge 0 is downward: every mark takes the standard (open) symbol.
TEST(Sheet, HorizontalAxesTakeTheStandardSymbol) {
    std::string made;
    for (const char* planes :
         {"   0 45  -90 180 45  -90", "   0 45   90 180 45   90", "   0 90    0  90 90  180"})
        made += test::joined(test::withField(test::kNdkEvent, 4, 57, planes));
    const Session s("\n1000\n1001\nmade.ndk\n3000\n1000\n\n\n99\n9999\n\n", {{"made.ndk", made}});
    EXPECT_EQ(s.result.status, 0);
    EXPECT_GE(s.find(" Data 1 -> 3"), 0);
    EXPECT_EQ(test::countLines(test::splitLines(s.dir.read("fps_bb.ps")), "closepath gsave"), 0);
}

// A scale that puts the nets far beyond the page: every point of every net is clamped to the
// device range, with one box for each RUN (here two, the second on a new page), not one a point.
TEST(Sheet, OneClampBoxPerRun) {
    const Session s(
        "\n1000\n1001\nthree.ndk\n3000\n11\ny\n\n\n1e9\n\n\n\n1000\n\n\n\n1000\n\n\n99\n9999\n\n",
        {{"three.ndk", test::testData("three.ndk")}});
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" x in meters =  0.100E+08"), 2);
    EXPECT_EQ(s.count(" ===> HIT RETURN TO CONTINUE"), 2);
    test::expectRenders(s.dir.file("fps_bb.ps"), "", 2);
}

// No events: RUN opens the plot file and draws nothing.
TEST(Sheet, EmptyStore) {
    const Session empty("\n3000\n1000\n\n\n99\n9999\n\n");
    EXPECT_EQ(empty.result.status, 0);
    EXPECT_EQ(empty.find(" PLOTTING Page 1/1"), -1);
    EXPECT_EQ(test::countLines(test::splitLines(empty.dir.read("fps_bb.ps")), "(North)"), 0);
    test::expectRenders(empty.dir.file("fps_bb.ps"), "", 1);
}

// The real catalogue of January 2015: 210 events on 11 pages, no axis mark filled.
TEST(Sheet, ARealCatalogue) {
    const std::string real = std::string(TENSOVA_REAL_DATA) + "/gcmt_2015-01_jan15.ndk";
    if (!std::filesystem::exists(real)) GTEST_SKIP() << "real catalogue " << real << " is absent";
    const Session s(
        "\n1000\n1001\njan15.ndk\n3000\n1000\n\n\n" + std::string(10, '\n') + "99\n9999\n\n",
        {{"jan15.ndk", test::readFile(real)}});
    EXPECT_EQ(s.result.status, 0);
    EXPECT_GE(s.find(" PLOTTING Page 11/11"), 0);
    EXPECT_GE(s.find(" Data 201 -> 210"), 0);
    EXPECT_EQ(test::countLines(test::splitLines(s.dir.read("fps_bb.ps")), "closepath gsave"), 0);
    test::expectRenders(s.dir.file("fps_bb.ps"), "", 11);
}

// The lines of a file that begin with `prefix`, and its last line: the file (250 MB) is scanned
// a few megabytes at a time for the prefix, as reading it line by line takes long in a slow
// build.
test::Lines linesBeginningWith(const std::string& path, const std::string& prefix,
                               std::string* last) {
    test::Lines found;
    std::ifstream in(path, std::ios::binary);
    std::vector<char> chunk(4 << 20);
    std::string text = "\n";  // from the newline before the first line not yet scanned
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())), in.gcount() > 0) {
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        for (std::size_t at = text.find(prefix, 1); at != std::string::npos;
             at = text.find(prefix, at + 1)) {
            const std::size_t end = text.find('\n', at);
            if (end == std::string::npos) break;  // the line goes on in the next chunk
            if (text[at - 1] == '\n') found.push_back(text.substr(at, end - at));
        }
        text.erase(0, text.rfind('\n'));
    }
    in.clear();
    in.seekg(-64, std::ios::end);
    const test::Lines tail = test::splitLines(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    *last = tail.empty() ? "" : tail.back();
    return found;
}

// A full store gives 1250 pages: from page 1000 on the page comments name their pages in full.
// Not rendered: Ghostscript takes page comments as comments, and it would spend seconds on the
// 250 MB of nets that the other sheet tests render on their pages.
TEST(Sheet, PageCommentsOfAFullStore) {
    const Session s(
        "\n1000\n1001\nfull.ndk\n3000\n1000\n\n\n" + std::string(1249, '\n') + "99\n9999\n\n",
        {{"full.ndk", test::repeatedNdk(25000)}});
    EXPECT_EQ(s.result.status, 0);
    test::Lines pages;        // the page comments
    std::string count, last;  // the trailer's page count and the file's last line
    for (const std::string& l : linesBeginningWith(s.dir.file("fps_bb.ps"), "%%Page", &last)) {
        if (l.starts_with("%%Page:")) pages.push_back(l);
        if (l.starts_with("%%Pages:")) count = l;
    }
    ASSERT_EQ(pages.size(), 1250u);
    EXPECT_EQ(
        std::count_if(pages.begin(), pages.end(), [](auto& l) { return l.find('*') != l.npos; }),
        0);
    EXPECT_EQ(pages[998], "%%Page: 999 999");
    EXPECT_EQ(pages[999], "%%Page: 1000 1000");
    EXPECT_EQ(pages[1249], "%%Page: 1250 1250");
    EXPECT_EQ(count, "%%Pages: 1250");
    EXPECT_EQ(last, "%%EOF");
}

// After a RUN the scaling offers the lower-left net's placement, not that of the last net drawn
// (the third, 9 cm higher).
TEST(Sheet, ScalingOffersTheSheetsOwnPlacement) {
    const Session s("\n1000\n1001\nthree.ndk\n3000\n1000\n\n\n11\n\n99\n9999\n\n",
                    {{"three.ndk", test::testData("three.ndk")}});
    EXPECT_EQ(s.result.status, 0);
    const int scaling = s.find("  SCALING FOR LOWER LEFT STEREO ");
    ASSERT_GE(scaling, 0);
    EXPECT_GE(s.find(" |ycm|   |  0.000   1.500|   |yu|   |  4.000|", scaling), 0);
}

}  // namespace
}  // namespace tensova

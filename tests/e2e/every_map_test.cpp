// Every map whole on its page: each projection on five frames (the default, the world, a polar
// cap, a frame across the date line, a high-latitude frame) at tick sizes 1, 5 and 45, drawn
// through the binary with a few events inside the frames. On each page every line (grid, ticks,
// epicentres) and every label stands on the page and below the heading's lowest line, no label
// stands on another, every label stands by a line or tick, and a map that shows its frame is no
// stamp: its grid spans a third of the room in width or in height; a page that cannot show its
// frame holds no line and no label. The stress symbols, of their own size on the paper, are not
// what the fit holds: these events show their epicentres alone. The fit holds the frame and the
// grid's marks, never the events: another catalogue with its stress symbols gives the same grid.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "e2e/map_files.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova {
namespace {

using test::PlotPage;
using test::PsText;

const PlotPage kPages[] = {test::kPortrait, test::kA4Landscape};

// A projection and its keys from the map's menu: its number, and 99 at each of its dialogs
// and the origin's, or the answers given; the perspective maps see the globe under 30 degrees.
struct Projection {
    const char* name;
    int number, dialogs;
    const char* angle = "";
    // How many of the 15 maps show enough of their frame to be labelled.
    int labelled = 9;
    std::string answers = {};  // at its dialogs and the origin's, where not 99 at each
    std::string keys() const {
        std::string k = "300\n" + std::to_string(number) + "\n99\n" + angle;
        if (!answers.empty()) return k + answers;
        for (int d = 0; d <= dialogs; ++d) k += "99\n";
        return k;
    }
};
const Projection kProjections[] = {
    {"transverse_Mercator", 1, 1},
    {"ellipsoidal_transverse_Mercator", 2, 2},
    {"Lambert_conic", 3, 3},
    {"ellipsoidal_Lambert_conic", 4, 4},
    // Its standard parallels 30 and 60 S: its apex is the south pole, the north pole at infinity.
    {"southern_Lambert_conic", 3, 3, "", 9, "99\n1\n-30\n99\n1\n-60\n99\n99\n"},
    {"polar_equal_area", 5, 1},
    {"oblique_equal_area", 6, 2},
    {"polar_stereographic", 7, 1},
    {"oblique_stereographic", 8, 2},
    {"polar_orthographic", 9, 1},
    {"oblique_orthographic", 10, 1},
    {"polar_perspective", 11, 1, "1\n30\n"},
    {"oblique_perspective", 12, 2, "1\n30\n"},
    {"polyconic", 13, 1},
    // Its sheet of 30..60 N about 0 shows the cap of 31.5 degrees about 45 N: the frames across
    // the date line lie beyond it, and of the other frames' edges only the polar cap's at 60 N
    // reaches into it, labelled with ticks of 1 and 5 degrees.
    {"Lallemand", 14, 5, "", 2},
    {"Mercator", 15, 0},
    {"ellipsoidal_Mercator", 16, 1},
    {"polar_gnomonic", 17, 0},
    {"oblique_gnomonic", 18, 1},
    {"Albers", 19, 1},
    {"Bonne", 20, 1},
    {"Werner", 21, 0},
    {"Sanson_Flamsteed", 22, 0},
    {"cylindrical_equal_area", 23, 0},
    {"Mollweide", 24, 1},
    {"Van_der_Grinten", 25, 1},
};

// The grid's menu keys of each frame (none for the default frame).
const std::array<std::array<const char*, 2>, 5> kFrames = {{
    {"the default frame", ""},
    {"the world", "10\n-90 90 30\n20\n-180 180 30\n"},
    {"a polar cap", "10\n60 90 10\n20\n-180 180 30\n"},
    {"across the date line", "10\n-30 -10 5\n20\n170 -170 5\n"},
    {"a high-latitude frame", "10\n55 80 5\n20\n160 -140 10\n"},
}};

// Events inside the frames, some on their northern edges, and one half a degree from the north
// pole, which a map that sends the pole to infinity leaves out; the others spread over each
// frame, so that the events a map shows span it.
const std::string kEvents =
    test::thrustAt(-20, 178) + test::thrustAt(67, -150) + test::thrustAt(70, 5) +
    test::thrustAt(30, 40) + test::thrustAt(89.5, 100) + test::thrustAt(80, 0) +
    test::thrustAt(-10, 175) + test::thrustAt(80, -160) + test::thrustAt(-30, -60) +
    test::thrustAt(-30, 60) + test::thrustAt(15, -70) + test::thrustAt(15, 70) +
    test::thrustAt(62, -60) + test::thrustAt(62, 60) + test::thrustAt(62, 150) +
    test::thrustAt(-28, 172) + test::thrustAt(-12, 188) + test::thrustAt(57, 165) +
    test::thrustAt(57, 215);
// Another catalogue, of the events on the frames' northern edges alone: their stress symbols
// reach beyond the grid's marks, towards the heading.
const std::string kEdgeEvents =
    test::thrustAt(80, 0) + test::thrustAt(-10, 175) + test::thrustAt(80, -160);

// How far the heading's letters reach above and below their baseline, in ems.
constexpr double kAscent = 0.72, kDescent = 0.25;
// The page's margins at the left, the right and the bottom, points: 2 cm.
constexpr double kMargin = 2 * 28.35;

// One map drawn: its page, and whether the map shows any of its frame (else it cannot be
// fitted, and says so).
struct Drawn {
    test::PsPage page;
    bool shown = false;
    int events = 0;  // how many it draws
    // Whether its ticks are no longer than its frame is tall: else they make the map, and its
    // frame, which holds the events, is a part of it.
    bool ticksWithinFrame = true;
    test::Lines transcript;
};

// How far the ink of a label stands from the nearest line that is not an epicentre.
double fromLines(const std::array<double, 4>& ink, const std::vector<test::PsPath>& paths) {
    double nearest = 1e9;
    for (const test::PsPath& p : paths) {
        if (p.closed) continue;
        for (std::size_t k = 0; k < p.points.size(); ++k) {
            // The chord to the next point, or the point alone, sampled every half point.
            const auto& a = p.points[k];
            const auto& b = p.points[k + 1 < p.points.size() ? k + 1 : k];
            const int n = 1 + static_cast<int>(std::hypot(b[0] - a[0], b[1] - a[1]) / 0.5);
            for (int j = 0; j <= n; ++j) {
                const double x = a[0] + (b[0] - a[0]) * j / n, y = a[1] + (b[1] - a[1]) * j / n;
                nearest = std::min(nearest, std::hypot(std::max({ink[0] - x, 0.0, x - ink[2]}),
                                                       std::max({ink[1] - y, 0.0, y - ink[3]})));
            }
        }
    }
    return nearest;
}

// The area (square points) of the smallest convex region that holds the open paths' points.
double hullArea(const std::vector<test::PsPath>& paths) {
    std::vector<std::array<double, 2>> p;
    for (const test::PsPath& path : paths)
        if (!path.closed) p.insert(p.end(), path.points.begin(), path.points.end());
    std::sort(p.begin(), p.end());
    p.erase(std::unique(p.begin(), p.end()), p.end());
    if (p.size() < 3) return 0;
    const auto turn = [](const auto& o, const auto& a, const auto& b) {
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
    };
    // Andrew's chain, lower and then upper, and the shoelace around it.
    std::vector<std::array<double, 2>> h;
    for (int pass = 0; pass < 2; ++pass) {
        const std::size_t start = h.size();
        for (const auto& q : p) {
            while (h.size() >= start + 2 && turn(h[h.size() - 2], h.back(), q) <= 0) h.pop_back();
            h.push_back(q);
        }
        h.pop_back();
        std::reverse(p.begin(), p.end());
    }
    double twice = 0;
    for (std::size_t k = 0; k < h.size(); ++k) {
        const auto& a = h[k];
        const auto& b = h[(k + 1) % h.size()];
        twice += a[0] * b[1] - b[0] * a[1];
    }
    return 0.5 * std::fabs(twice);
}

// A label stands by its line or tick: its ink within its own height, and the room above a
// digit's top, of a line (1.2 of the font's size, some 17 points).
constexpr double kByItsLine = 1.2;

// The height (degrees) of the frame of the grid's menu keys; the default frame's is 160.
double frameHeight(const char* grid) {
    double south = -80, north = 80;
    std::sscanf(grid, "10\n%lf %lf", &south, &north);
    return north - south;
}

// What of one map stands off the page, on the heading, on another label or away from every
// line, or how it is a stamp (its lines spread over less than `least` of the paper), or what a
// page that cannot show its frame holds; empty when all is well.
std::string faults(const Drawn& map, const PlotPage& page, double least = 0.0025) {
    const test::PsPage& drawn = map.page;
    const auto at = [](double x, double y) {
        return " at " + std::to_string(x) + " " + std::to_string(y);
    };
    const bool labelled = std::any_of(drawn.texts.begin(), drawn.texts.end(),
                                      [](const PsText& t) { return t.number(); });
    if (!map.shown && (!drawn.paths.empty() || labelled))
        return "a page that cannot show its frame holds a line or a label";
    // The heading's lines stand on the page, at its top.
    double heading = page.height();
    for (const PsText& t : drawn.texts) {
        if (t.number()) continue;
        if (t.x < 0 || t.x > page.width() || t.y < 0 || t.y + kAscent * t.size > page.height())
            return "the heading's " + t.text + " off the page" + at(t.x, t.y);
        heading = std::min(heading, t.y - kDescent * t.size);
    }
    if (heading < page.height() - 3 * 28.35) return "the heading below the page's top 3 cm";
    const auto widen = [](std::array<double, 4>& box, double x, double y) {
        box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
    };
    std::array<double, 4> grid{1e9, 1e9, -1e9, -1e9}, events = grid;
    for (const test::PsPath& p : drawn.paths) {
        for (const auto& [x, y] : p.points) {
            if (x < 0 || x > page.width() || y < 0) return "a line off the page" + at(x, y);
            if (y > heading) return "a line on the heading" + at(x, y);
            if (!p.closed) widen(grid, x, y);
        }
        // An epicentre's symbol is closed back to its first point (a stress arm's outline is
        // not): its event stands in the middle of its box.
        if (!p.closed || p.points.size() < 3 || p.points.front() != p.points.back()) continue;
        std::array<double, 4> symbol{1e9, 1e9, -1e9, -1e9};
        for (const auto& [x, y] : p.points) widen(symbol, x, y);
        widen(events, 0.5 * (symbol[0] + symbol[2]), 0.5 * (symbol[1] + symbol[3]));
    }
    // No map is a dot: where it draws two events or more, they span a quarter of the map's
    // larger side (its grid's lines and ticks) in width or in height, unless its ticks make it.
    // Nor a line or a sliver: the grid's lines and ticks span at least a quarter of a percent of
    // the paper (a frame that the reach cuts spreads over a percent of it, or is not shown).
    if (map.shown && hullArea(drawn.paths) < least * page.width() * page.height())
        return "a map of " + std::to_string(hullArea(drawn.paths)) + " square points" +
               at(grid[0], grid[1]);
    const double side = std::max(grid[2] - grid[0], grid[3] - grid[1]);
    if (map.events > 1 && map.ticksWithinFrame &&
        4 * std::max(events[2] - events[0], events[3] - events[1]) < side)
        return "the events in " + std::to_string(events[2] - events[0]) + " by " +
               std::to_string(events[3] - events[1]) + " of a map of " + std::to_string(side) +
               at(events[0], events[1]);
    // The grid's lines and ticks, where the map shows any of its frame, span a third of the room
    // below the heading in width or in height.
    if (map.shown && 3 * (grid[2] - grid[0]) < page.width() - 2 * kMargin &&
        3 * (grid[3] - grid[1]) < heading - kMargin)
        return "a stamp of " + std::to_string(grid[2] - grid[0]) + " by " +
               std::to_string(grid[3] - grid[1]) + at(grid[0], grid[1]);
    std::vector<PsText> labels;
    for (const PsText& l : drawn.texts) {
        if (!l.number()) continue;
        const auto ink = test::inkBox(l);
        if (ink[0] < 0 || ink[2] > page.width() || ink[1] < 0)
            return "the label " + l.text + " off the page" + at(l.x, l.y);
        if (ink[3] > heading) return "the label " + l.text + " on the heading" + at(l.x, l.y);
        for (const PsText& k : labels)
            if (test::overlap(ink, test::inkBox(k)))
                return "the label " + l.text + " on " + k.text + at(l.x, l.y);
        const double away = fromLines(ink, drawn.paths);
        if (away > kByItsLine * l.size)
            return "the label " + l.text + " " + std::to_string(away) + " points from any line" +
                   at(l.x, l.y);
        labels.push_back(l);
    }
    return "";
}

// One map: the projection, the grid's frame and its ticks, on the page, of the catalogue's
// epicentres, or with `stress` their stress symbols too.
Drawn drawn(const Projection& projection, const char* grid, const char* tick, const PlotPage& page,
            const std::string& events = kEvents, bool stress = false) {
    test::Files files = {{"e.ndk", events}};
    if (!page.settings.empty()) files.push_back({"pslib7_ini.txt", page.settings});
    // The boxes of events off the map and of the origin take the blank lines; one left over
    // leaves the map's menu.
    const test::Session s("\n1000\n1001\ne.ndk\n2001\n" + projection.keys() + "320\n" + grid +
                              "33\n" + tick + "\n99\n342\n" + (stress ? "y" : "n") +
                              "\n343\nn\n340\nn\n" + "1000\n" + page.opening +
                              "map.ps\n\n\n\n\n20\n\n9999\n\n",
                          files);
    EXPECT_EQ(s.result.status, 0);
    const auto pages = test::psPages(s.dir.read("map.ps"));
    EXPECT_EQ(pages.size(), 1u);
    // The events drawn: those of the catalogue, each a record that starts with its hypocentre,
    // less those the warning counts off the map.
    int drawnEvents = 0;
    for (std::size_t at = events.find("PDE "); at != events.npos; at = events.find("PDE ", at + 1))
        ++drawnEvents;
    for (const std::string& line : s.lines)
        if (line.starts_with(" events off the map projection ="))
            drawnEvents -= std::stoi(line.substr(line.find('=') + 1));
    return {pages.empty() ? test::PsPage{} : pages[0],
            s.count(" the grid box has no extent on the map") == 0, drawnEvents,
            std::atof(tick) <= frameHeight(grid), s.lines};
}

// The grid of a page: its open paths (lines and ticks; the events' symbols are closed) and its
// labels, as the file writes them.
std::string gridOf(const test::PsPage& page) {
    std::string out;
    for (const test::PsPath& p : page.paths) {
        if (p.closed) continue;
        for (const auto& [x, y] : p.points)
            out += std::to_string(x) + " " + std::to_string(y) + ",";
        out += "\n";
    }
    for (const PsText& t : page.texts)
        if (t.number())
            out += t.text + " at " + std::to_string(t.x) + " " + std::to_string(t.y) + "\n";
    return out;
}

void PrintTo(const Projection& p, std::ostream* os) {
    *os << p.name;
}

class EveryMap : public testing::TestWithParam<std::tuple<Projection, PlotPage>> {};

TEST_P(EveryMap, WholeOnItsPageBelowItsHeading) {
    const auto& [projection, page] = GetParam();
    int labelled = 0;
    for (const auto& [frame, grid] : kFrames)
        for (const char* tick : {"1", "5", "45"}) {
            SCOPED_TRACE(std::string(frame) + ", ticks of " + tick + " degrees");
            const Drawn map = drawn(projection, grid, tick, page);
            EXPECT_EQ(faults(map, page), "");
            // One frame and its settings: the same grid whatever catalogue the map draws.
            if (std::string(tick) == "5") {
                EXPECT_EQ(gridOf(drawn(projection, grid, tick, page, kEdgeEvents, true).page),
                          gridOf(map.page));
            }
            labelled += std::any_of(map.page.texts.begin(), map.page.texts.end(),
                                    [](const PsText& t) { return t.number(); });
        }
    // Not a check that passes on blank pages: the frames the projection shows are labelled.
    EXPECT_GE(labelled, projection.labelled);
}

// A frame that the map does not show at all (Tonga, more than 80 degrees from the centre of a
// gnomonic map about 0/45) cannot be fitted; its ticks of 90 degrees reach into what the map
// shows, and those marks that would stand off the page are left out.
class OnEachPage : public testing::TestWithParam<PlotPage> {};

TEST_P(OnEachPage, MarksOfAFrameTheMapDoesNotShow) {
    const Projection gnomonic{"oblique_gnomonic", 18, 1};
    EXPECT_EQ(faults(drawn(gnomonic, kFrames[3][1], "90", GetParam()), GetParam()), "");
}

// A page that cannot show its frame holds no line and no label: Mercator shows a frame of no
// height (10 to 10 N) as a line, and cannot fit it; nor an event on it, which the warning counts
// off the map.
TEST(Maps, APageThatCannotShowItsFrameHoldsNoMark) {
    const Drawn map = drawn({"Mercator", 15, 0}, "10\n10 10 5\n", "1", test::kPortrait,
                            kEvents + test::thrustAt(10, 0));
    EXPECT_FALSE(map.shown);
    EXPECT_EQ(map.events, 0);
    EXPECT_EQ(faults(map, test::kPortrait), "");
}

// A map that cannot show its frame says so in one warning box, whose pause takes one line, and
// leaves the text alignment as a drawn grid leaves it (-7, as the plot parameters show it): the
// polar perspective with its defaults sees 90 degrees about the north pole, none of the default
// frame's 80 S to 80 N; the default Mercator draws its grid. Each RUN has exactly the returns of
// its boxes (the perspective's origin too), so that an answer taken by a pause that is not there,
// or left over by one that is, ends the run at the next question.
TEST(Maps, AFrameTheMapCannotShowHasOneBoxAndLeavesTheGridsAlignment) {
    const test::Lines box = {" ///////////////////////////////////////////",
                             " ///        subroutine mapseis           ///",
                             " ///               WARNING               ///",
                             " ///////////////////////////////////////////",
                             " the grid box has no extent on the map",
                             " ==> SCALING UNCHANGED",
                             " ===> HIT RETURN TO CONTINUE",
                             " ///////////////////////////////////////////",
                             " ====================================",
                             " PLOTTING LAT LONG GRID"};
    const struct {
        const char* name;
        const char* projection;  // the map menu's keys, and the returns of the origin's box
        const char* pause;       // the return of the grid box's box
    } cases[] = {{"the default Mercator", "", ""},
                 {"the polar perspective with its defaults", "300\n11\n99\n99\n99\n\n", "\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::Session s(std::string("\n2001\n") + c.projection + "1000\n\nmap.ps\n" +
                              c.pause + "99\n99\n99\n330\n32\n\n99\n20\n\n9999\n");
        EXPECT_EQ(s.result.status, 0);
        const bool hidden = *c.pause != '\0';
        EXPECT_EQ(s.count(box[4]), hidden ? 1 : 0);
        if (hidden) {
            EXPECT_EQ(test::block(s.lines, box), box);
        }
        EXPECT_EQ(s.count(" currently stored   :     -7"), 1);
        test::expectRenders(s.dir.file("map.ps"), "", 1);
    }
}

// A mark stands by its line: the oblique gnomonic about 0/45 shows the western edge of 100..200
// by 30 S..60 N from 30 N up (75.7 degrees from its centre; 20 N lies 82.7 degrees out, beyond
// its 80), and the eastern edge only at 60 N. The ticks of 45 degrees of the parallels 30 S to
// 20 N, whose feet it does not show, would run westwards into it: they and their labels are
// left out.
TEST(Maps, NoMarkWhereTheMapDoesNotShowItsLine) {
    const Drawn map = drawn({"oblique_gnomonic", 18, 1}, "10\n-30 60 10\n20\n100 200 10\n", "45",
                            test::kPortrait);
    EXPECT_EQ(faults(map, test::kPortrait), "");
    int shown = 0;
    for (const PsText& t : map.page.texts) {
        if (!t.number() || std::stod(t.text) >= 100) continue;
        EXPECT_GE(std::stod(t.text), 30) << t.text;
        ++shown;
    }
    EXPECT_GT(shown, 0);
}

// Where the frame's top or bottom edge lies beyond the rim, the rim is that edge, with the
// meridians' labels on it: the world on Mercator (rims at 89 S and N), on a Lambert conic (89 S),
// on a polar equal-area map of 120 degrees (30 S) and on the polar gnomonic (10 N), whose poles
// hold one label at the most. The meridians' labels are those beyond 90.
TEST(Maps, TheRimIsTheEdgeThatLiesBeyondIt) {
    const Projection kRims[] = {
        {"Mercator", 15, 0},
        {"Lambert_conic", 3, 3},
        {"polar_equal_area_of_120_degrees", 5, 1, "", 9, "1\n120\n99\n99\n"},
        {"polar_gnomonic", 17, 0}};
    for (const Projection& p : kRims) {
        SCOPED_TRACE(p.name);
        const Drawn map = drawn(p, kFrames[1][1], "1", test::kPortrait);
        EXPECT_EQ(faults(map, test::kPortrait), "");
        EXPECT_GE(std::count_if(map.page.texts.begin(), map.page.texts.end(),
                                [](const PsText& t) {
                                    return t.number() && std::fabs(std::stod(t.text)) > 90;
                                }),
                  5);
    }
}

// A frame that the projection shows whole is a map however thin, with its events: a strip along
// the equator on Mercator, 17 cm by 2.4 mm; the equatorial band; a band along the central
// meridian of the ellipsoidal transverse Mercator about 143 W on a landscape page; the polar cap
// on the cylindrical equal-area map. A frame that the reach cuts and that would print as a line
// is not drawn, and its box says why: a corner of Lallemand's sheet (its cap of 31.5 degrees
// about 45 N) inside the western meridian, 47.55 E; the point 190 E 60 N, 80 degrees from the
// oblique gnomonic's centre at 190 E 20 S, all that it shows of 60..90 N; and a lens at its
// reach, 80 degrees from 37 E on the equator, 190 by 3 points on a landscape US letter page.
TEST(Maps, AThinFrameShownWholeIsAMapAndACutOnePrintedAsALineIsNot) {
    const test::Lines box = {" the grid box has no extent on the map",
                             " the projection shows only a point, a line or a sliver of the frame",
                             " ==> SCALING UNCHANGED"};
    const std::string events = test::thrustAt(0.5, 120) + test::thrustAt(1, 150) +
                               test::thrustAt(-2, -100) + test::thrustAt(-20, -143) +
                               test::thrustAt(70, 10) + test::thrustAt(80, -100);
    const std::string equator = "1\n37\n2\n0\n99\n", centre = "1\n190\n2\n-20\n99\n";
    const struct {
        const char* name;
        Projection projection;
        const char* grid;
        PlotPage page;
        int events;  // how many it draws; none, and the box, where it is not shown
        bool shown = true;
    } cases[] = {
        {"a strip on Mercator",
         {"Mercator", 15, 0},
         "10\n0 1 1\n20\n90 160 10\n",
         test::kPortrait,
         2},
        {"the equatorial band on Mercator",
         {"Mercator", 15, 0},
         "10\n-2.5 2.5 1\n20\n-180 180 30\n",
         test::kPortrait,
         3},
        {"a meridian's band",
         {"ellipsoidal_transverse_Mercator", 2, 2, "", 0, "99\n1\n-143\n99\n99\n"},
         "10\n-40 0 10\n20\n-143.25 -142.75 0.25\n",
         test::kA4Landscape,
         1},
        {"a polar cap on the cylindrical equal-area map",
         {"cylindrical_equal_area", 23, 0},
         "10\n60 90 10\n20\n-180 180 30\n",
         test::kPortrait,
         2},
        {"a corner of Lallemand's sheet",
         {"Lallemand", 14, 5},
         "10\n30 60 10\n20\n47.55 80 10\n",
         test::kPortrait,
         0,
         false},
        {"a point at the oblique gnomonic's reach",
         {"oblique_gnomonic", 18, 1, "", 0, centre + centre},
         "10\n60 90 10\n20\n-180 180 30\n",
         test::kPortrait,
         0,
         false},

        {"a lens at the oblique gnomonic's reach",
         {"oblique_gnomonic", 18, 1, "", 0, equator + equator},
         "10\n-89.999 -79.999 3.333\n20\n27 47 5\n",
         test::kLetterLandscapeKept,
         0,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Drawn map = drawn(c.projection, c.grid, "1", c.page, events);
        EXPECT_EQ(faults(map, c.page), "");
        EXPECT_EQ(map.shown, c.shown);
        EXPECT_EQ(map.events, c.events);
        EXPECT_EQ(test::block(map.transcript, box) == box, !c.shown);
    }
}

// Mercator from 79 S to 79 N with ticks of 11 degrees: the ticks of the top and bottom edges run
// to the rim at 89 degrees and would make the map smaller than half of its first fit, in which
// the frame's height, 2 ln tan 84.5 = 4.6808 earth radii, fills the page's box, 25 cm from its
// bottom margin to 0.2 cm below the heading. It keeps at least half: its meridians span 160
// degrees at 25 cm / 4.6808 / 2 a radius or more. Half is where it stops: a little less than
// half would hold all its marks (49.5 %, 1 % narrower), so the bound is tight, a point's share
// of the file's rounding off it.
TEST(Maps, NeverSmallerThanHalfOfTheFirstFit) {
    const Drawn map = drawn({"Mercator", 15, 0}, "10\n-79 79 10\n", "11", test::kPortrait);
    double west = 1e9, east = -1e9;
    for (const test::PsPath& p : map.page.paths) {
        const bool upright = std::all_of(p.points.begin(), p.points.end(),
                                         [&](const auto& q) { return q[0] == p.points[0][0]; });
        if (p.closed || p.points.size() < 2 || !upright) continue;
        west = std::min(west, p.points[0][0]);
        east = std::max(east, p.points[0][0]);
    }
    const double half = 0.5 * 25 * (72 / 2.54) / 4.6808 * (160 * M_PI / 180);
    EXPECT_GE(east - west, 0.998 * half);
}

// Frames at the edge of a projection's reach. Each map's reach is bounded by a circle on the
// globe: the ground within `radius` degrees of (lon, lat) is shown, or (`within` false) the
// ground beyond it. Frames are built at the circle's northernmost, southernmost, easternmost and
// westernmost points: beyond the reach and touching it there (at the point, or along a parallel
// where the circle is one), overlapping it by slivers of 0.01 to 5 degrees, or 0.01 beyond it.
// The reaches: 80 degrees for the gnomonic and from the transverse Mercators' great circle, 89
// from Mercator's equator, the central angle or the perspective's 90 less half its view, 31.5
// about the middle of Lallemand's sheet, and for the Lambert conics (parallels 30 and 60) where
// the scale is sec 80 times its least, from the cone constant n, for the sphere and GRS80:
//   n = ln(cos f1 / cos f2) / ln(tan(pi/4 + f2/2) / tan(pi/4 + f1/2)) (ellipsoid: m and t)
//   z: n ln tan(z/2) - ln sin z = [same at acos n] + ln sec 80, by bisection (python3)
struct Circle {
    double lon, lat, radius;
    bool within = true;
};
struct AtItsReach {
    Projection projection;
    std::vector<Circle> circles;
};

// The grid's keys of a frame, 5 degrees between lines.
std::string frameKeys(double south, double north, double west, double east) {
    char keys[160];
    std::snprintf(keys, sizeof keys, "10\n%.4f %.4f 5\n20\n%.4f %.4f 5\n", std::max(south, -90.0),
                  std::min(north, 90.0), west, east);
    return keys;
}

// A frame at a reach, and whether it lies beyond it, touching it at most at a point or along a
// line: such a frame the map cannot show.
struct EdgeFrame {
    std::string keys;
    bool beyond;
};

std::vector<EdgeFrame> framesAt(const Circle& c) {
    const double rad = M_PI / 180;
    std::vector<EdgeFrame> frames;
    // Caps about a pole have a parallel for their circle: a whole turn touches it along a line.
    const bool polar = std::fabs(c.lat) == 90;
    const double w1 = polar ? -180 : c.lon - 30, w2 = polar ? 180 : c.lon + 30;
    const double deep = c.within ? 20 : std::min(20.0, c.radius);
    const double north = c.lat + c.radius, south = c.lat - c.radius;
    // Towards the ground shown: 0.01 beyond, touching, overlaps (negative).
    for (const double s : {0.01, 0.0, -0.01, -0.1, -1.0, -5.0, -10.0}) {
        // Where the near edge stands: the circle's extreme, moved s away from the ground shown.
        const double out = c.within ? s : -s;
        // A frame outside a cap lies beyond it; one inside a hole only where the hole is polar
        // (elsewhere its corners stand beyond the hole).
        const auto add = [&](std::string keys, bool beyondWhereNotOverlapping) {
            frames.push_back({std::move(keys), s >= 0 && beyondWhereNotOverlapping});
        };
        const bool beyond = c.within || polar;
        if (north < 90)
            add(c.within ? frameKeys(north + out, north + out + deep, w1, w2)
                         : frameKeys(north + out - deep, north + out, w1, w2),
                beyond);
        if (south > -90)
            add(c.within ? frameKeys(south - out - deep, south - out, w1, w2)
                         : frameKeys(south - out, south - out + deep, w1, w2),
                beyond);
        if (c.radius >= 90 - std::fabs(c.lat)) continue;
        if (!c.within && c.lat == 0) {
            // The square inside a hole about the equator whose corners lie on its circle, moved
            // out: a rectangle touching it from within has corners beyond it elsewhere.
            const double a = std::acos(std::sqrt(std::cos((c.radius + out) * rad))) / rad;
            add(frameKeys(-a, a, c.lon - a, c.lon + a), true);
        }
        // The meridians tangent to the circle, and where they touch it.
        const double dl = std::asin(std::sin(c.radius * rad) / std::cos(c.lat * rad)) / rad;
        const double at = std::asin(std::sin(c.lat * rad) / std::cos(c.radius * rad)) / rad;
        const double east = c.lon + dl + out, west = c.lon - dl - out;
        add(c.within ? frameKeys(at - 15, at + 15, east, east + deep)
                     : frameKeys(at - 15, at + 15, east - deep, east),
            c.within);
        add(c.within ? frameKeys(at - 15, at + 15, west - deep, west)
                     : frameKeys(at - 15, at + 15, west, west + deep),
            c.within);
    }
    return frames;
}

// Each projection that has a reach, about a centre off the prime meridian where it has one.
const std::string kCentre = "1\n190\n2\n-20\n99\n";
const AtItsReach kAtItsReach[] = {
    {{"transverse_Mercator", 1, 1}, {{90, 0, 10, false}}},
    {{"ellipsoidal_transverse_Mercator", 2, 2}, {{90, 0, 10, false}}},
    {{"Lambert_conic", 3, 3}, {{0, 90, 146.76417}}},
    {{"ellipsoidal_Lambert_conic", 4, 4}, {{0, 90, 146.75972}}},
    {{"polar_equal_area", 5, 1, "", 0, "1\n60\n99\n99\n"}, {{0, 90, 60}}},
    {{"oblique_equal_area", 6, 2, "", 0, "1\n60\n99\n" + kCentre + kCentre}, {{190, -20, 60}}},
    {{"polar_stereographic", 7, 1, "", 0, "1\n60\n99\n99\n"}, {{0, 90, 60}}},
    {{"oblique_stereographic", 8, 2, "", 0, "1\n60\n99\n" + kCentre + kCentre}, {{190, -20, 60}}},
    {{"polar_orthographic", 9, 1, "", 0, "1\n60\n99\n99\n"}, {{0, 90, 60}}},
    {{"oblique_orthographic", 10, 1, "", 0, kCentre + kCentre}, {{190, -20, 90}}},
    {{"polar_perspective", 11, 1, "", 0, "1\n60\n99\n99\n"}, {{0, 90, 60}}},
    {{"oblique_perspective", 12, 2, "", 0, "1\n60\n99\n" + kCentre + kCentre}, {{190, -20, 60}}},
    {{"Lallemand", 14, 5}, {{0, 45, 31.5}}},
    {{"Mercator", 15, 0}, {{0, 90, 1, false}, {0, -90, 1, false}}},
    {{"ellipsoidal_Mercator", 16, 1}, {{0, 90, 1, false}}},
    {{"polar_gnomonic", 17, 0}, {{0, 90, 80}}},
    {{"oblique_gnomonic", 18, 1, "", 0, kCentre + kCentre}, {{190, -20, 80}}},
};

// The event stands where none of the frames reaches: only the grid is drawn.
const std::string kFarEvent = test::thrustAt(-45, -100);

class AtTheReach : public testing::TestWithParam<std::tuple<AtItsReach, PlotPage>> {};

void PrintTo(const AtItsReach& p, std::ostream* os) {
    *os << p.projection.name;
}

// A frame the projection shows only as a point, a line or a sliver is one it cannot show: the
// box, and no mark; every other map stands whole on its page below its heading.
TEST_P(AtTheReach, EveryFrameWholeOrNotShown) {
    const auto& [at, page] = GetParam();
    int shown = 0, hidden = 0;
    for (const Circle& c : at.circles)
        for (const EdgeFrame& frame : framesAt(c)) {
            SCOPED_TRACE(frame.keys);
            const Drawn map = drawn(at.projection, frame.keys.c_str(), "1", page, kFarEvent);
            EXPECT_EQ(faults(map, page, 0.01), "");
            if (frame.beyond) {
                EXPECT_FALSE(map.shown);
            }
            ++(map.shown ? shown : hidden);
        }
    // Not a check that passes on blank pages alone, nor one that shows every sliver.
    EXPECT_GT(shown, 0);
    EXPECT_GT(hidden, 0);
}

INSTANTIATE_TEST_SUITE_P(Maps, OnEachPage, testing::ValuesIn(kPages),
                         [](const testing::TestParamInfo<PlotPage>& page) {
                             return std::string(page.param.name);
                         });

INSTANTIATE_TEST_SUITE_P(Maps, AtTheReach,
                         testing::Combine(testing::ValuesIn(kAtItsReach),
                                          testing::ValuesIn(kPages)),
                         [](const testing::TestParamInfo<AtTheReach::ParamType>& map) {
                             return std::string(std::get<0>(map.param).projection.name) + "_" +
                                    std::get<1>(map.param).name;
                         });

INSTANTIATE_TEST_SUITE_P(
    Maps, EveryMap, testing::Combine(testing::ValuesIn(kProjections), testing::ValuesIn(kPages)),
    [](const testing::TestParamInfo<EveryMap::ParamType>& map) {
        return std::string(std::get<0>(map.param).name) + "_" + std::get<1>(map.param).name;
    });

}  // namespace
}  // namespace tensova

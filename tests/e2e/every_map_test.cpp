// Every map whole on its page: each projection on five frames (the default, the world, a polar
// cap, a frame across the date line, a high-latitude frame) at tick sizes 1, 5 and 45, drawn
// through the binary with a few events inside the frames. On each page every line (grid, ticks,
// epicentres) and every label stands on the page and below the heading's lowest line, and no
// label stands on another. The stress symbols, of their own size on the paper, are not what the
// fit holds: the events show their epicentres alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "e2e/map_files.hpp"
#include "e2e/session.hpp"

namespace tensova {
namespace {

using test::PsText;

// A page: the answers to the RUN's page settings before the file's name, and its size in the
// drawing's points.
struct Page {
    const char* name;
    const char* settings;
    double width, height;
};
const Page kPages[] = {
    {"portrait", "\n", 595, 842},
    {"landscape", "n\n\n\nLA4\n\n", 842, 595},
};

// A projection and its keys from the map's menu: its number, and 99 at each of its dialogs
// and the origin's; the perspective maps see the globe under 30 degrees.
struct Projection {
    const char* name;
    int number, dialogs;
    const char* angle = "";
    // How many of the 15 maps show enough of their frame to be labelled.
    int labelled = 9;
    std::string keys() const {
        std::string k = "300\n" + std::to_string(number) + "\n99\n" + angle;
        for (int d = 0; d <= dialogs; ++d) k += "99\n";
        return k;
    }
};
const Projection kProjections[] = {
    {"transverse_Mercator", 1, 1},
    {"ellipsoidal_transverse_Mercator", 2, 2},
    {"Lambert_conic", 3, 3},
    {"ellipsoidal_Lambert_conic", 4, 4},
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

// Events inside the frames, away from their northern edges.
const std::string kEvents = test::thrustAt(-20, 178) + test::thrustAt(67, -150) +
                            test::thrustAt(70, 5) + test::thrustAt(30, 40);

// The advance widths of a number's characters (Helvetica, in ems) and how far its ink reaches
// below and above the baseline.
double inkWidth(const std::string& text) {
    double w = 0;
    for (const char c : text) w += c == '.' ? 0.278 : c == '-' ? 0.333 : 0.556;
    return w;
}
constexpr double kInkBottom = -0.02, kInkTop = 0.72;
// Below their baseline the heading's letters reach a quarter of an em.
constexpr double kDescent = 0.25;

// What of one map stands off the page, on the heading or on another label; empty when all is
// well.
std::string faults(const std::string& ps, const Page& page) {
    const auto texts = test::psTexts(ps);
    const auto at = [](double x, double y) {
        return " at " + std::to_string(x) + " " + std::to_string(y);
    };
    // The heading's lines stand on the page, at its top.
    double heading = page.height;
    for (const PsText& t : texts) {
        if (t.number()) continue;
        if (t.x < 0 || t.x > page.width || t.y < 0 || t.y + kInkTop * t.size > page.height)
            return "the heading's " + t.text + " off the page" + at(t.x, t.y);
        heading = std::min(heading, t.y - kDescent * t.size);
    }
    if (heading < page.height - 3 * 28.35) return "the heading below the page's top 3 cm";
    for (const test::PsPath& p : test::psPaths(ps))
        for (const auto& [x, y] : p.points) {
            if (x < 0 || x > page.width || y < 0) return "a line off the page" + at(x, y);
            if (y > heading) return "a line on the heading" + at(x, y);
        }
    std::vector<PsText> labels;
    for (const PsText& l : texts) {
        if (!l.number()) continue;
        const double w = inkWidth(l.text) * l.size, x0 = l.x - l.along * w;
        if (x0 < 0 || x0 + w > page.width || l.y + kInkBottom * l.size < 0)
            return "the label " + l.text + " off the page" + at(l.x, l.y);
        if (l.y + kInkTop * l.size > heading)
            return "the label " + l.text + " on the heading" + at(l.x, l.y);
        for (const PsText& k : labels)
            if (test::overlap(test::inkCore(l), test::inkCore(k)))
                return "the label " + l.text + " on " + k.text + at(l.x, l.y);
        labels.push_back(l);
    }
    return "";
}

// The plot file of one map: the projection, the grid's frame and its ticks, on the page.
std::string drawn(const Projection& projection, const char* grid, const char* tick,
                  const Page& page) {
    // The boxes of events off the map and of the origin take the blank lines; one left over
    // leaves the map's menu.
    const test::Session s("\n1000\n1001\ne.ndk\n2001\n" + projection.keys() + "320\n" + grid +
                              "33\n" + tick + "\n99\n342\nn\n343\nn\n340\nn\n" + "1000\n" +
                              page.settings + "map.ps\n\n\n\n\n20\n\n9999\n\n",
                          {{"e.ndk", kEvents}});
    EXPECT_EQ(s.result.status, 0);
    return s.dir.read("map.ps");
}

void PrintTo(const Projection& p, std::ostream* os) {
    *os << p.name;
}
void PrintTo(const Page& p, std::ostream* os) {
    *os << p.name;
}

class EveryMap : public testing::TestWithParam<std::tuple<Projection, Page>> {};

TEST_P(EveryMap, WholeOnItsPageBelowItsHeading) {
    const auto& [projection, page] = GetParam();
    int labelled = 0;
    for (const auto& [frame, grid] : kFrames)
        for (const char* tick : {"1", "5", "45"}) {
            SCOPED_TRACE(std::string(frame) + ", ticks of " + tick + " degrees");
            const std::string ps = drawn(projection, grid, tick, page);
            EXPECT_EQ(faults(ps, page), "");
            labelled += test::gridLabels(ps).empty() ? 0 : 1;
        }
    // Not a check that passes on blank pages: the frames the projection shows are labelled.
    EXPECT_GE(labelled, projection.labelled);
}

// A frame that the map does not show at all (Tonga, more than 80 degrees from the centre of a
// gnomonic map about 0/45) cannot be fitted; its ticks of 90 degrees reach into what the map
// shows, and those marks that would stand off the page are left out.
class OnEachPage : public testing::TestWithParam<Page> {};

TEST_P(OnEachPage, MarksOfAFrameTheMapDoesNotShow) {
    const Projection gnomonic{"oblique_gnomonic", 18, 1};
    EXPECT_EQ(faults(drawn(gnomonic, kFrames[3][1], "90", GetParam()), GetParam()), "");
}

INSTANTIATE_TEST_SUITE_P(Maps, OnEachPage, testing::ValuesIn(kPages),
                         [](const testing::TestParamInfo<Page>& info) {
                             return std::string(info.param.name);
                         });

INSTANTIATE_TEST_SUITE_P(
    Maps, EveryMap, testing::Combine(testing::ValuesIn(kProjections), testing::ValuesIn(kPages)),
    [](const testing::TestParamInfo<EveryMap::ParamType>& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

}  // namespace
}  // namespace tensova

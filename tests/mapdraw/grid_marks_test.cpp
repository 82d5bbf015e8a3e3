// The grid's labels that maps must carry, and where a label set beside its line's end stands.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/map_files.hpp"
#include "fitted_map.hpp"

namespace tensova::test {
namespace {

// What an edge of the frame shows of the lines that meet it, and so which labels it carries.
enum class EdgeShows : uint8_t {
    kEachLine,  // each line at its own place: each is labelled; the two bounds of a whole turn
                // are one line at one place, labelled once (the first drawn, the eastern)
    kOnePoint,  // one point (a pole) where all the lines meet: one label, the first drawn
    kCorners,   // lines at the frame's corners and poles, where other labels stand: any of them
    kOneLine,   // the sides of a whole turn, one line on the map: each parallel labelled once,
                // beside one side or the other (a pole's among the meridians' labels, or not)
};

struct LabelledMap {
    const char* name;
    int32_t iproj;
    float angle;  // the central angle, degrees; 0 the start-up one
    GridFrame frame;
    EdgeShows bottom, top, sides;
    bool boundsApart = false;  // the two bounds of a whole turn stand apart: both labelled
    float lon0 = 0;            // the central longitude, degrees
};

// A label's text: the value with one decimal.
std::string text(float value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f", value);
    return buf;
}

// The labels (how many of each text) the map must carry and those it may carry besides: from the
// frame and its increments alone, meridians spread from the east bound west, parallels from the
// south bound north.
void expectedLabels(const LabelledMap& m, std::map<std::string, int>& must,
                    std::map<std::string, int>& may) {
    const GridFrame& f = m.frame;
    const float span = f.east > f.west ? f.east - f.west : f.east - f.west + 360;
    const int meridians = int(std::lround(span / f.loninc));
    const int parallels = int(std::lround((f.north - f.south) / f.latinc));
    const bool wholeTurn = span == 360;
    for (const EdgeShows edge : {m.bottom, m.top})
        for (int i = 0; i <= meridians; ++i) {
            const std::string t = text(f.east - float(i) * f.loninc);
            if (edge == EdgeShows::kCorners) ++may[t];
            if (edge == EdgeShows::kOnePoint && i == 0) ++must[t];
            if (edge == EdgeShows::kEachLine && !(wholeTurn && !m.boundsApart && i == meridians))
                ++must[t];
        }
    for (int k = 0; k <= parallels; ++k) {
        const float lat = f.south + float(k) * f.latinc;
        if (m.sides == EdgeShows::kOneLine) {
            ++(std::fabs(lat) == 90 ? may : must)[text(lat)];
            continue;
        }
        (m.sides == EdgeShows::kEachLine ? must : may)[text(lat)] += 2;
    }
}

// Each map carries the labels its frame and its edges call for: every line's where the lines
// meet the edge at their own places, and one where they all meet at one point. The northern
// hemisphere on the polar equal-area map of 90 degrees has its bottom edge on the map's rim:
// the meridians' ticks there have no length (nothing beyond the rim is shown), and each label
// stands beyond the rim along its meridian's way out. The oblique perspective (an angle of view
// of 30 degrees, about 0 E 45 N) sees the polar cap's far edge at 180 E on its horizon, 75
// degrees from its centre: that meridian's tick has no length either. The world on the Albers
// cone is a fan whose outer arc is the south pole, where the map's scale along the meridians is
// zero: each meridian's label stands there (they are some 2 cm apart), beyond the arc along its
// meridian's way out, which a ground step long enough to move the point on the paper gives.
TEST(GridMarks, EachMapCarriesTheLabelsOfItsEdges) {
    using E = EdgeShows;
    const LabelledMap maps[] = {
        {"the northern hemisphere on the polar equal-area map of 90 degrees",
         5,
         90,
         {-180, 180, 0, 90, 30, 30, 5},
         E::kEachLine,
         E::kOnePoint,
         E::kCorners},
        {"a polar cap in oblique perspective",
         12,
         30,
         {-180, 180, 60, 90, 10, 30, 5},
         E::kEachLine,
         E::kOnePoint,
         E::kCorners},
        {"the world on the Albers cone",
         19,
         0,
         {-180, 180, -90, 90, 30, 30, 5},
         E::kEachLine,
         E::kCorners,
         E::kCorners,
         true},
        {"Mercator", 15, 0, {0, 40, 30, 50, 10, 10, 1}, E::kEachLine, E::kEachLine, E::kEachLine},
        // A whole turn whose edges are the map's seam, at its two ends: each parallel is
        // labelled beside both (ticks of 5 degrees set the labels of the bottom and top
        // parallels clear of the meridians' at the corners).
        {"the world on Mercator",
         15,
         0,
         {-180, 180, -60, 60, 30, 60, 5},
         E::kEachLine,
         E::kEachLine,
         E::kEachLine,
         true},
        // A whole turn whose edges meet at 180, in the middle of the map (Mollweide about 150 E,
        // its seam at 30 W): its parallels' ticks point both ways from that line, and each is
        // labelled beside one of them only. On the polar cap about 150 E, 80 N has no room beside
        // the eastern edge: its label stands by the western. The meridians' labels crowd on
        // Mollweide's curved edges: any of them.
        {"the southern hemisphere on Mollweide about 150 E",
         24,
         0,
         {-180, 180, -90, 0, 15, 30, 5},
         E::kCorners,
         E::kCorners,
         E::kOneLine,
         false,
         150},
        {"a polar cap on Mollweide about 150 E",
         24,
         0,
         {-180, 180, 60, 90, 10, 30, 1},
         E::kCorners,
         E::kCorners,
         E::kOneLine,
         false,
         150},
        {"a Lambert conic",
         3,
         0,
         {-20, 20, 30, 60, 10, 10, 1},
         E::kEachLine,
         E::kEachLine,
         E::kEachLine},
    };
    for (const LabelledMap& m : maps) {
        SCOPED_TRACE(m.name);
        std::map<std::string, int> must, may, got;
        expectedLabels(m, must, may);
        for (const PsText& t :
             gridLabels(drawnMap(m.iproj, m.frame, m.angle, kHeadingBottomCm, m.lon0).ps))
            ++got[t.text];
        for (const auto& [t, n] : must) EXPECT_GE(got[t], n) << t << " missing";
        for (const auto& [t, n] : got) EXPECT_LE(n, must[t] + may[t]) << t << " too many";
    }
}

// The path stroked just before each label of the page, in their order: the label's tick.
std::vector<std::vector<std::array<double, 2>>> ticksOfLabels(const std::string& ps) {
    std::vector<std::vector<std::array<double, 2>>> out, path(1);
    std::istringstream in(ps);
    std::string line;
    bool open = false;
    while (std::getline(in, line)) {
        double x = 0, y = 0;
        char op[16] = {};
        if (line == "newpath") open = true, path.emplace_back();
        if (line == "stroke") open = false;
        if (open && std::sscanf(line.c_str(), "%lf %lf %15s", &x, &y, op) == 3)
            path.back().push_back({x, y});
        if (line.starts_with("(") && PsText{line.substr(1, line.rfind(')') - 1)}.number())
            out.push_back(path.back());
    }
    return out;
}

// On the northern hemisphere of the polar equal-area map at its start-up reach, with ticks of 5
// degrees, the labels of the meridians 90 E, 90 W and 60 W, hung under their ticks' outer ends,
// would stand nearer to the equator, which curves away under them, than to their own ticks: each
// is set beside its tick's end, its box centred on the tick's way out and a quarter of its height
// beyond the end along that way. The box is the one the program gives a number: its characters'
// advance widths (inkBox's, Helvetica's) by 0.8 em, from 0.05 em under its baseline. Within the
// rounding of the file's points to hundredths over the tick's last chord, some 5 points long.
TEST(GridMarks, ALabelBesideItsLinesEndStandsAQuarterOfItsHeightBeyondIt) {
    const DrawnMap d = drawnMap(5, {-180, 180, 0, 90, 30, 30, 5}, 0, kHeadingBottomCm);
    const std::vector<PsText> labels = gridLabels(d.ps);
    const auto ticks = ticksOfLabels(d.ps);
    ASSERT_EQ(ticks.size(), labels.size());
    for (const std::string label : {"90.0", "-90.0", "-60.0"}) {
        SCOPED_TRACE(label);
        const auto at = std::find_if(labels.begin(), labels.end(),
                                     [&](const PsText& t) { return t.text == label; });
        ASSERT_NE(at, labels.end());
        const PsText& l = *at;
        const auto& tick = ticks[std::size_t(at - labels.begin())];
        ASSERT_GE(tick.size(), 2u);
        const auto end = tick.back(), before = tick[tick.size() - 2];
        const double length = std::hypot(end[0] - before[0], end[1] - before[1]);
        ASSERT_GT(length, 1.0);
        const double ux = (end[0] - before[0]) / length, uy = (end[1] - before[1]) / length;
        const auto ink = inkBox(l);
        const std::array<double, 4> box{ink[0], l.y - 0.05 * l.size, ink[2], l.y + 0.75 * l.size};
        double gap = 1e9;
        for (const double x : {box[0], box[2]})
            for (const double y : {box[1], box[3]})
                gap = std::min(gap, (x - end[0]) * ux + (y - end[1]) * uy);
        const double across =
            (0.5 * (box[0] + box[2]) - end[0]) * uy - (0.5 * (box[1] + box[3]) - end[1]) * ux;
        EXPECT_NEAR(gap, 0.25 * (box[3] - box[1]), 0.03);
        EXPECT_NEAR(across, 0.0, 0.03);
    }
}

}  // namespace
}  // namespace tensova::test

// A grid label names the line drawn beside it: on every projection and a set of frames and
// ticks, each label's value is that of the meridian or parallel drawn nearest to it, within a
// few points, and a label whose line is not drawn is left out. The lines drawn are the paths of
// the page, each chord given to the line whose curve (the projection of its ground, ticks
// included) holds it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "curve_runs.hpp"
#include "e2e/map_files.hpp"
#include "fitted_map.hpp"
#include "mapdraw/grid.hpp"
#include "numeric/angles.hpp"
#include "plot/plot_fixture.hpp"
#include "projection/projection.hpp"
#include "support/grid_map.hpp"

namespace tensova::test {
namespace {

// A label stands by its own line: no other line drawn is nearer to it by more than this
// (points), where lines converge or cross beside it.
constexpr double kFewPoints = 2.0;
// And its ink stands within this share of its size of its line.
constexpr double kByItsLine = 1.3;

// A frame of the grid (degrees), its increment and its tick size.
struct Frame {
    const char* name;
    float west, east, south, north, increment, tick;
};
const Frame kFrames[] = {
    {"the default frame", -80, 80, -80, 80, 10, 1},
    {"the default frame, ticks of 10", -80, 80, -80, 80, 10, 10},
    {"the world", -180, 180, -90, 90, 30, 5},
    {"a polar cap", -180, 180, 60, 90, 30, 5},
    {"across the date line", 170, -170, -30, -10, 5, 1},
    {"a high-latitude frame", 160, -140, 55, 80, 10, 5},
};

// One line of the grid: its value (degrees), its curve (the projection of its ground every
// twentieth of a degree, from a tick beyond its ends, to the rim where the map ends it) and the
// chords of the page drawn along it.
struct Line {
    bool meridian;
    float value;
    Curve curve;
    std::set<std::array<DevicePoint, 2>> drawn;
};

// The curve of a line of the map from (lon1, lat1) to (lon2, lat2), degrees, each point placed
// by the map; a piece ends where the map stops showing the ground (at the rim, found by
// halving) or crosses its seam.
Curve curve(const Map& map, float lon1, float lat1, float lon2, float lat2) {
    const auto at = [&](double t, float& lon, DevicePoint& p) {
        lon = map.place(rad(float(lon1 + t * (lon2 - lon1))));
        float lat = rad(float(lat1 + t * (lat2 - lat1))), x = 0, y = 0, l = lon;
        map.project(&x, &y, &l, &lat, 1);
        if (!onMap(x, y)) return false;
        us2de(&x, &y, &x, &y, 1);
        p = {x, y};
        return true;
    };
    // The last point shown on the way from t = shown to t = hidden.
    const auto rim = [&](double shown, double hidden) {
        float lon = 0;
        DevicePoint p{}, found{};
        at(shown, lon, found);
        for (int k = 0; k < 30; ++k) {
            const double t = 0.5 * (shown + hidden);
            (at(t, lon, p) ? (found = p, shown) : hidden) = t;
        }
        return found;
    };
    Curve out;
    std::vector<DevicePoint> piece;
    const int n = std::max(1, int(20 * std::max(std::fabs(lon2 - lon1), std::fabs(lat2 - lat1))));
    float last = 0;
    bool wasShown = false;
    for (int k = 0; k <= n; ++k) {
        const double t = double(k) / n;
        float lon = 0;
        DevicePoint p{};
        const bool shown = at(t, lon, p);
        const bool torn = k > 0 && std::fabs(lon - last) > rad(180.0f);
        last = lon;
        if (k > 0 && wasShown && !shown) piece.push_back(rim(double(k - 1) / n, t));
        if ((!shown || torn) && !piece.empty()) {
            out.add(piece);
            piece.clear();
        }
        if (shown && k > 0 && !wasShown) piece.push_back(rim(t, double(k - 1) / n));
        if (shown) piece.push_back(p);
        wasShown = shown;
    }
    out.add(piece);
    return out;
}

// The frame's lines: its meridians and parallels, spread evenly as the grid spreads them.
std::vector<Line> lines(const Map& map, const Frame& f) {
    const MapFrame& mf = map.frame();
    const float west = deg(mf.west), east = deg(mf.east), tick = f.tick;
    const int m = std::max(1, int((east - west) / f.increment + 0.0005f));
    const int p = std::max(1, int((f.north - f.south) / f.increment + 0.0005f));
    std::vector<Line> out;
    for (int i = 0; i <= m; ++i) {
        const float lon = east - (east - west) * float(i) / float(m);
        out.push_back({true,
                       lon,
                       curve(map, lon, std::max(-90.0f, f.south - tick), lon,
                             std::min(90.0f, f.north + tick)),
                       {}});
    }
    for (int k = 0; k <= p; ++k) {
        const float lat = f.south + (f.north - f.south) * float(k) / float(p);
        out.push_back({false, lat, curve(map, east + tick, lat, west - tick, lat), {}});
    }
    return out;
}

// Whether a label's text names the line's value: meridians in any turn.
bool names(const PsText& label, const Line& l) {
    const double v = std::stod(label.text);
    return l.meridian ? std::fabs(std::remainder(v - l.value, 360.0)) < 0.051
                      : std::fabs(v - l.value) < 0.051;
}

// How far the point lies from the box.
double fromBox(const std::array<double, 4>& ink, const DevicePoint& p) {
    return std::hypot(std::max({ink[0] - p[0], 0.0, p[0] - ink[2]}),
                      std::max({ink[1] - p[1], 0.0, p[1] - ink[3]}));
}

// How far the label's ink lies from the line's drawn chords.
double fromInk(const std::array<double, 4>& ink, const Line& l) {
    double nearest = 1e9;
    for (const auto& [a, b] : l.drawn) {
        const int steps = 1 + int(std::hypot(b[0] - a[0], b[1] - a[1]) / 0.25);
        for (int j = 0; j <= steps; ++j)
            nearest = std::min(nearest, fromBox(ink, {a[0] + (b[0] - a[0]) * j / steps,
                                                      a[1] + (b[1] - a[1]) * j / steps}));
    }
    return nearest;
}

// The end of the line as drawn nearest to the label: of the points of its chords, one that
// only one chord reaches (a line's foot, which its tick goes on from, is none).
DevicePoint endBy(const std::array<double, 4>& ink, const Line& l, double& distance) {
    std::map<DevicePoint, int> reached;
    for (const auto& [a, b] : l.drawn) {
        ++reached[a];
        ++reached[b];
    }
    DevicePoint end{};
    for (const auto& [p, n] : reached)
        if (n == 1 && fromBox(ink, p) < distance) distance = fromBox(ink, p), end = p;
    return end;
}

// How far the point lies from the line's drawn chords.
double fromLine(const DevicePoint& p, const Line& l) {
    double d = 1e9;
    for (const auto& [a, b] : l.drawn) d = std::min(d, toSegment(p, a, b));
    return d;
}

// What of the page's labels does not name the line drawn nearest to it, within a few points:
// another line may come nearer only where it passes by the end of the label's own line beside
// it (a corner, a rim, a pole). Empty when all is well.
std::string wrongLabels(const Map& map, const Frame& f, const std::string& ps) {
    std::vector<Line> grid = lines(map, f);
    const auto pages = psPages(ps);
    if (pages.size() != 1) return "not one page";
    for (const PsPath& path : pages[0].paths)
        for (std::size_t k = 1; k < path.points.size(); ++k) {
            const DevicePoint a = path.points[k - 1], b = path.points[k];
            if (a == b) continue;
            // A chord's middle lies off its curve by a tenth of its length at the most, where
            // the line bends fast (towards a pole).
            const DevicePoint mid{0.5 * (a[0] + b[0]), 0.5 * (a[1] + b[1])};
            const double bend = std::max(0.25, 0.1 * std::hypot(b[0] - a[0], b[1] - a[1]));
            for (Line& l : grid)
                if (l.curve.holds(a, 0.05) && l.curve.holds(b, 0.05) && l.curve.holds(mid, bend))
                    l.drawn.insert({a, b});
        }
    std::string out;
    for (const PsText& label : pages[0].texts) {
        if (!label.number()) continue;
        const auto ink = inkBox(label);
        double own = 1e9, endDistance = 1e9;
        DevicePoint end{};
        for (const Line& l : grid)
            if (names(label, l)) {
                own = std::min(own, fromInk(ink, l));
                double d = endDistance;
                const DevicePoint e = endBy(ink, l, d);
                if (d < endDistance) endDistance = d, end = e;
            }
        std::string nearer;
        for (const Line& l : grid) {
            if (names(label, l)) continue;
            const double d = fromInk(ink, l);
            if (d + kFewPoints < own && fromLine(end, l) > kFewPoints) {
                char v[32];
                std::snprintf(v, sizeof v, " %g at %.1f", l.value, d);
                nearer += v;
            }
        }
        if (nearer.empty() && own <= kByItsLine * label.size) continue;
        char line[160];
        std::snprintf(line, sizeof line, "%s at %.2f %.2f: %.1f points from its line;",
                      label.text.c_str(), label.x, label.y, own);
        out += line + nearer + "\n";
    }
    return out;
}

// The page of projection iproj (its start-up parameters; the perspective maps see the globe
// under 30 degrees) and the frame, fitted to the page and drawn; and the map.
DrawnMap drawnPage(int32_t iproj, const Frame& f) {
    const float angle = iproj == 11 || iproj == 12 ? 30.0f : 0.0f;
    return drawnMap(iproj, {f.west, f.east, f.south, f.north, f.increment, f.increment, f.tick},
                    angle);
}

class EachProjection : public testing::TestWithParam<int32_t> {};

TEST_P(EachProjection, EachLabelNamesTheLineDrawnNearestToIt) {
    for (const Frame& f : kFrames) {
        SCOPED_TRACE(f.name);
        const DrawnMap d = drawnPage(GetParam(), f);
        EXPECT_EQ(wrongLabels(d.map, f, d.ps), "");
    }
}

INSTANTIATE_TEST_SUITE_P(GridLabels, EachProjection, testing::Range(1, kProjectionCount + 1),
                         [](const testing::TestParamInfo<int32_t>& projection) {
                             return "projection_" + std::to_string(projection.param);
                         });

// Labels that stand beside their lines: the meridians 40 E and W of Lallemand's sheet about 45 N,
// straight lines drawn in steps of 53 degrees from 80 S whose ends lie beyond its reach, are
// drawn from where they enter the reach to where they leave it, with their labels at their
// southern ends; on the polar equal-area and stereographic maps of the default frame, whose
// bottom edge (80 S) rings the map, the labels of the meridians hung under that edge stood on
// the parallels beside them: they stand beyond their meridians' ends, clear of the ring.
TEST(GridLabels, LabelsBesideTheirLines) {
    const struct {
        int32_t iproj;
        std::vector<std::string> labels;
    } cases[] = {
        {14, {"40.0", "-40.0"}},
        {5, {"40.0", "60.0", "-40.0", "-60.0"}},
        {7, {"50.0", "70.0", "-50.0", "-70.0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(projectionRow(c.iproj).titles[0]);
        const DrawnMap d = drawnPage(c.iproj, kFrames[0]);
        const auto texts = psPages(d.ps).at(0).texts;
        for (const std::string& label : c.labels)
            EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const PsText& t) {
                return t.text == label;
            })) << label;
        EXPECT_EQ(wrongLabels(d.map, kFrames[0], d.ps), "");
    }
}

}  // namespace
}  // namespace tensova::test

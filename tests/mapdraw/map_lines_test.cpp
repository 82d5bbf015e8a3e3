// Lines on the map, as the grid and the overlays draw them: ended on an azimuthal map's rim and
// started on it, joined across longitude 180 where no seam is, through the pole, lifted at the
// window's edge and where transverse Mercator tears, and kept along the rim near the antipode of
// an equal-area map. Both ways of drawing (point by point, and a whole array at once) must give
// the same lines. And one warning box for clamped coordinates per map.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "map_fixture.hpp"
#include "mapdraw/map_drawing.hpp"
#include "projection/dialogs.hpp"
#include "projection/transforms.hpp"
#include "support/grid_map.hpp"

namespace tensova::test {
namespace {

// A projection with its central angle, oblique centre and central longitude (degrees), and zero
// origin offsets: the centre of an azimuthal map is the user origin.
struct MapSetting {
    int32_t iproj = 15;
    float omega = 180, centreLon = 20, centreLat = 40, lon0 = 0;
};

void useMap(const MapSetting& m) {
    projtype.iproj = m.iproj;
    llorig = {};
    llpparam = {};
    llpparam.omega = rad(m.omega);
    llpparam.lon0 = rad(m.lon0);
    float lon = m.centreLon, lat = m.centreLat;
    soblique(lon, lat, 1);
    deriveConstants(m.iproj);
}

// The line through the points (degrees), drawn point by point (pen) or at once, as paths: an
// overlay line on a map of the frame, or without one a grid line on the document's map (drawn
// at once, it is joined as an overlay line is).
std::vector<Path> traced(const MapSetting& m, const std::vector<Point>& ll, bool pen,
                         const Frame* frame = nullptr, float cmPerUnit = 25) {
    MapDocument doc("");
    matrixMap(2, 2, cmPerUnit, 0, 0, cmPerUnit);
    useMap(m);
    const Map map = frame != nullptr
                        ? gridMap(frame->lonmin, frame->lonmax, frame->latmin, frame->latmax)
                        : mapOfGrid();
    std::vector<float> lon, lat;
    for (const Point& p : ll) lon.push_back(rad(p[0])), lat.push_back(rad(p[1]));
    if (pen) {
        MapPen line(map, frame != nullptr ? Join::kGreatCircle : Join::kGraticule);
        for (std::size_t k = 0; k < ll.size(); ++k) line.to(lon[k], lat[k], k > 0);
    } else {
        drawMapLine(map, lon.data(), lat.data(), static_cast<int32_t>(ll.size()));
    }
    return doc.finish();
}

// Distance on the page (points) from the map's centre, the user origin.
float fromCentre(const Point& p) {
    const Point c = toDevice({0, 0});
    return std::hypot(p[0] - c[0], p[1] - c[1]);
}
// A length in user units on the page (25 cm to the unit).
float onPage(float user) {
    return toDevice({user, 0})[0] - toDevice({0, 0})[0];
}

std::vector<Point> along(float lon1, float lat1, float lon2, float lat2, int steps) {
    std::vector<Point> out;
    for (int k = 0; k <= steps; ++k) {
        const float t = float(k) / float(steps);
        out.push_back({lon1 + t * (lon2 - lon1), lat1 + t * (lat2 - lat1)});
    }
    return out;
}

TEST(MapLines, RimSeamPoleWindowEdgeTearAndAntipode) {
    const MapSetting equalArea90{5, 90}, stereo120{8, 120}, polar{5, 180}, stereoPole{7, 180};
    const MapSetting tm{1}, wholeEqualArea{6, 180}, mollweide{24};
    const Frame frame160to200{160, 200, 0, 30}, world{-180, 180, 0, 30}, globe{-180, 180, -90, 90};
    struct Case {
        const char* name;
        MapSetting map;
        std::vector<Point> line;
        const Frame* frame;
        std::size_t paths;
        std::function<void(const std::vector<Path>&)> check;
        float cmPerUnit = 25;
    };
    const auto shortSegments = [](const std::vector<Path>& p) {
        for (const Path& q : p)
            for (std::size_t k = 1; k < q.points.size(); ++k)
                EXPECT_LT(std::hypot(q.points[k][0] - q.points[k - 1][0],
                                     q.points[k][1] - q.points[k - 1][1]),
                          onPage(0.5f));
    };
    const Case cases[] = {
        // Equal-area of 90 degrees: the rim, the equator, at sin 45 = 0.7071068.
        {"ends on the rim", equalArea90, along(0, 60, 0, -30, 8), nullptr, 1,
         [](auto& p) { EXPECT_NEAR(fromCentre(p[0].points.back()), onPage(0.7071068f), 0.1); }},
        {"starts on the rim", equalArea90, along(0, -30, 0, 60, 8), nullptr, 1,
         [](auto& p) { EXPECT_NEAR(fromCentre(p[0].points.front()), onPage(0.7071068f), 0.1); }},
        // Oblique stereographic of 120 about (20, 40): the rim at tan 60 = 1.7320508, crossed
        // on the centre's meridian at latitude -80.
        {"oblique rim", stereo120, along(20, 30, 20, -89, 17), nullptr, 1,
         [](auto& p) { EXPECT_NEAR(fromCentre(p[0].points.back()), onPage(1.7320508f), 0.1); }},
        // No seam on a polar map: across 180 the line goes on, from its first point to its
        // last.
        {"across 180 on a polar map",
         polar,
         {{170, 60}, {179, 60}, {-179, 60}, {-170, 60}},
         &world,
         1,
         [](auto& p) {
             expectNear(p[0].points.front(), at(170, 60), "first");
             expectNear(p[0].points.back(), at(-170, 60), "last");
         }},
        // An overlay line through the pole: the meridians 0 and 180, straight through the
        // centre.
        {"through the pole",
         stereoPole,
         {{0, 80}, {0, 90}, {180, 80}},
         &frame160to200,
         1,
         [](auto& p) {
             ASSERT_EQ(p[0].points.size(), 3u);
             EXPECT_NEAR(fromCentre(p[0].points[1]), 0, 0.02);
         }},
        // Mercator, frame 160 to 200: its window is [0, 360), and 10 lies on its west side.
        {"the window's edge",
         {},
         {{350, 10}, {10, 10}},
         &frame160to200,
         2,
         [](auto& p) {
             expectNear(p[0].points.back(), at(360, 10), "to the east edge");
             expectNear(p[1].points.front(), at(0, 10), "from the west edge");
         }},
        // Transverse Mercator about 0 on a map of the whole globe, which leaves no stretch of its
        // central great circle empty: it tears at the south pole, and south of the equator y
        // jumps by two pi where the longitude passes 90 degrees.
        {"transverse Mercator tears", tm, along(80, -30, 100, -30, 10), &globe, 2, shortSegments},
        // The same at 0.3 cm to the unit: the jump of two pi is still longer than the tear
        // check's centimetre.
        {"a tear at a small scale", tm, along(80, -30, 100, -30, 10), &globe, 2, shortSegments,
         0.3f},
        // At 0.17 cm the torn chord, from 90 to 92, is 1.06 cm: just over the check's length.
        {"a tear of just over a centimetre", tm, along(80, -30, 100, -30, 10), &globe, 2,
         shortSegments, 0.17f},
        // Transverse Mercator about 0 reaches 80 degrees from its central meridian's great
        // circle: along the equator from 70 to 110 the line ends on the rim at 80, x = atanh(sin
        // 80), and starts again from it at 100, on the far side.
        {"both ends shown, the middle hidden",
         tm,
         {{70, 0}, {110, 0}},
         nullptr,
         2,
         [](auto& p) {
             expectNear(p[0].points.back(), at(80, 0), "to the rim");
             expectNear(p[1].points.front(), at(100, 0), "from the rim");
         }},
        // Mercator's poles lie at infinity, beyond its rim one degree short of them: from the
        // north pole to (10, 80) and back to it, the line runs from the rim down the meridian
        // 10, the great circle to the pole, and back up to the rim.
        {"between the poles at infinity",
         {},
         {{0, 90}, {10, 80}, {20, 90}},
         &world,
         1,
         [](auto& p) {
             expectNear(p[0].points.front(), at(10, 89), "from the rim");
             expectNear(p[0].points.back(), at(10, 89), "to the rim");
         },
         1},
        // Mercator: the great circle from (0, 88.5) to (180, 88.5) runs over the pole, beyond
        // the rim: it ends on the rim and starts again from it, on the meridians 0 and 180.
        {"over a pole at infinity",
         {},
         {{0, 88.5f}, {180, 88.5f}},
         &world,
         2,
         [](auto& p) {
             expectNear(p[0].points.back(), at(0, 89), "to the rim");
             expectNear(p[1].points.front(), at(180, 89), "from the rim");
         },
         1},
        // Mollweide about 0: a line from 170E on the equator to 170W at 20N crosses the seam at
        // 180 half way, at 10N.
        {"the seam's latitude",
         mollweide,
         {{170, 0}, {-170, 20}},
         &world,
         2,
         [](auto& p) {
             expectNear(p[0].points.back(), at(180, 10), "to the east edge");
             expectNear(p[1].points.front(), at(-180, 10), "from the west edge");
         }},
        // Mercator over 160..200: a point at 170W is placed at 190, east of 180, and the line
        // runs on to it.
        {"a point outside the window",
         {},
         {{170, 10}, {-170, 10}},
         &frame160to200,
         1,
         [](auto& p) {
             ASSERT_EQ(p[0].points.size(), 2u);
             expectNear(p[0].points.back(), at(190, 10), "placed east of 180");
         }},
        // Equal-area of the whole sphere about (20, 40): a line 0.3 degree from the antipode
        // (-160, -40) runs out to the rim, the unit circle, along it and back; no chord cuts
        // into the disc deeper than its ends lie.
        {"near the antipode", wholeEqualArea, along(-170, -40.3f, -150, -40.3f, 20), &frame160to200,
         1,
         [](auto& p) {
             for (std::size_t k = 1; k < p[0].points.size(); ++k) {
                 const Point a = p[0].points[k - 1], b = p[0].points[k];
                 const Point mid{0.5f * (a[0] + b[0]), 0.5f * (a[1] + b[1])};
                 EXPECT_GT(fromCentre(mid), std::min(fromCentre(a), fromCentre(b)) - 0.5f) << k;
             }
         }},
    };
    for (const Case& c : cases) {
        for (const bool pen : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (pen ? ", point by point" : ", at once"));
            // A path of one point (a move the pen made) leaves no ink.
            auto paths = traced(c.map, c.line, pen, c.frame, c.cmPerUnit);
            std::erase_if(paths, [](const Path& q) { return q.points.size() < 2; });
            ASSERT_EQ(paths.size(), c.paths);
            c.check(paths);
        }
    }
}

// A pen of one piece, a tick mark's, draws its line to where the map first lifts the pen and
// nothing after: on transverse Mercator about 0 over the whole globe, from 70 to 110 on the
// equator to the rim at 80 (not again from 100), and from 80 to 100 at 30S to the tear at 90.
TEST(MapLines, APenOfOnePieceStopsWhereTheMapFirstLiftsIt) {
    const struct {
        const char* name;
        std::vector<Point> line;
        float endLon;
    } cases[] = {{"the rim", {{70, 0}, {110, 0}}, 80},
                 {"a tear", along(80, -30, 100, -30, 10), 90}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MapDocument doc("");
        useMap(MapSetting{1});
        const Map map = gridMap(-180, 180, -90, 90);
        MapPen pen(map, Join::kGraticule, nullptr, true);
        for (std::size_t k = 0; k < c.line.size(); ++k)
            pen.to(rad(c.line[k][0]), rad(c.line[k][1]), k > 0);
        const auto paths = doc.finish();
        ASSERT_EQ(paths.size(), 1u);
        EXPECT_NEAR(paths[0].points.back()[0], at(c.endLon, c.line[0][1])[0], 0.05f);
    }
}

// Coordinates beyond the device range: one box for a whole map, one each outside a map.
TEST(MapLines, OneClampBoxPerMap) {
    MapDocument map("\n\n\n\n\n\n");
    const auto boxes = [&] {
        return countLines(map.doc.console.lines(), " ///               WARNING               ///");
    };
    {
        const ClampBoxRun run;
        for (int k = 0; k < 3; ++k) usplot(1e9f, 1e9f, k == 0 ? 0 : 1);
        EXPECT_EQ(boxes(), 1);
    }
    usplot(1e9f, 1e9f, 1);
    usplot(-1e9f, 1e9f, 1);
    EXPECT_GE(boxes(), 3);
}

}  // namespace
}  // namespace tensova::test

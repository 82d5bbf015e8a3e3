// Polylines and polygons of any length through the 501-point plot buffer: the pieces, which
// share their end points, and the warnings of a polygon split up; pen moves and texts.

#include <cmath>

#include "plot_fixture.hpp"

namespace tensova::test {

TEST(Drawing, LongLinesAndPolygonsInPieces) {
    using Chunks = std::vector<std::pair<int, int>>;  // first and last point, from 1
    const std::pair<int32_t, Chunks> cases[] = {{1, {{1, 1}}},
                                                {501, {{1, 501}}},
                                                {502, {{1, 501}, {501, 502}}},
                                                {1001, {{1, 501}, {501, 1001}}},
                                                {1002, {{1, 501}, {501, 1001}, {1001, 1002}}},
                                                {1200, {{1, 501}, {501, 1001}, {1001, 1200}}},
                                                {0, {}}};
    // Point i lies at x = i / 10 cm, 2.835 device units from the next.
    std::vector<float> x(1200), y(1200, 1.0f);
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = 0.1f * static_cast<float>(i + 1);
    for (const bool polygon : {false, true}) {
        for (const auto& [n, chunks] : cases) {
            SCOPED_TRACE(std::to_string(n) + (polygon ? " points of a polygon" : " of a line"));
            PlotDocument doc;
            psattributes.fillstyle = 0;
            matrixMap(0, 0, 1, 0, 0, 1);
            (polygon ? uspolygon : usline)(x.data(), y.data(), n);
            Chunks got;
            for (const Path& p : paths(doc.finish())) {
                const auto at = [](const Point& q) {
                    return static_cast<int>(std::lround(q[0] / 2.835f));
                };
                got.emplace_back(at(p.points.front()), at(p.points.back()));
                // Every point in between; a single point is a line to itself or one vertex.
                const int count = got.back().second - got.back().first + 1;
                EXPECT_EQ(static_cast<int>(p.points.size()), count > 1 || polygon ? count : 2);
                EXPECT_EQ(p.closed, polygon);
            }
            EXPECT_EQ(got, chunks);
            const Lines out = doc.console.lines();
            const int splits = polygon && n > 0 ? static_cast<int>(chunks.size()) - 1 : 0;
            EXPECT_EQ(countLines(out, " Polygone vertices = " + std::to_string(n)), splits);
            EXPECT_EQ(countLines(out, " Plot buffer size  = 501"), splits);
            EXPECT_EQ(countLines(out, " is = 1 > nx = 0"), n == 0 ? 1 : 0);
            if (n == 1200) expectRenders(doc.path);
        }
    }
}

// Points beyond the device range in one run of a drawing give one box in all; after the run the
// boxes left before it hold again.
TEST(Drawing, OneClampBoxPerRun) {
    PlotDocument doc("\n");
    matrixMap(0, 0, 1, 0, 0, 1);
    EXPECT_EQ(sclampboxes(2), -1);
    {
        const ClampBoxRun run;
        for (int k = 0; k < 3; ++k) usplot(1e9f, -1e9f, k == 0 ? 0 : 1);
    }
    EXPECT_EQ(countLines(doc.console.lines(), " ///               WARNING               ///"), 1);
    EXPECT_EQ(sclampboxes(-1), 2);
}

TEST(Drawing, PenMovesAndTexts) {
    PlotDocument doc;
    matrixMap(1, 2, 1, 0, 0, 1);
    usplot(1, 1, 0);
    usplot(2, 1, 1);
    usplot(3, 3, 2);  // no such pen: nothing
    std::array<float, 2> x{0, 1}, y{0, 0};
    usline(x.data(), y.data(), 2);  // strokes the pending path first
    ustext2(0, 0, "a ");
    cmtext2(1, 1, "b");
    expectGolden(between(doc.finish(), "%%Page:   1   1", "showpage"), "plot_life.txt#pen moves");
}

// Before any scaling (no centimetre to the device yet) a text has no box; once scaled, its box is
// measured in centimetres from its point.
TEST(Drawing, ATextBoxWantsAScaling) {
    PlotDocument doc;
    const Plt1blk scaled = plt1blk;
    plt1blk = Plt1blk{};
    tensova::Box box{};
    EXPECT_FALSE(cmtextbox(3, 4, "text", box));
    plt1blk = scaled;
    ASSERT_TRUE(cmtextbox(3, 4, "text", box));
    EXPECT_TRUE(box.xmin >= 3 && box.xmax > box.xmin && box.xmax < 6)
        << box.xmin << " " << box.xmax;
    EXPECT_TRUE(box.ymin < 4 && box.ymax > 4 && box.ymax < 5) << box.ymin << " " << box.ymax;
}

}  // namespace tensova::test

// Symbols: the pieces of each form around its centre, and the ink of every type, hollow and
// filled, where the subplot's map puts it. Offsets worked by hand from the forms: a regular
// polygon of k vertices has one straight up at r and the others every 360/k degrees; the
// circle has 20 points every 360/19 degrees from the +x axis.

#include "plot_fixture.hpp"

namespace tensova::test {

// A piece expected: its number of points, closed and filled, and its first points.
struct Piece {
    std::size_t count;
    bool closed, filled;
    std::vector<Point> first;
};

TEST(Symbols, PiecesOfEachForm) {
    // Centre (100, 100), size 0.4 cm: r = 5.67.
    const Point c{100, 100}, top{100, 105.67f}, left{94.33f, 100}, right{105.67f, 100},
        bottom{100, 94.33f}, lowLeft{95.09f, 97.165f}, lowRight{104.91f, 97.165f};
    const auto stroke = [](Point a, Point b) { return Piece{2, false, false, {a, b}}; };
    // clang-format off
    const std::pair<int32_t, std::vector<Piece>> cases[] = {
        {3, {{4, false, false, {top, lowLeft, lowRight, top}}}},
        {-3, {{4, true, true, {top, lowLeft, lowRight, top}}}},
        {40, {{5, false, false, {{104.0093f, 104.0093f}, {95.9907f, 104.0093f},
                                 {95.9907f, 95.9907f}}}}},
        {10, {stroke(c, c)}},
        {-13, {stroke(left, right), stroke(bottom, top)}},
        {16, {stroke(c, lowRight), stroke(c, top), stroke(c, lowLeft)}},
        {-23, {{20, true, true, {right}}, stroke(bottom, top), stroke(left, right)}},
        {41, {{20, false, false, {right}}}}};
    // clang-format on
    for (const auto& [type, pieces] : cases) {
        PlotDocument doc;
        matrixMap(100 / 28.35f, 100 / 28.35f, 1, 0, 0, 1);
        plt2blk.symbtype = type;
        const float zero = 0;
        ussymbol(&zero, &zero, 1);
        ussymbol(&zero, &zero, 0);  // draws nothing
        const auto got = paths(doc.finish());
        ASSERT_EQ(got.size(), pieces.size()) << type;
        for (std::size_t i = 0; i < got.size(); ++i) {
            const Piece& want = pieces[i];
            EXPECT_EQ(got[i].points.size(), want.count) << type;
            EXPECT_TRUE(got[i].closed == want.closed && got[i].filled == want.filled) << type;
            for (std::size_t k = 0; k < want.first.size(); ++k)
                for (std::size_t j = 0; j < 2; ++j)
                    EXPECT_NEAR(got[i].points[k][j], want.first[k][j], 0.011) << type << " " << k;
            if (want.count > 2)  // an outline ends where it began
                expectNear(got[i].points.back(), got[i].points.front(), std::to_string(type));
        }
    }
}

TEST(Symbols, ANewSizeIsDrawnAtThatSize) {
    PlotDocument doc;
    matrixMap(100 / 28.35f, 100 / 28.35f, 1, 0, 0, 1);
    plt2blk.symbtype = 11;  // a stroke from -r to r
    const float zero = 0;
    for (const float size : {0.4f, 0.8f}) {
        plt2blk.symbsize = size;
        ussymbol(&zero, &zero, 1);
    }
    const auto got = paths(doc.finish());
    ASSERT_EQ(got.size(), 2u);
    EXPECT_NEAR(got[0].points[1][0], 105.67f, 0.011);
    EXPECT_NEAR(got[1].points[1][0], 111.34f, 0.011);
}

TEST(Symbols, InkOfEveryTypeWhereTheMapPutsIt) {
    // The extent of each form's ink in units of r (a table of tests/data).
    std::vector<std::pair<int32_t, Box>> kinds;
    for (const auto& row : tableRows("symbol_extents.txt")) {
        const auto v = numbers(row.at(0) + " " + row.at(1));
        kinds.push_back({int32_t(v.at(0)), {v.at(1), v.at(2), v.at(3), v.at(4)}});
    }
    ASSERT_EQ(kinds.size(), 21u);
    PlotDocument doc;
    // User limits 0..100 on 15 cm from (3, 5) cm: (u, v) lies at (3 + 0.15 u, 5 + 0.15 v) cm.
    float l[8] = {3, 5, 15, 15, 0, 100, 0, 100};
    int32_t iso = 1;
    sus2cm3(l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7], iso, 1);
    intslinewidth(0.2f);
    // Page 1 shows them all, each filled one under its hollow one; then one a page, at 2 cm.
    std::vector<Point> at;
    for (std::size_t k = 0; k < 2 * kinds.size(); ++k) {
        at.push_back(
            {8.0f + 14.0f * static_cast<float>(k / 2 % 7),
             90.0f - 12.0f * static_cast<float>(k % 2) - 30.0f * static_cast<float>(k / 14)});
        plt2blk.symbtype = (k % 2 == 0 ? 1 : -1) * kinds[k / 2].first;
        plt2blk.symbsize = 0.8f;
        ussymbol(&at[k][0], &at[k][1], 1);
    }
    plt2blk.symbsize = 2.0f;
    for (std::size_t k = 0; k < at.size(); ++k) {
        intnewpage();
        plt2blk.symbtype = (k % 2 == 0 ? 1 : -1) * kinds[k / 2].first;
        ussymbol(&at[k][0], &at[k][1], 1);
    }
    doc.finish();
    if (!canRender(doc.path)) return;
    const auto boxes = pageBoxes(expectRenders(doc.path));
    ASSERT_EQ(boxes.size(), at.size() + 1);
    for (std::size_t k = 0; k < at.size(); ++k) {
        const double centre[2] = {(3 + 0.15 * at[k][0]) * 28.35, (5 + 0.15 * at[k][1]) * 28.35};
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_NEAR(boxes[k + 1][i], centre[i % 2] + 28.35 * kinds[k / 2].second[i], 1.0)
                << kinds[k / 2].first << " " << k << " " << i;
    }
}

}  // namespace tensova::test

// Drawings rendered by Ghostscript land where they belong: lines and texts by the bounding
// box of each page, polygon fills by the colour of their pixels.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "plot/plot_blocks.hpp"
#include "postscript/postscript.hpp"
#include "postscript/psparams.hpp"
#include "ps_fixture.hpp"

namespace tensova {
namespace {

using test::Box;
using test::PsDocument;

void expectBox(const Box& got, const Box& want, double tol, const std::string& what) {
    EXPECT_NEAR(got.x0, want.x0, tol) << what;
    EXPECT_NEAR(got.y0, want.y0, tol) << what;
    EXPECT_NEAR(got.x1, want.x1, tol) << what;
    EXPECT_NEAR(got.y1, want.y1, tol) << what;
}

TEST(Rendering, LinesInEveryDialectAndOrientation) {
    struct Case {
        int32_t dialect;
        const char* orientation;
        Box want;  // of a line from (100, 100) to (300, 400), 2 points wide
    };
    // A landscape A4 page turns the drawing: (x, y) lands at (595 - y, x); US Letter at
    // (612 - y, x).
    const std::vector<Case> cases = {
        {1, "P  ", {99.2, 99.4, 300.8, 400.6}},  {2, "P  ", {99.2, 99.4, 300.8, 400.6}},
        {3, "P  ", {99.2, 99.4, 300.8, 400.6}},  {1, "LA4", {194.4, 99.2, 495.6, 300.8}},
        {2, "LUS", {211.4, 99.2, 512.6, 300.8}}, {3, "LA4", {194.4, 99.2, 495.6, 300.8}},
    };
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.dialect) + " " + c.orientation;
        PsDocument doc(PsSettings{false, 1, c.orientation, c.dialect});
        intslinewidth(2);
        std::array<float, 2> x{100, 300}, y{100, 400};
        deline(x.data(), y.data(), 2);
        doc.finish();
        const auto r = test::expectRenders(doc.path());
        if (r.exitCode < 0) return;  // no Ghostscript
        const auto boxes = test::pageBoxes(r);
        ASSERT_EQ(boxes.size(), 1u) << what;
        expectBox(boxes[0], c.want, 0.5, what);
    }
}

TEST(Rendering, LineDrawnWithoutCurrentPointContinuesThePolyline) {
    PsDocument doc(PsSettings{false, 1, "P  ", 1});
    float x = 100, y = 100;
    deplot(x, y, 0);
    x = 200;
    deplot(x, y, 1);
    intslinewidth(4);  // strokes; the line below has no current point in the file
    y = 300;
    deplot(x, y, 1);
    doc.finish();
    const auto r = test::expectRenders(doc.path());
    if (r.exitCode < 0) return;
    const auto boxes = test::pageBoxes(r);
    ASSERT_EQ(boxes.size(), 1u);
    // Both pieces are drawn: along y = 100 from x = 100 and up x = 200 to y = 300.
    expectBox(boxes[0], {100, 99, 202, 300}, 1.0, "two pieces");
}

// Fill colours at the centre of a triangle and on its outline.
TEST(Rendering, PolygonFillsAndOutlines) {
    struct Case {
        const char* name;
        int32_t dialect;
        bool colour;
        int32_t fillstyle;
        std::array<int, 3> inside;
    };
    const std::vector<Case> cases = {
        {"compressed colour", 1, true, 1, {128, 0, 0}},
        {"compressed black and white", 1, false, 1, {128, 128, 128}},
        {"compressed hollow", 1, true, 0, {255, 255, 255}},
        {"plain colour", 2, true, 1, {128, 0, 0}},
        {"plain black and white", 2, false, 1, {128, 128, 128}},
        {"plain hollow", 2, false, 0, {255, 255, 255}},
        // Illustrator fills with the file's fill grey, black.
        {"Illustrator filled", 3, true, 1, {0, 0, 0}},
        {"Illustrator hollow", 3, false, 0, {255, 255, 255}},
    };
    for (const Case& c : cases) {
        PsDocument doc(PsSettings{false, 1, "P  ", c.dialect}, c.colour);
        plt2blk.fillcolor = 2;
        plt2blk.linecolor = 4;
        plt2blk.fillstyle = c.fillstyle;
        intslinewidth(4);
        std::array<float, 3> x{100, 300, 200}, y{100, 100, 300};
        depolygon(x.data(), y.data(), 3);
        doc.finish();
        test::expectRenders(doc.path());
        test::Page page;
        if (!page.load(doc.path(), c.dialect == 3 ? test::illustratorStub() : "")) continue;
        const auto inside = page.at(200, 160);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(inside[k], c.inside[k], 2) << c.name << " " << k;
        // The outline in the line colour (blue at 50 % in colour, black otherwise).
        const std::array<int, 3> edge =
            c.colour && c.dialect != 3 ? std::array<int, 3>{0, 0, 128} : std::array<int, 3>{};
        const auto onEdge = page.at(200, 100.5);
        for (int k = 0; k < 3; ++k) EXPECT_NEAR(onEdge[k], edge[k], 2) << c.name << " edge " << k;
    }
}

// The ink of "HHHH" at 14 points, justified bottom left, relative to its anchor.
constexpr double kAdvance = 4 * 0.722 * 14;  // Helvetica H: 722 units of 1000

struct Shift {
    double along;   // along the baseline
    double across;  // perpendicular, upwards in the text's frame
};

Box expectedBox(const Box& ref, double ax, double ay, double degrees, Shift s) {
    const double t = degrees * 3.14159265358979 / 180;
    const double c = std::cos(t), sn = std::sin(t);
    Box out{1e9, 1e9, -1e9, -1e9};
    for (double u : {ref.x0, ref.x1})
        for (double v : {ref.y0, ref.y1}) {
            const double p = u + s.along, q = v + s.across;
            const double x = ax + c * p - sn * q, y = ay + sn * p + c * q;
            out = {std::min(out.x0, x), std::min(out.y0, y), std::max(out.x1, x),
                   std::max(out.y1, y)};
        }
    return out;
}

TEST(Rendering, TextsAtEveryJustificationAndAngle) {
    const std::vector<int32_t> codes = {1, 2, 3, 5, 6, 7, 9, 10, 11, -1, -6, -11, 0, 4, 8};
    const std::vector<float> angles = {0, 90, 30, -135};
    constexpr float kX = 300, kY = 400;
    for (int32_t dialect = 1; dialect <= 3; ++dialect) {
        PsDocument doc(PsSettings{false, 1, "P  ", dialect});
        // The reference: justified bottom left, upright.
        plt2blk.justif = 1;
        plt2blk.txtangle = 0;
        float x = kX, y = kY;
        detext2(x, y, "HHHH");
        for (float angle : angles) {
            for (int32_t j : codes) {
                intnewpage();
                plt2blk.justif = j;
                plt2blk.txtangle = angle;
                x = kX;
                y = kY;
                detext2(x, y, j < 0 ? "  HHHH " : "HHHH");
            }
        }
        doc.finish();
        const auto r = test::expectRenders(doc.path());
        if (r.exitCode < 0) return;
        const auto boxes = test::pageBoxes(r);
        ASSERT_EQ(boxes.size(), 1 + angles.size() * codes.size()) << dialect;
        Box ref = boxes[0];
        ref = {ref.x0 - kX, ref.y0 - kY, ref.x1 - kX, ref.y1 - kY};
        EXPECT_NEAR(ref.y0, 0, 0.3);  // H stands on the baseline
        std::size_t page = 1;
        for (float angle : angles) {
            for (int32_t j : codes) {
                const int32_t a = std::abs(j);
                const int32_t column = a % 4, row = a / 4;
                // A text at full length keeps its blanks: only "HHHH" has no blank.
                const double along = column == 2 ? -kAdvance / 2 : column == 3 ? -kAdvance : 0;
                // Illustrator text objects have no rows.
                const double across = dialect == 3 ? 0 : -0.5 * 14.175 * row;
                const std::string what = "dialect " + std::to_string(dialect) + " j " +
                                         std::to_string(j) + " angle " + std::to_string(angle);
                expectBox(boxes[page++], expectedBox(ref, kX, kY, angle, {along, across}), 0.6,
                          what);
            }
        }
    }
}

}  // namespace
}  // namespace tensova

// Drawings rendered by Ghostscript land where they belong: lines and texts by the bounding
// box of each page, polygon fills by the colour of their pixels. A sample of dialects,
// orientations, justifications and angles, each of them at least once.

#include <cmath>
#include <numbers>

#include "ps_fixture.hpp"

namespace tensova::test {

void expectBox(const Box& got, const Box& want, double tol, const std::string& what) {
    for (std::size_t k = 0; k < 4; ++k) EXPECT_NEAR(got[k], want[k], tol) << what << " " << k;
}

TEST(Rendering, LinesInEachDialectAndOrientation) {
    if (!canRender("the pages of this test")) return;
    // A line from (100, 100) to (300, 400), 2 points wide. A landscape A4 page turns the drawing:
    // (x, y) lands at (595 - y, x); US Letter at (612 - y, x). A line drawn with no current point
    // in the file continues the polyline, from (300, 400) to (300, 500).
    const std::array<std::pair<PsSettings, Box>, 3> cases{
        {{{false, 1, "P  ", 1}, {99.2, 99.4, 301, 500}},
         {{false, 1, "LUS", 2}, {112, 99.2, 512.6, 301}},
         {{false, 1, "LA4", 3}, {95, 99.2, 495.6, 301}}}};
    for (const auto& [settings, want] : cases) {
        SCOPED_TRACE(settings.orientation);
        PsDocument doc(settings);
        std::array<float, 2> x{100, 300}, y{100, 400};
        intslinewidth(2);
        deplot(x[0], y[0], 0);
        deplot(x[1], y[1], 1);
        psstrokepath();  // the next line has no current point in the file
        y[1] = 500;
        deplot(x[1], y[1], 1);
        doc.finish();
        const auto boxes = pageBoxes(expectRenders(doc.path));
        ASSERT_EQ(boxes.size(), 1u);
        expectBox(boxes[0], want, 0.5, "the line");
    }
}

TEST(Rendering, PolygonFillsAndOutlines) {
    if (!canRender("the pages of this test")) return;
    struct Case {
        int32_t dialect;
        bool colour;
        int32_t fillstyle;
        std::array<int, 3> inside, edge;  // fill colour 2 (red at 50 %), line colour 4
    };
    // Illustrator fills with the file's fill grey, black, and outlines in black.
    const Case cases[] = {{1, true, 1, {128, 0, 0}, {0, 0, 128}},
                          {2, false, 1, {128, 128, 128}, {0, 0, 0}},
                          {3, true, 1, {0, 0, 0}, {0, 0, 0}},
                          {3, false, 0, {255, 255, 255}, {0, 0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE("dialect " + std::to_string(c.dialect) + (c.colour ? " colour" : " grey") +
                     " fill style " + std::to_string(c.fillstyle));
        PsDocument doc(PsSettings{false, 1, "P  ", c.dialect}, c.colour);
        psattributes.fillcolor = 2;
        psattributes.linecolor = 4;
        psattributes.fillstyle = c.fillstyle;
        intslinewidth(4);
        std::array<float, 3> x{100, 300, 200}, y{100, 100, 300};
        depolygon(x.data(), y.data(), 3);
        doc.finish();
        expectRenders(doc.path);
        const std::string prolog = c.dialect == 3 ? illustratorStub() : "";
        const Image image = renderImage(doc.path, prolog);
        const auto inside = image.at(200, 160), edge = image.at(200, 100.5);
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(inside[k], c.inside[k], 2) << "inside " << k;
            EXPECT_NEAR(edge[k], c.edge[k], 2) << "edge " << k;
        }
    }
}

// A line of one point is a dot as wide as the line, in each dialect.
TEST(Rendering, ADotLeavesInk) {
    if (!canRender("the pages of this test")) return;
    for (int32_t dialect = 1; dialect <= 3; ++dialect) {
        SCOPED_TRACE("dialect " + std::to_string(dialect));
        PsDocument doc(PsSettings{false, 1, "P  ", dialect}, false);
        intslinewidth(6);
        float x = 200, y = 200;
        deline(&x, &y, 1);
        doc.finish();
        expectRenders(doc.path);
        const Image image = renderImage(doc.path, dialect == 3 ? illustratorStub() : "");
        EXPECT_EQ(image.at(201.5, 201.5), (std::array<int, 3>{0, 0, 0}));
    }
}

// The ink of a text turned by `degrees` about its anchor (ax, ay), from the box `ref` of the
// text justified bottom left and upright, shifted along and across its baseline.
Box turned(const Box& ref, double ax, double ay, double degrees, double along, double across) {
    const double t = degrees * std::numbers::pi / 180, c = std::cos(t), s = std::sin(t);
    Box out{1e9, 1e9, -1e9, -1e9};
    for (double u : {ref[0] + along, ref[2] + along})
        for (double v : {ref[1] + across, ref[3] + across}) {
            const double x = ax + c * u - s * v, y = ay + s * u + c * v;
            out = {std::min(out[0], x), std::min(out[1], y), std::max(out[2], x),
                   std::max(out[3], y)};
        }
    return out;
}

TEST(Rendering, TextsAtEachJustificationAndAngle) {
    if (!canRender("the pages of this test")) return;
    // Every justification once, the angles and dialects in turn. "HHHH" at 14 points: 4 Helvetica
    // H of 722 units of 1000; a text at full length keeps its blanks, so only "HHHH" has none.
    const std::array<int32_t, 15> codes = {1, 2, 3, 5, 6, 7, 9, 10, 11, -1, -6, -11, 0, 4, 8};
    const std::array<float, 4> angles = {0, 90, 30, -135};
    constexpr double kAdvance = 4 * 0.722 * 14;
    constexpr float kX = 300, kY = 400;
    for (int32_t dialect = 1; dialect <= 3; ++dialect) {
        SCOPED_TRACE("dialect " + std::to_string(dialect));
        PsDocument doc(PsSettings{false, 1, "P  ", dialect});
        float x = kX, y = kY;
        detext2(x, y, "HHHH");  // the reference, bottom left and upright
        for (std::size_t i = dialect - 1; i < codes.size(); i += 3) {
            intnewpage();
            psattributes.justif = codes[i];
            psattributes.txtangle = angles[i % 4];
            x = kX, y = kY;
            detext2(x, y, codes[i] < 0 ? "  HHHH " : "HHHH");
        }
        doc.finish();
        const auto boxes = pageBoxes(expectRenders(doc.path));
        ASSERT_EQ(boxes.size(), 6u) << dialect;
        const Box ref{boxes[0][0] - kX, boxes[0][1] - kY, boxes[0][2] - kX, boxes[0][3] - kY};
        EXPECT_NEAR(ref[1], 0, 0.3);  // H stands on the baseline
        for (std::size_t i = dialect - 1, page = 1; i < codes.size(); i += 3, ++page) {
            const int32_t column = std::abs(codes[i]) % 4, row = std::abs(codes[i]) / 4;
            const double along = column == 2 ? -kAdvance / 2 : column == 3 ? -kAdvance : 0;
            // Illustrator text objects have no rows.
            const double across = dialect == 3 ? 0 : -0.5 * 14.175 * row;
            expectBox(boxes[page], turned(ref, kX, kY, angles[i % 4], along, across), 0.6,
                      std::to_string(dialect) + " " + std::to_string(codes[i]));
        }
    }
}

// The box detextbox gives holds the text's ink and little more (within 3 points a side at 14
// points upright, 6 turned), in each family of fonts, slanted faces too, justification and
// dialect.
TEST(Rendering, TextBoxesHoldTheInk) {
    if (!canRender("the pages of this test")) return;
    struct Case {
        int32_t dialect, font, justif;
        float angle;
        const char* text;
    };
    const Case cases[] = {
        {2, 1, -10, 0, "-170.5"}, {2, 2, -5, 0, " 88.0 "},  {2, 6, -7, 0, "-0.25"},
        {2, 7, 1, 0, "+12*3"},    {2, 9, -2, 0, "-45.0"},   {2, 13, -11, 0, "-90.0"},
        {1, 3, -6, 30, "123.4"},  {1, 4, -9, -135, "-7.5"}, {3, 1, -7, 0, "-179.9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.font) + " " + std::to_string(c.justif) + " " + c.text);
        PsDocument doc(PsSettings{false, 1, "P  ", c.dialect});
        psparams.fontNumber = c.font;
        psattributes.justif = c.justif;
        psattributes.txtangle = c.angle;
        float x = 300, y = 400;
        tensova::Box box;
        ASSERT_TRUE(detextbox(x, y, c.text, box));
        detext2(x, y, c.text);
        doc.finish();
        const auto ink =
            pageBoxes(expectRenders(doc.path, c.dialect == 3 ? illustratorStub() : ""));
        ASSERT_EQ(ink.size(), 1u);
        const Box want{box.xmin, box.ymin, box.xmax, box.ymax};
        const double loose = c.angle == 0 ? 3 : 6;
        for (std::size_t k = 0; k < 2; ++k) {
            EXPECT_LE(want[k], ink[0][k] + 0.3) << k;
            EXPECT_GE(want[k + 2], ink[0][k + 2] - 0.3) << k + 2;
            EXPECT_GE(want[k], ink[0][k] - loose) << k;
            EXPECT_LE(want[k + 2], ink[0][k + 2] + loose) << k + 2;
        }
    }
}

}  // namespace tensova::test

// What the device writes at page breaks and where a drawing could go wrong: lines without a current
// point, points and texts that cannot be written, the clamp, strings that need escapes, angles out
// of one turn, and colours written only when they change. Where drawings land is rendering's.

#include <functional>
#include <limits>

#include "ps_fixture.hpp"

namespace tensova::test {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

std::array<float, 3> gx{297.6449f, 100.0f, 0.004f}, gy{421.0f, -0.004f, 842.0f};
std::array<float, 3> px{10, 50, 30}, py{10, 10, 40};
void line() {
    deline(px.data(), py.data(), 2);
}
// A text drawn with the justification and angle given.
std::function<void()> text(int32_t justif, float angle, std::string s, float x = 100) {
    return [=] {
        psattributes.justif = justif;
        psattributes.txtangle = angle;
        float tx = x, ty = 200;
        detext2(tx, ty, s);
    };
}
// Two pages drawn with a path pending at each break.
void twoPages() {
    for (int page = 0; page < 2; ++page)
        deplot(px[0], py[0], 0), deplot(px[1], py[1], 1), intnewpage();
}

struct DrawCase {
    const char* name;
    int32_t dialect;
    bool colour;
    std::function<void()> draw;
};

// clang-format off
const DrawCase kCases[] = {
    {"page breaks stroke the pending path", 1, false, twoPages},
    {"page breaks in plain operators", 2, false, twoPages},
    {"Illustrator page breaks: no first page comment, no showpage of its own", 3, false, twoPages},
    {"a line at the start of the file begins at its own point", 1, false,
     [] { deplot(gx[1], gy[1], 1); }},
    {"a line with no current point goes on from the last point written", 1, false,
     [] { deplot(gx[0], gy[0], 0), psstrokepath(), deplot(gx[1], gy[1], 1); }},
    {"a line after a move without a new path goes on from it", 2, false,
     [] { psmoveto(gx[1], gy[1], 0), deplot(gx[0], gy[0], 1); }},
    {"a width change strokes with the old width and the line goes on", 1, false,
     [] {
         deplot(gx[0], gy[0], 0), deplot(gx[1], gy[1], 1);
         intslinewidth(0.5669f), deplot(gx[2], gy[2], 1);
     }},
    {"points that are not numbers are pen lifts", 1, false,
     [] {
         std::array<float, 6> x{kNaN, 10, 20, kNaN, 40, 50}, y{1, 10, 20, 30, kInf, 50};
         deline(x.data(), y.data(), 6), deline(x.data(), y.data(), 1), intslinewidth(kNaN);
     }},
    {"coordinates beyond the device are clamped in the caller's array", 1, false,
     [] {
         std::array<float, 2> x{0, 1e8f}, y{0, -2e8f};
         deline(x.data(), y.data(), 2);
         EXPECT_TRUE(x[1] == 9.9e7f && y[1] == -9.9e7f);
     }},
    {"an Illustrator polygon leaves no path to stroke again", 3, false,
     [] { depolygon(px.data(), py.data(), 3), line(); }},
    {"a colour is written when it changes, a text's too", 1, true,
     [] {
         psattributes.linecolor = 2, psattributes.txtcolor = 3;
         line(), line(), text(1, 0, "a", 10)(), line();
     }},
    {"parentheses, backslashes and control bytes escaped", 1, false, text(1, 0, "a(b)c\\d\x01)")},
    {"Illustrator texts escaped too", 3, false, text(11, 90, "a(b")},
    {"angles reduced into one turn", 2, false, [] { text(1, 400, "a")(), text(1, -1.0e6f, "a")(); }},
    {"texts that cannot be placed are left out", 1, false,
     [] { text(1, 0, "x", kNaN)(), text(1, kNaN, "x")(), intstextsize(kNaN), text(1, 0, "x")(); }},
    {"Illustrator texts that cannot be written are left out", 3, false,
     [] { text(1, 0, "far", 2.0e6f)(), intstextsize(1.0e37f), text(1, 0, "a")(); }},
    {"a text under one point is shown at one point", 1, false,
     [] { intstextsize(0.03f), text(1, 0, "a")(); }},
    {"an Illustrator text under one point is shown at one point", 3, false,
     [] { intstextsize(0.03f), text(1, 0, "a")(); }}};
// clang-format on

// What each drawing writes after the head, and what the console says, are the parts of the golden
// file named after the case.
TEST(Drawing, LinesWrittenForEachDrawing) {
    for (const DrawCase& c : kCases) {
        SCOPED_TRACE(c.name);
        PsDocument doc(PsSettings{false, 1, "P  ", c.dialect}, c.colour);
        c.draw();
        const Lines lines = doc.finish();
        expectGolden(c.dialect == 3 ? between(lines, " 0.00 g", "%%PageTrailer")
                                    : between(lines, "%%Page:   1   1", "showpage"),
                     std::string("ps_drawings.txt#") + c.name);
        expectGolden(doc.console.lines(), std::string("ps_drawings.txt#") + c.name + ": console");
        expectRenders(doc.path);
    }
}

}  // namespace tensova::test

// What the device writes at page breaks and where a drawing could go wrong: lines without a current
// point, points and texts that cannot be written, the clamp, strings that need escapes, angles out
// of one turn, and colours written only when they change. Where drawings land is rendering's.

#include <functional>
#include <limits>

#include "ps_fixture.hpp"

namespace tensova::test {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
const std::string kRed = " 0.500  0.000  0.000 setrgbcolor";
const std::string kDraw = " Path begins with Draw instead of Move";

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
const Lines kLine = {"np", "10.00 10.00 M", "50.00 10.00 L"};
const Lines kBreak = {"gsave showpage", "%%End Page", "grestore"};
// Two pages drawn with a path pending at each break, and what the file holds after its head.
void twoPages() {
    for (int page = 0; page < 2; ++page)
        deplot(px[0], py[0], 0), deplot(px[1], py[1], 1), intnewpage();
}
Lines twoPagesOf(const Lines& path) {
    return path + kBreak + Lines{"%%Page:   2   2"} + path + kBreak + Lines{"%%Page:   3   3"};
}

struct DrawCase {
    const char* name;
    int32_t dialect;
    bool colour;
    std::function<void()> draw;
    Lines expected;      // what follows the head
    Lines console = {};  // lines the console shows
};

// clang-format off
const DrawCase kCases[] = {
    {"page breaks stroke the pending path", 1, false, twoPages, twoPagesOf(kLine + Lines{"sk"})},
    {"page breaks in plain operators", 2, false, twoPages,
     twoPagesOf({"newpath", "10.00 10.00 moveto", "50.00 10.00 lineto", "stroke"})},
    {"Illustrator page breaks: no first page comment, no showpage of its own", 3, false, twoPages,
     twoPagesOf({"10.00 10.00 m", "50.00 10.00 l", "S"})},
    {"a line at the start of the file begins at its own point", 1, false,
     [] { deplot(gx[1], gy[1], 1); }, {"np", "100.00  0.00 M", "sk"}, {kDraw}},
    {"a line with no current point goes on from the last point written", 1, false,
     [] { deplot(gx[0], gy[0], 0), psstrokepath(), deplot(gx[1], gy[1], 1); },
     {"np", "297.64 421.00 M", "sk", "np", "297.64 421.00 M", "100.00  0.00 L", "sk"}, {kDraw}},
    {"a line after a move without a new path goes on from it", 2, false,
     [] { psmoveto(gx[1], gy[1], 0), deplot(gx[0], gy[0], 1); },
     {"100.00  0.00 moveto", "297.64 421.00 lineto", "stroke"}, {kDraw}},
    {"a width change strokes with the old width and the line goes on", 1, false,
     [] {
         deplot(gx[0], gy[0], 0), deplot(gx[1], gy[1], 1);
         intslinewidth(0.5669f), deplot(gx[2], gy[2], 1);
     },
     {"np", "297.64 421.00 M", "100.00  0.00 L", "sk", "0.57 slw", "np", "100.00  0.00 M",
      "0.00 842.00 L", "sk"}, {kDraw}},
    {"points that are not numbers are pen lifts", 1, false,
     [] {
         std::array<float, 6> x{kNaN, 10, 20, kNaN, 40, 50}, y{1, 10, 20, 30, kInf, 50};
         deline(x.data(), y.data(), 6), deline(x.data(), y.data(), 1), intslinewidth(kNaN);
     },
     {"np", "10.00 10.00 M", "20.00 20.00 L", "50.00 50.00 M", "sk", "np", "sk"}},
    {"coordinates beyond the device are clamped in the caller's array", 1, false,
     [] {
         std::array<float, 2> x{0, 1e8f}, y{0, -2e8f};
         deline(x.data(), y.data(), 2);
         EXPECT_TRUE(x[1] == 9.9e7f && y[1] == -9.9e7f);
     },
     {"np", "0.00 0.00 M", " 99000000. -99000000. L", "sk"},
     {" x in meters =  0.353E+05", " ==> reset to xmax =  0.349E+05", " y in meters = -0.706E+05",
      " ==> reset to ymin = -0.349E+05"}},
    {"an Illustrator polygon leaves no path to stroke again", 3, false,
     [] { depolygon(px.data(), py.data(), 3), line(); },
     {"10.00 10.00 m", "50.00 10.00 l", "30.00 40.00 l", "b", "10.00 10.00 m", "50.00 10.00 l",
      "S"}},
    {"a colour is written when it changes, a text's too", 1, true,
     [] {
         psattributes.linecolor = 2, psattributes.txtcolor = 3;
         line(), line(), text(1, 0, "a", 10)(), line();
     },
     kLine + Lines{kRed, "sk"} + kLine + Lines{"sk", "10.00 200.00 M", "14 HPP sym",
     " 0.000  0.500  0.000 setrgbcolor", "(a) show"} + kLine + Lines{kRed, "sk"}},
    {"parentheses, backslashes and control bytes escaped", 1, false, text(1, 0, "a(b)c\\d\x01)"),
     {"100.00 200.00 M", "14 HPP sym", "(a\\(b\\)c\\\\d\\001\\)) show"}},
    {"Illustrator texts escaped too", 3, false, text(11, 90, "a(b"),
     {"/_Helvetica 14 23.25 0 2 z [  0.000  1.000 -1.000  0.000   100.0   200.0]e",
      "(a\\(b)t T"}},
    {"angles reduced into one turn", 2, false, [] { text(1, 400, "a")(), text(1, -1.0e6f, "a")(); },
     {"100.00 200.00 moveto", "  40.00 rotate", "14 /Helvetica findfont exch scalefont setfont",
      "(a) show", " -40.00 rotate", "100.00 200.00 moveto", "-280.00 rotate",
      "14 /Helvetica findfont exch scalefont setfont", "(a) show", " 280.00 rotate"}},
    {"texts that cannot be placed are left out", 1, false,
     [] { text(1, 0, "x", kNaN)(), text(1, kNaN, "x")(), intstextsize(kNaN), text(1, 0, "x")(); },
     {}},
    {"Illustrator texts that cannot be written are left out", 3, false,
     [] { text(1, 0, "far", 2.0e6f)(), intstextsize(1.0e37f), text(1, 0, "a")(); }, {}},
    {"a text under one point is shown at one point", 1, false,
     [] { intstextsize(0.03f), text(1, 0, "a")(); }, {"100.00 200.00 M", "1 HPP sym", "(a) show"}},
    {"an Illustrator text under one point is shown at one point", 3, false,
     [] { intstextsize(0.03f), text(1, 0, "a")(); },
     {"/_Helvetica 1 1.39 0 0 z [  1.000  0.000  0.000  1.000   100.0   200.0]e", "(a)t T"}}};
// clang-format on

TEST(Drawing, LinesWrittenForEachDrawing) {
    for (const DrawCase& c : kCases) {
        SCOPED_TRACE(c.name);
        PsDocument doc(PsSettings{false, 1, "P  ", c.dialect}, c.colour);
        c.draw();
        const Lines lines = doc.finish();
        EXPECT_EQ(c.dialect == 3 ? between(lines, " 0.00 g", "%%PageTrailer")
                                 : between(lines, "%%Page:   1   1", "showpage"),
                  c.expected);
        for (const auto& l : c.console) EXPECT_EQ(countLines(doc.console.lines(), l), 1) << l;
        EXPECT_TRUE(!c.console.empty() || doc.console.output().empty()) << doc.console.output();
        expectRenders(doc.path);
    }
}

}  // namespace tensova::test

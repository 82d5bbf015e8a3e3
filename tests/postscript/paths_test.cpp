// Moves, lines, strokes and widths as written to the file, and the device's guards: the clamp,
// lines without a current point, and points that cannot be written.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "plot/plot_blocks.hpp"
#include "postscript/postscript.hpp"
#include "postscript/psparams.hpp"
#include "ps_fixture.hpp"

namespace tensova {
namespace {

using test::PsDocument;
using Lines = std::vector<std::string>;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// What a drawing writes after the head of a black-and-white document of the dialect.
template <typename Draw>
Lines drawn(int32_t dialect, Draw draw, std::string* console = nullptr) {
    PsDocument doc(PsSettings{false, 1, "P  ", dialect}, false);
    draw();
    const auto lines = doc.finishLines();
    if (console) *console = doc.console.output();
    test::expectRenders(doc.path());
    const std::string first = dialect == 3 ? " 0.00 g" : "%%Page:   1   1";
    const std::string last = dialect == 3 ? "%%PageTrailer" : "showpage";
    return test::between(lines, first, last);
}

struct PathCase {
    const char* name;
    int32_t dialect;
    void (*draw)();
    Lines expected;
};

std::array<float, 3> gx{297.6449f, 100.0f, 0.004f};
std::array<float, 3> gy{421.0f, -0.004f, 842.0f};

const std::vector<PathCase> kPathCases = {
    {"polyline of one point is a segment to itself",
     1,
     [] { deline(gx.data(), gy.data(), 1); },
     {"np", "297.64 421.00 M", "297.64 421.00 L", "sk"}},
    {"polyline of three points",
     1,
     [] { deline(gx.data(), gy.data(), 3); },
     {"np", "297.64 421.00 M", "100.00  0.00 L", "0.00 842.00 L", "sk"}},
    {"polyline in plain operators",
     2,
     [] { deline(gx.data(), gy.data(), 2); },
     {"newpath", "297.64 421.00 moveto", "100.00  0.00 lineto", "stroke"}},
    {"polyline in Illustrator operators has no new-path line",
     3,
     [] { deline(gx.data(), gy.data(), 2); },
     {"297.64 421.00 m", "100.00  0.00 l", "S"}},
    {"a polyline of no point writes nothing", 1, [] { deline(gx.data(), gy.data(), 0); }, {}},
    {"two new paths in a row: the first is stroked",
     1,
     [] {
         deplot(gx[0], gy[0], 0);
         deplot(gx[1], gy[1], 0);
     },
     {"np", "297.64 421.00 M", "sk", "np", "100.00  0.00 M", "sk"}},
    {"a move without a new path", 2, [] { psmoveto(gx[1], gy[1], 0); }, {"100.00  0.00 moveto"}},
    {"a move of another kind only strokes",
     1,
     [] {
         deplot(gx[0], gy[0], 0);
         psmoveto(gx[1], gy[1], 5);
     },
     {"np", "297.64 421.00 M", "sk"}},
    {"pen code 2 does nothing",
     1,
     [] {
         deplot(gx[0], gy[0], 0);
         deplot(gx[1], gy[1], 2);
         deplot(gx[2], gy[2], 1);
     },
     {"np", "297.64 421.00 M", "0.00 842.00 L", "sk"}},
    {"a width change strokes with the old width and the line goes on",
     1,
     [] {
         deplot(gx[0], gy[0], 0);
         deplot(gx[1], gy[1], 1);
         intslinewidth(0.5669f);
         deplot(gx[2], gy[2], 1);
     },
     {"np", "297.64 421.00 M", "100.00  0.00 L", "sk", "0.57 slw", "np", "100.00  0.00 M",
      "0.00 842.00 L", "sk"}},
    {"the width is written on every call",
     2,
     [] {
         intslinewidth(1);
         intslinewidth(1);
     },
     {"1.00 setlinewidth", "1.00 setlinewidth"}},
    {"Illustrator width", 3, [] { intslinewidth(2.25f); }, {"2.25 w"}},
    {"a line at the start of the file begins at its own point",
     1,
     [] { deplot(gx[1], gy[1], 1); },
     {"np", "100.00  0.00 M", "sk"}},
    {"a line with no path and nothing to draw writes nothing of its own",
     1,
     [] {
         deplot(gx[0], gy[0], 0);
         psstrokepath();
         pslineto(gx.data(), gy.data(), 0);
     },
     {"np", "297.64 421.00 M", "sk", "sk"}},
    {"a line after a move without a new path goes on from it",
     1,
     [] {
         psmoveto(gx[1], gy[1], 0);
         deplot(gx[0], gy[0], 1);
     },
     {"100.00  0.00 M", "297.64 421.00 L", "sk"}},
    {"a line after a text goes on from the text's end",
     2,
     [] {
         float x = 10, y = 20;
         detext2(x, y, "a");
         deplot(gx[0], gy[0], 1);
     },
     {"10.00 20.00 moveto", "14 /Helvetica findfont exch scalefont setfont", "(a) show",
      "297.64 421.00 lineto", "stroke"}},
    {"a point that is not a number is a pen lift",
     1,
     [] {
         std::array<float, 5> x{10, 20, kNaN, 40, 50}, y{10, 20, 30, kInf, 50};
         deline(x.data(), y.data(), 5);
     },
     {"np", "10.00 10.00 M", "20.00 20.00 L", "50.00 50.00 M", "sk"}},
    {"a polyline that begins with a point that is not a number",
     2,
     [] {
         std::array<float, 3> x{kNaN, 20, 30}, y{10, 20, 30};
         deline(x.data(), y.data(), 3);
     },
     {"newpath", "20.00 20.00 moveto", "30.00 30.00 lineto", "stroke"}},
    {"a polyline with no point that can be written",
     1,
     [] {
         std::array<float, 2> x{kNaN, -kInf}, y{1, 2};
         deline(x.data(), y.data(), 2);
         intslinewidth(kNaN);
     },
     {"np", "sk"}},
};

TEST(Paths, LinesWrittenForEachDrawing) {
    for (const PathCase& c : kPathCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(drawn(c.dialect, c.draw), c.expected);
    }
}

TEST(Paths, LineWithoutCurrentPointWarnsAndGoesOnFromTheLastPoint) {
    std::string console;
    const Lines lines = drawn(
        1,
        [] {
            float x = 10, y = 20;
            deplot(x, y, 0);
            psstrokepath();
            x = 30;
            deplot(x, y, 1);
        },
        &console);
    EXPECT_EQ(lines,
              (Lines{"np", "10.00 20.00 M", "sk", "np", "10.00 20.00 M", "30.00 20.00 L", "sk"}));
    EXPECT_NE(console.find("subroutine pslineto "), std::string::npos) << console;
    EXPECT_NE(console.find("\n Path begins with Draw instead of Move\n"), std::string::npos);
}

TEST(Paths, CoordinatesBeyondTheDeviceAreClampedInTheCallersArray) {
    std::array<float, 2> x{0, 1e8f}, y{0, -2e8f};
    std::string console;
    const Lines lines = drawn(
        1, [&] { deline(x.data(), y.data(), 2); }, &console);
    EXPECT_EQ(lines, (Lines{"np", "0.00 0.00 M", " 99000000. -99000000. L", "sk"}));
    EXPECT_EQ(x[1], 9.9e7f);
    EXPECT_EQ(y[1], -9.9e7f);
    const auto out = test::splitLines(console);
    const Lines expected = {" x in meters =  0.353E+05", " ==> reset to xmax =  0.349E+05",
                            " y in meters = -0.706E+05", " ==> reset to ymin = -0.349E+05"};
    for (const auto& l : expected)
        EXPECT_NE(std::find(out.begin(), out.end(), l), out.end()) << l << "\n" << console;
}

TEST(Paths, TheDeviceLimitItselfIsNotClamped) {
    std::string console;
    float x = 9.9e7f, y = -9.9e7f;
    drawn(
        2, [&] { deplot(x, y, 0); }, &console);
    EXPECT_EQ(console.find("WARNING"), std::string::npos);
}

}  // namespace
}  // namespace tensova

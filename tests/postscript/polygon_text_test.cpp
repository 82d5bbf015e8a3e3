// Colours, polygons and texts as written to the file.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
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

struct DrawCase {
    const char* name;
    int32_t dialect;
    bool colour;
    std::function<void()> draw;
    Lines expected;  // what follows the head
};

Lines drawn(const DrawCase& c) {
    PsDocument doc(PsSettings{false, 1, "P  ", c.dialect}, c.colour);
    c.draw();
    const auto lines = doc.finishLines();
    test::expectRenders(doc.path());
    if (c.dialect == 3) {
        const std::string last = c.colour ? " 0.000  0.000  0.000 setrgbcolor" : " 0.00 g";
        return test::between(lines, last, "%%PageTrailer");
    }
    return test::between(lines, "%%Page:   1   1", "showpage");
}

void runCases(const std::vector<DrawCase>& cases) {
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(drawn(c), c.expected);
    }
}

std::array<float, 3> px{10, 50, 30};
std::array<float, 3> py{10, 10, 40};

void triangle() {
    depolygon(px.data(), py.data(), 3);
}

void line() {
    deline(px.data(), py.data(), 2);
}

const Lines kTriangle1 = {"np", "10.00 10.00 M", "50.00 10.00 L", "30.00 40.00 L"};
const Lines kTriangle2 = {"newpath", "10.00 10.00 moveto", "50.00 10.00 lineto",
                          "30.00 40.00 lineto"};
const Lines kLine1 = {"np", "10.00 10.00 M", "50.00 10.00 L"};

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::string kRed = " 0.500  0.000  0.000 setrgbcolor";
const std::string kGreen = " 0.000  0.500  0.000 setrgbcolor";
const std::string kBlack = " 0.000  0.000  0.000 setrgbcolor";

TEST(Polygons, FilledAndHollowInColourAndBlackAndWhite) {
    auto hollow = [] {
        plt2blk.fillstyle = 0;
        triangle();
    };
    runCases({
        {"compressed filled colour", 1, true, triangle,
         kTriangle1 + Lines{"cp gs", " 0.800  0.800  0.800 setrgbcolor fill gr", "sk"}},
        {"compressed filled black and white", 1, false, triangle,
         kTriangle1 + Lines{"cp gs", " 0.500 stg fill gr", "sk"}},
        {"compressed hollow", 1, true, hollow, kTriangle1 + Lines{"cp", "sk"}},
        {"plain filled colour", 2, true, triangle,
         kTriangle2 +
             Lines{"closepath gsave", " 0.800  0.800  0.800 setrgbcolor fill grestore", "stroke"}},
        {"plain filled black and white", 2, false, triangle,
         kTriangle2 + Lines{"closepath gsave", " 0.500 setgray fill grestore", "stroke"}},
        {"plain hollow", 2, false, hollow, kTriangle2 + Lines{"closepath", "stroke"}},
        {"Illustrator filled",
         3,
         true,
         triangle,
         {"10.00 10.00 m", "50.00 10.00 l", "30.00 40.00 l", "b"}},
        {"Illustrator hollow",
         3,
         false,
         hollow,
         {"10.00 10.00 m", "50.00 10.00 l", "30.00 40.00 l", "s"}},
        {"one vertex",
         1,
         false,
         [] { depolygon(px.data(), py.data(), 1); },
         {"np", "10.00 10.00 M", "cp gs", " 0.500 stg fill gr", "sk"}},
        {"no vertex", 1, false, [] { depolygon(px.data(), py.data(), 0); }, {}},
        {"outlined in the line colour, filled in the fill colour", 1, true,
         [] {
             plt2blk.linecolor = 2;
             plt2blk.fillcolor = 3;
             triangle();
         },
         kTriangle1 + Lines{"cp gs", kGreen + " fill gr", kRed, "sk"}},
        {"a new path after an Illustrator polygon is not stroked again",
         3,
         false,
         [] {
             triangle();
             line();
         },
         {"10.00 10.00 m", "50.00 10.00 l", "30.00 40.00 l", "b", "10.00 10.00 m", "50.00 10.00 l",
          "S"}},
    });
}

TEST(Colours, WrittenOnlyWhenTheyChange) {
    runCases({
        {"black and white writes no colour", 1, false,
         [] {
             plt2blk.linecolor = 2;
             line();
             plt2blk.txtcolor = 3;
             float x = 10, y = 10;
             detext2(x, y, "a");
         },
         kLine1 + Lines{"sk", "10.00 10.00 M", "14 HPP sym", "(a) show"}},
        {"two strokes in one colour write it once", 1, true,
         [] {
             plt2blk.linecolor = 2;
             line();
             line();
         },
         kLine1 + Lines{kRed, "sk"} + kLine1 + Lines{"sk"}},
        {"a text in another colour makes the line colour due again", 1, true,
         [] {
             plt2blk.linecolor = 2;
             plt2blk.txtcolor = 3;
             line();
             float x = 10, y = 10;
             detext2(x, y, "a");
             line();
         },
         kLine1 + Lines{kRed, "sk", "10.00 10.00 M", "14 HPP sym", kGreen, "(a) show"} + kLine1 +
             Lines{kRed, "sk"}},
        {"a fill is no colour change", 1, true,
         [] {
             plt2blk.linecolor = 2;
             line();
             triangle();
             line();
         },
         kLine1 + Lines{kRed, "sk"} + kTriangle1 +
             Lines{"cp gs", " 0.800  0.800  0.800 setrgbcolor fill gr", "sk"} + kLine1 +
             Lines{"sk"}},
        {"the reset writes black even when black is current",
         2,
         true,
         [] { psrgbcolor(-1); },
         {kBlack}},
        {"other selectors write nothing",
         2,
         true,
         [] {
             plt2blk.linecolor = 2;
             psrgbcolor(2);
             psrgbcolor(0);
         },
         {}},
    });
}

// A text drawn with the justification and angle given.
std::function<void()> text(int32_t justif, float angle, std::string s, float x = 100,
                           float y = 200) {
    return [=] {
        plt2blk.justif = justif;
        plt2blk.txtangle = angle;
        float tx = x, ty = y;
        detext2(tx, ty, s);
    };
}

TEST(Texts, LinesOfEachJustificationAngleAndDialect) {
    runCases({
        {"middle row, centred, trimmed",
         1,
         false,
         text(-6, 0, "  abc  "),
         {"100.00 192.91 M", "14 HPP sym", "(abc)", "sl -2 div 0 G", "show"}},
        {"at an angle",
         1,
         false,
         text(1, 30, "text"),
         {"100.00 200.00 M", "  30.00 rotate", "14 HPP sym", "(text) show", " -30.00 rotate"}},
        {"top row, right, plain operators",
         2,
         false,
         text(11, 0, "abc"),
         {"100.00 185.82 moveto", "14 /Helvetica findfont exch scalefont setfont", "(abc)",
          "dup stringwidth pop -1 div 0 rmoveto", "show"}},
        {"untrimmed at full length",
         2,
         false,
         text(1, 0, "  abc  "),
         {"100.00 200.00 moveto", "14 /Helvetica findfont exch scalefont setfont",
          "(  abc  ) show"}},
        {"all blanks trimmed keeps one",
         1,
         false,
         text(-1, 0, "   "),
         {"100.00 200.00 M", "14 HPP sym", "( ) show"}},
        {"lowered across the text's direction",
         1,
         false,
         text(-5, 90, "v"),
         {"107.09 200.00 M", "  90.00 rotate", "14 HPP sym", "(v) show", " -90.00 rotate"}},
        {"angles reduced into one turn",
         1,
         false,
         text(1, 400, "a"),
         {"100.00 200.00 M", "  40.00 rotate", "14 HPP sym", "(a) show", " -40.00 rotate"}},
        {"large negative angle",
         2,
         false,
         text(1, -1.0e6f, "a"),
         {"100.00 200.00 moveto", "-280.00 rotate", "14 /Helvetica findfont exch scalefont setfont",
          "(a) show", " 280.00 rotate"}},
        {"parentheses, backslashes and control bytes escaped",
         1,
         false,
         text(1, 0, "a(b)c\\d\x01)"),
         {"100.00 200.00 M", "14 HPP sym", "(a\\(b\\)c\\\\d\\001\\)) show"}},
        {"text colour after the font",
         2,
         true,
         [] {
             plt2blk.txtcolor = 2;
             psparams.fontNumber = 6;
             float x = 1, y = 2;
             detext2(x, y, "x");
         },
         {"1.00 2.00 moveto", "14 /Times-Bold findfont exch scalefont setfont", kRed, "(x) show"}},
        {"text strokes the pending path", 1, false,
         [] {
             line();
             float x = 1, y = 2;
             detext2(x, y, "x");
         },
         kLine1 + Lines{"sk", "1.00 2.00 M", "14 HPP sym", "(x) show"}},
        {"Illustrator text object, centred",
         3,
         false,
         text(-2, 0, " abc "),
         {"/_Helvetica 14 23.25 0 1 z [  1.000  0.000  0.000  1.000   100.0   200.0]e",
          "(abc)t T"}},
        {"Illustrator text at an angle, right",
         3,
         false,
         text(11, 90, "a(b"),
         {"/_Helvetica 14 23.25 0 2 z [  0.000  1.000 -1.000  0.000   100.0   200.0]e",
          "(a\\(b)t T"}},
        {"Illustrator text strokes the pending path",
         3,
         false,
         [] {
             line();
             text(4, 0, "a")();
         },
         {"10.00 10.00 m", "50.00 10.00 l", "S",
          "/_Helvetica 14 23.25 0 0 z [  1.000  0.000  0.000  1.000   100.0   200.0]e", "(a)t T"}},
        {"a text that cannot be placed is left out",
         1,
         false,
         [] {
             text(1, 0, "x", kNaN, 1)();
             text(1, kNaN, "x")();
             intstextsize(kNaN);
             text(1, 0, "x")();
         },
         {}},
        {"a text under one point is shown at one point",
         1,
         false,
         [] {
             intstextsize(0.03f);
             text(1, 0, "a")();
         },
         {"100.00 200.00 M", "1 HPP sym", "(a) show"}},
        {"an Illustrator text under one point is shown at one point",
         3,
         false,
         [] {
             intstextsize(0.03f);
             text(1, 0, "a")();
         },
         {"/_Helvetica 1 1.39 0 0 z [  1.000  0.000  0.000  1.000   100.0   200.0]e", "(a)t T"}},
        {"an Illustrator text whose leading cannot be written is left out",
         3,
         false,
         [] {
             intstextsize(1.0e37f);
             text(1, 0, "a")();
         },
         {}},
        {"an Illustrator position beyond its field is left out",
         3,
         false,
         text(1, 0, "far", 2.0e6f, 10),
         {}},
    });
}

TEST(Texts, TheAnchorMoveClampsTheCallersPoint) {
    PsDocument doc(PsSettings{false, 1, "P  ", 1}, false);
    float x = 2e8f, y = 10;
    detext2(x, y, "far");
    EXPECT_EQ(x, 9.9e7f);
    doc.finish();
    test::expectRenders(doc.path());
}

}  // namespace
}  // namespace tensova

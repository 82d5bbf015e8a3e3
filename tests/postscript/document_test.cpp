// Heads, page breaks and trailers of the three dialects, byte for byte, and the files they
// make rendered by Ghostscript.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "console/stop.hpp"
#include "console/text.hpp"
#include "console/units.hpp"
#include "plot/plot_blocks.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/psparams.hpp"
#include "ps_fixture.hpp"

namespace tensova {
namespace {

using test::PsDocument;
using Lines = std::vector<std::string>;

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Lines kCompressedProlog = {
    "%% Define macros etc",
    "/L {lineto} def",
    "/D {rlineto} def",
    "/M {moveto} def",
    "/G {rmoveto} def",
    "/slw {setlinewidth} def",
    "/stg {setgray} def",
    "/sym {findfont exch scalefont setfont} def",
    "/HPP {/Helvetica} def",
    "/HBP {/Helvetica-Bold} def",
    "/HPI {/Helvetica-Oblique} def",
    "/HBI {/Helvetica-BoldOblique} def",
    "/TPP {/Times-Roman}def",
    "/TBP {/Times-Bold} def",
    "/TPI {/Times-Italic} def",
    "/TBI {/Times-BoldItalic} def",
    "/CPP {/Courier} def",
    "/CBP {/Courier-Bold} def",
    "/CPI {/Courier-Oblique} def",
    "/CBI {/Courier-BoldOblique} def",
    "/SPP {/Symbol} def",
    "/SBP {/Symbol-Bold} def",
    "/SPI {/Symbol-Oblique} def",
    "/SBI {/Symbol-BoldOblique} def",
    "/np {newpath} def",
    "/sk {stroke} def",
    "/cp {closepath} def",
    "/gs {gsave} def",
    "/gr {grestore} def",
    "/dot {sk arc gs stg fill gr sk} def",
    "/dotf {sk arc gs stg fill gr np} def",
    "/bx {3 {D} repeat cp gs stg fill gr sk} def",
    "/bxf {3 {D} repeat cp gs stg fill gr np} def",
    "/rect {3 {L} repeat cp gs stg fill gr sk} def",
    "/rectf {3 {L} repeat cp gs stg fill gr np} def",
    "/tri {D D cp gs stg fill gr sk} def",
    "/trif {D D cp gs stg fill gr np} def",
    "/pie {sk M arc cp gs stg fill gr sk} def",
    "/x {D G D sk} def",
    "/R {rotate} def",
    "/sl {dup stringwidth pop} def",
    "/sh {show} def",
    "/sd {setdash} def",
    "% Initialize coordinate system and scales",
};

const std::string kBlack = " 0.000  0.000  0.000 setrgbcolor";
const std::string kBox = "%%BoundingBox: 0 0 595 842";
const std::string kLUS = " 612 0 translate 90 rotate";
const std::string kLA4 = " 595 0 translate 90 rotate";

Lines trailer12(int pages) {
    return {"showpage", "%%End Page", "%%Trailer", "%%Pages:   " + std::to_string(pages), "%%EOF"};
}

const Lines kTrailer3 = {"%%PageTrailer",
                         "%%Trailer",
                         "Adobe_Illustrator881 /terminate get exec",
                         "Adobe_customcolor /terminate get exec",
                         "Adobe_cshow /terminate get exec",
                         "Adobe_packedarray /terminate get exec",
                         "%%EOF"};

Lines illustratorHead(const Lines& transform, const Lines& colour) {
    return Lines{"%!PS-Adobe-2.0 EPSF-1.2",
                 "%%Title: plot.ps             ",
                 "%%DocumentProcessColors: Black",
                 "%%DocumentFonts: Helvetica",
                 "%%DocumentProcSets: Adobe_packedarray 1.0 0",
                 "%%DocumentProcSets: Adobe_cmykcolor 1.1 0",
                 "%%DocumentProcSets: Adobe_cshow 1.1 0",
                 "%%DocumentProcSets: Adobe_customcolor 1.0 0",
                 "%%DocumentProcSets: Adobe_Illustrator881 1.19 0",
                 kBox,
                 "%AI3_IncludePlacedImages",
                 "%%TemplateBox:297.5 421 297.5 421",
                 "%%TileBox: 10 10 585 832",
                 "%%DocumentPreview: None",
                 "%%EndComments",
                 "%%EndProlog",
                 "%%BeginSetup",
                 "Adobe_cshow /initialize get exec",
                 "Adobe_customcolor /initialize get exec",
                 "Adobe_Illustrator881 /initialize get exec",
                 "%%EndSetup"} +
           transform + Lines{" 0.00 G", " 0.00 g"} + colour;
}

std::string joined(const Lines& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

struct HeadCase {
    const char* name;
    PsSettings settings;
    bool colour;
    Lines expected;  // the whole file of an empty one-page document
};

const Lines kPage1 = {"%%Page:   1   1"};

std::vector<HeadCase> headCases() {
    return {
        {"compressed portrait one copy black and white",
         {false, 1, "P  ", 1},
         false,
         Lines{"%!", "%%Pages: (atend)", kBox} + kCompressedProlog + Lines{"% Ready to go"} +
             kPage1 + trailer12(1)},
        {"compressed portrait two copies colour",
         {false, 2, "P  ", 1},
         true,
         Lines{"%!", "%%Pages: (atend)", kBox} + kCompressedProlog +
             Lines{"/#copies   2 def", kBlack, "% Ready to go"} + kPage1 + trailer12(1)},
        {"compressed US letter landscape 999 copies",
         {false, 999, "LUS", 1},
         true,
         Lines{"%!", "%%Pages: (atend)", kBox} + kCompressedProlog +
             Lines{"/#copies 999 def", kLUS, kBlack, "% Ready to go"} + kPage1 + trailer12(1)},
        {"compressed A4 landscape",
         {false, 1, "LA4", 1},
         false,
         Lines{"%!", "%%Pages: (atend)", kBox} + kCompressedProlog + Lines{kLA4, "% Ready to go"} +
             kPage1 + trailer12(1)},
        {"compressed overlay", {true, 3, "LA4", 1}, true, Lines{"% Ready to go"} + trailer12(1)},
        {"compressed hand-edited orientation",
         {false, 1, "XYZ", 1},
         false,
         Lines{"%!", "%%Pages: (atend)"} + kCompressedProlog + Lines{"% Ready to go"} + kPage1 +
             trailer12(1)},
        {"news portrait colour, copies ignored",
         {false, 5, "P  ", 2},
         true,
         Lines{"%!", "% Initialize coordinate system and scales", "%%Pages: (atend)", kBox, kBlack,
               "% Ready to go"} +
             kPage1 + trailer12(1)},
        {"news A4 landscape",
         {false, 1, "LA4", 2},
         false,
         Lines{"%!", "% Initialize coordinate system and scales", "%%Pages: (atend)", kBox, kLA4,
               "% Ready to go"} +
             kPage1 + trailer12(1)},
        {"news US letter landscape two copies",
         {false, 2, "LUS", 2},
         true,
         Lines{"%!", "% Initialize coordinate system and scales", "%%Pages: (atend)", kBox, kLUS,
               kBlack, "% Ready to go"} +
             kPage1 + trailer12(1)},
        {"news overlay", {true, 1, "P  ", 2}, false, Lines{"% Ready to go"} + trailer12(1)},
        {"illustrator portrait colour",
         {false, 1, "P  ", 3},
         true,
         illustratorHead({}, {kBlack}) + kTrailer3},
        {"illustrator US letter landscape, overlay and copies ignored",
         {true, 7, "LUS", 3},
         false,
         illustratorHead({kLUS}, {}) + kTrailer3},
        {"illustrator A4 landscape",
         {false, 2, "LA4", 3},
         true,
         illustratorHead({kLA4}, {kBlack}) + kTrailer3},
    };
}

TEST(Document, HeadAndTrailerOfEachDialect) {
    for (const HeadCase& c : headCases()) {
        SCOPED_TRACE(c.name);
        PsDocument doc(c.settings, c.colour);
        EXPECT_EQ(doc.finish(), joined(c.expected));
        if (c.settings.overlay && c.settings.dialect == 1) {
            // An overlay goes over a document of its own dialect: drawn after a compressed
            // prolog it renders.
            const std::string prolog = doc.dir.file("prolog.ps");
            doc.dir.write("prolog.ps", joined(Lines{"%!"} + kCompressedProlog));
            test::expectRenders(doc.path(), prolog);
        } else {
            test::expectRenders(doc.path());
        }
    }
}

TEST(Document, CompressedHeadHas47PrologLines) {
    PsDocument doc(PsSettings{false, 1, "P  ", 1}, false);
    const auto lines = doc.finishLines();
    const auto ready = std::find(lines.begin(), lines.end(), "% Ready to go");
    EXPECT_EQ(ready - lines.begin(), 47);
}

TEST(Document, FontNamesOfEachDialect) {
    const std::array<std::array<const char*, 3>, kFontCount> table = {{
        {"HPP", "/Helvetica", "Helvetica"},
        {"HBP", "/Helvetica-Bold", "Helvetica-Bold"},
        {"HPI", "/Helvetica-Oblique", "Helvetica-Oblique"},
        {"HBI", "/Helvetica-BoldOblique", "Helvetica-BoldOblique"},
        {"TPP", "/Times-Roman", "Times-Roman"},
        {"TBP", "/Times-Bold", "Times-Bold"},
        {"TPI", "/Times-Italic", "Times-Italic"},
        {"TBI", "/Times-BoldItalic", "Times-BoldItalic"},
        {"CPP", "/Courier", "Courier"},
        {"CBP", "/Courier-Bold", "Courier-Bold"},
        {"CPI", "/Courier-Oblique", "Courier-Oblique"},
        {"CBI", "/Courier-BoldOblique", "Courier-BoldOblique"},
        {"SPP", "/Symbol", "Symbol"},
        {"SBP", "/Symbol-Bold", "Symbol-Bold"},
        {"SPI", "/Symbol-Oblique", "Symbol-Oblique"},
        {"SBI", "/Symbol-BoldOblique", "Symbol-BoldOblique"},
    }};
    for (int32_t dialect = 1; dialect <= 3; ++dialect) {
        // The overlay head fills the table too.
        PsDocument doc(PsSettings{dialect != 3, 1, "P  ", dialect}, false);
        for (std::size_t k = 0; k < table.size(); ++k)
            EXPECT_EQ(psparams.fonts[k], fit(table[k][dialect - 1], 22)) << dialect << " " << k;
    }
}

TEST(Document, PageBreaksCountPagesInEveryDialect) {
    for (int32_t dialect = 1; dialect <= 3; ++dialect) {
        SCOPED_TRACE(dialect);
        PsDocument doc(PsSettings{false, 1, "LA4", dialect});
        std::array<float, 2> x{100, 200}, y{100, 150};
        deline(x.data(), y.data(), 2);
        intnewpage();
        deline(x.data(), y.data(), 2);
        intnewpage();
        const auto lines = doc.finishLines();
        const Lines pageBreak3 = {"gsave showpage", "%%End Page", "grestore", "%%Page:   3   3"};
        const auto it =
            std::search(lines.begin(), lines.end(), pageBreak3.begin(), pageBreak3.end());
        EXPECT_NE(it, lines.end());
        const int comments = static_cast<int>(std::count_if(
            lines.begin(), lines.end(), [](const auto& l) { return l.rfind("%%Page:", 0) == 0; }));
        // Illustrator files have no comment for their first page.
        EXPECT_EQ(comments, dialect == 3 ? 2 : 3);
        if (dialect != 3) {
            EXPECT_EQ(lines[lines.size() - 2], "%%Pages:   3");
        } else {
            EXPECT_EQ(std::count(lines.begin(), lines.end(), "showpage"), 0);
        }
        EXPECT_EQ(lines.back(), "%%EOF");
        test::expectRenders(doc.path());
    }
}

TEST(Document, PageBreakStrokesThePendingPath) {
    PsDocument doc(PsSettings{false, 1, "P  ", 1});
    float x = 10, y = 20;
    deplot(x, y, 0);
    intnewpage();
    const auto lines = doc.finishLines();
    const Lines expected = {"np",       "10.00 20.00 M",  "sk", "gsave showpage", "%%End Page",
                            "grestore", "%%Page:   2   2"};
    EXPECT_EQ(test::between(lines, "%%Page:   1   1", "showpage"), expected);
}

TEST(Document, NothingIsWrittenOnceTheFileIsClosed) {
    PsDocument doc(PsSettings{false, 1, "P  ", 2});
    const std::string closed = doc.finish();
    std::array<float, 2> x{1, 2}, y{3, 4};
    float px = 5, py = 6;
    deline(x.data(), y.data(), 2);
    depolygon(x.data(), y.data(), 2);
    deplot(px, py, 0);
    deplot(px, py, 1);
    detext2(px, py, "late");
    intslinewidth(2);
    psrgbcolor(-1);
    intnewpage();
    psend();
    EXPECT_EQ(test::readFile(doc.path()), closed);
    EXPECT_FALSE(psdevice.open);
}

TEST(Document, TheLastColourIsForgottenAtEachOpening) {
    {
        // The first file ends in slot 2; the next one opens black and white.
        PsDocument doc(PsSettings{false, 1, "P  ", 2});
        plt2blk.linecolor = 2;
        psrgbcolor(1);
        doc.finish();
        plt2blk.colorplot = false;
        ASSERT_TRUE(unitOpen(kPlotUnit, doc.path(), OpenStatus::Unknown));
        beginDocument(PsSettings{false, 1, "P  ", 2}, fit("plot.ps", 20));
        // Colour is switched on while the file is open: the first stroke must name its colour.
        plt2blk.colorplot = true;
        std::array<float, 2> x{100, 200}, y{100, 100};
        deline(x.data(), y.data(), 2);
        const auto lines = doc.finishLines();
        EXPECT_EQ(test::between(lines, "100.00 100.00 moveto", "stroke"),
                  (Lines{"200.00 100.00 lineto", " 0.500  0.000  0.000 setrgbcolor"}));
        test::expectRenders(doc.path());
    }
}

TEST(Document, AFileThatCouldNotBeWrittenIsReported) {
    test::ConsoleCapture console("");
    if (!unitOpen(kPlotUnit, "/dev/full", OpenStatus::Unknown)) GTEST_SKIP() << "no /dev/full";
    test::resetBlocks();
    beginDocument(PsSettings{false, 1, "P  ", 1}, fit("/dev/full", 20));
    psend();
    EXPECT_FALSE(psdevice.open);
    EXPECT_NE(console.output().find(" The PostScript plot file could not be written completely"),
              std::string::npos)
        << console.output();
}

TEST(Document, OpeningAgainFinishesTheFileStillOpen) {
    test::InFolder f;
    test::ConsoleCapture console("\nsecond.ps\n");
    const std::string first = f.dir.file("first.ps");
    test::openDocument(first, PsSettings{false, 1, "P  ", 2});
    std::string fname = fit("seis.ps", 20);
    intplinit(fname, 2);
    psend();
    EXPECT_EQ(test::splitLines(test::readFile(first)).back(), "%%EOF");
    test::expectRenders(first);
    test::expectRenders(f.dir.file("second.ps"));
}

// Draws on a page, breaks it and stops the run with the file open.
void drawAndStop(const std::string& path) {
    test::ConsoleCapture console("");
    test::openDocument(path, PsSettings{false, 1, "P  ", 1});
    std::array<float, 2> x{100, 200}, y{100, 150};
    deline(x.data(), y.data(), 2);
    intnewpage();
    stopRun(3);
}

TEST(Document, AnOpenFileIsFinishedWhenTheRunStops) {
    test::TempDir dir;
    const std::string path = dir.file("stopped.ps");
    EXPECT_EXIT(drawAndStop(path), ::testing::ExitedWithCode(3), "");
    const auto lines = test::splitLines(test::readFile(path));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "%%Pages:   2");
    EXPECT_EQ(lines.back(), "%%EOF");
    test::expectRenders(path);
}

TEST(Document, CloseDialogWaitsForOneLineThenFinishes) {
    PsDocument doc(PsSettings{false, 1, "P  ", 2}, true, "\nnext\n");
    intplend();
    EXPECT_FALSE(psdevice.open);
    const auto out = doc.console.lines();
    EXPECT_EQ(out.front(), " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@");
    EXPECT_EQ(out[1], " @ subroutine plend      ");
    EXPECT_NE(std::find(out.begin(), out.end(), " Ready to close the PostScript plot file"),
              out.end());
    EXPECT_EQ(out[out.size() - 2], " The PostScript plot file is closed");
    // Only the one line was read: the next answer is still waiting.
    std::string rest;
    EXPECT_EQ(unitReadLine(kKeyboardUnit, rest), ReadResult::Ok);
    EXPECT_EQ(rest, "next");
    EXPECT_EQ(test::splitLines(test::readFile(doc.path())).back(), "%%EOF");
    test::expectRenders(doc.path());
}

// The close dialog with nothing left to read.
void closeAtEndOfInput(const std::string& path) {
    test::ConsoleCapture console("");
    test::openDocument(path, PsSettings{false, 1, "P  ", 1});
    intplend();
}

TEST(Document, CloseDialogAtTheEndOfInputStillWritesTheTrailer) {
    test::TempDir dir;
    const std::string path = dir.file("eof.ps");
    EXPECT_EXIT(closeAtEndOfInput(path), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(test::splitLines(test::readFile(path)).back(), "%%EOF");
    test::expectRenders(path);
}

}  // namespace
}  // namespace tensova

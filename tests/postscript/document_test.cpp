// Heads and trailers of the three dialects, byte for byte; the file's life from
// its opening to its trailer, however the run ends; each file rendered by Ghostscript.

#include "console/stop.hpp"
#include "ps_fixture.hpp"

namespace tensova::test {

const std::string kProlog =
    "%% Define macros etc\n/L {lineto} def\n/D {rlineto} def\n/M {moveto} def\n/G {rmoveto} def\n"
    "/slw {setlinewidth} def\n/stg {setgray} def\n/sym {findfont exch scalefont setfont} def\n"
    "/HPP {/Helvetica} def\n/HBP {/Helvetica-Bold} def\n/HPI {/Helvetica-Oblique} def\n"
    "/HBI {/Helvetica-BoldOblique} def\n/TPP {/Times-Roman}def\n/TBP {/Times-Bold} def\n"
    "/TPI {/Times-Italic} def\n/TBI {/Times-BoldItalic} def\n/CPP {/Courier} def\n"
    "/CBP {/Courier-Bold} def\n/CPI {/Courier-Oblique} def\n/CBI {/Courier-BoldOblique} def\n"
    "/SPP {/Symbol} def\n/SBP {/Symbol-Bold} def\n/SPI {/Symbol-Oblique} def\n"
    "/SBI {/Symbol-BoldOblique} def\n/np {newpath} def\n/sk {stroke} def\n/cp {closepath} def\n"
    "/gs {gsave} def\n/gr {grestore} def\n/dot {sk arc gs stg fill gr sk} def\n"
    "/dotf {sk arc gs stg fill gr np} def\n/bx {3 {D} repeat cp gs stg fill gr sk} def\n"
    "/bxf {3 {D} repeat cp gs stg fill gr np} def\n/rect {3 {L} repeat cp gs stg fill gr sk} def\n"
    "/rectf {3 {L} repeat cp gs stg fill gr np} def\n/tri {D D cp gs stg fill gr sk} def\n"
    "/trif {D D cp gs stg fill gr np} def\n/pie {sk M arc cp gs stg fill gr sk} def\n"
    "/x {D G D sk} def\n/R {rotate} def\n/sl {dup stringwidth pop} def\n/sh {show} def\n"
    "/sd {setdash} def\n% Initialize coordinate system and scales\n";
const std::string kTop = "%!\n%%Pages: (atend)\n", kBox = "%%BoundingBox: 0 0 595 842\n";
const std::string kTop2 = "%!\n% Initialize coordinate system and scales\n%%Pages: (atend)\n";
const std::string kLUS = " 612 0 translate 90 rotate\n", kLA4 = " 595 0 translate 90 rotate\n";
const std::string kBlack = " 0.000  0.000  0.000 setrgbcolor\n", kReady = "% Ready to go\n";
const std::string kPage1 = "%%Page:   1   1\n";
const std::string kEnd = "showpage\n%%End Page\n%%Trailer\n%%Pages:   1\n%%EOF\n";
const std::string kTop3 =
    "%!PS-Adobe-2.0 EPSF-1.2\n%%Title: plot.ps             \n%%DocumentProcessColors: Black\n"
    "%%DocumentFonts: Helvetica\n%%DocumentProcSets: Adobe_packedarray 1.0 0\n"
    "%%DocumentProcSets: Adobe_cmykcolor 1.1 0\n%%DocumentProcSets: Adobe_cshow 1.1 0\n"
    "%%DocumentProcSets: Adobe_customcolor 1.0 0\n"
    "%%DocumentProcSets: Adobe_Illustrator881 1.19 0\n" +
    kBox +
    "%AI3_IncludePlacedImages\n%%TemplateBox:297.5 421 297.5 421\n%%TileBox: 10 10 585 832\n"
    "%%DocumentPreview: None\n%%EndComments\n%%EndProlog\n%%BeginSetup\n"
    "Adobe_cshow /initialize get exec\nAdobe_customcolor /initialize get exec\n"
    "Adobe_Illustrator881 /initialize get exec\n%%EndSetup\n";
const std::string kGrey3 = " 0.00 G\n 0.00 g\n";
const std::string kEnd3 =
    "%%PageTrailer\n%%Trailer\nAdobe_Illustrator881 /terminate get exec\n"
    "Adobe_customcolor /terminate get exec\nAdobe_cshow /terminate get exec\n"
    "Adobe_packedarray /terminate get exec\n%%EOF\n";

TEST(Document, HeadAndTrailerOfEachDialect) {
    // The settings are flat in the table and built per case: GCC 12 at -O3 falsely warns of an
    // uninitialised string when the table nests them.
    struct Case {
        bool overlay;
        int32_t copies;
        std::string_view orientation;
        int32_t dialect;
        bool colour;
        std::string file;  // of an empty document
    };
    // Copies only in dialect 1; the box only for known orientations; an overlay has no head of
    // its own in dialects 1 and 2, and is ignored in dialect 3 as are the copies.
    // clang-format off
    const Case cases[] = {
        {false, 1, "P  ", 1, false, kTop + kBox + kProlog + kReady + kPage1 + kEnd},
        {false, 2, "P  ", 1, true,
         kTop + kBox + kProlog + "/#copies   2 def\n" + kBlack + kReady + kPage1 + kEnd},
        {false, 999, "LUS", 1, true,
         kTop + kBox + kProlog + "/#copies 999 def\n" + kLUS + kBlack + kReady + kPage1 + kEnd},
        {false, 1, "LA4", 1, false, kTop + kBox + kProlog + kLA4 + kReady + kPage1 + kEnd},
        {true, 3, "LA4", 1, true, kReady + kEnd},
        {false, 1, "XYZ", 1, false, kTop + kProlog + kReady + kPage1 + kEnd},
        {false, 5, "P  ", 2, true, kTop2 + kBox + kBlack + kReady + kPage1 + kEnd},
        {false, 1, "LA4", 2, false, kTop2 + kBox + kLA4 + kReady + kPage1 + kEnd},
        {false, 2, "LUS", 2, true, kTop2 + kBox + kLUS + kBlack + kReady + kPage1 + kEnd},
        {true, 1, "P  ", 2, false, kReady + kEnd},
        {false, 1, "P  ", 3, true, kTop3 + kGrey3 + kBlack + kEnd3},
        {true, 7, "LUS", 3, false, kTop3 + kLUS + kGrey3 + kEnd3},
        {false, 2, "LA4", 3, true, kTop3 + kLA4 + kGrey3 + kBlack + kEnd3}};
    // clang-format on
    for (const Case& c : cases) {
        const PsSettings settings{c.overlay, c.copies, std::string(c.orientation), c.dialect};
        SCOPED_TRACE(std::to_string(c.dialect) + " " + settings.orientation);
        PsDocument doc(settings, c.colour);
        doc.finish();
        EXPECT_EQ(readFile(doc.path), c.file);
        // An overlay goes over a document of its own dialect: drawn after a compressed prolog.
        doc.dir.write("prolog.ps", "%!\n" + kProlog);
        const bool overlay1 = c.overlay && c.dialect == 1;
        expectRenders(doc.path, overlay1 ? doc.dir.file("prolog.ps") : "");
    }
}

TEST(Document, NothingIsWrittenOnceTheFileIsClosedAndTheLastColourIsForgotten) {
    PsDocument doc(PsSettings{false, 1, "P  ", 2});
    psattributes.linecolor = 2;
    psrgbcolor(1);  // the file ends in slot 2
    const Lines closed = doc.finish();
    std::array<float, 2> x{100, 200}, y{100, 100};
    float px = 5, py = 6;
    deline(x.data(), y.data(), 2), depolygon(x.data(), y.data(), 2), deplot(px, py, 0);
    deplot(px, py, 1), detext2(px, py, "late"), intslinewidth(2), psrgbcolor(-1), intnewpage();
    psend();
    EXPECT_TRUE(splitLines(readFile(doc.path)) == closed && !psdevice.open);
    // The next file opens black and white; colour switched on while it is open, its first
    // stroke names its colour.
    psattributes.colorplot = false;
    ASSERT_TRUE(unitOpen(kPlotUnit, doc.path, OpenStatus::Unknown));
    beginDocument(PsSettings{false, 1, "P  ", 2}, fit("plot.ps", 20));
    psattributes.colorplot = true;
    deline(x.data(), y.data(), 2);
    EXPECT_EQ(between(doc.finish(), "100.00 100.00 moveto", "stroke"),
              (Lines{"200.00 100.00 lineto", " 0.500  0.000  0.000 setrgbcolor"}));
    expectRenders(doc.path);
}

TEST(Document, AFileThatCouldNotBeWrittenIsReported) {
    ConsoleCapture console;
    if (!unitOpen(kPlotUnit, "/dev/full", OpenStatus::Unknown)) GTEST_SKIP() << "no /dev/full";
    resetBlocks();
    beginDocument(PsSettings{false, 1, "P  ", 1}, fit("/dev/full", 20));
    psend();
    EXPECT_FALSE(psdevice.open);
    EXPECT_EQ(
        countLines(console.lines(), " The PostScript plot file could not be written completely"),
        1);
}

TEST(Document, OpeningAgainFinishesTheFileStillOpen) {
    InFolder f;
    ConsoleCapture console("\nsecond.ps\n");
    openDocument(f.dir.file("first.ps"), PsSettings{false, 1, "P  ", 2});
    std::string fname = fit("seis.ps", 20);
    intplinit(fname, 2);
    psend();
    expectRenders(f.dir.file("first.ps"));
    expectRenders(f.dir.file("second.ps"));
}

// Lines reach the file in large pieces: a file closed behind the document's back leaves nothing
// of its lines to the next document.
TEST(Document, ANewDocumentStartsWithNothingGathered) {
    InFolder f;
    ConsoleCapture console;
    openDocument(f.dir.file("first.ps"), PsSettings{false, 1, "P  ", 2});
    psLine("% left over");
    unitClose(kPlotUnit);
    openDocument(f.dir.file("second.ps"), PsSettings{false, 1, "P  ", 2});
    psend();
    EXPECT_EQ(readFile(f.dir.file("second.ps")).find("left over"), std::string::npos);
    expectRenders(f.dir.file("second.ps"));
}

TEST(Document, CloseDialogWaitsForOneLineThenFinishes) {
    PsDocument doc(PsSettings{false, 1, "P  ", 2}, true, "\nnext\n");
    intplend();
    const Lines out = doc.console.lines();
    EXPECT_TRUE(out.size() > 3 && out[1] == " @ subroutine plend      " &&
                countLines(out, " Ready to close the PostScript plot file") == 1 &&
                out[out.size() - 2] == " The PostScript plot file is closed")
        << doc.console.output();
    std::string rest;  // only the one line was read
    EXPECT_TRUE(unitReadLine(kKeyboardUnit, rest) == ReadResult::Ok && rest == "next");
    expectRenders(doc.path);
}

// A run that stops with the file open, by a stop or at the end of its input in the close
// dialog, still finishes the file.
void drawAndStop(const std::string& path) {
    ConsoleCapture console;
    openDocument(path, PsSettings{false, 1, "LUS", 1});
    std::array<float, 2> x{100, 200}, y{100, 150};
    deline(x.data(), y.data(), 2);
    intnewpage();
    stopRun(3);
}
void closeAtEndOfInput(const std::string& path) {
    ConsoleCapture console;
    openDocument(path, PsSettings{false, 1, "P  ", 1});
    intplend();
}

TEST(Document, AnOpenFileIsFinishedWhenTheRunStops) {
    TempDir dir;
    EXPECT_EXIT(drawAndStop(dir.file("stopped.ps")), ::testing::ExitedWithCode(3), "");
    EXPECT_EXIT(closeAtEndOfInput(dir.file("eof.ps")), ::testing::ExitedWithCode(1), "");
    for (const char* name : {"stopped.ps", "eof.ps"}) {
        EXPECT_EQ(splitLines(dir.read(name)).back(), "%%EOF") << name;
        expectRenders(dir.file(name));
    }
}

}  // namespace tensova::test

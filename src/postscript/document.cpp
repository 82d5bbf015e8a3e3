// The document: head by dialect, page breaks, trailer and the close dialog.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/stop.hpp"
#include "console/text.hpp"
#include "console/units.hpp"
#include "postscript/page.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_attributes.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"

namespace tensova {
namespace {

const Stamp kPlend("plend", " 5.0", "20-03-2009");
const Stamp kPswritten("pswritten", " 1.0", "07-12-2026");

constexpr std::array<std::string_view, kFontCount> kFontNames = {
    "Helvetica",   "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
    "Times-Roman", "Times-Bold",     "Times-Italic",      "Times-BoldItalic",
    "Courier",     "Courier-Bold",   "Courier-Oblique",   "Courier-BoldOblique",
    "Symbol",      "Symbol-Bold",    "Symbol-Oblique",    "Symbol-BoldOblique"};

// The font macros of the compressed prolog, in font order.
constexpr std::array<std::string_view, kFontCount> kFontMacros = {
    "HPP", "HBP", "HPI", "HBI", "TPP", "TBP", "TPI", "TBI",
    "CPP", "CBP", "CPI", "CBI", "SPP", "SBP", "SPI", "SBI"};

constexpr std::string_view kMagic = "%!";
constexpr std::string_view kPagesAtEnd = "%%Pages: (atend)";
constexpr std::string_view kInitialize = "% Initialize coordinate system and scales";
constexpr std::string_view kReady = "% Ready to go";
constexpr std::string_view kIllustratorMagic = "%!PS-Adobe-2.0 EPSF-1.2";
constexpr std::string_view kTitle = "%%Title: ";

constexpr std::array<std::string_view, 7> kCompressedMacros = {
    "%% Define macros etc", "/L {lineto} def",         "/D {rlineto} def",  "/M {moveto} def",
    "/G {rmoveto} def",     "/slw {setlinewidth} def", "/stg {setgray} def"};

constexpr std::array<std::string_view, 19> kCompressedProcedures = {
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
    "/sd {setdash} def"};

constexpr std::array<std::string_view, 7> kIllustratorComments = {
    "%%DocumentProcessColors: Black",
    "%%DocumentFonts: Helvetica",
    "%%DocumentProcSets: Adobe_packedarray 1.0 0",
    "%%DocumentProcSets: Adobe_cmykcolor 1.1 0",
    "%%DocumentProcSets: Adobe_cshow 1.1 0",
    "%%DocumentProcSets: Adobe_customcolor 1.0 0",
    "%%DocumentProcSets: Adobe_Illustrator881 1.19 0"};

constexpr std::string_view kIllustratorImages = "%AI3_IncludePlacedImages";
// Illustrator's artboard: its centre, and the paper less a margin.
constexpr int32_t kTileMargin = 10;

constexpr std::array<std::string_view, 8> kIllustratorSetup = {
    "%%DocumentPreview: None",
    "%%EndComments",
    "%%EndProlog",
    "%%BeginSetup",
    "Adobe_cshow /initialize get exec",
    "Adobe_customcolor /initialize get exec",
    "Adobe_Illustrator881 /initialize get exec",
    "%%EndSetup"};

constexpr std::array<std::string_view, 7> kIllustratorTrailer = {
    "%%PageTrailer",
    "%%Trailer",
    "Adobe_Illustrator881 /terminate get exec",
    "Adobe_customcolor /terminate get exec",
    "Adobe_cshow /terminate get exec",
    "Adobe_packedarray /terminate get exec",
    "%%EOF"};

template <std::size_t N>
void lines(const std::array<std::string_view, N>& list) {
    for (const std::string_view line : list) psLine(line);
}

void fillFonts(int32_t dialect) {
    for (std::size_t k = 0; k < kFontCount; ++k) {
        std::string name;
        if (dialect == 1) {
            name = kFontMacros[k];
        } else if (dialect == 2) {
            name = "/" + std::string(kFontNames[k]);
        } else {
            name = kFontNames[k];
        }
        psparams.fonts[k] = fit(name, kFontNameLength);
    }
}

// The paper, which a landscape page turns: its box stands as the paper does in the printer.
void boundingBox() {
    const Page page = plotPage();
    // A hand-edited orientation that is none of the commands has no box.
    if (orientationOf(psparams.orientation) != nullptr)
        psLine("%%BoundingBox: 0 0 " + fmtIown(page.paper.width) + " " +
               fmtIown(page.paper.height));
}

// Landscape pages: the page turned once, in the head.
void pageTransform() {
    const Page page = plotPage();
    if (page.landscape) psLine(" " + fmtIown(page.paper.width) + " 0 translate 90 rotate");
}

// Half a number of points, in the fewest digits.
std::string half(int32_t points) {
    return fmtIown(points / 2) + (points % 2 != 0 ? ".5" : "");
}

void illustratorBoxes() {
    const Page page = plotPage();
    const std::string centre = half(page.paper.width) + " " + half(page.paper.height);
    psLine("%%TemplateBox:" + centre + " " + centre);
    psLine("%%TileBox: " + fmtIown(kTileMargin) + " " + fmtIown(kTileMargin) + " " +
           fmtIown(page.paper.width - kTileMargin) + " " +
           fmtIown(page.paper.height - kTileMargin));
}

// A page number in its field of three; from page 1000 on in full, since a page comment must
// name its page.
std::string pageField() {
    const int32_t n = psparams.pageNumber;
    return n > 999 ? fmtIown(n) : fmtI(n, 3);
}

void pageComment() {
    psLine("%%Page: " + pageField() + " " + pageField());
}

void compressedHead(int32_t copies) {
    psLine(kMagic);
    psLine(kPagesAtEnd);
    boundingBox();
    lines(kCompressedMacros);
    psLine("/sym {findfont exch scalefont setfont} def");
    for (std::size_t k = 0; k < kFontCount; ++k) {
        // The Times-Roman macro has always been written without a blank before def.
        const std::string_view gap = k == 4 ? "" : " ";
        psLine("/" + std::string(kFontMacros[k]) + " {/" + std::string(kFontNames[k]) + "}" +
               std::string(gap) + "def");
    }
    lines(kCompressedProcedures);
    psLine(kInitialize);
    if (copies > 1) psLine("/#copies " + fmtI(copies, 3) + " def");
    pageTransform();
    psrgbcolor(-1);
    psLine(kReady);
    pageComment();
}

void newsHead() {
    psLine(kMagic);
    psLine(kInitialize);
    psLine(kPagesAtEnd);
    boundingBox();
    pageTransform();
    psrgbcolor(-1);
    psLine(kReady);
    pageComment();
}

void illustratorHead(std::string_view fname) {
    psLine(kIllustratorMagic);
    psLine(std::string(kTitle) + std::string(fname));
    lines(kIllustratorComments);
    boundingBox();
    psLine(kIllustratorImages);
    illustratorBoxes();
    lines(kIllustratorSetup);
    pageTransform();
    psLine(fmtF(0.0, 5, 2) + " G");
    psLine(fmtF(0.0, 5, 2) + " g");
    psrgbcolor(-1);
}

// The plot file refused a write: said once, where it is noticed, naming the file, which the
// caller has closed as it stands.
void unwrittenBox() {
    errorhead(kPswritten);
    wout({"The PostScript plot file could not be written completely"});
    wout({"  IN FILE:", psdevice.name});
    wout({"FILE", psdevice.name, "IS CLOSED"});
    errortail00();
}

// A run that stops with the plot file open still finishes it.
void finishAtStop() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    atStop([] {
        if (psdevice.open) psend();
    });
}

}  // namespace

std::span<const std::string> plotFileHeads() {
    // Two lines of each head: "%!" alone begins any PostScript, and other programs' heads
    // begin "%!PS-Adobe" too.
    const auto line = [](std::string_view l) { return std::string(l) + '\n'; };
    static const std::array<std::string, 4> heads = {
        line(kMagic) + line(kPagesAtEnd), line(kMagic) + line(kInitialize),
        line(kIllustratorMagic) + std::string(kTitle), line(kReady)};
    return heads;
}

void beginDocument(const PsSettings& s, std::string_view fname) {
    psDiscard();
    psparams.plotUnit = kPlotUnit;
    psparams.dialect = s.dialect;
    psparams.orientation = fit(s.orientation, 3);
    psparams.pageNumber = 1;
    psparams.pathPending = false;
    psdevice = PsDevice{};
    psdevice.open = true;
    psdevice.name = trimmed(fname);
    // The colour the previous file ended with means nothing to this one.
    psattributes.lastcolor = -1;
    fillFonts(s.dialect);
    finishAtStop();
    if (s.overlay && s.dialect != 3) {
        psLine(kReady);
    } else if (s.dialect == 1) {
        compressedHead(s.copies);
    } else if (s.dialect == 2) {
        newsHead();
    } else {
        illustratorHead(fname);
    }
}

std::string_view psfilename() {
    return psdevice.name;
}

void intnewpage() {
    if (!psdevice.open) return;
    psstrokepath();
    psLine("gsave showpage");
    psLine("%%End Page");
    // The restore keeps the page transform and the colour in force on the next page.
    psLine("grestore");
    ++psparams.pageNumber;
    pageComment();
}

void psend() {
    if (!psdevice.open) return;
    psstrokepath();
    if (psparams.dialect == 3) {
        lines(kIllustratorTrailer);
    } else {
        psLine("showpage");
        psLine("%%End Page");
        psLine("%%Trailer");
        psLine("%%Pages: " + pageField());
        psLine("%%EOF");
    }
    psFlush();
    psdevice.open = false;
    if (!unitClose(psparams.plotUnit)) unwrittenBox();
}

bool pswritten(bool wholeFile) {
    if (!psdevice.open) return false;
    psFlush();
    const int32_t u = psparams.plotUnit;
    if (wholeFile ? unitFlush(u) : unitGood(u)) return true;
    psdevice.open = false;
    unitClose(u);
    unwrittenBox();
    return false;
}

void intplend() {
    submenuhead(kPlend);
    if (lwito(2)) wout({"Ready to close the PostScript plot file"});
    inreturn("CR = Return to close the PostScript file", kPlend);
    psend();
    wout({"The PostScript plot file is closed"});
    menutail();
}

}  // namespace tensova

#include "columns/header_lines.hpp"

#include <algorithm>
#include <vector>

#include "columns/column_setup.hpp"
#include "console/boxes.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "console/text.hpp"
#include "console/units.hpp"

namespace tensova {
namespace {

const Stamp kSfheader1("sfheader1", "", "");
const Stamp kShowfhead1("showfhead1", "", "");
const Stamp kGetftitle1("getftitle1", "", "");
const Stamp kGetfnamcol("getfnamcol", "", "");

// The most header lines the header menu takes: a bound keeps the counts from going negative.
constexpr int32_t kMaxHeaderLines = 99999;
// The longest header line shown, in pieces of 100.
constexpr std::size_t kShownLength = 400;
constexpr std::size_t kPiece = 100;

// A count below 0, or a header line that is negative or beyond the header, is reset to 0: a
// data line must not be read as a title or as names.
void holdToHeader(const std::string& what, int32_t& v, const int32_t* iskip) {
    if (v >= 0 && (iskip == nullptr || v <= *iskip)) return;
    warninghead(kSfheader1);
    if (v < 0)
        wout({what + " =", counted(v), "< 0"});
    else
        wout({what + " =", counted(v), "> iskip =", counted(*iskip)});
    v = 0;
    wout({"===> RESET " + what + " =", counted(v)});
    warningtail00();
}

void checkHeader(int32_t& ndisp, int32_t& iskip, int32_t& ititle, int32_t& iheader) {
    holdToHeader("ndisp", ndisp, nullptr);
    holdToHeader("iskip", iskip, nullptr);
    holdToHeader("ititle", ititle, &iskip);
    holdToHeader("iheader", iheader, &iskip);
}

void headerMenu(int32_t ndisp, int32_t iskip, int32_t ititle, int32_t iheader) {
    submenuhead(kSfheader1);
    wout({"            FILE HEADER SET UP             "});
    wout({kDashes43});
    wout({"nb of lines to display in dialog.100", counted(ndisp)});
    wout({"nb of header lines without data .110", counted(iskip)});
    wout({"line nb to read title ...........120", counted(ititle)});
    wout({"line nb to read column header....130", counted(iheader)});
    wout({"HELP ............................900"});
    wout({"SET UP IS OK, EXIT AND PROCEED ...99"});
    menutail();
}

void headerHelp() {
    constexpr std::string_view kFreeFormat = "  free format (list-directed)";
    submenuhead(kSfheader1);
    wout({"          ACCEPTABLE FILE FORMAT           "});
    wout({kDashes43});
    wout({"Default file header"});
    wout({"line nb", "content"});
    wout({kDashes43});
    wout({"1", "  'Title of the data set'"});
    wout({"2", "  'header1'   'header2'   'header3'"});
    wout({"3", "      65.3           5         6.3"});
    wout({kDashes43});
    wout({"line nb for title  = 0 => do not read title"});
    wout({"line nb for header = 0 => do not read header"});
    wout({kDashes43});
    wout({"numerical data are read in"});
    wout({kFreeFormat});
    wout({"  => they can be separated by tabs or spaces"});
    wout({" "});
    wout({"character strings are read in"});
    wout({kFreeFormat});
    wout({"  => they must be enclosed within quotes"});
    wout({"     as above. If not, do not read them."});
    menutail();
}

// A line up to its last non-blank character (all of it when blank) in pieces of 100.
void showLine(const std::string& line) {
    const std::string shown = fit(printable(line), kShownLength);
    int32_t first = 0;
    int32_t last = 0;
    textlen(first, last, shown);
    const auto end = static_cast<std::size_t>(last);
    for (std::size_t from = 0; from < end; from += kPiece)
        wout({std::string_view(shown).substr(from, std::min(kPiece, end - from))});
}

// Lines 1 to n-1 read as text; the number of the line that failed, or 0.
int32_t skipLines(int32_t iu, int32_t n) {
    std::string line;
    for (int32_t i = 1; i < n; ++i)
        if (unitReadLine(iu, line) != ReadResult::Ok) return i;
    return 0;
}

// The head of the box of a reader told that there is no line to read.
void notAttempted(const Stamp& s, std::string_view name, std::string_view label, int32_t line,
                  std::string_view what) {
    warninghead(s);
    wout({"Input file name  :", name});
    wout({label, counted(line)});
    wout({what});
}

void rewoundLine(std::string_view name) {
    wout({"INPUT FILE", name, "IS REWOUND"});
}

}  // namespace

int32_t sfheader1(int32_t& ndisp, int32_t& iskip, int32_t& ititle, int32_t& iheader,
                  const std::string& fname, int32_t iu, int32_t inter) {
    Readrealsetup& blk = readrealsetup;
    int32_t ierr = 0;
    if (startsFromStored(inter)) {
        ndisp = blk.ndisp;
        iskip = blk.iskip;
        ititle = blk.ititle;
        iheader = blk.iheader;
    } else if (startsFromDefaults(inter)) {
        submenuhead(kSfheader1);
        wout({"INITIALIZING INPUT FILE HEADER"});
        ndisp = 3;
        iskip = 2;
        ititle = 1;
        iheader = 2;
    } else {
        cinvin(inter, 0, 5, "sfheader1", "inter");
    }
    checkHeader(ndisp, iskip, ititle, iheader);
    if (isDialog(inter)) {
        for (;;) {
            if (unitIsOpen(iu)) {
                ierr = showfhead1(fname, iu, ndisp, iskip, ititle, iheader);
            } else {
                warninghead(kSfheader1);
                wout({"Input file", trimmed(fname), "is not opened"});
                wout({"======> cannot display header"});
                warningtail00();
            }
            headerMenu(ndisp, iskip, ititle, iheader);
            int32_t choice = 0;
            inintegdef(choice, "your choice", 99);
            if (choice == 99) break;
            if (choice == 100)
                inintegvindef(ndisp, "Number of header lines to display", ndisp, 0,
                              kMaxHeaderLines);
            else if (choice == 110)
                inintegvindef(iskip, "Number of dataless lines to skip", iskip, 0, kMaxHeaderLines);
            else if (choice == 120)
                inintegvindef(ititle, "line number to read title from", ititle, 0, iskip);
            else if (choice == 130)
                inintegvindef(iheader, "line number to read column headers from", iheader, 0,
                              iskip);
            else if (choice == 900)
                headerHelp();
            else
                unknownCommand(kSfheader1, choice);
        }
        // Fewer header lines chosen after the title or names line leave that line in the data.
        checkHeader(ndisp, iskip, ititle, iheader);
    }
    blk.ndisp = ndisp;
    blk.iskip = iskip;
    blk.ititle = ititle;
    blk.iheader = iheader;
    return ierr;
}

int32_t showfhead1(const std::string& fname, int32_t iu, int32_t ndisp, int32_t iskip,
                   int32_t ititle, int32_t iheader) {
    const std::string_view name = trimmed(fname);
    submenuhead(kShowfhead1);
    wout({"         DISPLAYING FILE HEADER            "});
    wout({"OF FILE:", name});
    wout({kDashes43});
    std::string line;
    for (int32_t i = 1; i <= ndisp; ++i) {
        const std::string tag = "==>Line nb:";
        if (i > iskip) {
            wout({tag, counted(i), "= Data ===================="});
        } else {
            if (i != ititle && i != iheader) wout({tag, counted(i), "= Header to skip =========="});
            if (i == ititle) wout({tag, counted(i), "= Header: Title ==========="});
            if (i == iheader) wout({tag, counted(i), "= Header: Column names ===="});
        }
        const ReadResult r = unitReadLine(iu, line);
        if (r == ReadResult::Ok) {
            showLine(line);
            continue;
        }
        if (r == ReadResult::Error) {
            errorhead(kShowfhead1);
            wout({"WHILE READING", counted(i), "th LINE"});
            wout({"IN FILE:", name});
        } else {
            warninghead(kShowfhead1);
            wout({"REACHED END OF FILE"});
            wout({"IN FILE:", name});
            wout({"WHILE READING", counted(i), "th LINE"});
        }
        unitRewind(iu);
        wout({"==> FILE", name, "IS REWOUND"});
        if (r == ReadResult::Error)
            errortail00();
        else
            warningtail00();
        return 1;
    }
    wout({kEquals43});
    unitRewind(iu);
    wout({"==> FILE", name, "IS REWOUND"});
    menutail();
    return 0;
}

int32_t getftitle1(std::string& title, const std::string& fname, int32_t iu, int32_t ititle,
                   int32_t iflag) {
    const std::string_view name = trimmed(fname);
    title = fit("Untitled", title.size());
    if (ititle < 1) {
        notAttempted(kGetftitle1, name, "Title line nb =", ititle,
                     "==> NOT ATTEMPTING TO READ TITLE");
        wout({"Title set to default:", trimmed(title)});
        wout({"INPUT FILE", name, "UNTOUCHED"});
        warningtail00();
        return 0;
    }
    int32_t ierr = 0;
    // The end of the file before the title is a read error of that line.
    if (const int32_t failed = skipLines(iu, ititle); failed != 0) {
        errorhead(kGetftitle1);
        wout({"READING ERROR WHILE SKIPPING", counted(failed), "th LINE"});
        ierr = 2;
    } else if (std::string value; readFreeTexts(iu, &value, 1) == ReadResult::Ok) {
        title = fit(printable(value), title.size());
        unitRewind(iu);
        if (iflag % 2 == 0) {
            submenuhead(kGetftitle1);
            wout({"Input file name:", name});
            wout({"Read title from header:", trimmed(title)});
            rewoundLine(name);
            menutail();
        }
        return 0;
    } else {
        errorhead(kGetftitle1);
        wout({"WHILE TRYING TO READ TITLE IN", counted(ititle), "th LINE"});
        ierr = 1;
    }
    unitRewind(iu);
    wout({"==> COULD NOT READ TITLE"});
    wout({"IN INPUT FILE:", name});
    wout({"==> SETTING title =", trimmed(title)});
    rewoundLine(name);
    errortail00();
    return ierr;
}

int32_t getfnamcol(std::span<std::string> names, int32_t nfc, const std::string& fname, int32_t iu,
                   int32_t iheader, int32_t ilist) {
    const std::string_view name = trimmed(fname);
    const auto n = static_cast<std::size_t>(std::clamp<int64_t>(nfc, 0, names.size()));
    for (std::size_t k = 0; k < n; ++k)
        names[k] = numberedName("File.col.", static_cast<int32_t>(k + 1), names[k].size());
    auto list = [&] {
        for (std::size_t k = 0; k < n; ++k)
            wout({"Name of column", counted(static_cast<int32_t>(k + 1)), names[k]});
    };
    if (iheader < 1) {
        notAttempted(kGetfnamcol, name, "Column headers line nb =", iheader,
                     "==> NOT ATTEMPTING TO READ HEADERS");
        wout({"==> Headers set to defaults:"});
        if (ilist == 0) list();
        warningtail00();
        return 0;
    }
    int32_t ierr = 0;
    if (const int32_t failed = skipLines(iu, iheader); failed != 0) {
        errorhead(kGetfnamcol);
        wout({"WHILE SKIPPING", counted(failed), "th LINE"});
        ierr = 2;
    } else {
        // Names not read keep their defaults.
        std::vector<std::string> read(names.begin(),
                                      names.begin() + static_cast<std::ptrdiff_t>(n));
        const ReadResult r = readFreeTexts(iu, read.data(), static_cast<int>(n));
        for (std::size_t k = 0; k < n; ++k) names[k] = fit(printable(read[k]), names[k].size());
        if (r == ReadResult::Ok) {
            unitRewind(iu);
            submenuhead(kGetfnamcol);
            if (ilist == 0) {
                wout({"Input file name  :", name});
                list();
            }
            rewoundLine(name);
            menutail();
            return 0;
        }
        errorhead(kGetfnamcol);
        wout({"WHILE TRYING TO READ HEADERS IN", counted(iheader), "th LINE"});
        ierr = 1;
    }
    unitRewind(iu);
    wout({"IN FILE:", name});
    rewoundLine(name);
    errortail00();
    return ierr;
}

}  // namespace tensova

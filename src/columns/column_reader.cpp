#include "columns/column_reader.hpp"

#include <algorithm>
#include <tuple>
#include <vector>

#include "columns/column_setup.hpp"
#include "columns/correspondence.hpp"
#include "columns/header_lines.hpp"
#include "console/boxes.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/files.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "console/text.hpp"
#include "console/units.hpp"

namespace tensova {
namespace {

const Stamp kReadreal6("readreal6", "", "");
const Stamp kGetfreal("getfreal", "", "");

constexpr std::size_t kTitleLength = 50;

// The close of a failed read: the file stays open, rewound for another try.
int32_t readFailed(const std::string& fname, int32_t iu) {
    wout({"IN FILE:", trimmed(fname)});
    unitRewind(iu);
    wout({"input file", trimmed(fname), "rewound"});
    errortail00();
    return 1;
}

// An array column outside the caller's array is lowered into it for good.
bool holdArrayColumn(int32_t i, int32_t& col, int32_t ndim2) {
    if (col >= 1 && col <= ndim2) return false;
    errorhead(kGetfreal);
    wout({"         variable nb   =", counted(i)});
    wout({"array col nb to fill   =", counted(col)});
    wout({"max array col nb       =", counted(ndim2)});
    col = col < 1 ? 1 : ndim2;
    wout({"==> RESET array col nb =", counted(col)});
    wout({"==> NEED TO GO BACK TO SETTINGS"});
    wout({"==> AND READ THE FILE AGAIN"});
    errortail00();
    return true;
}

// The file ends in a line without its line end, where a copy stopped: a number on it may be
// cut short, so the row is not stored; the rows before it are whole, as points of a line are.
void cutLastRow(int32_t row, int32_t iu) {
    warninghead(kGetfreal);
    wout({"WHILE READING", counted(row), "th DATA LINE"});
    wout({cutLastLine(iu)});
    wout({"==> the lines before it are read"});
    warningtail00();
}

void report(const std::string& title, const std::string& fname, int32_t nread, int32_t ncolmax,
            int32_t ndim1, int32_t ndim2, int32_t inter) {
    const int32_t nvar = readrealsetup.nvar;
    if (isDialog(inter)) {
        wout({"Input file name:", trimmed(fname)});
        wout({"Title:", trimmed(title)});
        wout({"    Number of variable status"});
        wout({"Could read up to:", counted(kMaxColumns)});
        wout({"Actually read   :", counted(nvar)});
        wout({"        Array status             "});
        wout({"Could read up to:", fmtI(ndim1, 5), "lines"});
        wout({"Actually read   :", fmtI(nread, 5), "lines"});
        wout({"Can use up to   :", counted(ndim2), "columns"});
        wout({"Actually used   :", counted(ncolmax), "columns"});
    } else {
        wout({"Stored", counted(nvar), "variables and", fmtI(nread, 5), "lines"});
    }
}

// The recovery menu after a failed stage; returns the choice: 1, 0 or 99. The file is refused:
// piped answers and a command file end here, as at any refusal, for their next lines were meant
// for the menus of a file that read.
int32_t recovery(std::string_view stage, const std::string& fname) {
    const std::string file = "IN FILE: " + std::string(trimmed(fname));
    refuseAnswer({kReadreal6, "your choice", ""},
                 {stage, file, "------------------------------", "Try again on same file ......1",
                  "New file ....................0", "Exit .......................99"});
    for (;;) {
        int32_t choice = 0;
        inintegdef(choice, "your choice", 0);
        if (knownCommand(kReadreal6, choice, {1, 0, 99})) return choice;
    }
}

// The read menu; returns the choice: 1000 or 99.
int32_t readMenu() {
    for (;;) {
        submenuhead(kReadreal6);
        wout({"READ AND EXIT ..................1000"});
        wout({"EXIT WITHOUT READING .............99"});
        menutail();
        int32_t choice = 0;
        inintegdef(choice, "your choice", 1000);
        if (knownCommand(kReadreal6, choice, {1000, 99})) return choice;
    }
}

void closed(const std::string& fname, int32_t iu) {
    unitClose(iu);
    wout({"input file", trimmed(fname), "closed"});
}

}  // namespace

int32_t getfreal(int32_t& nread, int32_t& ncolmax, std::span<float> rdat, int32_t ndim1,
                 int32_t ndim2, const std::string& fname, int32_t iu, int32_t inter) {
    Readrealsetup& blk = readrealsetup;
    int32_t ierr = 0;
    ncolmax = 0;
    const int32_t nvar = std::clamp(blk.nvar, 0, kMaxColumns);
    for (int32_t i = 1; i <= nvar; ++i) {
        int32_t& col = blk.jcol[static_cast<std::size_t>(i - 1)];
        if (holdArrayColumn(i, col, ndim2)) ierr = 2;
        ncolmax = std::max(ncolmax, col);
    }
    std::string title = fit("", kTitleLength);
    (void)getftitle1(title, fname, iu, blk.ititle, 0);
    unitRewind(iu);  // without a title line the title reader leaves the file where it was

    std::string line;
    for (int32_t i = 1; i <= blk.iskip; ++i) {
        if (unitReadLine(iu, line) != ReadResult::Ok) {
            errorhead(kGetfreal);
            wout({"WHILE READING", counted(i), "th HEADER LINE"});
            return readFailed(fname, iu);
        }
    }
    // The records go to a copy first: a read that fails leaves the caller's data as they were.
    const int32_t rows = std::max(ndim1, 0);
    std::vector<float> staged(rdat.begin(), rdat.end());
    const int32_t nfcol = std::clamp(blk.nfcol, 0, kMaxColumns);
    int32_t row = 1;
    for (; row <= rows; ++row) {
        const ReadResult r = readFreeReals(iu, blk.rr.data(), nfcol);
        if (r == ReadResult::Eof) {
            if (unitLineCut(iu)) cutLastRow(row, iu);
            break;
        }
        if (r == ReadResult::Error) {
            errorhead(kGetfreal);
            wout({"WHILE READING", counted(row), "th DATA LINE"});
            return readFailed(fname, iu);
        }
        for (std::size_t i = 0; i < static_cast<std::size_t>(nvar); ++i) {
            const int32_t jc = blk.jcol[i];
            const int32_t jf = blk.jfcol[i];
            if (jc < 1 || jc > ndim2 || jf < 1 || jf > nfcol) continue;
            staged[static_cast<std::size_t>(jc - 1) * static_cast<std::size_t>(rows) +
                   static_cast<std::size_t>(row - 1)] = blk.rr[static_cast<std::size_t>(jf - 1)];
        }
    }
    if (row > rows) {
        warninghead(kGetfreal);
        wout({"The array size has been reached"});
        wout({"==> the data may not have been fully read"});
        warningtail00();
    }
    std::copy(staged.begin(), staged.end(), rdat.begin());
    nread = row - 1;
    unitClose(iu);
    submenuhead(kGetfreal);
    report(title, fname, nread, ncolmax, ndim1, ndim2, inter);
    wout({"input file", trimmed(fname), "closed"});
    menutail();
    return ierr;
}

int32_t readreal6(std::string& title, std::string& fname, std::string_view description, int32_t iu,
                  int32_t& ndisp, int32_t& iskip, int32_t& ititle, int32_t& iheader,
                  std::span<int32_t> jacol, std::span<int32_t> jfcol, std::span<std::string> varnam,
                  int32_t& nvar, std::span<float> rdat, std::span<std::string> rvarcolnam,
                  int32_t& nread, int32_t& ncolmax, int32_t ndim1, int32_t ndim2, int32_t ilevel,
                  int32_t inter) {
    if (startsFromDefaults(inter)) {
        submenuhead(kReadreal6);
        wout({"INITIALIZING INPUT FILE TYPE"});
        sfheader1(ndisp, iskip, ititle, iheader, fname, iu, inter);
        scol2var2(jacol, jfcol, varnam, nvar, rvarcolnam, ncolmax, ndim2, fname, iu, 1, inter);
        return 0;
    }
    cinvin(inter, 0, 5, "readreal6", "inter");
    // What the call may change besides the array: the caller's settings and names, and the
    // reader's own. Left after a refused file, the call gives them back: a refused file changes
    // no setting.
    const std::string titleWas = title;
    const auto countsWas = std::tuple(ndisp, iskip, ititle, iheader, nvar, ncolmax);
    const std::vector<int32_t> jacolWas(jacol.begin(), jacol.end());
    const std::vector<int32_t> jfcolWas(jfcol.begin(), jfcol.end());
    const std::vector<std::string> varnamWas(varnam.begin(), varnam.end());
    const std::vector<std::string> rvarcolnamWas(rvarcolnam.begin(), rvarcolnam.end());
    const Readrealsetup setupWas = readrealsetup;
    const auto giveBack = [&] {
        title = titleWas;
        std::tie(ndisp, iskip, ititle, iheader, nvar, ncolmax) = countsWas;
        std::ranges::copy(jacolWas, jacol.begin());
        std::ranges::copy(jfcolWas, jfcol.begin());
        std::ranges::copy(varnamWas, varnam.begin());
        std::ranges::copy(rvarcolnamWas, rvarcolnam.begin());
        readrealsetup = setupWas;
    };
    for (;;) {
        opef2(fname, description, iu, OpenStatus::Old, isDialog(inter) ? 0 : 1);
        for (;;) {
            // Each stage starts with a clean result: a second try must be able to succeed.
            std::string_view stage;
            if (sfheader1(ndisp, iskip, ititle, iheader, fname, iu, inter) != 0) {
                stage = "WHILE READING HEADER LINES";
            } else if (getftitle1(title, fname, iu, readrealsetup.ititle, 0) == 1) {
                stage = "WHILE READING TITLE";
            } else if (scol2var2(jacol, jfcol, varnam, nvar, rvarcolnam, ncolmax, ndim2, fname, iu,
                                 ilevel, inter) != 0) {
                stage = "WHILE READING COLUMN HEADERS";
            } else if (isDialog(inter) && readMenu() == 99) {
                unitClose(iu);
                submenuhead(kReadreal6);
                wout({"EXITING WITHOUT READING DATA FILE"});
                wout({"input file", trimmed(fname), "closed"});
                menutail();
                return 1;
            } else if (getfreal(nread, ncolmax, rdat, ndim1, ndim2, fname, iu, inter) != 1) {
                return 0;
            } else {
                stage = "WHILE READING DATA";
            }
            const int32_t choice = recovery(stage, fname);
            if (choice == 1) {
                unitRewind(iu);
                wout({"input file", trimmed(fname), "rewound"});
                continue;
            }
            closed(fname, iu);
            if (choice == 99) {
                giveBack();
                return 1;
            }
            break;
        }
    }
}

}  // namespace tensova

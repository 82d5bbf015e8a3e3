#include "columns/correspondence.hpp"

#include <algorithm>

#include "columns/column_setup.hpp"
#include "columns/header_lines.hpp"
#include "console/boxes.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "console/text.hpp"
#include "console/units.hpp"

namespace tensova {
namespace {

const Stamp kScol2var("scol2var", " 3.2", "15-01-2008");

constexpr std::size_t kTitleLength = 50;

// One call of the dialog: the caller's arguments and what the call works out.
struct Dialog {
    std::span<int32_t> jcola;
    std::span<int32_t> jfcola;
    std::span<std::string> namvara;
    int32_t& nvar;
    std::span<std::string> namrcol;
    int32_t& ncolmax;
    int32_t ndim2;
    const std::string& fname;
    int32_t iu;
    int32_t ilevel;
    int32_t inter;
    int32_t maxVar = 0;  // variables the arrays and the block can hold
    bool open = false;
    std::string title = fit("Untitled", kTitleLength);
    int32_t ilist = 0;
    int32_t ierr = 0;

    bool editable() const { return ilevel >= 1 && ilevel <= 4; }
    std::string& rcolName(int32_t k) { return namrcol[static_cast<std::size_t>(k - 1)]; }
};

std::size_t at(int32_t k) {
    return static_cast<std::size_t>(k - 1);
}

// Entry k of the caller's arrays as the defaults give it.
void defaultEntry(Dialog& d, int32_t k) {
    d.jfcola[at(k)] = std::min(k, kMaxColumns);
    d.jcola[at(k)] = std::min(k, d.ndim2);
    d.namvara[at(k)] = numberedName("Variable.", k, d.namvara[at(k)].size());
}

// A number of variables outside [0, largest] is brought inside it, with a box.
void holdCount(int32_t& n, int32_t largest, bool stored) {
    if (n >= 0 && n <= largest) return;
    if (stored) {
        errorhead(kScol2var);
        wout({"Currently set nvar =", counted(n), "variables"});
    } else {
        warninghead(kScol2var);
        wout({"Trying to set nvar =", counted(n), "variables"});
    }
    wout({"Max nb of variables =", counted(largest)});
    n = std::clamp(n, 0, largest);
    wout({"===> RESET nvar =", counted(n)});
    if (stored)
        errortail00();
    else
        warningtail00();
}

void startValues(Dialog& d) {
    Readrealsetup& blk = readrealsetup;
    if (startsFromStored(d.inter)) {
        holdCount(blk.nvar, d.maxVar, true);
        d.nvar = blk.nvar;
        for (int32_t k = 1; k <= d.nvar; ++k) {
            d.jcola[at(k)] = blk.jcol[at(k)];
            d.jfcola[at(k)] = blk.jfcol[at(k)];
            d.namvara[at(k)] = fit(blk.namvar[at(k)], d.namvara[at(k)].size());
        }
    } else if (startsFromDefaults(d.inter)) {
        submenuhead(kScol2var);
        wout({"INITIALIZING VARIABLES<->COLUMNS"});
        d.nvar = 0;
        for (int32_t k = 1; k <= static_cast<int32_t>(d.jcola.size()); ++k) defaultEntry(d, k);
        blk.nvar = 0;
        for (int32_t k = 1; k <= kMaxColumns; ++k) {
            blk.jfcol[at(k)] = k;
            blk.jcol[at(k)] = std::min(k, d.ndim2);
            blk.namvar[at(k)] = numberedName("Variable.", k, kColumnNameLength);
        }
        d.ncolmax = 0;
    } else {
        if (!startsFromCaller(d.inter)) cinvin(d.inter, 0, 5, "scol2var2", "inter");
        holdCount(d.nvar, d.maxVar, false);
    }
}

void readTitle(Dialog& d) {
    if (d.open) {
        if (getftitle1(d.title, d.fname, d.iu, readrealsetup.ititle, 1) != 0) d.ierr = 1;
    } else if (d.inter == 4) {
        submenuhead(kScol2var);
        wout({"Input file not yet open"});
        wout({"===> initializing title =", trimmed(d.title)});
    } else {
        warninghead(kScol2var);
        wout({"Input file is not opened"});
        wout({"===> cannot read title"});
        wout({"setting title =", trimmed(d.title)});
        warningtail00();
    }
}

// A file or array column outside its range is reset, with a box. Columns below 1 go to 1.
void holdColumn(int32_t i, int32_t& col, int32_t hi, bool file) {
    if (col >= 1 && col <= hi) return;
    warninghead(kScol2var);
    if (file) {
        wout({"            variable nb =", counted(i)});
        wout({"    file col nb to read =", counted(col)});
        wout({"max file col nb to read =", counted(hi)});
        col = 1;
        wout({"====> RESET file col nb =", counted(col)});
    } else {
        wout({"               variable nb =", counted(i)});
        wout({"    array col nb to store  =", counted(col)});
        wout({"max array col nb available =", counted(hi)});
        col = col < 1 ? 1 : hi;
        wout({"  ====> RESET array col nb =", counted(col)});
    }
    warningtail00();
}

void columnNames(Dialog& d) {
    Readrealsetup& blk = readrealsetup;
    bool fromFile = false;
    if (d.open) {
        fromFile = getfnamcol(blk.namfcol, blk.nfcol, d.fname, d.iu, blk.iheader, 0) == 0;
        if (!fromFile) {
            errorhead(kScol2var);
            wout({"COULD NOT READ COLUMN HEADERS"});
            wout({"IN FILE:", trimmed(d.fname)});
            wout({"===> setting default header"});
            errortail00();
            d.ierr = 1;
        }
    } else if (startsFromDefaults(d.inter)) {
        submenuhead(kScol2var);
        wout({"Input file not yet open"});
        wout({"===> initializing header"});
    } else {
        warninghead(kScol2var);
        wout({"Input file is not opened"});
        wout({"===> cannot read header"});
        wout({"===> setting default header"});
        warningtail00();
    }
    if (!fromFile)
        for (int32_t k = 1; k <= blk.nfcol; ++k)
            blk.namfcol[at(k)] = numberedName("File.col.", k, kColumnNameLength);
}

// The checks and names that follow every command.
void checkPass(Dialog& d) {
    Readrealsetup& blk = readrealsetup;
    blk.nfcol = 0;
    for (int32_t i = 1; i <= d.nvar; ++i) {
        holdColumn(i, d.jfcola[at(i)], kMaxColumns, true);
        blk.nfcol = std::max(blk.nfcol, d.jfcola[at(i)]);
    }
    d.ncolmax = 0;
    for (int32_t i = 1; i <= d.nvar; ++i) {
        holdColumn(i, d.jcola[at(i)], d.ndim2, false);
        d.ncolmax = std::max(d.ncolmax, d.jcola[at(i)]);
    }
    columnNames(d);
    for (int32_t k = 1; k <= d.ndim2; ++k)
        d.rcolName(k) = numberedName("Nodata.", k, d.rcolName(k).size());
    for (int32_t i = 1; i <= d.nvar; ++i) {
        std::string& shown = d.rcolName(d.jcola[at(i)]);
        shown = fit(blk.namfcol[at(d.jfcola[at(i)])], shown.size());
    }
}

// A table row: (number, name) pairs, then an optional last number.
void tableRow(std::initializer_list<std::pair<int32_t, std::string_view>> pairs,
              const int32_t* last = nullptr) {
    std::string row;
    for (const auto& [n, name] : pairs) row += "|" + fmtI(n, 2) + "|" + fmtA(name, 10);
    row += "|";
    if (last != nullptr) row += fmtI(*last, 2);
    wout({row});
}

void tableHead(std::initializer_list<std::string_view> lines) {
    for (std::string_view l : lines) wout({l});
}

void showMenu(Dialog& d) {
    const Readrealsetup& blk = readrealsetup;
    submenuhead(kScol2var);
    tableHead({"        PROGRAM            <-->  INPUT FILE", kDashes43,
               "VARIABLE <--> ARRAY COLUMN <--> FILE COLUMN",
               "RECORD   <--> ARRAY LINE   <--> FILE LINE",
               " CAN ALTER THE COLUMN CORRESPONDANCE ONLY ", kDashes43});
    wout({"    Input file status"});
    wout({"Input file name:", trimmed(d.fname)});
    wout({"Title:", trimmed(d.title)});
    wout({"    Number of variable status"});
    wout({"Could read up to     :", counted(d.maxVar)});
    wout({"Planning to read     :", counted(d.nvar)});
    wout({"    Number of array columns status"});
    wout({"Can use up to        :", counted(d.ndim2)});
    wout({"Planning to use up to:", counted(d.ncolmax)});
    wout({"    Number of input file columns status"});
    wout({"Can read up to       :", counted(kMaxColumns)});
    wout({"Planning to read     :", counted(blk.nfcol)});
    wout({"    Listing type"});
    wout({"ilist                :", counted(d.ilist)});
    constexpr std::string_view kFrame = "|-----------------------------------------|";
    if (d.ilist == 1) {
        tableHead({kFrame, "|               ARRAY STATUS              |", kFrame,
                   "|  ARRAY col  |                           |",
                   "|-------------|---------------------------|",
                   "|nb|   name   |                           |",
                   "|--|----------|---------------------------|"});
        for (int32_t k = 1; k <= d.ndim2; ++k) tableRow({{k, d.rcolName(k)}});
    }
    tableHead({kFrame, "|          CORRESPONDANCE STATUS          |", kFrame,
               "|   VARIABLE  |  ARRAY col  |  FILE col   |",
               "|-------------|-------------|-------------|",
               "|nb|   name   |nb|   name   |nb|   name   |",
               "|--|----------|--|----------|--|----------|"});
    for (int32_t i = 1; i <= d.nvar; ++i) {
        const int32_t jc = d.jcola[at(i)];
        const int32_t jf = d.jfcola[at(i)];
        tableRow({{i, d.namvara[at(i)]}, {jc, d.rcolName(jc)}, {jf, blk.namfcol[at(jf)]}},
                 d.editable() ? &i : nullptr);
    }
    if (d.editable()) {
        wout({"------------------------------------------- |"});
        wout({"Command to modify correspondance <----------+"});
    } else {
        wout({kDashes43});
    }
    if (d.ilevel == 4) wout({"Change nb of variables to read...200"});
    wout({"Change listing type .............300"});
    wout({"SET UP IS OK, EXIT AND PROCEED ...99"});
    menutail();
}

void changeCount(Dialog& d) {
    const int32_t old = d.nvar;
    inintegvindef(d.nvar, "total nb of variables to store", d.nvar, 0, d.maxVar);
    // Only the entries new to the count take defaults: the others keep what was set.
    for (int32_t k = old + 1; k <= d.nvar; ++k) defaultEntry(d, k);
}

void editEntry(Dialog& d, int32_t j) {
    int32_t& jc = d.jcola[at(j)];
    int32_t& jf = d.jfcola[at(j)];
    std::string& name = d.namvara[at(j)];
    wout({"Modifying correspondance"});
    wout({" Variable name  =", name});
    wout({" Array col nb   =", counted(jc)});
    wout({" Array col name =", d.rcolName(jc)});
    wout({" File col nb    =", counted(jf)});
    wout({" File col name  =", readrealsetup.namfcol[at(jf)]});
    if (d.ilevel >= 3) inchardef(name, "New variable name", std::string(name));
    if (d.ilevel >= 2) inintegvindef(jc, "New array column nb", jc, 1, d.ndim2);
    inintegvindef(jf, "New file column nb", jf, 1, kMaxColumns);
}

void store(const Dialog& d) {
    Readrealsetup& blk = readrealsetup;
    blk.nvar = d.nvar;
    for (int32_t k = 1; k <= d.nvar; ++k) {
        blk.jcol[at(k)] = d.jcola[at(k)];
        blk.jfcol[at(k)] = d.jfcola[at(k)];
        blk.namvar[at(k)] = fit(d.namvara[at(k)], kColumnNameLength);
    }
}

}  // namespace

int32_t scol2var2(std::span<int32_t> jcola, std::span<int32_t> jfcola,
                  std::span<std::string> namvara, int32_t& nvar, std::span<std::string> namrcol,
                  int32_t& ncolmax, int32_t ndim2, const std::string& fname, int32_t iu,
                  int32_t ilevel, int32_t inter) {
    Dialog d{jcola, jfcola, namvara, nvar, namrcol, ncolmax, ndim2, fname, iu, ilevel, inter};
    const auto capacity = std::min({jcola.size(), jfcola.size(), namvara.size()});
    d.maxVar = static_cast<int32_t>(std::min<std::size_t>(capacity, kMaxColumns));
    startValues(d);
    d.open = unitIsOpen(iu);
    if (isDialog(inter)) readTitle(d);
    for (;;) {
        checkPass(d);
        if (!isDialog(inter)) break;
        showMenu(d);
        int32_t choice = 0;
        inintegdef(choice, "your choice", 99);
        // The exit comes first: with 99 variables it would otherwise name the last one.
        if (choice == 99) break;
        if (choice == 200 && ilevel == 4)
            changeCount(d);
        else if (d.editable() && choice >= 1 && choice <= d.nvar)
            editEntry(d, choice);
        else if (choice == 300)
            inintegvindef(d.ilist, "Show array status ? (0/1)", d.ilist, 0, 1);
        else
            unknownCommand(kScol2var, choice);
    }
    store(d);
    return d.ierr;
}

}  // namespace tensova

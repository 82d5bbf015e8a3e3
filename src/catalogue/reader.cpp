#include "catalogue/reader.hpp"

#include <string>

#include "catalogue/read_loop.hpp"
#include "catalogue/record_layout.hpp"
#include "catalogue/selection_tests.hpp"
#include "catalogue/store.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/fixed_columns.hpp"
#include "console/files.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "console/units.hpp"

namespace tensova {
namespace {

// Kept between calls.
struct ReaderState {
    int32_t records = 0;    // complete records of the last read
    bool showAll = false;   // a progress line per record read
    bool showKept = false;  // a progress line per record kept
};
ReaderState state;

// Question texts and file explanations travel in a 35-character text.
std::string question(std::string_view text) {
    return fit(text, 35);
}

void menuBody(const std::string& fileName) {
    wout({kDashes43});
    wout({"READ AND EXTRACT CMT DATA"});
    wout({kDashes43});
    wout({"PARAMETERS:"});
    wout({"Maximum nb of stored data=", fmtI(kCapacity, 6)});
    wout({"Current nb of stored data=", fmtI(gcmtblk.count, 6)});
    wout({"WRITE ALL READ DATA TO SCREEN .4", fmtL(state.showAll, 1)});
    wout({"WRITE SELECTED DATA TO SCREEN .5", fmtL(state.showKept, 1)});
    wout({"OPEN  INPUT FILE .............11", fileName});
    wout({"CLOSE INPUT FILE .............21", fileName});
    wout({"EXTRACTION CRITERIA .........100", fmtL(seistest2.ltest, 1)});
    wout({kDashes43});
    wout({"READ, EXTRACT, AND EXIT:"});
    wout({" dek format CMT file .......1000"});
    wout({" ndk format CMT file .......1001"});
    wout({kDashes43});
    wout({"HELP ........................900"});
    wout({"EXIT .........................99"});
}

void help() {
    submenuhead(kGcmtreadex1);
    wout({kEquals43});
    wout({"                  HELP"});
    wout({kEquals43});
    wout({"DEK & NDK FORMATS AS DESCRIBED AT:"});
    wout({"https://www.globalcmt.org/"});
    wout({"Other help:"});
    wout({"the maintainers of tensova (see its README)"});
    wout({kEquals43});
}

// A row of the summary tables: three cells of 10 characters between bars.
void cells(std::string_view a, std::string_view b, std::string_view c) {
    wout({"|", fmtA(a, 10), "|", fmtA(b, 10), "|", fmtA(c, 10), "|"});
}
std::string real10(float x) {
    return fmtF(x, 10, 3);
}
std::string int10(int32_t v) {
    return fmtI(v, 10);
}

void testsInForce() {
    const Seistest2& t = seistest2;
    if (!t.ltest) {
        wout({"No test => retain all data"});
        return;
    }
    wout({kDashes43});
    cells("Test on:", "Mini", "Maxi");
    wout({kDashes43});
    if (t.ltestpoly) {
        cells("Polygon", int10(1), int10(t.nvrtx));
        if (t.lgrcircle)
            cells("Bounds", "great", "circles");
        else
            cells("Bounds", "straight", "lines");
    }
    if (t.ltestlat) cells("Latitude ", real10(t.latmin), real10(t.latmax));
    if (t.ltestlong) cells("Longitude", real10(t.lonmin), real10(t.lonmax));
    if (t.ltestdep) cells("Depth    ", real10(t.depmin), real10(t.depmax));
    if (t.ltestrak[0]) {
        cells("Rake test", "Planes", t.lrak2pl ? "1 AND 2" : "1 OR 2");
        cells("Rake int1", real10(t.rakint[0][0]), real10(t.rakint[0][1]));
        if (t.ltestrak[1]) cells("Rake int2", real10(t.rakint[1][0]), real10(t.rakint[1][1]));
        // Interval 3 counts on its own switch, so it is shown whenever it was applied.
        if (t.ltestrak[2]) cells("Rake int3", real10(t.rakint[2][0]), real10(t.rakint[2][1]));
    }
    if (t.ltestfro) {
        cells("|fclvd|", real10(0.0f), real10(t.fclvdmax));
        cells("Erel", real10(0.0f), real10(t.erelmax));
        cells("Nfree", int10(t.nfreemin), int10(6));
    }
}

void summary(const ReadOutcome& r, const std::string& fileName) {
    wout({kDashes43});
    wout({"Input file:", fileName});
    wout({"Could store up to :", fmtI(kCapacity, 6), "data"});
    wout({"Data type ID      =", fmtI(gcmtblk.dataType, 6)});
    testsInForce();
    wout({kDashes43});
    cells("Parameter", "Read", "Retained");
    wout({kDashes43});
    cells("Nb of data", int10(r.records), int10(gcmtblk.count));
    cells("Long  maxi", real10(r.read.lonMax), real10(r.kept.lonMax));
    cells("Long  mini", real10(r.read.lonMin), real10(r.kept.lonMin));
    cells("Lat   maxi", real10(r.read.latMax), real10(r.kept.latMax));
    cells("Lat   mini", real10(r.read.latMin), real10(r.kept.latMin));
    cells("Depth maxi", real10(r.read.depMax), real10(r.kept.depMax));
    cells("Depth mini", real10(r.read.depMin), real10(r.kept.depMin));
    if (r.outOfRange.count == 0) return;
    // Values no event can have are kept as read; the user learns where they are.
    wout({kDashes43});
    wout({"VALUES OUT OF RANGE, KEPT AS READ:"});
    for (const OutOfRange& v : r.outOfRange.shown)
        wout({"event", fmtIown(v.event) + ", line", fmtIown(v.line) + ":", v.field, "=", v.value});
    const auto rest = r.outOfRange.count - static_cast<int32_t>(r.outOfRange.shown.size());
    if (rest > 0) wout({"AND", fmtIown(rest), "MORE"});
}

// Where a completed read stopped short of the file's end or found nothing whole.
void endWarnings(const ReadOutcome& r) {
    const bool full = r.end == ReadEnd::StoreFull;
    const bool incomplete = r.end == ReadEnd::EndOfFile && r.line > 0;
    if (!full && !incomplete && r.records > 0) return;
    warninghead(kGcmtreadex1);
    if (full) {
        wout({"STORE FULL AFTER LINE", fmtIown(r.line)});
        wout({"THE REST OF THE FILE WAS NOT READ"});
    }
    if (incomplete) {
        wout({"INCOMPLETE LAST RECORD FROM LINE", fmtIown(r.line)});
        wout({"==> NOT STORED"});
    }
    if (r.records == 0) wout({"NO COMPLETE RECORD IN THE FILE"});
    warningtail00();
}

// The line of a bad record, and what is wrong with it.
void badLine(const ReadOutcome& r) {
    wout({"  AT LINE", fmtIown(r.line), "OF THE FILE"});
    switch (r.bad) {
        case BadLine::Field:
            wout({"  " + notANumber(fieldName(*r.badField), r.badField->first, r.badField->width)});
            break;
        case BadLine::TooLong:
            wout({"  LINE LONGER THAN", fmtIown(static_cast<int64_t>(kLongestLine)), "CHARACTERS"});
            break;
        case BadLine::Blank:
            wout({"  BLANK LINE INSIDE A RECORD"});
            break;
        case BadLine::Unreadable:
            wout({"  THE FILE COULD NOT BE READ"});
            break;
    }
}

void progressHead(const RecordLayout& layout, const std::string& fileName) {
    wout({kDashes43});
    wout({layout.dataType == kDekData ? "READING IN DEK FILE:" : "READING IN NDK FILE:", fileName});
    wout({"---------------------"});
    wout({"|      data nb      |"});
    wout({"|-------------------|"});
    progressLine("reading", "storing");
    wout({"|-------------------|"});
}

// The record could not be read, and the read has emptied the store: the user rewinds the file or
// closes it.
void readError(int32_t ifile, const ReadOutcome& r) {
    const auto slot = static_cast<std::size_t>(ifile - 1);
    const std::string& fileName = fiocom.infnam[slot];
    errorhead(kGcmtreadex1);
    wout({"  WHILE READING", fmtI(r.badRecord, 6), "th DATA"});
    wout({"  IN FILE:", fileName});
    badLine(r);
    wout({"--------------------------------"});
    wout({"  Try again on same file ......1"});
    wout({"  close that file .............2"});
    errortail00();
    int32_t choice = 2;
    inintegdefnp(choice, question("your choice"), 2);
    if (choice == 1) {
        unitRewind(fiocom.iuin[slot]);
        wout({"input file ", fileName, " rewound"});
    } else {
        clofin(ifile);
    }
    state.records = 0;
}

// Reads the open input file; true when the read was completed.
bool readFile(int32_t ifile, const RecordLayout& layout) {
    const auto slot = static_cast<std::size_t>(ifile - 1);
    const std::string& fileName = fiocom.infnam[slot];
    if (state.showAll || state.showKept) progressHead(layout, fileName);
    const ReadOutcome r =
        readCatalogue(layout, fiocom.iuin[slot], state.showAll, state.showKept, kGcmtreadex1);
    if (r.end == ReadEnd::BadRecord) {
        readError(ifile, r);
        return false;
    }
    state.records = r.records;
    summary(r, fileName);
    endWarnings(r);
    clofin(ifile);
    return true;
}

}  // namespace

void gcmtreadex1(int32_t ifile, int32_t inter) {
    if (startsFromDefaults(inter)) {
        submenuhead(kGcmtreadex1);
        wout({"INITIALIZING INPUT PARAMETERS"});
        gcmtblk.dataType = kNoData;
        gcmtblk.count = 0;
        state = ReaderState{};
        setseistest6(inter);
        return;
    }
    const auto slot = static_cast<std::size_t>(ifile - 1);
    for (;;) {
        submenuhead(kGcmtreadex1);
        if (lwito(2)) {
            menuBody(fiocom.infnam[slot]);
            menutail();
        }
        int32_t choice = 99;
        inintegdef(choice, question("your choice"), 99);
        if (choice == 900) {
            help();
        } else if (choice == 4) {
            inlogicdef(state.showAll, question("write data sorting to screen"), state.showAll);
        } else if (choice == 5) {
            inlogicdef(state.showKept, question("write extracted data to screen"), state.showKept);
        } else if (choice == 100) {
            setseistest6(2);
        } else if (!knownCommand(kGcmtreadex1, choice, {11, 21, 99, 1000, 1001})) {
            continue;
        }

        const bool open = fiocom.iopin[slot];
        if (!open && (choice == 1000 || choice == 1001 || choice == 11)) {
            const std::string_view expl = choice == 1000   ? "cmt dek input"
                                          : choice == 1001 ? "cmt ndk input"
                                                           : "unknown data input";
            opefin(ifile, question(expl), 0);
        } else if (open && (choice == 21 || choice == 99)) {
            clofin(ifile);
        }

        if (choice == 99) return;
        if (choice == 1000 && readFile(ifile, dekLayout)) return;
        if (choice == 1001 && readFile(ifile, ndkLayout)) return;
    }
}

}  // namespace tensova

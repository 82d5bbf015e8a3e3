#include "catalogue/writer_menu.hpp"

#include <string>

#include "catalogue/catalogue_writers.hpp"
#include "catalogue/listing.hpp"
#include "catalogue/store.hpp"
#include "catalogue/tables.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/files.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"

namespace tensova {
namespace {

constexpr int32_t kExit = 99;
constexpr int32_t kOpen = 12;
constexpr int32_t kClose = 22;
constexpr int32_t kHelp = 900;
constexpr int32_t kList = 1100;
constexpr int32_t kDekFile = 1000;
constexpr int32_t kNdkFile = 1001;
constexpr int32_t kDekTable = 2000;
constexpr int32_t kNdkTable = 2001;
constexpr int32_t kDekOther = 3000;
constexpr int32_t kNdkOther = 3001;

struct Output {
    int32_t ifile;
    std::size_t slot;
    bool isOpen() const { return fiocom.iopou[slot]; }
    const std::string& name() const { return fiocom.oufnam[slot]; }
};

void showMenu(const Output& out) {
    submenuhead(kGcmtwrite);
    if (!lwito(2)) return;
    const Gcmtblk& s = gcmtblk;
    wout({kDashes43});
    wout({"Maximum nb of stored data=", fmtI(kCapacity, 6)});
    wout({"Current nb of stored data=", fmtI(s.count, 6)});
    wout({"Current data type        =", fmtI(s.dataType, 6)});
    wout({"OPEN  DATA OUTPUT FILE .......12", out.name()});
    wout({"CLOSE DATA OUTPUT FILE .......22", out.name()});
    wout({kDashes43});
    if (s.dataType >= 1) {
        wout({"WRITE DATA TO OUTPUT FILE IN FORMAT:"});
        if (s.dataType == kDekData) {
            wout({" dek format CMT file .......1000"});
            wout({" Table dek CMT order .......2000"});
        } else if (s.dataType == kNdkData) {
            wout({" ndk format CMT file .......1001"});
            wout({" Table ndk CMT order .......2001"});
        }
    } else {
        wout({"CANNOT WRITE THIS DATA TYPE"});
    }
    wout({"LIST DATA TO SCREEN ........1100"});
    wout({kDashes43});
    wout({"HELP ........................900"});
    wout({"EXIT .........................99"});
    menutail();
}

void showHelp() {
    submenuhead(kGcmtwrite);
    wout({kEquals43});
    wout({"                  HELP"});
    wout({kEquals43});
    wout({"GLOBAL CMT DATA FORMAT ARE DESCRIBED AT:"});
    wout({"    https://www.globalcmt.org/"});
    wout({"Other help:"});
    wout({"    the README file of tensova"});
    wout({kEquals43});
}

// The explanation a command gives the output file it opens.
std::string_view openingExplanation(int32_t answer) {
    switch (answer) {
        case kDekFile:
            return "cmt-dek output";
        case kNdkFile:
            return "cmt-ndk output";
        case kDekTable:
            return "cmt-dek-table output";
        case kNdkTable:
            return "cmt-ndk-table output";
        case kOpen:
            return "data output";
        default:
            return {};
    }
}

// Every record reached the file, but the file could not be closed.
constexpr WriteOutcome kCloseFailed{false, 0, 0, true};

void writeErrorBox(const Output& out, const WriteOutcome& failure) {
    errorhead(kGcmtwrite);
    if (failure.atFlush)
        wout({"  FINAL FLUSH/CLOSE FAILED"});
    else
        wout({"  WHILE WRITING", fmtI(failure.event, 6), "th DATA"});
    if (!failure.atFlush) wout({"  NUMBER OF SAVED DATA =", fmtI(failure.saved, 6)});
    wout({"  IN FILE:", out.name()});
    if (out.isOpen()) {
        wout({"  closing the file"});
        clofou(out.ifile);
    }
    wout({"FILE", out.name(), "IS CLOSED"});
    errortail00();
}

void noWriterBox(int32_t answer) {
    warninghead(kGcmtwrite);
    wout({"DATA TYPE ID   =", fmtI(gcmtblk.dataType, 6)});
    wout({"FORMAT COMMAND =", fmtI(answer, 6)});
    wout({"NO WRITING PROCEDURE FOR THIS"});
    wout({"FORMAT - DATA TYPE COMBINATION"});
    wout({"==> NO ACTION"});
    wout({"OUTPUT FILE HAS NOT BEEN WRITTEN"});
    wout({"====> DATA ARE UNSAVED"});
    warningtail00();
}

// After a writer that wrote every event. A file closed here that could not take what it still
// held gets the write-error box instead of the closing line.
void completionReport(const Output& out, int32_t written) {
    wout({"WRITING COMPLETED"});
    wout({"NUMBER OF SAVED DATA =", fmtI(written, 6)});
    wout({"FILE", out.name(), "IS STILL OPEN"});
    wout({kDashes43});
    if (out.isOpen()) {
        bool close = true;
        inlogicdef(close, "close output file", true);
        if (close) {
            if (clofou(out.ifile))
                wout({"output file", out.name(), "closed"});
            else
                writeErrorBox(out, kCloseFailed);
        }
    }
    menutail();
}

// The writer an answer asks for on the store's data type; none for any other pair.
struct Writer {
    WriteOutcome (*write)(const RecordLayout&, int32_t) = nullptr;
    const RecordLayout* layout = nullptr;
};

Writer writerFor(int32_t answer) {
    const int32_t type = gcmtblk.dataType;
    if (answer == kDekFile && type == kDekData) return {writeCatalogueFile, &dekLayout};
    if (answer == kDekTable && type == kDekData) return {writeCatalogueTable, &dekLayout};
    if (answer == kNdkFile && type == kNdkData) return {writeCatalogueFile, &ndkLayout};
    if (answer == kNdkTable && type == kNdkData) return {writeCatalogueTable, &ndkLayout};
    return {};
}

void runWriter(const Output& out, const Writer& writer) {
    const WriteOutcome r = writer.write(*writer.layout, out.ifile);
    if (r.complete)
        completionReport(out, r.event);
    else
        writeErrorBox(out, r);
}

bool isWriterCommand(int32_t answer) {
    return answer == kDekFile || answer == kDekTable || answer == kDekOther || answer == kNdkFile ||
           answer == kNdkTable || answer == kNdkOther;
}

}  // namespace

void gcmtwrite1(int32_t ifile, int32_t /*ierr*/) {
    if (ifile < 1 || static_cast<std::size_t>(ifile) > fiocom.iouf.size()) return;
    const Output out{ifile, static_cast<std::size_t>(ifile - 1)};
    for (;;) {
        showMenu(out);
        int32_t answer = kExit;
        inintegdef(answer, "your choice", kExit);
        if (!isWriterCommand(answer) &&
            !knownCommand(kGcmtwrite, answer, {kHelp, kOpen, kClose, kExit, kList}))
            continue;
        if (answer == kHelp) showHelp();
        const Writer writer = writerFor(answer);
        // Opening empties the file: it is opened only when something will be written to it.
        if (!out.isOpen() && (answer == kOpen || writer.write != nullptr)) {
            opefou(ifile, openingExplanation(answer), 0);
        } else if ((answer == kClose || answer == kExit) && out.isOpen()) {
            if (!clofou(out.ifile)) writeErrorBox(out, kCloseFailed);
        }
        if (answer == kExit) return;
        if (answer == kList) listgcmt(ListingHead::SubMenu, kGcmtwrite, answer);
        if (writer.write != nullptr)
            runWriter(out, writer);
        else if (isWriterCommand(answer))
            noWriterBox(answer);
    }
}

}  // namespace tensova

// The set-ups of the stereonet drawing: points per great circle, axis symbols, and the frame
// with its labels and its number of points.

#include <string>
#include <string_view>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "plot/attributes.hpp"
#include "seismo/stereonet_drawing.hpp"

namespace tensova {
namespace {

const Stamp kSdspgc("sdspgc", " 1.0", "01-06-2010");
const Stamp kSdspaxsymb("sdspaxsymb", " 1.0", "01-06-2010");
const Stamp kSrepstereo0("srepstereo0", " 1.0", "01-06-2010");
const Stamp kSrepstereolabel1("srepstereolabel1", " 1.0", "01-06-2010");
const Stamp kSrepstereonp("srepstereonp", " 1.0", "01-06-2010");

constexpr int32_t kExit = 99;
constexpr int32_t kDefaultCirclePoints = 40;
constexpr int32_t kDefaultFramePoints = 200;
constexpr int32_t kMaxPoints = 1000;
constexpr int32_t kSymbolMin = -99;
constexpr int32_t kSymbolMax = 101;
constexpr int32_t kDefaultStandard = 1;
constexpr int32_t kDefaultAlternate = -1;
// Symbol-editor mode that checks the caller's symbols and stores nothing.
constexpr int32_t kAskOnly = 200;

constexpr std::string_view kPositions[kFrameLabels] = {"X axis",      "Y axis",     "Upper Right",
                                                       "Lower Right", "Lower Left", "Upper Left"};

// Shows the menu of `owner` and hands each of its `known` choices to `act`, until 99 (also the
// default). The great-circle menu asks with the older prompt.
template <class Show, class Act>
void menuLoop(const Stamp& owner, std::initializer_list<int32_t> known, Show show, Act act,
              bool olderPrompt = false) {
    for (;;) {
        show();
        int32_t choice = kExit;
        if (olderPrompt) {
            inintegdefnp(choice, "your choice", kExit);
        } else {
            inintegdef(choice, "your choice", kExit);
        }
        if (choice == kExit) return;
        if (knownCommand(owner, choice, known)) act(choice);
    }
}

std::string tf(bool b) {
    return fmtL(b, 1);
}

// The label's defaults: the two direction labels drawn, the corners not.
std::string defaultLabel(int32_t index) {
    return index == 1 ? "North" : index == 2 ? "East" : "None";
}
int32_t defaultFlag(int32_t index) {
    return index == 1 || index == 2 ? 1 : 0;
}

std::size_t slot(int32_t index) {
    return static_cast<std::size_t>(index - 1);
}

void checkSymbol(int32_t& symbol, std::string_view name, int32_t reset) {
    if (symbol >= kSymbolMin && symbol <= kSymbolMax) return;
    warninghead(kSdspaxsymb);
    wout({name, fmtI(symbol, 4)});
    wout({"outside [", fmtIown(kSymbolMin), ",", fmtIown(kSymbolMax), "]"});
    wout({"==> RESETTING TO:"});
    symbol = reset;
    wout({name, fmtI(symbol, 4)});
    warningtail00();
}

void symbolMenu(int32_t istd, int32_t ialt, int32_t mode) {
    submenuhead(kSdspaxsymb);
    if (!lwito(2)) return;
    wout({kDashes43});
    wout({"STEREOPLOT AXIS SYMBOLS"});
    wout({"Standard  symbol <-> standard hemisphere"});
    wout({"Alternate symbol <-> opposite hemisphere"});
    wout({kDashes43});
    if (mode == kAskOnly) {
        wout({"set up:"});
    } else {
        wout({"currently stored:"});
        wout({"standard  type =", fmtI(dspaxbk.istd, 4)});
        wout({"alternate type =", fmtI(dspaxbk.ialt, 4)});
        wout({std::string(21, '-')});
        wout({"ready to store:"});
    }
    wout({"standard  type =", fmtI(istd, 4)});
    wout({"alternate type =", fmtI(ialt, 4)});
    wout({kDashes43});
    wout({"Axis symbol ... symbol number"});
    wout({"arrow    ................ 101"});
    wout({"line     ................ 100"});
    int32_t catalogue = istd;
    ssymboltype(catalogue, 102);
    wout({kDashes43});
    wout({"MODIFY:"});
    wout({" standard type ............... 10"});
    wout({" alternate type .............. 20"});
    wout({mode == kAskOnly ? "SET UP IS OK ==> EXIT ........ 99"
                           : "STORE AND EXIT ............... 99"});
    menutail();
}

void frameMenu() {
    submenuhead(kSrepstereo0);
    wout({kDashes43});
    wout({"STEREO FRAME PARAMETERS"});
    wout({kDashes43});
    wout({"position   :     label     :?:command"});
    for (int32_t k = 1; k <= kFrameLabels; ++k) {
        wout({fit(kPositions[slot(k)], 11) + ":" + fit(stefram2.label[slot(k)], 15) + ":" +
              tf(stefram2.llabel[slot(k)] == 1) + ":.." + fmtIown(k)});
    }
    wout({"nb of points to draw ..........10", fmtI(stefram2.np, 7)});
    wout({"draw axis......................20", tf(stefram2.axes)});
    wout({"draw tics......................30", tf(stefram2.ticks)});
    wout({kDashes43});
    wout({"EXIT ..........................99"});
    menutail();
}

void labelMenu(const std::string& text, int32_t iflag, int32_t index) {
    const bool known = index >= 1 && index <= kFrameLabels;
    wout({kDashes43});
    wout({"STEREO FRAME LABELS"});
    wout({kDashes43});
    wout({"label position        :", known ? kPositions[slot(index)] : ""});
    wout({"label index...........1", fmtI(index, 4)});
    wout({"label text............2", text});
    wout({"draw label (0/1)......3", fmtI(iflag, 4)});
    wout({kDashes43});
    wout({"EXIT ................99"});
    menutail();
}

}  // namespace

void sdspgc(int32_t& np, int32_t mode) {
    if (startsFromStored(mode)) np = dspgcbk.np;
    if (startsFromDefaults(mode)) {
        np = kDefaultCirclePoints;
        submenuhead(kSdspgc);
        wout({"INITIALIZING GREAT CIRCLE PARAMETERS"});
    }
    if (isDialog(mode)) {
        menuLoop(
            kSdspgc, {10},
            [&] {
                submenuhead(kSdspgc);
                wout({kDashes43});
                wout({"      GREAT CIRCLES PARAMETERS: "});
                wout({kDashes43});
                wout({"nb of points to draw ..........10", fmtI(np, 12)});
                wout({kDashes43});
                wout({"EXIT ..........................99"});
                wout({kDashes43});
            },
            [&](int32_t choice) {
                if (choice == 10)
                    inintegvindef(np, "nb of pts per great circle", np, 1, kMaxPoints);
            },
            true);
    }
    dspgcbk.np = np;
}

void sdspaxsymb(int32_t& istd, int32_t& ialt, int32_t mode) {
    if (startsFromCaller(mode) || mode == kAskOnly) {
        checkSymbol(istd, "Standard  symbol =", kDefaultStandard);
        checkSymbol(ialt, "Alternate symbol =", kDefaultAlternate);
    } else if (startsFromStored(mode)) {
        istd = dspaxbk.istd;
        ialt = dspaxbk.ialt;
    } else if (startsFromDefaults(mode)) {
        istd = kDefaultStandard;
        ialt = kDefaultAlternate;
        submenuhead(kSdspaxsymb);
        wout({"INITIALIZING STEREOPLOT AXIS SYMBOLS"});
    }
    if (isDialog(mode)) {
        menuLoop(
            kSdspaxsymb, {10, 20}, [&] { symbolMenu(istd, ialt, mode); },
            [&](int32_t choice) {
                if (choice == 10)
                    inintegvindef(istd, "standard symbol type", istd, kSymbolMin, kSymbolMax);
                if (choice == 20)
                    inintegvindef(ialt, "alternate symbol type", ialt, kSymbolMin, kSymbolMax);
            });
    }
    if (mode == kAskOnly) return;
    dspaxbk.istd = istd;
    dspaxbk.ialt = ialt;
}

void srepstereo0(int32_t mode) {
    Stefram2& f = stefram2;
    if (startsFromDefaults(mode)) {
        submenuhead(kSrepstereo0);
        wout({"INITIALIZING STEREO FRAME"});
        f.np = kDefaultFramePoints;
        f.axes = true;
        f.ticks = true;
        for (int32_t k = 1; k <= 2; ++k) {
            f.llabel[slot(k)] = defaultFlag(k);
            f.label[slot(k)] = fit(defaultLabel(k), kFrameLabelLength);
        }
    }
    if (mode >= 4 && mode <= 7) {
        for (int32_t k = 3; k <= kFrameLabels; ++k) {
            f.llabel[slot(k)] = defaultFlag(k);
            f.label[slot(k)] = fit(defaultLabel(k), kFrameLabelLength);
        }
    }
    if (!isDialog(mode)) return;
    menuLoop(kSrepstereo0, {1, 2, 3, 4, 5, 6, 10, 20, 30}, frameMenu, [&](int32_t choice) {
        if (choice >= 1 && choice <= kFrameLabels) {
            std::string text = f.label[slot(choice)];
            int32_t flag = f.llabel[slot(choice)];
            int32_t index = choice;
            srepstereolabel1(text, flag, index, 2);
        } else if (choice == 10) {
            srepstereonp(f.np, 2);
        } else if (choice == 20) {
            inlogicdef(f.axes, "whether to draw axis", f.axes);
        } else if (choice == 30) {
            inlogicdef(f.ticks, "whether to draw ticks", f.ticks);
        }
    });
}

void srepstereolabel1(std::string& text, int32_t& iflag, int32_t& index, int32_t mode) {
    if (index < 1 || index > kFrameLabels) {
        errorhead(kSrepstereolabel1);
        wout({"label number =", fmtI(index, 4)});
        wout({"label number must be in [1,6]"});
        index = kFrameLabels;
        wout({"==> label number reset to =", fmtI(index, 4)});
        errortail00();
    }
    if (startsFromStored(mode)) {
        text = fit(stefram2.label[slot(index)], text.size());
        iflag = stefram2.llabel[slot(index)];
    } else if (startsFromDefaults(mode)) {
        submenuhead(kSrepstereolabel1);
        wout({"INITIALIZING STEREO FRAME LABEL"});
        text = fit(defaultLabel(index), text.size());
        iflag = defaultFlag(index);
    } else if (iflag < 0 || iflag > 1) {
        errorhead(kSrepstereolabel1);
        wout({"draw or not (0/1) =", fmtI(iflag, 4)});
        wout({"should be in [0,1]"});
        iflag = 0;
        wout({"==>reset to =", fmtI(iflag, 4)});
        errortail00();
    }
    if (isDialog(mode)) {
        menuLoop(
            kSrepstereolabel1, {1, 2, 3}, [&] { labelMenu(text, iflag, index); },
            [&](int32_t choice) {
                if (choice == 1) inintegvindef(index, "label index", index, 1, kFrameLabels);
                if (choice == 2) inchardef(text, "text to draw", text);
                if (choice == 3)
                    inintegvindef(iflag, "whether to draw label (0=no/1=yes)", iflag, 0, 1);
            });
    }
    stefram2.llabel[slot(index)] = iflag == 1 ? 1 : 0;
    stefram2.label[slot(index)] = fit(text, kFrameLabelLength);
}

void srepstereonp(int32_t& np, int32_t mode) {
    if (startsFromStored(mode)) np = stefram2.np;
    if (startsFromDefaults(mode)) {
        np = kDefaultFramePoints;
        submenuhead(kSrepstereonp);
        wout({"INITIALIZING STEREO FRAME: number of points"});
    }
    if (isDialog(mode)) {
        menuLoop(
            kSrepstereonp, {10},
            [&] {
                wout({kDashes43});
                wout({"STEREO FRAME NUMBER OF POINT:              "});
                wout({kDashes43});
                wout({"nb of points to draw ..........10", fmtI(np, 5)});
                wout({kDashes43});
                wout({"EXIT ..........................99"});
                menutail();
            },
            [&](int32_t choice) {
                if (choice == 10) inintegvindef(np, "nb of pts per curve", np, 1, kMaxPoints);
            });
    }
    stefram2.np = np;
}

}  // namespace tensova

// Opening and closing the plot file, and the question before drawing on an open plot.

#include "plot/plot_life.hpp"

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/text.hpp"
#include "postscript/postscript.hpp"

namespace tensova {
namespace {

const Stamp kPlinit("plinit", " 6.1", "14-05-2010");
const Stamp kPlend("plend", " 6.0", "17-03-2009");
const Stamp kNewpage("newpage", " 6.0", "17-03-2009");

}  // namespace

void plinit(std::string& fname, int32_t inter) {
    if (iocom.plotOpen) {
        warninghead(kPlinit);
        wout({"Plot file or window is already opened"});
        wout({"==> appending to current plot file/window"});
        warningtail00();
        return;
    }
    intplinit(fname, inter);
    iocom.plotOpen = true;
    splotparam2(inter == 2 || inter == 3 ? 7 : 5);
}

void plend() {
    if (!iocom.plotOpen) {
        warninghead(kPlend);
        wout({"The plot window or file is already closed"});
        warningtail00();
        return;
    }
    intplend();
    iocom.plotOpen = false;
}

namespace {

bool written(bool wholeFile) {
    if (!iocom.plotOpen) return false;
    if (pswritten(wholeFile)) return true;
    iocom.plotOpen = false;
    return false;
}

}  // namespace

bool plotwritten() {
    return written(true);
}

bool plotstepwritten() {
    return written(false);
}

RunWriting drawingRun() {
    // The file open when the run stops: the new-page question may have opened another.
    return RunWriting("PLOT FILE",
                      [] { return iocom.plotOpen ? std::string(psfilename()) : std::string(); });
}

void newpage() {
    submenuhead(kNewpage);
    wout({"IT IS SUGGESTED TO CLEAR THE PLOT"});
    wout({"You can:"});
    wout({"clear the window / add a page to the file ..0"});
    wout({"close the window / file and open a new one .1"});
    wout({"append to the current window / file ........2"});
    menutail();
    int32_t choice = 0;
    inintegvindef(choice, "your choice", 0, 0, 2);
    if (choice == 0) {
        intnewpage();
    } else if (choice == 1) {
        plend();
        std::string name = fit("Next_plot", 20);
        plinit(name, 2);
    }
}

}  // namespace tensova

#include "console/cmdfiles.hpp"

#include "console/answers.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/files.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/stop.hpp"
#include "console/text.hpp"

namespace tensova {
namespace {

const Stamp kAltsio("altsio", " 1.4", "17-06-2008");
const Stamp kBeginaltsi("beginaltsi", " 3.0", "17-06-2008");
void refused(const Stamp& s, std::string_view why) {
    warninghead(s);
    wout({why});
    wout({"==> NO ACTION"});
    warningtail00();
}

}  // namespace

void altsio(int32_t iu, std::string& cfname, int32_t& irep, int32_t imode) {
    for (;;) {
        submenuhead(kAltsio);
        wout({kDashes43});
        wout({"ALTERNATE STANDARD INPUT"});
        wout({kDashes43});
        wout({"START COMMAND FILE ..............5001"});
        wout({"EXIT COMMAND FILE AND CONTINUE...5002"});
        wout({"EXIT COMMAND FILE AND QUIT ......5003"});
        wout({"EXIT THIS SUBROUTINE ..............99"});
        menutail();
        irep = 99;
        inintegdef(irep, "your choice", irep);
        switch (irep) {
            case 5001:
                beginaltsi(iu, cfname, imode);
                return;
            case 5002:
                endaltsi(iu, cfname, imode);
                return;
            case 5003:
                endaltsi(iu, cfname, imode);
                irep = 9999;
                return;
            case 99:
                return;
            default:
                if (imode == 1) {
                    errorhead(kAltsio);
                    wout({"Unknown answer irep =", fmtI(irep, 6)});
                    wout({"===> STOPPING EXECUTION"});
                    errortail00();
                    stopRun(1);
                }
                unknownCommand(kAltsio, irep);
        }
    }
}

void beginaltsi(int32_t iu, std::string& cfname, int32_t imode) {
    if (commandFileRunning()) {
        refused(kBeginaltsi, "COMMAND FILE ALREADY OPEN");
        return;
    }
    if (lwito(1)) submenuhead(kBeginaltsi);
    opef2(cfname, "alternate standard input", iu, OpenStatus::Old, imode);
    commandFileStarted(iu, cfname);
    if (lwito(1)) {
        wout({"Standard input redirected from"});
        wout({"   Command file:", trimmed(cfname)});
        wout({"Response to error or warning"});
        wout({"   remains from keyboard"});
        wout({"Level 2 standard output disabled"});
        menutail();
    }
}

void endaltsi(int32_t /*iu*/, const std::string& /*cfname*/, int32_t /*imode*/) {
    // The running command file is the one to end, on the unit and under the name it runs with.
    if (!commandFileRunning()) {
        refused(kEndaltsi, "NO OPEN COMMAND FILE");
        return;
    }
    endCommandFile();
}

}  // namespace tensova

// Opening the plot file: the remembered page settings, their dialog, the file and its head.

#include <array>
#include <string>
#include <string_view>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/files.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/text.hpp"
#include "postscript/page.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"

namespace tensova {
namespace {

const Stamp kIntplinit("intplinit", " 8.0", "19-03-2009");

// The dialect names, indexed by dialect - 1.
const std::array<std::string, 3>& cpstype() {
    static const std::array<std::string, 3> names = {fit("Compressed", 20), fit("NeWS", 20),
                                                     fit("Illustrator v.2 = 88", 20)};
    return names;
}

const std::string& dialectName(int32_t dialect) {
    return cpstype()[static_cast<std::size_t>(dialect - 1)];
}

// The orientation's name; a hand-edited value that is none of the commands shows as it is.
std::string orientationName(const std::string& command) {
    const Orientation* o = orientationOf(command);
    return std::string(o != nullptr ? o->name : command);
}

const std::string kDashes38(38, '-');

std::string creditLine(std::string_view library, std::string_view date, std::string_view by) {
    return ">>> " + fit(library, 11) + fit(date, 10) + fit(by, 10) + "<<<";
}

void settingsBox(const PsSettings& s) {
    wout({">>>       ORIGINS & CREDITS        <<<"});
    wout({">>> library    date      by        <<<"});
    wout({creditLine("pslib5", "1996", "tensova")});
    wout({creditLine("pslib6", "2001", "tensova")});
    wout({creditLine("pslib7", "2009", "tensova")});
    wout({kDashes38});
    wout({">>> CURRENT VERSION :", kIntplinit.version, "        <<<"});
    wout({">>> LAST MODIFIED ON:", kIntplinit.date, "  <<<"});
    wout({kDashes38});
    wout({"         Default Settings:            "});
    wout({kDashes38});
    wout({"Overlay ?  =", s.overlay ? "Yes" : "No "});
    wout({"# Copies   =", fmtI(s.copies, 3)});
    wout({"System     =", orientationName(s.orientation)});
    wout({"PostScript =", dialectName(s.dialect)});
    menutail();
}

void askOrientation(std::string& orientation) {
    for (;;) {
        wout({"Page orientation...Command"});
        // Each name, dots, and its command, in 26 characters.
        for (const Orientation& o : kOrientations) {
            const std::string_view command = trimmed(o.command);
            std::string line(o.name);
            line.resize(26 - command.size(), '.');
            wout({line + std::string(command)});
        }
        // The orientation in force stays the default until an answer is one of them. The answer
        // goes into the command's 3 characters, cut there: "Portrait" is "Por", portrait.
        std::string answer = orientation, whole;
        inchardef(answer, "(vokplt) command", orientation, &whole);
        if (const Orientation* o = orientationAnswered(whole)) {
            orientation = o->command;
            return;
        }
        refuseAnswer(
            {kIntplinit, "(vokplt) command", "Unknown command ==> Asking again", RefusalBox::Quiet},
            {"unknown page orientation: " + std::string(trimmed(whole))});
    }
}

void updateDialog(PsSettings& s) {
    submenuhead(kIntplinit);
    wout({"       Updating Default Settings:      "});
    wout({std::string(39, '-')});
    inlogicdef(s.overlay, "(vokplt) Is this an overlay?", s.overlay);
    inintegdef(s.copies, "(vokplt) number of copies:", s.copies);
    // More than three digits would spoil both the settings record and the copies line.
    if (s.copies < 1 || s.copies > kMaxCopies) {
        s.copies = s.copies < 1 ? 1 : kMaxCopies;
        wout({"==> RESET TO:", fmtI(s.copies, 3)});
    }
    s.orientation = fit(s.orientation, 3);
    askOrientation(s.orientation);
    wout({"choose Postscript type"});
    for (int32_t k = 1; k <= 3; ++k) wout({dialectName(k), fmtI(k, 3)});
    inintegvindef(s.dialect, "your choice", s.dialect, 1, 3);
}

// The file is said to be written only once it is: flushed and closed.
void saveSettings(const PsSettings& s) {
    if (writePsSettings(s)) {
        submenuhead(kIntplinit);
        wout({"pslib7_ini.txt updated or created"});
        menutail();
        return;
    }
    warninghead(kIntplinit);
    wout({"pslib7_ini.txt could not be written"});
    wout({"==> the settings hold for this run only"});
    warningtail00();
}

}  // namespace

void intplinit(std::string& fname, int32_t inter) {
    // One plot file at a time: a file still open is finished before its unit is reused.
    if (psdevice.open) psend();
    PsSettings s;
    const bool read = readPsSettings(s);
    submenuhead(kIntplinit);
    if (lwito(2)) settingsBox(s);
    bool keep = true;
    inlogicdef(keep, "(vokplt) Use default settings ?", true);
    if (!keep) updateDialog(s);
    if (!keep || !read) saveSettings(s);
    // A plot file replaces the plot files of this program only: whatever else the name holds is
    // asked about first.
    opef2(fname, fit("postcript plot", 45), kPlotUnit, OpenStatus::Unknown, inter % 2,
          plotFileHeads());
    beginDocument(s, fname);
}

}  // namespace tensova

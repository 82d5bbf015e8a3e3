#include "console/console.hpp"

#include "console/fields.hpp"
#include "console/menus.hpp"

namespace tensova {
namespace {

const Stamp kInitsio("initsio", " 3.0", "08-03-2000");

}  // namespace

std::string cline(std::initializer_list<std::string_view> items) {
    std::string s;
    std::size_t n = 0;
    for (auto item : items) n += item.size() + 1;
    s.reserve(n);
    for (auto item : items) {
        s += ' ';
        s += item;
    }
    return s;
}

void wout(std::initializer_list<std::string_view> items) {
    unitWrite(iocom.stdOut, cline(items));
}

void werr(std::initializer_list<std::string_view> items) {
    unitWrite(iocom.errOut, cline(items));
}

void initsio() {
    iocom = Iocom{};
    iocom.terminal = unitKeyboardIsTerminal();
    submenuhead(kInitsio);
    wout({"INITIALIZING INPUT/OUTPUT"});
    wout({"standard  input unit        =", fmtI(iocom.stdIn, 2)});
    wout({"standard output unit        =", fmtI(iocom.stdOut, 2)});
    wout({"error     input unit        =", fmtI(iocom.errIn, 2)});
    wout({"error    output unit        =", fmtI(iocom.errOut, 2)});
    wout({"minimum output enabled      :", fmtL(lwito(1), 2)});
    wout({"more    output enabled      :", fmtL(lwito(2), 2)});
    wout({"maximum output enabled      :", fmtL(lwito(3), 2)});
    wout({"command file open status    :", fmtL(iocom.cmdOpen, 2)});
    wout({"plot    file open status    :", fmtL(iocom.plotOpen, 2)});
    wout({"pause after warning or error:", fmtL(iocom.pauseOn, 2)});
    menutail();
}

}  // namespace tensova

#include "console/menus.hpp"

#include "console/console.hpp"

namespace tensova {

void submenuhead(const Stamp& s) {
    wout({kAts43});
    wout({"@ subroutine", s.name});
    wout({"@=========================================="});
}

void mainmenuhead(const Stamp& s) {
    wout({kAts43});
    wout({"@ main program", s.name});
    wout({"@=========================================="});
}

void menutail() {
    wout({kAts43});
}

void subhead(const Stamp& s) {
    if (!lwito(3)) return;
    wout({kAts43});
    wout({"@ subroutine ", s.name});
    wout({"@ version", s.version, "on", s.date});
    wout({kAts43});
}

void subtail(const Stamp& s) {
    if (!lwito(3)) return;
    wout({kAts43});
    wout({"@ exiting", s.name});
    wout({kAts43});
}

}  // namespace tensova

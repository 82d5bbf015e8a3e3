#include "console/frames.hpp"

#include "console/console.hpp"

namespace tensova {
namespace {

void frameHead(std::string_view owner, const Stamp& s) {
    wout({kAts43});
    wout({owner, s.name});
    wout({"@=========================================="});
}

}  // namespace

void submenuhead(const Stamp& s) {
    frameHead("@ subroutine", s);
}

void mainmenuhead(const Stamp& s) {
    frameHead("@ main program", s);
}

void menutail() {
    wout({kAts43});
}

void updateExitTail() {
    wout({kDashes43});
    wout({"UPDATE & EXIT ........99"});
    menutail();
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

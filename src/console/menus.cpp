#include "console/menus.hpp"

#include "console/console.hpp"

namespace tensova {
namespace {
constexpr std::string_view kAts = "@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@";
}

void submenuhead(const Stamp& s) {
    wout({kAts});
    wout({"@ subroutine", s.name});
    wout({"@=========================================="});
}

void mainmenuhead(const Stamp& s) {
    wout({kAts});
    wout({"@ main program", s.name});
    wout({"@=========================================="});
}

void menutail() {
    wout({kAts});
}

void subhead(const Stamp& s) {
    if (!lwito(3)) return;
    wout({kAts});
    wout({"@ subroutine ", s.name});
    wout({"@ version", s.version, "on", s.date});
    wout({kAts});
}

void subtail(const Stamp& s) {
    if (!lwito(3)) return;
    wout({kAts});
    wout({"@ exiting", s.name});
    wout({kAts});
}

}  // namespace tensova

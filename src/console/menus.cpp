#include "console/menus.hpp"

#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/input.hpp"

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

void unknownCommand(const Stamp& menu, int32_t choice, std::string_view question) {
    refuseAnswer({menu, question, "", RefusalBox::Quiet}, {"unknown command: " + fmtIown(choice)});
}

void unknownAnswer(const Stamp& menu) {
    refuseAnswer({menu, "your choice", "==> BACK TO MENU WITHOUT ACTION", RefusalBox::Warning},
                 {"UNKNOWN ANSWER !"});
}

bool knownCommand(const Stamp& menu, int32_t choice, std::initializer_list<int32_t> known) {
    for (const int32_t k : known)
        if (k == choice) return true;
    unknownCommand(menu, choice);
    return false;
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

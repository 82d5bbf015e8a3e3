#pragma once
// Menu frames and entry/exit traces.

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "console/text.hpp"

namespace tensova {

// Head of a sub-menu, listing or help text; written at every output level.
void submenuhead(const Stamp& s);
// Head of the main menu; written at every output level.
void mainmenuhead(const Stamp& s);
// The closing rule of a frame.
void menutail();
// The end of a small set-up menu: a rule of dashes, its exit entry "UPDATE & EXIT ........99"
// and the closing rule.
void updateExitTail();
// A number that the menu of `menu` does not know, answered to `question`. At a terminal the
// menu is simply shown again; a command file ends there, and piped input ends the run, each in a
// box that says so (refuseAnswer).
void unknownCommand(const Stamp& menu, int32_t choice, std::string_view question = "your choice");
// The same refusal in the warning box of the set-up menus ("UNKNOWN ANSWER !").
void unknownAnswer(const Stamp& menu);
// Whether `choice` is one of the numbers `known` of the menu of `menu`; any other is refused as
// unknownCommand refuses it.
bool knownCommand(const Stamp& menu, int32_t choice, std::initializer_list<int32_t> known);
// Entry and exit traces, written only at the maximum output level.
void subhead(const Stamp& s);
void subtail(const Stamp& s);

}  // namespace tensova

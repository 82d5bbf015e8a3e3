#pragma once
// Menus: their frames, and the refusal of a number that a menu does not know.

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "console/frames.hpp"
#include "console/text.hpp"

namespace tensova {

// A number that the menu of `menu` does not know, answered to `question`. At a terminal the
// menu is simply shown again; a command file ends there, and piped input ends the run, each in a
// box that says so (refuseAnswer).
void unknownCommand(const Stamp& menu, int32_t choice, std::string_view question = "your choice");
// The same refusal in the warning box of the set-up menus ("UNKNOWN ANSWER !").
void unknownAnswer(const Stamp& menu);
// Whether `choice` is one of the numbers `known` of the menu of `menu`; any other is refused as
// unknownCommand refuses it.
bool knownCommand(const Stamp& menu, int32_t choice, std::initializer_list<int32_t> known);

}  // namespace tensova

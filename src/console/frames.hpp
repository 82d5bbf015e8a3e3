#pragma once
// Menu frames and entry/exit traces: lines only, no answer read.

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
// Entry and exit traces, written only at the maximum output level.
void subhead(const Stamp& s);
void subtail(const Stamp& s);

}  // namespace tensova

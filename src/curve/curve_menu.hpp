#pragma once
// The curve parameters menu: the fixed parameters, the levels and the running point in one
// menu, each entry handed to the editor that owns the value.

#include <cstdint>

namespace tensova {

// 4, 5: every curve parameter to its default (4 then shows each editor's menu and this one);
// 6: lists the current values; other even modes: the menu until 99; other odd modes: nothing.
void scall(int32_t inter);

}  // namespace tensova

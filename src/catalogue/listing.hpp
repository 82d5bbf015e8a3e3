#pragma once
// The listing of the stored events on the screen: one framed row per event with its date,
// latitude, longitude and region. The main menu and the catalogue writer both offer it, each
// under its own header and version stamp.

#include <cstdint>

#include "console/text.hpp"

namespace tensova {

enum class ListingHead { MainMenu, SubMenu };

// Lists the store under the caller's header; `command` is the caller's menu choice, shown when
// the store holds no listable data.
void listgcmt(ListingHead head, const Stamp& caller, int32_t command);

}  // namespace tensova

#pragma once
// The catalogue reader and its menu: screen switches, input file, selection tests, and the
// reads of dek and ndk files into the store.

#include <cstdint>

#include "console/text.hpp"

namespace tensova {

// The reader's version stamp, shown by its menu and boxes and by the warnings of a read.
inline const Stamp kGcmtreadex1("gcmtreadex1", " 8.0", "08-05-2010");

// ifile: input slot of the file table (from 1). Modes 4 and 5 empty the store and give the
// reader and the selection tests their defaults; any other mode shows the menu until 99 or a
// completed read. A read that fails on a record empties the store and stays in the menu.
void gcmtreadex1(int32_t ifile, int32_t inter);

}  // namespace tensova

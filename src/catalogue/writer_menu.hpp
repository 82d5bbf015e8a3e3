#pragma once
// The catalogue writer: its menu over the store, the output file, the listing, and the dek, ndk
// and table writers with their reports.

#include <cstdint>

namespace tensova {

// ifile: output slot of the file table (from 1) that all writing goes to; ierr is not used.
// Shows the menu until 99; the output file is closed whenever this returns.
void gcmtwrite1(int32_t ifile, int32_t ierr);

}  // namespace tensova

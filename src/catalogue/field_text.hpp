#pragma once
// Number fields of catalogue records and tables, appended to a record under construction.
//
// The layouts are exactly those of fmtI and fmtF (console/fields.hpp): right-aligned, the exact
// binary value rounded half away from zero, no sign on a rounded zero, a 0 before the point only
// when the width leaves room, asterisks when the value does not fit. A full catalogue holds
// well over a million numbers, so the common case (a finite value with a few decimals) is
// worked out in integer arithmetic without allocating; everything else goes to fmtF.

#include <cstdint>
#include <string>

namespace tensova {

// Iw.
void appendI(std::string& out, int64_t v, int w);
// Fw.d.
void appendF(std::string& out, double x, int w, int d);
// Iw of the value truncated toward zero (the angle columns of catalogue records): 359.7 gives
// 359, -89.6 gives -89, -0.4 gives 0. A value that is not a number keeps its word.
void appendTruncated(std::string& out, float v, int w);

}  // namespace tensova

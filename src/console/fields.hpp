#pragma once
// Number and text fields of fixed layout.
//
// Every number the program prints goes through these: the exact binary value is rounded half
// away from zero, a value that rounds to zero carries no sign, the leading zero before the point
// is written only when the field leaves room for it, and a value too wide for its field fills
// the field with asterisks. printf and iostreams round ties to even and print "-0.", so they
// are never used for a layout.

#include <cstdint>
#include <string>
#include <string_view>

namespace tensova {

// Iw: integer right-aligned in w characters.
std::string fmtI(int64_t v, int w);
// Integer in its own width: exactly its characters, minus sign included.
std::string fmtIown(int64_t v);
// Fw.d: fixed point, d decimals, right-aligned in w characters.
std::string fmtF(double x, int w, int d);
// Iw and Fw.d appended to a record under construction, without allocating in the common case
// (a full catalogue holds over a million numbers).
void appendI(std::string& out, int64_t v, int w);
void appendF(std::string& out, double x, int w, int d);
// Iw and Fw.d written over the w characters at p (none when w is not positive); return p + w.
// The catalogue writers build their lines in place with these.
char* putI(char* p, int64_t v, int w);
char* putF(char* p, double x, int w, int d);

// Fixed point with d decimals in its own width, leading zero included ("95.", "-0.5", "0.").
std::string fmtFown(double x, int d);
// Ew.d: 0.ddddE+xx, right-aligned in w characters.
std::string fmtE(double x, int w, int d);
// Gw.d: fixed point with d significant digits in w-4 characters and four blanks for zero and
// for magnitudes from 0.1 up to below 10**d (judged on the value rounded to d digits);
// Ew.d otherwise.
std::string fmtG(double x, int w, int d);
// Lw: T or F right-aligned in w characters.
std::string fmtL(bool b, int w);
// Aw: a shorter text right-aligned in w characters, a longer one cut to its first w.
std::string fmtA(std::string_view s, int w);

}  // namespace tensova

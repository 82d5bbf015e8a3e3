#pragma once
// Numbers into texts of just the right length, for labels, file names and PostScript numbers.
// A conversion overwrites the whole text: the number right-aligned in a field of the chosen
// width at the start of the text, blanks after it.

#include <cstdint>
#include <string>

namespace tensova {

// Characters needed to write the integer, minus sign included.
int32_t integlen(int32_t iv);
// The integer in its own width at the start of `text`; nchar characters used. When it does not
// fit in nmax characters: an error box, nines in the first nmax characters, nchar = nmax.
void intg2char(std::string& text, int32_t& nchar, int32_t nmax, int32_t iv);
void carinm2(std::string& text, int32_t& nchar, int32_t nmax, int32_t iv);
// The real with ndec decimals in as few characters as it needs, at most nmax.
void real2charf1(std::string& text, int32_t& nchar, int32_t ndec, int32_t nmax, float x);
// The same written at out (room for nmax characters) for the common values: |x| < 1e5, at most
// four decimals, a layout of at most nmax characters. Returns the number of characters, or 0
// for the other values (for which real2charf1 is called; out then holds nothing of use).
int32_t real2charf1Chars(char* out, int32_t ndec, int32_t nmax, float x);
// Fixed m.n; a request no format can take gives an error box and the text "X".
void careafmpn(std::string& text, int32_t m, int32_t n, float x);
// Exponent m.n (m >= n + 7).
void careaempn(std::string& text, int32_t m, int32_t n, float x);
// The real in exactly m characters, fixed-point or exponent form by its size.
void caream(std::string& text, int32_t m, float x);

}  // namespace tensova

#pragma once
// The drawing attributes of a plot and their setters.
//
// Every setter takes its value (in and out) and the set-up mode `inter`: 0 and 1 start from the
// caller's value, 2 and 3 from the stored one, 4 and 5 from the default; 0, 2 and 4 then show a
// small menu and ask for the value; 0 to 5 store it (5 announcing the default first). Any other
// mode is refused with a warning and stores nothing. In every mode the value reached is left in
// the argument: mode 3 reads an attribute back, mode 1 sets one without a word. A value outside
// its range is reset with a warning (the font alone is refused instead).
//
// Line width, text height and font also reach the PostScript device when they are stored; the
// other attributes are read by the device and the symbol drawer when they draw.

#include <cstdint>

namespace tensova {

// Line thickness in cm, 0.01 < w <= 1000 (default 0.02); written to the plot file in every
// storing mode, so mode 3 writes it again.
void slinewidth(float& w, int32_t inter);
// Line styles are not supported: does nothing at all.
void slinestyle(int32_t& style, int32_t inter);
// Colour slots 0..number of colours (default 1 for lines and texts, 8 for fills). A slot above
// the number of colours becomes the remainder of its division by that number plus one (1 for
// 0), a negative one becomes 1; this check runs in every mode, so mode 3 re-validates the stored
// slot after the number of colours was lowered.
void slinecolor(int32_t& k, int32_t inter);
void sfillcolor(int32_t& k, int32_t inter);
void stextcolor(int32_t& k, int32_t inter);
// Polygon fill: 0 hollow, 1 filled (default).
void sfillstyle(int32_t& s, int32_t inter);
// Text height in cm, 0.02 < h <= 1000 (default 0.5); passed to the device only while the plot
// file is open, else stored with a warning.
void stextsize(float& h, int32_t inter);
// Font 1..16 (default 1, Helvetica); ends the pending path.
void stextfont(int32_t& f, int32_t inter);
// Justification code -11..11 (default -1): |code| = 4 row + column, rows bottom, middle, top,
// columns left, centre, right; negative trims the text's blanks. 0, +-4 and +-8 are corrected.
void stextalign(int32_t& j, int32_t inter);
// Text angle in degrees (default 0).
void stextangle(float& a, int32_t inter);
// Symbol size in cm (default 0.4).
void ssymbolsize(float& s, int32_t inter);
// Symbol type (default 1); negative draws the symbol filled. Two more modes: 102 lists the
// symbol catalogue alone (at output level 2) and returns; 200 asks for a type and returns it
// without storing.
void ssymboltype(int32_t& t, int32_t inter);

}  // namespace tensova

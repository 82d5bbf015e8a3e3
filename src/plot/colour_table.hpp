#pragma once
// The colour table: 13 slots of red, green and blue percentages with an 8-character name, slot
// 0 the background and slot 1 the foreground, and the number of colours n (1 to 12): slots 0..n
// are in use, and one colour makes the plot black and white. Initialised once at start-up; the
// menus change it for every later plot of the run.

#include <cstdint>
#include <string>
#include <string_view>

namespace tensova {

// The number of colours, in and out. Modes 4 and 5 set 4 colours. Lowering the number
// re-checks the line, fill and text colours against it.
void scolornb(int32_t& n, int32_t inter);
// One slot: index k (in and out; a slot above the number of colours or below 0 is reset with a
// warning), name (in and out, at the caller's length; 8 characters are kept) and percentages
// (in and out, 0..100). Modes 4 and 5 set the background, black and, with at least 4 colours,
// pure red, green and blue.
void scolorrgb(int32_t& k, std::string& name, float& r, float& g, float& b, int32_t inter);
// The whole table: modes 4 and 5 set the default table of 12 colours; even modes open its menu,
// from which a table can also be read from a colour table file.
void scolortable(int32_t inter);

// The table as its menus list it: the header line, and the row of slot k with its name in a
// field of 10 characters.
inline constexpr std::string_view kColourListHead = "|index|      name|   red% | green% |  blue% |";
std::string colourRow(int32_t k, std::string_view name10, float r, float g, float b);

}  // namespace tensova

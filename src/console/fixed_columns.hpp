#pragma once
// Fixed-column fields: a field is the characters of a line from column `first` (counted from
// 1) over `width` columns. Columns past the end of the line read as blanks, so lines whose
// trailing blanks were removed read like full ones.
//
// Numbers: blanks before and after the number are ignored and an all-blank field reads as 0.
// An integer is an optional sign and digits. A real is an optional sign, digits with an
// optional decimal point and an optional exponent (E or D, either case, optional sign, digits);
// without a decimal point its last `decimals` digits are decimals ("1234" with 2 decimals reads
// 12.34). Anything else, an embedded blank included, is not a number. The value is the float
// nearest to the decimal number.

#include <cstdint>
#include <string>
#include <string_view>

namespace tensova {

// The characters of the field as they stand in the line; shorter than `width` when the line
// ends inside the field.
std::string_view fixedField(std::string_view line, int first, int width);

// Blanks inside a number field: an error (catalogue records), or ignored (settings records).
enum class Blanks { Around, Ignored };

// False when the field is not a number (v is then unchanged).
bool readFixedInt(std::string_view line, int first, int width, int32_t& v,
                  Blanks blanks = Blanks::Around);
bool readFixedReal(std::string_view line, int first, int width, int decimals, float& v);
// The number of a real field without the blanks around it (the free-format reader's too), as
// the float nearest to it; a number too small for a float is zero. False when it is not a
// number or no float holds it.
bool readRealNumber(std::string_view number, int decimals, float& v);
// Whether readRealNumber reads the text as a number, whatever its size: true for 1e999 too, which
// no float holds.
bool isRealNumber(std::string_view number);

// What a read error says of a field that is not a number: its name and columns.
std::string notANumber(std::string_view name, int first, int width);

// Copies the field into `out` of length n (n >= width): left-aligned, blank-padded.
void readFixedText(std::string_view line, int first, int width, char* out, std::size_t n);

}  // namespace tensova

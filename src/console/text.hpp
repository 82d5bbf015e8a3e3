#pragma once
// Fixed-length texts and version stamps.
//
// The program's texts have a declared length: a value is blank-padded or cut to it. Here such a
// text is a std::string whose size is its declared length; `fit` makes one.

#include <cstdint>
#include <string>
#include <string_view>

namespace tensova {

// The text cut or blank-padded to exactly n characters.
std::string fit(std::string_view s, std::size_t n);

// Positions (from 1) of the first and the last non-blank character. Only the blank counts as
// blank. A text of blanks gives its length twice; an empty text gives 1 and 0.
void textlen(int32_t& ifirst, int32_t& ilast, std::string_view text);

// The text from its first to its last non-blank character, as textlen finds them: a text of
// blanks gives one blank, an empty text stays empty.
std::string_view trimmed(std::string_view text);

// Every routine that talks to the user carries its name (11 characters), version (4) and
// date (10), shown in its menu heads and boxes.
struct Stamp {
    std::string name;
    std::string version;
    std::string date;
    Stamp(std::string_view n, std::string_view v, std::string_view d)
        : name(fit(n, 11)), version(fit(v, 4)), date(fit(d, 10)) {}
};

}  // namespace tensova

#pragma once
// What the attribute setters share: the starting value by set-up mode, the modes that show a
// dialog and those that store, the layouts of their numbers, and their standard lines.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "console/fields.hpp"
#include "console/setup.hpp"
#include "console/text.hpp"

namespace tensova::setter {

inline bool dialog(int32_t inter) {
    return inter == 0 || inter == 2 || inter == 4;
}
inline bool stores(int32_t inter) {
    return inter >= 0 && inter <= 5;
}
// The value to start from: the stored one in modes 2 and 3, the default in 4 and 5, else the
// caller's.
template <typename T>
void start(T& v, int32_t inter, T stored, T def) {
    if (startsFromStored(inter)) {
        v = stored;
    } else if (startsFromDefaults(inter)) {
        v = def;
    }
}

// Integers (slots, styles, codes, modes) in 6 columns, reals in 8 with 3 decimals.
inline std::string num(int32_t v) {
    return fmtI(v, 6);
}
inline std::string num(float v) {
    return fmtF(v, 8, 3);
}

// The menu head and the line announcing the default (mode 5).
void announce(const Stamp& s, std::initializer_list<std::string_view> line);
// Rule, title, rule: the top of a dialog's block.
void titleBlock(std::string_view title);
// The warning for a mode no setter knows; `width` is the field of the mode.
void refuse(const Stamp& s, int32_t inter, int width = 6);
// The name of a colour slot, 8 characters.
const std::string& colourName(int32_t k);

// A length in cm with a valid range lo < v <= hi and the texts of its setter.
struct Length {
    const Stamp& stamp;
    float def, lo, hi;
    std::string (*shown)(float);  // the layout of the value
    std::string_view init;        // the mode-5 announcement
    std::string_view outOfRange;  // the lines of the range box
    std::string_view valueLabel;
    std::string_view resetLabel;
    std::string_view title;  // the dialog
    std::string_view present;
    std::string_view prompt;
};
// The first steps of a length's setter: the starting value, the announcement, the range check
// (modes 0 and 1; the request and bounds as other reals), the dialog, and the refusal of a mode
// that does not store. True when the caller stores v.
bool setLength(const Length& a, float& v, int32_t inter, float stored);

}  // namespace tensova::setter

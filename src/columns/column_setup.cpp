#include "columns/column_setup.hpp"

#include "console/fields.hpp"
#include "console/numtext.hpp"
#include "console/text.hpp"

namespace tensova {

std::string counted(int32_t v) {
    return fmtI(v, 3);
}

std::string numberedName(std::string_view prefix, int32_t k, std::size_t n) {
    std::string digits(2, ' ');
    int32_t nchar = 0;
    carinm2(digits, nchar, 2, k);
    return fit(std::string(prefix) + digits.substr(0, static_cast<std::size_t>(nchar)), n);
}

std::string printable(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && c != '\t') || b == 0x7f) c = '?';
    }
    return s;
}

}  // namespace tensova

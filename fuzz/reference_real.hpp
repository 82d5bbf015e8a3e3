#pragma once
// An independent reading of a real number, for checking the program's own: the C library's
// correctly rounded strtof, on the number rewritten with its implied decimals as an exponent.

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tensova::fuzz {

// False when the text (blanks around it allowed) is no real: [+-]digits[.digits][(E|D)[+-]digits]
// with at least one mantissa digit, or when no float holds it. An all-blank text is 0.
inline bool referenceReal(std::string_view f, int decimals, float& v) {
    const std::size_t b = f.find_first_not_of(' ');
    if (b == std::string_view::npos) {
        v = 0.0f;
        return true;
    }
    f = f.substr(b, f.find_last_not_of(' ') - b + 1);
    std::string s;
    std::size_t i = 0;
    if (f[0] == '+' || f[0] == '-') s += f[i++];
    bool point = false;
    bool digit = false;
    for (; i < f.size(); ++i) {
        const char c = f[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        s += c;
    }
    if (!digit) return false;
    long long exponent = 0;
    if (i < f.size()) {
        if (std::string_view("EeDd").find(f[i]) == std::string_view::npos) return false;
        ++i;
        bool negative = false;
        if (i < f.size() && (f[i] == '+' || f[i] == '-')) negative = f[i++] == '-';
        if (i == f.size()) return false;
        for (; i < f.size(); ++i) {
            if (f[i] < '0' || f[i] > '9') return false;
            if (exponent < 1000000) exponent = exponent * 10 + (f[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    if (!point) exponent -= decimals;
    s += "e" + std::to_string(exponent);
    errno = 0;
    v = std::strtof(s.c_str(), nullptr);
    return std::isfinite(v);
}

// The program's value against the reference: equal, or zero for a number below the normal
// floats.
inline bool sameReal(float program, float reference) {
    return program == reference || (std::fabs(reference) < FLT_MIN && program == 0.0f);
}

}  // namespace tensova::fuzz

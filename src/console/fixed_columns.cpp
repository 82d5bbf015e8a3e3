#include "console/fixed_columns.hpp"

#include <array>
#include <charconv>
#include <cstring>
#include <string>

namespace tensova {
namespace {

// Powers of ten that a float holds exactly.
constexpr std::array<float, 11> kExactTens = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                              1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
constexpr uint32_t kExactMantissa = 1u << 24;
constexpr int kMaxDigits = 64;
constexpr int kMaxExponent = 100000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The field without the blanks around it.
std::string_view stripBlanks(std::string_view f) {
    std::size_t b = 0;
    std::size_t e = f.size();
    while (b < e && f[b] == ' ') ++b;
    while (e > b && f[e - 1] == ' ') --e;
    return f.substr(b, e - b);
}

}  // namespace

std::string_view fixedField(std::string_view line, int first, int width) {
    const auto start = static_cast<std::size_t>(first - 1);
    if (start >= line.size()) return {};
    return line.substr(start, static_cast<std::size_t>(width));
}

namespace {

// An integer field: blanks, an optional sign, digits, blanks.
bool readInteger(std::string_view f, int32_t& v) {
    const char* p = f.data();
    const char* const end = p + f.size();
    while (p != end && *p == ' ') ++p;
    if (p == end) {
        v = 0;
        return true;
    }
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    const char* const digits = p;
    int64_t value = 0;
    for (; p != end && isDigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > int64_t{INT32_MAX} + 1) return false;
    }
    if (p == digits) return false;
    while (p != end && *p == ' ') ++p;
    if (p != end) return false;
    if (negative) value = -value;
    if (value > INT32_MAX) return false;
    v = static_cast<int32_t>(value);
    return true;
}

}  // namespace

bool readFixedInt(std::string_view line, int first, int width, int32_t& v, Blanks blanks) {
    const std::string_view f = fixedField(line, first, width);
    if (blanks == Blanks::Around) return readInteger(f, v);
    std::string squeezed;
    for (char c : f)
        if (c != ' ') squeezed += c;
    return readInteger(squeezed, v);
}

namespace {

// A real number as it is written: its significant digits (leading zeros dropped, at most
// kMaxDigits kept) and the power of ten that scales them.
struct WrittenReal {
    bool negative = false;
    std::array<char, kMaxDigits + 1> digits;
    int nd = 0;
    uint32_t mantissa = 0;  // the digits' value while it stays exact
    int scale = 0;          // the value is digits * 10**scale
};

// The syntax of a real field, whatever its size: false when the text is not a number.
bool scanReal(std::string_view f, int decimals, WrittenReal& r) {
    const std::size_t n = f.size();
    if (n == 0) return false;
    std::size_t i = 0;
    r.negative = f[0] == '-';
    if (f[0] == '+' || f[0] == '-') ++i;

    // Mantissa: significant digits (leading zeros dropped), digits after the point.
    int frac = 0;
    int lost = 0;  // integer digits beyond what the buffer keeps
    bool point = false;
    bool anyDigit = false;
    for (; i < n; ++i) {
        const char c = f[i];
        if (isDigit(c)) {
            anyDigit = true;
            if (r.nd == 0 && c == '0') {
                if (point) ++frac;
                continue;
            }
            if (r.nd < kMaxDigits) {
                r.digits[static_cast<std::size_t>(r.nd++)] = c;
                if (r.mantissa <= kExactMantissa) r.mantissa = r.mantissa * 10 + (c - '0');
                if (point) ++frac;
            } else if (!point) {
                ++lost;
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return false;

    int exponent = 0;
    if (i < n) {
        const char c = f[i];
        if (c != 'E' && c != 'e' && c != 'D' && c != 'd') return false;
        ++i;
        bool expNegative = false;
        if (i < n && (f[i] == '+' || f[i] == '-')) {
            expNegative = f[i] == '-';
            ++i;
        }
        if (i == n) return false;
        for (; i < n; ++i) {
            if (!isDigit(f[i])) return false;
            if (exponent < kMaxExponent) exponent = exponent * 10 + (f[i] - '0');
        }
        if (expNegative) exponent = -exponent;
    }
    r.scale = exponent + lost - (point ? frac : decimals);
    return true;
}

// The float nearest to the number; false when no float holds it.
bool nearestFloat(const WrittenReal& r, float& v) {
    const int nd = r.nd;
    const int scale = r.scale;
    float value;
    if (nd == 0) {
        value = 0.0f;
    } else if (nd <= 8 && r.mantissa <= kExactMantissa && scale >= -10 && scale <= 10) {
        // Both operands exact, so the one rounding of the IEEE operation is the nearest float.
        const auto m = static_cast<float>(r.mantissa);
        value = scale < 0 ? m / kExactTens[static_cast<std::size_t>(-scale)]
                          : m * kExactTens[static_cast<std::size_t>(scale)];
    } else {
        std::array<char, kMaxDigits + 16> buf;
        std::memcpy(buf.data(), r.digits.data(), static_cast<std::size_t>(nd));
        char* p = buf.data() + nd;
        *p++ = 'e';
        p = std::to_chars(p, buf.data() + buf.size(), scale).ptr;
        const auto res = std::from_chars(buf.data(), p, value);
        // Too small for a float: its nearest is zero. Too large: no float holds it.
        if (res.ec == std::errc::result_out_of_range && nd + scale <= 0)
            value = 0.0f;
        else if (res.ec != std::errc{})
            return false;
    }
    v = r.negative ? -value : value;
    return true;
}

}  // namespace

bool readRealNumber(std::string_view f, int decimals, float& v) {
    WrittenReal r;
    return scanReal(f, decimals, r) && nearestFloat(r, v);
}

bool isRealNumber(std::string_view number) {
    WrittenReal r;
    return scanReal(number, 0, r);
}

bool readFixedReal(std::string_view line, int first, int width, int decimals, float& v) {
    const std::string_view field = fixedField(line, first, width);
    const char* p = field.data();
    const char* const end = p + field.size();
    while (p != end && *p == ' ') ++p;
    if (p == end) {
        v = 0.0f;
        return true;
    }
    // The common case, a short number with or without its point, in one pass; anything else
    // goes to the full parser, which gives the same value for these.
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    uint32_t mantissa = 0;
    const char* const whole = p;
    for (; p != end && isDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<uint32_t>(*p - '0');
    auto digits = p - whole;
    int scale = decimals;
    if (p != end && *p == '.') {
        const char* const fraction = ++p;
        for (; p != end && isDigit(*p); ++p)
            mantissa = mantissa * 10 + static_cast<uint32_t>(*p - '0');
        scale = static_cast<int>(p - fraction);
        digits += scale;
    }
    while (p != end && *p == ' ') ++p;
    if (p != end || digits == 0 || digits > 7 || scale < 0 || scale > 10)
        return readRealNumber(stripBlanks(field), decimals, v);
    // Both operands are exact, so the one rounding of the division is the nearest float.
    const float value = static_cast<float>(mantissa) / kExactTens[static_cast<std::size_t>(scale)];
    v = negative ? -value : value;
    return true;
}

void readFixedText(std::string_view line, int first, int width, char* out, std::size_t n) {
    const std::string_view f = fixedField(line, first, width);
    // A line that ends before the field gives no characters, and no address to copy from.
    if (!f.empty()) std::memcpy(out, f.data(), f.size());
    if (f.size() < n) std::memset(out + f.size(), ' ', n - f.size());
}

std::string notANumber(std::string_view name, int first, int width) {
    return "FIELD " + std::string(name) + ", COLUMNS " + std::to_string(first) + "-" +
           std::to_string(first + width - 1) + ", IS NOT A NUMBER";
}

}  // namespace tensova

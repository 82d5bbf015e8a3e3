#include "console/fields.hpp"

#include <bit>
#include <charconv>
#include <cmath>

namespace tensova {
namespace {

// The magnitude of a finite value as decimal digits: value = 0.d1d2d3... * 10**exp10, no
// leading zero digit; zero has no digits.
struct Decimal {
    std::string digits;
    int exp10 = 0;
};

// Exact decimal expansion of a finite, non-negative double. A binary fraction with L bits after
// the point has exactly L decimal digits after it, so to_chars at that precision is exact.
Decimal exactDecimal(double ax) {
    Decimal dec;
    if (ax == 0.0) return dec;
    int e = 0;
    const double m = std::frexp(ax, &e);
    auto mant = static_cast<uint64_t>(std::ldexp(m, 53));
    int bexp = e - 53;
    while ((mant & 1u) == 0) {
        mant >>= 1;
        ++bexp;
    }
    const int fracDigits = bexp < 0 ? -bexp : 0;
    char buf[1500];
    auto res = std::to_chars(buf, buf + sizeof buf, ax, std::chars_format::fixed, fracDigits);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t point = s.find('.');
    std::string_view ip = s.substr(0, point);
    std::string_view fp =
        point == std::string_view::npos ? std::string_view{} : s.substr(point + 1);
    if (ip != "0") {
        dec.digits.assign(ip);
        dec.digits.append(fp);
        dec.exp10 = static_cast<int>(ip.size());
    } else {
        std::size_t lead = 0;
        while (lead < fp.size() && fp[lead] == '0') ++lead;
        dec.digits.assign(fp.substr(lead));
        dec.exp10 = -static_cast<int>(lead);
    }
    while (!dec.digits.empty() && dec.digits.back() == '0') dec.digits.pop_back();
    return dec;
}

// The value rounded half away from zero to `keep` significant digits (keep may be zero or
// negative: rounding at a place left of the first digit). Returns the digits (exactly `keep`
// of them when keep > 0, else empty or "1") and adjusts exp10 on a carry.
Decimal roundTo(const Decimal& in, int keep) {
    Decimal out;
    out.exp10 = in.exp10;
    if (keep <= 0) {
        // Rounding at or left of the first digit's own place.
        if (keep == 0 && !in.digits.empty() && in.digits[0] >= '5') {
            out.digits = "1";
            out.exp10 = in.exp10 + 1;
        }
        return out;
    }
    out.digits = in.digits.substr(0, static_cast<std::size_t>(keep));
    const bool up = static_cast<int>(in.digits.size()) > keep && in.digits[keep] >= '5';
    out.digits.resize(static_cast<std::size_t>(keep), '0');
    if (up) {
        int i = keep - 1;
        while (i >= 0 && out.digits[i] == '9') out.digits[i--] = '0';
        if (i >= 0) {
            ++out.digits[i];
        } else {
            out.digits.insert(out.digits.begin(), '1');
            out.digits.pop_back();
            ++out.exp10;
        }
    }
    return out;
}

bool allZero(const std::string& d) {
    for (char c : d)
        if (c != '0') return false;
    return true;
}

std::string stars(int w) {
    return std::string(static_cast<std::size_t>(w < 0 ? 0 : w), '*');
}

std::string rightAlign(const std::string& s, int w) {
    if (static_cast<int>(s.size()) > w) return stars(w);
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

// NaN and infinities are written as words, right-aligned.
bool nonFinite(double x, int w, std::string& out) {
    if (std::isnan(x)) {
        out = rightAlign("NaN", w);
        return true;
    }
    if (std::isinf(x)) {
        out = rightAlign(x < 0 ? "-INF" : "INF", w);
        return true;
    }
    return false;
}

// Sign, integer digits and d decimals of the value rounded to d decimals. The integer digits are
// empty below one, so that each layout decides on the leading zero.
void fixedParts(double x, int d, std::string& sign, std::string& ip, std::string& fp) {
    const Decimal exact = exactDecimal(std::fabs(x));
    const Decimal r = roundTo(exact, exact.exp10 + d);
    // Digits of round(|x| * 10**d) with the place of the point.
    std::string n = r.digits;
    int intDigits = r.exp10;
    if (n.empty()) {
        n = "0";
        intDigits = 1;
    }
    // Express as integer part and d decimals.
    std::string all;
    if (intDigits > 0) {
        all = n;
        if (static_cast<int>(all.size()) < intDigits + d) all.resize(intDigits + d, '0');
        ip = all.substr(0, static_cast<std::size_t>(intDigits));
        fp = all.substr(static_cast<std::size_t>(intDigits));
    } else {
        ip.clear();
        fp = std::string(static_cast<std::size_t>(-intDigits), '0') + n;
    }
    fp.resize(static_cast<std::size_t>(d), '0');
    const bool zero = allZero(ip) && allZero(fp);
    if (zero) ip.clear();
    sign = (x < 0 && !zero) ? "-" : "";
}

constexpr uint64_t kPow10[] = {1ull,      10ull,      100ull,      1000ull,      10000ull,
                               100000ull, 1000000ull, 10000000ull, 100000000ull, 1000000000ull};
constexpr int kFastDecimals = 9;
// Rounded magnitudes from here on are wider than any field of a record.
constexpr uint64_t kFastLimit = 1000000000000000000ull;

using Wide = unsigned __int128;

// Writes the decimal digits of v just before `end`; returns where they begin.
char* digitsBefore(char* end, uint64_t v) {
    do {
        *--end = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    return end;
}

// The text [first, end) right-aligned in w characters, or w asterisks when it is wider.
void appendRight(std::string& out, const char* first, const char* end, int w) {
    const auto n = static_cast<int>(end - first);
    if (n > w) {
        if (w > 0) out.append(static_cast<std::size_t>(w), '*');
        return;
    }
    out.append(static_cast<std::size_t>(w - n), ' ');
    out.append(first, end);
}

// |x| * 10**d rounded half away from zero, from the exact binary value of x. False when the
// value is too large for the integer path.
bool scaledMagnitude(double x, int d, uint64_t& q) {
    // A value that a float holds (24 significant bits) times 10**d, d <= 8 (27 bits), is exact
    // in double, and so is its fraction: the plot file's coordinates round here cheaply.
    const double a = std::fabs(x);
    if (d <= 8 && a < 1.0e9 && static_cast<double>(static_cast<float>(a)) == a) {
        const double y = a * static_cast<double>(kPow10[d]);
        const auto whole = static_cast<uint64_t>(y);  // y < 2**64: truncation is the floor
        q = whole + (y - static_cast<double>(whole) >= 0.5 ? 1u : 0u);
        return true;
    }
    // |x| = mant * 2**-shift exactly, from the bits of the double.
    const auto bits = std::bit_cast<uint64_t>(x);
    const auto biased = static_cast<int>((bits >> 52) & 0x7ff);
    uint64_t mant = bits & ((uint64_t{1} << 52) - 1);
    int shift = 1074;
    if (biased != 0) {
        mant |= uint64_t{1} << 52;
        shift = 1075 - biased;
    }
    const Wide n = static_cast<Wide>(mant) * kPow10[d];  // below 2**83
    Wide r = 0;
    if (shift <= 0) {
        if (shift < -40) return false;
        r = n << -shift;
    } else if (shift <= 100) {
        r = n >> shift;
        const Wide rest = n - (r << shift);
        if (rest >= (static_cast<Wide>(1) << (shift - 1))) ++r;
    }  // else the value is below half a unit of the last decimal: it rounds to zero
    if (r >= kFastLimit) return false;
    q = static_cast<uint64_t>(r);
    return true;
}

// Fw.d from the exact decimal expansion: any value, any number of decimals.
std::string fixedExact(double x, int w, int d) {
    std::string out;
    if (nonFinite(x, w, out)) return out;
    std::string sign, ip, fp;
    fixedParts(x, d, sign, ip, fp);
    if (ip.empty()) {
        const std::string withZero = sign + "0." + fp;
        if (static_cast<int>(withZero.size()) <= w) return rightAlign(withZero, w);
        return rightAlign(sign + "." + fp, w);
    }
    return rightAlign(sign + ip + "." + fp, w);
}

}  // namespace

void appendI(std::string& out, int64_t v, int w) {
    char buf[24];
    char* const end = buf + sizeof buf;
    const uint64_t mag = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    char* first = digitsBefore(end, mag);
    if (v < 0) *--first = '-';
    appendRight(out, first, end, w);
}

void appendF(std::string& out, double x, int w, int d) {
    uint64_t q = 0;
    if (!std::isfinite(x) || d < 0 || d > kFastDecimals || !scaledMagnitude(x, d, q)) {
        out += fixedExact(x, w, d);
        return;
    }
    char buf[48];
    char* const end = buf + sizeof buf;
    char* first = end;
    // The decimals, then what is left is the whole part (divisions by the constant 10 only).
    uint64_t whole = q;
    for (int i = 0; i < d; ++i) {
        *--first = static_cast<char>('0' + whole % 10);
        whole /= 10;
    }
    *--first = '.';
    const bool negative = x < 0 && q != 0;
    const int sign = negative ? 1 : 0;
    if (whole != 0)
        first = digitsBefore(first, whole);
    else if (end - first + sign < w)
        *--first = '0';  // the leading zero only where the field leaves room for it
    if (negative) *--first = '-';
    appendRight(out, first, end, w);
}

std::string fmtI(int64_t v, int w) {
    std::string s;
    appendI(s, v, w);
    return s;
}

std::string fmtIown(int64_t v) {
    return std::to_string(v);
}

std::string fmtF(double x, int w, int d) {
    std::string s;
    appendF(s, x, w, d);
    return s;
}

namespace detail {
std::string fmtFExact(double x, int w, int d) {
    return fixedExact(x, w, d);
}
}  // namespace detail

std::string fmtFown(double x, int d) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    std::string sign, ip, fp;
    fixedParts(x, d, sign, ip, fp);
    return sign + (ip.empty() ? "0" : ip) + "." + fp;
}

std::string fmtE(double x, int w, int d) {
    std::string out;
    if (nonFinite(x, w, out)) return out;
    const Decimal exact = exactDecimal(std::fabs(x));
    // Without digits there is nothing to round: the exponent is the value's own.
    const Decimal r = d > 0 ? roundTo(exact, d) : Decimal{{}, exact.exp10};
    std::string digits = r.digits;
    int ex = r.exp10;
    const bool zero = exact.digits.empty();
    if (zero) {
        digits.assign(static_cast<std::size_t>(d), '0');
        ex = 0;
    }
    const std::string sign = (x < 0 && !zero) ? "-" : "";
    std::string exps;
    const int aex = ex < 0 ? -ex : ex;
    if (aex <= 99) {
        exps =
            std::string("E") + (ex < 0 ? "-" : "+") + (aex < 10 ? "0" : "") + std::to_string(aex);
    } else {
        exps = std::string(ex < 0 ? "-" : "+") + std::to_string(aex);
    }
    const std::string withZero = sign + "0." + digits + exps;
    if (static_cast<int>(withZero.size()) <= w) return rightAlign(withZero, w);
    return rightAlign(sign + "." + digits + exps, w);
}

std::string fmtG(double x, int w, int d) {
    std::string out;
    if (nonFinite(x, w, out)) return out;
    if (x == 0.0) return fmtF(x, w - 4, d - 1) + "    ";
    const Decimal r = roundTo(exactDecimal(std::fabs(x)), d);
    if (!r.digits.empty() && r.exp10 >= 0 && r.exp10 <= d)
        return fmtF(x, w - 4, d - r.exp10) + "    ";
    return fmtE(x, w, d);
}

std::string fmtL(bool b, int w) {
    return rightAlign(b ? "T" : "F", w);
}

std::string fmtA(std::string_view s, int w) {
    if (static_cast<int>(s.size()) >= w)
        return std::string(s.substr(0, static_cast<std::size_t>(w)));
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + std::string(s);
}

}  // namespace tensova

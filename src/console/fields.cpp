#include "console/fields.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

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

// 10**0 to 10**19: every power of ten a 64-bit integer holds.
constexpr std::array<uint64_t, 20> kPow10 = [] {
    std::array<uint64_t, 20> t{};
    uint64_t p = 1;
    for (uint64_t& e : t) {
        e = p;
        p *= 10;  // wraps after the last, unused
    }
    return t;
}();
constexpr int kFastDecimals = 9;
// Rounded magnitudes from here on are wider than any field of a record.
constexpr uint64_t kFastLimit = 1000000000000000000ull;

using Wide = unsigned __int128;

// The number of decimal digits of v (one for zero): an estimate from the bit count, log10(2)
// being about 1233/4096, is at most one short.
int decimalDigits(uint64_t v) {
    const int t = static_cast<int>((std::bit_width(v | 1) * 1233) >> 12);
    return t + (v >= kPow10[t] ? 1 : 0);
}

// w asterisks over the field at p.
char* overflow(char* p, int w) {
    for (int i = 0; i < w; ++i) p[i] = '*';
    return p + w;
}

// Blanks over [from, to): the few before a number without a call.
void blanks(char* from, char* to) {
    const auto n = static_cast<std::size_t>(to - from);
    constexpr char kBlanks[] = "    ";
    if (n >= 8) {
        std::memset(from, ' ', n);
    } else if (n >= 4) {
        std::memcpy(from, kBlanks, 4);
        std::memcpy(to - 4, kBlanks, 4);
    } else if (n >= 2) {
        std::memcpy(from, kBlanks, 2);
        std::memcpy(to - 2, kBlanks, 2);
    } else if (n == 1) {
        *from = ' ';
    }
}

// "00", "01", ... "99": digits are written two at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> t{};
    for (std::size_t i = 0; i < 100; ++i) {
        t[2 * i] = static_cast<char>('0' + i / 10);
        t[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// Writes the last n decimal digits of v, zeros included, just before c and drops them from v;
// returns where they begin.
char* lastDigits(char* c, uint64_t& v, int n) {
    for (; n >= 2; n -= 2) {
        c -= 2;
        std::memcpy(c, &kDigitPairs[2 * (v % 100)], 2);
        v /= 100;
    }
    if (n == 1) {
        *--c = static_cast<char>('0' + v % 10);
        v /= 10;
    }
    return c;
}

// Writes the decimal digits of v (one for zero) just before c; returns where they begin.
char* allDigits(char* c, uint64_t v) {
    for (; v >= 100; v /= 100) {
        c -= 2;
        std::memcpy(c, &kDigitPairs[2 * (v % 100)], 2);
    }
    if (v >= 10) {
        c -= 2;
        std::memcpy(c, &kDigitPairs[2 * v], 2);
    } else {
        *--c = static_cast<char>('0' + v);
    }
    return c;
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

char* putI(char* p, int64_t v, int w) {
    if (w <= 0) return p;
    const uint64_t mag = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    if (decimalDigits(mag) + (v < 0 ? 1 : 0) > w) return overflow(p, w);
    char* const end = p + w;
    char* c = allDigits(end, mag);
    if (v < 0) *--c = '-';
    blanks(p, c);
    return end;
}

char* putF(char* p, double x, int w, int d) {
    if (w <= 0) return p;
    uint64_t q = 0;
    if (!std::isfinite(x) || d < 0 || d > kFastDecimals || !scaledMagnitude(x, d, q)) {
        const std::string s = fixedExact(x, w, d);  // exactly w characters
        std::memcpy(p, s.data(), s.size());
        return p + w;
    }
    const bool negative = x < 0 && q != 0;
    const int whole = q >= kPow10[d] ? decimalDigits(q) - d : 0;
    int n = (negative ? 1 : 0) + whole + 1 + d;
    const bool leadingZero = whole == 0 && n < w;  // only where the field leaves room for it
    if (leadingZero) ++n;
    if (n > w) return overflow(p, w);
    // From the last decimal to the left, by constant divisions only.
    char* const end = p + w;
    char* c = lastDigits(end, q, d);
    *--c = '.';
    if (q != 0) c = allDigits(c, q);
    if (leadingZero) *--c = '0';
    if (negative) *--c = '-';
    blanks(p, c);
    return end;
}

void appendI(std::string& out, int64_t v, int w) {
    const std::size_t n = out.size();
    out.resize(n + static_cast<std::size_t>(w > 0 ? w : 0));
    putI(out.data() + n, v, w);
}

void appendF(std::string& out, double x, int w, int d) {
    const std::size_t n = out.size();
    out.resize(n + static_cast<std::size_t>(w > 0 ? w : 0));
    putF(out.data() + n, x, w, d);
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

#include "catalogue/field_text.hpp"

#include <bit>
#include <cmath>

#include "console/fields.hpp"

namespace tensova {
namespace {

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
void place(std::string& out, const char* first, const char* end, int w) {
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

}  // namespace

void appendI(std::string& out, int64_t v, int w) {
    char buf[24];
    char* const end = buf + sizeof buf;
    const uint64_t mag = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    char* first = digitsBefore(end, mag);
    if (v < 0) *--first = '-';
    place(out, first, end, w);
}

void appendF(std::string& out, double x, int w, int d) {
    uint64_t q = 0;
    if (!std::isfinite(x) || d < 0 || d > kFastDecimals || !scaledMagnitude(x, d, q)) {
        out += fmtF(x, w, d);
        return;
    }
    const uint64_t whole = q / kPow10[d];
    uint64_t frac = q % kPow10[d];
    char buf[48];
    char* const end = buf + sizeof buf;
    char* first = end;
    for (int i = 0; i < d; ++i) {
        *--first = static_cast<char>('0' + frac % 10);
        frac /= 10;
    }
    *--first = '.';
    const bool negative = x < 0 && q != 0;
    const int sign = negative ? 1 : 0;
    if (whole != 0)
        first = digitsBefore(first, whole);
    else if (end - first + sign < w)
        *--first = '0';  // the leading zero only where the field leaves room for it
    if (negative) *--first = '-';
    place(out, first, end, w);
}

void appendTruncated(std::string& out, float v, int w) {
    if (!std::isfinite(v)) {
        out += fmtF(v, w, 0);
        return;
    }
    const double clamped = std::fmax(-1e12, std::fmin(1e12, static_cast<double>(v)));
    appendI(out, static_cast<int64_t>(std::trunc(clamped)), w);
}

}  // namespace tensova

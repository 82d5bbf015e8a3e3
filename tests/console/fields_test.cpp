// Field layouts: rounding half away from zero on the exact binary value, no sign on a rounded
// zero, the optional leading zero, exponent and general forms, asterisks on overflow, words for
// NaN and infinities; and the fixed-point layout against a reference built on the exact
// decimal expansion.

#include "console/fields.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "support/transcript.hpp"

namespace tensova {
namespace {

// The exact decimal expansion of |x| (finite), which printf writes whole with as many decimals
// as x has binary places (its 53 bits from the exponent on), and at least 10: its own rounding,
// ties to even, never acts.
std::string exactExpansion(double x) {
    int exponent = 0;
    std::frexp(x, &exponent);
    const int decimals = std::max(10, 53 - exponent);
    std::vector<char> text(std::size_t(decimals) + 400);
    std::snprintf(text.data(), text.size(), "%.*f", decimals, std::fabs(x));
    return text.data();
}

// Fw.d (d up to 9) from that expansion and the sign of x: rounded half away from zero, and laid
// out as the field's rules say.
std::string fixedReference(const std::string& exact, bool negative, int w, int d) {
    const std::size_t point = exact.find('.');
    std::string digits = exact.substr(0, point) + exact.substr(point + 1, std::size_t(d));
    if (exact[point + 1 + std::size_t(d)] >= '5') {  // the rest is half a unit or more
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
        k == 0 ? digits.insert(0, "1") : (++digits[k - 1], digits);
    }
    std::string ip = digits.substr(0, digits.size() - std::size_t(d));
    const std::string fp = digits.substr(ip.size());
    ip.erase(0, std::min(ip.find_first_not_of('0'), ip.size()));
    const bool zero = ip.empty() && fp.find_first_not_of('0') == std::string::npos;
    const std::string sign = negative && !zero ? "-" : "";
    std::string s = sign + ip + "." + fp;
    if (ip.empty() && int(s.size()) < w) s = sign + "0." + fp;  // a leading zero where it fits
    return int(s.size()) > w ? std::string(std::size_t(w), '*')
                             : std::string(std::size_t(w) - s.size(), ' ') + s;
}

TEST(Fields, NumberLayouts) {
    // The golden table: an edit descriptor (Fw.d, Ew.d, Gw.d, Ow.d for F in its own width or Iw.0),
    // a value (a trailing f: the nearest float), and the field between bars; the reference of F
    // gives the same.
    int cases = 0;
    for (const std::string& line : test::golden("field_layouts.txt")) {
        if (line.starts_with('#')) continue;
        ++cases;
        char form = 0, value[32] = {};
        int w = 0, d = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%c%d.%d %31s", &form, &w, &d, value), 4) << line;
        const bool single = value[std::strlen(value) - 1] == 'f';
        const double x = single ? std::strtof(value, nullptr) : std::strtod(value, nullptr);
        const std::string want = line.substr(line.find('|') + 1, line.size() - line.find('|') - 2);
        const std::string got = form == 'F'   ? fmtF(x, w, d)
                                : form == 'E' ? fmtE(x, w, d)
                                : form == 'O' ? fmtFown(x, d)
                                : form == 'I' ? fmtI(std::strtoll(value, nullptr, 10), w)
                                              : fmtG(x, w, d);
        EXPECT_EQ(got, want) << line;
        if (form == 'F' && std::isfinite(x)) {
            EXPECT_EQ(fixedReference(exactExpansion(x), x < 0, w, d), want) << line;
        }
    }
    EXPECT_EQ(cases, 82);
}

TEST(Fields, IntegersLogicalsTextsAndRecords) {
    EXPECT_EQ(fmtIown(-2147483648LL), "-2147483648");
    EXPECT_EQ(fmtL(true, 2), " T");
    EXPECT_EQ(fmtL(false, 1), "F");
    EXPECT_EQ(fmtA("abc", 5), "  abc");
    EXPECT_EQ(fmtA("abcdef", 3), "abc");
    std::string record = "|";  // appending keeps what the record already holds
    appendF(record, 2.5, 4, 0);
    appendI(record, -7, 3);
    appendI(record, 10, 1);
    EXPECT_EQ(record, "|  3. -7*");
}

// The fast paths (float products, integers) and the exact decimal expansion agree on every
// value: random floats over the magnitudes a catalogue holds and far beyond, ties of every kind,
// every width and decimal count the records and tables use, and up to nine decimals.
TEST(Fields, FastFixedPathAgreesOverManyValues) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<uint32_t> bits;
    std::uniform_real_distribution<double> uniform(-1000.0, 1000.0);
    int checked = 0;
    for (int i = 0; i < 8000; ++i) {
        float v;
        switch (i % 3) {
            case 0: {  // any finite float
                const uint32_t b = bits(rng);
                std::memcpy(&v, &b, sizeof v);
                if (!std::isfinite(v)) continue;
                break;
            }
            case 1:  // catalogue magnitudes
                v = static_cast<float>(uniform(rng));
                break;
            default:  // exact halves at 0 to 3 decimals
                v = static_cast<float>(std::round(uniform(rng) * 16.0) / 16.0);
                break;
        }
        const std::string exact = exactExpansion(v);
        for (int d = 0; d <= 9; ++d)
            for (int w : {1, 3, 4, 5, 7, 9, 12, 20}) {
                ASSERT_EQ(fmtF(v, w, d), fixedReference(exact, v < 0, w, d))
                    << std::hexfloat << v << " F" << w << "." << d;
                ++checked;
            }
        const double dv = uniform(rng) * 1e6;
        ASSERT_EQ(fmtF(dv, 16, 6), fixedReference(exactExpansion(dv), dv < 0, 16, 6))
            << std::hexfloat << dv;
    }
    EXPECT_GT(checked, 100000);
}

}  // namespace
}  // namespace tensova

// Numbers into texts of just the right length.

#include "console/numtext.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "console/text.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using test::ConsoleCapture;

TEST(NumText, Intg2char) {
    ConsoleCapture cap("\n");
    std::string text(10, '#');
    int32_t n = 0;
    intg2char(text, n, 10, 25000);
    EXPECT_EQ(text, "25000     ");
    EXPECT_EQ(n, 5);
    // Six nines fit exactly into six characters: no box.
    text.assign(6, '#');
    intg2char(text, n, 6, 999999);
    EXPECT_EQ(text, "999999");
    EXPECT_TRUE(cap.output().empty());
    // Too long: box, nines in the room granted, the rest of the text left as it was.
    text = "abcdefgh";
    intg2char(text, n, 4, -123456);
    EXPECT_EQ(text, "9999efgh");
    EXPECT_EQ(n, 4);
    const auto out = cap.output();
    EXPECT_NE(out.find(" Cannot write integer =              -123456"), std::string::npos);
    EXPECT_NE(out.find(" ==> fill with 9 and set nchar =                    4"), std::string::npos);
}

TEST(NumText, Real2charf1Sizes) {
    ConsoleCapture cap("\n\n\n");
    for (const auto& c : test::tableRows("numtext_reals.txt", ';')) {
        const auto n = test::numbers(c.at(0));
        std::string text(12, '#');
        int32_t length = 0;
        real2charf1(text, length, int32_t(n.at(1)), int32_t(n.at(2)), float(n.at(0)));
        EXPECT_EQ(text.substr(0, static_cast<std::size_t>(length)), c.at(1)) << c[0];
        EXPECT_EQ(length, std::stoi(c.at(2))) << c[0];
    }
    EXPECT_TRUE(cap.output().empty());
    std::string text(8, '#');
    int32_t n = 0;
    real2charf1(text, n, 2, 6, 12345.6f);
    EXPECT_EQ(text, "999999##");
    EXPECT_EQ(n, 6);
    EXPECT_NE(cap.output().find(" Cannot write real ="), std::string::npos);
    // A NaN is reported and still written.
    text.assign(10, '#');
    real2charf1(text, n, 1, 10, std::nanf(""));
    EXPECT_EQ(n, 6);
    EXPECT_EQ(text.substr(0, 6), "   NaN");
    EXPECT_NE(cap.output().find(" Watch for NaN or +/-Inf in output ?"), std::string::npos);
}

// The quick writer agrees with the full layout wherever it writes, and takes the usual page
// coordinates. The widths near powers of ten are checked against the layout's own rule worked
// with the single-precision logarithm: margin m = 10**-d + 1e-7, digits before the point
// trunc(ln(x + m) 0.4342945) + 1 for x - m >= 1.
TEST(NumText, QuickWriterAgreesWithTheFullLayout) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> page(-1.0e5f, 1.0e5f);
    std::vector<float> values;
    for (int i = 0; i < 5000; ++i) values.push_back(page(rng));
    for (int i = -3000; i <= 3000; ++i) values.push_back(static_cast<float>(i) / 200.0f);  // ties
    for (float p = 1.0f; p <= 1.0e5f; p *= 10.0f)
        for (float c : {p, p - 0.0100001f, p - 0.00100001f, p - 0.000100001f}) {
            float v = c;
            for (int k = 0; k < 100; ++k) v = std::nextafter(v, 0.0f);
            for (int k = 0; k < 200; ++k, v = std::nextafter(v, 2.0f * p))
                values.insert(values.end(), {v, -v});
        }
    int quick = 0;
    for (const float x : values)
        for (int32_t ndec = 0; ndec <= 4; ++ndec)
            for (int32_t nmax : {5, 10}) {
                std::string text(12, '#');
                int32_t n = 0;
                real2charf1(text, n, ndec, nmax, x);
                char buf[12];
                const int32_t q = real2charf1Chars(buf, ndec, nmax, x);
                if (q == 0) continue;
                ++quick;
                ASSERT_EQ(std::string(buf, static_cast<std::size_t>(q)),
                          text.substr(0, static_cast<std::size_t>(n)))
                    << std::hexfloat << x << " " << ndec << " " << nmax;
                const float m = std::pow(10.0f, static_cast<float>(-ndec)) + 0.0000001f;
                if (x - m >= 1.0f && n < nmax) {
                    const auto digits = static_cast<int32_t>(std::log(x + m) * 0.4342945f) + 1;
                    ASSERT_EQ(n, digits + ndec + 1) << std::hexfloat << x << " " << ndec;
                }
            }
    EXPECT_GT(quick, 50000);
    char buf[10];
    EXPECT_EQ(real2charf1Chars(buf, 2, 10, 283.5f), 6);
}

TEST(NumText, FixedAndExponentWriters) {
    ConsoleCapture cap("\n\n\n");
    std::string text(12, '#');
    careaempn(text, 10, 3, 1234.5f);
    EXPECT_EQ(text, " 0.123E+04  ");
    careafmpn(text, 6, 2, -1.005f);
    EXPECT_EQ(text, " -1.00      ");  // -1.005f is -1.00499999...
    careafmpn(text, 5, 5, 1.0f);
    EXPECT_EQ(text, "X           ");
    careafmpn(text, 100, 2, 1.0f);
    EXPECT_EQ(text, "X           ");
    careaempn(text, 8, 2, 1.0f);
    EXPECT_EQ(text, "X           ");
    EXPECT_NE(cap.output().find(" fm.n is not a valid format"), std::string::npos);
    EXPECT_NE(cap.output().find(" em.n is not a valid format"), std::string::npos);
}

TEST(NumText, CareamChoosesTheForm) {
    ConsoleCapture cap;
    for (const auto& c : test::tableRows("numtext_caream.txt", ';')) {
        const auto n = test::numbers(c.at(0));
        std::string text(static_cast<std::size_t>(n.at(0)), '#');
        caream(text, int32_t(n[0]), float(n.at(1)));
        EXPECT_EQ(text, c.at(1)) << c[0];
    }
    EXPECT_TRUE(cap.output().empty());
    std::string text(5, '#');
    caream(text, 5, 123456.0f);
    EXPECT_EQ(text, "X    ");
    const auto lines = cap.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], " *** ERROR in carem      ***");
    EXPECT_EQ(lines[2], " *** m = 5 1+log10(x) > 6");
    caream(text, 2, 1.0f);
    EXPECT_EQ(cap.lines()[6], " *** ERROR in caream     ***");
}

}  // namespace
}  // namespace tensova

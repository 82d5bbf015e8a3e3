#include "console/numtext.hpp"

#include <array>
#include <cmath>
#include <limits>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"

namespace tensova {
namespace {

const Stamp kIntg2char("intg2char", "3.00", "16-12-98");
const Stamp kReal2charf1("real2charf1", " 1.3", "30-01-2010");
const Stamp kCareaempn("careaempn", " 1.1", "16-04-2010");
const Stamp kCareafmpn("careafmpn", " 1.2", "16-04-2010");

constexpr float kPowers[] = {1.0f,   1.0e1f, 1.0e2f, 1.0e3f, 1.0e4f,
                             1.0e5f, 1.0e6f, 1.0e7f, 1.0e8f, 1.0e9f};

// The truncated decimal logarithm the size routines work with, in single precision.
int32_t log10trunc(float x) {
    // Away from the powers of ten the digit count is plain; near them (and outside this range)
    // the logarithm decides, so that its rounding is kept.
    if (x >= 1.0f && x < 1.0e9f) {
        int32_t k = 0;
        while (x >= kPowers[k + 1]) ++k;
        if (x > kPowers[k] * 1.0001f && x < kPowers[k + 1] * 0.9999f) return k;
    }
    const float l = std::log(x) * 0.4342945f;
    if (!(l > -2.0e9f && l < 2.0e9f))
        return l > 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(l);
}

// 10**-ndec in single precision plus a little: real2charf1's margin around its value. Computed
// once for the usual decimal counts (writers of many numbers size every number).
const std::array<float, 10> kMargins = [] {
    std::array<float, 10> t{};
    for (std::size_t k = 0; k < t.size(); ++k)
        t[k] = std::pow(10.0f, -static_cast<float>(k)) + 0.0000001f;
    return t;
}();

float sizeMargin(int32_t ndec) {
    const std::array<float, 10>& table = kMargins;
    if (ndec >= 0 && ndec < static_cast<int32_t>(table.size()))
        return table[static_cast<std::size_t>(ndec)];
    return std::pow(10.0f, static_cast<float>(-ndec)) + 0.0000001f;
}

// real2charf1's digits before the point and characters; false for a value that has no size
// (an infinity or NaN).
bool realSize(float x, int32_t ndec, int32_t& nint, int32_t& nchar) {
    const float margin = sizeMargin(ndec);
    const float low = x - margin;
    const float high = x + margin;
    if (std::isinf(x)) return false;
    if (high <= -1.0f) {
        nint = log10trunc(std::fabs(low)) + 1;
        nchar = nint + ndec + 2;
    } else if (x < 0.0f) {
        nint = 1;
        nchar = ndec + 3;
    } else if (low < 1.0f) {
        nint = 1;
        nchar = ndec + 2;
    } else if (low >= 1.0f) {
        nint = log10trunc(std::fabs(high)) + 1;
        nchar = nint + ndec + 1;
    } else {
        return false;
    }
    return true;
}

// Writes the field at the start of the text and blanks the rest.
void place(std::string& text, const std::string& field) {
    const std::size_t len = text.size();
    text = field.substr(0, len);
    text.resize(len, ' ');
}

void xFill(std::string& text) {
    text.assign(text.size(), ' ');
    if (!text.empty()) text[0] = 'X';
}

void nineFill(std::string& text, int32_t nmax) {
    for (int32_t i = 0; i < nmax && i < static_cast<int32_t>(text.size()); ++i) text[i] = '9';
}

void tooShortBox(const Stamp& s, std::string_view label, const std::string& value, int32_t nmax) {
    errorhead(s);
    wout({label, value});
    wout({"with only ", fmtI(nmax, 20), "digits"});
    wout({"==> NEED LONGER CHARACTER STRING"});
    wout({"==> fill with 9 and set nchar =", fmtI(nmax, 20)});
    errortail00();
}

// A request no layout can take: an error box, then the X-fill.
void badFormat(const Stamp& s, std::string_view what, int32_t m, int32_t n, std::string& text) {
    errorhead(s);
    wout({"m =", fmtI(m, 10), "n =", fmtI(n, 10)});
    wout({what});
    wout({" ===> fill with X"});
    errortail00();
    xFill(text);
}

// The frame has no pause: the conversion goes on with its X-fill.
void carFrame(std::string_view errorLine, std::string_view what, int32_t m, int32_t value) {
    wout({"***************************"});
    wout({errorLine});
    wout({"*** m =", fmtIown(m), what, fmtIown(value)});
    wout({"*** => fill with X      ***"});
    wout({"***************************"});
}

}  // namespace

int32_t integlen(int32_t iv) {
    return static_cast<int32_t>(fmtIown(iv).size());
}

void intg2char(std::string& text, int32_t& nchar, int32_t nmax, int32_t iv) {
    nchar = integlen(iv);
    if (nchar <= nmax) {
        place(text, fmtI(iv, nchar));
        return;
    }
    tooShortBox(kIntg2char, "Cannot write integer =", fmtI(iv, 20), nmax);
    nineFill(text, nmax);
    nchar = nmax;
}

void carinm2(std::string& text, int32_t& nchar, int32_t nmax, int32_t iv) {
    intg2char(text, nchar, nmax, iv);
}

int32_t real2charf1Chars(char* out, int32_t ndec, int32_t nmax, float x) {
    if (ndec < 0 || ndec > 4 || !(std::fabs(x) < 1.0e5f)) return 0;
    int32_t nint = 0, w = 0;
    if (!realSize(x, ndec, nint, w) || w > nmax) return 0;
    putF(out, x, w, ndec);
    // A value that rounds up past its size is the full routine's.
    return out[0] == '*' ? 0 : w;
}

void careafmpn(std::string& text, int32_t m, int32_t n, float x) {
    if (m >= 1 && m <= 99 && n < m && n >= 0) {
        place(text, fmtF(x, m, n));
        return;
    }
    badFormat(kCareafmpn, "fm.n is not a valid format", m, n, text);
}

void careaempn(std::string& text, int32_t m, int32_t n, float x) {
    if (m >= 7 && m <= 99 && n <= m - 7 && n >= 0) {
        place(text, fmtE(x, m, n));
        return;
    }
    badFormat(kCareaempn, "em.n is not a valid format", m, n, text);
}

void real2charf1(std::string& text, int32_t& nchar, int32_t ndec, int32_t nmax, float x) {
    int32_t nint = 0;
    if (!realSize(x, ndec, nint, nchar)) {
        nint = 4;
        nchar = ndec + 5;
        errorhead(kReal2charf1);
        wout({"Cannot get size of real =", fmtF(x, 30, 5)});
        wout({"set n before =", fmtI(4, 20)});
        wout({"set nchar =", fmtI(nchar, 20)});
        wout({"Watch for NaN or +/-Inf in output ?"});
        errortail00();
    }
    int32_t decimals = ndec;
    if (nchar > nmax) {
        nchar = nmax;
        decimals = nmax - nint - 2;
    }
    if (decimals >= 0) {
        careafmpn(text, nchar, decimals, x);
        return;
    }
    tooShortBox(kReal2charf1, "Cannot write real =", fmtF(x, 30, 5), nmax);
    nineFill(text, nmax);
    nchar = nmax;
}

void caream(std::string& text, int32_t m, float x) {
    if (m < 3) {
        carFrame("*** ERROR in caream     ***", "need m >", m, 2);
        xFill(text);
        return;
    }
    if (x == 0.0f) {
        careafmpn(text, m, m - 3, x);
        return;
    }
    const int32_t e =
        std::isfinite(x) ? log10trunc(std::fabs(x)) : std::numeric_limits<int32_t>::min();
    if (e >= 0) {
        const int32_t nint = e + 1;
        if (nint < m - 2) {
            careafmpn(text, m, m - nint - 2, x);
        } else if (nint <= m - 1) {
            careafmpn(text, m, 0, x);
        } else if (m >= 7) {
            careaempn(text, m, m - 7, x);
        } else {
            carFrame("*** ERROR in carem      ***", "1+log10(x) >", m, nint);
            xFill(text);
        }
        return;
    }
    if (e >= -4) {
        careafmpn(text, m, m - 3, x);
    } else if (m >= 7) {
        careaempn(text, m, m - 7, x);
    } else {
        carFrame("*** ERROR in carem      ***", "log10(x) <", m, e);
        xFill(text);
    }
}

}  // namespace tensova

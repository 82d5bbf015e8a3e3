#include "console/input.hpp"

#include <limits>

#include "console/fields.hpp"
#include "console/fixed_columns.hpp"

namespace tensova {
namespace {

bool isSeparator(char c) {
    return isBlank(c) || c == ',' || c == '/';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// [+-]digits
bool integerGrammar(std::string_view t) {
    std::size_t i = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    if (i == t.size()) return false;
    for (; i < t.size(); ++i)
        if (!isDigit(t[i])) return false;
    return true;
}

// Where a value begins, blanks and tabs from `pos` passed over, and where it ends: at the next
// separator.
std::size_t valueStart(std::string_view t, std::size_t pos) {
    while (pos < t.size() && isBlank(t[pos])) ++pos;
    return pos;
}
std::size_t valueEnd(std::string_view t, std::size_t start) {
    while (start < t.size() && !isSeparator(t[start])) ++start;
    return start;
}

}  // namespace

bool FreeFormat::nextToken(std::string_view& token) {
    // Leading blanks and tabs go; a value then runs to the next separator. One comma or slash
    // after a value ends it; a text that starts with a comma or slash holds a null value,
    // which is not a number.
    const std::size_t start = valueStart(text_, pos_);
    if (start >= text_.size()) return false;
    pos_ = valueEnd(text_, start);
    token = text_.substr(start, pos_ - start);
    endValue();
    return !token.empty();
}

void FreeFormat::endValue() {
    pos_ = valueStart(text_, pos_);
    if (pos_ < text_.size() && (text_[pos_] == ',' || text_[pos_] == '/')) ++pos_;
}

bool FreeFormat::nextText(std::string& v) {
    pos_ = valueStart(text_, pos_);
    if (pos_ >= text_.size()) return false;
    const char quote = text_[pos_];
    if (quote != '\'' && quote != '"') {
        std::string_view t;
        if (!nextToken(t)) return false;
        v.assign(t);
        return true;
    }
    std::string s;
    std::size_t i = pos_ + 1;
    for (;;) {
        if (i >= text_.size()) return false;
        if (text_[i] == quote) {
            if (i + 1 >= text_.size() || text_[i + 1] != quote) break;
            ++i;
        }
        s += text_[i++];
    }
    ++i;  // the closing quote
    if (i < text_.size() && !isSeparator(text_[i])) return false;
    pos_ = i;
    endValue();
    v = std::move(s);
    return true;
}

bool FreeFormat::atEnd() const {
    for (std::size_t i = pos_; i < text_.size(); ++i)
        if (!isSeparator(text_[i])) return false;
    return true;
}

bool FreeFormat::atComment() const {
    const std::size_t next = valueStart(text_, pos_);
    return next == text_.size() || text_[next] == '!';
}

bool FreeFormat::nextNumber() {
    std::string_view t;
    return nextToken(t) && isRealNumber(t);
}

bool FreeFormat::nextInt(int32_t& v) {
    std::string_view t;
    if (!nextToken(t) || !integerGrammar(t)) return false;
    int64_t acc = 0;
    const bool neg = t[0] == '-';
    for (char c : t) {
        if (!isDigit(c)) continue;
        acc = acc * 10 + (c - '0');
        if (acc > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1) return false;
    }
    if (neg) acc = -acc;
    if (acc < std::numeric_limits<int32_t>::min() || acc > std::numeric_limits<int32_t>::max())
        return false;
    v = static_cast<int32_t>(acc);
    return true;
}

bool FreeFormat::nextReal(float& v) {
    // Straight to the nearest float, as a catalogue field is read: through a double first, a
    // value would be rounded twice.
    std::string_view t;
    return nextToken(t) && readRealNumber(t, 0, v);
}

bool parseInt(std::string_view text, int32_t& v) {
    return FreeFormat(text).nextInt(v);
}

bool parseReal(std::string_view text, float& v) {
    return FreeFormat(text).nextReal(v);
}

std::size_t firstValueEnd(std::string_view text) {
    return valueEnd(text, valueStart(text, 0));
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

bool blankOrComment(std::string_view line) {
    return line.empty() || (isBlank(line[0]) && FreeFormat(line).atComment());
}

bool readsAsNumber(std::string_view line) {
    FreeFormat values(line);
    return values.nextNumber() && values.atComment();
}

template <typename Read>
ReadResult FreeRecord::value(Read read) {
    while (!started_ || values_.atEnd()) {
        const ReadResult r = unitReadLine(unit_, line_);
        if (r != ReadResult::Ok) return r;
        values_ = FreeFormat(line_);
        started_ = true;
        if (unitLineCut(unit_) && !values_.atEnd()) {
            values_ = FreeFormat("");
            return ReadResult::Eof;
        }
    }
    return read(values_) ? ReadResult::Ok : ReadResult::Error;
}

ReadResult FreeRecord::next(int32_t& v) {
    return value([&v](FreeFormat& f) { return f.nextInt(v); });
}

ReadResult FreeRecord::next(float& v) {
    return value([&v](FreeFormat& f) { return f.nextReal(v); });
}

ReadResult FreeRecord::next(std::string& v) {
    return value([&v](FreeFormat& f) { return f.nextText(v); });
}

namespace {

template <typename T>
ReadResult readFree(int32_t unit, T* values, int n) {
    if (n <= 0) {
        std::string line;
        return unitReadLine(unit, line);
    }
    FreeRecord record(unit);
    for (int i = 0; i < n; ++i) {
        const ReadResult r = record.next(values[i]);
        if (r != ReadResult::Ok) return r;
    }
    return ReadResult::Ok;
}

}  // namespace

ReadResult readFreeReals(int32_t unit, float* values, int n) {
    return readFree(unit, values, n);
}

ReadResult readFreeTexts(int32_t unit, std::string* values, int n) {
    return readFree(unit, values, n);
}

std::string cutLastLine(int32_t unit) {
    return "LAST LINE " + fmtIown(unitLineNumber(unit)) + " HAS NO LINE END: CUT SHORT, NOT USED";
}

}  // namespace tensova

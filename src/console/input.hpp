#pragma once
// Free-format values, in answers and in files.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/units.hpp"

namespace tensova {

// The blanks of an answer or of a line of values: the blank and the tab.
inline constexpr std::string_view kBlanks = " \t";
constexpr bool isBlank(char c) {
    return kBlanks.find(c) != std::string_view::npos;
}
// The text without the blanks and tabs after it: they are no part of an answer.
std::string_view withoutTrailingBlanks(std::string_view text);

// Free-format values: leading blanks and tabs are skipped; a value ends at a blank, tab, comma,
// slash or the end of the text. An integer is [+-]digits; a real is [+-]digits with an optional
// point and an optional exponent (E or D, either case), at least one digit. Nothing else is a
// number ("inf", "nan", hexadecimal, a leading comma are unreadable), nor is a value that
// overflows its type.
class FreeFormat {
  public:
    explicit FreeFormat(std::string_view text) : text_(text) {}
    bool nextInt(int32_t& v);
    bool nextReal(float& v);
    // A text: a string in quotes (' or "; a doubled quote inside stands for one quote) or,
    // without quotes, the characters up to the next separator. A string whose quote does not
    // close on its line, or that runs on into other characters, is unreadable.
    bool nextText(std::string& v);
    // Passes over the next value; true when it reads as a number of any size (an integer or a
    // real, 1e999 too, which no float holds).
    bool nextNumber();
    // True when only separators are left.
    bool atEnd() const;
    // True when nothing is left but blanks and maybe a `!` comment.
    bool atComment() const;

  private:
    bool nextToken(std::string_view& token);
    void endValue();
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The first value of a text in free format.
bool parseInt(std::string_view text, int32_t& v);
bool parseReal(std::string_view text, float& v);
// Where the first value of a text in free format ends: the index of the separator after it, or
// the text's size. What follows it is no part of the value (a comment in a command file).
std::size_t firstValueEnd(std::string_view text);

// A line that stands for return where a question has a default, and at a wait for return: empty,
// blanks, or blanks and then a `!` comment. A line that starts with `!` holds an answer.
bool blankOrComment(std::string_view line);
// A line that holds a number and nothing more, as every question reads its number: the first
// value reads as a number of any size, and after it come only blanks, one comma or slash, and a
// `!` comment. `2015 report.ndk` goes on with text, `./2015` is no number.
bool readsAsNumber(std::string_view line);

// One free-format record of a file unit, read value by value: it starts on a new line and goes
// on across lines as needed; the rest of its last line is passed over. Error names a value that
// cannot be read, Eof the end of the file before it. A last line that holds values but no line
// end is where a copy of the file stopped, maybe inside a number ("46.0 1" of "46.0 11.0"):
// none of its values is used, and the record meets the end of the file there (unitLineCut).
class FreeRecord {
  public:
    explicit FreeRecord(int32_t unit) : unit_(unit) {}
    FreeRecord(const FreeRecord&) = delete;
    FreeRecord& operator=(const FreeRecord&) = delete;
    ReadResult next(int32_t& v);
    ReadResult next(float& v);
    ReadResult next(std::string& v);

  private:
    template <typename Read>
    ReadResult value(Read read);
    int32_t unit_;
    std::string line_;
    FreeFormat values_{""};
    bool started_ = false;
};

// Reads n values in free format from a file unit, starting on a new line and going on across
// lines as needed; the rest of the last line is passed over, and with n = 0 the whole line is.
// Error names a value that cannot be read, Eof the end of the file before the n-th value. The
// values read before either keep their new contents.
ReadResult readFreeReals(int32_t unit, float* values, int n);
ReadResult readFreeTexts(int32_t unit, std::string* values, int n);

// After a free-format read of the unit that met the end of the file at a cut last line left
// unused (unitLineCut; a record that passed over a cut line holding no value read on to the true
// end, which clears the mark): the line of a box that names it.
std::string cutLastLine(int32_t unit);

}  // namespace tensova

#pragma once
// Reading answers and free-format values.
//
// The end of the input is handled here, once for every prompt: a command file that ends hands
// the input back to the keyboard, exactly as ending it from the command-file menu does, and the
// question is asked again there; the keyboard's end stops the run with a message.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "console/text.hpp"
#include "console/units.hpp"

namespace tensova {

// How a line of a unit was read whole.
enum class WholeLine { Ok, TooLong, End };

// How an answer line was read from the standard input unit.
enum class Answered {
    Line,     // a line to judge
    TooLong,  // a line longer than kLongestUnitLine, passed over whole: the caller refuses it
    Ended,    // the command file ended, and the keyboard answers from now on: ask again
};
// Reads one answer line from the standard input unit. Never returns at the end of the keyboard
// input: the run stops there.
Answered readAnswer(std::string& line);
// Reads one answer line of the unit whole, as readWholeLine does, and keeps the line of the
// keyboard's last answer for the box that refuses it (a box's pause may read after it).
WholeLine readAnswerOf(int32_t unit, std::string& line);

// Reads one line of the unit whole. A line longer than kLongestUnitLine is read to its end and
// refused (TooLong, `line` empty); End is the end of the unit (or an error reading it).
WholeLine readWholeLine(int32_t unit, std::string& line);
// The line of a box that refuses such a line.
std::string tooLongLine();

// The end of the keyboard's input: the run stops, its files finished and closed.
[[noreturn]] void endOfInput();
// The stop after an answer that ended piped input was refused (its box is closed): said so,
// the run stops as at the end of the input.
[[noreturn]] void endAfterRefusal();
// An answer as a box quotes it: whole, between double quotes, its control characters shown as
// '?'; a line of more than a few hundred characters is cut, the cut marked and the length told.
std::string quotedAnswer(std::string_view line);

// The frame of a box that refuses an answer.
enum class RefusalBox {
    Error,     // an error box
    Warning,   // a warning box
    Outdated,  // an error box with the outdated tail
    Quiet,     // no box at a terminal, only the retry line when there is one
};

// A refused answer, and the box that says so.
struct Refusal {
    const Stamp& which;                       // the routine the box names
    std::string_view question;                // named when the refusal ends piped input
    std::string_view retry = "==> RETRYING";  // the box's last line when it is asked again
    RefusalBox box = RefusalBox::Error;
    int32_t unit = 0;     // the unit the answer came from; 0 for the standard input unit
    bool quoted = false;  // the box's lines quote the answer already
};

// Refuses an answer that the caller would ask for again; `why` are the box's lines (empty ones
// are left out). At a terminal the box is shown and the question asked again. An answer of a
// command file ends the command file, in the box that names its line: the keyboard asks the
// question again. While the keyboard is no terminal, an answer piped in or read from a command
// file ends the run as the end of the input does, the box naming the line, the question and the
// answer: a later line would answer a question it was not meant for.
void refuseAnswer(const Refusal& r, std::initializer_list<std::string_view> why);
// The same with the box's lines gathered beforehand (a file's report of what is wrong in it).
void refuseAnswer(const Refusal& r, const std::vector<std::string>& why);

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
    // True when only separators are left.
    bool atEnd() const;

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

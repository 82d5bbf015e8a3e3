#pragma once
// Where answers come from. A question reads the standard input unit: the keyboard, or the
// command file while one runs. A box's pause reads the keyboard, even while a command file
// answers the questions. Only here is it known whether an answer was written beforehand (piped
// in, or a line of a command file) or typed by someone who saw its question, which line gave it,
// and what the end of the input does.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/text.hpp"
#include "console/units.hpp"

namespace tensova {

enum class AnswerFrom {
    Terminal,     // typed at a terminal, by someone who sees each question
    Pipe,         // a keyboard that is no terminal: lines written beforehand
    CommandFile,  // a line of the running command file
};

// Where the answers read from one unit come from.
struct AnswerSource {
    AnswerFrom from;
    int32_t line;  // the number of the line of the unit last read (from 1; 0 before the first)
    // Written beforehand, for questions their writer expected: once one is refused, the lines
    // after it answer questions that will not come in their order.
    bool written() const { return from != AnswerFrom::Terminal; }
    // "line 7 of standard input", "line 4 of command file cmds.txt".
    std::string place() const;
};

// The source of the next answer to a question.
AnswerSource questionSource();
// The source of a box's pause: the keyboard.
AnswerSource keyboardSource();
// The source of the last answer read: a command file may have ended during the question, and
// the keyboard answered it.
AnswerSource lastAnswerSource();

// Sets up the console state and lists it; whether the keyboard is a terminal is decided here,
// once.
void initsio();

// The routine that hands the input back to the keyboard, named in its frame and in the boxes of
// the command-file menu.
extern const Stamp kEndaltsi;
// Whether a command file answers the questions.
bool commandFileRunning();
// The standard input unit becomes `unit`, the command file `name`, opened there.
void commandFileStarted(int32_t unit, std::string_view name);
// The running command file is closed and the keyboard answers from now on, with the lines that
// say so (at the file's end, by its menu, or after an answer of it was refused).
void endCommandFile();

// How a line of a unit was read whole.
enum class WholeLine { Ok, TooLong, End };
// Reads one line of the unit whole. A line longer than kLongestUnitLine is read to its end and
// refused (TooLong, `line` empty); End is the end of the unit (or an error reading it).
WholeLine readWholeLine(int32_t unit, std::string& line);
// The line of a box that refuses such a line.
std::string tooLongLine();
// Reads one answer line of the unit whole, as readWholeLine does, and keeps it, its line and its
// source for the box that refuses it.
WholeLine readAnswerOf(int32_t unit, std::string& line);
// The line that readWholeLine read from `unit` becomes the last answer, as readAnswerOf would
// have kept it: a wait's line, once it is refused.
void keepAnswer(int32_t unit, const std::string& line, WholeLine r);

// How an answer line was read from the standard input unit.
enum class Answered {
    Line,     // a line to judge
    TooLong,  // a line longer than kLongestUnitLine, passed over whole: the caller refuses it
    Ended,    // the command file ended, and the keyboard answers from now on: ask again
    End,      // the end of the keyboard's input, at a wait for return: the wait is over
};
// Reads one answer line from the standard input unit. At the end of the keyboard's input a
// question cannot be answered, and the run stops there; a wait for return (`wait`) is over.
Answered readAnswer(std::string& line, bool wait = false);

// The end of the keyboard's input: the run stops, its files finished and closed.
[[noreturn]] void endOfInput();
// An answer as a box quotes it: whole, between double quotes, its control characters shown as
// '?'; a line of more than a few hundred characters is cut, the cut marked and the length told.
std::string quotedAnswer(std::string_view line);
// The last answer read, as it was read; none when it was too long to keep.
const std::string* lastAnswerKept();
// Inside the box that refuses a written answer, its lines written: the place of the answer, the
// question, the answer quoted (when `answer` is given: the box may have quoted it), the box's
// `closingRow`, and the run stops: nothing more is read, not even a pause.
[[noreturn]] void endWrittenAnswers(const AnswerSource& from, std::string_view question,
                                    const std::string* answer, std::string_view closingRow);

}  // namespace tensova

#pragma once
// Error and warning boxes, the one wait for return, and the refusal of an answer. A box is a
// head naming the reporting routine, the caller's message lines on the standard output unit, and
// a tail that pauses for return. A box that refuses an answer may end the answers; a pause may
// refuse its line: one rule for both, kept here.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "console/text.hpp"

namespace tensova {

void errorhead(const Stamp& s);
void warninghead(const Stamp& s);
// Pause for return (while the pause flag is on), then the closing row.
void errortail00();
void warningtail00();
// The closing row alone, without the pause: where the input has ended.
void errorclose();
void warningclose();
// The marker figure of the outdated tails, then the plain tail.
void errortail0();
void warningtail0();
// The pause of a box for return: the pause line, then the wait on the keyboard (awaitReturn).
// `closingRow` closes the box when the pause refuses its line.
void pauseForReturn(std::string_view closingRow);

// A wait for return.
struct Wait {
    const Stamp& which;         // the routine that the box refusing a line names
    std::string_view question;  // the wait as that box names it
    // Where the line comes from: the keyboard (the start banner, a box's pause) or the standard
    // input unit (the close of a plot file: a command file's line while one runs; a command file
    // that ends hands the wait to the keyboard). The end of the keyboard's input ends the wait.
    bool keyboard = true;
    std::string_view openBox = {};  // the closing row of the box the wait stands in, if any
};
// The one wait for return: `put` shows what it waits for, then one line is read. At a terminal
// any line ends the wait. A line written beforehand (piped in, a command file's) ends it only
// when it is empty or holds only blanks: any other was meant for a question, and is refused as
// every written answer is (refuseAnswer); a command file's ends the command file, and the wait
// is put again to the keyboard. Returns the line that ended the wait.
std::string awaitReturn(const Wait& w, const std::function<void()>& put);

// The frame of a box that refuses an answer.
enum class RefusalBox {
    Error,     // an error box
    Warning,   // a warning box
    Outdated,  // an error box with the outdated tail
    Quiet,     // no box at a terminal, only the retry line when there is one
};

// A refused answer (the last one read), and the box that says so.
struct Refusal {
    const Stamp& which;                       // the routine the box names
    std::string_view question;                // named when the refusal ends the answers
    std::string_view retry = "==> RETRYING";  // the box's last line when it is asked again
    RefusalBox box = RefusalBox::Error;
    bool quoted = false;  // the box's lines quote the answer already
    // The closing row of the box the refusal stands in (a pause's); empty: it opens its own.
    std::string_view openBox = {};
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

}  // namespace tensova

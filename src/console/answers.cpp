#include "console/answers.hpp"

#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/frames.hpp"
#include "console/stop.hpp"

namespace tensova {

const Stamp kEndaltsi("endaltsi", " 3.0", "17-06-2008");

namespace {

const Stamp kInitsio("initsio", " 3.0", "08-03-2000");

// The name of the running command file, whose unit is the standard input unit while it runs.
std::string runningName;

// The last answer read, for the box that refuses it; its line is not kept when it was too long.
struct Last {
    AnswerSource from{AnswerFrom::Terminal, 0};
    std::string line;
    bool kept = false;
};
Last last;

AnswerSource sourceOf(int32_t unit) {
    const AnswerFrom from = unit != kKeyboardUnit ? AnswerFrom::CommandFile
                            : iocom.terminal      ? AnswerFrom::Terminal
                                                  : AnswerFrom::Pipe;
    return {from, unitLineNumber(unit)};
}

// The run stops, the files of unended RUNs named: they lack what their RUN had still to write.
[[noreturn]] void stopReading(std::string_view why) {
    wout({why});
    for (const std::string& file : filesOfUnendedRuns()) wout({file});
    wout({"===> STOPPING EXECUTION"});
    stopRun(1);
}

}  // namespace

std::string AnswerSource::place() const {
    if (from == AnswerFrom::CommandFile)
        return "line " + fmtIown(line) + " of command file " + std::string(trimmed(runningName));
    return "line " + fmtIown(line) + " of standard input";
}

AnswerSource questionSource() {
    return sourceOf(iocom.stdIn);
}

AnswerSource keyboardSource() {
    return sourceOf(kKeyboardUnit);
}

AnswerSource lastAnswerSource() {
    return last.from;
}

void initsio() {
    iocom = Iocom{};
    iocom.terminal = unitKeyboardIsTerminal();
    submenuhead(kInitsio);
    wout({"INITIALIZING INPUT/OUTPUT"});
    wout({"standard  input unit        =", fmtI(iocom.stdIn, 2)});
    wout({"standard output unit        =", fmtI(iocom.stdOut, 2)});
    wout({"error     input unit        =", fmtI(iocom.errIn, 2)});
    wout({"error    output unit        =", fmtI(iocom.errOut, 2)});
    wout({"minimum output enabled      :", fmtL(lwito(1), 2)});
    wout({"more    output enabled      :", fmtL(lwito(2), 2)});
    wout({"maximum output enabled      :", fmtL(lwito(3), 2)});
    wout({"command file open status    :", fmtL(iocom.cmdOpen, 2)});
    wout({"plot    file open status    :", fmtL(iocom.plotOpen, 2)});
    wout({"pause after warning or error:", fmtL(iocom.pauseOn, 2)});
    menutail();
}

bool commandFileRunning() {
    return iocom.cmdOpen;
}

void commandFileStarted(int32_t unit, std::string_view name) {
    iocom.stdIn = unit;
    iocom.cmdOpen = true;
    iocom.lwito[1] = false;
    runningName = name;
}

void endCommandFile() {
    if (lwito(1)) submenuhead(kEndaltsi);
    unitClose(iocom.stdIn);
    iocom.stdIn = kKeyboardUnit;
    iocom.cmdOpen = false;
    iocom.lwito[1] = true;
    const std::string name = std::move(runningName);
    runningName.clear();
    if (lwito(1)) {
        wout({"Command file", trimmed(name), "closed"});
        wout({"Standard input redirected from keyboard"});
        wout({"Level 2 standard output enabled"});
    }
}

WholeLine readWholeLine(int32_t unit, std::string& line) {
    if (unitReadLine(unit, line) != ReadResult::Ok) return WholeLine::End;
    if (unitLineTerminated(unit) || unitLineCut(unit)) return WholeLine::Ok;
    // A piece of a longer line: the rest is passed over, to its line end.
    std::string rest;
    bool onlyLineEnd = true;  // the line ends right after the piece: it is not too long
    while (unitReadLine(unit, rest) == ReadResult::Ok) {
        onlyLineEnd = onlyLineEnd && rest.empty() && unitLineTerminated(unit);
        if (unitLineTerminated(unit) || unitLineCut(unit)) break;
    }
    if (onlyLineEnd) return WholeLine::Ok;
    line.clear();
    return WholeLine::TooLong;
}

std::string tooLongLine() {
    return "line longer than " + fmtIown(static_cast<int64_t>(kLongestUnitLine)) + " characters";
}

WholeLine readAnswerOf(int32_t unit, std::string& line) {
    const WholeLine r = readWholeLine(unit, line);
    keepAnswer(unit, line, r);
    return r;
}

void keepAnswer(int32_t unit, const std::string& line, WholeLine r) {
    last.from = sourceOf(unit);
    last.kept = r == WholeLine::Ok;
    if (last.kept) last.line = line;
}

Answered readAnswer(std::string& line, bool wait) {
    const bool fromFile = commandFileRunning();
    // While nobody sees the questions, a command file is at its end as the keyboard is.
    const WholeLine r =
        fromFile && unitConsoleLost() ? WholeLine::End : readAnswerOf(iocom.stdIn, line);
    if (r == WholeLine::Ok) return Answered::Line;
    if (r == WholeLine::TooLong) return Answered::TooLong;
    if (!fromFile) {
        if (!wait) endOfInput();
        line.clear();
        return Answered::End;
    }
    endCommandFile();
    return Answered::Ended;
}

void endOfInput() {
    stopReading("END OF INPUT");
}

std::string quotedAnswer(std::string_view line) {
    // Enough to recognise the answer; a line of a million characters must not fill the screen.
    constexpr std::size_t kShown = 200;
    std::size_t shown = line.size();
    if (shown > kShown) {
        shown = kShown;
        // Not inside a character of several bytes.
        while (shown > 0 && (static_cast<unsigned char>(line[shown]) & 0xC0) == 0x80) --shown;
    }
    std::string q = "\"";
    for (const char c : line.substr(0, shown)) {
        const auto u = static_cast<unsigned char>(c);
        q += u < 0x20 || u == 0x7f ? '?' : c;
    }
    q += '"';
    if (shown < line.size())
        q += " (cut: " + fmtIown(static_cast<int64_t>(line.size())) + " characters in all)";
    return q;
}

const std::string* lastAnswerKept() {
    return last.kept ? &last.line : nullptr;
}

void endWrittenAnswers(const AnswerSource& from, std::string_view question,
                       const std::string* answer, std::string_view closingRow) {
    // Piped lines after this one were written for questions that will not come in their order,
    // those after a command file for a command file that ran to its end.
    wout({from.place() + ",", "answer to:", question});
    if (answer != nullptr) wout({"refused answer:", quotedAnswer(*answer)});
    // Nothing more is read from the keyboard, not even the pause of a box.
    unitEndInput(kKeyboardUnit);
    wout({closingRow});
    // Not the end of the input: the answers went on, but none after this one can be in step.
    stopReading("A REFUSED ANSWER ENDS THE RUN");
}

}  // namespace tensova

#include "console/boxes.hpp"

#include <string>

#include "console/answers.hpp"
#include "console/console.hpp"
#include "console/input.hpp"

namespace tensova {
namespace {

constexpr std::string_view kSlashes = "///////////////////////////////////////////";

std::string nameField(const Stamp& s) {
    return fit("       subroutine " + s.name, 35);
}

void outdatedFigure(std::string_view label) {
    static constexpr int kRows[][3] = {{0, 24, 0}, {2, 20, 2},  {4, 16, 4}, {6, 12, 6},
                                       {8, 8, 8},  {10, 4, 10}, {0, 24, 0}};
    auto row = [](int i) {
        const auto& r = kRows[i];
        return std::string(r[0], ' ') + std::string(r[1], '@') + std::string(r[2], ' ');
    };
    for (int i = 0; i < 7; ++i) werr({row(i)});
    werr({label});
    werr({row(6)});
    for (int i = 5; i >= 0; --i) werr({row(i)});
}

// A pause stands in its box, whose head named the routine already: no box names this one.
const Stamp kPause("pause", "", "");

}  // namespace

void errorhead(const Stamp& s) {
    const std::string blankRow = "***" + std::string(37, ' ') + "***";
    werr({kStars43});
    werr({kStars43});
    werr({blankRow});
    werr({"***", nameField(s), "***"});
    werr({blankRow});
    werr({"***", "               ERROR               ", "***"});
    werr({blankRow});
    werr({kStars43});
    werr({kStars43});
}

void warninghead(const Stamp& s) {
    werr({kSlashes});
    werr({"///", nameField(s), "///"});
    werr({"///", "              WARNING              ", "///"});
    werr({kSlashes});
}

std::string awaitReturn(const Wait& w, const std::function<void()>& put) {
    for (;;) {
        put();
        std::string line;
        WholeLine r = WholeLine::Ok;
        if (w.keyboard) {
            r = readWholeLine(iocom.errIn, line);
            // The end of the input must not hold the run: the wait is over.
            if (r == WholeLine::End) return line;
        } else {
            // The same at the end of the keyboard's input; a command file that ends hands the
            // wait to the keyboard.
            const Answered a = readAnswer(line, true);
            if (a == Answered::End) return line;
            if (a == Answered::Ended) continue;
            if (a == Answered::TooLong) r = WholeLine::TooLong;
        }
        const AnswerSource from = w.keyboard ? keyboardSource() : lastAnswerSource();
        // At a terminal any line ends the wait, however long: none of it answers the next
        // question. A written line ends it where a question would take it as its default.
        if (!from.written() || (r == WholeLine::Ok && blankOrComment(line))) return line;
        // A written line that is not empty was meant for a question: had this wait not come,
        // it would have answered one.
        if (w.keyboard) keepAnswer(iocom.errIn, line, r);
        refuseAnswer({w.which, w.question, "==> RETRYING", RefusalBox::Error, false, w.openBox},
                     {r == WholeLine::TooLong ? tooLongLine() : std::string(),
                      "a pause takes only an empty line: the answers are out of step"});
    }
}

void pauseForReturn(std::string_view closingRow) {
    const std::string_view line =
        commandFileRunning() ? "===> HIT RETURN TO RESUME COMMANDS" : "===> HIT RETURN TO CONTINUE";
    awaitReturn({kPause, line.substr(5), true, closingRow}, [line] { werr({line}); });
}

void errorclose() {
    werr({kStars43});
}

void warningclose() {
    werr({kSlashes});
}

void errortail00() {
    if (iocom.pauseOn) pauseForReturn(kStars43);
    errorclose();
}

void warningtail00() {
    if (iocom.pauseOn) pauseForReturn(kSlashes);
    warningclose();
}

void errortail0() {
    outdatedFigure("OUTDATED    errortail0");
    errortail00();
}

void warningtail0() {
    outdatedFigure("OUTDATED    warningtail0");
    warningtail00();
}

namespace {

template <typename Lines>
void refuse(const Refusal& r, const Lines& why) {
    const AnswerSource from = lastAnswerSource();
    if (r.box == RefusalBox::Quiet && !from.written()) {
        if (!r.retry.empty()) wout({r.retry});
        return;
    }
    const bool warning = r.box == RefusalBox::Warning;
    const bool ownBox = r.openBox.empty();
    if (ownBox) warning ? warninghead(r.which) : errorhead(r.which);
    for (const auto& line : why)
        if (!std::string_view(line).empty()) wout({line});
    // While the keyboard is no terminal, nobody can answer the question again: the lines
    // written after this one were meant for other questions.
    if (keyboardSource().written())
        endWrittenAnswers(from, r.question, r.quoted ? nullptr : lastAnswerKept(),
                          !ownBox   ? r.openBox
                          : warning ? kSlashes
                                    : kStars43);
    if (from.from == AnswerFrom::CommandFile) {
        // The command file's next lines answer what comes after this answer: taken for the
        // question asked again, they would answer what they were not meant for.
        wout({from.place()});
        wout({"===> END OF COMMAND FILE"});
        endCommandFile();
    }
    if (!ownBox) return;
    if (!r.retry.empty()) wout({r.retry});
    if (warning) {
        warningtail00();
    } else if (r.box == RefusalBox::Outdated) {
        errortail0();
    } else {
        errortail00();
    }
}

}  // namespace

void refuseAnswer(const Refusal& r, std::initializer_list<std::string_view> why) {
    refuse(r, why);
}

void refuseAnswer(const Refusal& r, const std::vector<std::string>& why) {
    refuse(r, why);
}

}  // namespace tensova

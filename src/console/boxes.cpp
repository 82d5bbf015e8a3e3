#include "console/boxes.hpp"

#include <string>

#include "console/console.hpp"
#include "console/fields.hpp"
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

void pauseForReturn(std::string_view closingRow) {
    werr({iocom.cmdOpen ? "===> HIT RETURN TO RESUME COMMANDS" : "===> HIT RETURN TO CONTINUE"});
    std::string answer;
    // At a terminal any line ends the pause, however long (none of it answers the next
    // question); so does the end of the input, which must not hold the run.
    const WholeLine r = readWholeLine(iocom.errIn, answer);
    if (iocom.terminal || r == WholeLine::End ||
        (r == WholeLine::Ok && answer.find_first_not_of(" \t") == std::string::npos))
        return;
    // A piped line that is not empty was written for a question: had this box not come, it
    // would have answered one. The answers after it are out of step.
    werr({"line", fmtIown(unitLineNumber(iocom.errIn)), "of standard input, at the pause:",
          r == WholeLine::Ok ? quotedAnswer(answer) : tooLongLine()});
    werr({"a pause takes only an empty line: the answers are out of step"});
    unitEndInput(iocom.errIn);
    werr({closingRow});
    endAfterRefusal();
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

}  // namespace tensova

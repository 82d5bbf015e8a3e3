#include "console/boxes.hpp"

#include <string>

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

void pauseForReturn() {
    werr({iocom.cmdOpen ? "===> HIT RETURN TO RESUME COMMANDS" : "===> HIT RETURN TO CONTINUE"});
    std::string answer;
    // Any line ends the pause, however long (none of it answers the next question); so does the
    // end of the input, which must not hold the run.
    (void)readWholeLine(iocom.errIn, answer);
}

void errorclose() {
    werr({kStars43});
}

void warningclose() {
    werr({kSlashes});
}

void errortail00() {
    if (iocom.pauseOn) pauseForReturn();
    errorclose();
}

void warningtail00() {
    if (iocom.pauseOn) pauseForReturn();
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

#pragma once
// Error and warning boxes. A box is a head naming the reporting routine, the caller's message
// lines on the standard output unit, and a tail. Heads, tails and pauses use the error units, so
// a box waits for the keyboard even while a command file answers the prompts.

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
// The pause for return: the pause line, then one line from the error input unit. At the end
// of the input the pause simply ends. From a keyboard that is no terminal only an empty line
// (or one of blanks) ends it: any other ends the run, after the box's `closingRow`.
void pauseForReturn(std::string_view closingRow);

}  // namespace tensova

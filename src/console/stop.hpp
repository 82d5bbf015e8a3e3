#pragma once
// The end of a run. Every stop, orderly or after an error, goes through stopRun so that open
// files are finished (the Si-Sh file closed, a plot file given its trailer) and flushed.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tensova {

// Registers an action to run when the run stops, before the units are closed. Actions run in
// the reverse order of their registration.
void atStop(std::function<void()> action);

// A RUN that writes a file says so for as long as it runs: when the run stops before the RUN
// ends (the input ended, an answer was refused), the stop names the file, which then lacks what
// the RUN had still to write.
class RunWriting {
  public:
    // `what` names the kind of file ("PLOT FILE"); `name` gives the name of the file the RUN is
    // writing when the run stops (a RUN may go on into another file), or nothing when it writes
    // none then.
    RunWriting(std::string_view what, std::function<std::string()> name);
    ~RunWriting();
    RunWriting(const RunWriting&) = delete;
    RunWriting& operator=(const RunWriting&) = delete;
};
// One line for each file of a RUN that has not ended, in the order the RUNs began.
std::vector<std::string> filesOfUnendedRuns();

// The exit status of a run in which a file could not be written whole, whatever ended it: a
// script that runs tensova must not take a cut file for a whole one.
inline constexpr int kExitFileNotWhole = 2;

// Runs the at-stop actions, flushes and closes every unit and ends the process with `status`,
// or with kExitFileNotWhole when a file of the run lost a write.
[[noreturn]] void stopRun(int status);

}  // namespace tensova

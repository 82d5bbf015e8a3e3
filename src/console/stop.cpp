#include "console/stop.hpp"

#include <cstdlib>
#include <vector>

#include "console/units.hpp"

namespace tensova {
namespace {
std::vector<std::function<void()>>& actions() {
    static std::vector<std::function<void()>> list;
    return list;
}
// The files that RUNs are writing now: a line each, as the stop shows it.
std::vector<std::string>& runFiles() {
    static std::vector<std::string> files;
    return files;
}
}  // namespace

RunWriting::RunWriting(std::string_view what, std::string_view name) {
    runFiles().push_back(std::string(what) + " " + std::string(name) +
                         " CLOSED BEFORE ITS RUN ENDED");
}

RunWriting::~RunWriting() {
    runFiles().pop_back();
}

std::vector<std::string> filesOfUnendedRuns() {
    return runFiles();
}

void atStop(std::function<void()> action) {
    actions().push_back(std::move(action));
}

void stopRun(int status) {
    static bool stopping = false;
    if (!stopping) {
        // An action that itself stops the run must not start the actions again.
        stopping = true;
        auto& list = actions();
        while (!list.empty()) {
            auto action = std::move(list.back());
            list.pop_back();
            action();
        }
    }
    unitCloseAll();
    std::_Exit(unitAnyFileFailed() ? kExitFileNotWhole : status);
}

}  // namespace tensova

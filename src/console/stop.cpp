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
// The files that RUNs are writing now: the kind of each and where its name is found.
struct RunFile {
    std::string what;
    std::function<std::string()> name;
};
std::vector<RunFile>& runFiles() {
    static std::vector<RunFile> files;
    return files;
}
}  // namespace

RunWriting::RunWriting(std::string_view what, std::function<std::string()> name) {
    runFiles().push_back({std::string(what), std::move(name)});
}

RunWriting::~RunWriting() {
    runFiles().pop_back();
}

std::vector<std::string> filesOfUnendedRuns() {
    std::vector<std::string> lines;
    for (const RunFile& f : runFiles()) {
        const std::string name = f.name();
        if (!name.empty()) lines.push_back(f.what + " " + name + " CLOSED BEFORE ITS RUN ENDED");
    }
    return lines;
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

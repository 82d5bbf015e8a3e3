// The console's files stand in layers: the answer source at the bottom, boxes and the wait on
// it, prompts, files and command files above. A file that includes one above it makes a cycle,
// and each new wait would again have to learn where its answers come from.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace tensova {
namespace {

namespace fs = std::filesystem;

using Graph = std::map<std::string, std::set<std::string>>;

// Which topics (a header and its source) of the console each topic includes.
Graph consoleIncludes() {
    const std::regex include(R"(^#include "console/([a-z_]+)\.hpp")");
    Graph g;
    for (const auto& entry :
         fs::directory_iterator(fs::path(TENSOVA_TEST_DATA) / "../../src/console")) {
        const std::string topic = entry.path().stem();
        std::ifstream in(entry.path());
        std::smatch m;
        for (std::string line; std::getline(in, line);)
            if (std::regex_search(line, m, include) && m[1] != topic) g[topic].insert(m[1]);
    }
    return g;
}

// A cycle through `at`, as the path that closes it; empty when there is none.
std::string cycleFrom(const Graph& g, const std::string& at, std::map<std::string, int>& state,
                      std::string path) {
    state[at] = 1;
    path += at + " ";
    if (const auto it = g.find(at); it != g.end())
        for (const std::string& next : it->second) {
            if (state[next] == 1) return path + next;
            if (state[next] != 0) continue;
            if (std::string c = cycleFrom(g, next, state, path); !c.empty()) return c;
        }
    state[at] = 2;
    return {};
}

TEST(Layering, TheConsoleIncludesNoCycle) {
    const Graph g = consoleIncludes();
    ASSERT_TRUE(g.count("boxes") && g.count("prompts")) << "console sources not found";
    std::map<std::string, int> state;
    std::string cycle;
    for (const auto& [topic, _] : g)
        if (cycle.empty() && state[topic] == 0) cycle = cycleFrom(g, topic, state, "");
    EXPECT_EQ(cycle, "");
}

}  // namespace
}  // namespace tensova

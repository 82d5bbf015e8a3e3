#pragma once
// One run of the real binary in a fresh folder that holds the given files, with its transcript
// as lines.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/run_binary.hpp"

namespace tensova::test {

using Lines = std::vector<std::string>;
using Files = std::vector<std::pair<std::string, std::string>>;

// Where the answers come from: a pipe, or a terminal where a person sees each question (a refused
// answer is asked again there, and ends the run from a pipe).
enum class Keyboard { Pipe, Terminal };

struct Session {
    Session() = default;
    explicit Session(const std::string& input, const Files& files = {},
                     Keyboard keyboard = Keyboard::Pipe) {
        run(input, files, 20, keyboard);
    }
    void run(const std::string& input, const Files& files = {}, double timeoutSeconds = 20,
             Keyboard keyboard = Keyboard::Pipe) {
        for (const auto& [name, text] : files) dir.write(name, text);
        result = keyboard == Keyboard::Terminal
                     ? runTensovaAtTerminal(input, dir.path(), timeoutSeconds)
                     : runTensova(input, dir.path(), timeoutSeconds);
        EXPECT_FALSE(result.timedOut) << input;
        lines = splitLines(result.out);
    }
    int find(const std::string& line, int from = 0) const { return findLine(lines, line, from); }
    int count(const std::string& line) const { return countLines(lines, line); }
    const std::string& at(int i) const { return lines.at(static_cast<std::size_t>(i)); }

    TempDir dir;
    RunResult result;
    Lines lines;
};

}  // namespace tensova::test

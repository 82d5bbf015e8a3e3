#pragma once
// What the tests compare console transcripts with: golden transcripts, whole or in part, and
// searches in the lines of a transcript.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "support/run_binary.hpp"

namespace tensova::test {

using Lines = std::vector<std::string>;

// The n lines from index `at`, or a note when they are not all there.
inline Lines slice(const Lines& lines, int at, int n) {
    if (at < 0 || n < 0 || at + n > static_cast<int>(lines.size())) return {"<not found>"};
    return {lines.begin() + at, lines.begin() + at + n};
}

// `want` when its lines follow one another at or after `from`; otherwise as many lines from the
// first equal to want's first, to show what is there instead.
inline Lines block(const Lines& lines, const Lines& want, int from = 0) {
    const int n = static_cast<int>(want.size());
    for (int at = findLine(lines, want.at(0), from); at >= 0; at = findLine(lines, want[0], at + 1))
        if (slice(lines, at, n) == want) return want;
    return slice(lines, findLine(lines, want[0], from), n);
}

// Whether `line` shows exactly once or, for no line, whether nothing shows at all.
inline bool onceOrSilent(const Lines& lines, const char* line) {
    return line != nullptr ? countLines(lines, line) == 1 : lines.empty();
}

// What the program printed from its main menu on, the run's times masked.
inline Lines fromMainMenu(const std::string& out) {
    const Lines lines = splitLines(maskVolatile(out));
    const int menu = findLine(lines, " @ main program tensova    ") - 1;
    return slice(lines, menu, static_cast<int>(lines.size()) - menu);
}

// The lines joined, each followed by a newline.
inline std::string joined(const Lines& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

// The lines of an exact transcript kept as data in tests/data/golden; "file#part" names the
// lines after "== part" up to the next line that starts with "== ".
inline Lines golden(const std::string& name) {
    const auto hash = name.find('#');
    const Lines all = splitLines(readFile(TENSOVA_TEST_DATA "/golden/" + name.substr(0, hash)));
    if (hash == std::string::npos) return all;
    const auto b = std::find(all.begin(), all.end(), "== " + name.substr(hash + 1));
    const auto part = [](const std::string& l) { return l.starts_with("== "); };
    if (b == all.end()) return {"<no golden part " + name + ">"};
    return Lines(b + 1, std::find_if(b + 1, all.end(), part));
}

// Writes `got` as the golden transcript `name`, in place of the part or at the end of the file.
inline void updateGolden(const Lines& got, const std::string& name) {
    const auto hash = name.find('#');
    const std::string path = TENSOVA_TEST_DATA "/golden/" + name.substr(0, hash);
    Lines all = hash == std::string::npos ? Lines{} : splitLines(readFile(path));
    auto b = std::find(all.begin(), all.end(), "== " + name.substr(hash + 1));
    if (hash != std::string::npos && b == all.end())
        b = all.insert(all.end(), "== " + name.substr(hash + 1));
    const auto part = [](const std::string& l) { return l.starts_with("== "); };
    const auto e = hash == std::string::npos ? all.end() : std::find_if(b + 1, all.end(), part);
    b = all.erase(hash == std::string::npos ? all.begin() : b + 1, e);
    all.insert(b, got.begin(), got.end());
    std::ofstream(path, std::ios::binary) << joined(all);
}

// Expects the golden transcript `name` as the whole of `got`, or (`whole` false) as consecutive
// lines of it; names the first line that differs. With TENSOVA_UPDATE_GOLDEN set, a whole
// transcript is written as the golden one first (run the tests one at a time then: -j1).
inline void expectGolden(const Lines& got, const std::string& name, bool whole = true) {
    if (whole && std::getenv("TENSOVA_UPDATE_GOLDEN") != nullptr) updateGolden(got, name);
    const Lines want = golden(name);
    ASSERT_FALSE(golden(name.substr(0, name.find('#'))).empty()) << "no golden file " << name;
    const Lines seen = whole ? got : block(got, want);
    std::size_t k = 0;
    while (k < want.size() && k < seen.size() && want[k] == seen[k]) ++k;
    EXPECT_TRUE(k == want.size() && k == seen.size())
        << name << ", line " << k + 1 << "\n want: '" << (k < want.size() ? want[k] : "<end>")
        << "'\n  got: '" << (k < seen.size() ? seen[k] : "<end>") << "'";
}

}  // namespace tensova::test

#pragma once
// Hand-made catalogue records shared by the catalogue tests, and helpers to build files of them.

#include <cstdio>
#include <string>
#include <vector>

#include "support/run_binary.hpp"
#include "support/transcript.hpp"

namespace tensova::test {

// One ndk event (one.ndk of tests/data), five lines of 80 columns.
inline const std::vector<std::string> kNdkEvent = splitLines(testData("one.ndk"));

// The same event in dek form (one.dek), four lines of 79, 79, 80 and 73 columns.
inline const std::vector<std::string> kDekEvent = splitLines(testData("one.dek"));

// The lines with `text` put over columns first..first+size-1 of line `line` (from 0).
inline std::vector<std::string> withField(std::vector<std::string> lines, std::size_t line,
                                          std::size_t first, const std::string& text) {
    lines[line].replace(first - 1, text.size(), text);
    return lines;
}

// The ndk event of `lines` (its five lines) moved to the given hypocentre (degrees).
inline std::string ndkMoved(std::vector<std::string> lines, double lat, double lon) {
    char field[16];
    std::snprintf(field, sizeof field, "%7.2f", lat);
    lines[0].replace(26, 7, field);
    std::snprintf(field, sizeof field, "%8.2f", lon);
    lines[0].replace(33, 8, field);
    return joined(lines);
}

// The sample event moved to the given hypocentre (degrees).
inline std::string ndkAt(double lat, double lon) {
    return ndkMoved(kNdkEvent, lat, lon);
}

// A catalogue of n copies of the event, with a latitude that rises from event to event so
// that the events can be told apart.
inline std::string repeatedNdk(int n) {
    std::string s;
    s.reserve(static_cast<std::size_t>(n) * 405);
    for (int i = 0; i < n; ++i) s += ndkAt(-80.0 + (i % 16000) * 0.01, -88.78);
    return s;
}

}  // namespace tensova::test

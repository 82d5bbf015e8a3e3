#pragma once
// Hand-made catalogue records shared by the catalogue tests, and helpers to build files of them.

#include <cstdio>
#include <string>
#include <vector>

#include "support/run_binary.hpp"
#include "support/transcript.hpp"

namespace tensova::test {

// One ndk event, five lines of 80 columns.
inline const std::vector<std::string> kNdkEvent = {
    "PDE  2005/01/01 01:20:05.4  13.78  -88.78 193.1 5.0 0.0 NEAR COAST OF REGION    ",
    "C200501010120A   B:  4    4  40 S:  0    0   0 M: 27   33 125 CMT: 1 TRIHD:  0.6",
    "CENTROID:     -0.3 0.9  13.76 0.06  -89.08 0.09 162.8 12.5 FREE S-20050322125201",
    "24 -0.248 0.045 -1.278 0.037  1.526 0.041 -0.057 0.202  2.137 0.236  0.231 0.030",
    "V10   2.748 28 129   0.010 57 280  -2.758 14  31   2.753 262 72  -11 355 79 -162"};

// The same event in dek form, four lines of 79, 79, 80 and 73 columns.
inline const std::vector<std::string> kDekEvent = {
    "C010105A 01/01/05 01:20:05.4  13.78  -88.78 193.15.00.0NEAR COAST OF REGION    ",
    "PDE B:  4  4  40 M: 27 33 125 CEN  -0.3 0.9  13.76 0.06  -89.08 0.09 162.8 12.5",
    " TRI 0.6 FR 24 -0.25 0.05 -1.28 0.04  1.53 0.04 -0.06 0.20  2.14 0.24  0.23 0.03",
    "   2.75 28 129   0.01 57 280  -2.76 14  31   2.75 262 72  -11 355 79 -162"};

// The lines with `text` put over columns first..first+size-1 of line `line` (from 0).
inline std::vector<std::string> withField(std::vector<std::string> lines, std::size_t line,
                                          std::size_t first, const std::string& text) {
    lines[line].replace(first - 1, text.size(), text);
    return lines;
}

// The sample event moved to the given hypocentre (degrees).
inline std::string ndkAt(double lat, double lon) {
    std::vector<std::string> ev = kNdkEvent;
    char field[16];
    std::snprintf(field, sizeof field, "%7.2f", lat);
    ev[0].replace(26, 7, field);
    std::snprintf(field, sizeof field, "%8.2f", lon);
    ev[0].replace(33, 8, field);
    return joined(ev);
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

#pragma once
// Runs curve-library routines on a scripted keyboard from blocks as a fresh run has them.

#include <algorithm>
#include <string>
#include <vector>

#include "curve/fixed_params.hpp"
#include "curve/levels.hpp"
#include "curve/running_point.hpp"
#include "support/console_capture.hpp"

namespace tensova::test {

using Lines = std::vector<std::string>;

// What `body` prints while the keyboard holds `keyboard`; the blocks start as zeros.
template <class Body>
Lines curveRun(const std::string& keyboard, Body&& body) {
    ptblock = {};
    plevblock = {};
    pfixblock = {};
    ConsoleCapture cap(keyboard);
    body();
    return cap.lines();
}

inline int count(const Lines& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

}  // namespace tensova::test

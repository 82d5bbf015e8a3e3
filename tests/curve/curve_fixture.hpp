#pragma once
// Runs curve-library routines on a scripted keyboard from blocks as a fresh run has them.

#include <string>
#include <vector>

#include "curve/fixed_params.hpp"
#include "curve/levels.hpp"
#include "curve/running_point.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

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

}  // namespace tensova::test

#pragma once
// Shared by the drawing benchmarks: a plot file opened as the plot library's opening leaves it.

#include <string>

#include "bench_support.hpp"
#include "console/console.hpp"
#include "console/units.hpp"
#include "plot/plot_life.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"

namespace tensova::bench {

// Opens a compressed PostScript document on `path` (the console quiet the first time); false
// when the file cannot be opened.
inline bool openPlot(const std::string& path) {
    static bool started = false;
    if (!started) {
        quietStart();
        started = true;
    }
    if (!unitOpen(kPlotUnit, path, OpenStatus::Unknown)) return false;
    beginDocument(PsSettings{false, 1, "P  ", 1}, path);
    // What the opening of a plot does once the file is open, the scaling reset too.
    iocom.plotOpen = true;
    splotparam2(5);
    return true;
}

}  // namespace tensova::bench

#pragma once
// Test fixtures of the PostScript device: a document on a file in a fresh folder, and the
// Ghostscript checks every written file goes through (validity, page boxes, pixels).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "console/text.hpp"
#include "console/units.hpp"
#include "numeric/angles.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_attributes.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"
#include "support/console_capture.hpp"
#include "support/ghostscript.hpp"
#include "support/run_binary.hpp"
#include "support/transcript.hpp"

namespace tensova::test {

// The angle constants, set at start-up as the program sets them (before any console is
// captured: the announcement goes to the real standard output).
inline const bool kAnglesSet = (trigoset(), true);

// The blocks as the plot library leaves them after an opening: the default colour table of 12
// colours, default attributes, font 1, text height 0.5 cm.
inline void resetBlocks() {
    psparams = Psparams{};
    psdevice = PsDevice{};
    psattributes = PsAttributes{};
    psattributes.red = {100, 0, 50, 0, 0, 0, 50, 50, 80, 70, 60, 50, 30};
    psattributes.green = {100, 0, 0, 50, 0, 50, 0, 50, 80, 70, 60, 50, 30};
    psattributes.blue = {100, 0, 0, 0, 50, 50, 50, 0, 80, 70, 60, 50, 30};
    psattributes.colorplot = true;
    psattributes.linecolor = psattributes.txtcolor = 1;
    psattributes.fillstyle = 1;
    psattributes.fillcolor = 8;
    psattributes.justif = -1;
    psparams.fontNumber = 1;
    intstextsize(0.5f);
}

// Starts a document on `path` with the blocks reset.
inline void openDocument(const std::string& path, const PsSettings& s, bool colour = true) {
    resetBlocks();
    psattributes.colorplot = colour;
    EXPECT_TRUE(unitOpen(kPlotUnit, path, OpenStatus::Unknown)) << path;
    beginDocument(s, fit("plot.ps", 20));
}

// A document open on "plot.ps" in a fresh folder, the console captured.
struct PsDocument {
    explicit PsDocument(const PsSettings& s, bool colour = true, const std::string& keys = "")
        : console(keys) {
        openDocument(path, s, colour);
    }
    ~PsDocument() {
        if (psdevice.open) psend();
    }
    // Writes the trailer; the lines of the file.
    Lines finish() {
        psend();
        return splitLines(readFile(path));
    }
    ConsoleCapture console;
    TempDir dir;
    const std::string path = dir.file("plot.ps");
};

// The lines after the first line equal to `from`, up to the next line equal to `to`.
inline Lines between(const Lines& lines, const std::string& from, const std::string& to) {
    auto b = std::find(lines.begin(), lines.end(), from);
    if (b != lines.end()) ++b;
    return Lines(b, std::find(b, lines.end(), to));
}

}  // namespace tensova::test

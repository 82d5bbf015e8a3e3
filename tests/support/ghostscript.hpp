#pragma once
// Renders PostScript files with Ghostscript, to prove that a plot file is valid.

#include <array>
#include <string>
#include <vector>

namespace tensova::test {

bool ghostscriptAvailable();

struct GsResult {
    int exitCode = -1;
    int pages = 0;       // pages the interpreter drew (one bounding box each)
    bool error = false;  // the interpreter reported an error
    std::string log;     // what it printed
};

// Interprets the file; `prolog`, when given, is read first (stub definitions for dialects that
// rely on an application's own prolog). With `png` non-empty the first page is also rendered
// to that PNG file.
GsResult renderPostScript(const std::string& path, const std::string& prolog = "",
                          const std::string& png = "");

using Box = std::array<double, 4>;  // x0, y0, x1, y1 in points

// The drawn bounding box of each page that the interpreter reported.
std::vector<Box> pageBoxes(const GsResult& r);

}  // namespace tensova::test

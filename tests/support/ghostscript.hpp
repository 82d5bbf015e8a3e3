#pragma once
// Renders PostScript files with Ghostscript, to prove that a plot file is valid.

#include <array>
#include <string>
#include <vector>

namespace tensova::test {

bool ghostscriptAvailable();

// Whether Ghostscript is there to render `what`. When it is not, the calling test is marked
// skipped (its other checks still run, and a failing one still fails it), or failed when the
// environment variable CI is "true": a render check is never passed without being run.
bool canRender(const std::string& what);

struct GsResult {
    int exitCode = -1;
    int pages = 0;       // pages the interpreter drew (one bounding box each)
    bool error = false;  // the interpreter reported an error
    std::string log;     // what it printed
};

// The paper to draw on, points; none given, Ghostscript's own.
struct Paper {
    int width = 0, height = 0;
};
inline constexpr Paper kA4Paper{595, 842}, kLetterPaper{612, 792};

// Interprets the file; `prolog`, when given, is read first (stub definitions for dialects that
// rely on an application's own prolog). On a paper given, what lies off it is not drawn.
GsResult renderPostScript(const std::string& path, const std::string& prolog = "",
                          const Paper& paper = {});

using Box = std::array<double, 4>;  // x0, y0, x1, y1 in points

// The drawn bounding box of each page that the interpreter reported.
std::vector<Box> pageBoxes(const GsResult& r);

// A page drawn on A4, by default the first at 72 dots per inch (one pixel per point).
struct Image {
    int width = 0, height = 0;
    double scale = 1.0;              // pixels per point
    std::vector<unsigned char> rgb;  // rows from the top down
    // The colour at a point in points (origin bottom left); {-1, -1, -1} off the page.
    std::array<int, 3> at(double x, double y) const;
};
// Empty when the file cannot be drawn (see canRender); `prolog`, when given, is read first.
Image renderImage(const std::string& path, const std::string& prolog = "", int page = 1,
                  int dpi = 72);

// The test-only prolog that gives the Illustrator operators a meaning.
std::string illustratorStub();

// Renders the file and expects exit 0, no error and its page count: that of its trailer in
// dialects 1 and 2, page breaks plus one for Illustrator files (drawn after the stub), or
// `pages` when given. `prolog` is read first when given, and the paper is Ghostscript's own or
// the one given. Without Ghostscript, see canRender.
GsResult expectRenders(const std::string& path, const std::string& prolog = "", int pages = -1,
                       const Paper& paper = {});

}  // namespace tensova::test

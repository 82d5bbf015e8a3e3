#pragma once
// Test fixtures of the PostScript device: a document on a file in a fresh folder, and the
// Ghostscript checks every written file goes through.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "postscript/ps_document.hpp"
#include "support/console_capture.hpp"
#include "support/ghostscript.hpp"
#include "support/run_binary.hpp"

namespace tensova::test {

// The device and plot blocks as the plot library leaves them after an opening: default
// attributes, font 1, text height 0.5 cm.
void resetBlocks();

// Starts a document on `path` with the blocks reset.
void openDocument(const std::string& path, const PsSettings& s, bool colour = true);

// A document open on "plot.ps" in a fresh folder, the console captured; a colour plot or a
// black-and-white one.
class PsDocument {
  public:
    explicit PsDocument(const PsSettings& s = PsSettings{}, bool colour = true,
                        const std::string& keyboard = "");
    ~PsDocument();
    PsDocument(const PsDocument&) = delete;
    PsDocument& operator=(const PsDocument&) = delete;
    const std::string& path() const { return path_; }
    // Writes the trailer and returns the whole file.
    std::string finish();
    std::vector<std::string> finishLines() { return splitLines(finish()); }
    ConsoleCapture console;
    TempDir dir;

  private:
    std::string path_;
};

// The lines of a file from the first line equal to `from` (excluded) up to the first line
// equal to `to` (excluded).
std::vector<std::string> between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to);

// A fresh folder made the current folder for the scope (the settings file lives there).
class InFolder {
  public:
    InFolder();
    ~InFolder();
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;
    TempDir dir;

  private:
    std::string previous_;
};

// The test-only prolog that gives the Illustrator operators a meaning.
std::string illustratorStub();

// Renders the file with Ghostscript and expects exit 0, no error and its page count: the
// count of its trailer in dialects 1 and 2, page breaks plus one for Illustrator files (drawn
// with the stub). `prolog` is read first when given. Returns the result for further checks.
GsResult expectRenders(const std::string& path, const std::string& prolog = "");

struct Box {
    double x0, y0, x1, y1;
};
// The drawn bounding box of each page, in points.
std::vector<Box> pageBoxes(const GsResult& r);

// The first page as pixels on an A4 page at 72 dots per inch: one pixel per point.
class Page {
  public:
    bool load(const std::string& path, const std::string& prolog = "");
    // The colour at a point of the page (origin bottom left).
    std::array<int, 3> at(double x, double y) const;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned char> rgb_;
};

}  // namespace tensova::test

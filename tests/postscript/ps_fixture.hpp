#pragma once
// Test fixtures of the PostScript device: a document on a file in a fresh folder, a fresh
// current folder for the settings file, and the Ghostscript checks every written file goes
// through (validity, page boxes, pixels).

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

#include "console/text.hpp"
#include "console/units.hpp"
#include "numeric/angles.hpp"
#include "plot/plot_blocks.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"
#include "support/console_capture.hpp"
#include "support/ghostscript.hpp"
#include "support/run_binary.hpp"

namespace tensova::test {

using Lines = std::vector<std::string>;

inline Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The blocks as the plot library leaves them after an opening: default attributes, font 1,
// text height 0.5 cm; the angle constants set as at start-up.
inline void resetBlocks() {
    static const bool anglesSet = (trigoset(), true);
    (void)anglesSet;
    psparams = Psparams{};
    psdevice = PsDevice{};
    plt1blk = Plt1blk{};
    plt2blk = Plt2blk{};
    psparams.fontNumber = 1;
    intstextsize(0.5f);
}

// Starts a document on `path` with the blocks reset.
inline void openDocument(const std::string& path, const PsSettings& s, bool colour = true) {
    resetBlocks();
    plt2blk.colorplot = colour;
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

// A fresh folder made the current folder for the scope (the settings file lives there).
struct InFolder {
    InFolder() { EXPECT_EQ(chdir(dir.path().c_str()), 0); }
    ~InFolder() { EXPECT_EQ(chdir(previous.c_str()), 0); }
    TempDir dir;
    const std::string previous = std::filesystem::current_path();
};

// The test-only prolog that gives the Illustrator operators a meaning.
inline std::string illustratorStub() {
    return std::filesystem::path(__FILE__).parent_path() / "illustrator_stub.ps";
}

// Renders the file with Ghostscript and expects exit 0, no error and its page count: that of
// its trailer in dialects 1 and 2, page breaks plus one for Illustrator files (drawn with the
// stub). `prolog` is read first when given.
inline GsResult expectRenders(const std::string& path, const std::string& prolog = "") {
    static const bool have = ghostscriptAvailable();
    if (!have) {
        std::cout << "Ghostscript (gs) is not installed: " << path << " not rendered\n";
        return {};
    }
    const Lines lines = splitLines(readFile(path));
    const bool illustrator = !lines.empty() && lines[0] == "%!PS-Adobe-2.0 EPSF-1.2";
    int pages = illustrator ? countLines(lines, "gsave showpage") + 1 : -1;
    for (const auto& l : lines)
        if (!illustrator && l.rfind("%%Pages: ", 0) == 0 && l != "%%Pages: (atend)")
            pages = std::stoi(l.substr(9));
    const GsResult r = renderPostScript(path, illustrator ? illustratorStub() : prolog);
    EXPECT_TRUE(r.exitCode == 0 && !r.error && r.pages == pages) << path << "\n" << r.log;
    return r;
}

struct Box {
    double x0, y0, x1, y1;
};
// The drawn bounding box of each page, in points.
inline std::vector<Box> pageBoxes(const GsResult& r) {
    std::vector<Box> boxes;
    const std::string key = "%%HiResBoundingBox:";
    for (auto pos = r.log.find(key); pos != std::string::npos; pos = r.log.find(key, pos + 1)) {
        Box b{};
        std::sscanf(r.log.c_str() + pos + key.size(), "%lf %lf %lf %lf", &b.x0, &b.y0, &b.x1,
                    &b.y1);
        boxes.push_back(b);
    }
    return boxes;
}

inline void expectBox(const Box& got, const Box& want, double tol, const std::string& what) {
    EXPECT_TRUE(std::abs(got.x0 - want.x0) <= tol && std::abs(got.y0 - want.y0) <= tol &&
                std::abs(got.x1 - want.x1) <= tol && std::abs(got.y1 - want.y1) <= tol)
        << what << ": " << got.x0 << " " << got.y0 << " " << got.x1 << " " << got.y1;
}

// The colour at a point (origin bottom left) of the first page drawn on an A4 page at 72 dots
// per inch, one pixel per point; {-1, -1, -1} when it cannot be drawn.
inline std::array<int, 3> pixel(const std::string& path, double x, double y,
                                const std::string& prolog = "") {
    const std::string ppm = path + ".ppm";
    const std::string cmd =
        "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r72 -sPAPERSIZE=a4 "
        "-dLastPage=1 -sOutputFile='" +
        ppm + "' " + (prolog.empty() ? "" : "'" + prolog + "' ") + "'" + path + "' >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) return {-1, -1, -1};
    std::ifstream in(ppm, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxval = 0;
    in >> magic >> std::ws;
    while (in.peek() == '#') in.ignore(1 << 16, '\n');  // Ghostscript names itself in a comment
    in >> width >> height >> maxval;
    in.get();
    const auto row = height - 1 - static_cast<int>(y);
    in.seekg(static_cast<std::streamoff>((row * width + static_cast<int>(x)) * 3), std::ios::cur);
    std::array<char, 3> c{};
    if (magic != "P6" || !in.read(c.data(), 3)) return {-1, -1, -1};
    return {static_cast<unsigned char>(c[0]), static_cast<unsigned char>(c[1]),
            static_cast<unsigned char>(c[2])};
}

}  // namespace tensova::test

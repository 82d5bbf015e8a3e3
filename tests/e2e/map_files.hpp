#pragma once
// What the map tests give the program and read back: the pages a plot file is drawn on, ndk
// events at a place, and the paths and texts of a plot file in the plain dialect, page by page.

#include <array>
#include <cstdio>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "support/ghostscript.hpp"

namespace tensova::test {

// A page of a plot file: its paper, turned a quarter or not, and how a run chooses it: the
// answers from the page settings' question to the file name's, and the settings file that an
// earlier run kept, if any.
struct PlotPage {
    const char* name;
    Paper paper;
    bool landscape;
    std::string opening;
    std::string settings = "";
    // The page as the drawing sees it, points.
    double width() const { return landscape ? paper.height : paper.width; }
    double height() const { return landscape ? paper.width : paper.height; }
};
inline void PrintTo(const PlotPage& p, std::ostream* os) {
    *os << p.name;
}
inline const PlotPage kPortrait{"portrait", kA4Paper, false, "\n"};
inline const PlotPage kA4Landscape{"landscape", kA4Paper, true, "n\n\n\nLA4\n\n"};
inline const PlotPage kLetterLandscapeKept{"US_Letter_landscape_kept", kLetterPaper, true, "\n",
                                           "  F   1 LUS  2\n    \n"};

// An ndk event at a place, from the thrust of six.ndk (planes 0/45/90 and 180/45/90: SHmax
// east-west, S3 vertical), or turned to another strike (SHmax along strike + 90).
inline std::string thrustAt(double lat, double lon, int strike = 0) {
    char head[64], planes[40];
    std::snprintf(head, sizeof head, "PDE  2010/01/12 21:53:10.0 %6.2f %7.2f", lat, lon);
    std::snprintf(planes, sizeof planes, " %3d 45   90 %3d 45   90\n", strike, strike + 180);
    const std::string rest =
        "  12.0 5.0 0.0 NEAR COAST OF REGION    \n"
        "C200501010120A   B:  4    4  40 S:  0    0   0 M: 27   33 125 CMT: 1 TRIHD:  0.6\n"
        "CENTROID:     -0.3 0.9  13.76 0.06  -89.08 0.09 162.8 12.5 FREE S-20050322125201\n"
        "24 -0.248 0.045 -1.278 0.037  1.526 0.041 -0.057 0.202  2.137 0.236  0.231 0.030\n"
        "V10   2.748 28 129   0.010 57 280  -2.758 14  31   2.753";
    return std::string(head) + rest + planes;
}

// The paths of a plot file: their points and whether they were closed. A move to where a text
// is shown (its font follows) starts no path.
struct PsPath {
    std::vector<std::array<double, 2>> points;
    bool closed = false;
};
inline std::vector<PsPath> psPaths(const std::string& text) {
    std::vector<PsPath> out;
    std::istringstream in(text);
    std::string line;
    bool moved = false;
    while (std::getline(in, line)) {
        if (moved && line.find(" findfont") != line.npos) out.pop_back();
        moved = false;
        double x = 0, y = 0;
        char op[16] = {};
        if (line == "closepath gsave" && !out.empty()) out.back().closed = true;
        if (std::sscanf(line.c_str(), "%lf %lf %15s", &x, &y, op) != 3) continue;
        const std::string o = op;
        if (o == "moveto") out.emplace_back(), moved = true;
        if ((o == "moveto" || o == "lineto") && !out.empty()) out.back().points.push_back({x, y});
    }
    return out;
}

// A text as the plot file writes it: the text, the start of its baseline (the move before it),
// where along its width that start stands (the shift that follows: by half the width centred,
// by the whole width right-justified), and the size of its font in points.
struct PsText {
    std::string text;
    double x = 0, y = 0, along = 0, size = 0;
    // Whether it is a number, as the grid's labels are.
    bool number() const {
        return !text.empty() && text.find_first_not_of("-+.0123456789") == std::string::npos;
    }
};
inline std::vector<PsText> psTexts(const std::string& ps) {
    std::vector<PsText> out;
    std::istringstream in(ps);
    std::string line;
    double x = 0, y = 0, size = 0;
    while (std::getline(in, line)) {
        double a = 0, b = 0;
        if (std::sscanf(line.c_str(), "%lf %lf moveto", &a, &b) == 2) x = a, y = b;
        if (line.find(" findfont") != line.npos) std::sscanf(line.c_str(), "%lf", &size);
        if (line.find("stringwidth") != line.npos && !out.empty())
            out.back().along = line.find(" -2 div") != line.npos ? 0.5 : 1.0;
        const std::size_t close = line.rfind(')');
        if (line.starts_with("(") && close != line.npos)
            out.push_back({line.substr(1, close - 1), x, y, 0.0, size});
    }
    return out;
}

// One page of a plot file: its paths and its texts.
struct PsPage {
    std::vector<PsPath> paths;
    std::vector<PsText> texts;
    // Every point its paths move or draw to.
    std::vector<std::array<double, 2>> points() const {
        std::vector<std::array<double, 2>> out;
        for (const PsPath& p : paths) out.insert(out.end(), p.points.begin(), p.points.end());
        return out;
    }
};
// The pages of a plot file, each from its page comment to the next; what comes before the first
// is not drawn.
inline std::vector<PsPage> psPages(const std::string& ps) {
    std::vector<std::string> pages;
    std::istringstream in(ps);
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with("%%Page:")) pages.emplace_back();
        if (!pages.empty()) pages.back() += line + "\n";
    }
    std::vector<PsPage> out;
    for (const std::string& page : pages) out.push_back({psPaths(page), psTexts(page)});
    return out;
}

// The grid's labels: the texts that are numbers.
inline std::vector<PsText> gridLabels(const std::string& ps) {
    std::vector<PsText> out;
    for (const PsText& t : psTexts(ps))
        if (t.number()) out.push_back(t);
    return out;
}

// The box (x0, y0, x1, y1) of a number's ink: the advance widths of its characters in Helvetica
// (in ems), from just under its baseline to the top of its digits.
inline std::array<double, 4> inkBox(const PsText& l) {
    double w = 0;
    for (const char c : l.text) w += c == '.' ? 0.278 : c == '-' ? 0.333 : 0.556;
    w *= l.size;
    const double x0 = l.x - l.along * w;
    return {x0, l.y - 0.02 * l.size, x0 + w, l.y + 0.72 * l.size};
}

// Whether the inside of two boxes meet.
inline bool overlap(const std::array<double, 4>& a, const std::array<double, 4>& b) {
    return a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3];
}

}  // namespace tensova::test

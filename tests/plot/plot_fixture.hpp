#pragma once
// A plot open on a PostScript document (in the compressed dialect unless told otherwise), as an
// opening that resets everything leaves it: subplot 1 current, every subplot's map, the colour
// table and the attributes at their defaults, the console quiet. And the paths that such a file
// holds.

#include "console/console.hpp"
#include "plot/drawing.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/plot_life.hpp"
#include "plot/transforms.hpp"
#include "postscript/ps_fixture.hpp"

namespace tensova::test {

using Point = std::array<float, 2>;

// Sets the current subplot's map in matrix form (silently by default).
inline void matrixMap(float xcm0, float ycm0, float xx, float xy, float yx, float yy,
                      int32_t inter = 1) {
    sus2cm1(xcm0, ycm0, xx, xy, yx, yy, inter);
}

// The device point of a user point of the current subplot.
inline Point toDevice(Point p) {
    us2de(&p[0], &p[1], &p[0], &p[1], 1);
    return p;
}

// Device points within 0.02 of each other.
inline void expectNear(const Point& got, const Point& want, const std::string& what) {
    EXPECT_NEAR(got[0], want[0], 0.02) << what;
    EXPECT_NEAR(got[1], want[1], 0.02) << what;
}

struct PlotDocument : PsDocument {
    // In the compressed dialect, or the one given (2, the plain one that maps are written in).
    explicit PlotDocument(const std::string& keys = "", int32_t dialect = 1)
        : PsDocument(PsSettings{false, 1, "P  ", dialect}, true, keys) {
        plt1blk = Plt1blk{};
        plt2blk = Plt2blk{};
        iocom.plotOpen = true;
        splotparam2(5);
        console.clear();
    }
};

// Each path from "np" on: its points, and whether it was closed ("cp") and filled ("cp gs").
struct Path {
    std::vector<Point> points;
    bool closed = false, filled = false;
};
// The lines without the moves to the texts' anchors (a move that a font's choice follows).
inline Lines withoutTextMoves(const Lines& lines) {
    Lines out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!(lines[i].ends_with(" M") && i + 1 < lines.size() && lines[i + 1].ends_with(" sym")))
            out.push_back(lines[i]);
    return out;
}

inline std::vector<Path> paths(const Lines& lines) {
    std::vector<Path> out;
    for (const auto& l : lines) {
        if (l == "np") out.emplace_back();
        if (out.empty()) continue;
        out.back().closed |= l.starts_with("cp");
        out.back().filled |= l == "cp gs";
        Point p{};
        if (l.ends_with(" M") || l.ends_with(" L"))
            std::sscanf(l.c_str(), "%f %f", &p[0], &p[1]), out.back().points.push_back(p);
    }
    return out;
}

}  // namespace tensova::test

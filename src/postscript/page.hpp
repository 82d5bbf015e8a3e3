#pragma once
// The page of a plot file: the paper it is printed on and the page the drawing is made on. A
// landscape page is its paper turned a quarter by the document's head, so the drawing's width is
// the paper's height. Everything that places a drawing on the page reads its size here.

#include <cstdint>
#include <string_view>

#include "postscript/ps_attributes.hpp"

namespace tensova {

// A sheet of paper as it stands in the printer, points.
struct Paper {
    int32_t width = 0, height = 0;
};
inline constexpr Paper kA4Paper{595, 842};
inline constexpr Paper kLetterPaper{612, 792};

struct Page {
    Paper paper = kA4Paper;
    bool landscape = false;
    std::string_view name = "A4 Portrait";

    // The page as the drawing sees it, points and centimetres.
    float width() const { return static_cast<float>(landscape ? paper.height : paper.width); }
    float height() const { return static_cast<float>(landscape ? paper.width : paper.height); }
    float widthCm() const { return width() / kPointsPerCm; }
    float heightCm() const { return height() / kPointsPerCm; }
};

// A4 portrait: the page of a file with no turn.
inline constexpr Page kPortraitPage{};

// The page of an orientation command: "LA4" and "LUS" turn A4 and US Letter; "P  ", and any
// other text, which the head does not turn, is portrait A4.
Page pageOf(std::string_view orientation);

// The page of the plot file opened last.
Page plotPage();

}  // namespace tensova

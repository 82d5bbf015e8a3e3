#pragma once
// The page of a plot file: the paper it is printed on and the page the drawing is made on. A
// landscape page is its paper turned a quarter by the document's head, so the drawing's width is
// the paper's height. Everything that places a drawing on the page reads its size here, and
// everything that reads an orientation command ("P  ", "LUS", "LA4") reads it here.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "postscript/ps_attributes.hpp"

namespace tensova {

// A sheet of paper as it stands in the printer, points.
struct Paper {
    int32_t width = 0, height = 0;
    std::string_view name;
};
inline constexpr Paper kA4Paper{595, 842, "A4"};
inline constexpr Paper kLetterPaper{612, 792, "US Letter"};

struct Page {
    Paper paper = kA4Paper;
    bool landscape = false;

    // The page as the drawing sees it, points and centimetres.
    float width() const { return static_cast<float>(landscape ? paper.height : paper.width); }
    float height() const { return static_cast<float>(landscape ? paper.width : paper.height); }
    float widthCm() const { return width() / kPointsPerCm; }
    float heightCm() const { return height() / kPointsPerCm; }
    // The paper and its turn, for the console: "A4 Portrait", "US Letter Landscape".
    std::string name() const;
};

// A4 portrait: the page of a file with no turn.
inline constexpr Page kPortraitPage{};

// A page orientation: the command that the settings file and the orientation question hold, its
// name, and its page.
struct Orientation {
    std::string_view command;
    std::string_view name;
    Page page;
};
inline constexpr std::array<Orientation, 3> kOrientations{{
    {"P  ", "Portrait", kPortraitPage},
    {"LUS", "Landscape US Letter", {kLetterPaper, true}},
    {"LA4", "Landscape A4", {kA4Paper, true}},
}};

// The orientation of a command, nullptr for any other text (a hand-edited settings file).
const Orientation* orientationOf(std::string_view command);

// The orientation an answer to the orientation question gives, nullptr for none: the answer
// cut to the command's 3 characters, "LUS" or "lus", "LA4" or "la4", else anything that begins
// with "P" or "p" ("Portrait" among them).
const Orientation* orientationAnswered(std::string_view answer);

// The page of an orientation command: "LA4" and "LUS" turn A4 and US Letter; "P  ", and any
// other text, which the head does not turn, is portrait A4.
Page pageOf(std::string_view orientation);

// The page of the plot file opened last.
Page plotPage();

}  // namespace tensova

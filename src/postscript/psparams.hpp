#pragma once
// The state of the run's one PostScript device.

#include <array>
#include <cstdint>
#include <string>

namespace tensova {

inline constexpr int32_t kPlotUnit = 50;
inline constexpr int kFontCount = 16;
inline constexpr std::size_t kFontNameLength = 22;

struct Psparams {
    int32_t plotUnit = 0;    // unit of the plot file (50 once a file was opened)
    int32_t fontNumber = 0;  // 1..16, index into fonts; set by the plot library's font setter
    int32_t dialect = 0;     // 1 "Compressed", 2 "NeWS", 3 "Illustrator v.2 = 88"
    int32_t pageNumber = 0;
    bool pathPending = false;  // a path begun by a move is not yet stroked
    float textHeight = 0.0f;   // points
    // The names that select the 16 fonts in the file's dialect, 22 characters each.
    std::array<std::string, kFontCount> fonts = [] {
        std::array<std::string, kFontCount> f;
        f.fill(std::string(kFontNameLength, ' '));
        return f;
    }();
    std::string orientation = "   ";  // "P  ", "LUS" or "LA4"
};
inline Psparams psparams;

}  // namespace tensova

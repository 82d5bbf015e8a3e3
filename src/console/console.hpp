#pragma once
// Console state and the console line builder.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "console/units.hpp"

namespace tensova {

// The console state: which units the prompts read and write, three flags and the three output
// levels. Written only by initsio, the command-file start and end, and the plot open and close.
struct Iocom {
    int32_t stdIn = kKeyboardUnit;  // unit every prompt reads (the command file while one runs)
    int32_t stdOut = kConsoleUnit;  // unit of every menu, prompt and message line
    int32_t errIn = kKeyboardUnit;  // unit the pause of a box reads: always the keyboard
    int32_t errOut = kConsoleUnit;  // unit of box heads, tails and pauses
    bool plotOpen = false;          // a plot file is open
    bool cmdOpen = false;           // a command file is the standard input
    bool pauseOn = true;            // boxes end with a pause for return
    // The keyboard is a terminal (set once by initsio; only the answer source reads it).
    bool terminal = true;
    std::array<bool, 3> lwito{true, true, false};  // minimum, more, maximum output
};
inline Iocom iocom;

// Output level k (1 minimum, 2 more, 3 maximum).
inline bool lwito(int k) {
    return iocom.lwito[static_cast<std::size_t>(k - 1)];
}

// One console line: every item preceded by one blank.
std::string cline(std::initializer_list<std::string_view> items);
// The line on the standard output unit.
void wout(std::initializer_list<std::string_view> items);
// The line on the error output unit.
void werr(std::initializer_list<std::string_view> items);

// The rules of 43 characters: dashes in listings and menus, equals signs in help boxes, at signs
// around menu frames and banners, stars around error boxes.
inline constexpr std::string_view kDashes43 = "-------------------------------------------";
inline constexpr std::string_view kEquals43 = "===========================================";
inline constexpr std::string_view kAts43 = "@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@";
inline constexpr std::string_view kStars43 = "*******************************************";

}  // namespace tensova

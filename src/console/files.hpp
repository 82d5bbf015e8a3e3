#pragma once
// The file table of the run's data files, and opef2, the one way the program opens a file that
// the user names.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "console/units.hpp"

namespace tensova {

// One input slot (unit 11) and two output slots (units 21, 22): output 1 is the catalogue
// writer's file, output 2 the Si-Sh file. Slot k, counted from 1, is index k-1 here. Names and
// explanations are 40 characters.
struct Fiocom {
    int32_t nin = 0;                      // input slots in use (0 or 1)
    int32_t nout = 0;                     // output slots in use (0 to 2)
    std::array<int32_t, 1> iuin{11};      // input units
    std::array<int32_t, 2> iouf{21, 22};  // output units
    std::array<bool, 1> iopin{false};     // input open flags
    std::array<bool, 2> iopou{false, false};
    std::array<std::string, 1> infnam{std::string(40, ' ')};
    std::array<std::string, 2> oufnam{std::string(40, ' '), std::string(40, ' ')};
    std::array<std::string, 1> infexpl{std::string(40, ' ')};
    std::array<std::string, 2> oufexpl{std::string(40, ' '), std::string(40, ' ')};
};
inline Fiocom fiocom;

void initfio(int32_t nin, int32_t nout);
void listfio();
// Opens input slot k (status old) / output slot k (status new) through opef2.
void opefin(int32_t k, std::string_view expl, int32_t imode);
void opefou(int32_t k, std::string_view expl, int32_t imode);
// Close input slot k / output slot k. False when the file's last data could not be written.
bool clofin(int32_t k);
bool clofou(int32_t k);

// Opens unit iu. imode 0 asks for the name: at the keyboard " Choose" and the question, then
// the name typed (the current name as default); in a command file its next line. Any other
// imode uses fname as given. A failed open is retried with imode 0 and ends the run otherwise.
// fname (its size is its declared length) receives the name opened. Returns only with the file
// open. With status Unknown, `replaceable` (when not empty) holds how the files that the output
// may replace without a question begin: any other existing file is kept as status New keeps it
// (asked about at the keyboard, refused in a command file).
void opef2(std::string& fname, std::string_view expl, int32_t iu, OpenStatus status, int32_t imode,
           std::span<const std::string> replaceable = {});

}  // namespace tensova

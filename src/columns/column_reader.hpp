#pragma once
// The column file reader: opens a column file, sets up its header lines and the correspondence
// of its columns with the caller's variables, and reads its records into the caller's array.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tensova {

// Reads the column file fname (an even mode lets the user choose it; description says what it
// is) on unit iu into rdat, an array of ndim1 rows and ndim2 columns (ndim2 at least 1) stored
// column by column: record k fills row k, in the array columns jacol that the variables name.
// The header settings and the correspondence (nvar variables; jacol, jfcol and varnam hold the
// same number of entries) are set up by set-up mode and left in the arguments; rvarcolnam
// (ndim2 entries) names the file column that fills each array column; ilevel is the edit level
// of the correspondence. title receives the file's title, nread the records stored, ncolmax
// the highest array column in use. When a stage fails, a recovery menu offers the same file
// again, another file, or the exit. Modes 4 and 5 only set the defaults and open no file.
// Returns 0 when data were read (or in modes 4 and 5), 1 when the user left without data; the
// array and nread are then as they were, and after a refused file every other argument and the
// reader's settings too. A refused file ends piped answers and a command file.
int32_t readreal6(std::string& title, std::string& fname, std::string_view description, int32_t iu,
                  int32_t& ndisp, int32_t& iskip, int32_t& ititle, int32_t& iheader,
                  std::span<int32_t> jacol, std::span<int32_t> jfcol, std::span<std::string> varnam,
                  int32_t& nvar, std::span<float> rdat, std::span<std::string> rvarcolnam,
                  int32_t& nread, int32_t& ncolmax, int32_t ndim1, int32_t ndim2, int32_t ilevel,
                  int32_t inter);

// Reads the records of the file open on unit iu by the stored settings and closes it. Returns
// 0, 2 when an array column had to be lowered (the data are read all the same), or 1 when the
// read failed: the file is then rewound and left open, rdat and nread untouched.
int32_t getfreal(int32_t& nread, int32_t& ncolmax, std::span<float> rdat, int32_t ndim1,
                 int32_t ndim2, const std::string& fname, int32_t iu, int32_t inter);

}  // namespace tensova

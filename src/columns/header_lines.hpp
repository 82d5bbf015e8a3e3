#pragma once
// The header lines of a column file: how many there are, which holds the title and which the
// column names. Every reader here leaves the file rewound, except when it is told that there is
// no such line and reads nothing.

#include <cstdint>
#include <span>
#include <string>

namespace tensova {

// The header set-up by set-up mode; an even mode shows the first lines of the file on unit iu
// and the header menu until 99. Returns 1 when the last display of the file failed, else 0.
// The four settings are stored and left in the arguments.
int32_t sfheader1(int32_t& ndisp, int32_t& iskip, int32_t& ititle, int32_t& iheader,
                  const std::string& fname, int32_t iu, int32_t inter);

// Shows lines 1 to ndisp of the file on unit iu, each tagged by the settings; 1 when the file
// ended or failed first.
int32_t showfhead1(const std::string& fname, int32_t iu, int32_t ndisp, int32_t iskip,
                   int32_t ititle, int32_t iheader);

// Reads the title (the first free-format value of line ititle) into title, at its length;
// "Untitled" when there is none. An odd iflag keeps the success report silent. Returns 0, 1
// when the title line could not be read, 2 when a line before it could not.
int32_t getftitle1(std::string& title, const std::string& fname, int32_t iu, int32_t ititle,
                   int32_t iflag);

// Reads names 1 to nfc (free format from line iheader on, each at its length), after giving
// them the defaults "File.col." and their number. ilist 0 lists them. Returns 0, 1 when the
// names could not be read, 2 when a line before them could not.
int32_t getfnamcol(std::span<std::string> names, int32_t nfc, const std::string& fname, int32_t iu,
                   int32_t iheader, int32_t ilist);

}  // namespace tensova

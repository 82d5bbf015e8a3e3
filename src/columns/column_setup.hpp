#pragma once
// Settings of the column file reader, kept for the whole run, and the texts its dialogs share.
//
// A column file is a few header lines (one may hold a quoted title, one the quoted names of the
// columns), then one record of free-format numbers per row of the caller's array.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tensova {

// Variables and file columns a column file can have.
constexpr int32_t kMaxColumns = 99;
// Length of the variable and file-column names kept here.
constexpr std::size_t kColumnNameLength = 11;

inline std::array<std::string, kMaxColumns> blankColumnNames() {
    std::array<std::string, kMaxColumns> names;
    names.fill(std::string(kColumnNameLength, ' '));
    return names;
}

// Zero and blank until the first call of the reader fills it.
struct Readrealsetup {
    int32_t ndisp = 0;                         // file lines the header dialog shows
    int32_t iskip = 0;                         // header lines before the data
    int32_t ititle = 0;                        // line of the title, 0 = none
    int32_t iheader = 0;                       // line of the column names, 0 = none
    std::array<int32_t, kMaxColumns> jcol{};   // array column that each variable fills
    std::array<int32_t, kMaxColumns> jfcol{};  // file column that each variable comes from
    int32_t nvar = 0;                          // variables in use
    int32_t nfcol = 0;                         // values per record: the highest file column used
    std::array<float, kMaxColumns> rr{};       // the last record read, by file column
    std::array<std::string, kMaxColumns> namvar = blankColumnNames();
    std::array<std::string, kMaxColumns> namfcol = blankColumnNames();
};
inline Readrealsetup readrealsetup;

// An integer of a counted line: right-aligned in 3 columns.
std::string counted(int32_t v);

// The prefix followed by k in its own digits (two at most), at length n: "File.col.7".
std::string numberedName(std::string_view prefix, int32_t k, std::size_t n);

// The text with every control character but the tab shown as '?': what a file holds never
// drives the terminal.
std::string printable(std::string_view text);

}  // namespace tensova

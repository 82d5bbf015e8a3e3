#pragma once
// Which file column each variable of a column file comes from, and which column of the caller's
// array it fills.

#include <cstdint>
#include <span>
#include <string>

namespace tensova {

// Sets up the correspondence of nvar variables by set-up mode, checks it against the limits
// (file columns 1 to 99, array columns 1 to ndim2, at most 99 variables and no more than the
// three arrays hold), reads the column names of the file open on unit iu, and in an even mode
// lets the user change what edit level ilevel allows (1 file columns, 2 array columns too, 3
// names too, 4 the number of variables too; others nothing) until 99. The result is stored and
// left in the arguments; namrcol (ndim2 entries, ndim2 at least 1) receives the name of the file
// column that fills each array column. Returns 1 when the title or the column names could not be
// read, else 0.
int32_t scol2var2(std::span<int32_t> jcola, std::span<int32_t> jfcola,
                  std::span<std::string> namvara, int32_t& nvar, std::span<std::string> namrcol,
                  int32_t& ncolmax, int32_t ndim2, const std::string& fname, int32_t iu,
                  int32_t ilevel, int32_t inter);

}  // namespace tensova

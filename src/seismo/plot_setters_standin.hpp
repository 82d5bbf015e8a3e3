#pragma once
// STAND-IN, to be replaced by the plot library's attribute setters: the silent read (mode 3)
// and the silent set (mode 1) of the symbol type, text angle and text justification, straight
// on the attribute blocks. Other modes do nothing here.

#include <cstdint>

#include "plot/plot_blocks.hpp"
#include "postscript/ps_attributes.hpp"

namespace tensova {

inline void ssymboltype(int32_t& itype, int32_t inter) {
    if (inter == 3) itype = plt2blk.symbtype;
    if (inter == 1) plt2blk.symbtype = itype;
}

inline void stextangle(float& angle, int32_t inter) {
    if (inter == 3) angle = psattributes.txtangle;
    if (inter == 1) psattributes.txtangle = angle;
}

inline void stextalign(int32_t& just, int32_t inter) {
    if (inter == 3) just = psattributes.justif;
    if (inter == 1) psattributes.justif = just;
}

}  // namespace tensova

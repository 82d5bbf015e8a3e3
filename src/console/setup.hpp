#pragma once
// The set-up mode (`inter`) that every routine owning settings takes: 0 and 1 start from the
// caller's values, 2 and 3 from the stored values, 4 and 5 from the built-in defaults; an even
// mode then lets the user change them, an odd mode is silent. Each routine keeps its own
// documented exceptions on top of these.
//
// A few routines take modes 6 to 9 as well, even again opening the dialog and odd silent:
// - the subplot scalings (`sus2cm1`, `sus2cm3`) and the subplot selector (`ssubplot`): 6 and 7
//   are 4 and 5 for all 35 subplots at once;
// - the plot parameters (`splotparam2`, 0 to 9): 4, 5, 8 and 9 reset the angle constants, every
//   subplot's scaling and the colour table; 6 and 7 keep the scaling and refresh its map to the
//   device; 4 to 7 also reset the drawing attributes while the plot file is open (8 and 9 keep
//   them). Opening a plot file calls it in 7;
// - the stereonet projection and nets (`sspro`, `sschmidt`, `swulf`): 6 and 7 start from the
//   defaults, as 4 and 5 do; the sheet's frame (`srepstereo0`) gives its labels 3 to 6 their
//   defaults in 6 and 7 too, and keeps the rest;
// - the curve parameters (`scall`): 6 lists the values in force and asks nothing; the running
//   point's count (`scptnp`) takes the caller's count in 6 and 7 without the one-point warning.

#include <cstdint>

namespace tensova {

inline bool startsFromCaller(int32_t inter) {
    return inter == 0 || inter == 1;
}
inline bool startsFromStored(int32_t inter) {
    return inter == 2 || inter == 3;
}
inline bool startsFromDefaults(int32_t inter) {
    return inter == 4 || inter == 5;
}
inline bool isDialog(int32_t inter) {
    return inter % 2 == 0;
}

}  // namespace tensova

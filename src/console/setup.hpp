#pragma once
// The set-up mode (`inter`) that every routine owning settings takes: 0 and 1 start from the
// caller's values, 2 and 3 from the stored values, 4 and 5 from the built-in defaults; an even
// mode then lets the user change them, an odd mode is silent. Each routine keeps its own
// documented exceptions on top of these.

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

#pragma once
// The projection's own set-up dialogs: the reference ellipsoid and the centre of the oblique
// projections. Each follows the set-up modes (0/1 the caller's values, 2/3 the stored ones,
// 4/5 the defaults; even modes open the dialog) and leaves the result in its arguments.

#include <cstdint>

namespace tensova {

// The ellipsoid (1 to 9, GRS80 by default): its menu, the summary of the one chosen (in every
// mode), and the derived constants of the ellipsoid block.
void sellipsoid(int32_t& iell, int32_t mode);

// The centre of the oblique projections (degrees; (0, 45) by default), and the rotation that
// takes it to the north pole, left in the frame-change matrix.
void soblique(float& lon, float& lat, int32_t mode);

}  // namespace tensova

#pragma once
// The projection's own set-up dialogs: the reference ellipsoid, the centre of the oblique
// projections, the map origin and the one-angle parameters. Each follows the set-up modes (0/1
// the caller's values, 2/3 the stored ones, 4/5 the defaults; even modes open the dialog) and
// leaves the result in its arguments, in degrees. Latitudes typed at a prompt are held to
// [-90, 90].

#include <cstdint>

namespace tensova {

// The ellipsoid (1 to 9, GRS80 by default): its menu, the summary of the one chosen (in every
// mode), and the derived constants of the ellipsoid block.
void sellipsoid(int32_t& iell, int32_t mode);

// The centre of the oblique projections (degrees; (0, 45) by default), and the rotation that
// takes it to the north pole, left in the frame-change matrix.
void soblique(float& lon, float& lat, int32_t mode);

// The map origin (degrees; (0, 45) by default): projected with the current projection and its
// parameters, its plane coordinates become the offsets every projection subtracts, so that the
// origin lands at (0, 0). An origin that cannot be projected leaves the offsets at zero.
void sllorig(float& lon, float& lat, int32_t mode);

// One angle each (degrees): the central longitude (0), the true-scale meridian of the modified
// polyconic (0), the first and second latitude (30, 60) and the central angle (180).
void slong1(float& value, int32_t mode);
void slong2(float& value, int32_t mode);
void slat1(float& value, int32_t mode);
void slat2(float& value, int32_t mode);
void sangle1(float& value, int32_t mode);

// The picture of a globe above a map, shown with the projection menu.
void screenproj();

}  // namespace tensova

#pragma once
// The meridian arc from the equator on the current ellipsoid of equatorial radius 1, for a
// latitude whose sine and cosine the caller already has.

namespace tensova {

float meridianArc(float phi, float sinPhi, float cosPhi);

}  // namespace tensova

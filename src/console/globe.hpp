#pragma once
// Coordinates in degrees, typed or read from a file, are held to the globe: a latitude to
// [-90, 90], a longitude to [-360, 360]. A frame runs east from either bound (170 -170 is
// 170..190), so a longitude needs a turn either way; farther out a single-precision sine has
// few digits left, and at 1e30 none.

#include <string>
#include <string_view>

namespace tensova {

inline constexpr float kLatitudeLimit = 90.0f;
inline constexpr float kLongitudeLimit = 360.0f;

// Whether the value lies in [-limit, limit] (a latitude's or a longitude's).
bool onGlobe(float degrees, float limit);
// The range as the bounded prompts show it: "[-90.000, 90.000]".
std::string globeRange(float limit);

// Bounded prompts with a default for a latitude and a longitude in degrees: the range is shown
// with the question, and a value outside it is refused.
void inlatitudedef(float& lat, std::string_view text, float def);
void inlongitudedef(float& lon, std::string_view text, float def);

}  // namespace tensova

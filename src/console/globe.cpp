#include "console/globe.hpp"

#include "console/prompts.hpp"

namespace tensova {

bool onGlobe(float degrees, float limit) {
    return -limit <= degrees && degrees <= limit;
}

std::string globeRange(float limit) {
    return "[" + realRange(-limit, limit) + "]";
}

void inlatitudedef(float& lat, std::string_view text, float def) {
    inrealvindef(lat, text, def, -kLatitudeLimit, kLatitudeLimit);
}

void inlongitudedef(float& lon, std::string_view text, float def) {
    inrealvindef(lon, text, def, -kLongitudeLimit, kLongitudeLimit);
}

}  // namespace tensova

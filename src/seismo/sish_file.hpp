#pragma once
// The Si-Sh file: the stress directions of each mapped event as fixed-width text of 109
// columns, one header line per map run, then one record per event. A number too wide for its
// field fills the field with asterisks, so that every line keeps its columns.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tensova {

inline constexpr std::size_t kSishWidth = 109;

// What one record shows of an event.
struct SishEvent {
    std::string_view date;  // as stored, shown in 10 columns
    std::string_view time;
    float lat = 0.0f;  // degrees
    float lon = 0.0f;
    float depth = 0.0f;   // km
    float strike = 0.0f;  // degrees, of the nodal plane mapped
    float dip = 0.0f;
    float rake = 0.0f;
    std::array<float, 3> az{};  // S1, S2, S3: azimuths and plunges, radians
    std::array<float, 3> pl{};
    int32_t isv = 0;       // index of the vertical axis, shown without its sign
    float azshmax = 0.0f;  // radians; shown in degrees within [0, 180)
};

// The column titles.
const std::string& sishHeader();
// The record of one event, appended to `out`.
void appendSishRecord(std::string& out, const SishEvent& e);

}  // namespace tensova

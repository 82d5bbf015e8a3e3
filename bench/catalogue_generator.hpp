#pragma once
// Synthetic catalogues for benchmarks: valid ndk or dek files of any size. Each event has a
// random double-couple-like source whose moment tensor, principal axes and two nodal planes
// agree (up to the decimals of the layout), a small CLVD part, and a unique event name.

#include <cstdint>
#include <string>

#include "catalogue/record_layout.hpp"

namespace tensova::bench {

// Events are one hour and seven minutes apart from 1950 on, so that names built from the date
// (ndk: to the minute; dek: the day and a letter) stay unique up to this many events.
constexpr int64_t kMaxGeneratedEvents = 780000;

// The catalogue text of n events in the layout, the same for the same seed.
std::string generateCatalogue(int64_t n, const RecordLayout& layout, uint32_t seed = 1);

// Writes it to a file; false when the file cannot be written.
bool writeCatalogue(const std::string& path, int64_t n, const RecordLayout& layout,
                    uint32_t seed = 1);

}  // namespace tensova::bench

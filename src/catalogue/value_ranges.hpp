#pragma once
// Values that no event can have: a latitude beyond a pole, a longitude beyond a turn, a month 14,
// a day 32, an hour 24, a minute 73, a second 61. Such records are read and kept as they stand;
// the read only tells where they are.

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/record_layout.hpp"
#include "catalogue/store.hpp"

namespace tensova {

struct OutOfRange {
    int32_t event;  // record number in the file, from 1
    int32_t line;   // line of the file
    std::string field;
    std::string value;  // as the file holds it
};

// The values out of range found by a read: the first few in full, and how many in all.
struct OutOfRangeList {
    static constexpr std::size_t kShown = 20;  // a screenful
    std::vector<OutOfRange> shown;
    int32_t count = 0;
    void add(OutOfRange v);
};

// Checks the hypocentre's date, time and place and the centroid's place of event index k, read
// with the layout as record `event` from line `firstLine` on.
void checkValueRanges(const RecordLayout& layout, const Gcmtblk& store, int32_t k, int32_t event,
                      int32_t firstLine, OutOfRangeList& found);

}  // namespace tensova

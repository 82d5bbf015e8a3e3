#pragma once
// One read of a catalogue file into the store: every complete record is read straight into the
// next free slot, tested, given its quality values, and kept by advancing the slot. A refused
// record is overwritten by the next one.

#include <cstdint>

#include "catalogue/record_layout.hpp"
#include "console/text.hpp"

namespace tensova {

// Smallest and largest latitude, longitude and depth of a set of records; a value no record
// changed keeps its start value.
struct Extremes {
    float latMin = 10000.0f, latMax = -10000.0f;
    float lonMin = 10000.0f, lonMax = -10000.0f;
    float depMin = 10000.0f, depMax = -10000.0f;
    void include(float lat, float lon, float dep);
};

enum class ReadEnd {
    EndOfFile,  // the file ended, possibly inside a record that then does not count
    StoreFull,  // the store's last slot was filled; the rest of the file is not read
    BadRecord,  // a line could not be read or a numeric field is not a number
};

struct ReadOutcome {
    ReadEnd end = ReadEnd::EndOfFile;
    int32_t records = 0;    // complete records read (0 after a bad record)
    int32_t badRecord = 0;  // number of the record that could not be read, from 1
    Extremes read;          // over the records read
    Extremes kept;          // over the records kept
};

// Reads the file open on `unit` with the layout into gcmtblk, from its first slot on. Sets the
// data type first and the event count at the end; a bad record empties the store (count and
// data type 0). Progress lines: one per record read when showAll is on, else one per record
// kept when showKept is on. Warnings about quality values name `reporter`.
ReadOutcome readCatalogue(const RecordLayout& layout, int32_t unit, bool showAll, bool showKept,
                          const Stamp& reporter);

// A line of the progress table: the record number and the slot number, between bars.
void progressLine(std::string_view record, std::string_view slot);

}  // namespace tensova

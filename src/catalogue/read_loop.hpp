#pragma once
// One read of a catalogue file into the store: every complete record is read straight into the
// next free slot, tested, given its quality values, and kept by advancing the slot. A refused
// record is overwritten by the next one.

#include <cstdint>

#include "catalogue/record_layout.hpp"
#include "catalogue/value_ranges.hpp"
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
    StoreFull,  // the store's last slot was filled and the file holds more
    BadRecord,  // a line could not be read or a numeric field is not a number
};

// What was wrong with the line of a bad record.
enum class BadLine {
    Field,       // a numeric field is not a number
    TooLong,     // far longer than any record line
    Blank,       // a blank line inside a record
    Unreadable,  // the file system could not read it
};

// Longer lines are no record lines, whatever they hold.
constexpr std::size_t kLongestLine = 1000;

struct ReadOutcome {
    ReadEnd end = ReadEnd::EndOfFile;
    int32_t records = 0;    // complete records read (0 after a bad record)
    int32_t badRecord = 0;  // number of the record that could not be read, from 1
    // The line of the file (from 1) where the read stopped: the bad line; the first line of an
    // incomplete last record (0 when the last record was complete); the last line read into a
    // full store.
    int32_t line = 0;
    BadLine bad = BadLine::Field;
    const RecordField* badField = nullptr;  // the field that is not a number
    Extremes read;                          // over the records read
    Extremes kept;                          // over the records kept
    OutOfRangeList outOfRange;              // values no event can have, kept as read
};

// Reads the file open on `unit` with the layout into gcmtblk, from its first slot on. Sets the
// data type first and the event count at the end; a bad record empties the store (count and
// data type 0). Blank lines where a record would begin are passed over. Progress lines: one per
// record read when showAll is on, else one per record kept when showKept is on. Warnings about
// quality values name `reporter`.
ReadOutcome readCatalogue(const RecordLayout& layout, int32_t unit, bool showAll, bool showKept,
                          const Stamp& reporter);

// A line of the progress table: the record number and the slot number, between bars.
void progressLine(std::string_view record, std::string_view slot);

}  // namespace tensova

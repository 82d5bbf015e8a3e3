#pragma once
// The writers of the catalogue store: dek and ndk catalogue files (here) and the tables
// (tables.hpp). Each writes the whole store to an output file of the file table that is
// already open, and tells whether every record reached the file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/record_layout.hpp"
#include "console/text.hpp"
#include "console/units.hpp"

namespace tensova {

// The catalogue writer's version stamp, shown by its menu, its writers and its boxes.
inline const Stamp kGcmtwrite("gcmtwrite  ", " 2.2", "22-09-2009");

struct WriteOutcome {
    bool complete = true;  // every record written and flushed to the file
    // Events written; on a failure the first event that the file does not hold whole (from 1),
    // or 0 when it lacks a record written before the events (a table's title or names).
    int32_t event = 0;
    int32_t saved = 0;  // events the file holds whole
    // Every record reached the file, but closing it failed: no record can be named.
    bool atFlush = false;
};

// Writes the store as a catalogue file in the layout (four lines per event for dek, five for
// ndk) to output file ifile (from 1). Stops at the first record the file refuses.
WriteOutcome writeCatalogueFile(const RecordLayout& layout, int32_t ifile);

// Shared by every writer: the console lines before the first record, naming the file and the
// form written.
void announceWriting(int32_t ifile, std::string_view form);
// Writes one record (one line) on the unit and marks its end; false when the file has refused
// it.
bool writeRecord(UnitRecords& records, int32_t unit, std::string_view record);

// The text a writer makes of each event: every value has its fixed place in it, so the rest
// (blanks, separators, line ends) is the same for all events.
struct EventForm {
    struct Value {
        const RecordField* field;
        std::size_t at;  // where the value begins in the text
        int width;
    };
    std::string text;  // with blanks where the values go
    std::vector<Value> values;
    AngleEdit angles = AngleEdit::Truncated;
};

// Writes every event of the store in the form on the unit, then flushes it. Stops at the first
// event the file refuses. `records` holds the records written before the events.
WriteOutcome writeEvents(int32_t unit, const EventForm& form, UnitRecords& records);

}  // namespace tensova

#pragma once
// The writers of the catalogue store: dek and ndk catalogue files (here) and the tables
// (tables.hpp). Each writes the whole store to an output file of the file table that is
// already open, and tells whether every record reached the file.

#include <cstdint>
#include <string_view>

#include "catalogue/record_layout.hpp"
#include "console/text.hpp"

namespace tensova {

// The catalogue writer's version stamp, shown by its menu, its writers and its boxes.
inline const Stamp kGcmtwrite("gcmtwrite  ", " 2.2", "22-09-2009");

struct WriteOutcome {
    bool complete = true;  // every record written and flushed to the file
    int32_t event = 0;     // events written; on a failure the event being written (from 1)
};

// Writes the store as a catalogue file in the layout (four lines per event for dek, five for
// ndk) to output file ifile (from 1). Stops at the first record the file refuses.
WriteOutcome writeCatalogueFile(const RecordLayout& layout, int32_t ifile);

// Shared by every writer: the console lines before the first record, naming the file and the
// form written.
void announceWriting(int32_t ifile, std::string_view form);
// Writes one record (one line) on the unit; false when the file has refused it.
bool writeRecord(int32_t unit, std::string_view record);
// After the last record: false when the data held back in the buffer cannot reach the file.
bool finishWriting(int32_t unit);

}  // namespace tensova

#pragma once
// Tables of the catalogue store: TAB-separated text with a title record holding the file's name,
// a record of quoted column names and one record per event, in the column order of the dek or
// ndk format, each ending with the three values the reader computes (Fclvd, Erel, Nfree).

#include <cstdint>

#include "catalogue/catalogue_writers.hpp"

namespace tensova {

// Writes the store as a table in the order of the layout's format (62 columns for dek, 70 for
// ndk) to output file ifile (from 1), after what the file already holds. Stops at the first
// record the file refuses; a failure before the first event record reports event 0.
WriteOutcome writeCatalogueTable(const RecordLayout& layout, int32_t ifile);

}  // namespace tensova

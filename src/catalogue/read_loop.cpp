#include "catalogue/read_loop.hpp"

#include <string>

#include "catalogue/quality_values.hpp"
#include "catalogue/selection_tests.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/units.hpp"

namespace tensova {
namespace {

void bound(float v, float& lo, float& hi) {
    if (v > hi) hi = v;
    if (lo > v) lo = v;
}

enum class RecordRead { Complete, EndOfFile, Bad };

RecordRead readRecord(const RecordLayout& layout, int32_t unit, Gcmtblk& store, int32_t k,
                      std::string& line) {
    for (const RecordLine& l : layout.lines) {
        switch (unitReadLine(unit, line)) {
            case ReadResult::Ok:
                break;
            case ReadResult::Eof:
                return RecordRead::EndOfFile;
            case ReadResult::Error:
                return RecordRead::Bad;
        }
        // A last line that stops short of its last column at the end of the file is the
        // remnant of a cut file: the event is incomplete, not a record with blank fields.
        if (!unitLineTerminated(unit) && static_cast<int32_t>(line.size()) < l.width)
            return RecordRead::EndOfFile;
        if (!readRecordLine(l, line, store, k)) return RecordRead::Bad;
    }
    return RecordRead::Complete;
}

}  // namespace

void Extremes::include(float lat, float lon, float dep) {
    bound(lat, latMin, latMax);
    bound(lon, lonMin, lonMax);
    bound(dep, depMin, depMax);
}

void progressLine(std::string_view record, std::string_view slot) {
    wout({"|", record, "|", slot, "|"});
}

ReadOutcome readCatalogue(const RecordLayout& layout, int32_t unit, bool showAll, bool showKept,
                          const Stamp& reporter) {
    Gcmtblk& store = gcmtblk;
    ReadOutcome out;
    store.dataType = layout.dataType;
    store.count = 0;
    std::string line;
    line.reserve(128);
    int32_t record = 1;
    int32_t slot = 1;
    for (;;) {
        const int32_t k = slot - 1;
        const auto i = static_cast<std::size_t>(k);
        const RecordRead r = readRecord(layout, unit, store, k, line);
        if (r == RecordRead::EndOfFile) break;
        if (r == RecordRead::Bad) {
            store.count = 0;
            store.dataType = kNoData;
            out.end = ReadEnd::BadRecord;
            out.badRecord = record;
            return out;
        }
        if (showAll) progressLine(fmtI(record, 7), fmtI(slot, 7));
        out.read.include(store.rlat[i], store.rlong[i], store.depth[i]);
        if (passesLocationAndRake(store, k)) {
            deriveQuality(store, k, reporter);
            if (passesQuality(store, k)) {
                if (showKept && !showAll) progressLine(fmtI(record, 7), fmtI(slot, 7));
                out.kept.include(store.rlat[i], store.rlong[i], store.depth[i]);
                ++slot;
            }
        }
        ++record;
        if (slot > kCapacity) {
            out.end = ReadEnd::StoreFull;
            break;
        }
    }
    out.records = record - 1;
    store.count = slot - 1;
    return out;
}

}  // namespace tensova

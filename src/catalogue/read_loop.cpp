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

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The lines of the file, counted by its unit.
struct CountedLines {
    int32_t unit;
    ReadResult next(std::string& line) { return unitReadLine(unit, line); }
    int32_t number() const { return unitLineNumber(unit); }  // of the last line read
};

enum class RecordRead { Complete, EndOfFile, Bad };

// Reads the record of event index k; `first` receives the number of its first line (0 when the
// file ended before it).
RecordRead readRecord(const RecordLayout& layout, CountedLines& in, Gcmtblk& store, int32_t k,
                      std::string& line, int32_t& first, ReadOutcome& out) {
    first = 0;
    const auto bad = [&](BadLine why) {
        out.line = in.number();
        out.bad = why;
        return RecordRead::Bad;
    };
    for (const RecordLine& l : layout.lines) {
        ReadResult r = in.next(line);
        // Blank lines where a record would begin (between two catalogues run together, or at
        // the end) are passed over.
        while (first == 0 && r == ReadResult::Ok && blank(line)) r = in.next(line);
        if (r == ReadResult::Eof) return RecordRead::EndOfFile;
        if (first == 0) first = in.number();
        if (r == ReadResult::Error) return bad(BadLine::Unreadable);
        if (line.size() > kLongestLine) return bad(BadLine::TooLong);
        // A last line that stops short of its last column at the end of the file is the
        // remnant of a cut file: the event is incomplete, not a record with blank fields.
        if (!unitLineTerminated(in.unit) && static_cast<int32_t>(line.size()) < l.width)
            return RecordRead::EndOfFile;
        if (blank(line)) return bad(BadLine::Blank);
        if (!readRecordLine(l, line, store, k, &out.badField)) return bad(BadLine::Field);
    }
    return RecordRead::Complete;
}

// After the store's last slot: whether the file holds anything more than blank lines.
bool moreData(CountedLines& in, std::string& line) {
    for (;;) {
        const ReadResult r = in.next(line);
        if (r == ReadResult::Eof) return false;
        if (r != ReadResult::Ok || !blank(line)) return true;
    }
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
    CountedLines in{unit};
    int32_t record = 1;
    int32_t slot = 1;
    for (;;) {
        const int32_t k = slot - 1;
        const auto i = static_cast<std::size_t>(k);
        int32_t first = 0;
        const RecordRead r = readRecord(layout, in, store, k, line, first, out);
        if (r == RecordRead::EndOfFile) {
            out.line = first;
            break;
        }
        if (r == RecordRead::Bad) {
            store.count = 0;
            store.dataType = kNoData;
            out.end = ReadEnd::BadRecord;
            out.badRecord = record;
            out.outOfRange = {};
            return out;
        }
        checkValueRanges(layout, store, k, record, first, out.outOfRange);
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
            const int32_t last = in.number();
            if (moreData(in, line)) {
                out.end = ReadEnd::StoreFull;
                out.line = last;
            }
            break;
        }
    }
    out.records = record - 1;
    store.count = slot - 1;
    return out;
}

}  // namespace tensova

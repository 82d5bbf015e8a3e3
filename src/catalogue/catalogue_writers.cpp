#include "catalogue/catalogue_writers.hpp"

#include <algorithm>
#include <string>

#include "catalogue/store.hpp"
#include "console/console.hpp"
#include "console/files.hpp"
#include "console/menus.hpp"
#include "console/units.hpp"

namespace tensova {

void announceWriting(int32_t ifile, std::string_view form) {
    submenuhead(kGcmtwrite);
    wout({kDashes43});
    wout({"WRITING DATA TO FILE", fiocom.oufnam[static_cast<std::size_t>(ifile - 1)]});
    wout({form});
}

bool writeRecord(UnitRecords& records, int32_t unit, std::string_view record) {
    unitWrite(unit, record);
    records.ended();
    return unitGood(unit);
}

namespace {

// What a failed writing left in the file: the buffer meets a full disk long after the record
// that did not fit, so the file, not the record being written, says how far it got.
WriteOutcome failure(const UnitRecords& records, int32_t head) {
    const UnitRecords::Cut cut = records.cutAfter(head);
    return {false, cut.first, cut.whole};
}

}  // namespace

WriteOutcome writeEvents(int32_t unit, const EventForm& form, UnitRecords& records) {
    const int32_t head = records.marked();
    // The store keeps each field of all events together: a block of events is written a field
    // at a time, over copies of the event text, and then handed to the file event by event.
    constexpr int32_t kBlock = 64;
    const std::size_t pitch = form.text.size();
    std::string block;
    block.reserve(pitch * kBlock);
    for (int32_t j = 0; j < kBlock; ++j) block += form.text;
    const Gcmtblk& store = gcmtblk;
    const int32_t count = store.count;
    for (int32_t k = 0; k < count; k += kBlock) {
        const int32_t n = std::min(kBlock, count - k);
        for (const EventForm::Value& v : form.values)
            putFieldColumn(block.data() + v.at, pitch, *v.field, store, k, n, v.width, form.angles);
        for (int32_t j = 0; j < n; ++j) {
            unitWriteRaw(
                unit, std::string_view(block).substr(static_cast<std::size_t>(j) * pitch, pitch));
            records.ended();
            if (!unitGood(unit)) return failure(records, head);
        }
    }
    // Buffered records reach the file only now: a full disk may refuse them here.
    if (!unitFlush(unit)) return failure(records, head);
    return {true, count, count};
}

WriteOutcome writeCatalogueFile(const RecordLayout& layout, int32_t ifile) {
    announceWriting(ifile, layout.dataType == kDekData ? "ORIGINAL 4 LINES dek CMT"
                                                       : "ORIGINAL 5 LINES ndk CMT");
    EventForm form;
    for (const RecordLine& line : layout.lines) {
        const std::size_t start = form.text.size();
        for (const RecordField& f : line.fields)
            form.values.push_back({&f, start + static_cast<std::size_t>(f.first - 1), f.width});
        form.text.append(static_cast<std::size_t>(line.width), ' ');
        form.text += '\n';
    }
    const int32_t unit = fiocom.iouf[static_cast<std::size_t>(ifile - 1)];
    UnitRecords records(unit);
    return writeEvents(unit, form, records);
}

}  // namespace tensova

#include "catalogue/catalogue_writers.hpp"

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

bool writeRecord(int32_t unit, std::string_view record) {
    unitWrite(unit, record);
    return unitGood(unit);
}

bool finishWriting(int32_t unit) {
    return unitFlush(unit);
}

WriteOutcome writeCatalogueFile(const RecordLayout& layout, int32_t ifile) {
    announceWriting(ifile, layout.dataType == kDekData ? "ORIGINAL 4 LINES dek CMT"
                                                       : "ORIGINAL 5 LINES ndk CMT");
    const int32_t unit = fiocom.iouf[static_cast<std::size_t>(ifile - 1)];
    const Gcmtblk& store = gcmtblk;
    const int32_t count = store.count;
    for (int32_t k = 0; k < count; ++k)
        for (const RecordLine& line : layout.lines)
            if (!writeRecord(unit, writeRecordLine(line, store, k))) return {false, k + 1};
    // Buffered records reach the file only now: a full disk may refuse them here.
    if (!finishWriting(unit)) return {false, count};
    return {true, count};
}

}  // namespace tensova

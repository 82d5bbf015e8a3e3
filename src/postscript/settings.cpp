// The settings file: one record in fixed columns, overlay flag (2-3), copies (5-7),
// orientation (9-11) and dialect (13-14), and a line of four blanks after it.

#include <algorithm>
#include <string>

#include "console/fields.hpp"
#include "console/fixed_columns.hpp"
#include "console/text.hpp"
#include "console/units.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"

namespace tensova {
namespace {

// A logical field: optional blanks, an optional point, then T or F; the rest is ignored.
bool readLogical(std::string_view field, bool& v) {
    std::size_t i = field.find_first_not_of(' ');
    if (i != std::string_view::npos && field[i] == '.') ++i;
    if (i >= field.size()) return false;
    const char c = field[i];
    if (c == 'T' || c == 't') {
        v = true;
    } else if (c == 'F' || c == 'f') {
        v = false;
    } else {
        return false;
    }
    return true;
}

bool parseRecord(std::string_view r, PsSettings& s) {
    // A short record reads as if padded with blanks.
    s.orientation = fit(fixedField(r, 9, 3), 3);
    return readLogical(fixedField(r, 2, 2), s.overlay) &&
           readFixedInt(r, 5, 3, s.copies, Blanks::Ignored) &&
           readFixedInt(r, 13, 2, s.dialect, Blanks::Ignored);
}

}  // namespace

bool readPsSettings(PsSettings& s) {
    PsSettings read;
    bool ok = false;
    if (unitOpen(kPlotUnit, std::string(kSettingsFile), OpenStatus::Old)) {
        std::string line;
        ok = unitReadLine(kPlotUnit, line) == ReadResult::Ok && parseRecord(line, read);
        unitClose(kPlotUnit);
    }
    if (!ok) {
        s = PsSettings{};
        return false;
    }
    if (read.dialect < 1 || read.dialect > 3) read.dialect = 2;
    read.copies = std::clamp(read.copies, 1, kMaxCopies);
    s = read;
    return true;
}

bool writePsSettings(const PsSettings& s) {
    // A full disk must not leave a settings file of a few bytes, which the next run would refuse.
    if (!unitOpen(kPlotUnit, std::string(kSettingsFile), OpenStatus::Whole)) return false;
    unitWrite(kPlotUnit, " " + fmtL(s.overlay, 2) + " " + fmtI(s.copies, 3) + " " +
                             fit(s.orientation, 3) + " " + fmtI(s.dialect, 2));
    unitWrite(kPlotUnit, "    ");
    return unitClose(kPlotUnit);
}

}  // namespace tensova

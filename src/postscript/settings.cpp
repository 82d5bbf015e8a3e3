// The settings file: one record in fixed columns, overlay flag (2-3), copies (5-7),
// orientation (9-11) and dialect (13-14), and a line of four blanks after it.

#include <algorithm>
#include <charconv>
#include <string>

#include "console/fields.hpp"
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

// An integer field: blanks are ignored, so an all-blank field reads as zero.
bool readInteger(std::string_view field, int32_t& v) {
    std::string digits;
    for (const char c : field)
        if (c != ' ') digits += c;
    if (digits.empty()) {
        v = 0;
        return true;
    }
    std::size_t start = 0;
    if (digits[0] == '+' || digits[0] == '-') start = 1;
    if (start == digits.size()) return false;
    for (std::size_t i = start; i < digits.size(); ++i)
        if (digits[i] < '0' || digits[i] > '9') return false;
    int64_t value = 0;
    const char* first = digits.data() + start;
    const char* last = digits.data() + digits.size();
    if (std::from_chars(first, last, value).ptr != last) return false;
    v = static_cast<int32_t>(digits[0] == '-' ? -value : value);
    return true;
}

bool parseRecord(std::string line, PsSettings& s) {
    // A short record reads as if padded with blanks.
    if (line.size() < 14) line.resize(14, ' ');
    const std::string_view r(line);
    s.orientation = std::string(r.substr(8, 3));
    return readLogical(r.substr(1, 2), s.overlay) && readInteger(r.substr(4, 3), s.copies) &&
           readInteger(r.substr(12, 2), s.dialect);
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
    if (!unitOpen(kPlotUnit, std::string(kSettingsFile), OpenStatus::Unknown)) return false;
    unitWrite(kPlotUnit, " " + fmtL(s.overlay, 2) + " " + fmtI(s.copies, 3) + " " +
                             fit(s.orientation, 3) + " " + fmtI(s.dialect, 2));
    unitWrite(kPlotUnit, "    ");
    return unitClose(kPlotUnit);
}

}  // namespace tensova

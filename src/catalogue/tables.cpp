#include "catalogue/tables.hpp"

#include <span>
#include <string>
#include <string_view>

#include "catalogue/store.hpp"
#include "console/console.hpp"
#include "console/files.hpp"

namespace tensova {
namespace {

// A table's columns are the fields of its format's records in order, then the computed
// values; only the widths of the angles may differ from the records.
struct TableForm {
    std::string_view heading;
    std::span<const std::string_view> names;  // one per field of the records
    std::span<const int> angleWidths;         // one per angle field; empty: the records' widths
};

constexpr std::string_view kComputedNames[] = {"Fclvd", "Erel", "Nfree"};

// clang-format off
constexpr std::string_view kDekNames[] = {
    "event_id", "date", "time", "latitude", "longitude", "depth", "mb", "Ms", "region",
    "esrc", "body", "#stat", "#rec", "cutoff", "mantl", "#stat", "#rec", "cutoff",
    "dtc", "cdt", "Dcdt", "clat", "Dclat", "clong", "Dclong", "cdepth", "Dcdepth",
    "durc", "hdur", "ex", "exp",
    "Mrr", "DMrr", "Mss", "DMss", "Mee", "DMee", "Mrs", "DMrs", "Mre", "DMre", "Mse", "DMse",
    "m1", "v1plge", "v1azi", "m2", "v2plge", "v2azi", "m3", "v3plge", "v3azi", "M0",
    "strike1", "dip1", "rake1", "strike2", "dip2", "rake2",
};
// Plunge, azimuth (three axes), then strike, dip, rake (two planes): wider than in the records.
constexpr int kDekAngleWidths[] = {4, 5, 4, 5, 4, 5, 5, 5, 5, 5, 5, 5};

constexpr std::string_view kNdkNames[] = {
    "hyporef", "date", "time", "latitude", "longitude", "depth", "mb", "Ms", "region",
    "cmt_id", "body", "#stat", "#rec", "cutoff", "surf", "#stat", "#rec", "cutoff",
    "mantl", "#stat", "#rec", "cutoff", "inv", "inv_type", "mt_type", "mt_dur",
    "centroid", "cdt", "Dcdt", "clat", "Dclat", "clong", "Dclong", "cdepth", "Dcdepth",
    "deptype", "stamp", "exp",
    "Mrr", "DMrr", "Mss", "DMss", "Mee", "DMee", "Mrs", "DMrs", "Mre", "DMre", "Mse", "DMse",
    "vers", "m1", "v1plge", "v1azi", "m2", "v2plge", "v2azi", "m3", "v3plge", "v3azi", "M0",
    "strike1", "dip1", "rake1", "strike2", "dip2", "rake2",
};
// clang-format on

const TableForm kDekTable{"TABULATED dek CMT ORIGINAL ORDER", kDekNames, kDekAngleWidths};
const TableForm kNdkTable{"TABULATED ndk CMT ORIGINAL ORDER", kNdkNames, {}};

constexpr char kTab = '\t';

std::string nameRecord(const TableForm& form) {
    std::string out = " ";
    auto add = [&out](std::string_view name) {
        if (out.size() > 1) out += kTab;
        out += '\'';
        out += name;
        out += '\'';
    };
    for (std::string_view name : form.names) add(name);
    for (std::string_view name : kComputedNames) add(name);
    return out;
}

// The event record: a blank, then the values apart by TABs, texts between quotes.
EventForm eventForm(const RecordLayout& layout, const TableForm& form) {
    EventForm out;
    out.angles = AngleEdit::Rounded;
    out.text = " ";
    std::size_t angle = 0;
    const auto add = [&out](const RecordField& f, int width) {
        if (out.text.size() > 1) out.text += kTab;
        const bool quoted = f.kind == FieldKind::Text;
        if (quoted) out.text += '\'';
        out.values.push_back({&f, out.text.size(), width});
        out.text.append(static_cast<std::size_t>(width), ' ');
        if (quoted) out.text += '\'';
    };
    for (const RecordLine& line : layout.lines)
        for (const RecordField& f : line.fields)
            add(f, f.kind == FieldKind::Angle && !form.angleWidths.empty()
                       ? form.angleWidths[angle++]
                       : f.width);
    for (const RecordField& f : derivedValues.fields) add(f, f.width);
    out.text += '\n';
    return out;
}

}  // namespace

WriteOutcome writeCatalogueTable(const RecordLayout& layout, int32_t ifile) {
    const TableForm& form = layout.dataType == kDekData ? kDekTable : kNdkTable;
    announceWriting(ifile, form.heading);
    wout({"+ Computed Fclvd, Erel, Nfree"});
    const auto slot = static_cast<std::size_t>(ifile - 1);
    const int32_t unit = fiocom.iouf[slot];
    UnitRecords records(unit);
    if (!writeRecord(records, unit, " '" + fiocom.oufnam[slot] + "'") ||
        !writeRecord(records, unit, nameRecord(form)))
        return {false, 0, 0};
    return writeEvents(unit, eventForm(layout, form), records);
}

}  // namespace tensova

// Catalogue records read, written by the catalogue writer, and read back: every value the
// written fields can hold comes back as it was read, and writing again gives the same file.
// Each input is tried as ndk and as dek.

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/catalogue_writers.hpp"
#include "catalogue/read_loop.hpp"
#include "catalogue/store.hpp"
#include "catalogue_input.hpp"
#include "console/fixed_columns.hpp"
#include "console/units.hpp"

namespace tensova::fuzz {
namespace {

constexpr int32_t kUnit = 11;
const Stamp kFuzz("round_trip", " 1.0", "01-01-2024");

ReadOutcome readFile(const RecordLayout& layout, const std::string& path) {
    mustHold(unitOpen(kUnit, path, OpenStatus::Old), "open");
    const ReadOutcome r = readCatalogue(layout, kUnit, false, false, kFuzz);
    unitClose(kUnit);
    return r;
}

// The lines of a file as the reader splits them: a line feed, a carriage return or both.
std::vector<std::string_view> linesOf(std::string_view s) {
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < s.size()) {
        const std::size_t end = s.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            lines.push_back(s.substr(at));
            break;
        }
        lines.push_back(s.substr(at, end - at));
        at = end + (s[end] == '\r' && end + 1 < s.size() && s[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// A real field as a writer would have written it: digits with at most `decimals` after the
// point (or none, the point implied), no exponent. Angles: a whole number.
bool heldByField(std::string_view field, const RecordField& f) {
    std::size_t b = field.find_first_not_of(' ');
    if (b == std::string_view::npos) return true;  // blank: 0
    field = field.substr(b, field.find_last_not_of(' ') - b + 1);
    std::size_t i = field[0] == '+' || field[0] == '-' ? 1 : 0;
    int digits = 0;
    int after = -1;
    for (; i < field.size(); ++i) {
        if (field[i] >= '0' && field[i] <= '9') {
            ++digits;
            if (after >= 0) ++after;
        } else if (field[i] == '.' && after < 0) {
            after = 0;
        } else {
            return false;
        }
    }
    const int decimals = f.kind == FieldKind::Angle ? 0 : f.decimals;
    return digits > 0 && after <= decimals;
}

struct Value {
    const RecordField* field;
    bool held;  // the value must come back exactly
    std::string text;
    int32_t integer = 0;
    float real = 0.0f;
};

// The element of field f for event index k in the program's store.
const char* element(const RecordField& f, int32_t k) {
    return static_cast<const char*>(f.place) + static_cast<std::ptrdiff_t>(k) * f.stride;
}
int32_t integerOf(const RecordField& f, int32_t k) {
    return *reinterpret_cast<const int32_t*>(element(f, k));
}
float realOf(const RecordField& f, int32_t k) {
    return *reinterpret_cast<const float*>(element(f, k));
}

Value valueOf(const RecordField& f, int32_t k, std::string_view line) {
    Value v{&f, true, {}};
    switch (f.kind) {
        case FieldKind::Text:
            v.text.assign(element(f, k), static_cast<std::size_t>(f.length));
            break;
        case FieldKind::Integer:
            v.integer = integerOf(f, k);
            break;
        case FieldKind::Real:
        case FieldKind::Angle:
            v.real = realOf(f, k);
            v.held = heldByField(fixedField(line, f.first, f.width), f);
            break;
    }
    return v;
}

bool sameValue(const Value& v, int32_t k) {
    const RecordField& f = *v.field;
    switch (f.kind) {
        case FieldKind::Text:
            return v.text == std::string_view(element(f, k), static_cast<std::size_t>(f.length));
        case FieldKind::Integer:
            return v.integer == integerOf(f, k);
        default:
            return !v.held || v.real == realOf(f, k);
    }
}

// A numeric field the writer had to fill with asterisks: the value does not fit its columns.
bool overflows(const RecordLayout& layout, std::string_view written) {
    const std::vector<std::string_view> lines = linesOf(written);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const RecordLine& l = layout.lines[n % layout.lines.size()];
        for (const RecordField& f : l.fields)
            if (f.kind != FieldKind::Text &&
                fixedField(lines[n], f.first, f.width).find('*') != std::string_view::npos)
                return true;
    }
    return false;
}

std::string fileText(const std::string& path) {
    std::string s;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    mustHold(f != nullptr, "written file");
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    std::fclose(f);
    return s;
}

std::string written(const RecordLayout& layout, const std::string& path) {
    ::unlink(path.c_str());
    fiocom.oufnam[0] = fit(path, 40);
    opefou(1, "catalogue output", 1);
    mustHold(writeCatalogueFile(layout, 1).complete, "writing");
    mustHold(clofou(1), "closing the written file");
    return fileText(path);
}

void roundTrip(const RecordLayout& layout, std::string_view bytes) {
    const std::string in = scratchFile("in");
    const std::string out = scratchFile("out");
    writeFile(in, bytes);
    console();
    const ReadOutcome first = readFile(layout, in);
    const int32_t count = gcmtblk.count;
    if (first.end != ReadEnd::EndOfFile || count == 0) return;
    mustHold(count == first.records, "every record kept");

    // What was read, record by record, with the line each field came from.
    const std::vector<std::string_view> lines = linesOf(bytes);
    std::vector<Value> values;
    std::size_t at = 0;
    for (int32_t k = 0; k < count; ++k) {
        while (blank(lines.at(at))) ++at;
        for (const RecordLine& l : layout.lines) {
            for (const RecordField& f : l.fields) values.push_back(valueOf(f, k, lines.at(at)));
            ++at;
        }
    }

    const std::string once = written(layout, out);
    const ReadOutcome again = readFile(layout, out);
    if (overflows(layout, once)) {
        mustHold(again.end == ReadEnd::BadRecord && again.bad == BadLine::Field &&
                     again.badField->kind != FieldKind::Text,
                 "a field of asterisks is a read error");
        return;
    }
    mustHold(again.end == ReadEnd::EndOfFile && again.line == 0, "the written file reads whole");
    mustHold(gcmtblk.count == count, "as many records back");
    std::size_t v = 0;
    for (int32_t k = 0; k < count; ++k)
        for (const RecordLine& l : layout.lines)
            for (std::size_t n = 0; n < l.fields.size(); ++n, ++v)
                mustHold(sameValue(values[v], k), "the same " + fieldName(*values[v].field));
    mustHold(written(layout, out) == once, "the same file written again");
}

}  // namespace
}  // namespace tensova::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tensova;
    fuzz::catalogueSetUp();
    seistest2.ltest = false;  // every record is kept and written
    fuzz::roundTrip(ndkLayout, fuzz::text(data, size));
    fuzz::roundTrip(dekLayout, fuzz::text(data, size));
    return 0;
}

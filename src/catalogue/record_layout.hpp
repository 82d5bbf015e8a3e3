#pragma once
// The two catalogue record layouts, ndk (five lines per event) and dek (four), as tables: one
// entry per field with its columns, kind and the store member it fills. The reader reads a
// record line through the table, and a writer writes one through the same table, so the two
// can never disagree on a column.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/store.hpp"

namespace tensova {

enum class FieldKind : uint8_t {
    Text,     // characters as they stand
    Integer,  // whole number
    Real,     // real with implied decimals
    Angle,    // real read with no implied decimals, written as its value truncated to a whole
};

// One field of a record line and the store member it fills.
struct RecordField {
    int16_t first;  // first column, from 1
    int16_t width;  // columns
    FieldKind kind;
    int8_t decimals;  // Real: decimals written, and implied when the field has no point
    int16_t length;   // Text: length of the store member (at least width)
    // The member's element of event 0 in the program's store (gcmtblk), and the bytes from one
    // event's element to the next: every store keeps its members at the same places.
    const void* place;
    int32_t stride;
    const char* name;  // numbers: the store member
    const char* part;  // the axis, plane or component of the member, or null
};

struct RecordLine {
    std::span<const RecordField> fields;
    int32_t width;  // columns a written line has
};

struct RecordLayout {
    std::string_view name;  // "ndk" or "dek"
    int32_t dataType;       // kNdkData or kDekData
    std::span<const RecordLine> lines;
};

extern const RecordLayout ndkLayout;
extern const RecordLayout dekLayout;
// The values the reader derives for an event (fclvd, erelm, nmfree) as a line of their own.
extern const RecordLine derivedValues;

// Reads one line of a record into event index k. False when a numeric field is not a number
// (`bad`, when given, then points to it); the fields before it have been stored by then.
bool readRecordLine(const RecordLine& layout, std::string_view line, Gcmtblk& store, int32_t k,
                    const RecordField** bad = nullptr);

// The field as a user finds it in the store: "rlat", "tmval T", "azd0 plane 2", "tmomt Mrr".
std::string fieldName(const RecordField& f);

// The line of event index k: numbers right-aligned, asterisks when they do not fit, angles
// truncated toward zero, texts as their first `width` characters, other columns blank.
std::string writeRecordLine(const RecordLine& layout, const Gcmtblk& store, int32_t k);

// How an angle field is written: as its whole part (catalogue files) or rounded to no
// decimals, with its point (tables).
enum class AngleEdit { Truncated, Rounded };

// Field f of the n events from event index k on, as writeRecordLine writes it but for the width
// and the angle edit: event k + j's over the `width` characters at p + j * pitch. The store
// keeps a field of all events together, so the writers write a field of many events at once.
void putFieldColumn(char* p, std::size_t pitch, const RecordField& f, const Gcmtblk& store,
                    int32_t k, int32_t n, int width, AngleEdit angles);

}  // namespace tensova

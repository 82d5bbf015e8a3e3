// The fixed-column reader: a field of the line after the first three bytes, at the column,
// width and implied decimals those bytes choose. A real is also checked against the C
// library's correctly rounded conversion of the same number.

#include "console/fixed_columns.hpp"

#include <cstdlib>
#include <string>
#include <vector>

#include "harness.hpp"
#include "reference_real.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tensova;
    if (size < 3) return 0;
    const int first = data[0] % 90 + 1;
    const int width = data[1] % 40;
    const int decimals = data[2] % 11;
    const std::string_view line = fuzz::text(data + 3, size - 3);
    const std::string_view field = fixedField(line, first, width);
    fuzz::mustHold(field.size() <= static_cast<std::size_t>(width), "a field within its width");

    int32_t i = 7;
    (void)readFixedInt(line, first, width, i);
    (void)readFixedInt(line, first, width, i, Blanks::Ignored);
    std::vector<char> text(static_cast<std::size_t>(width) + 3, '\0');
    readFixedText(line, first, width, text.data(), text.size());

    float v = 0.0f;
    const bool ok = readFixedReal(line, first, width, decimals, v);
    float want = 0.0f;
    const bool known = fuzz::referenceReal(field, decimals, want);
    const std::string shown = " [" + std::string(field) + "]";
    fuzz::mustHold(ok == known, "the same texts are numbers" + shown);
    fuzz::mustHold(!ok || fuzz::sameReal(v, want), "the nearest float" + shown);
    return 0;
}

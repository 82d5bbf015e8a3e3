#include "catalogue/polygon_file.hpp"

#include "console/fields.hpp"
#include "console/globe.hpp"
#include "console/input.hpp"
#include "console/text.hpp"
#include "console/units.hpp"

namespace tensova {
namespace {

using Fault = std::vector<std::string>;

std::string atLine(int32_t unit) {
    return "at line " + fmtIown(unitLineNumber(unit)) + " of the polygon file";
}

// One value of a record, or what keeps it from being had: where the file ends (a last line cut
// short is not used), or the line of a value that cannot be read.
template <typename T>
bool take(int32_t unit, FreeRecord& record, T& v, const std::string& what, Fault& fault) {
    const ReadResult r = record.next(v);
    if (r == ReadResult::Ok) return true;
    if (r == ReadResult::Error) {
        fault = {atLine(unit), "value cannot be read: " + what};
    } else {
        fault = {unitLineCut(unit) ? cutLastLine(unit)
                                   : "at the end of the polygon file, after line " +
                                         fmtIown(unitLineNumber(unit)),
                 "END OF FILE REACHED UNEXPECTEDLY before " + what};
    }
    return false;
}

// A coordinate just read, held to the globe.
bool onGlobeAt(int32_t unit, float v, float limit, const std::string& what, Fault& fault) {
    if (onGlobe(v, limit)) return true;
    fault = {atLine(unit), what + " = " + std::string(trimmed(fmtG(v, 12, 6))),
             "outside " + globeRange(limit)};
    return false;
}

}  // namespace

std::vector<std::string> readPolygon(int32_t unit, PolygonRead& p) {
    Fault fault;
    int32_t kind = 0;
    {
        FreeRecord head(unit);
        if (!take(unit, head, p.nvrtx, "number of vertices", fault)) return fault;
        if (p.nvrtx < kMinVertices || p.nvrtx > kMaxVertices)
            return {atLine(unit), "number of vertices = " + fmtIown(p.nvrtx),
                    "outside [" + fmtIown(kMinVertices) + "," + fmtIown(kMaxVertices) + "]"};
        if (!take(unit, head, kind, "kind of sides", fault)) return fault;
    }
    p.lgrcircle = kind == 1;
    for (int32_t k = 1; k <= p.nvrtx; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const std::string vertex = "vertex " + fmtIown(k);
        FreeRecord record(unit);
        if (!take(unit, record, p.vrtxlong[i], vertex + " longitude", fault) ||
            !onGlobeAt(unit, p.vrtxlong[i], kLongitudeLimit, vertex + " longitude", fault) ||
            !take(unit, record, p.vrtxlat[i], vertex + " latitude", fault) ||
            !onGlobeAt(unit, p.vrtxlat[i], kLatitudeLimit, vertex + " latitude", fault))
            return fault;
    }
    // A line past the last vertex that holds anything is a vertex the count left out.
    std::string line;
    while (unitReadLine(unit, line) == ReadResult::Ok)
        if (line.find_first_not_of(" \t") != std::string::npos)
            return {atLine(unit), "more vertices than the count of " + fmtIown(p.nvrtx)};
    return {};
}

}  // namespace tensova

#include "catalogue/polygon_file.hpp"

#include "catalogue/polygon_test.hpp"
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
    // An edge whose inner side the test cannot tell would keep the events of another region:
    // such a contour is refused here, while the polygon in force still stands.
    const auto n = static_cast<std::size_t>(p.nvrtx);
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t k2 = k + 1 == n ? 0 : k + 1;
        const EdgeFault f =
            edgeFault(p.lgrcircle, p.vrtxlong[k], p.vrtxlat[k], p.vrtxlong[k2], p.vrtxlat[k2]);
        if (f != EdgeFault::None)
            return {"INCONSISTENT CONTOUR: vertices " + fmtIown(static_cast<int64_t>(k + 1)) +
                        " and " + fmtIown(static_cast<int64_t>(k2 + 1)),
                    f == EdgeFault::EndsMeet
                        ? "they lie within " + fmtFown(kLeastSideDegrees, 3) +
                              " degree: the side has no direction"
                        : "they are antipodal: no one great circle joins them"};
    }
    return {};
}

}  // namespace tensova

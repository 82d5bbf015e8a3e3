// The readers of the six kinds of overlay line files. Each reads its file on the overlay unit
// to the end, counts and lists the lines it finds and draws them; the menu opens and closes the
// file and reports how the reading ended.

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/fixed_columns.hpp"
#include "console/input.hpp"
#include "console/units.hpp"
#include "curve/point_buffers.hpp"
#include "mapdraw/overlays.hpp"
#include "numeric/angles.hpp"

namespace tensova {
namespace {

constexpr int32_t kBufferPoints = kCurvePointsMax;

// Coastline files: 17 points in the header record, 20 in each continuation record, every step
// a pair of codes of 2 columns with one implied decimal.
constexpr int32_t kHeaderPoints = 17;
constexpr int32_t kRecordPoints = 20;
constexpr int32_t kHeaderCodes = 17;  // codes start in this column of the header
constexpr float kCodeCentre = 5.0f;

// A latitude at or below this ends a segment of a dump file.
constexpr float kSegmentMarker = -998.0f;
constexpr int32_t kDumpWidth = 25;

bool readLine(std::string& line, ReadResult& r) {
    r = unitReadLine(kOverlayUnit, line);
    return r == ReadResult::Ok;
}

int32_t lineNumber() {
    return unitLineNumber(kOverlayUnit);
}

// A record of a kind as the messages name it, with the values it holds.
struct Record {
    std::string_view name;
    std::string_view fields;
    bool latitudeFirst = false;  // a point record that gives its latitude before its longitude
};
// The free-format record of one point: the order of its two values is the kind's.
constexpr Record pointRecord(std::string_view name, bool latitudeFirst) {
    return {name, latitudeFirst ? "latitude, longitude" : "longitude, latitude", latitudeFirst};
}
constexpr Record kIgnRecord{"IGN RECORD", "code 1, code 2, longitude, latitude"};
constexpr Record kGebcoHeader{"GEBCO HEADER", "code, points"};
constexpr Record kGebcoPoint = pointRecord("GEBCO POINT", true);
constexpr Record kUsgsRecord{"USGS RECORD", "latitude, longitude"};
constexpr Record kShoreHeader{"GSHHS HEADER", "id, points, level, area, west, east, south, north"};
constexpr Record kShorePoint = pointRecord("GSHHS POINT", false);
constexpr Record kPolygonFirst{"SELECTION POLYGON FIRST LINE",
                               "vertices, boundary kind, closed flag, points per degree"};
constexpr Record kPolygonVertex = pointRecord("SELECTION POLYGON VERTEX", false);
// The fewest vertices that make a side.
constexpr int32_t kPolygonMinVertices = 2;

// The widths of whole records of fixed columns: a last line shorter than its record is what
// is left of a cut file.
constexpr std::size_t kIgnWidth = 22;
constexpr std::size_t kShoreHeaderWidth = 73;

std::string expected(const Record& r) {
    return std::string(r.name) + " EXPECTED: " + std::string(r.fields);
}

// Adds to a report where the file ends, with `what` after it. A cut last line, which was not
// used, gets a line of its own: the box must not let it pass for part of the file.
void addFileEnd(std::vector<std::string>& report, const std::string& what) {
    const int32_t n = lineNumber();
    report.push_back((n == 0 ? std::string("FILE IS EMPTY") : "FILE ENDS AT LINE " + fmtIown(n)) +
                     what);
    if (unitLineCut(kOverlayUnit)) report.push_back(cutLastLine(kOverlayUnit));
}

// A record that cannot be read or used: its line, what it should hold, and what is wrong.
FileEnd badRecord(OverlayFile& f, const Record& r, std::string why, int32_t line = lineNumber()) {
    f.report = {"AT LINE " + fmtIown(line) + ": " + expected(r), std::move(why)};
    return FileEnd::Error;
}

FileEnd endOf(OverlayFile& f, ReadResult r) {
    if (r == ReadResult::Eof) return FileEnd::Eof;
    f.report = {"AT LINE " + fmtIown(lineNumber()) + ": THE FILE COULD NOT BE READ"};
    return FileEnd::Error;
}

// The file ends inside a record that begins on line `from`: nothing of it is used.
FileEnd cutRecord(OverlayFile& f, int32_t from, const Record& r) {
    f.report = {"INCOMPLETE LAST RECORD FROM LINE " + fmtIown(from)};
    addFileEnd(f.report, ": " + expected(r));
    f.report.push_back("==> NOT DRAWN");
    return FileEnd::Incomplete;
}

// The file ends inside a line or polygon that begins on line `from` and declares more points
// than it holds. Its points read are drawn, and the listing shows how many in its points
// column (`column`, from 0); below 0 for a polygon outside the frame, neither listed nor drawn.
FileEnd cutLine(OverlayFile& f, std::string_view what, int32_t from, int32_t read, int32_t declared,
                int32_t column) {
    if (column >= 0 && lwito(2)) listingRow({read}, {}, column);
    f.report = {"INCOMPLETE LAST " + std::string(what) + " FROM LINE " + fmtIown(from)};
    addFileEnd(f.report, " AFTER " + fmtIown(read) + " OF " + fmtIown(declared) + " POINTS");
    f.report.push_back(column >= 0 ? "==> THE POINTS READ ARE DRAWN"
                                   : "==> OUTSIDE THE FRAME, NOT DRAWN");
    return FileEnd::Incomplete;
}

// The last line of a cut file: it stops short of the record's last column at the end of the
// file, where a whole record would have its line end. Blank fields would read as zeros.
bool cutShort(const std::string& line, std::size_t width) {
    return !unitLineTerminated(kOverlayUnit) && line.size() < width &&
           line.find_first_not_of(' ') != std::string::npos;
}

// The fixed-column fields of one record, read in turn until one is not a number.
class Fields {
  public:
    explicit Fields(std::string_view line) : line_(line) {}
    Fields& integer(std::string_view name, int first, int width, int32_t& v) {
        if (ok() && !readFixedInt(line_, first, width, v)) fail(name, first, width);
        return *this;
    }
    Fields& real(std::string_view name, int first, int width, int decimals, float& v) {
        if (ok() && !readFixedReal(line_, first, width, decimals, v)) fail(name, first, width);
        return *this;
    }
    bool ok() const { return why_.empty(); }
    // The field that is not a number, with its columns.
    const std::string& why() const { return why_; }

  private:
    void fail(std::string_view name, int first, int width) {
        why_ = notANumber(name, first, width);
    }
    std::string_view line_;
    std::string why_;
};

// The values of one free-format record, read in turn until the file ends or one is not a
// number.
class Values {
  public:
    template <typename T>
    Values& operator()(std::string_view name, T& v) {
        if (result_ != ReadResult::Ok) return *this;
        result_ = record_.next(v);
        if (result_ != ReadResult::Ok)
            bad_ = name;
        else if (read_++ == 0)
            first_ = lineNumber();
        return *this;
    }
    // A point record: its longitude and latitude, in the order the kind's record gives them.
    Values& lonLat(const Record& r, float& lon, float& lat) {
        if (r.latitudeFirst) return (*this)("latitude", lat)("longitude", lon);
        return (*this)("longitude", lon)("latitude", lat);
    }
    ReadResult result() const { return result_; }
    // Whether the file ended inside the record rather than before it: a record that would begin
    // on a cut last line began there.
    bool started() const { return read_ > 0 || cut(); }
    int32_t firstLine() const { return read_ > 0 ? first_ : lineNumber(); }
    std::string why() const { return "VALUE " + std::string(bad_) + " IS NOT A NUMBER"; }

  private:
    bool cut() const { return result_ == ReadResult::Eof && unitLineCut(kOverlayUnit); }
    FreeRecord record_{kOverlayUnit};
    ReadResult result_ = ReadResult::Ok;
    int32_t read_ = 0;
    int32_t first_ = 0;
    std::string_view bad_;
};

// Where a point record of a line or polygon failed: the file ended or a value is not a
// number. The arguments after the values are those of cutLine.
FileEnd pointsEnd(OverlayFile& f, const Values& v, const Record& r, std::string_view what,
                  int32_t from, int32_t read, int32_t declared, int32_t column) {
    if (v.result() == ReadResult::Eof) return cutLine(f, what, from, read, declared, column);
    return badRecord(f, r, v.why());
}

// The n step codes of a coastline record from column `first`, as latitude and longitude steps.
void readSteps(Fields& in, int32_t first, int32_t n, float* dlat, float* dlon) {
    for (int32_t i = 0; i < n; ++i) {
        const int32_t col = first + 4 * i;
        in.real("latitude step", col, 2, 1, dlat[i]).real("longitude step", col + 2, 2, 1, dlon[i]);
    }
}

// A coastline record must hold the codes of every point it gives: a line cut short would read
// its missing codes as zeros.
std::string shortRecord(std::size_t length, int32_t points, int32_t need) {
    return "LINE OF " + fmtIown(static_cast<int64_t>(length)) + " COLUMNS, ITS " + fmtIown(points) +
           " POINTS NEED " + fmtIown(need);
}

// Points from..to (from 1) of cc2dbuff follow their predecessors by the steps given.
void applySteps(int32_t from, int32_t to, const float* dlat, const float* dlon) {
    float* lon = cc2dbuff.x();
    float* lat = cc2dbuff.y();
    for (int32_t i = from; i <= to; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        lat[k] = lat[k - 1] + (kCodeCentre - dlat[i - from]);
        lon[k] = lon[k - 1] + (kCodeCentre - dlon[i - from]);
    }
}

void bufferTooSmall(int32_t line, int32_t n) {
    errorhead(kContours1);
    wout({"PLOT BUFFER IS TOO SMALL"});
    wout({"Contour  #       =", fmtI(line, 6)});
    wout({"# of points      =", fmtI(n, 6)});
    wout({"Plot buffer size =", fmtI(kBufferPoints, 6)});
    wout({"==> Reading only up to:", fmtI(kBufferPoints, 6)});
    wout({"==> Abandoning following contours"});
    errortail00();
}

void drawBuffered(OverlayFile& f, int32_t n) {
    if (n < 1) return;
    if (f.clip) {
        ClippedLine line(*f.map);
        for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k)
            line.point(cc2dbuff.x()[k], cc2dbuff.y()[k]);
    } else {
        drawPolylineDegrees(*f.map, n);
    }
}

void readShoreHeader(Fields& in, ShoreHeader& h) {
    in.integer("id", 3, 6, h.id).integer("points", 9, 8, h.n).integer("level", 17, 2, h.level);
    in.real("area", 21, 13, 3, h.area).real("west", 34, 10, 5, h.west);
    in.real("east", 44, 10, 5, h.east).real("south", 54, 10, 5, h.south);
    in.real("north", 64, 10, 5, h.north);
}

// A polygon in chunks of a buffer's length that share their end points. A file that ends
// inside the polygon has its points read drawn; after a point that cannot be read, the chunk
// not yet drawn is dropped.
FileEnd shoreChunks(OverlayFile& f, int32_t n, int32_t from) {
    float* lon = cc2dbuff.x();
    float* lat = cc2dbuff.y();
    int32_t m = 0;
    for (int32_t i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(m);
        Values point;
        point.lonLat(kShorePoint, lon[k], lat[k]);
        if (point.result() != ReadResult::Ok) {
            if (point.result() == ReadResult::Eof && m > 1) drawPolylineRadians(*f.map, m);
            return pointsEnd(f, point, kShorePoint, "POLYGON", from, i - 1, n, 2);
        }
        lon[k] = rad(lon[k]);
        lat[k] = rad(lat[k]);
        if (++m == kBufferPoints) {
            drawPolylineRadians(*f.map, m);
            lon[0] = lon[k];
            lat[0] = lat[k];
            m = 1;
        }
    }
    if (m > 1) drawPolylineRadians(*f.map, m);
    return FileEnd::Eof;
}

// A polygon of more vertices than the buffer holds is cut to the buffer.
void holdVertices(int32_t& n, int64_t& ndraw, bool closed) {
    warninghead(kContours1);
    const auto counts = [&] {
        wout({"Number of vertices to read     =", fmtI(n, 6)});
        wout({"Number of vertices to plot     =", fmtI(ndraw, 6)});
    };
    counts();
    wout({"Max number of vertices to plot =", fmtI(kBufferPoints, 6)});
    wout({"=> RESETTING TO:"});
    ndraw = kBufferPoints;
    n = closed ? kBufferPoints - 1 : kBufferPoints;
    counts();
    warningtail00();
}

}  // namespace

FileEnd readUtig(OverlayFile& f) {
    std::string line;
    ReadResult r{};
    std::array<float, 2 * kRecordPoints> steps{};
    float* dlat = steps.data();
    float* dlon = steps.data() + kRecordPoints;
    constexpr Record kHeader{"UTIG HEADER",
                             "value count, latitude, longitude, steps of points 2 to 17"};
    while (readLine(line, r)) {
        const int32_t from = lineNumber();
        int32_t count = 0;
        float lat = 0.0f;
        float lon = 0.0f;
        Fields head(line);
        head.integer("value count", 1, 3, count).real("latitude", 4, 6, 1, lat);
        head.real("longitude", 10, 7, 1, lon);
        readSteps(head, kHeaderCodes, kHeaderPoints - 1, dlat, dlon);
        if (!head.ok()) return badRecord(f, kHeader, head.why());
        const int32_t declared = count / 2;
        int32_t n = declared;
        const int32_t inHeader = std::min(n, kHeaderPoints);
        const int32_t need = kHeaderCodes - 1 + 4 * (inHeader - 1);
        if (n >= 1 && static_cast<int32_t>(line.size()) < need)
            return badRecord(f, kHeader, shortRecord(line.size(), inHeader, need));
        ++f.counter;
        if (lwito(2)) listingRow({f.counter, n});
        const bool cut = n > kBufferPoints;
        if (cut) {
            bufferTooSmall(f.counter, n);
            n = kBufferPoints;
        }
        if (n < 1) continue;
        cc2dbuff.x()[0] = lon;
        cc2dbuff.y()[0] = lat;
        applySteps(2, inHeader, dlat, dlon);
        // The continuation records; a file that ends among them ends with the points read.
        int32_t have = inHeader;
        while (have < n) {
            const int32_t to = std::min(n, have + kRecordPoints);
            const std::string fields =
                "steps of points " + fmtIown(have + 1) + " to " + fmtIown(to);
            const Record record{"UTIG CONTINUATION RECORD", fields};
            if (!readLine(line, r)) {
                if (r != ReadResult::Eof) return endOf(f, r);
                drawBuffered(f, have);
                return cutLine(f, "CURVE", from, have, declared, 1);
            }
            if (static_cast<int32_t>(line.size()) < 4 * (to - have))
                return badRecord(f, record, shortRecord(line.size(), to - have, 4 * (to - have)));
            Fields codes(line);
            readSteps(codes, 1, kRecordPoints, dlat, dlon);
            if (!codes.ok()) return badRecord(f, record, codes.why());
            applySteps(have + 1, to, dlat, dlon);
            have = to;
        }
        drawBuffered(f, n);
        if (cut) return FileEnd::Cut;
    }
    return endOf(f, r);
}

FileEnd readIgn(OverlayFile& f) {
    std::string line;
    ReadResult r{};
    ClippedLine clipped(*f.map);
    PenLine pen(*f.map);
    bool first = true;
    int32_t code1 = 0;
    int32_t code2 = 0;
    while (readLine(line, r)) {
        if (cutShort(line, kIgnWidth)) return cutRecord(f, lineNumber(), kIgnRecord);
        int32_t c1 = 0;
        int32_t c2 = 0;
        float lon = 0.0f;
        float lat = 0.0f;
        Fields in(line);
        in.integer("code 1", 1, 1, c1).integer("code 2", 2, 1, c2);
        in.real("longitude", 4, 9, 4, lon).real("latitude", 14, 9, 4, lat);
        if (!in.ok()) return badRecord(f, kIgnRecord, in.why());
        if (first || c1 != code1 || c2 != code2 || c1 == 3 || c1 == 4) {
            first = false;
            code1 = c1;
            code2 = c2;
            ++f.counter;
            if (lwito(2)) listingRow({f.counter});
            clipped.restart();
            pen.restart();
        }
        if (f.clip) {
            clipped.point(lon, lat);
        } else {
            pen.point(lon, lat);
        }
    }
    return endOf(f, r);
}

FileEnd readGebco(OverlayFile& f) {
    PenLine pen(*f.map);
    for (;;) {
        int32_t code = 0;
        int32_t n = 0;
        Values head;
        head("code", code)("points", n);
        if (head.result() == ReadResult::Eof)
            return head.started() ? cutRecord(f, head.firstLine(), kGebcoHeader) : FileEnd::Eof;
        if (head.result() != ReadResult::Ok) return badRecord(f, kGebcoHeader, head.why());
        ++f.counter;
        if (lwito(2)) listingRow({f.counter, code, n});
        pen.restart();
        for (int32_t i = 1; i <= n; ++i) {
            float lat = 0.0f;
            float lon = 0.0f;
            Values point;
            point.lonLat(kGebcoPoint, lon, lat);
            if (point.result() != ReadResult::Ok)
                return pointsEnd(f, point, kGebcoPoint, "CURVE", head.firstLine(), i - 1, n, 2);
            pen.point(lon, lat);
        }
    }
}

FileEnd readUsgs(OverlayFile& f) {
    std::string line;
    ReadResult r{};
    PenLine pen(*f.map);
    bool inSegment = false;
    while (readLine(line, r)) {
        const std::string_view record = fixedField(line, 1, kDumpWidth);
        if (record.find_first_not_of(' ') == std::string_view::npos) {
            inSegment = false;
            continue;
        }
        if (cutShort(line, static_cast<std::size_t>(kDumpWidth)))
            return cutRecord(f, lineNumber(), kUsgsRecord);
        float lat = 0.0f;
        float lon = 0.0f;
        Fields in(record);
        in.real("latitude", 1, 10, 5, lat).real("longitude", 16, 10, 5, lon);
        if (!in.ok()) return badRecord(f, kUsgsRecord, in.why());
        const bool marker = lat <= kSegmentMarker;
        if (!inSegment) {
            ++f.counter;
            if (lwito(2)) listingRow({f.counter});
            pen.restart();
        }
        inSegment = !marker;
        if (!marker) pen.point(lon, lat);
    }
    return endOf(f, r);
}

FileEnd readShore(OverlayFile& f) {
    std::string line;
    ReadResult r{};
    const LonWindow& w = f.window;
    while (readLine(line, r)) {
        const int32_t from = lineNumber();
        if (cutShort(line, kShoreHeaderWidth)) return cutRecord(f, from, kShoreHeader);
        ShoreHeader h;
        Fields in(line);
        readShoreHeader(in, h);
        if (!in.ok()) return badRecord(f, kShoreHeader, in.why());
        if (f.clip && !shoreInFrame(h, f.map->frame(), f.counter)) {
            for (int32_t i = 1; i <= h.n; ++i) {
                float lon = 0.0f;
                float lat = 0.0f;
                Values point;
                point.lonLat(kShorePoint, lon, lat);
                if (point.result() != ReadResult::Ok)
                    return pointsEnd(f, point, kShorePoint, "POLYGON", from, i - 1, h.n, -1);
            }
            continue;
        }
        ++f.counter;
        if (lwito(2)) {
            listingRow({f.counter, h.id, h.n, h.level}, {h.west, h.east, h.south, h.north});
            if (f.clip) listingRow({}, {intoWindow(h.west, w), intoWindow(h.east, w)}, 4);
        }
        if (!f.clip) {
            const FileEnd end = shoreChunks(f, h.n, from);
            if (end != FileEnd::Eof) return end;
            continue;
        }
        ClippedLine clipped(*f.map);
        for (int32_t i = 1; i <= h.n; ++i) {
            float lon = 0.0f;
            float lat = 0.0f;
            Values point;
            point.lonLat(kShorePoint, lon, lat);
            if (point.result() != ReadResult::Ok)
                return pointsEnd(f, point, kShorePoint, "POLYGON", from, i - 1, h.n, 2);
            clipped.point(lon, lat);
        }
    }
    return endOf(f, r);
}

FileEnd readSelectionPolygon(OverlayFile& f) {
    const auto failed = [&](std::initializer_list<std::string_view> what,
                            std::initializer_list<std::string_view> where) {
        errorhead(kContours1);
        wout(what);
        if (where.size() > 0) wout(where);
        errortail00();
        return FileEnd::Error;
    };
    int32_t n = 0;
    int32_t boundary = 0;
    int32_t closed = 0;
    float ppd = 0.0f;
    int32_t from = 0;
    {
        Values first;
        first("vertices", n)("boundary kind", boundary)("closed flag", closed);
        first("points per degree", ppd);
        if (first.result() != ReadResult::Ok) {
            if (first.result() == ReadResult::Eof)
                addFileEnd(f.report, ": " + expected(kPolygonFirst));
            else
                badRecord(f, kPolygonFirst, first.why());
            return failed({"WHILE READING 1st LINE OF FILE", trimmed(f.name)}, {});
        }
        from = first.firstLine();
    }
    // Fewer vertices make no side: nothing would be drawn, yet the file would count as a curve
    // plotted.
    if (n < kPolygonMinVertices) {
        badRecord(f, kPolygonFirst,
                  "VALUE vertices IS " + fmtIown(n) + ": AT LEAST " + fmtIown(kPolygonMinVertices) +
                      " EXPECTED",
                  from);
        return failed({"WHILE READING 1st LINE OF FILE", trimmed(f.name)}, {});
    }
    const bool isClosed = closed == 1;
    int64_t ndraw = isClosed ? int64_t{n} + 1 : n;
    if (ndraw > kBufferPoints) holdVertices(n, ndraw, isClosed);
    float* lon = cc2dbuff.x();
    float* lat = cc2dbuff.y();
    for (int32_t i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        Values vertex;
        vertex.lonLat(kPolygonVertex, lon[k], lat[k]);
        if (vertex.result() != ReadResult::Ok) {
            // A polygon cut short would enclose another region: it is not drawn.
            if (vertex.result() == ReadResult::Eof)
                addFileEnd(f.report,
                           " AFTER " + fmtIown(i - 1) + " OF " + fmtIown(n) + " VERTICES");
            else
                badRecord(f, kPolygonVertex, vertex.why());
            return failed({"WHILE READING DATA LINE #", fmtI(i, 6)}, {"IN FILE", trimmed(f.name)});
        }
    }
    // The file's density of points is the menu's from now on, once the file is taken: a refused
    // one changes no setting.
    *f.ppd = ppd;
    if (isClosed) {
        lon[static_cast<std::size_t>(n)] = lon[0];
        lat[static_cast<std::size_t>(n)] = lat[0];
    }
    const auto v = static_cast<int32_t>(ndraw);
    deg2rad(lon, lon, v);
    deg2rad(lat, lat, v);
    drawSides(*f.map, v, boundary, *f.ppd);
    f.counter = 1;
    return FileEnd::Eof;
}

}  // namespace tensova

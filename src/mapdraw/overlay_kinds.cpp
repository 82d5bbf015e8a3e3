// The readers of the six kinds of overlay line files. Each reads its file on the overlay unit
// to the end, counts and lists the lines it finds and draws them; the menu opens and closes the
// file and reports how the reading ended.

#include <algorithm>
#include <array>
#include <string>

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

FileEnd endOf(ReadResult r) {
    return r == ReadResult::Eof ? FileEnd::Eof : FileEnd::Error;
}

// The n step codes of a coastline record from column `first`, as latitude and longitude steps.
bool readSteps(const std::string& line, int32_t first, int32_t n, float* dlat, float* dlon) {
    for (int32_t i = 0; i < n; ++i) {
        const int32_t col = first + 4 * i;
        if (!readFixedReal(line, col, 2, 1, dlat[i]) ||
            !readFixedReal(line, col + 2, 2, 1, dlon[i]))
            return false;
    }
    return true;
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
        ClippedLine line(f.frame.lonmin, f.frame.lonmax, f.frame.latmin, f.frame.latmax);
        for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k)
            line.point(cc2dbuff.x()[k], cc2dbuff.y()[k]);
    } else {
        drawPolylineDegrees(n);
    }
}

// A point record of two reals in free format.
ReadResult readPair(float& a, float& b) {
    std::array<float, 2> v{};
    const ReadResult r = readFreeReals(kOverlayUnit, v.data(), 2);
    a = v[0];
    b = v[1];
    return r;
}

bool readShoreHeader(const std::string& line, ShoreHeader& h) {
    return readFixedInt(line, 3, 6, h.id) && readFixedInt(line, 9, 8, h.n) &&
           readFixedInt(line, 17, 2, h.level) && readFixedReal(line, 21, 13, 3, h.area) &&
           readFixedReal(line, 34, 10, 5, h.west) && readFixedReal(line, 44, 10, 5, h.east) &&
           readFixedReal(line, 54, 10, 5, h.south) && readFixedReal(line, 64, 10, 5, h.north);
}

// A polygon in chunks of a buffer's length that share their end points; a chunk cut short by
// the end of the file is not drawn.
FileEnd shoreChunks(int32_t n) {
    float* lon = cc2dbuff.x();
    float* lat = cc2dbuff.y();
    int32_t m = 0;
    for (int32_t i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(m);
        const ReadResult r = readPair(lon[k], lat[k]);
        if (r != ReadResult::Ok) return endOf(r);
        lon[k] = rad(lon[k]);
        lat[k] = rad(lat[k]);
        if (++m == kBufferPoints) {
            drawPolylineRadians(m);
            lon[0] = lon[k];
            lat[0] = lat[k];
            m = 1;
        }
    }
    if (m > 1) drawPolylineRadians(m);
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
    while (readLine(line, r)) {
        int32_t count = 0;
        float lat = 0.0f;
        float lon = 0.0f;
        if (!readFixedInt(line, 1, 3, count) || !readFixedReal(line, 4, 6, 1, lat) ||
            !readFixedReal(line, 10, 7, 1, lon) ||
            !readSteps(line, kHeaderCodes, kHeaderPoints - 1, dlat, dlon))
            return FileEnd::Error;
        ++f.counter;
        int32_t n = count / 2;
        if (lwito(2)) listingRow({f.counter, n});
        const bool cut = n > kBufferPoints;
        if (cut) {
            bufferTooSmall(f.counter, n);
            n = kBufferPoints;
        }
        if (n < 1) continue;
        cc2dbuff.x()[0] = lon;
        cc2dbuff.y()[0] = lat;
        applySteps(2, std::min(n, kHeaderPoints), dlat, dlon);
        // The continuation records; a file that ends among them ends with the points read.
        int32_t have = std::min(n, kHeaderPoints);
        while (have < n) {
            if (!readLine(line, r)) {
                drawBuffered(f, have);
                return endOf(r);
            }
            if (!readSteps(line, 1, kRecordPoints, dlat, dlon)) return FileEnd::Error;
            const int32_t to = std::min(n, have + kRecordPoints);
            applySteps(have + 1, to, dlat, dlon);
            have = to;
        }
        drawBuffered(f, n);
        if (cut) return FileEnd::Cut;
    }
    return endOf(r);
}

FileEnd readIgn(OverlayFile& f) {
    std::string line;
    ReadResult r{};
    ClippedLine clipped(f.frame.lonmin, f.frame.lonmax, f.frame.latmin, f.frame.latmax);
    PenLine pen;
    bool first = true;
    int32_t code1 = 0;
    int32_t code2 = 0;
    while (readLine(line, r)) {
        int32_t c1 = 0;
        int32_t c2 = 0;
        float lon = 0.0f;
        float lat = 0.0f;
        if (!readFixedInt(line, 1, 1, c1) || !readFixedInt(line, 2, 1, c2) ||
            !readFixedReal(line, 4, 9, 4, lon) || !readFixedReal(line, 14, 9, 4, lat))
            return FileEnd::Error;
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
    return endOf(r);
}

FileEnd readGebco(OverlayFile& f) {
    PenLine pen;
    for (;;) {
        std::array<int32_t, 2> head{};
        ReadResult r = readFreeInts(kOverlayUnit, head.data(), 2);
        if (r != ReadResult::Ok) return endOf(r);
        ++f.counter;
        if (lwito(2)) listingRow({f.counter, head[0], head[1]});
        pen.restart();
        for (int32_t i = 1; i <= head[1]; ++i) {
            float lat = 0.0f;
            float lon = 0.0f;
            r = readPair(lat, lon);
            if (r != ReadResult::Ok) return endOf(r);
            pen.point(lon, lat);
        }
    }
}

FileEnd readUsgs(OverlayFile& f) {
    std::string line;
    ReadResult r{};
    PenLine pen;
    bool inSegment = false;
    while (readLine(line, r)) {
        const std::string_view record = fixedField(line, 1, kDumpWidth);
        if (record.find_first_not_of(' ') == std::string_view::npos) {
            inSegment = false;
            continue;
        }
        float lat = 0.0f;
        float lon = 0.0f;
        if (!readFixedReal(record, 1, 10, 5, lat) || !readFixedReal(record, 16, 10, 5, lon))
            return FileEnd::Error;
        const bool marker = lat <= kSegmentMarker;
        if (!inSegment) {
            ++f.counter;
            if (lwito(2)) listingRow({f.counter});
            pen.restart();
        }
        inSegment = !marker;
        if (!marker) pen.point(lon, lat);
    }
    return endOf(r);
}

FileEnd readShore(OverlayFile& f) {
    std::string line;
    ReadResult r{};
    const LonWindow& w = f.window;
    while (readLine(line, r)) {
        ShoreHeader h;
        if (!readShoreHeader(line, h)) return FileEnd::Error;
        if (f.clip && !shoreInFrame(h, w, f.frame, f.counter)) {
            for (int32_t i = 1; i <= h.n; ++i) {
                float lon = 0.0f;
                float lat = 0.0f;
                r = readPair(lon, lat);
                if (r != ReadResult::Ok) return endOf(r);
            }
            continue;
        }
        ++f.counter;
        if (lwito(2)) {
            listingRow({f.counter, h.id, h.n, h.level}, {h.west, h.east, h.south, h.north});
            if (f.clip) listingRow({}, {intoWindow(h.west, w), intoWindow(h.east, w)}, 4);
        }
        if (!f.clip) {
            const FileEnd end = shoreChunks(h.n);
            if (end != FileEnd::Eof) return end;
            continue;
        }
        ClippedLine clipped(w.lonmin, w.lonmax, f.frame.latmin, f.frame.latmax);
        for (int32_t i = 1; i <= h.n; ++i) {
            float lon = 0.0f;
            float lat = 0.0f;
            r = readPair(lon, lat);
            if (r != ReadResult::Ok) return endOf(r);
            clipped.point(intoWindow(lon, w), lat);
        }
    }
    return endOf(r);
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
    {
        FreeRecord first(kOverlayUnit);
        if (first.next(n) != ReadResult::Ok || first.next(boundary) != ReadResult::Ok ||
            first.next(closed) != ReadResult::Ok || first.next(ppd) != ReadResult::Ok)
            return failed({"WHILE READING 1st LINE OF FILE", trimmed(f.name)}, {});
    }
    *f.ppd = ppd;
    const bool isClosed = closed == 1;
    int64_t ndraw = isClosed ? int64_t{n} + 1 : n;
    if (ndraw > kBufferPoints) holdVertices(n, ndraw, isClosed);
    float* lon = cc2dbuff.x();
    float* lat = cc2dbuff.y();
    for (int32_t i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        if (readPair(lon[k], lat[k]) != ReadResult::Ok)
            return failed({"WHILE READING DATA LINE #", fmtI(i, 6)}, {"IN FILE", trimmed(f.name)});
    }
    if (n >= 1) {
        if (isClosed) {
            lon[static_cast<std::size_t>(n)] = lon[0];
            lat[static_cast<std::size_t>(n)] = lat[0];
        }
        const auto v = static_cast<int32_t>(ndraw);
        deg2rad(lon, lon, v);
        deg2rad(lat, lat, v);
        drawSides(v, boundary, *f.ppd);
    }
    f.counter = 1;
    return FileEnd::Eof;
}

}  // namespace tensova

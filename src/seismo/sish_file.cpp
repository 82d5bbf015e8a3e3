#include "seismo/sish_file.hpp"

#include <cstdlib>

#include "console/fields.hpp"
#include "numeric/angles.hpp"

namespace tensova {
namespace {

void appendText(std::string& out, std::string_view text, int w) {
    out += ' ';
    out += fmtA(text, w);
}

void appendReal(std::string& out, float x, int w, int d) {
    out += ' ';
    appendF(out, x, w, d);
}

}  // namespace

const std::string& sishHeader() {
    static const std::string header = [] {
        std::string h;
        appendText(h, "Date", 10);
        appendText(h, "Time", 10);
        appendText(h, "Latitude", 6);
        appendText(h, "Longitude", 7);
        appendText(h, "Depth", 5);
        appendText(h, "Strike", 5);
        appendText(h, "Dip", 4);
        appendText(h, "Rake", 5);
        for (const char* axis : {"S1", "S2", "S3"}) {
            appendText(h, std::string(axis) + "_azi", 6);
            appendText(h, std::string(axis) + "_plg", 5);
        }
        appendText(h, "Sv", 2);
        appendText(h, "AzSHmx", 6);
        return h;
    }();
    return header;
}

void appendSishRecord(std::string& out, const SishEvent& e) {
    appendText(out, e.date, 10);
    appendText(out, e.time, 10);
    appendReal(out, e.lat, 6, 2);
    appendReal(out, e.lon, 7, 2);
    appendReal(out, e.depth, 5, 1);
    appendReal(out, e.strike, 5, 0);
    appendReal(out, e.dip, 4, 0);
    appendReal(out, e.rake, 5, 0);
    for (std::size_t k = 0; k < 3; ++k) {
        appendReal(out, deg(e.az[k]), 6, 1);
        appendReal(out, deg(e.pl[k]), 5, 1);
    }
    out += ' ';
    appendI(out, std::abs(static_cast<int64_t>(e.isv)), 1);
    out += "  ";
    float shmax = deg(e.azshmax);
    modulro(&shmax, &shmax, 180.0f, 0.0f, 1);
    appendF(out, shmax, 6, 1);
}

}  // namespace tensova

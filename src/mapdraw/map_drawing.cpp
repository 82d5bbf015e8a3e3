// Drawing on the map: symbols and lines where the map shows the ground, lines ended on an
// azimuthal map's rim and lifted across the longitude seam.

#include "mapdraw/map_drawing.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numeric/angles.hpp"
#include "plot/drawing.hpp"
#include "projection/projection.hpp"

namespace tensova {
namespace {

// Halvings of a segment in search of the rim: the point found lies within 2^-24 of the
// segment's length from it.
constexpr int32_t kRimSteps = 24;

bool project(float lon, float lat, float& x, float& y) {
    projllnShown(&x, &y, &lon, &lat, 1);
    return onMap(x, y);
}

bool acrossSeam(float lon1, float lon2) {
    return std::fabs(lon2 - lon1) > anglerad(kPi);
}

// The last point on the map of the segment from (lon1, lat1), on the map, towards (lon2, lat2),
// which is not: where the segment meets the rim. The longitudes go the short way round.
void rimPoint(float lon1, float lat1, float lon2, float lat2, float& x, float& y) {
    const float pi = anglerad(kPi);
    float dlon = lon2 - lon1;
    if (dlon > pi) dlon -= anglerad(kTwoPi);
    if (dlon < -pi) dlon += anglerad(kTwoPi);
    const float dlat = lat2 - lat1;
    project(lon1, lat1, x, y);
    float shown = 0.0f, hidden = 1.0f;
    for (int32_t k = 0; k < kRimSteps; ++k) {
        const float t = 0.5f * (shown + hidden);
        float xt = 0.0f, yt = 0.0f;
        if (project(lon1 + t * dlon, lat1 + t * dlat, xt, yt)) {
            shown = t;
            x = xt;
            y = yt;
        } else {
            hidden = t;
        }
    }
}

}  // namespace

bool onMap(float x, float y) {
    return std::fabs(x) < kFarAway && std::fabs(y) < kFarAway;
}

void symbolsOnMap(const float* x, const float* y, int32_t n) {
    int32_t i = 0;
    while (i < n) {
        if (!onMap(x[i], y[i])) {
            ++i;
            continue;
        }
        int32_t j = i + 1;
        while (j < n && onMap(x[j], y[j])) ++j;
        ussymbol(x + i, y + i, j - i);
        i = j;
    }
}

MapPen::MapPen(bool seam) : seam_(seam && projectionHasSeam()), rim_(projectionHasRim()) {}

void MapPen::to(float lon, float lat, bool draw) {
    float x = 0.0f, y = 0.0f;
    const bool shown = project(lon, lat, x, y);
    const bool goesOn = draw && started_ && !(seam_ && acrossSeam(lon_, lon));
    float rx = 0.0f, ry = 0.0f;
    if (shown) {
        if (goesOn && !down_ && rim_) {
            // Back from beyond the rim: the line starts on it.
            rimPoint(lon, lat, lon_, lat_, rx, ry);
            usplot(rx, ry, 0);
            usplot(x, y, 1);
        } else {
            usplot(x, y, goesOn && down_ ? 1 : 0);
        }
    } else if (goesOn && down_ && rim_) {
        rimPoint(lon_, lat_, lon, lat, rx, ry);
        usplot(rx, ry, 1);
    }
    down_ = shown;
    started_ = true;
    lon_ = lon;
    lat_ = lat;
}

void drawMapLine(const float* lon, const float* lat, int32_t n, bool seam) {
    if (n < 1) return;
    // Projected points, and a run with its rim ends.
    static std::vector<float> px, py, rx, ry;
    const auto size = static_cast<std::size_t>(n);
    if (px.size() < size) {
        px.resize(size);
        py.resize(size);
        rx.resize(size + 2);
        ry.resize(size + 2);
    }
    projllnShown(px.data(), py.data(), lon, lat, n);
    const bool cut = seam && projectionHasSeam();
    const bool rim = projectionHasRim();
    const auto shown = [&](int32_t k) {
        return onMap(px[static_cast<std::size_t>(k)], py[static_cast<std::size_t>(k)]);
    };
    int32_t i = 0;
    while (i < n) {
        if (!shown(i)) {
            ++i;
            continue;
        }
        int32_t j = i + 1;
        while (j < n && shown(j) && !(cut && acrossSeam(lon[j - 1], lon[j]))) ++j;
        const bool rimStart = rim && i > 0;  // a point before the run, off the map
        const bool rimEnd = rim && j < n;
        if (!rimStart && !rimEnd) {
            usline(px.data() + i, py.data() + i, j - i);
        } else {
            int32_t m = 0;
            if (rimStart) {
                rimPoint(lon[i], lat[i], lon[i - 1], lat[i - 1], rx[0], ry[0]);
                m = 1;
            }
            std::copy(px.begin() + i, px.begin() + j, rx.begin() + m);
            std::copy(py.begin() + i, py.begin() + j, ry.begin() + m);
            m += j - i;
            if (rimEnd) {
                const auto k = static_cast<std::size_t>(m);
                rimPoint(lon[j - 1], lat[j - 1], lon[j], lat[j], rx[k], ry[k]);
                ++m;
            }
            usline(rx.data(), ry.data(), m);
        }
        i = j;
    }
}

}  // namespace tensova

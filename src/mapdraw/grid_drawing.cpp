// Drawing the grid and measuring its projected extent.

#include <algorithm>
#include <cmath>
#include <string>

#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/numtext.hpp"
#include "mapdraw/grid.hpp"
#include "numeric/angles.hpp"
#include "plot/attributes.hpp"
#include "plot/drawing.hpp"
#include "projection/projection.hpp"

namespace tensova {
namespace {

const Stamp kDrawllgrid("drawllgrid", "", "");

// Counts of lines and steps are held to 1..kCountMax before they become integers: a span below
// its increment, an increment of zero or less and a count below one all give one; beyond the
// cap the lines would merge on any page.
constexpr int32_t kCountMax = 1000;

int32_t heldCount(float v) {
    if (!(v >= 1.0f)) return 1;
    return v >= static_cast<float>(kCountMax) ? kCountMax : static_cast<int32_t>(v);
}
int32_t heldCount(int32_t n) {
    return std::clamp(n, 1, kCountMax);
}

// The number of intervals of the increment in the span, a whole number of them when the
// quotient falls just short of one.
int32_t intervals(float span, float inc) {
    if (!(inc > 0.0f)) return 1;
    return heldCount(span / inc + 0.0005f);
}

// The projected point, false for one the projection cannot place on the map.
bool project(float lon, float lat, float& x, float& y) {
    projlln(&x, &y, &lon, &lat, 1);
    return std::fabs(x) < kFarAway && std::fabs(y) < kFarAway;
}

// A pen that lifts over the points the projection cannot place, so that the line goes on from
// the next point it can.
class Pen {
  public:
    void move(float lon, float lat) {
        down_ = false;
        to(lon, lat);
    }
    void to(float lon, float lat) {
        float x = 0.0f, y = 0.0f;
        if (!project(lon, lat, x, y)) {
            down_ = false;
            return;
        }
        usplot(x, y, down_ ? 1 : 0);
        down_ = true;
    }

  private:
    bool down_ = false;
};

// A line from (lon, lat) in `steps` equal steps of (dlon, dlat), the first point drawn again.
void stepLine(Pen& pen, float lon, float lat, float dlon, float dlat, int32_t steps) {
    pen.move(lon, lat);
    for (int32_t j = 0; j <= steps; ++j) {
        const float f = static_cast<float>(j);
        pen.to(lon + f * dlon, lat + f * dlat);
    }
}

void align(int32_t code) {
    stextalign(code, 1);
}

void label(float lon, float lat, float value, int32_t ndec) {
    float x = 0.0f, y = 0.0f;
    if (!project(lon, lat, x, y)) return;
    std::string text(9, ' ');
    int32_t nchar = 0;
    real2charf1(text, nchar, ndec, 9, deg(value));
    ustext2(x, y, std::string_view(text).substr(0, static_cast<std::size_t>(nchar)));
}

}  // namespace

void drawllgrid() {
    const Gridll& g = gridll;
    submenuhead(kDrawllgrid);
    if (g.gridtype == 0) {
        wout({"NO LAT-LONG GRID"});
        menutail();
        return;
    }
    wout({"LAT-LONG GRID TYPE =", fmtI(g.gridtype, 4)});
    const bool frameOnly = g.gridtype == 2 || g.gridtype == 3;
    const bool ticks = g.gridtype >= 1 && g.gridtype <= 3;
    const float dlon = g.lonmax - g.lonmin;
    const float dlat = g.latmax - g.latmin;
    const int32_t npgrid = heldCount(g.npgrid);
    const int32_t nptick = heldCount(g.nptick);
    const float s = (g.gridtype == 3 ? 1.0f : -1.0f) * g.ticsize / static_cast<float>(nptick);
    const float offset = 1.5f * g.ticsize;
    const int32_t ndec = std::clamp(g.ndec, 0, 4);
    Pen pen;

    // Meridians, spread evenly over the span from east to west.
    const int32_t m = intervals(dlon, g.loninc);
    wout({"nb of meridians =", fmtI(m + 1, 6)});
    const auto meridian = [&](int32_t i, int32_t count) {
        return g.lonmax - dlon * static_cast<float>(i) / static_cast<float>(count);
    };
    const int32_t mLines = frameOnly ? 1 : m;
    for (int32_t i = 0; i <= mLines; ++i)
        stepLine(pen, meridian(i, mLines), g.latmin, 0.0f, dlat / static_cast<float>(npgrid),
                 npgrid);
    if (ticks) {
        align(-10);
        for (int32_t i = 0; i <= m; ++i) {
            const float lon = meridian(i, m);
            stepLine(pen, lon, g.latmin, 0.0f, s, nptick);
            label(lon, g.latmin - offset, lon, ndec);
        }
        align(-2);
        for (int32_t i = 0; i <= m; ++i) {
            const float lon = meridian(i, m);
            stepLine(pen, lon, g.latmax, 0.0f, -s, nptick);
            label(lon, g.latmax + offset, lon, ndec);
        }
    }

    // Parallels, from south to north, each drawn westward.
    const int32_t p = intervals(dlat, g.latinc);
    wout({"nb of parallels =", fmtI(p + 1, 6)});
    const auto parallel = [&](int32_t k, int32_t count) {
        return g.latmin + dlat * static_cast<float>(k) / static_cast<float>(count);
    };
    const int32_t pLines = frameOnly ? 1 : p;
    for (int32_t k = 0; k <= pLines; ++k)
        stepLine(pen, g.lonmax, parallel(k, pLines), -dlon / static_cast<float>(npgrid), 0.0f,
                 npgrid);
    if (ticks) {
        align(-5);
        for (int32_t k = 0; k <= p; ++k) {
            const float lat = parallel(k, p);
            stepLine(pen, g.lonmax, lat, -s, 0.0f, nptick);
            label(g.lonmax + offset, lat, lat, ndec);
        }
        align(-7);
        for (int32_t k = 0; k <= p; ++k) {
            const float lat = parallel(k, p);
            stepLine(pen, g.lonmin, lat, s, 0.0f, nptick);
            label(g.lonmin - offset, lat, lat, ndec);
        }
    }
    menutail();
}

void extrllgrid(float& xmin, float& ymin, float& xmax, float& ymax) {
    const Gridll& g = gridll;
    const float lon[4] = {g.lonmin, g.lonmax, g.lonmax, g.lonmin};
    const float lat[4] = {g.latmin, g.latmin, g.latmax, g.latmax};
    bool first = true;
    xmin = ymin = xmax = ymax = 0.0f;
    for (int k = 0; k < 4; ++k) {
        // A corner the projection cannot place (at infinity) would leave no scale for the rest.
        float x = 0.0f, y = 0.0f;
        if (!project(lon[k], lat[k], x, y)) continue;
        if (first) {
            xmin = xmax = x;
            ymin = ymax = y;
            first = false;
        }
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        ymin = std::min(ymin, y);
        ymax = std::max(ymax, y);
    }
}

}  // namespace tensova

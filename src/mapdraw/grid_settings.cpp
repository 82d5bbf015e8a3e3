// The grid settings and their menu.

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/boxes.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/globe.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "mapdraw/grid.hpp"
#include "mapdraw/map_drawing.hpp"
#include "numeric/angles.hpp"

namespace tensova {
namespace {

const Stamp kSllgrid3("sllgrid3", "", "");

constexpr int32_t kExit = 99;

// The settings as the caller sees them: angles in degrees.
struct GridDegrees {
    float latmin, latmax, lonmin, lonmax, latinc, loninc, ticsize;
    int32_t npgrid, nptick, gridtype, ndec;
};

std::string real8(float v) {
    return fmtF(v, 8, 3);
}
std::string int6(int32_t v) {
    return fmtI(v, 6);
}

void showMenu(const GridDegrees& g) {
    submenuhead(kSllgrid3);
    if (!lwito(2)) return;
    wout({kDashes43});
    wout({"LATITUDE-LONGITUDE GRID PARAMETERS"});
    wout({kDashes43});
    wout({"latitude min, max and inc .....10"});
    wout({"latitude minimum ..............11", real8(g.latmin)});
    wout({"latitude maximum ..............12", real8(g.latmax)});
    wout({"latitude increment ............13", real8(g.latinc)});
    wout({"longitude min, max and inc ....20"});
    wout({"longitude minimum .............21", real8(g.lonmin)});
    wout({"longitude maximum .............22", real8(g.lonmax)});
    wout({"longitude increment ...........23", real8(g.loninc)});
    wout({"nb of points to draw grid......31", int6(g.npgrid)});
    wout({"nb of points to draw tick......32", int6(g.nptick)});
    wout({"tic size (degrees) ............33", real8(g.ticsize)});
    wout({"nb of decimals ................34", int6(g.ndec)});
    wout({"grid type .....................40", int6(g.gridtype)});
    if ((g.gridtype == 2 || g.gridtype == 3) && g.nptick > std::max(2, g.npgrid / 3)) {
        wout({kDashes43});
        wout({"WARNING:"});
        wout({"too many points for tick marks ?"});
        wout({kDashes43});
    }
    wout({kDashes43});
    wout({"EXIT ..........................99"});
    menutail();
}

// Minimum, maximum and increment from one free-format line, asked until the line holds them
// with both bounds on the globe, in [-limit, limit].
void readRange(std::string_view question, std::string_view unitLine, float limit, float& vmin,
               float& vmax, float& inc) {
    const std::string range = globeRange(limit);
    std::array<float, 3> v{vmin, vmax, inc};
    askUntilUsable(
        [&] {
            inrealsline(v.data(), 3, kSllgrid3, question, [&] {
                wout({question});
                wout({unitLine});
                wout({"mini and maxi inside  " + range});
            });
        },
        [&] {
            // The line was read: the box names each bound off the globe, as a bound asked
            // alone does.
            std::vector<std::string> outside;
            for (const auto& [name, value] : {std::pair{"mini", v[0]}, std::pair{"maxi", v[1]}})
                if (!onGlobe(value, limit))
                    outside.push_back(std::string(name) + " = " + fmtG(value, 12, 6));
            if (outside.empty()) return true;
            outside.push_back("outside " + range);
            refuseAnswer({kSllgrid3, question}, outside);
            return false;
        },
        v);
    vmin = v[0];
    vmax = v[1];
    inc = v[2];
}

// The longitudes as every map reads them: running east from the first bound, a turn at most.
// A bound more than a turn from the other, or far off, is brought back with a box: it would
// draw nothing true and write without end.
void normaliseLongitudes(GridDegrees& g) {
    const std::string_view who = kSllgrid3.name;
    crevin2("longitude minimum", g.lonmin, -kLongitudeLimit, kLongitudeLimit, who, 0);
    crevin2("longitude maximum", g.lonmax, g.lonmin - 360.0f, g.lonmin + 360.0f, who, 0);
    g.lonmax = eastOf(g.lonmin, g.lonmax);
}

// The whole frame as every map reads it: its longitudes, and latitudes on the globe, south to
// north.
void normaliseFrame(GridDegrees& g) {
    const std::string_view who = kSllgrid3.name;
    crevin2("latitude minimum", g.latmin, -kLatitudeLimit, kLatitudeLimit, who, 0);
    crevin2("latitude maximum", g.latmax, -kLatitudeLimit, kLatitudeLimit, who, 0);
    if (g.latmin > g.latmax) std::swap(g.latmin, g.latmax);
    normaliseLongitudes(g);
    // A tick longer than a quarter turn reaches nothing a map shows.
    crevin2("tic size", g.ticsize, -90.0f, 90.0f, who, 0);
}

void menu(GridDegrees& g) {
    for (;;) {
        showMenu(g);
        int32_t choice = kExit;
        inintegdef(choice, "your choice", kExit);
        switch (choice) {
            case 10:
                readRange("enter latitude mini, maxi and increment",
                          std::string(29, ' ') + "in degrees", kLatitudeLimit, g.latmin, g.latmax,
                          g.latinc);
                break;
            case 11:
                inlatitudedef(g.latmin, "latitude minimum", g.latmin);
                break;
            case 12:
                inlatitudedef(g.latmax, "latitude maximum", g.latmax);
                break;
            case 13:
                inrealdef(g.latinc, "latitude increment", g.latinc);
                break;
            // The menu shows the longitudes as the map will use them: 170 -170 is 170..190.
            case 20:
                readRange("enter longitude mini, maxi and increment",
                          std::string(30, ' ') + "in degrees", kLongitudeLimit, g.lonmin, g.lonmax,
                          g.loninc);
                normaliseLongitudes(g);
                break;
            case 21:
                inlongitudedef(g.lonmin, "longitude minimum", g.lonmin);
                normaliseLongitudes(g);
                break;
            case 22:
                inlongitudedef(g.lonmax, "longitude maximum", g.lonmax);
                normaliseLongitudes(g);
                break;
            case 23:
                inrealdef(g.loninc, "longitude increment", g.loninc);
                break;
            case 31:
                inintegdef(g.npgrid, "nb of pts per grid line", g.npgrid);
                break;
            case 32:
                inintegdef(g.nptick, "nb of pts per tick", g.nptick);
                break;
            case 33:
                inrealdef(g.ticsize, "tic size in degrees", g.ticsize);
                break;
            case 34:
                inintegvindef(g.ndec, "nb of tick labels decimals", g.ndec, 0, 4);
                break;
            case 40:
                for (const char* line : {"no grid ..........0", "regular grid .....1",
                                         "ticks out grid ...2", "ticks in  grid....3"})
                    wout({line});
                inintegvindef(g.gridtype, "your choice", g.gridtype, 0, 3);
                break;
            case kExit:
                return;
            default:
                unknownCommand(kSllgrid3, choice);
                break;
        }
    }
}

}  // namespace

void sllgrid3(float& latmin, float& latmax, float& lonmin, float& lonmax, float& latinc,
              float& loninc, int32_t& npgrid, float& ticsize, int32_t& nptick, int32_t& gridtype,
              int32_t& ndec, int32_t inter) {
    GridDegrees g{latmin,  latmax, lonmin, lonmax,   latinc, loninc,
                  ticsize, npgrid, nptick, gridtype, ndec};
    if (startsFromStored(inter)) {
        const Gridll& b = gridll;
        g = {deg(b.latmin), deg(b.latmax), deg(b.lonmin),  deg(b.lonmax),
             deg(b.latinc), deg(b.loninc), deg(b.ticsize), b.npgrid,
             b.nptick,      b.gridtype,    b.ndec};
    } else if (startsFromDefaults(inter)) {
        g = {-80.0f, 80.0f, -80.0f, 80.0f, 10.0f, 10.0f, 1.0f, 3, 2, 1, 1};
    }
    if (isDialog(inter)) menu(g);
    if (inter != 3) {
        normaliseFrame(g);
        const Gridll& b = gridll;
        gridll = {{radKept(g.latinc, b.latinc), radKept(g.loninc, b.loninc),
                   radKept(g.ticsize, b.ticsize), g.npgrid, g.nptick, g.gridtype, g.ndec},
                  radKept(g.latmin, b.latmin),
                  radKept(g.latmax, b.latmax),
                  radKept(g.lonmin, b.lonmin),
                  radKept(g.lonmax, b.lonmax)};
    }
    latmin = g.latmin;
    latmax = g.latmax;
    lonmin = g.lonmin;
    lonmax = g.lonmax;
    latinc = g.latinc;
    loninc = g.loninc;
    ticsize = g.ticsize;
    npgrid = g.npgrid;
    nptick = g.nptick;
    gridtype = g.gridtype;
    ndec = g.ndec;
}

Map mapOfGrid() {
    const Gridll& g = gridll;
    return Map(
        MapFrame{g.lonmin, g.lonmax, std::min(g.latmin, g.latmax), std::max(g.latmin, g.latmax)},
        g);
}

}  // namespace tensova

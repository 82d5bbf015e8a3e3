// Plotted points: one point typed in, or the points of a two-column file, drawn as symbols of
// the menu's own type, size and colours, projected or as they are, and listed.

#include "mapdraw/plotted_points.hpp"

#include <array>
#include <span>
#include <string>

#include "columns/column_reader.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/globe.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "curve/point_buffers.hpp"
#include "curve/running_point.hpp"
#include "mapdraw/map_drawing.hpp"
#include "numeric/angles.hpp"
#include "plot/attributes.hpp"
#include "plot/drawing.hpp"
#include "projection/projection.hpp"

namespace tensova {
namespace {

const Stamp kMappoint("mappoint", " 2.0", "06-12-2026");

constexpr int32_t kExit = 99;
constexpr int32_t kPointsUnit = 12;

// The four plot attributes the menu draws with.
struct Attributes {
    int32_t lineColor = 1;
    int32_t fillColor = 1;
    int32_t symbolType = -5;  // type 5, filled
    float symbolSize = 0.3f;
};

struct Settings {
    bool listing = true;
    float x = 0.0f;  // the single point, degrees or user units
    float y = 0.0f;
    Attributes own;
};
Settings settings;

// Every attribute in mode 3 reads back, in mode 1 becomes current.
void apply(Attributes& a, int32_t inter) {
    slinecolor(a.lineColor, inter);
    sfillcolor(a.fillColor, inter);
    ssymboltype(a.symbolType, inter);
    ssymbolsize(a.symbolSize, inter);
}

const std::string kEquals22 = std::string(22, '=');

void showMenu(bool useproj) {
    const Attributes& a = settings.own;
    submenuhead(kMappoint);
    wout({kDashes43});
    wout({"MAPPING POINTS"});
    wout({kDashes43});
    wout({"use projection .............13", fmtL(useproj, 1)});
    wout({"screen listing .............14", fmtL(settings.listing, 1)});
    wout({"line color .................51", fmtI(a.lineColor, 6)});
    wout({"fill color .................52", fmtI(a.fillColor, 6)});
    wout({"symbol type ................53", fmtI(a.symbolType, 6)});
    wout({"symbol size ................54", fmtF(a.symbolSize, 8, 3)});
    wout({"X or longitude .............10", fmtF(settings.x, 8, 3)});
    wout({"Y or latitude ..............20", fmtF(settings.y, 8, 3)});
    wout({kDashes43});
    wout({"Plot single point (x,y ) ..100"});
    wout({"Plot set of point (file) ..200"});
    wout({kDashes43});
    wout({"RETURN TO MAIN .............99"});
    menutail();
}

// The file's points into cc2dbuff; false (with a warning) when the user left without data.
bool readPoints(int32_t& nread, std::array<std::string, 2>& colnames,
                std::array<std::string, 2>& varnam) {
    std::string title = fit("", 20);
    std::string fname = fit("", 40);
    int32_t ndisp = 4;
    int32_t iskip = 2;
    int32_t ititle = 1;
    int32_t iheader = 2;
    std::array<int32_t, 2> jacol{1, 2};
    std::array<int32_t, 2> jfcol{1, 2};
    int32_t nvar = 2;
    int32_t ncolmax = 0;
    varnam = {fit("X-long", 10), fit("Y-lat", 10)};
    const int32_t ierr =
        readreal6(title, fname, "long-lat data input", kPointsUnit, ndisp, iskip, ititle, iheader,
                  jacol, jfcol, varnam, nvar, std::span<float>(cc2dbuff.v), colnames, nread,
                  ncolmax, kCurvePointsMax, 2, 1, 0);
    if (ierr != 0) {
        warninghead(kMappoint);
        wout({"INPUT FILE HAS NOT BEEN READ"});
        wout({"====> NO DATA"});
        wout({"====> SKIPPING PLOT"});
        warningtail00();
        return false;
    }
    wout({"INPUT FILE HAS BEEN READ"});
    wout({"NB OF DATA =", fmtI(nread, 6)});
    wout({"====> GOING TO PLOT"});
    return true;
}

// The n points of cc2dbuff: radians already for a typed point, degrees from a file.
void plotPoints(const Map& map, int32_t n, bool fromFile, bool useproj,
                const std::array<std::string, 2>& varnam,
                const std::array<std::string, 2>& colnames) {
    float* x = cc2dbuff.x();
    float* y = cc2dbuff.y();
    wout({kEquals22});
    if (useproj) {
        wout({"PROJECTING LOCATIONS"});
        wout({"LONG, LAT (input) --> X, Y"});
        if (fromFile) {
            deg2rad(x, x, n);
            deg2rad(y, y, n);
        }
        projectOnMap(map, x, y, x, y, n);
    } else {
        wout({"NO PROJECTION"});
        wout({"X, Y = input"});
        wout({kEquals22});
    }
    wout({kEquals22});
    wout({"PLOTTING LOCATION"});
    wout({kEquals22});
    // Points the map does not show are not drawn (they keep their row in the listing). Points
    // taken as they are stand in the map's user units too.
    if (useproj) {
        symbolsOnMap(map, x, y, n);
    } else {
        map.putOnPage();
        ussymbol(x, y, n);
    }
    if (!settings.listing) return;
    wout({kEquals22});
    wout({"Plotted coordinates:"});
    wout({kEquals22});
    wout({"|" + fmtA("nb", 3) + "|" + fmtA(varnam[0], 8) + "|" + fmtA(varnam[1], 8) + "|"});
    wout({"|" + fmtA("", 3) + "|" + fmtA(colnames[0], 8) + "|" + fmtA(colnames[1], 8) + "|"});
    for (ptblock.ipt = 1; ptblock.ipt <= n; ++ptblock.ipt) {
        const auto k = static_cast<std::size_t>(ptblock.ipt - 1);
        wout({"|" + fmtI(ptblock.ipt, 3) + "|" + fmtF(x[k], 8, 3) + "|" + fmtF(y[k], 8, 3) + "|"});
    }
    wout({kEquals22});
}

}  // namespace

void mappoint(bool& /*useproj*/, int32_t inter) {
    if (!startsFromDefaults(inter)) return;
    submenuhead(kMappoint);
    wout({"INITIALIZING PARAMETERS"});
    settings = Settings{};
}

void mappoint(bool& useproj, int32_t inter, const Map& map) {
    if (startsFromDefaults(inter)) {
        mappoint(useproj, inter);
        return;
    }
    Attributes found;
    apply(found, 3);
    apply(settings.own, 1);
    std::array<std::string, 2> varnam{fit("X-long", 10), fit("Y-lat", 10)};
    std::array<std::string, 2> colnames{fit("", 10), fit("", 10)};
    Attributes& own = settings.own;
    for (;;) {
        showMenu(useproj);
        int32_t choice = 0;
        ininteg1(choice, "your choice");
        switch (choice) {
            case kExit:
                apply(found, 1);
                return;
            case 13:
                inlogicdef(useproj, "project coordinates ?", useproj);
                break;
            case 14:
                inlogicdef(settings.listing, "coord on sreen ?", settings.listing);
                break;
            case 51:
                slinecolor(own.lineColor, 0);
                break;
            case 52:
                sfillcolor(own.fillColor, 0);
                break;
            case 53:
                ssymboltype(own.symbolType, 0);
                break;
            case 54:
                ssymbolsize(own.symbolSize, 0);
                break;
            // Projected, the point is a longitude and a latitude, held to the globe.
            case 10:
                (useproj ? inlongitudedef : inrealdef)(settings.x, "X or long-deg", settings.x);
                break;
            case 20:
                (useproj ? inlatitudedef : inrealdef)(settings.y, "Y or lat-deg", settings.y);
                break;
            case 100:
                cc2dbuff.x()[0] = useproj ? rad(settings.x) : settings.x;
                cc2dbuff.y()[0] = useproj ? rad(settings.y) : settings.y;
                plotPoints(map, 1, false, useproj, varnam, colnames);
                break;
            case 200: {
                int32_t nread = 0;
                if (readPoints(nread, colnames, varnam))
                    plotPoints(map, nread, true, useproj, varnam, colnames);
                break;
            }
            default:
                unknownCommand(kMappoint, choice);
                break;
        }
    }
}

}  // namespace tensova

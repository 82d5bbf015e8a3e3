#include "seismo/seismicity_map.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/selection_tests.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/files.hpp"
#include "console/menus.hpp"
#include "console/numtext.hpp"
#include "console/prompts.hpp"
#include "console/runinfo.hpp"
#include "console/units.hpp"
#include "mapdraw/contours.hpp"
#include "mapdraw/grid.hpp"
#include "mapdraw/map_drawing.hpp"
#include "mapdraw/page_fit.hpp"
#include "mapdraw/plotted_points.hpp"
#include "mapdraw/projection_menu.hpp"
#include "numeric/angles.hpp"
#include "numeric/figures.hpp"
#include "plot/attributes.hpp"
#include "plot/drawing.hpp"
#include "plot/page_layout.hpp"
#include "plot/plot_life.hpp"
#include "plot/run_information.hpp"
#include "plot/transforms.hpp"
#include "projection/projection.hpp"
#include "seismo/principal_axes.hpp"
#include "seismo/shmax_symbols.hpp"
#include "seismo/sish_file.hpp"

namespace tensova {
namespace {

const Stamp kMapseis4("mapseis", " 7.0", "01-06-2010");

constexpr int32_t kExit = 99;
constexpr int32_t kRun = 1000;
// Justifications: 4 * row + column, negative to trim the text's blanks.
constexpr int32_t kBottomCentre = -2;
constexpr int32_t kBottomLeft = -1;

// The grid settings as its set-up routine passes them, in degrees.
struct GridArgs {
    float latmin = 0.0f, latmax = 0.0f, lonmin = 0.0f, lonmax = 0.0f;
    float latinc = 0.0f, loninc = 0.0f, ticsize = 0.0f;
    int32_t npgrid = 0, nptick = 0, gridtype = 0, ndec = 0;
    void set(int32_t mode) {
        sllgrid3(latmin, latmax, lonmin, lonmax, latinc, loninc, npgrid, ticsize, nptick, gridtype,
                 ndec, mode);
    }
};

struct ShArgs {
    float sizmaxa = 0.0f, sizmina = 0.0f;
    int32_t epitype = 0, isha = 0;
    void set(int32_t mode) { smapsh2(sizmaxa, sizmina, epitype, isha, mode); }
};

// The plot library's symbol size and type, as they were when the menu was entered.
struct SavedSymbol {
    float size = 0.0f;
    int32_t type = 0;
    void save() {
        ssymbolsize(size, 3);
        ssymboltype(type, 3);
    }
    void restore() {
        ssymbolsize(size, 1);
        ssymboltype(type, 1);
    }
};

// The events as the caller passes them.
struct Events {
    float* xd;
    float* yd;
    const float *rlong, *rlat, *depth;
    const char* date1;
    std::size_t dateLength;
    const char* time1;
    std::size_t timeLength;
    const float *azd1, *dipd1, *rakd1;
    int32_t n;
    // Where the map places them: longitude in the map's turn and latitude, radians.
    std::vector<float> lon = {}, lat = {};
    std::string_view date(std::size_t i) const { return {date1 + i * dateLength, dateLength}; }
    std::string_view time(std::size_t i) const { return {time1 + i * timeLength, timeLength}; }
};

void setDefaults() {
    MapSeis& m = mapseis;
    m.plotName = fit("seis.map.ps", 50);
    m.contours = true;
    m.epicentres = true;
    m.shDirections = true;
    m.points = true;
    m.scaleToFit = true;
    m.threshold = 0.0f;
    m.epitype = -4;
}

void startUp(int32_t isub, int32_t mode) {
    submenuhead(kMapseis4);
    wout({"INITIALIZING MAP PARAMETERS"});
    setDefaults();
    int32_t sub = isub;
    ssubplot(sub, 1);
    float x0 = 10.0f, y0 = 8.0f, xx = 2.5f, xy = 0.0f, yx = 0.0f, yy = 2.5f;
    sus2cm1(x0, y0, xx, xy, yx, yy, 1);
    GridArgs grid;
    grid.set(mode);
    int32_t iproj = 0;
    sprojll2(iproj, mode);
    bool useproj = true;
    mappoint(useproj, mode);
    ShArgs sh;
    sh.set(mode);
}

void showMenu(int32_t n, int32_t nmax) {
    const MapSeis& m = mapseis;
    submenuhead(kMapseis4);
    if (!lwito(2)) return;
    const std::string dashes32(32, '-');
    wout({kDashes43});
    wout({"SET UP:"});
    wout({dashes32});
    wout({"PLOT:"});
    wout({"plot file name:", fit(m.plotName, 20)});
    wout({"open plot file  ..............10"});
    wout({"scaling ......................11"});
    wout({"plot parameters ..............12"});
    wout({"scale to fit grid ............15", fmtL(m.scaleToFit, 1)});
    wout({"close file = end plot ........20"});
    wout({dashes32});
    wout({"MAP:"});
    wout({"projection ..................300"});
    wout({"Epicenter symbol type .......310"});
    wout({"Symbols size + Sh type ......315"});
    wout({"lat long grid ...............320"});
    wout({"grid bounds from test bounds 330"});
    wout({"Plot contours ...............340", fmtL(m.contours, 1)});
    wout({"plot epicenters .............341", fmtL(m.epicentres, 1)});
    wout({"plot sh directions ..........342", fmtL(m.shDirections, 1)});
    wout({"plot symbol lat-long ........343", fmtL(m.points, 1)});
    wout({dashes32});
    wout({"DATA:"});
    wout({"maximum nb of data =", fmtI(nmax, 6)});
    wout({"current nb of data =", fmtI(n, 6)});
    wout({"plunge threshold for isv ....400", fmtF(m.threshold, 8, 3)});
    wout({kDashes43});
    wout({"RUN = CREATE MAP ...........1000"});
    wout({"EXIT .........................99"});
    menutail();
}

void showHelp() {
    submenuhead(kMapseis4);
    wout({kEquals43});
    wout({"                HELP DESK:                 "});
    wout({fit("   maps: see the README file of tensova", 43)});
    wout({kEquals43});
}

// The grid's bounds become the selection tests' bounds.
void gridFromTests() {
    GridArgs grid;
    grid.set(3);
    float depmin = 0.0f, depmax = 0.0f;
    gscseistest(grid.latmin, grid.latmax, grid.lonmin, grid.lonmax, depmin, depmax);
    grid.set(1);
}

// The settings entries of the menu; the plot file and RUN are the caller's. False for a number
// that the menu does not know.
bool act(int32_t choice, int32_t isub, float& thresholdRad) {
    MapSeis& m = mapseis;
    switch (choice) {
        case 10:
        case 20:
        case kRun:
        case kExit:
            break;
        case 900:
            showHelp();
            break;
        case 11: {
            int32_t sub = isub;
            ssubplot(sub, 1);
            float x0 = 0.0f, y0 = 0.0f, xx = 0.0f, xy = 0.0f, yx = 0.0f, yy = 0.0f;
            sus2cm1(x0, y0, xx, xy, yx, yy, 2);
            break;
        }
        case 12:
            splotparam2(0);
            break;
        case 15:
            inlogicdef(m.scaleToFit, "scale plot to grid", m.scaleToFit);
            break;
        case 300: {
            int32_t iproj = 1;
            sprojll2(iproj, 2);
            break;
        }
        case 310:
            wout({"choose epicenter symbol"});
            ssymboltype(m.epitype, 0);
            break;
        case 315: {
            ShArgs sh;
            sh.set(2);
            break;
        }
        case 320: {
            GridArgs grid;
            grid.set(2);
            break;
        }
        case 330:
            gridFromTests();
            break;
        case 340:
            inlogicdef(m.contours, "Plot contours", m.contours);
            break;
        case 341:
            inlogicdef(m.epicentres, "Plot epicenters", m.epicentres);
            break;
        case 342:
            inlogicdef(m.shDirections, "plot sh directions", m.shDirections);
            break;
        case 343:
            inlogicdef(m.points, "symbol lat-long", m.points);
            break;
        case 400:
            inrealdef(m.threshold, "plunge threshold for isv in deg", m.threshold);
            thresholdRad = rad(m.threshold);
            break;
        default:
            return false;
    }
    return true;
}

// A step of the RUN announced on the console between two rules.
void announce(std::initializer_list<std::string_view> titles) {
    const std::string rule(36, '=');
    wout({rule});
    for (const std::string_view t : titles) wout({t});
    wout({rule});
}

// The run information and the count of events at the top of the page; returns the lowest
// point (cm) that its lines reach.
float drawHeading(const PageLayout& page, int32_t n) {
    int32_t saved = 0;
    stextalign(saved, 3);
    int32_t just = kBottomCentre;
    stextalign(just, 1);
    Box heading = cmplotruninfo0(page.centre, page.top);
    just = kBottomLeft;
    stextalign(just, 1);
    std::string count(7, ' ');
    int32_t nchar = 0;
    intg2char(count, nchar, 7, n);
    heading.take(
        cmplotcharinfo0("Number of data: " + count.substr(0, static_cast<std::size_t>(nchar)), 1,
                        page.left, page.top));
    stextalign(saved, 1);
    return heading.ymin;
}

// An event the map shows.
bool shown(const Events& e, int32_t i) {
    return onMap(e.xd[i], e.yd[i]);
}

// The map fitted to the page (see fitToPage); a frame that the map does not show gets its box.
void scaleToGrid(Map& map, const PageLayout& layout) {
    announce({"SCALING GRID IN " + layout.name});
    const FrameFit fit = fitToPage(map, layout);
    if (fit == FrameFit::kFitted) return;
    warninghead(kMapseis4);
    wout({"the grid box has no extent on the map"});
    if (fit == FrameFit::kSliver)
        wout({"the projection shows only a point, a line or a sliver of the frame"});
    wout({"==> SCALING UNCHANGED"});
    warningtail00();
}

// The Si-Sh unit, or 0 with a warning when the slot holds no open file.
int32_t sishUnit(int32_t islot) {
    if (islot >= 1 && islot <= fiocom.nout && fiocom.iopou[static_cast<std::size_t>(islot - 1)])
        return fiocom.iouf[static_cast<std::size_t>(islot - 1)];
    warninghead(kMapseis4);
    wout({"Si-Sh file not open"});
    wout({"==> NO Si-Sh OUTPUT"});
    warningtail00();
    return 0;
}

// The stress axes of every event: the console table of flagged events, the stress symbols of
// the events the map shows, each arm along its ground azimuth as the map shows that direction
// at the event, and the Si-Sh lines (azimuths from geographic north) when `unit` is not 0.
void drawStress(const Map& map, const Events& e, float thresholdRad, int32_t unit) {
    UnitRecords records(unit);
    if (unit != 0) {
        unitWrite(unit, sishHeader());
        records.ended();
    }
    const int32_t out = iocom.stdOut;
    std::string record;
    SishEvent s;
    std::vector<GroundAxes> axes(static_cast<std::size_t>(e.n));
    groundAxes(map, axes.data(), e.lon.data(), e.lat.data(), e.xd, e.yd, e.n);
    const bool conformal = map.projection().conformal;
    const float halfPi = anglerad(kHalfPi);
    for (int32_t i = 0; i < e.n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        fsadr2steff(s.az, s.pl, rad(e.azd1[k]), rad(e.dipd1[k]), rad(e.rakd1[k]), 0.0f);
        s.azshmax = 0.0f;
        siap2sv(&s.azshmax, &s.isv, &s.az[0], &s.pl[0], &s.az[1], &s.pl[1], &s.az[2], &s.pl[2],
                thresholdRad, 1);
        writepbsv(&s.azshmax, &s.isv, &s.az[0], &s.pl[0], &s.az[1], &s.pl[1], &s.az[2], &s.pl[2], 1,
                  out, i + 1);
        s.isv = std::abs(s.isv);
        if (shown(e, i)) {
            const GroundAxes& g = axes[k];
            const float az = s.azshmax;
            const ArmTurns turns{{g.turn(az, conformal), g.turn(az + halfPi, conformal)}};
            dmapsh2(e.xd + i, e.yd + i, &s.azshmax, &s.isv, 1, &turns, &map.page());
        }
        if (unit == 0) continue;
        s.date = e.date(k);
        s.time = e.time(k);
        s.lat = e.rlat[k];
        s.lon = e.rlong[k];
        s.depth = e.depth[k];
        s.strike = e.azd1[k];
        s.dip = e.dipd1[k];
        s.rake = e.rakd1[k];
        record.clear();
        appendSishRecord(record, s);
        unitWrite(unit, record);
        records.ended();
    }
    if (unit != 0 && !unitFlush(unit)) {
        // The first event whose record the file does not hold whole, and those it does.
        const UnitRecords::Cut cut = records.cutAfter(1);
        warninghead(kMapseis4);
        wout({"Si-Sh file could not be written"});
        wout({"WHILE WRITING", fmtI(cut.first, 6), "th DATA"});
        wout({"NUMBER OF SAVED DATA =", fmtI(cut.whole, 6)});
        wout({"==> Si-Sh OUTPUT INCOMPLETE"});
        warningtail00();
    }
}

// The events projected into xd and yd where the map places them. An event the projection
// cannot show truly, or that lies outside the map's frame, is not drawn (its position becomes
// the sentinel); one box counts them.
void projectEvents(const Map& map, Events& e) {
    const auto n = static_cast<std::size_t>(e.n);
    e.lon.resize(n);
    e.lat.resize(n);
    deg2rad(e.lon.data(), e.rlong, e.n);
    deg2rad(e.lat.data(), e.rlat, e.n);
    const int32_t off = projectOnMap(map, e.xd, e.yd, e.lon.data(), e.lat.data(), e.n);
    if (off > 0) {
        warninghead(kMapseis4);
        wout({"events off the map projection =", fmtI(off, 6)});
        wout({"==> NOT DRAWN"});
        warningtail00();
    }
}

void run(Events& e, int32_t isub, float thresholdRad, int32_t islot, bool lsish) {
    const MapSeis& m = mapseis;
    const ClampBoxRun boxes;
    const RunWriting drawing = drawingRun();
    int32_t sub = isub;
    ssubplot(sub, 1);
    announce({"PLOTTING INFORMATION"});
    PageLayout page = plotPageLayout();
    page.under(drawHeading(page, e.n));
    Map map = mapOfGrid();
    if (m.scaleToFit) scaleToGrid(map, page);
    announce({"PLOTTING LAT LONG GRID"});
    drawllgrid(map);
    // After each step: a plot file that refused a write ends the RUN, and nothing more is asked
    // or drawn for it.
    if (!plotstepwritten()) return;
    if (m.points) {
        announce({"PLOTTING LOCATION"});
        bool useproj = true;
        mappoint(useproj, 0, map);
        if (!plotstepwritten()) return;
    }
    if (m.epicentres || m.shDirections) {
        ShArgs sh;
        sh.set(3);
        ssymbolsize(sh.sizmaxa, 1);
        int32_t type = m.epitype;
        ssymboltype(type, 1);
        announce({"PROJECTING EPICENTERS", "LONG, LAT --> X, Y"});
        projectEvents(map, e);
    }
    if (m.epicentres) {
        announce({"PLOTTING EPICENTERS"});
        symbolsOnMap(map, e.xd, e.yd, e.n);
        if (!plotstepwritten()) return;
    }
    if (m.shDirections) {
        announce({"PLOTTING STRESS DIRECTIONS"});
        drawStress(map, e, thresholdRad, lsish ? sishUnit(islot) : 0);
        if (!plotstepwritten()) return;
    }
    if (m.contours) {
        announce({"PLOTTING LAT LONG CONTOURS"});
        contours1(map, 1);
    }
    // The map is whole only once the file has taken all of it: a full disk is told now, not at
    // the close.
    plotwritten();
}

}  // namespace

void mapseis4(float* xd, float* yd, const float* rlong, const float* rlat, const float* depth,
              const char* date1, int32_t dateLength, const char* time1, int32_t timeLength,
              const float* azd1, const float* dipd1, const float* rakd1, int32_t n, int32_t nmax,
              int32_t islot, bool lsish, int32_t isub, int32_t mode) {
    if (mode == 4 || mode == 5) {
        startUp(isub, mode);
        return;
    }
    ssubinfo(kMapseis4);
    float thresholdRad = rad(mapseis.threshold);
    // Never more events than the arrays hold.
    Events events{xd,
                  yd,
                  rlong,
                  rlat,
                  depth,
                  date1,
                  static_cast<std::size_t>(std::max(dateLength, 0)),
                  time1,
                  static_cast<std::size_t>(std::max(timeLength, 0)),
                  azd1,
                  dipd1,
                  rakd1,
                  std::clamp(n, 0, std::max(nmax, 0))};
    SavedSymbol saved;
    if (iocom.plotOpen) saved.save();
    for (;;) {
        showMenu(n, nmax);
        int32_t choice = kExit;
        inintegdef(choice, "your choice", kExit);
        if (!act(choice, isub, thresholdRad)) {
            unknownCommand(kMapseis4, choice);
            continue;
        }
        // The plot file, as the choice and the plot's state ask.
        const bool open = iocom.plotOpen;
        if (choice == 20) {
            plend();
        } else if (open && choice == kRun) {
            newpage();
        } else if (open && choice == 10) {
            plinit(mapseis.plotName, 2);  // only warns
        } else if (!open && (choice == 10 || choice == kRun)) {
            plinit(mapseis.plotName, 2);
            int32_t fill = 1;
            sfillstyle(fill, 5);
            saved.save();
        } else if (choice == kExit) {
            if (open) saved.restore();
            return;
        }
        if (choice == kRun) run(events, isub, thresholdRad, islot, lsish);
    }
}

}  // namespace tensova

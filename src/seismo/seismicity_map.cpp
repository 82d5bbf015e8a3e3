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
// The page's layout: run information and event count at the top, the grid fitted into the box
// below. What the fit holds stands on the page and below the heading; where it does not, the
// box is fitted again, the marks this margin inside the page: smaller, in a few fits, then let
// out again in halving steps as far as they allow; where that finds no box, at a share of it
// found in halving steps. The map is never made smaller than the least share of its first fit
// for its marks' sake: a stamp on the page shows nothing, and the marks that stand off the page
// even so are left out instead.
constexpr float kMarksMargin = 0.2f;
constexpr int32_t kShrinks = 4;
constexpr int32_t kSteps = 8;
constexpr float kLeastShare = 0.5f;
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

// A box of user units on the paper (cm) at the current scaling.
Box onPaper(const Box& us) {
    std::array<float, 2> x{us.xmin, us.xmax}, y{us.ymin, us.ymax};
    us2cm(x.data(), y.data(), x.data(), y.data(), 2);
    return {std::min(x[0], x[1]), std::min(y[0], y[1]), std::max(x[0], x[1]), std::max(y[0], y[1])};
}

// The symbols the map will draw: where their events stand (user units), and how far on the
// paper (cm) they reach from there.
struct Symbols {
    bool any = false;
    Box at;
    float reachCm = 0.0f;
};

// An event the map shows.
bool shown(const Events& e, int32_t i) {
    return onMap(e.xd[i], e.yd[i]);
}

Symbols symbolsOf(const Events& e, float reachCm) {
    Symbols s{false, {}, reachCm};
    for (int32_t i = 0; i < e.n; ++i) {
        if (!shown(e, i)) continue;
        const Box at{e.xd[i], e.yd[i], e.xd[i], e.yd[i]};
        if (s.any) {
            s.at.take(at);
        } else {
            s.at = at;
            s.any = true;
        }
    }
    return s;
}

// Fits of the projected grid box into boxes on the page.
struct GridFit {
    Map& map;
    float xmin, ymin, xmax, ymax;  // the projected grid box
    const Symbols& symbols;

    // The grid box into the box, both axes at the same scale, from its lower left corner; the
    // map then takes the page's new scale.
    void into(const Box& box) const {
        float x0 = box.xmin, y0 = box.ymin, width = box.xmax - box.xmin;
        float height = box.ymax - box.ymin;
        float x1 = xmin, x2 = xmax, y1 = ymin, y2 = ymax;
        int32_t isoxy = 1;
        sus2cm3(x0, y0, width, height, x1, x2, y1, y2, isoxy, 1);
        map.takePageScale();
    }
    // The grid box on the paper (cm) at the current scaling.
    Box paper() const { return onPaper({xmin, ymin, xmax, ymax}); }
    // What the fit holds, on the paper: the grid box, its ticks and its labels, and the symbols
    // of the events.
    Box held() const {
        Box b = paper();
        Box marks;
        if (gridMarksExtent(map, marks)) b.take(marks);
        if (symbols.any) b.take(onPaper(symbols.at).grown(symbols.reachCm));
        return b;
    }
    // The box less, at each side, how far what the fit holds stands beyond the room there: the
    // box itself where it all stands within the room.
    Box less(const Box& box, const Box& room) const {
        const Box b = held();
        const auto off = [](float beyond) { return std::max(beyond, 0.0f); };
        return {box.xmin + off(room.xmin - b.xmin), box.ymin + off(room.ymin - b.ymin),
                box.xmax - off(b.xmax - room.xmax), box.ymax - off(b.ymax - room.ymax)};
    }
};

bool sameBox(const Box& a, const Box& b) {
    return a.xmin == b.xmin && a.ymin == b.ymin && a.xmax == b.xmax && a.ymax == b.ymax;
}

// The box at t of the way from a to b.
Box between(const Box& a, const Box& b, float t) {
    const auto at = [t](float u, float v) { return u + t * (v - u); };
    return {at(a.xmin, b.xmin), at(a.ymin, b.ymin), at(a.xmax, b.xmax), at(a.ymax, b.ymax)};
}

// The first box gives up at each side what stands beyond the room there, until all stands in
// it; then, as the grid, its ticks and the labels' offsets shrink with the map and the labels
// do not, it gave up too much: it is let out towards the first as far as all stays in the
// room. False, the last fit left, where a few such steps find no box, or only one that makes
// the map smaller than the least share of its first fit.
bool shrunk(const GridFit& fit, const Box& first, const Box& room) {
    const float leastWidth = kLeastShare * fit.paper().width();
    Box held = first;
    for (int32_t k = 0;; ++k) {
        const Box less = fit.less(held, room);
        if (sameBox(less, held)) break;
        if (k == kShrinks || !(less.xmax > less.xmin) || !(less.ymax > less.ymin)) return false;
        held = less;
        fit.into(held);
    }
    float in = 0.0f, out = 1.0f;
    for (int32_t k = 0; k < kSteps; ++k) {
        const float t = 0.5f * (in + out);
        const Box box = between(held, first, t);
        fit.into(box);
        if (sameBox(fit.less(box, room), box)) {
            in = t;
        } else {
            out = t;
        }
    }
    fit.into(between(held, first, in));
    return fit.paper().width() >= leastWidth;
}

// Whether b is no wider and no taller than the room.
bool roomFor(const Box& b, const Box& room) {
    return b.width() <= room.width() && b.height() <= room.height();
}

// How far the extent [lo, hi] moves to be centred on [from, to].
float centring(float lo, float hi, float from, float to) {
    return 0.5f * ((from + to) - (lo + hi));
}

// The largest share of the first box, from its lower left corner and down to the least share,
// at which what the fit holds is no wider and no taller than the room: halved until it is, then
// found in halving steps; and there centred in the room, or the grid box alone where the marks
// do not fit even at the least share.
void shared(const GridFit& fit, const Box& first, const Box& room) {
    const Box corner{first.xmin, first.ymin, first.xmin, first.ymin};
    const auto share = [&](float t) { return between(corner, first, t); };
    const auto fits = [&](float t) {
        fit.into(share(t));
        return roomFor(fit.held(), room);
    };
    float in = 1.0f, out = 1.0f;
    if (!fits(in)) {
        while (in > kLeastShare && !fits(in *= 0.5f)) out = in;
        for (int32_t k = 0; k < kSteps && in < out; ++k) {
            const float t = 0.5f * (in + out);
            if (fits(t)) {
                in = t;
            } else {
                out = t;
            }
        }
    }
    const Box box = share(in);
    fit.into(box);
    Box b = fit.held();
    if (!roomFor(b, room)) b = fit.paper();
    const float dx = centring(b.xmin, b.xmax, room.xmin, room.xmax);
    const float dy = centring(b.ymin, b.ymax, room.ymin, room.ymax);
    fit.into({box.xmin + dx, box.ymin + dy, box.xmax + dx, box.ymax + dy});
}

// The projected grid box into the page's box, both axes at the same scale, and the map takes
// the page's new scale. What the fit holds (the grid, its ticks and labels, the events'
// symbols) stands on the page and below the heading, whose lowest point is `headingBottom` (cm);
// where it does not, the map is fitted again into the room that the page leaves, a margin inside
// it: into a smaller box, or at a smaller share of the box, centred, but never smaller than the
// least share of the first fit. The map keeps its marks on the page: any that stand off it or on
// the heading even so are left out. A box that has no extent (nothing of the frame shown) cannot be
// fitted: the scaling stays, and the marks on the page with it.
void scaleToGrid(Map& map, const PageLayout& layout, float headingBottom, const Symbols& symbols) {
    announce({"SCALING GRID IN " + layout.name});
    const Box page{0.0f, 0.0f, layout.width, std::min(layout.height, headingBottom)};
    float xmin = 0.0f, ymin = 0.0f, xmax = 0.0f, ymax = 0.0f;
    extrllgrid(map, xmin, ymin, xmax, ymax);
    if (!(xmax > xmin) || !(ymax > ymin)) {
        warninghead(kMapseis4);
        wout({"the grid box has no extent on the map"});
        wout({"==> SCALING UNCHANGED"});
        warningtail00();
    } else {
        const GridFit fit{map, xmin, ymin, xmax, ymax, symbols};
        const Box first = layout.box;
        fit.into(first);
        if (!page.holds(fit.held())) {
            const Box room = page.grown(-kMarksMargin);
            if (!shrunk(fit, first, room)) shared(fit, first, room);
        }
    }
    map.keepMarksIn(page);
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
            dmapsh2(e.xd + i, e.yd + i, &s.azshmax, &s.isv, 1, &turns);
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

// The events projected into xd and yd where the map places them, and how many it does not
// show: an event the projection cannot show truly, or that lies outside the map's frame, is not
// drawn (its position becomes the sentinel).
int32_t projectEvents(const Map& map, Events& e) {
    const auto n = static_cast<std::size_t>(e.n);
    e.lon.resize(n);
    e.lat.resize(n);
    deg2rad(e.lon.data(), e.rlong, e.n);
    deg2rad(e.lat.data(), e.rlat, e.n);
    return projectOnMap(map, e.xd, e.yd, e.lon.data(), e.lat.data(), e.n);
}

// One box counts the events the map does not show.
void reportEventsOff(int32_t off) {
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
    const PageLayout page = plotPageLayout();
    const float headingBottom = drawHeading(page, e.n);
    Map map = mapOfGrid();
    // The events are placed before the fit, which holds their symbols on the page too.
    const bool events = m.epicentres || m.shDirections;
    const int32_t off = events ? projectEvents(map, e) : 0;
    if (m.scaleToFit) {
        const Symbols symbols = events ? symbolsOf(e, symbolsReachCm(m.shDirections)) : Symbols{};
        scaleToGrid(map, page, headingBottom, symbols);
    }
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
    if (events) {
        ShArgs sh;
        sh.set(3);
        ssymbolsize(sh.sizmaxa, 1);
        int32_t type = m.epitype;
        ssymboltype(type, 1);
        announce({"PROJECTING EPICENTERS", "LONG, LAT --> X, Y"});
        reportEventsOff(off);
    }
    if (m.epicentres) {
        announce({"PLOTTING EPICENTERS"});
        symbolsOnMap(e.xd, e.yd, e.n);
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

#include "catalogue/selection_tests.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "catalogue/polygon_file.hpp"
#include "catalogue/polygon_test.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/files.hpp"
#include "console/globe.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "console/units.hpp"

namespace tensova {
namespace {

const Stamp kSetseistest("setseistest", " 7.1", "06-04-2010");

void setDefaults(Seistest2& t) {
    t.nfreemin = 6;
    t.nvrtx = 3;
    t.latmin = -90.0f;
    t.latmax = 90.0f;
    t.lonmin = -180.0f;
    t.lonmax = 180.0f;
    t.depmin = 0.0f;
    t.depmax = 50.0f;
    for (auto& interval : t.rakint) interval = {-180.0f, 180.0f};
    // The default triangle (longitude, latitude) (0, 0), (0, 60), (60, 0); vertices 4 to 9
    // keep what they hold.
    t.vrtxlat[0] = 0.0f;
    t.vrtxlat[1] = 60.0f;
    t.vrtxlat[2] = 0.0f;
    t.vrtxlong[0] = 0.0f;
    t.vrtxlong[1] = 0.0f;
    t.vrtxlong[2] = 60.0f;
    t.fclvdmax = 0.2f;
    t.erelmax = 0.15f;
    t.ltest = false;
    t.ltestlat = false;
    t.ltestlong = false;
    t.ltestdep = false;
    t.ltestpoly = false;
    t.lgrcircle = true;
    t.lrak2pl = false;
    t.ltestrak = {false, false, false};
    t.ltestfro = false;
}

bool within(float v, float lo, float hi) {
    return lo <= v && v <= hi;
}

// Whether the rake lies in the union of the intervals switched on (interval 1 always counts:
// without it there is no rake test).
bool rakeAccepted(const Seistest2& t, float rake) {
    for (std::size_t j = 0; j < t.rakint.size(); ++j)
        if ((j == 0 || t.ltestrak[j]) && within(rake, t.rakint[j][0], t.rakint[j][1])) return true;
    return false;
}

constexpr int32_t kPolygonUnit = 61;
constexpr std::string_view kDashes32 = "--------------------------------";

// Question texts travel in a 35-character text.
std::string question(std::string_view text) {
    return fit(text, 35);
}

std::string real8(float x) {
    return fmtF(x, 8, 3);
}
std::string flag(bool b) {
    return fmtL(b, 1);
}

void menuBody(const Seistest2& t) {
    wout({kDashes43});
    wout({"WHAT IS TO BE TESTED ? (Angles in degrees) "});
    wout({kDashes43});
    wout({"general test switch ..........10", flag(t.ltest)});
    wout({kDashes32});
    wout({"test latitude ...............100", flag(t.ltestlat)});
    if (t.ltestlat) {
        wout({"latitude mini ...............110", real8(t.latmin)});
        wout({"latitude maxi ...............110", real8(t.latmax)});
        wout({kDashes32});
    }
    wout({"test longitude ..............200", flag(t.ltestlong)});
    if (t.ltestlong) {
        wout({"longitude mini ..............210", real8(t.lonmin)});
        wout({"longitude maxi ..............210", real8(t.lonmax)});
        wout({kDashes32});
    }
    wout({"test polygon ................250", flag(t.ltestpoly)});
    if (t.ltestpoly) {
        wout({"great circle polygon ........251", flag(t.lgrcircle)});
        wout({"lat-long polygon ............251", flag(!t.lgrcircle)});
        wout({"min number of vertices ........:", fmtI(kMinVertices, 6)});
        wout({"max number of vertices ........:", fmtI(kMaxVertices, 6)});
        wout({"read polygon from file ......252"});
        wout({"number of vertices ..........253", fmtI(t.nvrtx, 6)});
        wout({"- - - - - - - - - - - - - - - - "});
        wout({fmtA("longitude", 8), "latitude", ".......command"});
        for (std::size_t i = 0; i < polygonVertexCount(t); ++i)
            wout({real8(t.vrtxlong[i]), real8(t.vrtxlat[i]),
                  "..........." + fmtI(static_cast<int64_t>(261 + i), 3)});
        wout({kDashes32});
    }
    wout({"test depth ..................300", flag(t.ltestdep)});
    if (t.ltestdep) {
        wout({"depth mini ..................310", real8(t.depmin)});
        wout({"depth maxi ..................310", real8(t.depmax)});
        wout({kDashes32});
    }
    wout({"test rake on both planes.....501", flag(t.lrak2pl)});
    wout({"test union of intervals 1,2,3"});
    static constexpr std::array<std::array<std::string_view, 3>, 3> kRakeLabels = {{
        {"test rake interval 1 ........500", "rake mini interval 1.........510",
         "rake maxi interval 1.........510"},
        {"test rake interval 2.........520", "rake mini interval 2.........530",
         "rake maxi interval 2.........530"},
        {"test rake interval 3.........540", "rake mini interval 3.........550",
         "rake maxi interval 3.........550"},
    }};
    for (std::size_t j = 0; j < kRakeLabels.size(); ++j) {
        wout({kRakeLabels[j][0], flag(t.ltestrak[j])});
        if (t.ltestrak[j]) {
            wout({kRakeLabels[j][1], real8(t.rakint[j][0])});
            wout({kRakeLabels[j][2], real8(t.rakint[j][1])});
        }
    }
    if (t.ltestrak[0] || t.ltestrak[1] || t.ltestrak[2]) wout({kDashes32});
    wout({"test Frohlich quality........600", flag(t.ltestfro)});
    if (t.ltestfro) {
        wout({"fclvd maxi ..................610", real8(t.fclvdmax)});
        wout({"moment relative error maxi ..620", real8(t.erelmax)});
        wout({"moment free components min ..630", fmtI(t.nfreemin, 6)});
    }
    // The menu ends on its exit entry between rules, without the usual closing frame.
    wout({kDashes43});
    wout({"EXIT .........................99"});
    wout({kDashes43});
}

using AskReal = void (*)(float&, std::string_view, float);

void askBounds(float& lo, float& hi, std::string_view loText, std::string_view hiText,
               AskReal ask = inrealdef) {
    ask(lo, question(loText), lo);
    ask(hi, question(hiText), hi);
}

void askVertex(Seistest2& t, int32_t k) {
    const auto i = static_cast<std::size_t>(k - 1);
    wout({"vertex number =", fmtI(k, 6)});
    // A vertex off the globe would leave the polygon test keeping nothing, without a word.
    inlongitudedef(t.vrtxlong[i], question("longitude"), t.vrtxlong[i]);
    inlatitudedef(t.vrtxlat[i], question("latitude"), t.vrtxlat[i]);
}

std::string polygonFileClosed(const std::string& name) {
    return "Polygon file " + std::string(trimmed(name)) + " is closed";
}

// A refused polygon file: the box names its line and what is wrong there, and the polygon in
// force stays, whole. Half a polygon, or one of the wrong size, would select the events of
// another region without a word. Piped answers and a command file end there, as at any refusal:
// their next lines were meant for a menu that read the file.
void polygonInputFailed(const Seistest2& t, const std::string& name,
                        const std::vector<std::string>& fault) {
    unitClose(kPolygonUnit);
    std::vector<std::string> lines = fault;
    lines.insert(lines.end(),
                 {"=> POLYGON INPUT FAILED", "=> KEEPING # vertices = " + fmtI(t.nvrtx, 6),
                  polygonFileClosed(name)});
    refuseAnswer({kSetseistest, "polygon input file name", "", RefusalBox::Warning}, lines);
}

// Reads the vertex count, the kind of edges and the vertices from a file the user names, and
// takes them only when the file holds a whole polygon that the test can use.
void readPolygonFile(Seistest2& t) {
    static std::string name = fit("", 35);  // the last file's name is the next default
    opef2(name, question("polygon input"), kPolygonUnit, OpenStatus::Old, 0);
    PolygonRead p;
    const std::vector<std::string> fault = readPolygon(kPolygonUnit, p);
    if (!fault.empty()) {
        polygonInputFailed(t, name, fault);
        return;
    }
    t.nvrtx = p.nvrtx;
    t.lgrcircle = p.lgrcircle;
    // The vertices after the last keep what they hold, as after a typed count.
    std::copy_n(p.vrtxlong.begin(), p.nvrtx, t.vrtxlong.begin());
    std::copy_n(p.vrtxlat.begin(), p.nvrtx, t.vrtxlat.begin());
    unitClose(kPolygonUnit);
    submenuhead(kSetseistest);
    wout({polygonFileClosed(name)});
    wout({"Could read up to:", fmtI(kMaxVertices, 6), "vertices"});
    wout({"Actually read   :", fmtI(t.nvrtx, 6), "vertices"});
    wout({"- - - - - - - - - - - - - - - - - - - - - -"});
}

// Carries out one menu choice other than the exit.
void applyChoice(Seistest2& t, int32_t choice) {
    switch (choice) {
        case 10:
            inlogicdef(t.ltest, question("activate test"), t.ltest);
            break;
        case 100:
            inlogicdef(t.ltestlat, question("activate latitude test"), t.ltestlat);
            break;
        case 110:
            askBounds(t.latmin, t.latmax, "minimum latitude", "maximum latitude", inlatitudedef);
            break;
        case 200:
            inlogicdef(t.ltestlong, question("activate longitude test"), t.ltestlong);
            break;
        case 210:
            askBounds(t.lonmin, t.lonmax, "minimum longitude", "maximum longitude", inlongitudedef);
            break;
        case 250:
            inlogicdef(t.ltestpoly, question("activate polygon test"), t.ltestpoly);
            break;
        case 251:
            inlogicdef(t.lgrcircle, question("bound polygon by great circle"), t.lgrcircle);
            break;
        case 252:
            readPolygonFile(t);
            break;
        case 253:
            inintegvindef(t.nvrtx, question("number of vertices"), t.nvrtx, kMinVertices,
                          kMaxVertices);
            break;
        case 300:
            inlogicdef(t.ltestdep, question("activate depth test"), t.ltestdep);
            break;
        case 310:
            askBounds(t.depmin, t.depmax, "minimum depth", "maximum depth");
            break;
        case 501:
            inlogicdef(t.lrak2pl, question("rake on both planes"), t.lrak2pl);
            break;
        case 500:
            inlogicdef(t.ltestrak[0], question("to test rake 1st interv"), t.ltestrak[0]);
            break;
        case 510:
            askBounds(t.rakint[0][0], t.rakint[0][1], "minimum rake 1", "maximum rake 1");
            break;
        case 520:
            inlogicdef(t.ltestrak[1], question("to test rake 2nd interv"), t.ltestrak[1]);
            break;
        case 530:
            askBounds(t.rakint[1][0], t.rakint[1][1], "minimum rake 2", "maximum rake 2");
            break;
        case 540:
            inlogicdef(t.ltestrak[2], question("to test rake 3rd interv"), t.ltestrak[2]);
            break;
        case 550:
            askBounds(t.rakint[2][0], t.rakint[2][1], "minimum rake 3", "maximum rake 3");
            break;
        case 600:
            inlogicdef(t.ltestfro, question("to carry frohlich 3 tests"), t.ltestfro);
            break;
        case 610:
            inrealdef(t.fclvdmax, question("maximum abs(fclvd)"), t.fclvdmax);
            break;
        case 620:
            inrealdef(t.erelmax, question("maximum rel error mij"), t.erelmax);
            break;
        case 630:
            inintegdef(t.nfreemin, question("minimum # of free mij"), t.nfreemin);
            break;
        default:
            // 261 to 260 + the vertex count edit a vertex; the menu knows no other number.
            if (choice > 260 && choice - 260 <= static_cast<int32_t>(polygonVertexCount(t)))
                askVertex(t, choice - 260);
            else
                unknownCommand(kSetseistest, choice);
            break;
    }
}

void runMenu(Seistest2& t) {
    for (;;) {
        submenuhead(kSetseistest);
        if (lwito(2)) menuBody(t);
        int32_t choice = 99;
        inintegdef(choice, question("your choice"), 99);
        if (choice == 99) return;
        applyChoice(t, choice);
    }
}

// Prepares the polygon when its test is on. False when its contour is inconsistent: the menu is
// asked again, at the keyboard (a contour refused ends a command file, and piped answers).
bool polygonSettled() {
    if (!seistest2.ltestpoly) return true;
    int32_t istat = 0;
    spolygontst(istat);
    if (istat == 0) return true;
    refuseAnswer({kSetseistest, "your choice", "=> BACK TO INTERACTIVE MENU", RefusalBox::Warning},
                 {"NEED TO FIX POLYGON CONTOUR", "           OR", "DISABLE POLYGON SELECTION"});
    return false;
}

}  // namespace

void setseistest6(int32_t inter) {
    int32_t mode = inter;
    if (startsFromDefaults(mode)) {
        submenuhead(kSetseistest);
        wout({"INITIALIZING EXTRACTION TESTS"});
        setDefaults(seistest2);
        int32_t istat = 0;
        spolygontst(istat);
    }
    for (;;) {
        if (isDialog(mode)) runMenu(seistest2);
        if (polygonSettled()) return;
        mode = 0;  // an inconsistent contour sends the user back to the menu
    }
}

void gscseistest(float& latmin, float& latmax, float& lonmin, float& lonmax, float& depmin,
                 float& depmax) {
    const Seistest2& t = seistest2;
    latmin = t.latmin;
    latmax = t.latmax;
    lonmin = t.lonmin;
    lonmax = t.lonmax;
    depmin = t.depmin;
    depmax = t.depmax;
}

bool passesLocationAndRake(const Gcmtblk& store, int32_t k) {
    const Seistest2& t = seistest2;
    if (!t.ltest) return true;
    const auto i = static_cast<std::size_t>(k);
    if (t.ltestlat && !within(store.rlat[i], t.latmin, t.latmax)) return false;
    if (t.ltestlong && !within(store.rlong[i], t.lonmin, t.lonmax)) return false;
    if (t.ltestdep && !within(store.depth[i], t.depmin, t.depmax)) return false;
    if (t.ltestpoly && !insidePolygon(store.rlong[i], store.rlat[i])) return false;
    if (t.ltestrak[0]) {
        const bool plane1 = rakeAccepted(t, store.rakd0[kPlane1][i]);
        const bool plane2 = rakeAccepted(t, store.rakd0[kPlane2][i]);
        return t.lrak2pl ? plane1 && plane2 : plane1 || plane2;
    }
    return true;
}

bool passesQuality(const Gcmtblk& store, int32_t k) {
    const Seistest2& t = seistest2;
    if (!t.ltest || !t.ltestfro) return true;
    const auto i = static_cast<std::size_t>(k);
    return std::fabs(store.fclvd[i]) <= t.fclvdmax && store.erelm[i] <= t.erelmax &&
           store.nmfree[i] >= t.nfreemin;
}

}  // namespace tensova

// The overlay menu: line files of six kinds laid over the map, one file per choice, each
// opened, read to its end, drawn, listed and closed.

#include "mapdraw/contours.hpp"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/files.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "console/units.hpp"
#include "mapdraw/overlays.hpp"
#include "numeric/angles.hpp"

namespace tensova {
namespace {

constexpr int32_t kExit = 99;
constexpr int32_t kClipEntry = 10;
constexpr int32_t kDensityEntry = 11;
constexpr float kDefaultDensity = 10.0f;
constexpr std::size_t kNameLength = 30;
constexpr std::size_t kTitleLength = 35;

// The settings kept from one call to the next.
struct Settings {
    bool clip = true;
    float ppd = kDefaultDensity;  // points per degree along polygon sides
};
Settings settings;

struct Kind {
    std::string_view explanation;
    std::string_view clipped;    // the listing title with clipping, empty when never clipped
    std::string_view unclipped;  // the title without
    std::span<const std::string_view> headings;
    FileEnd (*read)(OverlayFile&);
};

constexpr std::string_view kShoreHeadings[] = {"line #", "code", "# points", "type",
                                               "west",   "east", "south",    "north"};
constexpr std::string_view kUtigHeadings[] = {"line #", "# points"};
constexpr std::string_view kGebcoHeadings[] = {"line #", "code", "# points"};
constexpr std::string_view kLineHeadings[] = {"line #"};

const std::array<Kind, 6> kKinds = {{
    {"UTIG coastline", "UTIG coastline with clipping", "UTIG coastline without clipping",
     kUtigHeadings, readUtig},
    {"IGN line", "IGN line with clipping", "IGN line without clipping", kLineHeadings, readIgn},
    {"GEBCO line", "", "GEBCO line (no clipping)", kGebcoHeadings, readGebco},
    {"USGS ASCII dump line", "", "USGS ASCII dump line (no clipping)", kLineHeadings, readUsgs},
    {"Zelbar ASCII polygons", "Zelbar ASCII polygons with clipping",
     "Zelbar ASCII polygons without clipping", kShoreHeadings, readShore},
    {"Selection polygon", "", "Selection polygons (no clipping)", {}, readSelectionPolygon},
}};

void showMenu(const Frame& f, const LonWindow& w) {
    submenuhead(kContours1);
    if (!lwito(2)) return;
    wout({kDashes43});
    wout({" MAPPING CONTOURS"});
    wout({kDashes43});
    wout({"Clipping on ................10", fmtL(settings.clip, 1)});
    if (settings.clip) {
        wout({"  _|_________________|_ latmax =", f93(f.latmax)});
        wout({"   |                 |"});
        wout({"   |                 |"});
        wout({"  _|_________________|_ latmin =", f93(f.latmin)});
        wout({"   |                 |"});
        wout({"longmin           longmax"});
        wout({f93(f.lonmin) + std::string(7, ' ') + f93(f.lonmax)});
        wout({f93(w.lonmin) + std::string(7, ' ') + f93(w.lonmax)});
        wout({"Longitude origin =", f93(w.origin)});
    }
    wout({"Nb of points for 1 deg .....11", f93(settings.ppd)});
    wout({std::string(30, '-')});
    wout({"TYPE OF LINE FILE:"});
    wout({" UTIG coast file.............1"});
    wout({" IGN  coast file.............2"});
    wout({" GEBCO file..................3"});
    wout({" USGS ascii dump file .......4"});
    wout({" Zelbar gshhs ascii file ....5"});
    wout({" Selection polygon file .....6"});
    wout({kDashes43});
    wout({"EXIT .......................99"});
    menutail();
}

std::string closedLine(const OverlayFile& f) {
    return "input file " + std::string(trimmed(f.name)) + " closed";
}

void totalLine(const OverlayFile& f) {
    wout({"total nb of plotted curves = " + fmtI(f.counter, 6)});
}

// Opens a file of the kind, reads and draws it, closes it and says how it ended.
void overlayFile(int32_t choice, const Map& map, const LonWindow& window) {
    const Kind& kind = kKinds[static_cast<std::size_t>(choice - 1)];
    OverlayFile f;
    f.name = fit("", kNameLength);
    f.map = &map;
    f.clip = settings.clip && !kind.clipped.empty();
    f.window = window;
    f.ppd = &settings.ppd;
    opef2(f.name, kind.explanation, kOverlayUnit, OpenStatus::Old, 0);
    if (lwito(2)) {
        listingRule();
        wout({fit(f.clip ? kind.clipped : kind.unclipped, kTitleLength)});
        if (choice != 1) listingRule();
        if (!kind.headings.empty()) {
            listingHeadings(kind.headings);
            listingRule();
        }
    }
    const FileEnd end = kind.read(f);
    unitClose(kOverlayUnit);
    const auto report = [&] {
        for (const std::string& line : f.report) wout({line});
    };
    switch (end) {
        case FileEnd::Incomplete:
            // What was read is drawn and counted; the user learns where the file stops short.
            warninghead(kContours1);
            report();
            warningtail00();
            [[fallthrough]];
        case FileEnd::Eof:
            wout({kDashes43});
            totalLine(f);
            wout({closedLine(f)});
            menutail();
            break;
        case FileEnd::Error: {
            // A record that cannot be read refuses the file: piped answers and a command file
            // end here, as at any refusal.
            std::vector<std::string> lines{"WHILE READING FILE " + std::string(trimmed(f.name)),
                                           closedLine(f)};
            lines.insert(lines.end(), f.report.begin(), f.report.end());
            const std::string question = std::string(kind.explanation) + " file name";
            refuseAnswer({kContours1, question, ""}, lines);
            break;
        }
        case FileEnd::Cut:
            warninghead(kContours1);
            wout({"Stopped at curve #", fmtI(f.counter, 6)});
            wout({"Because of insufficient buffer"});
            totalLine(f);
            wout({closedLine(f)});
            warningtail00();
            break;
    }
}

}  // namespace

void listingRule() {
    wout({std::string(65, '-')});
}

void listingHeadings(std::span<const std::string_view> headings) {
    std::string line = "|";
    for (const std::string_view h : headings) line += fmtA(h, 7) + "|";
    wout({line});
}

void shoreHeadings() {
    listingHeadings(kShoreHeadings);
}

void listingRow(std::initializer_list<int32_t> ints, std::initializer_list<float> reals,
                int32_t blankInts) {
    // Integer columns: 6 characters and " |", the third 7 characters and "|".
    std::string line = "|";
    int32_t column = 0;
    const auto integer = [&](const std::string& text) {
        line += text + (column == 2 ? "|" : " |");
        ++column;
    };
    for (int32_t k = 0; k < blankInts; ++k) integer(std::string(column == 2 ? 7 : 6, ' '));
    for (const int32_t v : ints) integer(fmtI(v, column == 2 ? 7 : 6));
    for (const float r : reals) line += fmtF(r, 7, 1) + "|";
    wout({line});
}

void contours1(int32_t inter) {
    if (!startsFromDefaults(inter)) return;
    submenuhead(kContours1);
    wout({"INITIALIZING MAP CONTOURS"});
    settings = Settings{};
}

void contours1(const Map& map, int32_t inter) {
    if (startsFromDefaults(inter)) {
        contours1(inter);
        return;
    }
    const MapFrame& m = map.frame();
    const Frame frame{deg(m.west), deg(m.east), deg(m.south), deg(m.north)};
    LonWindow window;
    if (settings.clip) window = lonWindow(m);
    for (;;) {
        showMenu(frame, window);
        int32_t choice = kExit;
        inintegvindef(choice, "type of line file", kExit, 1, kExit);
        if (choice == kExit) return;
        if (choice >= 1 && choice <= static_cast<int32_t>(kKinds.size())) {
            overlayFile(choice, map, window);
        } else if (choice == kClipEntry) {
            inlogicdef(settings.clip, "clip to grid bounds", settings.clip);
            if (settings.clip) window = lonWindow(m);
        } else if (choice == kDensityEntry) {
            inrealdef(settings.ppd, "Nb of points for 1 deg (polygons)", settings.ppd);
        } else {
            unknownCommand(kContours1, choice, "type of line file");
        }
    }
}

}  // namespace tensova

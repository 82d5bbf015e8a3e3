// The colour table: the number of colours, one slot, the whole table with its menu, and colour
// table files.

#include "plot/colour_table.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "console/boxes.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/files.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "console/units.hpp"
#include "plot/attributes.hpp"
#include "plot/plot_blocks.hpp"
#include "postscript/ps_attributes.hpp"

namespace tensova {
namespace {

const Stamp kScolornb("scolornb", " 1.3", "12-07-2001");
const Stamp kScolorrgb("scolorgb", " 2.1", "16-03-2009");
const Stamp kScolortable("scolortable", " 1.3", "10-05-2009");

constexpr int32_t kMaxColours = kColourSlots - 1;
constexpr int32_t kColourFileUnit = 20;

struct Slot {
    std::string_view name;
    float red, green, blue;
};

constexpr std::array<Slot, kColourSlots> kDefaultTable = {{{"White-bkg", 100, 100, 100},
                                                           {"Black", 0, 0, 0},
                                                           {"Red", 50, 0, 0},
                                                           {"Green", 0, 50, 0},
                                                           {"Blue", 0, 0, 50},
                                                           {"Cyan", 0, 50, 50},
                                                           {"Magenta", 50, 0, 50},
                                                           {"Yellow", 50, 50, 0},
                                                           {"Grey20", 80, 80, 80},
                                                           {"Grey30", 70, 70, 70},
                                                           {"Grey40", 60, 60, 60},
                                                           {"Grey50", 50, 50, 50},
                                                           {"Grey70", 30, 30, 30}}};

// The slots a lone slot initialisation sets: the background, black, then pure red, green and
// blue when at least 4 colours are in use.
constexpr std::array<Slot, 5> kPrimaries = {{{"White-bkg", 100, 100, 100},
                                             {"Black", 0, 0, 0},
                                             {"Red", 100, 0, 0},
                                             {"Green", 0, 100, 0},
                                             {"Blue", 0, 0, 100}}};

std::size_t at(int32_t k) {
    return static_cast<std::size_t>(std::clamp(k, 0, kMaxColours));
}

void setSlot(int32_t k, std::string_view name, float r, float g, float b) {
    psattributes.red[at(k)] = r;
    psattributes.green[at(k)] = g;
    psattributes.blue[at(k)] = b;
    pltcharblk.colornam[at(k)] = fit(name, 8);
}

// "|" after each percentage field: a blank, the value in 6 columns with one decimal, a blank.
std::string percentages(float r, float g, float b) {
    std::string s;
    for (const float v : {r, g, b}) s += " " + fmtF(v, 6, 1) + " |";
    return s;
}

// The colour indices in use must stay within a lowered number of colours.
void applyNumber(int32_t n) {
    const int32_t before = plt2blk.ncolor;
    plt2blk.ncolor = n;
    if (n >= before) return;
    wout({"The nb of colors has been reduced"});
    wout({"==> checking current set up versus new max"});
    int32_t k = 0;
    slinecolor(k, 3);
    sfillcolor(k, 3);
    stextcolor(k, 3);
    wout({"==> checking done"});
}

void numberBox(int32_t& n) {
    warninghead(kScolornb);
    wout({"trying to set nb of color  =", fmtI(n, 3)});
    if (n > kMaxColours) {
        wout({"max nb of color  =", fmtI(kMaxColours, 3)});
        n = kMaxColours;
    } else {
        wout({"min nb of color  = 1"});
        n = 1;
    }
    wout({"===> RESET nb of color =", fmtI(n, 3)});
    warningtail00();
}

// The menu of the number of colours; false when it is left without storing.
bool numberMenu(int32_t& n) {
    for (;;) {
        submenuhead(kScolornb);
        wout({"SETTING THE NUMBER OF COLORS:"});
        wout({kDashes43});
        wout({"max nb of colors ................", fmtI(kMaxColours, 3)});
        wout({"current nb of colors ............", fmtI(plt2blk.ncolor, 3)});
        wout({"new nb of colors to apply .....10", fmtI(n, 3)});
        wout({kDashes43});
        wout({"CANCEL AND EXIT ...............98"});
        wout({"UPDATE AND EXIT ...............99"});
        menutail();
        int32_t choice = 99;
        inintegdef(choice, "your choice", 99);
        if (!knownCommand(kScolornb, choice, {10, 98, 99})) continue;
        if (choice == 10) inintegvindef(n, "new nb of colors", n, 1, kMaxColours);
        if (choice == 98) return false;
        if (choice == 99) return true;
    }
}

void slotBox(int32_t& k, int32_t n) {
    warninghead(kScolorrgb);
    if (k > n) {
        wout({"trying to set color nb =", fmtI(k, 3)});
        wout({"when nb of color  =", fmtI(n, 3)});
        k %= n + 1;
    } else {
        wout({"trying to set nb of color  =", fmtI(k, 3)});
        wout({"min nb of color  = 0"});
        k = 1;
    }
    wout({"===> RESET nb of color =", fmtI(k, 3)});
    warningtail00();
}

// The menu of one slot; false when it is left without storing.
bool slotMenu(int32_t& k, std::string& name, float& r, float& g, float& b) {
    for (;;) {
        const int32_t n = plt2blk.ncolor;
        const std::size_t s = at(k);
        submenuhead(kScolorrgb);
        wout({"SETTING RGB COLORS:"});
        wout({kDashes43});
        wout({"max nb of colors ................", fmtI(kMaxColours, 3)});
        wout({"current nb of colors ............", fmtI(n, 3)});
        wout({"color index ...................10", fmtI(k, 3)});
        wout({"current color name ..............", pltcharblk.colornam[s]});
        wout({"new    color  name ............20", name});
        wout({kDashes43});
        wout({"       |   red% | green% |  blue% |"});
        wout({"current|" +
              percentages(psattributes.red[s], psattributes.green[s], psattributes.blue[s])});
        wout({"    new|" + percentages(r, g, b)});
        wout({kDashes43});
        wout({"modify rgb setting ............30"});
        wout({"CANCEL AND EXIT ...............98"});
        wout({"UPDATE AND EXIT ...............99"});
        menutail();
        int32_t choice = 99;
        inintegdef(choice, "your choice", 99);
        switch (choice) {
            case 10:
                inintegvindef(k, "new color index", k, 1, n);
                break;
            case 20:
                inchardef(name, "new color name", name);
                break;
            case 30:
                inrealvindef(r, "red component (%)", r, 0.0f, 100.0f);
                inrealvindef(g, "green component (%)", g, 0.0f, 100.0f);
                inrealvindef(b, "blue component (%)", b, 0.0f, 100.0f);
                break;
            case 98:
                return false;
            case 99:
                return true;
            default:
                unknownCommand(kScolorrgb, choice);
                break;
        }
    }
}

void tableMenu() {
    submenuhead(kScolortable);
    wout({"SETTING COLOR TABLE"});
    wout({kDashes43});
    wout({"Current nb of colors:", fmtI(plt2blk.ncolor, 4)});
    wout({kDashes43});
    wout({kColourListHead});
    for (int32_t k = 0; k <= plt2blk.ncolor; ++k) {
        const std::size_t s = at(k);
        wout({colourRow(k, fmtA(pltcharblk.colornam[s], 10), psattributes.red[s],
                        psattributes.green[s], psattributes.blue[s])});
    }
    wout({kDashes43});
    wout({"modify nb of colors ..........100"});
    wout({"modify rgb color content .....200"});
    wout({"read color table from file ...300"});
    wout({kDashes43});
    wout({"EXIT ..........................99"});
    menutail();
}

// One colour record: slot index, red, green and blue percentages and a name of up to 35
// characters.
struct ColourRecord {
    int32_t k = 0;
    std::array<float, 3> c{};
    std::string name;
};

ReadResult readColour(int32_t unit, ColourRecord& colour) {
    FreeRecord record(unit);
    ReadResult r = record.next(colour.k);
    for (float& v : colour.c)
        if (r == ReadResult::Ok) r = record.next(v);
    if (r == ReadResult::Ok) r = record.next(colour.name);
    colour.name = fit(colour.name, 35);
    return r;
}

std::string fileClosedLine(const std::string& fname) {
    return "Input file " + std::string(trimmed(fname)) + " is closed";
}

// Reads a colour table file whole before any of it is applied: a file refused changes no
// colour. Piped answers and a command file end at the refusal, as at any.
void readColourFile() {
    // The name offered when a command file names the file: the last one read.
    static std::string fname(25, ' ');
    opef2(fname, "color table input", kColourFileUnit, OpenStatus::Old, 0);
    int32_t line = 1;
    int32_t number = 0;
    ReadResult r = FreeRecord(kColourFileUnit).next(number);
    // As many records as slots in use once the number is held to the table, as it will be.
    std::vector<ColourRecord> colours;
    const int32_t n = std::clamp(number, 1, kMaxColours);
    for (int32_t position = 0; r == ReadResult::Ok && position <= n; ++position) {
        ++line;
        r = readColour(kColourFileUnit, colours.emplace_back());
    }
    // A last record cut where a copy stopped is not used; the box names its line.
    const std::string cut = unitLineCut(kColourFileUnit) ? cutLastLine(kColourFileUnit) : "";
    unitClose(kColourFileUnit);
    if (r != ReadResult::Ok) {
        const std::string where = "WHILE READING LINE NUMBER  " + fmtI(line, 4);
        refuseAnswer({kScolortable, "color table input file name", ""},
                     {r == ReadResult::Eof ? "END OF FILE REACHED UNEXPECTEDLY" : "", cut, where,
                      fileClosedLine(fname)});
        return;
    }
    scolornb(number, 1);
    for (ColourRecord& c : colours) scolorrgb(c.k, c.name, c.c[0], c.c[1], c.c[2], 1);
    submenuhead(kScolortable);
    wout({fileClosedLine(fname)});
    wout({"Could read up to:", fmtI(kMaxColours, 4), "DATA"});
    wout({"Actually read   :", fmtI(plt2blk.ncolor, 4), "DATA"});
    menutail();
}

}  // namespace

std::string colourRow(int32_t k, std::string_view name10, float r, float g, float b) {
    return "| " + fmtI(k, 3) + " |" + std::string(name10) + "|" + percentages(r, g, b);
}

void scolornb(int32_t& n, int32_t inter) {
    if (startsFromStored(inter)) {
        n = plt2blk.ncolor;
    } else if (startsFromDefaults(inter)) {
        n = 4;
        psattributes.colorplot = true;
        submenuhead(kScolornb);
        wout({"INITIALIZING NUMBER OF COLORS TO:", fmtI(n, 3)});
        applyNumber(n);
    } else if (n > kMaxColours || n < 1) {
        numberBox(n);
    }
    if (isDialog(inter) && !numberMenu(n)) return;
    psattributes.colorplot = n != 1;
    if (isDialog(inter) || inter == 5)
        wout({"NB of colors =", fmtI(n, 3), n == 1 ? "==> Black & White plot" : "==> Color plot"});
    applyNumber(n);
}

void scolorrgb(int32_t& k, std::string& name, float& r, float& g, float& b, int32_t inter) {
    const int32_t n = plt2blk.ncolor;
    if (startsFromDefaults(inter)) {
        submenuhead(kScolorrgb);
        wout({"INITIALIZING RGB: 4 COLORS + BKG"});
        const int32_t last = n >= 4 ? 4 : std::min(n, 1);
        for (int32_t s = 0; s <= last; ++s) {
            const Slot& p = kPrimaries[static_cast<std::size_t>(s)];
            setSlot(s, p.name, p.red, p.green, p.blue);
        }
    } else if (k > n || k < 0) {
        slotBox(k, n);
    }
    if (inter >= 2 && inter <= 5) {
        const std::size_t s = at(k);
        name = fit(pltcharblk.colornam[s], name.size());
        r = psattributes.red[s];
        g = psattributes.green[s];
        b = psattributes.blue[s];
    } else {
        crevin2("red (%)", r, 0.0f, 100.0f, kScolorrgb.name, 0);
        crevin2("green (%)", g, 0.0f, 100.0f, kScolorrgb.name, 0);
        crevin2("blue (%)", b, 0.0f, 100.0f, kScolorrgb.name, 0);
    }
    if (isDialog(inter) && !slotMenu(k, name, r, g, b)) return;
    setSlot(k, name, r, g, b);
}

void scolortable(int32_t inter) {
    if (startsFromDefaults(inter)) {
        submenuhead(kScolortable);
        for (const std::string_view line :
             {"INITIALIZING COLOR TABLE:", "0   -> BKG = WHITE", "1   -> FRG = BLACK",
              "2-4 -> RGB COLORS", "5-7 -> CMY COLORS", "8   -> GREY 50%"})
            wout({line});
        int32_t n = kMaxColours;
        scolornb(n, 1);
        for (int32_t k = 0; k < kColourSlots; ++k) {
            const Slot& d = kDefaultTable[static_cast<std::size_t>(k)];
            std::string name(d.name);
            float r = d.red, g = d.green, b = d.blue;
            int32_t slot = k;
            scolorrgb(slot, name, r, g, b, 1);
        }
    }
    if (!isDialog(inter)) return;
    for (;;) {
        tableMenu();
        int32_t choice = 99;
        inintegdef(choice, "your choice", 99);
        if (choice == 99) return;
        if (!knownCommand(kScolortable, choice, {100, 200, 300})) continue;
        if (choice == 100) {
            int32_t n = 0;
            scolornb(n, 2);
        } else if (choice == 200) {
            int32_t k = 0;
            inintegvin1(k, "index of color to modify", 0, plt2blk.ncolor);
            std::string name(20, ' ');
            float r = 0, g = 0, b = 0;
            scolorrgb(k, name, r, g, b, 2);
        } else if (choice == 300) {
            readColourFile();
        }
    }
}

}  // namespace tensova

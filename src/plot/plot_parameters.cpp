// The plot parameters: the set-up of transforms, colour table and attributes by mode, and the
// plot-parameter menu that reaches every attribute and colour routine.

#include <string>
#include <string_view>

#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "numeric/angles.hpp"
#include "plot/attributes.hpp"
#include "plot/colour_table.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/plot_life.hpp"
#include "plot/transforms.hpp"

namespace tensova {
namespace {

const Stamp kSplotparam2("splotparam2", " 6.0", "14-05-2010");

constexpr std::string_view kDeviceUntouched = "    US <-> DE: untouched (plot file closed)";

// The centimetre map to the device (while open), and the user scaling of every subplot: kept
// with its map to the device refreshed (modes 6 and 7) or reset to the defaults.
void setUpScaling(int32_t inter, bool even, bool resetScaling) {
    const bool open = iocom.plotOpen;
    submenuhead(kSplotparam2);
    wout({"INITIALIZING PLOT PARAMETERS"});
    wout({"INITIALIZING SUBPLOT SCALING"});
    if (open) {
        wout({" 1: CM <-> DE"});
        scm2de();
    } else {
        wout({" 1: CM <-> DE: untouched (plot file closed)"});
    }
    int32_t isub = 1;
    if (!resetScaling) {
        wout({" 2: US <-> CM unchanged"});
        if (open) {
            wout({"    US <-> DE"});
            for (int32_t s = 1; s <= kSubplots; ++s) {
                isub = s;
                ssubplot(isub, 1);
                sus2de();
            }
        } else {
            wout({kDeviceUntouched});
        }
        ssubplot(isub, inter - 2);
        return;
    }
    wout({" 2: US <-> CM"});
    wout({open ? std::string_view("    US <-> DE") : kDeviceUntouched});
    const int32_t all = even ? 6 : 7;
    ssubplot(isub, all);
    float m[6] = {};
    sus2cm1(m[0], m[1], m[2], m[3], m[4], m[5], all);
}

// Every attribute back to its default, announced (mode 5) or through its dialog (mode 4).
void resetAttributes(int32_t mode) {
    float f = 0.0f;
    int32_t i = 0;
    slinewidth(f, mode);
    slinestyle(i, mode);
    slinecolor(i, mode);
    stextsize(f, mode);
    stextfont(i, mode);
    stextangle(f, mode);
    stextalign(i, mode);
    stextcolor(i, mode);
    sfillstyle(i, mode);
    sfillcolor(i, mode);
    ssymbolsize(f, mode);
    ssymboltype(i, mode);
}

void menuBody(bool current) {
    const bool open = iocom.plotOpen;
    wout({kDashes43});
    wout({"         SETTING PLOT ATTRIBUTES"});
    wout({kDashes43});
    wout({"GET SETTINGS"});
    wout({" from currently stored..... 1", fmtL(current, 1)});
    wout({" from initialisation....... 1", fmtL(!current, 1)});
    wout({kDashes43});
    for (const std::string_view line :
         {"COLOR TABLE:", " nb of color ..............50", " rgb values ...............51",
          " color table ..............52"})
        wout({line});
    if (open) {
        for (const std::string_view line :
             {"LINE ATTRIBUTES:", " thickness ................10", " style ....................11",
              " color ....................12",
              "POLYGON FILL ATTRIBUTES:", " interior style ...........20",
              " interior color ...........21", "TEXT ATTRIBUTES:", " font .....................30",
              " size .....................31", " justification ............32",
              " angle ....................33", " color ....................34",
              "SYMBOL ATTRIBUTES:", " type .....................40",
              " size .....................41"})
            wout({line});
    } else {
        wout({"THE PLOT IS CLOSED:"});
        wout({" => OTHER SETTINGS WILL BE RESET"});
        wout({"    UPON PLOT OPENING"});
    }
    wout({kDashes43});
    wout({"EXIT THIS SET UP  .........99"});
    menutail();
}

// The colours in use listed, then one of them (not the background) through its dialog.
void modifyColour(int32_t mode) {
    int32_t n = 0;
    scolornb(n, 3);
    wout({kDashes43});
    wout({kColourListHead});
    std::string name(20, ' ');
    float r = 0.0f, g = 0.0f, b = 0.0f;
    for (int32_t k = 0; k <= n; ++k) {
        int32_t slot = k;
        scolorrgb(slot, name, r, g, b, 3);
        wout({colourRow(k, fit(name, 10), r, g, b)});
    }
    wout({kDashes43});
    int32_t k = 1;
    inintegvin1(k, "index of color to modify", 1, n);
    scolorrgb(k, name, r, g, b, mode);
}

// The entries that act only while the plot is open; false for a number that is none of them.
bool attributeEntry(int32_t choice, int32_t mode) {
    float f = 0.0f;
    int32_t i = 0;
    switch (choice) {
        case 10:
            slinewidth(f, mode);
            break;
        case 11:
            slinestyle(i, mode);
            break;
        case 12:
            slinecolor(i, mode);
            break;
        case 20:
            sfillstyle(i, mode);
            break;
        case 21:
            sfillcolor(i, mode);
            break;
        case 30:
            stextfont(i, mode);
            break;
        case 31:
            stextsize(f, mode);
            break;
        case 32:
            stextalign(i, mode);
            break;
        case 33:
            stextangle(f, mode);
            break;
        case 34:
            stextcolor(i, mode);
            break;
        case 40:
            ssymboltype(i, mode);
            break;
        case 41:
            ssymbolsize(f, mode);
            break;
        case 50:
            scolornb(i, mode);
            break;
        default:
            return false;
    }
    return true;
}

void menu(bool current) {
    int32_t mode = current ? 2 : 4;
    for (;;) {
        submenuhead(kSplotparam2);
        if (lwito(2)) menuBody(current);
        int32_t choice = 99;
        inintegdef(choice, "your choice", 99);
        if (choice == 99) return;
        if (choice == 1) {
            inlogicdef(current, "whether to use current(1) or initial(0) parameters", current);
            mode = current ? 2 : 4;
        } else if (choice == 51) {
            modifyColour(mode);
        } else if (choice == 52) {
            scolortable(mode);
        } else if (iocom.plotOpen ? !attributeEntry(choice, mode) : choice != 50) {
            // While the plot is closed, the attributes' entries are not offered.
            unknownCommand(kSplotparam2, choice);
        }
    }
}

}  // namespace

void splotparam2(int32_t inter) {
    const bool even = inter % 2 == 0;
    const bool resetAll = inter == 4 || inter == 5 || inter == 8 || inter == 9;
    if (resetAll) trigoset();
    if (inter >= 4 && inter <= 9) setUpScaling(inter, even, resetAll);
    if (resetAll) scolortable(even ? 4 : 5);
    if (inter >= 4 && inter <= 7 && iocom.plotOpen) resetAttributes(even ? 4 : 5);
    if (even) menu(inter >= 0 && inter <= 3);
}

}  // namespace tensova

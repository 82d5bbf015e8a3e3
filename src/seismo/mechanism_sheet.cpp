#include "seismo/mechanism_sheet.hpp"

#include <algorithm>
#include <string>
#include <string_view>

#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/numtext.hpp"
#include "console/prompts.hpp"
#include "console/runinfo.hpp"
#include "numeric/angles.hpp"
#include "plot/attributes.hpp"
#include "plot/drawing.hpp"
#include "plot/page_layout.hpp"
#include "plot/plot_life.hpp"
#include "plot/run_information.hpp"
#include "plot/transforms.hpp"
#include "seismo/principal_axes.hpp"
#include "seismo/stereonet_drawing.hpp"
#include "seismo/stereonet_projection.hpp"

namespace tensova {
namespace {

const Stamp kFpsbchbll("fpsbchbll", " 7.0", "01-05-2010");

constexpr int32_t kExit = 99;
// Twenty nets a page, from the lower left net upwards, then to the right: four columns of five
// on a portrait page, five of four on a landscape one, where they stand whole below the heading.
struct NetGrid {
    int32_t columns, rows;
    int32_t perPage() const { return columns * rows; }
};
constexpr NetGrid kPortraitNets{4, 5}, kLandscapeNets{5, 4};
// Net centres lie three net radii apart.
constexpr float kNetSpacing = 3.0f;
constexpr float kSheetTextSize = 0.4f;  // cm
constexpr float kLabelY = -1.2f;        // net units, below the net
// Justifications: 4 * row + column, negative to trim the text's blanks.
constexpr int32_t kBottomCentre = -2;
constexpr int32_t kBottomLeft = -1;
constexpr int32_t kMiddleCentre = -6;

constexpr std::string_view kAxisNames[3] = {"P", "B", "T"};

// The plot attributes the sheet changes, as they were before.
struct SavedAttributes {
    float symbolSize = 0.0f;
    float textSize = 0.0f;
    int32_t just = 0;
    void save() {
        ssymbolsize(symbolSize, 3);
        stextsize(textSize, 3);
        stextalign(just, 3);
    }
    void restore() {
        ssymbolsize(symbolSize, 1);
        stextsize(textSize, 1);
        stextalign(just, 1);
    }
};

void setDefaults() {
    FpsSheet& s = fpssheet;
    s.plotName = fit("fps_bb.ps", 50);
    s.ipbtsymb = {{{1, -1}, {4, -4}, {3, -3}}};
    s.x0 = 4.0f, s.y0 = 4.0f;
    s.xx = 1.5f, s.xy = 0.0f, s.yx = 0.0f, s.yy = 1.5f;
    s.symbsize = 0.3f;
}

void showMenu(int32_t capacity, int32_t count, bool radians) {
    submenuhead(kFpsbchbll);
    if (!lwito(2)) return;
    const std::string dashes32(32, '-');
    wout({kDashes43});
    wout({"SET UP:"});
    wout({dashes32});
    wout({"DATA:"});
    wout({"maximum nb of data =", fmtI(capacity, 6)});
    wout({"current nb of data =", fmtI(count, 6)});
    wout({"angles in radians  :", fmtL(radians, 1)});
    wout({dashes32});
    wout({"PLOT:"});
    wout({"plot file name:", fit(fpssheet.plotName, 20)});
    wout({"open plot file  ..............10"});
    wout({"scaling ......................11"});
    wout({"plot parameters ..............12"});
    wout({"close file = end plot ........20"});
    wout({"stereo type..................300"});
    wout({"symbol types ................310"});
    wout({kDashes43});
    wout({"RUN = PLOT FPS .............1000"});
    wout({"EXIT .........................99"});
    menutail();
}

// The lower-left net's placement, offered from the sheet's own settings.
void scaling(int32_t isub) {
    FpsSheet& s = fpssheet;
    ssubplot(isub, 1);
    const std::string equals(31, '=');
    wout({equals});
    wout({" SCALING FOR LOWER LEFT STEREO "});
    wout({equals});
    sus2cm1(s.x0, s.y0, s.xx, s.xy, s.yx, s.yy, 1);
    sus2cm1(s.x0, s.y0, s.xx, s.xy, s.yx, s.yy, 2);
}

void axisSymbols() {
    const std::string colons(43, ':');
    for (std::size_t k = 0; k < 3; ++k) {
        wout({colons});
        wout({"choose symbols for " + std::string(kAxisNames[k])});
        wout({colons});
        sdspaxsymb(fpssheet.ipbtsymb[k][0], fpssheet.ipbtsymb[k][1], 200);
    }
}

// The number in exactly its digits.
std::string digits(int32_t v) {
    std::string text(11, ' ');
    int32_t n = 0;
    intg2char(text, n, 11, v);
    return text.substr(0, static_cast<std::size_t>(n));
}

// One net: frame, label, both planes as great circles, and the axes of each plane.
void drawNet(float strike1, float dip1, float rake1, float strike2, float dip2, float rake2,
             std::string_view label) {
    repstereo();
    ustext2(0.0f, kLabelY, label);
    const float strikes[2] = {strike1, strike2};
    const float dips[2] = {dip1, dip2};
    dspgcfadn(strikes, dips, 2);
    const float rakes[2] = {rake1, rake2};
    for (std::size_t k = 0; k < 2; ++k) {
        std::array<float, 3> az{}, pl{};
        fsadr2steff(az, pl, strikes[k], dips[k], rakes[k], 0.0f);
        for (std::size_t j = 0; j < 3; ++j) {
            // The two planes may give an axis in opposite senses: taken as a line, both give
            // the same mark, and no axis of the sheet takes the symbol of what points upwards.
            sdspaxsymb(fpssheet.ipbtsymb[j][0], fpssheet.ipbtsymb[j][1], 1);
            dspaxfapn2(&az[j], &pl[j], 1, AxisSense::Line);
        }
    }
}

struct Events {
    const float *azd1, *dipd1, *rakd1, *azd2, *dipd2, *rakd2;
    const char* label0;
    int32_t labelLength;
    int32_t count;
    bool degrees;
};

void run(const Events& e, int32_t isub) {
    // A scale too large for the page would raise a box for every point of every net.
    const ClampBoxRun oneBox;
    const RunWriting drawing = drawingRun();
    const FpsSheet& s = fpssheet;
    int32_t fill = 1;
    sfillstyle(fill, 5);
    int32_t np = 40;
    sdspgc(np, 1);
    ssubplot(isub, 1);
    const PageLayout layout = plotPageLayout();
    const NetGrid grid = plotPage().landscape ? kLandscapeNets : kPortraitNets;
    const int32_t perPage = grid.perPage();
    const int32_t pages = e.count / perPage + (e.count % perPage != 0 ? 1 : 0);
    for (int32_t p = 1; p <= pages; ++p) {
        if (p > 1) newpage();
        float size = s.symbsize, text = kSheetTextSize, angle = 0.0f;
        ssymbolsize(size, 1);
        stextsize(text, 1);
        stextangle(angle, 1);
        const int32_t first = perPage * (p - 1) + 1;
        const int32_t last = std::min(perPage * p, e.count);
        int32_t just = kBottomCentre;
        stextalign(just, 1);
        cmplotruninfo0(layout.centre, layout.top);
        just = kBottomLeft;
        stextalign(just, 1);
        const std::string page = "Page " + digits(p) + "/" + digits(pages);
        wout({"PLOTTING", page});
        cmplotcharinfo0(page, 1, layout.left, layout.top);
        const std::string data = "Data " + digits(first) + " -> " + digits(last);
        wout({data});
        cmplotcharinfo0(data, 2, layout.left, layout.top);
        just = kMiddleCentre;
        stextalign(just, 1);
        for (int32_t i = first; i <= last; ++i) {
            const int32_t j = i - first;
            const float column = static_cast<float>(j / grid.rows);
            const float row = static_cast<float>(j % grid.rows);
            float xcm = s.x0 + kNetSpacing * s.xx * column;
            float ycm = s.y0 + kNetSpacing * s.yy * row;
            float xx = s.xx, xy = s.xy, yx = s.yx, yy = s.yy;
            sus2cm1(xcm, ycm, xx, xy, yx, yy, 1);
            const std::size_t k = static_cast<std::size_t>(i - 1);
            const auto angleOf = [&](const float* a) { return e.degrees ? rad(a[k]) : a[k]; };
            const std::string_view label(e.label0 + k * static_cast<std::size_t>(e.labelLength),
                                         static_cast<std::size_t>(e.labelLength));
            drawNet(angleOf(e.azd1), angleOf(e.dipd1), angleOf(e.rakd1), angleOf(e.azd2),
                    angleOf(e.dipd2), angleOf(e.rakd2), label);
        }
        // A plot file that refused the page ends the RUN: no page is asked for after it.
        if (!(p == pages ? plotwritten() : plotstepwritten())) return;
    }
}

}  // namespace

void fpsbchbll(const float* azd1, const float* dipd1, const float* rakd1, const float* azd2,
               const float* dipd2, const float* rakd2, const char* label0, int32_t labelLength,
               int32_t capacity, int32_t count, int32_t isub, int32_t iunit, int32_t mode) {
    if (mode == 4 || mode == 5) {
        submenuhead(kFpsbchbll);
        wout({"INITIALIZING FPS PLOT PARAMETERS"});
        setDefaults();
        return;
    }
    ssubinfo(kFpsbchbll);
    srepstereo0(5);
    const bool radians = iunit != 1;
    Events events{azd1, dipd1, rakd1, azd2, dipd2, rakd2, label0, 0, 0, !radians};
    events.labelLength = std::max(labelLength, 0);
    // Never more events than the arrays hold.
    events.count = std::clamp(count, 0, std::max(capacity, 0));
    SavedAttributes saved;
    if (iocom.plotOpen) saved.save();
    for (;;) {
        showMenu(capacity, count, radians);
        int32_t choice = kExit;
        inintegdef(choice, "your choice", kExit);
        if (choice == kExit) break;
        if (!knownCommand(kFpsbchbll, choice, {10, 11, 12, 20, 300, 310, 1000})) continue;
        if (choice == 11) scaling(isub);
        if (choice == 12) splotparam2(0);
        if (choice == 300) {
            int32_t iproj = 0;
            sspro(iproj, 2);
        }
        if (choice == 310) axisSymbols();
        if (choice == 20) {
            plend();
        } else if (choice == 1000 && iocom.plotOpen) {
            newpage();
        } else if (choice == 10 || choice == 1000) {
            // On an open file this only warns.
            const bool wasOpen = iocom.plotOpen;
            plinit(fpssheet.plotName, 2);
            if (!wasOpen) saved.save();
        }
        if (choice == 1000) run(events, isub);
    }
    if (iocom.plotOpen) saved.restore();
}

}  // namespace tensova

// tensova: seismotectonic work on earthquake focal mechanisms. The main program sets up the
// console, initialises every module and runs the main menu until the user quits.

#include <csignal>
#include <cstdint>
#include <string>

#include "catalogue/listing.hpp"
#include "catalogue/reader.hpp"
#include "catalogue/store.hpp"
#include "catalogue/writer_menu.hpp"
#include "console/answers.hpp"
#include "console/banners.hpp"
#include "console/cmdfiles.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/files.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/runinfo.hpp"
#include "console/stop.hpp"
#include "numeric/angles.hpp"
#include "plot/attributes.hpp"
#include "plot/colour_table.hpp"
#include "plot/plot_life.hpp"
#include "seismo/mechanism_sheet.hpp"
#include "seismo/seismicity_map.hpp"
#include "seismo/stereonet_projection.hpp"

using namespace tensova;

namespace {

const Stamp kTensova("tensova", " 9.0", "01-06-2010");

constexpr int32_t kCommandUnit = 15;
constexpr int32_t kSishSlot = 2;
constexpr int32_t kReaderSlot = 1;
constexpr int32_t kWriterSlot = 1;
constexpr int32_t kMapSubplot = 1;
constexpr int32_t kSheetSubplot = 2;
constexpr int32_t kDegrees = 1;  // the store's angles are in degrees

struct MainState {
    std::string plotName = fit("seis.ps", 35);
    std::string commandFile = fit("", 35);
    bool sish = false;  // write one Si-Sh record per event while mapping
    int32_t choice = 0;
    float symbolSize = 0.0f;  // receives the default of its set-up; not read here
    int32_t fillStyle = 0;    // likewise
};

void showMenu(const MainState& st) {
    mainmenuhead(kTensova);
    if (!lwito(2)) return;
    const std::string& sishName = fiocom.oufnam[kSishSlot - 1];
    wout({kDashes43});
    wout({"DATA"});
    wout({"  Can store at most:", fmtI(kCapacity, 6)});
    wout({"  Currently stored :", fmtI(gcmtblk.count, 6)});
    wout({"  Current data type:", fmtI(gcmtblk.dataType, 6)});
    wout({"  READ + EXTRACT DATA.......1000"});
    wout({"  LIST DATA TO SCREEN ......1100"});
    wout({"  WRITE DATA TO FILE .......1200"});
    wout({kDashes43});
    wout({"PLOT"});
    wout({"  plot parameters ...........330"});
    wout({"  OPEN  PLOT FILE ............10", st.plotName});
    wout({"  CLOSE PLOT FILE ............20", st.plotName});
    wout({"  PLOT MAP 1st Nodal Plane .2001"});
    wout({"  PLOT MAP 2nd Nodal Plane .2002"});
    wout({"  PLOT FOCAL MECHANISMS ....3000"});
    wout({kDashes43});
    wout({"Sh OUTPUT FILE while mapping"});
    wout({"  WRITE TO Si-Sh FILE .........7", fmtL(st.sish, 1)});
    wout({"  OPEN  Si-Sh OUTPUT FILE ....13", sishName});
    wout({"  CLOSE Si-Sh OUTPUT FILE ....23", sishName});
    wout({kDashes43});
    wout({"Use command file............5000"});
    wout({"FAST QUIT...................9999"});
    menutail();
}

void showHelp() {
    wout({kEquals43});
    wout({"                  HELP                     "});
    wout({kEquals43});
    wout({"       Did you REALLY expect help ?        "});
    wout({"              For more help                "});
    wout({fit("     read the README file of tensova", 43)});
    wout({kEquals43});
}

// Commands that act before the file pass.
void firstDispatch(MainState& st) {
    switch (st.choice) {
        case 900:
            showHelp();
            break;
        case 7:
            inlogicdef(st.sish, fit("write extracted data to si-sh file", 35), st.sish);
            break;
        case 330:
            splotparam2(0);
            break;
        case 5000:
            altsio(kCommandUnit, st.commandFile, st.choice, 0);
            break;
        default:
            break;
    }
}

// Opens or closes the Si-Sh file and the plot file as the command requires.
void filePass(MainState& st) {
    const bool sishOpen = fiocom.iopou[kSishSlot - 1];
    const bool mapRun = st.choice == 2001 || st.choice == 2002;
    if (st.choice == 13 || (st.sish && mapRun)) {
        if (!sishOpen) opefou(kSishSlot, fit("extracted si-sh output", 35), 0);
    } else if ((st.choice == 23 || st.choice == 9999) && sishOpen) {
        clofou(kSishSlot);
    }
    if (st.choice == 20 || (iocom.plotOpen && st.choice == 9999)) {
        plend();
    } else if (st.choice == 10) {
        // A plot already open only warns; a new one starts with polygons filled.
        const bool wasOpen = iocom.plotOpen;
        plinit(st.plotName, 2);
        if (!wasOpen) sfillstyle(st.fillStyle, 5);
    }
}

// The seismicity map of the stored events with nodal plane `plane`, in the set-up mode.
void map(int plane, bool sish, int32_t mode) {
    Gcmtblk& g = gcmtblk;
    const auto p = static_cast<std::size_t>(plane);
    const auto textLength = static_cast<int32_t>(g.date1[0].size());
    mapseis4(g.xd.data(), g.yd.data(), g.rlong.data(), g.rlat.data(), g.depth.data(),
             g.date1[0].data(), textLength, g.time[0].data(), textLength, g.azd0[p].data(),
             g.dipd0[p].data(), g.rakd0[p].data(), g.count, kCapacity, kSishSlot, sish, kMapSubplot,
             mode);
}

// The focal-mechanism sheet of the stored events, in the set-up mode.
void sheet(int32_t mode) {
    const Gcmtblk& g = gcmtblk;
    fpsbchbll(g.azd0[kPlane1].data(), g.dipd0[kPlane1].data(), g.rakd0[kPlane1].data(),
              g.azd0[kPlane2].data(), g.dipd0[kPlane2].data(), g.rakd0[kPlane2].data(),
              g.date1[0].data(), static_cast<int32_t>(g.date1[0].size()), kCapacity, g.count,
              kSheetSubplot, kDegrees, mode);
}

// Commands that read, list, write or draw, and the quit.
void secondDispatch(const MainState& st) {
    switch (st.choice) {
        case 9999:
            maintail(kTensova);
            stopRun(0);
        case 1000:
            gcmtreadex1(kReaderSlot, 0);
            break;
        case 1100:
            listgcmt(ListingHead::MainMenu, kTensova, 1100);
            break;
        case 1200:
            gcmtwrite1(kWriterSlot, 0);
            break;
        case 2001:
            map(kPlane1, st.sish, 0);
            break;
        case 2002:
            map(kPlane2, st.sish, 0);
            break;
        case 3000:
            sheet(0);
            break;
        default:
            break;
    }
}

}  // namespace

int main() {
    // A file-size limit or a closed console must not kill the run mid-record: the write fails
    // instead, and is handled as a full disk or as the end of the input.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    MainState st;
    initsio();
    progheadkt(kTensova);
    smaininfo(kTensova);
    trigoset();
    initfio(1, 2);
    scolortable(5);
    ssymbolsize(st.symbolSize, 5);
    gcmtreadex1(kReaderSlot, 5);
    map(kPlane1, st.sish, 5);
    int32_t iproj = 1;
    sspro(iproj, 5);
    sheet(5);
    for (;;) {
        showMenu(st);
        ininteg1(st.choice, fit("your choice", 35));
        if (!knownCommand(
                kTensova, st.choice,
                {900, 7, 330, 5000, 13, 23, 10, 20, 2001, 2002, 3000, 1000, 1100, 1200, 9999}))
            continue;
        firstDispatch(st);
        filePass(st);
        secondDispatch(st);
    }
}

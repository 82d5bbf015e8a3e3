#pragma once
// Catalogue files as a user reads them: through the reader's menu, with the selection tests
// switched on or off by the input, from a file in the scratch folder.

#include <cmath>
#include <string>
#include <string_view>

#include "catalogue/polygon_test.hpp"
#include "catalogue/reader.hpp"
#include "catalogue/record_layout.hpp"
#include "catalogue/selection_tests.hpp"
#include "catalogue/store.hpp"
#include "console/files.hpp"
#include "harness.hpp"
#include "numeric/angles.hpp"

namespace tensova::fuzz {

// The file table, the reader's defaults and a full set of selection tests: bounds, a polygon
// of straight latitude-longitude lines (the polygon target covers great circles), three rake
// intervals and the quality tests.
inline void catalogueSetUp() {
    static const bool done = [] {
        console();
        trigoset();
        initfio(1, 2);
        gcmtreadex1(1, 5);
        Seistest2& t = seistest2;
        t.ltestlat = t.ltestlong = t.ltestdep = t.ltestpoly = t.ltestfro = true;
        t.latmin = -60.0f, t.latmax = 70.0f, t.lonmin = -170.0f, t.lonmax = 300.0f;
        t.depmin = 0.0f, t.depmax = 700.0f;
        t.lgrcircle = false;
        t.nvrtx = 4;
        t.vrtxlong = {-180.0f, 20.0f, 360.0f, -180.0f};
        t.vrtxlat = {-80.0f, -80.0f, 80.0f, 80.0f};
        t.ltestrak = {true, true, true};
        t.rakint = {{{-180.0f, -100.0f}, {-90.0f, 90.0f}, {100.0f, 180.0f}}};
        t.fclvdmax = 0.5f, t.erelmax = 0.5f, t.nfreemin = 5;
        int32_t istat = 0;
        spolygontst(istat);
        return true;
    }();
    (void)done;
}

// Reads the bytes as a catalogue of the layout through the reader's menu: the file's name,
// and after a read error the choice that closes the file, then the exit. `tests` switches the
// selection tests on and shows every record read, or off and shows the records kept.
inline void readThroughMenu(const RecordLayout& layout, std::string_view bytes, bool tests) {
    catalogueSetUp();
    const std::string path = scratchFile("catalogue");
    writeFile(path, bytes);
    const std::string show = tests ? "4\ny\n5\nn\n" : "4\nn\n5\ny\n";
    const std::string read = layout.dataType == kDekData ? "1000\n" : "1001\n";
    console(show + read + path + "\n2\n99\n");
    seistest2.ltest = tests;
    gcmtreadex1(1, 0);
    mustHold(!fiocom.iopin[0], "the reader leaves no file open");
    // The quality values go to the tables and the screen: numbers, whatever the file held.
    for (std::size_t k = 0; k < static_cast<std::size_t>(gcmtblk.count); ++k)
        mustHold(std::isfinite(gcmtblk.fclvd[k]) && std::isfinite(gcmtblk.erelm[k]),
                 "finite quality values");
}

}  // namespace tensova::fuzz

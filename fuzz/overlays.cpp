// Overlay line files of the six kinds (the first byte chooses the kind and the clipping), laid
// from the overlay menu over a Mercator map drawn to the null device.

#include <string>

#include "console/console.hpp"
#include "console/text.hpp"
#include "console/units.hpp"
#include "harness.hpp"
#include "mapdraw/contours.hpp"
#include "numeric/angles.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/plot_life.hpp"
#include "plot/transforms.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_attributes.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"
#include "projection/projection.hpp"
#include "support/grid_map.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tensova;
    if (size < 1) return 0;
    // One plot document for the whole run, on the null device; Mercator about longitude 0,
    // 25 cm to the radian.
    static const bool ready = [] {
        fuzz::console();
        trigoset();
        psparams.fontNumber = 1;
        intstextsize(0.5f);
        if (!unitOpen(kPlotUnit, "/dev/null", OpenStatus::Unknown)) std::abort();
        beginDocument(PsSettings{false, 1, "P  ", 1}, fit("plot.ps", 20));
        iocom.plotOpen = true;
        splotparam2(5);
        projtype.iproj = 15;
        llorig = {};
        llpparam = {};
        float x0 = 2.0f, y0 = 2.0f, xx = 25.0f, xy = 0.0f, yx = 0.0f, yy = 25.0f;
        sus2cm1(x0, y0, xx, xy, yx, yy, 1);
        contours1(5);
        return true;
    }();
    (void)ready;
    const unsigned kind = data[0] % 6u + 1u;
    const bool clip = (data[0] & 0x80u) == 0;
    const fuzz::InScratch here;
    fuzz::writeFile("lines", fuzz::text(data + 1, size - 1));
    fuzz::console(std::string(clip ? "10\ny\n" : "10\nn\n") + std::to_string(kind) +
                  "\nlines\n99\n");
    iocom.plotOpen = true;
    static const Map map = test::gridMap(0.0f, 40.0f, 30.0f, 50.0f);
    contours1(map, 0);
    return 0;
}

// Overlays of line files. For now only the start-up of their settings, which the projection
// menu calls; the overlay menu itself comes with the overlay readers.

#include "mapdraw/contours.hpp"

#include "console/console.hpp"
#include "console/menus.hpp"
#include "console/setup.hpp"

namespace tensova {
namespace {

const Stamp kContours1("contours1", " 2.0", "06-12-2026");

}  // namespace

void contours1(float /*lonmin*/, float /*lonmax*/, float /*latmin*/, float /*latmax*/,
               int32_t inter) {
    if (!startsFromDefaults(inter)) return;
    submenuhead(kContours1);
    wout({"INITIALIZING MAP CONTOURS"});
}

}  // namespace tensova

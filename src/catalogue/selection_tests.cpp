#include "catalogue/selection_tests.hpp"

#include <cmath>

#include "catalogue/polygon_test.hpp"
#include "console/console.hpp"
#include "console/menus.hpp"
#include "console/setup.hpp"

namespace tensova {
namespace {

const Stamp& stamp() {
    static const Stamp s("setseistest", " 7.1", "06-04-2010");
    return s;
}

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

}  // namespace

void setseistest6(int32_t inter) {
    if (startsFromDefaults(inter)) {
        submenuhead(stamp());
        wout({"INITIALIZING EXTRACTION TESTS"});
        setDefaults(seistest2);
        int32_t istat = 0;
        spolygontst(istat);
    }
    // The menu of the tests, for the even modes, is not built yet: the tests keep their values.
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

// tensova: seismotectonic work on earthquake focal mechanisms.

#include "console/banners.hpp"
#include "console/console.hpp"
#include "console/runinfo.hpp"
#include "console/stop.hpp"

using namespace tensova;

int main() {
    static const Stamp stamp("tensova", " 9.0", "01-06-2010");
    initsio();
    progheadkt(stamp);
    smaininfo(stamp);
    maintail(stamp);
    stopRun(0);
}

// The PostScript settings file "pslib7_ini.txt", as the opening of a plot file reads it from the
// current folder; the plot file is then written with the settings read and finished.

#include <cstdlib>

#include "console/text.hpp"
#include "harness.hpp"
#include "numeric/angles.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_attributes.hpp"
#include "postscript/ps_device.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tensova;
    static const bool ready = (trigoset(), true);
    (void)ready;
    const fuzz::InScratch here;
    fuzz::writeFile(std::string(kSettingsFile), fuzz::text(data, size));

    PsSettings s;
    if (readPsSettings(s) &&
        (s.dialect < 1 || s.dialect > 3 || s.copies < 1 || s.copies > kMaxCopies))
        std::abort();

    fuzz::console("\n");  // the settings as read
    psparams = Psparams{};
    psdevice = PsDevice{};
    psattributes = PsAttributes{};
    psparams.fontNumber = 1;
    intstextsize(0.5f);
    std::string fname = fit("plot.ps", 35);
    intplinit(fname, 1);
    psend();
    return 0;
}

#include "postscript/page.hpp"

#include "postscript/psparams.hpp"

namespace tensova {

Page pageOf(std::string_view orientation) {
    if (orientation == "LA4") return {kA4Paper, true, "A4 Landscape"};
    if (orientation == "LUS") return {kLetterPaper, true, "US Letter Landscape"};
    return kPortraitPage;
}

Page plotPage() {
    return pageOf(psparams.orientation);
}

}  // namespace tensova

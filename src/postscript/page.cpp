#include "postscript/page.hpp"

#include "postscript/psparams.hpp"

namespace tensova {

Page pageOf(std::string_view orientation) {
    if (orientation == "LA4") return {595, 842, true, "A4 Landscape"};
    if (orientation == "LUS") return {612, 792, true, "US Letter Landscape"};
    return kPortraitPage;
}

Page plotPage() {
    return pageOf(psparams.orientation);
}

}  // namespace tensova

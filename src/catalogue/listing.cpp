#include "catalogue/listing.hpp"

#include <string>

#include "catalogue/store.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"

namespace tensova {
namespace {

constexpr std::string_view kRule = "|-------------------------------------------|";
// The title "              EXTRACTED DATA              " right-aligned in 43 columns.
constexpr std::string_view kTitle = "|               EXTRACTED DATA              |";

// One row: cells of 8, 4, 5 and 15 characters, each between blanks and bars.
void row(std::string_view date, std::string_view lat, std::string_view lon,
         std::string_view region) {
    wout({"|", date, "|", lat, "|", lon, "|", region, "|"});
}

}  // namespace

void listgcmt(ListingHead head, const Stamp& caller, int32_t command) {
    if (head == ListingHead::MainMenu)
        mainmenuhead(caller);
    else
        submenuhead(caller);
    const Gcmtblk& s = gcmtblk;
    wout({kRule});
    wout({kTitle});
    wout({kRule});
    const bool listable = s.dataType == kDekData || s.dataType == kNdkData;
    // The writer's listing shows its column header even when it has no rows to put under it.
    if (listable || head == ListingHead::SubMenu) {
        row(fmtA("date  ", 8), fmtA("lat", 4), fmtA("long", 5), fmtA("region     ", 15));
        wout({kRule});
    }
    if (listable) {
        for (int32_t k = 0; k < s.count; ++k) {
            const auto i = static_cast<std::size_t>(k);
            row(textOf(s.date1[i]).substr(0, 8), fmtF(s.rlat[i], 4, 0), fmtF(s.rlong[i], 5, 0),
                textOf(s.region[i]).substr(0, 15));
        }
    } else {
        warninghead(caller);
        wout({"DATA TYPE ID =", fmtI(s.dataType, 6)});
        wout({"COMMAND      =", fmtI(command, 6)});
        wout({"NO LISTING PROCEDURE FOR THIS"});
        wout({"==> NO ACTION"});
        warningtail00();
    }
    wout({kRule});
}

}  // namespace tensova

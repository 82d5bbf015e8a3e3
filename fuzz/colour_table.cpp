// Colour table files, read from the colour table's menu.

#include "plot/colour_table.hpp"

#include <tuple>

#include "harness.hpp"
#include "numeric/angles.hpp"
#include "plot/plot_blocks.hpp"
#include "postscript/ps_attributes.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tensova;
    // The table as the program starts with it, the same before every input.
    static const auto start = [] {
        fuzz::console();
        trigoset();
        scolortable(5);
        return std::make_tuple(plt2blk, pltcharblk, psattributes);
    }();
    std::tie(plt2blk, pltcharblk, psattributes) = start;
    // The file's name field is short: the file is named from the scratch folder.
    const fuzz::InScratch here;
    fuzz::writeFile("colours", fuzz::text(data, size));
    fuzz::console("300\ncolours\n99\n");
    scolortable(0);
    return 0;
}

// Column data files through the column reader: the first two bytes choose the header lines, the
// variables, their file columns and the dialog; the rest is the file.

#include <array>
#include <vector>

#include "columns/column_reader.hpp"
#include "columns/column_setup.hpp"
#include "console/text.hpp"
#include "harness.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tensova;
    if (size < 2) return 0;
    const unsigned a = data[0];
    const unsigned b = data[1];
    const std::string path = fuzz::scratchFile("columns");
    fuzz::writeFile(path, fuzz::text(data + 2, size - 2));
    readrealsetup = Readrealsetup{};

    constexpr int32_t kRows = 40;
    constexpr int32_t kColumns = 3;
    std::string title = fit("", 20);
    std::string fname = fit(path, 40);
    int32_t ndisp = 5;
    int32_t iskip = static_cast<int32_t>(a & 3u);
    int32_t ititle = static_cast<int32_t>((a >> 2) & 3u);
    int32_t iheader = static_cast<int32_t>((a >> 4) & 3u);
    const bool dialog = (a & 0x40u) != 0;
    int32_t nvar = static_cast<int32_t>(b & 3u) + 1;
    std::array<int32_t, 4> jacol{1, 2, 3, 3};
    std::array<int32_t, 4> jfcol{};
    for (std::size_t i = 0; i < jfcol.size(); ++i)
        jfcol[i] = static_cast<int32_t>((b >> (2 + 2 * i)) & 3u) + 1;
    std::array<std::string, 4> varnam{fit("X", 10), fit("Y", 10), fit("Z", 10), fit("W", 10)};
    std::vector<float> rdat(kRows * kColumns, -1.0f);
    std::array<std::string, kColumns> rvarcolnam{fit("", 10), fit("", 10), fit("", 10)};
    int32_t nread = 0;
    int32_t ncolmax = 0;
    // The name, the header and correspondence menus left as they are, the read; every recovery
    // menu is left with the exit.
    std::string keys = path + "\n99\n99\n1000\n";
    for (int i = 0; i < 20; ++i) keys += "99\n";
    fuzz::console(keys);
    (void)readreal6(title, fname, "column input", 12, ndisp, iskip, ititle, iheader, jacol, jfcol,
                    varnam, nvar, rdat, rvarcolnam, nread, ncolmax, kRows, kColumns, 1,
                    dialog ? 0 : 1);
    return 0;
}

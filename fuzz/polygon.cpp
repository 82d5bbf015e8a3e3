// The selection polygon file, read from the selection tests' menu with the polygon test on; the
// contour is then checked and points are tested against it.

#include "catalogue/polygon_test.hpp"
#include "catalogue/selection_tests.hpp"
#include "harness.hpp"
#include "numeric/angles.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tensova;
    // The tests as their defaults leave them, the same before every input.
    static const Seistest2 start = [] {
        fuzz::console();
        trigoset();
        setseistest6(5);
        return seistest2;
    }();
    seistest2 = start;
    const std::string path = fuzz::scratchFile("polygon");
    fuzz::writeFile(path, fuzz::text(data, size));
    // Polygon test on, the file, exit; a contour that cannot be used sends the user back to the
    // menu, where the test is switched off.
    fuzz::console("250\ny\n252\n" + path + "\n99\n250\nn\n99\n");
    setseistest6(2);
    const std::array<float, 2> points[] = {{0.0f, 0.0f}, {25.0f, 38.0f}, {-170.0f, -80.0f}};
    for (const auto& p : points) (void)insidePolygon(p[0], p[1]);
    return 0;
}

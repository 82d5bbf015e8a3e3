// Output goes through the unit's buffer, never flushed per line: a large plot is written at
// disk speed.

#include <chrono>

#include "ps_fixture.hpp"

namespace tensova::test {

TEST(Throughput, HundredThousandSegmentsWellUnderOneSecond) {
    PsDocument doc(PsSettings{false, 1, "P  ", 1});
    // Polylines arrive from the plot library in pieces of at most 501 points.
    std::array<float, 501> x{}, y{};
    const auto start = std::chrono::steady_clock::now();
    for (int piece = 0; piece < 200; ++piece) {
        for (std::size_t i = 0; i < x.size(); ++i) {
            x[i] = 20.0f + static_cast<float>(i) * 1.1f;
            y[i] = 20.0f + static_cast<float>(piece) * 4.0f + static_cast<float>(i % 7) * 0.37f;
        }
        deline(x.data(), y.data(), 501);
    }
    doc.finish();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("100000 line segments written in %.3f s\n", seconds.count());
    EXPECT_LT(seconds.count(), 0.5);
    expectRenders(doc.path);
}

}  // namespace tensova::test

// Output goes through the unit's buffer, never flushed per line: a large plot is written at
// disk speed.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>

#include "postscript/postscript.hpp"
#include "ps_fixture.hpp"

namespace tensova {
namespace {

TEST(Throughput, HundredThousandSegmentsWellUnderOneSecond) {
    test::PsDocument doc(PsSettings{false, 1, "P  ", 1});
    // Polylines arrive from the plot library in pieces of at most 501 points.
    constexpr int kPoints = 501;
    constexpr int kPieces = 200;
    std::array<float, kPoints> x{}, y{};
    const auto start = std::chrono::steady_clock::now();
    for (int piece = 0; piece < kPieces; ++piece) {
        for (int i = 0; i < kPoints; ++i) {
            x[i] = 20.0f + static_cast<float>(i) * 1.1f;
            y[i] = 20.0f + static_cast<float>(piece) * 4.0f + static_cast<float>(i % 7) * 0.37f;
        }
        deline(x.data(), y.data(), kPoints);
    }
    doc.finish();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("100000 line segments written in %.3f s\n", seconds);
    EXPECT_LT(seconds, 0.5);
    test::expectRenders(doc.path());
}

}  // namespace
}  // namespace tensova

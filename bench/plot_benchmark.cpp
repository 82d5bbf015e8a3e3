// Drawing a full catalogue's worth of epicentres through the plot library: 25,000 symbols in
// one call, and a 25,000-point polyline, each written to a new PostScript file.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "console/console.hpp"
#include "console/units.hpp"
#include "plot/attributes.hpp"
#include "plot/drawing.hpp"
#include "plot/plot_life.hpp"
#include "plot_file.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"

namespace tensova {
namespace {

constexpr int32_t kPoints = 25000;

// Scattered points on the default subplot, -9..9 user units both ways.
void points(std::vector<float>& x, std::vector<float>& y) {
    x.resize(kPoints);
    y.resize(kPoints);
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = -9.0f + static_cast<float>(i % 181) * 0.1f;
        y[i] = -9.0f + static_cast<float>(i % 139) * 0.13f;
    }
}

template <typename Draw>
void drawFile(benchmark::State& state, Draw draw) {
    std::vector<float> x, y;
    points(x, y);
    const std::string path = bench::scratch().file("plot.ps");
    for (auto _ : state) {
        if (!bench::openPlot(path)) {
            state.SkipWithError("cannot open the plot file");
            return;
        }
        draw(x.data(), y.data());
        psend();
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void symbols(int32_t type, const float* x, const float* y) {
    ssymboltype(type, 1);
    ussymbol(x, y, kPoints);
}

void BM_FilledCircles(benchmark::State& state) {
    drawFile(state, [](const float* x, const float* y) { symbols(-1, x, y); });
}
BENCHMARK(BM_FilledCircles)->Unit(benchmark::kMillisecond);

void BM_Triangles(benchmark::State& state) {
    drawFile(state, [](const float* x, const float* y) { symbols(3, x, y); });
}
BENCHMARK(BM_Triangles)->Unit(benchmark::kMillisecond);

void BM_Polyline(benchmark::State& state) {
    drawFile(state, [](const float* x, const float* y) { usline(x, y, kPoints); });
}
BENCHMARK(BM_Polyline)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tensova

BENCHMARK_MAIN();

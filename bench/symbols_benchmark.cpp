// The stress symbols of a full catalogue, drawn as the map draws them (one event per call), to a
// PostScript file and with no file open: the second is what the symbols cost beyond the writing.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "plot_file.hpp"
#include "postscript/postscript.hpp"
#include "seismo/shmax_symbols.hpp"

namespace tensova {
namespace {

constexpr int32_t kEvents = 25000;

// A full catalogue's events in the default subplot, all three regimes.
struct Events {
    std::vector<float> x, y, az;
    std::vector<int32_t> isv;
    Events() : x(kEvents), y(kEvents), az(kEvents), isv(kEvents) {
        for (std::size_t i = 0; i < x.size(); ++i) {
            x[i] = -9.0f + static_cast<float>(i % 181) * 0.1f;
            y[i] = -9.0f + static_cast<float>(i % 139) * 0.13f;
            az[i] = static_cast<float>(i % 360) * 0.0174533f;
            isv[i] = 1 + static_cast<int32_t>(i % 3);
        }
    }
};

// The plot file opened, the symbols at their default settings.
bool openPlot(const std::string& path) {
    if (!bench::openPlot(path)) return false;
    float major = 0, minor = 0;
    int32_t epi = 0, isha = 0;
    smapsh2(major, minor, epi, isha, 5);
    return true;
}

template <typename Draw>
void drawFile(benchmark::State& state, Draw draw) {
    const std::string path = bench::scratch().file("symbols.ps");
    const Events e;
    for (auto _ : state) {
        if (!openPlot(path)) {
            state.SkipWithError("cannot open the plot file");
            return;
        }
        draw(e);
        psend();
    }
    state.SetItemsProcessed(state.iterations() * kEvents);
}

void BM_StressSymbols(benchmark::State& state) {
    drawFile(state, [](const Events& e) {
        for (std::size_t i = 0; i < e.x.size(); ++i)
            dmapsh2(&e.x[i], &e.y[i], &e.az[i], &e.isv[i], 1);
    });
}
BENCHMARK(BM_StressSymbols)->Unit(benchmark::kMillisecond);

// The same with no plot file open: everything but the writing of the PostScript.
void BM_StressSymbolsWithoutFile(benchmark::State& state) {
    if (!openPlot(bench::scratch().file("symbols.ps"))) return;
    psend();
    iocom.plotOpen = false;
    const Events e;
    for (auto _ : state) {
        for (std::size_t i = 0; i < e.x.size(); ++i)
            dmapsh2(&e.x[i], &e.y[i], &e.az[i], &e.isv[i], 1);
    }
    state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(BM_StressSymbolsWithoutFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tensova

BENCHMARK_MAIN();

// The console at a terminal: the world map of a full catalogue (25,000 events, some 76,000
// lines on the console) run by the real binary with a terminal as its keyboard and its console,
// against the same run with its console sent to /dev/null. The console is buffered: the two
// should take about the same time.

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "bench_support.hpp"
#include "catalogue/record_layout.hpp"
#include "catalogue/store.hpp"
#include "catalogue_generator.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

const std::string kKeys =
    "\n1000\n1001\nbig.ndk\n2001\n320\n10\n-80 80 30\n20\n-180 180 30\n99\n343\nn\n340\nn\n"
    "1000\n\n\n\n20\n\n99\n9999\n";

void runMap(benchmark::State& state, const std::vector<std::string>& under) {
    static const bool ready =
        bench::writeCatalogue(bench::scratch().file("big.ndk"), kCapacity, ndkLayout);
    if (!ready) {
        state.SkipWithError("the catalogue could not be written");
        return;
    }
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const test::RunResult r =
            test::runTensovaAtConsole(kKeys, bench::scratch().file(""), under);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (r.status != 0) state.SkipWithError("the run did not end with 9999");
    }
}

void BM_MapAtATerminal(benchmark::State& state) {
    runMap(state, {});
}
BENCHMARK(BM_MapAtATerminal)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_MapConsoleToDevNull(benchmark::State& state) {
    runMap(state, {"sh", "-c", "exec \"$0\" >/dev/null"});
}
BENCHMARK(BM_MapConsoleToDevNull)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tensova

BENCHMARK_MAIN();

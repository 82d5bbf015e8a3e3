// The focal-mechanism sheet of a full catalogue: 25,000 events, 1,250 pages of twenty
// stereonets, written to a new PostScript file through the sheet's own RUN command.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_support.hpp"
#include "catalogue/read_loop.hpp"
#include "catalogue/reader.hpp"
#include "catalogue/store.hpp"
#include "catalogue_generator.hpp"
#include "console/console.hpp"
#include "console/units.hpp"
#include "plot/colour_table.hpp"
#include "plot/plot_life.hpp"
#include "seismo/mechanism_sheet.hpp"
#include "seismo/stereonet_projection.hpp"

namespace tensova {
namespace {

constexpr int32_t kUnit = 11;

// The store filled once with a generated catalogue, and the sheet and nets set up.
bool fillStore() {
    bench::quietStart();
    // The plot file and its settings file are written in the scratch folder.
    if (chdir(bench::scratch().file("").c_str()) != 0) return false;
    const std::string path = bench::scratch().file("sheet.ndk");
    if (!bench::writeCatalogue(path, kCapacity, ndkLayout)) return false;
    if (!unitOpen(kUnit, path, OpenStatus::Old)) return false;
    readCatalogue(ndkLayout, kUnit, false, false, kGcmtreadex1);
    unitClose(kUnit);
    // The start-up of the program: colour table, net, sheet.
    scolortable(5);
    int32_t iproj = 4;
    sspro(iproj, 5);
    const Gcmtblk& g = gcmtblk;
    fpsbchbll(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, g.date1[0].data(), 10,
              kCapacity, g.count, 2, 1, 5);
    return g.count == kCapacity;
}

void BM_Sheet(benchmark::State& state) {
    static const bool ready = fillStore();
    if (!ready) {
        state.SkipWithError("the catalogue did not read back whole");
        return;
    }
    const Gcmtblk& g = gcmtblk;
    const auto count = static_cast<int32_t>(state.range(0));
    int64_t bytes = 0;
    for (auto _ : state) {
        // RUN: the plot file opened with the settings kept, then a new page before each page
        // but the first (the default answer); leave; close the file with its return.
        const auto pages = static_cast<std::size_t>((count + 19) / 20);
        bench::keyboard("1000\n\nfps_bb.ps\n" + std::string(pages - 1, '\n') + "99\n\n");
        fpsbchbll(g.azd0[kPlane1].data(), g.dipd0[kPlane1].data(), g.rakd0[kPlane1].data(),
                  g.azd0[kPlane2].data(), g.dipd0[kPlane2].data(), g.rakd0[kPlane2].data(),
                  g.date1[0].data(), 10, kCapacity, count, 2, 1, 0);
        plend();
        bytes = static_cast<int64_t>(std::filesystem::file_size("fps_bb.ps"));
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * count);
}
// A full store, and a small one for instruction counts; each written once, as a user would.
BENCHMARK(BM_Sheet)->Arg(kCapacity)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tensova

BENCHMARK_MAIN();

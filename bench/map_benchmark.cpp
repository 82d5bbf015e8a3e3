// The seismicity map of a full catalogue: 25,000 events with the grid, the epicentres and the
// SHmax symbols, and the Si-Sh file on, written through the map's own RUN command.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_support.hpp"
#include "catalogue/read_loop.hpp"
#include "catalogue/reader.hpp"
#include "catalogue/store.hpp"
#include "catalogue_generator.hpp"
#include "console/files.hpp"
#include "console/text.hpp"
#include "console/units.hpp"
#include "plot/colour_table.hpp"
#include "plot/plot_life.hpp"
#include "seismo/seismicity_map.hpp"

namespace tensova {
namespace {

constexpr int32_t kUnit = 11;
constexpr int32_t kSishSlot = 2;

void map(int32_t count, int32_t mode) {
    Gcmtblk& g = gcmtblk;
    mapseis4(g.xd.data(), g.yd.data(), g.rlong.data(), g.rlat.data(), g.depth.data(),
             g.date1[0].data(), 10, g.time[0].data(), 10, g.azd0[kPlane1].data(),
             g.dipd0[kPlane1].data(), g.rakd0[kPlane1].data(), count, kCapacity, kSishSlot, true, 1,
             mode);
}

// The store filled once with a generated catalogue, and the map set up as at start-up.
bool fillStore() {
    bench::quietStart();
    // The plot file, its settings file and the Si-Sh file are written in the scratch folder.
    if (chdir(bench::scratch().file("").c_str()) != 0) return false;
    const std::string path = bench::scratch().file("map.ndk");
    if (!bench::writeCatalogue(path, kCapacity, ndkLayout)) return false;
    if (!unitOpen(kUnit, path, OpenStatus::Old)) return false;
    readCatalogue(ndkLayout, kUnit, false, false, kGcmtreadex1);
    unitClose(kUnit);
    initfio(1, 2);
    scolortable(5);
    map(0, 5);
    return gcmtblk.count == kCapacity;
}

// The map of `count` events with the map menu's keys up to RUN (`setting`), and the keys after
// the plot file's name (a return for each box).
void runMap(benchmark::State& state, const std::string& setting, const std::string& boxes) {
    static const bool ready = fillStore();
    if (!ready) {
        state.SkipWithError("the catalogue did not read back whole");
        return;
    }
    const auto count = static_cast<int32_t>(state.range(0));
    int64_t bytes = 0, sish = 0;
    for (auto _ : state) {
        // A fresh Si-Sh file; the setting; no point or overlay menu; RUN opens the plot file
        // with the settings and the name kept; leave; close the plot file with its return.
        bench::keyboard(setting + "343\nn\n340\nn\n1000\n\nseis.map.ps\n" + boxes + "99\n\n");
        fiocom.oufnam[kSishSlot - 1] = fit("sish.txt", 40);
        std::filesystem::remove("sish.txt");
        opefou(kSishSlot, "extracted si-sh output", 1);
        map(count, 0);
        plend();
        clofou(kSishSlot);
        bytes = static_cast<int64_t>(std::filesystem::file_size("seis.map.ps"));
        sish = static_cast<int64_t>(std::filesystem::file_size("sish.txt"));
    }
    state.counters["PS_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["SiSh_MB"] = static_cast<double>(sish) / 1e6;
    state.SetItemsProcessed(state.iterations() * count);
}

// A world grid, which holds every event, on Mercator.
void BM_Map(benchmark::State& state) {
    runMap(state, "320\n10\n-90 90 30\n20\n-180 180 30\n99\n", "");
}
// A full store, and a small one for instruction counts.
BENCHMARK(BM_Map)->Arg(kCapacity)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

// A regional map: the Lambert conic of Japan about 140E, most events off the frame (one box).
void BM_RegionalMap(benchmark::State& state) {
    runMap(state,
           "300\n3\n99\n1\n140\n99\n1\n32\n99\n1\n42\n99\n99\n"
           "320\n10\n25 50 5\n20\n125 155 5\n99\n",
           "\n");
}
BENCHMARK(BM_RegionalMap)->Arg(kCapacity)->Iterations(1)->Unit(benchmark::kMillisecond);

// The world on Mollweide about 150E over -180..180, its seam inside the frame.
void BM_WorldAbout150E(benchmark::State& state) {
    runMap(state,
           "300\n24\n99\n1\n150\n99\n99\n320\n10\n-90 90 30\n20\n-180 180 30\n99\n", "");
}
BENCHMARK(BM_WorldAbout150E)->Arg(kCapacity)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tensova

BENCHMARK_MAIN();

// Writing a full store of 25,000 events through the catalogue writers, in each of the four
// forms: dek and ndk catalogue files, dek- and ndk-order tables. The store is read once from a
// generated catalogue of each format; every iteration writes a new file and closes it.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_support.hpp"
#include "catalogue/catalogue_writers.hpp"
#include "catalogue/read_loop.hpp"
#include "catalogue/reader.hpp"
#include "catalogue/store.hpp"
#include "catalogue/tables.hpp"
#include "catalogue_generator.hpp"
#include "console/files.hpp"
#include "console/units.hpp"

namespace tensova {
namespace {

constexpr int32_t kInputUnit = 11;
constexpr int32_t kSlot = 1;

// Fills the store with a full catalogue in the layout, unless it already holds one.
bool loadStore(const RecordLayout& layout) {
    if (gcmtblk.dataType == layout.dataType && gcmtblk.count == kCapacity) return true;
    static bool quiet = false;
    if (!quiet) {
        bench::quietStart();
        initfio(0, 1);
        quiet = true;
    }
    const std::string path = bench::scratch().file(std::string(layout.name) + ".in");
    if (!bench::writeCatalogue(path, kCapacity, layout)) return false;
    if (!unitOpen(kInputUnit, path, OpenStatus::Old)) return false;
    readCatalogue(layout, kInputUnit, false, false, kGcmtreadex1);
    unitClose(kInputUnit);
    return gcmtblk.count == kCapacity;
}

template <WriteOutcome (*Write)(const RecordLayout&, int32_t)>
void writeStore(benchmark::State& state, const RecordLayout& layout, const char* name) {
    if (!loadStore(layout)) {
        state.SkipWithError("the catalogue did not read whole");
        return;
    }
    const std::string path = bench::scratch().file(name);
    const int32_t unit = fiocom.iouf[kSlot - 1];
    fiocom.oufnam[kSlot - 1] = fit(name, 40);
    int64_t bytes = 0;
    for (auto _ : state) {
        if (!unitOpen(unit, path, OpenStatus::Unknown)) {
            state.SkipWithError("cannot open the output file");
            return;
        }
        const WriteOutcome r = Write(layout, kSlot);
        if (!unitClose(unit) || !r.complete || r.event != kCapacity) {
            state.SkipWithError("the store was not written whole");
            return;
        }
        bytes = static_cast<int64_t>(std::filesystem::file_size(path));
    }
    state.counters["events"] = kCapacity;
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_WriteDekFile(benchmark::State& state) {
    writeStore<writeCatalogueFile>(state, dekLayout, "out.dek");
}
void BM_WriteNdkFile(benchmark::State& state) {
    writeStore<writeCatalogueFile>(state, ndkLayout, "out.ndk");
}
void BM_WriteDekTable(benchmark::State& state) {
    writeStore<writeCatalogueTable>(state, dekLayout, "dek.tab");
}
void BM_WriteNdkTable(benchmark::State& state) {
    writeStore<writeCatalogueTable>(state, ndkLayout, "ndk.tab");
}
// Each layout's two forms run one after the other, so the store is read once per layout.
BENCHMARK(BM_WriteDekFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDekTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteNdkFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteNdkTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tensova

BENCHMARK_MAIN();

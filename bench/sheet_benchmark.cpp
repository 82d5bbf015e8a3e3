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
#include "plot/transforms.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"
#include "seismo/mechanism_sheet.hpp"
#include "seismo/stereonet_projection.hpp"

namespace tensova {
namespace {

constexpr int32_t kUnit = 11;

// The store filled once with a generated catalogue, and the sheet and nets set up.
bool fillStore() {
    bench::quietStart();
    const std::string path = bench::scratch().file("sheet.ndk");
    if (!bench::writeCatalogue(path, kCapacity, ndkLayout)) return false;
    if (!unitOpen(kUnit, path, OpenStatus::Old)) return false;
    readCatalogue(ndkLayout, kUnit, false, false, kGcmtreadex1);
    unitClose(kUnit);
    int32_t iproj = 4;
    sspro(iproj, 5);
    const Gcmtblk& g = gcmtblk;
    fpsbchbll(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, g.date1[0].data(), 10,
              kCapacity, g.count, 2, 1, 5);
    return g.count == kCapacity;
}

// The keyboard: RUN, then leave the menu.
void keyboard(const std::string& answers) {
    static std::FILE* in = nullptr;
    if (in != nullptr) std::fclose(in);
    in = std::tmpfile();
    std::fputs(answers.c_str(), in);
    std::fflush(in);
    lseek(fileno(in), 0, SEEK_SET);
    unitBindConsole(fileno(in), std::fopen("/dev/null", "w"));
}

void BM_Sheet(benchmark::State& state) {
    static const bool ready = fillStore();
    if (!ready) {
        state.SkipWithError("the catalogue did not read back whole");
        return;
    }
    const std::string path = bench::scratch().file("fps_bb.ps");
    const Gcmtblk& g = gcmtblk;
    const auto count = static_cast<int32_t>(state.range(0));
    int64_t bytes = 0;
    for (auto _ : state) {
        keyboard("1000\n99\n");
        if (!unitOpen(kPlotUnit, path, OpenStatus::Unknown)) {
            state.SkipWithError("cannot open the plot file");
            return;
        }
        beginDocument(PsSettings{}, path);
        iocom.plotOpen = true;
        scm2de();
        fpsbchbll(g.azd0[kPlane1].data(), g.dipd0[kPlane1].data(), g.rakd0[kPlane1].data(),
                  g.azd0[kPlane2].data(), g.dipd0[kPlane2].data(), g.rakd0[kPlane2].data(),
                  g.date1[0].data(), 10, kCapacity, count, 2, 1, 0);
        psend();
        iocom.plotOpen = false;
        bytes = static_cast<int64_t>(std::filesystem::file_size(path));
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * count);
}
// A full store, and a small one for instruction counts.
BENCHMARK(BM_Sheet)->Arg(kCapacity)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tensova

BENCHMARK_MAIN();

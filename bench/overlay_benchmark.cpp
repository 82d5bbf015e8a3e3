// Overlays of a large shoreline file: 100 polygons of 2,000 points (200,000 points) read and
// drawn through the Mercator projection into a new PostScript file, clipped to a frame that
// holds half of them, and whole in chunks.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.hpp"
#include "console/console.hpp"
#include "console/units.hpp"
#include "mapdraw/contours.hpp"
#include "plot/plot_life.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_document.hpp"
#include "postscript/psparams.hpp"
#include "projection/projection.hpp"
#include "support/grid_map.hpp"

namespace tensova {
namespace {

constexpr int kPolygons = 100;
constexpr int kPolygonPoints = 2000;

// Rings of radius 1 degree on a 10 by 10 grid of centres, 0..45 east and 0..45 north.
void writeShoreline(const std::string& path) {
    std::ofstream out(path);
    char line[96];
    for (int p = 0; p < kPolygons; ++p) {
        const double lon0 = 5.0 * (p % 10), lat0 = 5.0 * (p / 10);
        std::snprintf(line, sizeof line, "  %6d%8d 1  %13.3f%10.5f%10.5f%10.5f%10.5f\n", p + 1,
                      kPolygonPoints, 0.0, lon0 - 1, lon0 + 1, lat0 - 1, lat0 + 1);
        out << line;
        for (int i = 0; i < kPolygonPoints; ++i) {
            const double t = 2 * M_PI * i / (kPolygonPoints - 1);
            std::snprintf(line, sizeof line, "%.5f %.5f\n", lon0 + std::cos(t), lat0 + std::sin(t));
            out << line;
        }
    }
}

void overlay(benchmark::State& state, const std::string& keys) {
    bench::quietStart();
    std::filesystem::current_path(bench::scratch().file(""));
    writeShoreline("s.gsh");
    std::ofstream("keys") << keys;
    static std::FILE* const quiet = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        // The menu's answers, read afresh each time.
        const int fd = open("keys", O_RDONLY);
        unitBindConsole(fd, quiet);
        if (!unitOpen(kPlotUnit, "plot.ps", OpenStatus::Unknown)) {
            state.SkipWithError("cannot open the plot file");
            return;
        }
        beginDocument(PsSettings{false, 1, "P  ", 1}, "plot.ps");
        iocom.plotOpen = true;
        splotparam2(5);
        projtype.iproj = 15;
        contours1(5);
        contours1(test::gridMap(0, 22, 0, 45), 1);
        psend();
        close(fd);
    }
    state.SetItemsProcessed(state.iterations() * kPolygons * kPolygonPoints);
}

void BM_ShorelineClipped(benchmark::State& state) {
    overlay(state, "5\ns.gsh\n99\n");
}
BENCHMARK(BM_ShorelineClipped)->Unit(benchmark::kMillisecond);

void BM_ShorelineInChunks(benchmark::State& state) {
    overlay(state, "10\nn\n5\ns.gsh\n99\n");
}
BENCHMARK(BM_ShorelineInChunks)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tensova

BENCHMARK_MAIN();

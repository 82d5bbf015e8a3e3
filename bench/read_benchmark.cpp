// Reading a full catalogue of 25,000 ndk events (about 10 MB) through the reader's own loop
// (read, derive, select), against reading the same file as cat does.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_support.hpp"
#include "catalogue/read_loop.hpp"
#include "catalogue/reader.hpp"
#include "catalogue/selection_tests.hpp"
#include "catalogue/store.hpp"
#include "catalogue_generator.hpp"
#include "console/units.hpp"

namespace tensova {
namespace {

constexpr int32_t kUnit = 11;

// The catalogue, generated once per run in the scratch folder.
class Catalogue {
  public:
    Catalogue() : path_(bench::scratch().file("full.ndk")) {
        if (!bench::writeCatalogue(path_, kCapacity, ndkLayout)) std::abort();
        bytes_ = static_cast<int64_t>(std::filesystem::file_size(path_));
    }
    const std::string& path() const { return path_; }
    int64_t bytes() const { return bytes_; }

  private:
    std::string path_;
    int64_t bytes_ = 0;
};

const Catalogue& catalogue() {
    static const Catalogue c;
    return c;
}

void setUpTests(bool select) {
    bench::quietStart();
    if (select) {
        Seistest2& t = seistest2;
        t.ltest = t.ltestlat = t.ltestlong = t.ltestdep = t.ltestfro = true;
        t.ltestrak = {true, true, false};
        t.latmin = -60.0f;
        t.latmax = 60.0f;
        t.lonmin = -150.0f;
        t.lonmax = 150.0f;
        t.depmax = 400.0f;
        t.rakint[0] = {-180.0f, 0.0f};
        t.rakint[1] = {45.0f, 135.0f};
        t.fclvdmax = 0.1f;
        t.erelmax = 0.5f;
    }
}

void readOnce(benchmark::State& state, int32_t expected) {
    if (!unitOpen(kUnit, catalogue().path(), OpenStatus::Old)) {
        state.SkipWithError("cannot open the catalogue");
        return;
    }
    const ReadOutcome r = readCatalogue(ndkLayout, kUnit, false, false, kGcmtreadex1);
    unitClose(kUnit);
    if (r.end == ReadEnd::BadRecord || r.records != kCapacity ||
        (expected > 0 && gcmtblk.count != expected))
        state.SkipWithError("the catalogue did not read back whole");
    benchmark::DoNotOptimize(gcmtblk.count);
}

void BM_ReadNdkAllKept(benchmark::State& state) {
    setUpTests(false);
    for (auto _ : state) readOnce(state, kCapacity);
    state.counters["events"] = gcmtblk.count;
    state.SetBytesProcessed(state.iterations() * catalogue().bytes());
}
BENCHMARK(BM_ReadNdkAllKept)->Unit(benchmark::kMillisecond);

void BM_ReadNdkSelected(benchmark::State& state) {
    setUpTests(true);
    for (auto _ : state) readOnce(state, 0);
    state.counters["events"] = gcmtblk.count;
    state.SetBytesProcessed(state.iterations() * catalogue().bytes());
}
BENCHMARK(BM_ReadNdkSelected)->Unit(benchmark::kMillisecond);

// What cat does: read the file in large blocks and write them to /dev/null.
void BM_CatBaseline(benchmark::State& state) {
    std::array<char, 128 * 1024> buf;
    const int sink = ::open("/dev/null", O_WRONLY);
    for (auto _ : state) {
        const int fd = ::open(catalogue().path().c_str(), O_RDONLY);
        ssize_t n;
        while ((n = ::read(fd, buf.data(), buf.size())) > 0)
            if (::write(sink, buf.data(), static_cast<std::size_t>(n)) != n) break;
        ::close(fd);
    }
    ::close(sink);
    state.SetBytesProcessed(state.iterations() * catalogue().bytes());
}
BENCHMARK(BM_CatBaseline)->Unit(benchmark::kMillisecond);

// The cat command itself, process start included.
void BM_CatCommand(benchmark::State& state) {
    const std::string cmd = "cat '" + catalogue().path() + "' > /dev/null";
    for (auto _ : state)
        if (std::system(cmd.c_str()) != 0) state.SkipWithError("cat failed");
    state.SetBytesProcessed(state.iterations() * catalogue().bytes());
}
BENCHMARK(BM_CatCommand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tensova

BENCHMARK_MAIN();

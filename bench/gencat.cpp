// gencat: writes a synthetic catalogue for benchmarks and tests of scale.
//
//   gencat COUNT ndk|dek FILE [SEED]

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "catalogue_generator.hpp"

namespace {

bool parse(const char* s, int64_t& v) {
    const char* end = s + std::strlen(s);
    const auto r = std::from_chars(s, end, v);
    return r.ec == std::errc{} && r.ptr == end;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tensova;
    int64_t count = 0;
    int64_t seed = 1;
    const bool ok = (argc == 4 || argc == 5) && parse(argv[1], count) && count >= 0 &&
                    count <= bench::kMaxGeneratedEvents &&
                    (std::strcmp(argv[2], "ndk") == 0 || std::strcmp(argv[2], "dek") == 0) &&
                    (argc == 4 || (parse(argv[4], seed) && seed >= 0 && seed <= UINT32_MAX));
    if (!ok) {
        std::fprintf(stderr, "usage: gencat COUNT ndk|dek FILE [SEED]   (COUNT up to %lld)\n",
                     static_cast<long long>(bench::kMaxGeneratedEvents));
        return 2;
    }
    const RecordLayout& layout = std::strcmp(argv[2], "ndk") == 0 ? ndkLayout : dekLayout;
    if (!bench::writeCatalogue(argv[3], count, layout, static_cast<uint32_t>(seed))) {
        std::fprintf(stderr, "gencat: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}

// The free-format reader: values taken from a text in the order the first byte chooses, then
// the same text read as a file of integers (a record at a time), reals or texts (n values at a
// time).

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "console/input.hpp"
#include "console/units.hpp"
#include "harness.hpp"
#include "reference_real.hpp"

namespace {
constexpr int32_t kUnit = 31;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tensova;
    if (size < 1) return 0;
    const unsigned order = data[0];
    const std::string_view text = fuzz::text(data + 1, size - 1);

    FreeFormat ff(text);
    for (unsigned step = 0; step <= text.size() && !ff.atEnd(); ++step) {
        int32_t i = 0;
        float r = 0.0f;
        std::string t;
        bool ok = false;
        switch ((order >> (2 * (step % 4))) & 3u) {
            case 0:
                ok = ff.nextInt(i);
                break;
            case 1:
                ok = ff.nextReal(r);
                fuzz::mustHold(!ok || std::isfinite(r), "a real read is finite");
                break;
            default:
                ok = ff.nextText(t);
                fuzz::mustHold(!ok || t.size() <= text.size(), "a text read is part of the line");
                break;
        }
        if (!ok) break;
    }
    // The first value against an independent reading of the same token.
    const std::size_t from = std::min(text.find_first_not_of(" \t"), text.size());
    const std::string_view token = text.substr(from, text.find_first_of(" \t,/", from) - from);
    float r = 0.0f;
    float want = 0.0f;
    const bool ok = parseReal(text, r);
    fuzz::mustHold(ok == (!token.empty() && fuzz::referenceReal(token, 0, want)),
                   "the same numbers");
    fuzz::mustHold(!ok || fuzz::sameReal(r, want), "the nearest float");
    int32_t i = 0;
    if (parseInt(text, i))
        fuzz::mustHold(fuzz::referenceReal(token, 0, want) && want == static_cast<float>(i),
                       "an integer is a real too");

    const std::string path = fuzz::scratchFile("free");
    fuzz::writeFile(path, text);
    fuzz::console();
    const int n = static_cast<int>(order % 5);
    std::vector<int32_t> ints(5);
    std::vector<float> reals(5);
    std::vector<std::string> texts(5);
    // A record of integers, as a polygon file's head is read: at least one value.
    const auto readInts = [&] {
        FreeRecord record(kUnit);
        for (std::size_t k = 0; k < static_cast<std::size_t>(std::max(n, 1)); ++k)
            if (const ReadResult got = record.next(ints[k]); got != ReadResult::Ok) return got;
        return ReadResult::Ok;
    };
    for (int kind = 0; kind < 3; ++kind) {
        fuzz::mustHold(unitOpen(kUnit, path, OpenStatus::Old), "open");
        for (std::size_t calls = 0; calls <= text.size() + 1; ++calls) {
            const ReadResult res = kind == 0   ? readInts()
                                   : kind == 1 ? readFreeReals(kUnit, reals.data(), n)
                                               : readFreeTexts(kUnit, texts.data(), n);
            if (res != ReadResult::Ok) break;
            fuzz::mustHold(calls < text.size() + 1, "every read takes a line");
        }
        for (float v : reals) fuzz::mustHold(std::isfinite(v), "a real read from a file is finite");
        unitClose(kUnit);
    }
    return 0;
}

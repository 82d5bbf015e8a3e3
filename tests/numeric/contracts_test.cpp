// What the array routines promise their callers: an output may be one of its inputs where the
// routine allows it, and a count below 1 changes nothing. (The matrix routines are run in place
// in their own examples.)

#include "compare.hpp"
#include "numeric/figures.hpp"
#include "numeric/frames.hpp"
#include "numeric/vectors.hpp"

namespace tensova::test {

using Rows = std::array<std::array<float, 9>, 3>;
using O = float* const*;
using I = const float* const*;

// Nine points whose columns (row 0, row 1, row 2) are unit vectors, so that cc2lln is silent;
// as angles, coordinates or three 3-vectors they are ordinary values too.
const Rows kIn = {{{0.6f, 0, 0.8f, -0.6f, 0, 0.36f, 1, 0, -0.48f},
                   {0.8f, 0.6f, 0, 0.8f, -0.8f, 0.48f, 0, 0, -0.64f},
                   {0, 0.8f, 0.6f, 0, 0.6f, 0.8f, 0, -1, 0.6f}}};

// Three-component vectors in a row of n floats; a count below 1 stays below 1.
int32_t vectors(int32_t n) {
    return n > 0 ? n / 3 : n;
}

struct Routine {
    const char* name;
    bool aliasing;  // the outputs may be the inputs of the same rows
    void (*run)(O o, I i, int32_t n);
};
const Routine kRoutines[] = {
    {"deg2rad", true, [](O o, I i, int32_t n) { deg2rad(o[0], i[0], n); }},
    {"rad2deg", true, [](O o, I i, int32_t n) { rad2deg(o[0], i[0], n); }},
    {"modulr", true, [](O o, I i, int32_t n) { modulr(o[0], i[0], 0.5f, n); }},
    {"modulro", true, [](O o, I i, int32_t n) { modulro(o[0], i[0], 0.5f, -0.2f, n); }},
    {"na2pin", true, [](O o, I i, int32_t n) { na2pin(o[0], i[0], n); }},
    {"xy2t", true, [](O o, I i, int32_t n) { xy2t(o[0], i[0], i[1], n); }},
    {"scalprodn", false, [](O o, I i, int32_t n) { scalprodn(o[0], i[0], i[1], 3, vectors(n)); }},
    {"vecnorm", false, [](O o, I i, int32_t n) { vecnorm(o[0], i[0], 3, vectors(n)); }},
    {"vsum", true, [](O o, I i, int32_t n) { vsum(o[1], i[0], i[1], n); }},
    {"vecprod3d", true, [](O o, I i, int32_t n) { vecprod3d(o[1], i[0], i[1], vectors(n)); }},
    {"ll2ccn", true, [](O o, I i, int32_t n) { ll2ccn(o[0], o[1], o[2], i[0], i[1], n); }},
    {"cc2lln", true, [](O o, I i, int32_t n) { cc2lln(o[0], o[1], i[0], i[1], i[2], n); }},
    {"lla2llb", true, [](O o, I i, int32_t n) { lla2llb(o[0], o[1], i[0], i[1], n); }},
    {"transl2d1", true, [](O o, I i, int32_t n) { transl2d1(o[0], o[1], i[0], i[1], n, 1, 2); }},
    {"homot02d1", true, [](O o, I i, int32_t n) { homot02d1(o[0], o[1], i[0], i[1], n, -3); }},
    {"rot2daff", true, [](O o, I i, int32_t n) { rot2daff(o[0], o[1], i[0], i[1], n, 1, 2, 3); }}};

// Runs a routine from `in` into `out`, which may be the same rows.
void run(const Routine& r, Rows& out, const Rows& in, int32_t n) {
    float* const o[3] = {out[0].data(), out[1].data(), out[2].data()};
    const float* const i[3] = {in[0].data(), in[1].data(), in[2].data()};
    r.run(o, i, n);
}

TEST(Contracts, OutputMayBeAnInputAndACountBelowOneChangesNothing) {
    anglesSet();
    a2b.ab = {0.36f, 0.48f, 0.8f, -0.8f, 0.6f, 0, -0.48f, -0.64f, 0.6f};
    Rows untouched;
    for (auto& row : untouched) row.fill(7.0f);
    for (const auto& r : kRoutines) {
        Rows fresh = kIn, self = kIn;  // rows not written stay as they were
        run(r, fresh, kIn, 9);
        run(r, self, self, 9);
        EXPECT_TRUE(!r.aliasing || self == fresh) << r.name;
        for (const int32_t n : {0, -1, -100}) {
            Rows o = untouched;
            run(r, o, kIn, n);
            EXPECT_EQ(o, untouched) << r.name << " " << n;
        }
    }
}

}  // namespace tensova::test

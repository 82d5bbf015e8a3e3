#include "numeric/vectors.hpp"

#include <array>
#include <cmath>
#include <cstddef>

namespace tensova {

void scalprodn(float* s, const float* ua, const float* va, int32_t nd, int32_t n) {
    for (int32_t j = 0; j < n; ++j) {
        const std::ptrdiff_t base = static_cast<std::ptrdiff_t>(j) * nd;
        float sum = 0.0f;
        for (int32_t k = 0; k < nd; ++k) sum = ua[base + k] * va[base + k] + sum;
        s[j] = sum;
    }
}

void vecnorm(float* rnorm, const float* v, int32_t nd, int32_t n) {
    scalprodn(rnorm, v, v, nd, n);
    for (int32_t j = 0; j < n; ++j) rnorm[j] = std::sqrt(rnorm[j]);
}

void vsum(float* w, const float* u, const float* v, int32_t n) {
    for (int32_t i = 0; i < n; ++i) w[i] = u[i] + v[i];
}

void vecprod3d(float* wa, const float* ua, const float* va, int32_t n) {
    // The two cyclic successors of each component.
    static constexpr int kNext[3][2] = {{1, 2}, {2, 0}, {0, 1}};
    for (int32_t j = 0; j < n; ++j) {
        const float* u = ua + static_cast<std::ptrdiff_t>(j) * 3;
        const float* v = va + static_cast<std::ptrdiff_t>(j) * 3;
        std::array<float, 3> w{};
        for (int i = 0; i < 3; ++i) {
            const int i1 = kNext[i][0];
            const int i2 = kNext[i][1];
            const float p = u[i1] * v[i2];
            const float q = u[i2] * v[i1];
            w[static_cast<std::size_t>(i)] = p - q;
        }
        float* out = wa + static_cast<std::ptrdiff_t>(j) * 3;
        for (int i = 0; i < 3; ++i) out[i] = w[static_cast<std::size_t>(i)];
    }
}

}  // namespace tensova

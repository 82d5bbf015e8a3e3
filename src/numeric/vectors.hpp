#pragma once
// Batched vector operations in single precision. A batch of n vectors of nd components is an
// array whose column j (from 0) is positions j*nd to j*nd + nd - 1. Outputs come first and the
// count last; a count below 1 changes nothing.

#include <cstdint>

namespace tensova {

// s(j) = dot product of column j of ua and va; nd below 1 gives zeros. s accumulates in place:
// it must not overlap ua or va.
void scalprodn(float* s, const float* ua, const float* va, int32_t nd, int32_t n);
// rnorm(j) = Euclidean length of column j of v; rnorm must not overlap v.
void vecnorm(float* rnorm, const float* v, int32_t nd, int32_t n);
// w = u + v element by element; w may be u or v.
void vsum(float* w, const float* u, const float* v, int32_t n);
// Column j of wa = ua(., j) x va(., j), for 3-component columns; wa may be ua or va.
void vecprod3d(float* wa, const float* ua, const float* va, int32_t n);

}  // namespace tensova

#pragma once
// The three quality values derived from an event's moment tensor while it is read: the CLVD
// ratio, the relative error of the moment tensor and the number of free components.

#include <cstdint>

#include "catalogue/store.hpp"
#include "console/text.hpp"

namespace tensova {

// Value given to fclvd or erelm when it cannot be computed (T and P eigenvalues both zero, or
// a moment tensor of zeros); it fails the default quality limits.
constexpr float kUndefinedQuality = 10.0f;

// Smallest error of a component that counts it as free.
constexpr float kFreeComponentError = 0.001f;

// Sets fclvd, erelm and nmfree of event index k. A value that cannot be computed is reported
// in a warning box of the routine `reporter` (with its pause) and set to kUndefinedQuality.
void deriveQuality(Gcmtblk& store, int32_t k, const Stamp& reporter);

}  // namespace tensova

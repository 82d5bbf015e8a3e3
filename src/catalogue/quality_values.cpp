#include "catalogue/quality_values.hpp"

#include <cmath>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"

namespace tensova {

void deriveQuality(Gcmtblk& store, int32_t k, const Stamp& reporter) {
    const auto i = static_cast<std::size_t>(k);

    // CLVD ratio: minus the B eigenvalue over the larger of |T| and |P|.
    // A ratio too large for a float (a damaged file's eigenvalues) cannot be computed either.
    const float a = std::fmax(std::fabs(store.tmval[kAxisT][i]), std::fabs(store.tmval[kAxisP][i]));
    const float ratio = a > 0.0f ? -(store.tmval[kAxisB][i] / a) : 0.0f;
    if (a > 0.0f && std::isfinite(ratio)) {
        store.fclvd[i] = ratio;
    } else {
        warninghead(reporter);
        wout({"Max(|mT|,|mP|) =", fmtF(a, 12, 3)});
        store.fclvd[i] = kUndefinedQuality;
        wout({"setting fclvd  =", fmtF(store.fclvd[i], 12, 3)});
        warningtail00();
    }

    // Squared norms of the tensor and of its error tensor; the off-diagonal components stand
    // twice in the symmetric tensor.
    float m = 0.0f;
    float d = 0.0f;
    const auto& mt = store.tmomt[i];
    const auto& me = store.tmomte[i];
    for (std::size_t j = 0; j < 6; ++j) {
        const float w = j < 3 ? 1.0f : 2.0f;
        m = m + w * mt[j] * mt[j];
        d = d + w * me[j] * me[j];
    }
    // Nor can norms beyond the floats, or their ratio.
    const float e = m > 0.0f ? std::sqrt(d / m) : 0.0f;
    if (m > 0.0f && std::isfinite(m) && std::isfinite(d) && std::isfinite(e)) {
        store.erelm[i] = e;
    } else {
        warninghead(reporter);
        wout({"||M0||**2  =", fmtF(m, 12, 3)});
        wout({"||DM0||**2 =", fmtF(d, 12, 3)});
        store.erelm[i] = kUndefinedQuality;
        wout({"Setting ||DM0||/||M0|| =", fmtF(store.erelm[i], 12, 3)});
        warningtail00();
    }

    int32_t nfree = 0;
    for (const float componentError : me)
        if (componentError >= kFreeComponentError) ++nfree;
    store.nmfree[i] = nfree;
}

}  // namespace tensova

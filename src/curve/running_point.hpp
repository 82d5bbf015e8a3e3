#pragma once
// The running point: the parameter along which drawing code samples a curve, from an initial
// to a final value by an increment, over at most as many points as the point buffers hold.
//
// A client sets the values silently (mode 1), optionally the name first, then the number of
// points and the bounds, calls scptend and steps the point itself:
//     scptnam(name, 1); scptnp(n, 1); scptif(a, b, 1); scptend(1, 1);
//     for ipt = 1 .. ptblock.np: pt = pti + (ipt - 1) * ptd
// scptend opens the curve parameters menu when the values cannot be made consistent, so even a
// silent set-up may turn into a dialog.

#include <cstdint>
#include <string>

#include "console/text.hpp"

namespace tensova {

// Capacity of the point buffers that a curve is sampled into.
inline constexpr int32_t kCurvePointsMax = 1000;

struct Ptblock {
    float pt = 0.0f;     // current value: the clients' own, while stepping
    float pti = 0.0f;    // initial value
    float ptf = 0.0f;    // final value
    float ptd = 0.0f;    // increment
    float rnp = 0.0f;    // np as a real
    float rnseg = 0.0f;  // number of segments, np - 1
    int32_t np = 0;      // points per curve, 1 to kCurvePointsMax
    int32_t ipt = 0;     // index of the current point: the clients' own
    std::string ptname = fit("", 5);
    std::string ptrange = fit("", 51);  // " init = " a " final = " b " inc = " c
    std::string ptlabel = fit("", 56);  // the trimmed name, then ptrange
};
inline Ptblock ptblock;

// The four editors: values from the caller (modes 0, 1), the block (2, 3) or the defaults
// (4, 5: 11 points; 0 to 1; increment 0.1; "Point.parameter"); a menu in even modes; stored
// in every mode and left in the arguments. The name is stored by its first five characters.
void scptnp(int32_t& np, int32_t inter);
void scptif(float& pti, float& ptf, int32_t inter);
void scptd(float& ptd, int32_t inter);
void scptnam(std::string& name, int32_t inter);

// Makes the running point consistent for a calculation type: 0 and 1 the increment from the
// number of points; 2 the number of points from the increment, then the increment refitted to
// end on the final value; 3 the number of points from the increment, kept. 100 added to the type
// keeps the label as it was; otherwise ptrange and ptlabel are rebuilt.
void scptend(int32_t ictype, int32_t inter);

}  // namespace tensova

#pragma once
// Fixed curve parameters: up to four named constants a curve may depend on, each with a type
// (0 name only, 1 real, 2 integer, 3 character), its value in the matching form, the value as
// text and a short info text "name = value".

#include <array>
#include <cstdint>
#include <string>

#include "console/text.hpp"

namespace tensova {

inline constexpr int32_t kFixedParamSlots = 4;

struct Pfixblock {
    std::array<float, kFixedParamSlots> pfix{};  // real values
    int32_t nparfix = 0;                         // slots in use, 0 to 4: slots 1 to nparfix
    std::array<std::string, kFixedParamSlots> pfixname{fit("", 5), fit("", 5), fit("", 5),
                                                       fit("", 5)};
    std::array<std::string, kFixedParamSlots> pfixvalue{fit("", 12), fit("", 12), fit("", 12),
                                                        fit("", 12)};
    std::array<std::string, kFixedParamSlots> pfixinfo{fit("", 17), fit("", 17), fit("", 17),
                                                       fit("", 17)};
    std::array<int32_t, kFixedParamSlots> ipfix{};      // integer values
    std::array<int32_t, kFixedParamSlots> ipfixtype{};  // types
};
inline Pfixblock pfixblock;

// Number of slots in use: from the caller (modes 0, 1), the block (2, 3) or the default 0
// (4, 5); a menu in even modes; stored in every mode.
void scparfixnb(int32_t& nparfixa, int32_t inter);

// One slot, ifix1 (1 to nparfix): the name, type, real and integer values and the value text,
// from the caller, the slot (modes 2, 3) or the defaults (4, 5: "parameter", real, 0.0); the
// value forms follow the type; a menu in even modes; stored in the slot unless no slot is in
// use. Texts are taken at the caller's lengths.
void scparfix1(std::string& pfixnamea, int32_t& ipfixtypea, float& pfixa, int32_t& ipfixa,
               std::string& pfixvaluea, int32_t& ifix1, int32_t inter);

}  // namespace tensova

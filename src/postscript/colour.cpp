// Colour lines: a slot of the colour table as an RGB colour, written only when it changes.

#include "postscript/colour.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "console/fields.hpp"
#include "postscript/postscript.hpp"
#include "postscript/ps_attributes.hpp"
#include "postscript/ps_device.hpp"

namespace tensova {
namespace {

std::size_t slotIndex(int32_t k) {
    return static_cast<std::size_t>(std::clamp(k, 0, kColourSlots - 1));
}

// A percentage as a colour fraction in its field; a value outside 0..100 would not fit it.
std::string fraction(float percent) {
    float f = percent / 100.0f;
    if (!(f >= 0.0f)) f = 0.0f;
    if (f > 1.0f) f = 1.0f;
    return fmtF(f, 6, 3) + " ";
}

void writeSlot(int32_t k) {
    psLine(rgbValues(k) + "setrgbcolor");
    psattributes.lastcolor = k;
}

}  // namespace

const std::string& rgbValues(int32_t k) {
    // Every filled polygon writes its fill colour: the text of a slot is kept until the slot's
    // colour changes.
    struct Slot {
        std::array<float, 3> rgb{};
        std::string text;
    };
    static std::array<Slot, kColourSlots> slots;
    const std::size_t i = slotIndex(k);
    const std::array<float, 3> rgb = {psattributes.red[i], psattributes.green[i],
                                      psattributes.blue[i]};
    Slot& slot = slots[i];
    if (slot.text.empty() || std::memcmp(slot.rgb.data(), rgb.data(), sizeof rgb) != 0) {
        slot.rgb = rgb;
        slot.text = fraction(rgb[0]) + fraction(rgb[1]) + fraction(rgb[2]);
    }
    return slot.text;
}

void psrgbcolor(int32_t k) {
    if (!psdevice.open || !psattributes.colorplot) return;
    if (k == -1) {
        writeSlot(1);
    } else if (k == 1) {
        if (psattributes.linecolor != psattributes.lastcolor) writeSlot(psattributes.linecolor);
    } else if (k == 3) {
        if (psattributes.txtcolor != psattributes.lastcolor) writeSlot(psattributes.txtcolor);
    }
}

}  // namespace tensova

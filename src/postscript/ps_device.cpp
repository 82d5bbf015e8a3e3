#include "postscript/ps_device.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "console/numtext.hpp"
#include "console/units.hpp"
#include "postscript/psparams.hpp"

namespace tensova {

const PsOps& psops() {
    static const PsOps kOps[3] = {
        {"np", "M", "L", "sk", "slw", "1 setlinecap", "0 setlinecap"},
        {"newpath", "moveto", "lineto", "stroke", "setlinewidth", "1 setlinecap", "0 setlinecap"},
        {"", "m", "l", "S", "w", "1 J", "0 J"},
    };
    const int32_t d = psparams.dialect;
    return kOps[(d >= 1 && d <= 3 ? d : 2) - 1];
}

namespace {

// What the document writes, gathered and handed to the plot unit in large pieces: a sheet of
// nets writes millions of short lines.
struct PsOutput {
    static constexpr std::size_t kSize = std::size_t{1} << 20;
    std::array<char, kSize> buf;
    std::size_t len = 0;
};
PsOutput psOutput;

}  // namespace

void psFlush() {
    if (psOutput.len == 0) return;
    unitWriteRaw(psparams.plotUnit, std::string_view(psOutput.buf.data(), psOutput.len));
    psOutput.len = 0;
}

void psDiscard() {
    psOutput.len = 0;
}

char* psSpace(std::size_t n) {
    if (psOutput.len + n > PsOutput::kSize) psFlush();
    return n <= PsOutput::kSize ? psOutput.buf.data() + psOutput.len : nullptr;
}

void psCommit(const char* end) {
    psOutput.len = static_cast<std::size_t>(end - psOutput.buf.data());
}

void psLine(std::string_view line) {
    if (!psdevice.open) return;
    char* p = psSpace(line.size() + 1);
    if (p == nullptr) {
        unitWrite(psparams.plotUnit, line);  // longer than the whole buffer
        return;
    }
    p = std::copy(line.begin(), line.end(), p);
    *p++ = '\n';
    psCommit(p);
}

void endPath() {
    psparams.pathPending = false;
    psdevice.current = false;
    psdevice.needMove = false;
    psdevice.resume = false;
}

namespace {

// The numbers written lately, by their bits: a page of nets or symbols writes the same
// coordinates over and over (every net of a column shares its x values, of a row its y values).
// Only quick layouts are kept; a NaN's bits mark an empty slot.
struct PsnumMemo {
    static constexpr int kBits = 13;
    static constexpr std::size_t kSlots = std::size_t{1} << kBits;
    std::array<uint32_t, kSlots> key;
    std::array<std::array<char, kPsnumRoom>, kSlots> text{};  // the characters; the count last
    PsnumMemo() { key.fill(0xffffffffu); }
};
PsnumMemo psnumMemo;

}  // namespace

char* psnumAt(char* out, float x) {
    const auto bits = std::bit_cast<uint32_t>(x);
    const std::size_t slot = (bits * 2654435761u) >> (32 - PsnumMemo::kBits);
    auto& text = psnumMemo.text[slot];
    if (psnumMemo.key[slot] == bits) {
        std::memcpy(out, text.data(), kPsnumRoom);
        return out + text[kPsnumRoom - 1];
    }
    int32_t nchar = real2charf1Chars(out, 2, 10, x);
    if (nchar > 0) {
        std::memcpy(text.data(), out, kPsnumRoom - 1);
        text[kPsnumRoom - 1] = static_cast<char>(nchar);
        psnumMemo.key[slot] = bits;
    } else {
        std::string slow(10, ' ');
        real2charf1(slow, nchar, 2, 10, x);
        slow.copy(out, static_cast<std::size_t>(nchar));
    }
    return out + nchar;
}

std::string psnum(float x) {
    char buf[kPsnumRoom] = {};
    return std::string(buf, psnumAt(buf, x));
}

std::string psString(std::string_view text) {
    std::string s;
    s.reserve(text.size() + 2);
    s += '(';
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '(' || c == ')' || c == '\\') {
            s += '\\';
            s += c;
        } else if (b < 0x20 || b == 0x7f) {
            s += '\\';
            s += static_cast<char>('0' + (b >> 6));
            s += static_cast<char>('0' + ((b >> 3) & 7));
            s += static_cast<char>('0' + (b & 7));
        } else {
            s += c;
        }
    }
    s += ')';
    return s;
}

float reduceAngle(float degrees) {
    return std::fmod(degrees, 360.0f);
}

}  // namespace tensova

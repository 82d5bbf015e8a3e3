#include "postscript/ps_device.hpp"

#include <cmath>

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

void psLine(std::string_view line) {
    if (psdevice.open) unitWrite(psparams.plotUnit, line);
}

void psLines(std::string_view lines) {
    if (psdevice.open) unitWriteRaw(psparams.plotUnit, lines);
}

void endPath() {
    psparams.pathPending = false;
    psdevice.current = false;
    psdevice.needMove = false;
    psdevice.resume = false;
}

char* psnumAt(char* out, float x) {
    int32_t nchar = real2charf1Chars(out, 2, 10, x);
    if (nchar == 0) {
        std::string text(10, ' ');
        real2charf1(text, nchar, 2, 10, x);
        text.copy(out, static_cast<std::size_t>(nchar));
    }
    return out + nchar;
}

std::string psnum(float x) {
    char buf[10];
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

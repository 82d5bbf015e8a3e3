#include "console/console.hpp"

namespace tensova {

std::string cline(std::initializer_list<std::string_view> items) {
    std::string s;
    std::size_t n = 0;
    for (auto item : items) n += item.size() + 1;
    s.reserve(n);
    for (auto item : items) {
        s += ' ';
        s += item;
    }
    return s;
}

void wout(std::initializer_list<std::string_view> items) {
    unitWrite(iocom.stdOut, cline(items));
}

void werr(std::initializer_list<std::string_view> items) {
    unitWrite(iocom.errOut, cline(items));
}

}  // namespace tensova

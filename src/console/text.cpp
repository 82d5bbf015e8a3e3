#include "console/text.hpp"

namespace tensova {

std::string fit(std::string_view s, std::size_t n) {
    std::string out(s.substr(0, n));
    out.resize(n, ' ');
    return out;
}

void textlen(int32_t& ifirst, int32_t& ilast, std::string_view text) {
    ifirst = 1;
    ilast = static_cast<int32_t>(text.size());
    while (ifirst < ilast && text[ifirst - 1] == ' ') ++ifirst;
    while (ifirst < ilast && text[ilast - 1] == ' ') --ilast;
}

std::string_view trimmed(std::string_view text) {
    int32_t first = 0, last = 0;
    textlen(first, last, text);
    if (last < first) return {};
    return text.substr(first - 1, last - first + 1);
}

}  // namespace tensova

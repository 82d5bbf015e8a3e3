#include "postscript/page.hpp"

#include <cctype>

#include "console/text.hpp"
#include "postscript/psparams.hpp"

namespace tensova {

std::string Page::name() const {
    return std::string(paper.name) + (landscape ? " Landscape" : " Portrait");
}

const Orientation* orientationOf(std::string_view command) {
    for (const Orientation& o : kOrientations)
        if (o.command == command) return &o;
    return nullptr;
}

const Orientation* orientationAnswered(std::string_view answer) {
    const std::string_view a = answer.substr(0, kOrientations[0].command.size());
    const auto lower = [](std::string_view t) {
        std::string l(t);
        for (char& c : l) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return l;
    };
    for (const Orientation& o : kOrientations) {
        const std::string_view c = trimmed(o.command);
        // A one-letter command begins the answer, in either case; the others are the answer, in
        // capitals or in small letters (not mixed).
        const bool taken = c.size() == 1 ? !a.empty() && lower(a.substr(0, 1)) == lower(c)
                                         : a == c || a == lower(c);
        if (taken) return &o;
    }
    return nullptr;
}

Page pageOf(std::string_view orientation) {
    const Orientation* o = orientationOf(orientation);
    return o != nullptr ? o->page : kPortraitPage;
}

Page plotPage() {
    return pageOf(psparams.orientation);
}

}  // namespace tensova

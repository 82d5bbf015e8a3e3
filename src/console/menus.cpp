#include "console/menus.hpp"

#include "console/boxes.hpp"
#include "console/fields.hpp"

namespace tensova {

void unknownCommand(const Stamp& menu, int32_t choice, std::string_view question) {
    refuseAnswer({menu, question, "", RefusalBox::Quiet}, {"unknown command: " + fmtIown(choice)});
}

void unknownAnswer(const Stamp& menu) {
    refuseAnswer({menu, "your choice", "==> BACK TO MENU WITHOUT ACTION", RefusalBox::Warning},
                 {"UNKNOWN ANSWER !"});
}

bool knownCommand(const Stamp& menu, int32_t choice, std::initializer_list<int32_t> known) {
    for (const int32_t k : known)
        if (k == choice) return true;
    unknownCommand(menu, choice);
    return false;
}

}  // namespace tensova

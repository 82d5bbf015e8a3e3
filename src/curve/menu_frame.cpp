#include "curve/menu_frame.hpp"

#include "console/console.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"

namespace tensova {

void curveMenuLoop(const Stamp& owner, std::string_view title, const std::function<void()>& entries,
                   const std::function<bool(int32_t)>& act, ChoicePrompt prompt) {
    for (;;) {
        submenuhead(owner);
        wout({kDashes43});
        wout({title});
        wout({kDashes43});
        entries();
        wout({kDashes43});
        wout({"EXIT ..........................99"});
        menutail();
        int32_t choice = kCurveMenuExit;
        const std::string q = curveQuestion("your choice");
        if (prompt == ChoicePrompt::Older) {
            inintegdefnp(choice, q, kCurveMenuExit);
        } else {
            inintegdef(choice, q, kCurveMenuExit);
        }
        if (choice == kCurveMenuExit) return;
        if (!act(choice)) unknownCommand(owner, choice, trimmed(q));
    }
}

}  // namespace tensova

#pragma once
// The frame that every menu of the curve library shares: its head and title between two rules,
// the entries, the exit entry and the closing rule, then the choice, until 99.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "console/text.hpp"

namespace tensova {

inline constexpr int32_t kCurveMenuExit = 99;

// Question texts travel in a 35-character text (the older prompt prints them at that length).
inline std::string curveQuestion(std::string_view text) {
    return fit(text, 35);
}

enum class ChoicePrompt {
    Older,     // every line at every level, no echo
    Standard,  // lines by output level, echoed
};

// Shows the menu and hands each choice but 99 to `act`, until 99 (also the default). `act`
// returns false for a number the menu does not know, which is refused (unknownCommand).
void curveMenuLoop(const Stamp& owner, std::string_view title, const std::function<void()>& entries,
                   const std::function<bool(int32_t)>& act,
                   ChoicePrompt prompt = ChoicePrompt::Older);

}  // namespace tensova

#pragma once
// Prompts: one number, text or yes/no answer from the standard input unit (the keyboard, or the
// command file while one runs). Each returns only with an acceptable answer: an unreadable or
// out-of-range answer gives an error box and, at a terminal, the question again (a command file
// ends there, piped input ends the run: refuseAnswer). An answer line that begins with a blank or
// a tab (an empty line included) takes the default; written beforehand (piped in, a command
// file's) only when nothing but a `!` comment follows its blanks, and is refused otherwise. A
// number is the line's first free-format value, and the rest of the line is passed over (a comment
// in a command file); with a default it is refused when it runs past its field of 20 characters. A
// text is the whole line, refused when longer than its field (its variable's length, at most 80).
// At output level 2 the question is framed by a line of dots and followed by the default; the
// accepted value is echoed.
//
// The default may be the answer variable itself: `inintegdef(iv, "your choice", iv)`.
// Text answers are std::strings whose size is the declared length of the variable.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>

#include "console/text.hpp"

namespace tensova {

// Integer without default; blank lines are passed over.
void ininteg1(int32_t& iv, std::string_view text);
// Integer with default.
void inintegdef(int32_t& iv, std::string_view text, int32_t ivdef);
// Integer without default inside [ivmin, ivmax].
void inintegvin1(int32_t& iv, std::string_view text, int32_t ivmin, int32_t ivmax);
// Integer with default inside [ivmin, ivmax]; a default outside the range is refused too.
void inintegvindef(int32_t& iv, std::string_view text, int32_t ivdef, int32_t ivmin, int32_t ivmax);
// Real with default.
void inrealdef(float& r, std::string_view text, float rdef);
// Real with default inside [rmin, rmax]; r's value on entry only sizes the default line.
void inrealvindef(float& r, std::string_view text, float rdef, float rmin, float rmax);
// The range that the bounded real prompt shows between brackets: "-90.000, 90.000".
std::string realRange(float rmin, float rmax);
// The older integer prompt: every line at every level, the question at its full length, no echo.
void inintegdefnp(int32_t& iv, std::string_view text, int32_t ivdef);
// Reals without default: n of them from one answer line, the rest of the line passed over. `put`
// puts the question, and `question` names it in the boxes of `which`. A line that does not hold
// them is asked again, at a terminal without a box (a line too long for the console has its
// box); v changes only when all n are read.
void inrealsline(float* v, int32_t n, const Stamp& which, std::string_view question,
                 const std::function<void()>& put);

// Text without default: the line as typed, cut or padded to answer's length.
void inchar1(std::string& answer, std::string_view text);
// A question that waits for return, put as inchar1 puts a one-character one; its line goes
// through the one wait for return (awaitReturn), whose refusals name `which`.
void inreturn(std::string_view text, const Stamp& which);
// Text with default: an answer no longer than `answer`'s length, blanks and tabs after it no part
// of it (a longer one is refused, never cut). With `line`, an answer of up to 80 characters is
// taken and `line` receives it whole, for the caller to refuse what is too long for `answer`.
void inchardef(std::string& answer, std::string_view text, std::string_view chdef,
               std::string* line = nullptr);
// Yes/no with default: y Y 1 yes, n N 0 no, h H help. At a terminal the first character counts;
// written beforehand, the first word whole (y, yes, 1, n, no, 0 in either case; what follows it
// is a comment), and no help.
void inlogicdef(bool& l, std::string_view text, bool ldef);
// Yes/no where a wrong Yes destroys something: only a whole first word counts (y, yes, 1, n, no,
// 0 or h, in either case; return for the default), never its first character alone.
void inlogicdefwhole(bool& l, std::string_view text, bool ldef);
// Yes/no on the units the caller names, every line at every level (the STOP and RESUME
// questions of the error tails, asked on the keyboard). At the end of the input it takes the
// default: such a question is asked once and must not hold the run.
void inlogicdef2(bool& l, std::string_view text, bool ldef, int32_t iuin, int32_t iuout);

// Asks until the answers can be used: `ask` puts the questions, each offering the value in force,
// and `usable` judges the `values` they left, refusing them (refuseAnswer) when it cannot use
// them. A refused set is not offered again: the values go back to those in force before it.
template <typename Ask, typename Usable, typename... T>
void askUntilUsable(Ask&& ask, Usable&& usable, T&... values) {
    const std::tuple<T...> inForce(values...);
    for (;;) {
        ask();
        if (usable()) return;
        std::tie(values...) = inForce;
    }
}

}  // namespace tensova

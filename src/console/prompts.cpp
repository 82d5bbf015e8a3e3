#include "console/prompts.hpp"

#include <cmath>
#include <functional>

#include "console/boxes.hpp"
#include "console/cmdfiles.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/text.hpp"

namespace tensova {
namespace {

constexpr std::string_view kDots = "..........................................";

const Stamp kIninteg1("ininteg1", "1.1 ", "08-03-2000");
const Stamp kInintegdef("inintegdef", "1.3 ", "08-03-2000");
const Stamp kInintegvin1("inintegvin1", "1.1 ", "08-03-2000");
const Stamp kInintegvindef("inintegvind", "1.3 ", "08-03-2000");
const Stamp kInrealdef("inrealdef", "1.2 ", "08-03-2000");
const Stamp kInrealvindef("inrealvinde", "1.5 ", "15-11-2005");
const Stamp kInintegdefnp("inintegdefn", "1.10", "07-10-96");
const Stamp kInchar1("inchar1", "1.4 ", "08-03-2000");
const Stamp kInchardef("inchardef", "1.4 ", "08-03-2000");
const Stamp kInlogicdef("inlogicdef", " 1.2", "02-05-99");
const Stamp kInlogicdef2("inlogicdef2", " 1.0", "08-03-2000");

void dotsAtLevel2() {
    if (lwito(2)) wout({kDots});
}

void defaultLines(const std::string& shown) {
    if (!lwito(2)) return;
    wout({"or return for default value"});
    wout({"Default =", shown});
}

// The answer window of the prompts with a default: the first n characters, blank-padded.
std::string window(const std::string& line, std::size_t n) {
    return fit(line, n);
}

// An answer whose first character is a blank, carriage return or line feed takes the default.
bool takesDefault(const std::string& win) {
    return win.empty() || win[0] == ' ' || win[0] == '\r' || win[0] == '\n';
}

void outsideBox(const Stamp& which, std::string_view q, const std::string& value,
                const std::string& bounds) {
    errorhead(which);
    wout({std::string(q) + " =", value});
    wout({"outside [" + bounds + "]"});
    errortail00();
}

std::string intBounds(int32_t lo, int32_t hi) {
    return fmtIown(lo) + "," + fmtIown(hi);
}

// What an integer or real prompt with a default reads: the value, the default, or nothing.
enum class Answer { Value, Default, Unreadable, AskAgain };

template <typename T, typename Parse>
Answer readWindow(T& v, Parse parse, const Stamp& which, std::string_view question) {
    std::string line;
    if (!readAnswer(line, which, question)) return Answer::AskAgain;
    const std::string win = window(line, 20);
    if (takesDefault(win)) return Answer::Default;
    return parse(win, v) ? Answer::Value : Answer::Unreadable;
}

// Reads an integer straight from the input: lines holding only blanks are passed over.
Answer readDirectInt(int32_t& v, const Stamp& which, std::string_view question) {
    std::string line;
    for (;;) {
        if (!readAnswer(line, which, question)) return Answer::AskAgain;
        if (line.find_first_not_of(" \t") != std::string::npos) break;
    }
    return parseInt(line, v) ? Answer::Value : Answer::Unreadable;
}

// The shared loop of the integer prompts.
void integerPrompt(int32_t& iv, std::string_view text, const Stamp& which, const int32_t* ivdef,
                   const int32_t* lo, const int32_t* hi) {
    const std::string_view q = trimmed(text);
    for (;;) {
        dotsAtLevel2();
        wout({"Enter", q});
        if (lo != nullptr) wout({"inside  [" + intBounds(*lo, *hi) + "]"});
        if (ivdef != nullptr) defaultLines(fmtI(*ivdef, 12));
        int32_t value = 0;
        const auto parse = [](const std::string& w, int32_t& v) { return parseInt(w, v); };
        Answer a =
            ivdef != nullptr ? readWindow(value, parse, which, q) : readDirectInt(value, which, q);
        if (a == Answer::AskAgain) continue;
        if (a == Answer::Unreadable) {
            unreadableAnswer(which, q);
            continue;
        }
        if (a == Answer::Default) value = *ivdef;
        if (lo != nullptr && (value < *lo || value > *hi)) {
            iv = value;
            outsideBox(which, q, fmtI(value, 12), intBounds(*lo, *hi));
            continue;
        }
        iv = value;
        wout({"New value = ", fmtI(iv, 12)});
        dotsAtLevel2();
        return;
    }
}

// Layouts of the range line of the bounded real prompt, by the larger bound magnitude.
std::string realBounds(float rmin, float rmax) {
    const float m = std::fmax(std::fabs(rmin), std::fabs(rmax));
    if (m < 10.0f) return fmtF(rmin, 6, 3) + "," + fmtF(rmax, 6, 3);
    if (m < 100.0f) return fmtF(rmin, 7, 3) + "," + fmtF(rmax, 7, 3);
    if (m < 1000.0f) return fmtF(rmin, 7, 2) + "," + fmtF(rmax, 7, 2);
    if (m < 1.0e6f) return fmtF(rmin, 9, 1) + "," + fmtF(rmax, 9, 1);
    if (m < 1.0e10f) return fmtF(rmin, 13, 1) + "," + fmtF(rmax, 11, 0);
    // 42 characters hold every single-precision value with one decimal.
    return fmtG(rmin, 20, 1) + "," + fmtF(rmax, 42, 1);
}

std::string realDefault(float r, float rdef, float rmin, float rmax) {
    const float m = std::fmax(std::fmax(std::fabs(r), std::fabs(rdef)),
                              std::fmax(std::fabs(rmin), std::fabs(rmax)));
    if (m < 10.0f) return fmtF(rdef, 6, 3);
    if (m < 100.0f) return fmtF(rdef, 7, 3);
    if (m < 1000.0f) return fmtF(rdef, 7, 2);
    return fmtG(rdef, 20, 1);
}

void realPrompt(float& r, std::string_view text, const Stamp& which, float rdef, const float* lo,
                const float* hi) {
    const std::string_view q = trimmed(text);
    const std::string bounds = lo != nullptr ? realBounds(*lo, *hi) : std::string();
    const std::string shownDefault =
        lo != nullptr ? realDefault(r, rdef, *lo, *hi) : fmtG(rdef, 12, 6);
    for (;;) {
        dotsAtLevel2();
        wout({"Enter", q});
        if (lo != nullptr) wout({"inside  [" + bounds + "]"});
        defaultLines(shownDefault);
        float value = 0;
        Answer a = readWindow(
            value, [](const std::string& w, float& v) { return parseReal(w, v); }, which, q);
        if (a == Answer::AskAgain) continue;
        if (a == Answer::Unreadable) {
            unreadableAnswer(which, q);
            continue;
        }
        if (a == Answer::Default) value = rdef;
        if (lo != nullptr && (value < *lo || value > *hi)) {
            r = value;
            outsideBox(which, q, fmtG(value, 12, 6), bounds);
            continue;
        }
        r = value;
        wout({"New value = ", fmtG(r, 12, 6)});
        dotsAtLevel2();
        return;
    }
}

void yesNoHelp(const Stamp& which) {
    submenuhead(which);
    wout({"   To         type           "});
    wout({"-----------------------------"});
    wout({"get help      h or H         "});
    wout({"answer Yes    y or Y or 1    "});
    wout({"answer No     n or N or 0    "});
    wout({"use default   Carriage Return"});
    menutail();
}

std::string_view word(bool b) {
    return b ? "Yes" : "No ";
}

enum class Verdict { Yes, No, Default, Help, Wrong };

// Only the first character of the answer line counts.
Verdict judge(char c) {
    switch (c) {
        case 'y':
        case 'Y':
        case '1':
            return Verdict::Yes;
        case 'n':
        case 'N':
        case '0':
            return Verdict::No;
        case ' ':
        case '\r':
        case '\n':
            return Verdict::Default;
        case 'h':
        case 'H':
            return Verdict::Help;
        default:
            return Verdict::Wrong;
    }
}

// Applies the answer; false when the question must be asked again (help, wrong answer). A wrong
// answer of a command file ends it.
bool applyYesNo(bool& l, bool ldef, char c, const Stamp& stamp,
                const std::function<void(std::initializer_list<std::string_view>)>& out) {
    switch (judge(c)) {
        case Verdict::Yes:
            l = true;
            return true;
        case Verdict::No:
            l = false;
            return true;
        case Verdict::Default:
            l = ldef;
            return true;
        case Verdict::Help:
            break;
        case Verdict::Wrong:
            errorhead(stamp);
            out({"incorrect answer:", std::string(1, c)});
            if (answerFromCommandFile()) endCommandFileAtLine();
            out({"==> WILL ASK QUESTION AGAIN"});
            errortail00();
            break;
    }
    yesNoHelp(stamp);
    return false;
}

}  // namespace

void ininteg1(int32_t& iv, std::string_view text) {
    integerPrompt(iv, text, kIninteg1, nullptr, nullptr, nullptr);
}

void inintegdef(int32_t& iv, std::string_view text, int32_t ivdef) {
    integerPrompt(iv, text, kInintegdef, &ivdef, nullptr, nullptr);
}

void inintegvin1(int32_t& iv, std::string_view text, int32_t ivmin, int32_t ivmax) {
    integerPrompt(iv, text, kInintegvin1, nullptr, &ivmin, &ivmax);
}

void inintegvindef(int32_t& iv, std::string_view text, int32_t ivdef, int32_t ivmin,
                   int32_t ivmax) {
    integerPrompt(iv, text, kInintegvindef, &ivdef, &ivmin, &ivmax);
}

void inrealdef(float& r, std::string_view text, float rdef) {
    realPrompt(r, text, kInrealdef, rdef, nullptr, nullptr);
}

void inrealvindef(float& r, std::string_view text, float rdef, float rmin, float rmax) {
    realPrompt(r, text, kInrealvindef, rdef, &rmin, &rmax);
}

std::string realRange(float rmin, float rmax) {
    return realBounds(rmin, rmax);
}

void inintegdefnp(int32_t& iv, std::string_view text, int32_t ivdef) {
    wout({kDots});
    for (;;) {
        wout({"Enter", text});
        wout({"or return for default value"});
        wout({"Default =", fmtIown(ivdef)});
        int32_t value = 0;
        const Answer a = readWindow(
            value, [](const std::string& w, int32_t& v) { return parseInt(w, v); }, kInintegdefnp,
            text);
        if (a == Answer::AskAgain) continue;
        if (a == Answer::Unreadable) {
            errorhead(kInintegdefnp);
            wout({"could not read", text});
            if (answerFromCommandFile()) endCommandFileAtLine();
            wout({"             RETRYING              "});
            errortail0();
            continue;
        }
        iv = a == Answer::Default ? ivdef : value;
        wout({kDots});
        return;
    }
}

void inchar1(std::string& answer, std::string_view text) {
    const std::string_view q = trimmed(text);
    for (;;) {
        dotsAtLevel2();
        wout({"Enter", q});
        std::string line;
        if (!readAnswer(line, kInchar1, q)) continue;
        answer = fit(line, answer.size());
        wout({"New value =", answer});
        dotsAtLevel2();
        return;
    }
}

void inchardef(std::string& answer, std::string_view text, std::string_view chdef,
               std::string* line80) {
    const std::string_view q = trimmed(text);
    const std::string def(chdef);
    for (;;) {
        dotsAtLevel2();
        wout({"Enter", q});
        defaultLines(std::string(trimmed(def)));
        std::string line;
        if (!readAnswer(line, kInchardef, q)) continue;
        const std::string win = window(line, 80);
        if (takesDefault(win)) {
            wout({"ichar =", fmtI(static_cast<unsigned char>(win[0]), 3), "=> use default value"});
            answer = fit(def, answer.size());
            if (line80 != nullptr) *line80 = def;
        } else {
            answer = fit(win, answer.size());
            if (line80 != nullptr) *line80 = win;
        }
        wout({"New value =", answer});
        dotsAtLevel2();
        return;
    }
}

void inlogicdef(bool& l, std::string_view text, bool ldef) {
    const std::string_view q = trimmed(text);
    for (;;) {
        dotsAtLevel2();
        wout({q, "?"});
        if (lwito(2)) {
            wout({"Enter", "(0/1)(n/y)(N/Y)"});
            wout({"or return for default value or h for help"});
            wout({"Default =", word(ldef)});
        }
        std::string line;
        if (!readAnswer(line, kInlogicdef, q)) continue;
        const char c = line.empty() ? ' ' : line[0];
        if (!applyYesNo(l, ldef, c, kInlogicdef, [](auto items) { wout(items); })) continue;
        wout({"New value = ", word(l)});
        dotsAtLevel2();
        return;
    }
}

void inlogicdef2(bool& l, std::string_view text, bool ldef, int32_t iuin, int32_t iuout) {
    const std::string_view q = trimmed(text);
    auto out = [iuout](std::initializer_list<std::string_view> items) {
        unitWrite(iuout, cline(items));
    };
    out({kDots});
    for (;;) {
        out({q, "?"});
        out({"Enter", "(0/1)(n/y)(N/Y)"});
        out({"or return for default value or h for help"});
        out({"Default =", word(ldef)});
        std::string line;
        char c = ' ';
        const WholeLine r = readWholeLine(iuin, line);
        if (r == WholeLine::TooLong) {
            errorhead(kInlogicdef2);
            out({tooLongLine()});
            out({"==> WILL ASK QUESTION AGAIN"});
            errortail00();
            continue;
        }
        if (r == WholeLine::Ok) c = line.empty() ? ' ' : line[0];
        // At the end of the input the default answers: the question is asked once and must
        // not hold the run.
        if (!applyYesNo(l, ldef, c, kInlogicdef2, out)) continue;
        out({"New value = ", word(l)});
        out({kDots});
        return;
    }
}

}  // namespace tensova

#include "console/prompts.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "console/answers.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/frames.hpp"
#include "console/input.hpp"
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

// The fields of the answers with a default: 20 characters for a number; for a text its
// variable's length, and never more than 80.
constexpr std::size_t kNumberField = 20;
constexpr std::size_t kTextField = 80;

// How an answer line begins, at a question with a default.
enum class Lead {
    Answer,    // with its answer
    Default,   // with a blank, or empty: the default answers
    Indented,  // a written line with blanks and then an answer: refused
};
// A line of blanks, or blanks and a `!` comment, takes the default; so does, at a terminal, any
// line whose first character is a blank or a tab. A line written beforehand whose blanks are
// followed by an answer is refused: its writer meant that answer, which the default would drop
// unseen.
Lead leadOf(std::string_view line) {
    if (blankOrComment(line)) return Lead::Default;
    if (!isBlank(line[0])) return Lead::Answer;
    return lastAnswerSource().written() ? Lead::Indented : Lead::Default;
}
constexpr std::string_view kIndented =
    "answer after blanks: only blanks, or blanks and a ! comment, take the default";

// A text answer longer than its field is refused whole: cut, it would be read as another answer
// (a name cut short names another file). Blanks after it are no part of it.
bool beyondField(std::string_view line, std::size_t field) {
    return withoutTrailingBlanks(line).size() > field;
}

std::string longerThan(std::string_view what, std::size_t field) {
    return std::string(what) + " longer than " + fmtIown(static_cast<int64_t>(field)) +
           " characters";
}

// A prompt's own box for an answer it cannot read.
struct Unreadable {
    const Stamp& which;
    std::string_view question;  // as the box shows it
    std::string_view lead = "could not read";
    std::string_view retry = "==> RETRYING";
    RefusalBox box = RefusalBox::Error;
    void refuse(std::string_view why = {}) const {
        refuseAnswer({which, question, retry, box},
                     {std::string(lead) + " " + std::string(question), why});
    }
};

void outsideBox(const Stamp& which, std::string_view q, const std::string& value,
                const std::string& bounds) {
    refuseAnswer({which, q, ""}, {std::string(q) + " = " + value, "outside [" + bounds + "]"});
}

std::string intBounds(int32_t lo, int32_t hi) {
    return fmtIown(lo) + "," + fmtIown(hi);
}

// What a prompt read: a value, the default, or nothing (the prompt asks again).
enum class Answer { Value, Default, AskAgain };

// One answer line; false when the prompt asks again (a command file that ended, a refused line).
bool answerLine(std::string& line, const Unreadable& box) {
    const Answered a = readAnswer(line);
    if (a == Answered::TooLong) box.refuse(tooLongLine());
    return a == Answered::Line;
}

// A number of a prompt with a default, read from the answer's field. Only the number has to fit
// in it: what follows the number is no part of it (a comment in a command file).
template <typename T, typename Parse>
Answer readField(T& v, Parse parse, const Unreadable& box) {
    std::string line;
    if (!answerLine(line, box)) return Answer::AskAgain;
    switch (leadOf(line)) {
        case Lead::Answer:
            break;
        case Lead::Default:
            return Answer::Default;
        case Lead::Indented:
            box.refuse(kIndented);
            return Answer::AskAgain;
    }
    if (firstValueEnd(line) > kNumberField) {
        box.refuse(longerThan("number", kNumberField));
        return Answer::AskAgain;
    }
    if (parse(line.substr(0, kNumberField), v)) return Answer::Value;
    box.refuse();
    return Answer::AskAgain;
}

// Reads an integer straight from the input: lines that would take a default (blanks, or blanks
// and a `!` comment) are passed over.
Answer readDirectInt(int32_t& v, const Unreadable& box) {
    std::string line;
    do {
        if (!answerLine(line, box)) return Answer::AskAgain;
    } while (blankOrComment(line));
    if (parseInt(line, v)) return Answer::Value;
    box.refuse();
    return Answer::AskAgain;
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
        const Unreadable box{which, q};
        const Answer a =
            ivdef != nullptr ? readField(value, parseInt, box) : readDirectInt(value, box);
        if (a == Answer::AskAgain) continue;
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
        const Answer a = readField(value, parseReal, Unreadable{which, q});
        if (a == Answer::AskAgain) continue;
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
    if (isBlank(c)) return Verdict::Default;
    switch (c) {
        case 'y':
        case 'Y':
        case '1':
            return Verdict::Yes;
        case 'n':
        case 'N':
        case '0':
            return Verdict::No;
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

// A whole word counts, in either case.
Verdict judgeWhole(std::string_view word) {
    std::string w(word);
    for (char& c : w) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (w == "y" || w == "yes" || w == "1") return Verdict::Yes;
    if (w == "n" || w == "no" || w == "0") return Verdict::No;
    return w == "h" ? Verdict::Help : Verdict::Wrong;
}

// How a yes/no prompt judges and refuses its answers.
struct YesNo {
    const Stamp& stamp;
    std::string_view text;  // the question at its full length
    bool whole = false;     // only a whole word counts

    // Answers written beforehand (piped in, or a command file's) count only by their first word
    // whole, text after it a comment: "new.ndk" meant for a name must not answer No by its first
    // character. Nor do they get help, after which the question comes again, out of step with
    // them.
    static bool written() { return lastAnswerSource().written(); }
    Verdict verdict(std::string_view line) const {
        const bool w = written();
        if (!w && !whole) return judge(line.empty() ? ' ' : line[0]);
        if (blankOrComment(line)) return Verdict::Default;
        if (w && leadOf(line) == Lead::Indented) return Verdict::Wrong;
        // At a terminal a line that begins with blanks has no first word here: it is refused.
        const Verdict v = judgeWhole(line.substr(0, line.find_first_of(kBlanks)));
        return w && v == Verdict::Help ? Verdict::Wrong : v;
    }

    Unreadable unreadable() const {
        return {stamp, text, "could not read answer to", "==> WILL ASK QUESTION AGAIN"};
    }
    // Applies the answer line; false when the question must be asked again (help, a wrong
    // answer).
    bool apply(bool& l, bool ldef, std::string_view line) const {
        switch (verdict(line)) {
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
            case Verdict::Wrong: {
                // The answer as it was judged: its first character, or all of it.
                const std::string shown = written() ? quotedAnswer(line)
                                          : whole   ? std::string(line.substr(0, 40))
                                                    : std::string(line.substr(0, 1));
                refuseAnswer({stamp, trimmed(text), "==> WILL ASK QUESTION AGAIN",
                              RefusalBox::Error, written()},
                             {"incorrect answer: " + shown,
                              written() && leadOf(line) == Lead::Indented ? kIndented : ""});
                break;
            }
        }
        yesNoHelp(stamp);
        return false;
    }
};

// The yes/no prompt of the standard input unit.
void yesNoPrompt(bool& l, std::string_view text, bool ldef, const YesNo& how) {
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
        if (!answerLine(line, how.unreadable()) || !how.apply(l, ldef, line)) continue;
        wout({"New value = ", word(l)});
        dotsAtLevel2();
        return;
    }
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
    const Unreadable box{kInintegdefnp, text, "could not read",
                         "             RETRYING              ", RefusalBox::Outdated};
    for (;;) {
        wout({"Enter", text});
        wout({"or return for default value"});
        wout({"Default =", fmtIown(ivdef)});
        int32_t value = 0;
        const Answer a = readField(value, parseInt, box);
        if (a == Answer::AskAgain) continue;
        iv = a == Answer::Default ? ivdef : value;
        wout({kDots});
        return;
    }
}

void inrealsline(float* v, int32_t n, const Stamp& which, std::string_view question,
                 const std::function<void()>& put) {
    const Unreadable unreadable{which, question, "could not read", "", RefusalBox::Quiet};
    std::vector<float> read(static_cast<std::size_t>(std::max(n, 0)));
    for (;;) {
        put();
        std::string line;
        if (!answerLine(line, Unreadable{which, question})) continue;
        FreeFormat values(line);
        if (!std::all_of(read.begin(), read.end(), [&](float& r) { return values.nextReal(r); })) {
            unreadable.refuse();
            continue;
        }
        std::copy(read.begin(), read.end(), v);
        return;
    }
}

void inchar1(std::string& answer, std::string_view text) {
    const std::string_view q = trimmed(text);
    for (;;) {
        dotsAtLevel2();
        wout({"Enter", q});
        std::string line;
        if (!answerLine(line, Unreadable{kInchar1, q})) continue;
        answer = fit(line, answer.size());
        wout({"New value =", answer});
        dotsAtLevel2();
        return;
    }
}

void inreturn(std::string_view text, const Stamp& which) {
    const std::string_view q = trimmed(text);
    const std::string line = awaitReturn({which, q, false}, [q] {
        dotsAtLevel2();
        wout({"Enter", q});
    });
    wout({"New value =", fit(line, 1)});
    dotsAtLevel2();
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
        const Unreadable box{kInchardef, q};
        if (!answerLine(line, box)) continue;
        // A caller that takes the whole line judges its length itself (a file name has its own
        // limit and its own words for it).
        const std::size_t field =
            line80 != nullptr ? kTextField : std::min(answer.size(), kTextField);
        const Lead lead = leadOf(line);
        if (lead == Lead::Indented) {
            box.refuse(kIndented);
            continue;
        }
        if (lead == Lead::Default) {
            const char first = line.empty() ? ' ' : line[0];
            wout({"ichar =", fmtI(static_cast<unsigned char>(first), 3), "=> use default value"});
            answer = fit(def, answer.size());
            if (line80 != nullptr) *line80 = def;
        } else if (beyondField(line, field)) {
            box.refuse(longerThan("answer", field));
            continue;
        } else {
            const std::string taken = fit(withoutTrailingBlanks(line), kTextField);
            answer = fit(taken, answer.size());
            if (line80 != nullptr) *line80 = taken;
        }
        wout({"New value =", answer});
        dotsAtLevel2();
        return;
    }
}

void inlogicdef(bool& l, std::string_view text, bool ldef) {
    yesNoPrompt(l, text, ldef, {kInlogicdef, text});
}

void inlogicdefwhole(bool& l, std::string_view text, bool ldef) {
    yesNoPrompt(l, text, ldef, {kInlogicdef, text, true});
}

void inlogicdef2(bool& l, std::string_view text, bool ldef, int32_t iuin, int32_t iuout) {
    const std::string_view q = trimmed(text);
    auto out = [iuout](std::initializer_list<std::string_view> items) {
        unitWrite(iuout, cline(items));
    };
    const YesNo how{kInlogicdef2, text};
    out({kDots});
    for (;;) {
        out({q, "?"});
        out({"Enter", "(0/1)(n/y)(N/Y)"});
        out({"or return for default value or h for help"});
        out({"Default =", word(ldef)});
        std::string line;
        const WholeLine r = readAnswerOf(iuin, line);
        if (r == WholeLine::TooLong) {
            how.unreadable().refuse(tooLongLine());
            continue;
        }
        // At the end of the input the default answers: the question is asked once and must
        // not hold the run.
        if (r == WholeLine::End) line.clear();
        if (!how.apply(l, ldef, line)) continue;
        out({"New value = ", word(l)});
        out({kDots});
        return;
    }
}

}  // namespace tensova

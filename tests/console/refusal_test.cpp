// Refused answers: each prompt's own box at a terminal, the end of a command file at the line
// that gave the answer, the field of an answer, and the whole answer of "replace it ?". (The end
// of piped input stops the run: the end-to-end tests show it.)

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "console/answers.hpp"
#include "console/cmdfiles.hpp"
#include "console/console.hpp"
#include "console/input.hpp"
#include "console/prompts.hpp"
#include "console/text.hpp"
#include "support/console_capture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

using Prompt = std::function<std::string()>;  // asks, and returns what it took

std::string integer(const std::function<void(int32_t&)>& ask) {
    int32_t v = -1;
    ask(v);
    return std::to_string(v);
}

const Prompt kInteger = [] {
    return integer([](int32_t& v) { inintegdef(v, "your choice", 99); });
};
const Prompt kOlder = [] { return integer([](int32_t& v) { inintegdefnp(v, "what now ?", 99); }); };
const Prompt kBounded = [] {
    return integer([](int32_t& v) { inintegvindef(v, "number of vertices", 3, 3, 9); });
};
const Prompt kReal = [] {
    float r = -1;
    inrealdef(r, "latitude", 0);
    return std::to_string(r);
};
const Prompt kYesNo = [] {
    bool l = false;
    inlogicdef(l, "switch", false);
    return std::string(l ? "yes" : "no");
};
const Prompt kKeyboardYesNo = [] {
    bool l = false;
    inlogicdef2(l, "STOP", false, iocom.errIn, iocom.errOut);
    return std::string(l ? "yes" : "no");
};
const Prompt kText = [] {
    std::string t(10, ' ');
    inchardef(t, "name", "x");
    return std::string(trimmed(t));
};
const Prompt kLongText = [] {
    std::string t(20, ' ');
    inchardef(t, "title", "x");
    return std::string(trimmed(t));
};
const Prompt kDirect = [] { return integer([](int32_t& v) { ininteg1(v, "your choice"); }); };
const Prompt kDirectBounded = [] {
    return integer([](int32_t& v) { inintegvin1(v, "index of color", 1, 12); });
};
const Prompt kBoundedReal = [] {
    float r = -1;
    inrealvindef(r, "latitude", 0, -90, 90);
    return std::to_string(r);
};
const Prompt kThreeReals = [] {
    float v[3] = {};
    inrealsline(v, 3, Stamp("grid", "", ""), "min, max and inc", [] {});
    return std::to_string(static_cast<int>(v[0])) + " " + std::to_string(static_cast<int>(v[1])) +
           " " + std::to_string(static_cast<int>(v[2]));
};
// A name's prompt: the caller takes the whole answer and judges its length itself.
const Prompt kName = [] {
    std::string t(10, ' '), whole;
    inchardef(t, "name", "x", &whole);
    return std::string(trimmed(whole));
};
const Prompt kReplace = [] {
    bool l = false;
    inlogicdefwhole(l, "file exists: replace it", false);
    return std::string(l ? "yes" : "no");
};

// A command file's first answer that a prompt refuses ends the file in its box, which names
// that line; the keyboard answers the question again (after the box's pause), and the file's
// next line is never read.
TEST(Refusal, ACommandFileEndsAtTheLineOfItsFirstRefusedAnswer) {
    const struct {
        const char* what;
        Prompt prompt;
        std::string bad;
        const char* keyboard;  // the answer after the pause
        const char* taken;
    } cases[] = {
        {"integer, unreadable", kInteger, "x", "5", "5"},
        {"older integer, unreadable", kOlder, "x", "5", "5"},
        {"integer, longer than its field", kInteger, "000000000000000000001001", "5", "5"},
        {"bounded integer, outside", kBounded, "12", "4", "4"},
        {"real, unreadable", kReal, "1O", "2", "2.000000"},
        {"yes or no, wrong", kYesNo, "maybe", "n", "no"},
        {"text, longer than its field", kText, std::string(81, 'a'), "five", "five"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        InFolder folder;
        folder.dir.write("c.txt", c.bad + "\n7\n");
        ConsoleCapture cap("\n" + std::string(c.keyboard) + "\n");
        std::string name = fit("c.txt", 35);
        beginaltsi(15, name, 1);
        EXPECT_EQ(c.prompt(), c.taken);
        const Lines lines = cap.lines();
        EXPECT_EQ(countLines(lines, " line 1 of command file c.txt"), 1);
        EXPECT_EQ(countLines(lines, " ===> END OF COMMAND FILE"), 1);
        EXPECT_FALSE(iocom.cmdOpen);
    }
}

// At a terminal each prompt shows its own box for a line it cannot read (here one longer than
// the console takes), and asks again.
TEST(Refusal, EachPromptKeepsItsOwnBoxForALineItCannotRead) {
    const std::string tooLong = " line longer than 1048576 characters";
    const struct {
        const char* what;
        Prompt prompt;
        Lines box;         // the lines after the head
        const char* then;  // the answer after the box's pause, taken
    } cases[] = {
        {"integer", kInteger, {" could not read your choice", tooLong, " ==> RETRYING"}, "5"},
        {"older integer",
         kOlder,
         {" could not read what now ?", tooLong, "              RETRYING              "},
         "5"},
        {"text", kText, {" could not read name", tooLong, " ==> RETRYING"}, "five"},
        {"yes or no",
         kYesNo,
         {" could not read answer to switch", tooLong, " ==> WILL ASK QUESTION AGAIN"},
         "yes"},
        {"yes or no on the keyboard",
         kKeyboardYesNo,
         {" could not read answer to STOP", tooLong, " ==> WILL ASK QUESTION AGAIN"},
         "yes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConsoleCapture cap(std::string((std::size_t{1} << 20) + 1, '1') + "\n\n" + c.then + "\n");
        EXPECT_EQ(c.prompt(), c.then);
        EXPECT_EQ(block(cap.lines(), c.box), c.box);
    }
}

// An answer to a prompt with a default is read from its field: a number that runs past its 20
// characters, a text longer than its variable, a name longer than 80 characters is refused
// whole, never read cut; blanks after a text do not count.
TEST(Refusal, AnAnswerLongerThanItsFieldIsRefused) {
    const struct {
        const char* what;
        Prompt prompt;
        std::string answer;
        const char* refusal;  // the box's line, when the answer is refused and 8 taken
        std::string taken;
    } cases[] = {
        {"integer of 24 characters", kInteger, "000000000000000000001001", "number longer than 20",
         "8"},
        {"integer of 20 characters", kInteger, "00000000000000001001", nullptr, "1001"},
        {"integer and blanks", kInteger, "45" + std::string(30, ' '), nullptr, "45"},
        {"older integer", kOlder, "000000000000000000001001", "number longer than 20", "8"},
        {"real of 24 characters", kReal, "000000000000000000000045", "number longer than 20",
         "8.000000"},
        {"text of 11 characters", kText, std::string(11, 'a'), "answer longer than 10", "8"},
        {"text of 10 characters and blanks", kText, std::string(10, 'b') + "  ", nullptr,
         "bbbbbbbbbb"},
        {"name of 81 characters", kName, std::string(81, 'a'), "answer longer than 80", "8"},
        {"name of 80 characters and blanks", kName, std::string(80, 'b') + "  ", nullptr,
         std::string(80, 'b')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConsoleCapture cap(c.answer + "\n\n8\n");
        EXPECT_EQ(c.prompt(), c.taken);
        const Lines lines = cap.lines();
        const auto refusals = std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
            return l.find(" longer than ") != std::string::npos;
        });
        EXPECT_EQ(refusals, c.refusal != nullptr ? 1 : 0);
        if (c.refusal != nullptr) {
            EXPECT_EQ(countLines(lines, " " + std::string(c.refusal) + " characters"), 1);
        }
    }
}

// A number is the answer's first value: what follows it on the line is passed over (a comment in
// a command file), at every kind of prompt, however long; a text is the whole line.
TEST(Refusal, ANumberMayCarryAComment) {
    const std::string comment = "    ! a comment longer than the field of a number";
    const struct {
        const char* what;
        Prompt prompt;
        std::string answer;
        std::string taken;
    } cases[] = {
        {"integer", kInteger, "100" + comment, "100"},
        {"integer filling its field", kInteger, std::string(19, '0') + "7" + comment, "7"},
        {"integer, a comma", kInteger, "12," + comment, "12"},
        {"older integer", kOlder, "7" + comment, "7"},
        {"bounded integer", kBounded, "5/" + comment, "5"},
        {"integer without default", kDirect, "12" + comment, "12"},
        {"bounded integer without default", kDirectBounded, "4" + comment, "4"},
        {"real", kReal, "2.5" + comment, "2.500000"},
        {"bounded real", kBoundedReal, "-45.5" + comment, "-45.500000"},
        {"line of three reals", kThreeReals, "10 20,5" + comment, "10 20 5"},
        {"text, the whole line", kLongText, "abc ! note", "abc ! note"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConsoleCapture cap(c.answer + "\n");
        EXPECT_EQ(c.prompt(), c.taken);
    }
}

// "replace it ?" takes a whole first word only: a wrong Yes there destroys a file.
TEST(Refusal, ReplaceTakesOnlyAWholeAnswer) {
    const std::pair<const char*, const char*> taken[] = {
        {"y", "yes"},          {"YES", "yes"}, {"1", "yes"}, {"yes  ", "yes"},
        {"yes please", "yes"}, {"n", "no"},    {"No", "no"}, {"no ! keep it", "no"},
        {"0", "no"},           {"", "no"},     {"   ", "no"}};
    for (const auto& [answer, want] : taken) {
        ConsoleCapture cap(std::string(answer) + "\n");
        EXPECT_EQ(kReplace(), want) << answer;
    }
    for (const char* wrong : {"1000", "10", "yesterday.ndk", " y", "nope", "x"}) {
        ConsoleCapture cap(std::string(wrong) + "\n\ny\n");
        EXPECT_EQ(kReplace(), "yes") << wrong;
        EXPECT_EQ(countLines(cap.lines(), std::string(" incorrect answer: ") + wrong), 1) << wrong;
    }
}

// The box that ends piped answers quotes the answer whole, as far as a screen can show it.
TEST(Refusal, TheAnswerIsQuotedWholeUpToTwoHundredCharacters) {
    const std::string a200(200, 'a');
    const struct {
        const char* what;
        std::string answer, quoted;
    } cases[] = {
        {"empty", "", "\"\""},
        {"two digits", "99", "\"99\""},
        {"blanks kept", " y ", "\" y \""},
        {"control characters", "a\tb\x1b[2J\x7f", "\"a?b?[2J?\""},
        {"200 characters", a200, "\"" + a200 + "\""},
        {"201 characters", a200 + "b", "\"" + a200 + "\" (cut: 201 characters in all)"},
        {"not inside a character", std::string(199, 'a') + "\xc3\xa9",
         "\"" + std::string(199, 'a') + "\" (cut: 201 characters in all)"},
    };
    for (const auto& c : cases) EXPECT_EQ(quotedAnswer(c.answer), c.quoted) << c.what;
}

}  // namespace
}  // namespace tensova::test

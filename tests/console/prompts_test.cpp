// The prompt contract: what each prompt prints, what it accepts, and how it asks again.

#include "console/prompts.hpp"

#include <functional>

#include "console/console.hpp"
#include "console/input.hpp"
#include "support/console_capture.hpp"
#include "support/exact_text.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// What a prompt prints for the given keyboard lines, with level 2 output on or off.
Lines ask(const std::string& keyboard, bool level2, const std::function<void()>& prompt) {
    ConsoleCapture cap(keyboard);
    iocom.lwito[1] = level2;
    prompt();
    return cap.lines();
}

TEST(FreeFormat, Grammar) {
    // The golden table: what each answer reads as, each read from storage that ends with it.
    int cases = 0;
    for (const std::string& line : golden("free_format.txt")) {
        if (line.starts_with('#')) continue;
        ++cases;
        const auto a = line.find('|'), b = line.rfind('|');
        const std::string kind = line.substr(0, a);
        const ExactText answer(std::string_view(line).substr(a + 1, b - a - 1));
        const std::string_view text = answer.view();
        const std::string want = line.substr(b + 1);
        if (kind.ends_with("text")) {
            std::string v;
            EXPECT_EQ(FreeFormat(text).nextText(v) ? v : "<none>", kind == "text" ? want : "<none>")
                << line;
            continue;
        }
        int32_t i = 0;
        float r = 0;
        EXPECT_EQ(parseInt(text, i), kind == "int") << line;
        EXPECT_EQ(parseReal(text, r), kind != "none") << line;
        EXPECT_EQ(i, kind == "int" ? std::stoi(want) : i) << line;
        EXPECT_EQ(r, kind != "none" ? std::strtof(want.c_str(), nullptr) : r) << line;
    }
    EXPECT_EQ(cases, 48);
}

// Several values of one line, each read from storage that ends with the line: blanks around a
// comma or a slash belong to it, and the last value runs to the end of the line.
TEST(FreeFormat, ValuesOfALine) {
    const struct {
        const char* what;
        const char* line;
    } cases[] = {
        {"blanks", "60 90 10"},
        {"commas", "60,90,10"},
        {"blanks around commas", "60 , 90 , 10"},
        {"tabs and a slash", "60\t,\t90 /10"},
        {"blanks at the end", "60 90 10  "},
    };
    for (const auto& c : cases) {
        const ExactText line(c.line);
        FreeFormat values(line.view());
        float v[3] = {};
        EXPECT_TRUE(values.nextReal(v[0]) && values.nextReal(v[1]) && values.nextReal(v[2]))
            << c.what;
        EXPECT_TRUE(v[0] == 60.0f && v[1] == 90.0f && v[2] == 10.0f) << c.what;
        EXPECT_TRUE(values.atEnd()) << c.what;
        EXPECT_FALSE(values.nextReal(v[0])) << c.what;
    }
}

// What stands for return (a default, a wait), and a line that holds a number and nothing more,
// as every question reads it: the one reader of both is the free-format reader's.
TEST(FreeFormat, BlankOrCommentAndNumberLines) {
    const struct {
        const char* what;
        const char* line;
        bool blank;   // stands for return
        bool number;  // holds a number and nothing more
    } cases[] = {
        {"empty", "", true, false},
        {"blanks", "   ", true, false},
        {"a tab", "\t", true, false},
        {"blanks and a comment", "  ! c", true, false},
        {"a comment with no blank", "! c", false, false},
        {"blanks and an answer", "  x", false, false},
        {"a number", "99", false, true},
        {"a number and a comment", "100    ! selection tests", false, true},
        {"a comma after it", "9999,", false, true},
        {"a comma and a comment", "9999, ! back", false, true},
        {"a slash after it", "99/", false, true},
        {"blanks around it", "  2001  ", false, true},
        {"beyond a float", "1e39", false, true},
        {"beyond a double", "1e999", false, true},
        {"beyond any integer", "123456789012345678901234567890", false, true},
        {"a real", "-1.5D-3", false, true},
        {"text after it", "2015 report.ndk", false, false},
        {"a value after the comma", "99,5", false, false},
        {"a path", "./2015", false, false},
        {"a comment with no blank after it", "99! back", false, false},
        {"quoted", "'99'", false, false},
        {"no number", "1e", false, false},
    };
    for (const auto& c : cases) {
        const ExactText line(c.line);
        EXPECT_EQ(blankOrComment(line.view()), c.blank) << c.what;
        EXPECT_EQ(readsAsNumber(line.view()), c.number) << c.what;
    }
}

TEST(FreeFormat, FileValuesAndTextsRunAcrossLines) {
    // The rest of a line is passed over; no value at all passes over one line. A slash after a
    // value ends it as a comma does.
    TempDir dir;
    dir.write("p.txt", "3 1\n  10.5, -20\n30/40 50 60 ignored\n7\nx\n");
    dir.write("t.txt", "'a'\n\n 'b c' extra\nskipped line\n'd'\n");
    ConsoleCapture cap;
    ASSERT_TRUE(unitOpen(61, dir.file("p.txt"), OpenStatus::Old));
    int32_t head[2];
    float v[6];
    {
        FreeRecord record(61);
        ASSERT_TRUE(record.next(head[0]) == ReadResult::Ok &&
                    record.next(head[1]) == ReadResult::Ok);
    }
    EXPECT_TRUE(head[0] == 3 && head[1] == 1);
    ASSERT_EQ(readFreeReals(61, v, 6), ReadResult::Ok);
    EXPECT_TRUE(v[0] == 10.5f && v[1] == -20.0f && v[5] == 60.0f);
    ASSERT_EQ(readFreeReals(61, v, 1), ReadResult::Ok);
    EXPECT_FLOAT_EQ(v[0], 7.0f);
    EXPECT_EQ(readFreeReals(61, v, 1), ReadResult::Error);
    EXPECT_EQ(readFreeReals(61, v, 1), ReadResult::Eof);
    ASSERT_TRUE(unitOpen(62, dir.file("t.txt"), OpenStatus::Old));
    std::string t[2];
    ASSERT_EQ(readFreeTexts(62, t, 2), ReadResult::Ok);
    EXPECT_EQ(t[1], "b c");
    ASSERT_EQ(readFreeTexts(62, t, 0), ReadResult::Ok);
    ASSERT_EQ(readFreeTexts(62, t, 1), ReadResult::Ok);
    EXPECT_EQ(t[0], "d");
    EXPECT_EQ(readFreeTexts(62, t, 0), ReadResult::Eof);
}

// Whole dialogues: level 2 frames them with dots and shows the default; without it only the
// question and the echo remain, but on the error units every line shows (end of input there
// takes the default). An unreadable answer gets the error box; no default skips blank lines.
TEST(Prompts, Transcripts) {
    int32_t iv = 0;
    bool l = false;
    const struct {
        const char* keyboard;
        bool level2;
        std::function<void()> prompt;
        int32_t value;  // what the prompt leaves, or 1 for Yes
    } cases[] = {
        {"5\n", true, [&] { inintegdef(iv, "your choice                        ", 99); }, 5},
        {"\n", false, [&] { inintegdef(iv, "your choice", 99); }, 99},
        {"5.0\n\n6\n", false, [&] { inintegdef(iv, "your choice", 99); }, 6},
        {"\n   \n\n12\n", true, [&] { ininteg1(iv, "your choice"); }, 12},
        {"", false, [&] { inlogicdef2(l, "STOP", true, iocom.errIn, iocom.errOut); }, 1}};
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        iv = 0, l = false;
        expectGolden(ask(c.keyboard, c.level2, c.prompt), "prompts.txt#" + std::to_string(k));
        EXPECT_EQ(k == 4 ? l : iv, c.value) << k;
    }
}

TEST(RealPrompt, LayoutsOfRangeAndDefault) {
    const auto cases = tableRows("real_prompts.txt");
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const auto c = numbers(cases[k].at(0));
        const float def = float(c.at(2));
        float r = def;
        const Lines lines =
            ask("\n", true, [&] { inrealvindef(r, "value", def, float(c.at(0)), float(c.at(1))); });
        expectGolden(lines, "prompts.txt#range " + std::to_string(k));
        EXPECT_FLOAT_EQ(r, def);
    }
    float r = 1.0f;
    const Lines lines =
        ask("150\n\n2.5\n", false, [&] { inrealvindef(r, "angle", 1.0f, 0.0f, 100.0f); });
    EXPECT_FLOAT_EQ(r, 2.5f);
    expectGolden(lines, "prompts.txt#angle");
}

TEST(OlderIntegerPrompt, EveryLineAtEveryLevelNoEcho) {
    int32_t iv = 0;
    const Lines lines =
        ask("x\n\n\n", false, [&] { inintegdefnp(iv, "what now ?                         ", 12); });
    EXPECT_EQ(iv, 12);
    // The outdated tail, a figure of @ around its name, and no echo; the dots close it.
    expectGolden(lines, "older_prompt.txt");
}

// An answer longer than the 80 characters of the field is refused (the box's pause takes one
// line); blanks after the answer are no part of it.
TEST(TextPrompt, DefaultsEchoesAndWindow) {
    ConsoleCapture cap("\n other\n" + std::string(81, 'a') + "\n\n" + std::string(80, 'a') +
                       "   \nname\n");
    std::string answer(10, ' ');
    inchardef(answer, "file name", "seis.ps");
    EXPECT_EQ(answer, "seis.ps   ");
    inchardef(answer, "file name", "seis.ps");
    EXPECT_EQ(answer, "seis.ps   ");
    std::string wide(100, ' ');
    std::string full;
    inchardef(wide, "file name", "x", &full);
    EXPECT_EQ(wide, std::string(80, 'a') + std::string(20, ' '));
    EXPECT_EQ(full, std::string(80, 'a'));
    std::string plain(6, '#');
    inchar1(plain, "title");
    EXPECT_EQ(plain, "name  ");
    expectGolden(cap.lines(), "prompts.txt#text");
}

TEST(YesNoPrompt, AnswersHelpAndWrongCharacters) {
    // A tab is a blank, the default; taken for an answer, it would be refused, and the box's pause
    // and the question asked again would read the lines after it.
    const std::tuple<const char*, bool, bool> cases[] = {
        {"y\n", false, true},       {"Yes please\n", false, true}, {"1\n", false, true},
        {"n\n", true, false},       {"N\n", true, false},          {"0\n", true, false},
        {"\n", true, true},         {" no\n", true, true},         {"no\n", true, false},
        {"\tno\n\nn\n", true, true}};
    for (const auto& [input, def, want] : cases) {
        bool l = !want;
        ask(input, true, [&] { inlogicdef(l, "switch", def); });
        EXPECT_EQ(l, want) << input;
    }
    bool l = false;
    const Lines lines = ask("h\nx\n\ny\n", false,
                            [&] { inlogicdef(l, "write extracted data to si-sh file", false); });
    EXPECT_TRUE(l);
    expectGolden(lines, "yes_no_help.txt");  // the help box, the refusal, the help again
}

}  // namespace
}  // namespace tensova::test

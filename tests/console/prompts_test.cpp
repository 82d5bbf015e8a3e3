// The prompt contract: what each prompt prints, what it accepts, and how it asks again.

#include "console/prompts.hpp"

#include <gtest/gtest.h>

#include "console/console.hpp"
#include "console/input.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using test::ConsoleCapture;
using Lines = std::vector<std::string>;

const std::string kDots = " " + std::string(42, '.');
const std::string kStars = " " + std::string(43, '*');

TEST(FreeFormat, Grammar) {
    struct IntCase {
        const char* text;
        bool ok;
        int32_t v;
    };
    const IntCase ints[] = {
        {"5", true, 5},
        {"+5", true, 5},
        {"-5", true, -5},
        {"  42  ", true, 42},
        {"5 abc", true, 5},
        {"5,6", true, 5},
        {"5/", true, 5},
        {"\t7", true, 7},
        {"5.0", false, 0},
        {"abc", false, 0},
        {",5", false, 0},
        {"/5", false, 0},
        {"5x", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"0x10", false, 0},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
    };
    for (const auto& c : ints) {
        int32_t v = 0;
        EXPECT_EQ(parseInt(c.text, v), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(v, c.v) << c.text;
        }
    }
    struct RealCase {
        const char* text;
        bool ok;
        float v;
    };
    const RealCase reals[] = {
        {"5", true, 5.0f},         {"5.", true, 5.0f},     {".5", true, 0.5f},
        {"-1.5e2", true, -150.0f}, {"1d3", true, 1000.0f}, {"2.5D-1", true, 0.25f},
        {"1E+2,x", true, 100.0f},  {".", false, 0},        {"e5", false, 0},
        {"1e", false, 0},          {"inf", false, 0},      {"nan", false, 0},
        {"0x1p3", false, 0},       {"1e39", false, 0},     {"1.2.3", false, 0},
        {",1", false, 0},
    };
    for (const auto& c : reals) {
        float v = 0;
        EXPECT_EQ(parseReal(c.text, v), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_FLOAT_EQ(v, c.v) << c.text;
        }
    }
}

TEST(FreeFormat, FileValuesRunAcrossLines) {
    test::TempDir dir;
    dir.write("p.txt", "3 1\n  10.5, -20\n30 40 50 60 ignored\n7\nx\n");
    ConsoleCapture cap;
    ASSERT_TRUE(unitOpen(61, dir.file("p.txt"), OpenStatus::Old));
    int32_t head[2];
    ASSERT_EQ(readFreeInts(61, head, 2), ReadResult::Ok);
    EXPECT_EQ(head[0], 3);
    EXPECT_EQ(head[1], 1);
    float v[6];
    ASSERT_EQ(readFreeReals(61, v, 6), ReadResult::Ok);
    EXPECT_FLOAT_EQ(v[1], -20.0f);
    EXPECT_FLOAT_EQ(v[5], 60.0f);
    ASSERT_EQ(readFreeReals(61, v, 1), ReadResult::Ok);  // the rest of a line is passed over
    EXPECT_FLOAT_EQ(v[0], 7.0f);
    EXPECT_EQ(readFreeReals(61, v, 1), ReadResult::Error);
    EXPECT_EQ(readFreeReals(61, v, 1), ReadResult::Eof);
    unitClose(61);
}

TEST(IntegerPrompt, DialogueAtLevelTwoAndShortFormWithoutIt) {
    ConsoleCapture cap("5\n");
    int32_t iv = 0;
    inintegdef(iv, "your choice                        ", 99);
    EXPECT_EQ(iv, 5);
    EXPECT_EQ(cap.lines(), (Lines{kDots, " Enter your choice", " or return for default value",
                                  " Default =           99", " New value =             5", kDots}));
    ConsoleCapture quiet("\n");
    iocom.lwito[1] = false;
    inintegdef(iv, "your choice", 99);
    EXPECT_EQ(iv, 99);
    EXPECT_EQ(quiet.lines(), (Lines{" Enter your choice", " New value =            99"}));
}

TEST(IntegerPrompt, AnswersThatTakeTheDefaultOrAreUnreadable) {
    struct Case {
        const char* input;
        int32_t want;
        int boxes;
    };
    const Case cases[] = {
        {"\n", 7, 0},                             // empty line
        {" 3\n", 7, 0},                           // a leading blank takes the default
        {"4 and words\n", 4, 0},                  // the rest of the line is ignored
        {"12345678901234567890123\n\n\n", 7, 1},  // judged on its first 20 characters: too large
        {"5.0\n\n4\n", 4, 1},        // a decimal point is no integer; the box takes one line
        {"abc\n\n,1\n\n2\n", 2, 2},  // letters; a leading comma
    };
    for (const auto& c : cases) {
        ConsoleCapture cap(c.input);
        int32_t iv = 7;
        inintegdef(iv, "number", iv);
        EXPECT_EQ(iv, c.want) << c.input;
        int boxes = 0;
        for (const auto& l : cap.lines()) boxes += l == " could not read number";
        EXPECT_EQ(boxes, c.boxes) << c.input;
    }
}

TEST(IntegerPrompt, UnreadableAnswerBox) {
    ConsoleCapture cap("5.0\n\n6\n");
    int32_t iv = 0;
    iocom.lwito[1] = false;
    inintegdef(iv, "your choice", 99);
    const Lines want = {" Enter your choice",
                        kStars,
                        kStars,
                        " ***                                     ***",
                        " ***        subroutine inintegdef        ***",
                        " ***                                     ***",
                        " ***                ERROR                ***",
                        " ***                                     ***",
                        kStars,
                        kStars,
                        " could not read your choice",
                        " ==> RETRYING",
                        " ===> HIT RETURN TO CONTINUE",
                        kStars,
                        " Enter your choice",
                        " New value =             6"};
    EXPECT_EQ(cap.lines(), want);
}

TEST(IntegerPrompt, NoDefaultSkipsBlankLines) {
    ConsoleCapture cap("\n   \n\n12\n");
    int32_t iv = 0;
    ininteg1(iv, "your choice");
    EXPECT_EQ(iv, 12);
    EXPECT_EQ(cap.lines(),
              (Lines{kDots, " Enter your choice", " New value =            12", kDots}));
}

TEST(IntegerPrompt, RangeLinesAndOutsideBox) {
    ConsoleCapture cap("200\n\n-5\n");
    int32_t iv = 0;
    inintegvin1(iv, "count", -5, 120);
    EXPECT_EQ(iv, -5);
    const auto lines = cap.lines();
    EXPECT_EQ(lines[2], " inside  [-5,120]");
    EXPECT_EQ(lines[6], " ***        subroutine inintegvin1       ***");
    EXPECT_EQ(lines[12], " count =          200");
    EXPECT_EQ(lines[13], " outside [-5,120]");
}

TEST(IntegerPrompt, DefaultOutsideTheRangeIsRefused) {
    ConsoleCapture cap("\n\n3\n");
    int32_t iv = 0;
    iocom.lwito[1] = false;
    inintegvindef(iv, "index", 0, 1, 10);
    EXPECT_EQ(iv, 3);
    const auto lines = cap.lines();
    EXPECT_EQ(lines[1], " inside  [1,10]");
    EXPECT_EQ(lines[11], " index =            0");
}

TEST(RealPrompt, LayoutsOfRangeAndDefault) {
    struct Case {
        float lo, hi, def;
        const char* range;
        const char* deflt;
    };
    const Case cases[] = {
        {0.0f, 100.0f, 50.0f, " inside  [   0.00, 100.00]", " Default =   50.00"},
        {0.01f, 1000.0f, 1.0f, " inside  [      0.0,   1000.0]", " Default =               1.    "},
        {-1.0f, 1.0f, 0.5f, " inside  [-1.000, 1.000]", " Default =  0.500"},
        {0.0f, 50.0f, 5.0f, " inside  [  0.000, 50.000]", " Default =   5.000"},
        {0.0f, 2.0e6f, 5.0f, " inside  [          0.0,   2000000.]",
         " Default =               5.    "},
    };
    for (const auto& c : cases) {
        ConsoleCapture cap("\n");
        float r = c.def;
        inrealvindef(r, "value", c.def, c.lo, c.hi);
        const auto lines = cap.lines();
        ASSERT_GE(lines.size(), 6u);
        EXPECT_EQ(lines[2], c.range);
        EXPECT_EQ(lines[4], c.deflt);
        EXPECT_FLOAT_EQ(r, c.def);
    }
    ConsoleCapture cap("150\n\n2.5\n");
    float r = 1.0f;
    iocom.lwito[1] = false;
    inrealvindef(r, "angle", 1.0f, 0.0f, 100.0f);
    EXPECT_FLOAT_EQ(r, 2.5f);
    const auto lines = cap.lines();
    EXPECT_EQ(lines[11], " angle =  150.000    ");
    EXPECT_EQ(lines[12], " outside [   0.00, 100.00]");
    EXPECT_EQ(lines.back(), " New value =   2.50000    ");
}

TEST(OlderIntegerPrompt, EveryLineAtEveryLevelNoEcho) {
    ConsoleCapture cap("x\n\n\n");
    iocom.lwito[1] = false;
    int32_t iv = 0;
    inintegdefnp(iv, "what now ?                         ", 12);
    EXPECT_EQ(iv, 12);
    const auto lines = cap.lines();
    const std::string question = " Enter what now ?                         ";
    const Lines asking = {question, " or return for default value", " Default = 12"};
    ASSERT_EQ(lines.size(), 1 + 3 + 9 + 2 + 15 + 2 + 3 + 1u);
    EXPECT_EQ(lines[0], kDots);
    EXPECT_EQ(Lines(lines.begin() + 1, lines.begin() + 4), asking);
    EXPECT_EQ(lines[13], " could not read what now ?                         ");
    EXPECT_EQ(lines[14], "              RETRYING              ");
    EXPECT_EQ(lines[22], " OUTDATED    errortail0");
    // The dots are not repeated with the question; they close the dialogue.
    EXPECT_EQ(Lines(lines.end() - 4, lines.end() - 1), asking);
    EXPECT_EQ(lines.back(), kDots);
}

TEST(TextPrompt, DefaultsEchoesAndWindow) {
    ConsoleCapture cap("\n other\n" + std::string(90, 'a') + "\nname\n");
    std::string answer(10, ' ');
    inchardef(answer, "file name", "seis.ps");
    EXPECT_EQ(answer, "seis.ps   ");
    const Lines first = {kDots,
                         " Enter file name",
                         " or return for default value",
                         " Default = seis.ps",
                         " ichar =  32 => use default value",
                         " New value = seis.ps   ",
                         kDots};
    EXPECT_EQ(cap.lines(), first);
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
    EXPECT_EQ(cap.lines().back(), kDots);
}

TEST(YesNoPrompt, AnswersHelpAndWrongCharacters) {
    struct Case {
        const char* input;
        bool def;
        bool want;
    };
    const Case cases[] = {
        {"y\n", false, true}, {"Yes please\n", false, true}, {"1\n", false, true},
        {"n\n", true, false}, {"N\n", true, false},          {"0\n", true, false},
        {"\n", true, true},   {" no\n", true, true},         {"no\n", true, false},
    };
    for (const auto& c : cases) {
        ConsoleCapture cap(c.input);
        bool l = !c.want;
        inlogicdef(l, "switch", c.def);
        EXPECT_EQ(l, c.want) << c.input;
    }
    ConsoleCapture cap("h\nx\n\ny\n");
    bool l = false;
    iocom.lwito[1] = false;
    inlogicdef(l, "write extracted data to si-sh file", false);
    EXPECT_TRUE(l);
    const Lines want = {" write extracted data to si-sh file ?",
                        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                        " @ subroutine inlogicdef ",
                        " @==========================================",
                        "    To         type           ",
                        " -----------------------------",
                        " get help      h or H         ",
                        " answer Yes    y or Y or 1    ",
                        " answer No     n or N or 0    ",
                        " use default   Carriage Return",
                        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                        " write extracted data to si-sh file ?"};
    const auto lines = cap.lines();
    ASSERT_GT(lines.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(lines[i], want[i]) << i;
    EXPECT_EQ(lines[21], " incorrect answer: x");
    EXPECT_EQ(lines[22], " ==> WILL ASK QUESTION AGAIN");
    EXPECT_EQ(lines[25], " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@");  // help box again
    EXPECT_EQ(lines.back(), " New value =  Yes");
}

TEST(YesNoPrompt, OnTheErrorUnitsAllLinesShowAndEndOfInputTakesTheDefault) {
    ConsoleCapture cap("");
    iocom.lwito[1] = false;
    bool l = false;
    inlogicdef2(l, "STOP", true, iocom.errIn, iocom.errOut);
    EXPECT_TRUE(l);
    EXPECT_EQ(cap.lines(), (Lines{kDots, " STOP ?", " Enter (0/1)(n/y)(N/Y)",
                                  " or return for default value or h for help", " Default = Yes",
                                  " New value =  Yes", kDots}));
}

}  // namespace
}  // namespace tensova

// Value checks and the questions that may end the run.

#include "console/checks.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "support/console_capture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

const std::string kTwilight = " ENTERING THE TWILIGHT ZONE OF COMPUTING !";

TEST(ValueChecks, IntegersInsideAndOutsideAndMaximum) {
    ConsoleCapture cap("n\n\nn\n\n");
    EXPECT_EQ(cinvin(1, 1, 35, "sub", "isub") + cinvin(35, 1, 35, "sub", "isub") +
                  cinmax(7, 7, "sub", "n"),
              0);
    EXPECT_TRUE(cap.output().empty());
    // Answering No to STOP lets the run go on, with the twilight lines.
    EXPECT_EQ(cinvin(36, 1, 35, "  plsubplot  ", " isub "), 1);
    const auto lines = cap.lines();
    EXPECT_EQ(slice(lines, 0, 9), errorHead("cinvin"));
    EXPECT_EQ(slice(lines, 9, 4), (Lines{" isub = 36", " outside [ 1 , 35 ]",
                                         " Problem originated in :", " subroutine: plsubplot"}));
    EXPECT_EQ(missingInOrder(lines, {" UNRECOVERABLE ERROR =====> QUITTING ADVISED",
                                     " Default = Yes", kTwilight}),
              "");
    EXPECT_EQ(lines.back(), rule('*'));
    EXPECT_EQ(cinmax(9, 7, "sub", "n"), 1);
    EXPECT_EQ(countLines(cap.lines(), " n = 9 > max = 7"), 1);
}

TEST(ValueChecks, RealsAreResetToTheNearerBound) {
    // clang-format off
    const std::tuple<float, int32_t, const char*, float, const char*, const char*> cases[] = {
        {95.0f, 0, "\n", 90.0f, " lat = 95. outside [ -90. , 90. ]", " ==> RESET lat = 90."},
        {-95.4f, 1, "\n", -90.0f, " lat = -95. outside [ -90. , 90. ]", " ==> RESET lat = -90."},
        {100.0f, 2, "\n\n", 90.0f, " lat = 100. outside [ -90. , 90. ]", " ==> RESET lat = 90."},
        {100.0f, 3, "n\n\n", 90.0f, " lat = 100. outside [ -90. , 90. ]", " ==> RESET lat = 90."},
        {100.0f, 7, "n\n\n", 90.0f, " lat = 100. outside [ -90. , 90. ]", " ==> RESET lat = 90."}};
    // clang-format on
    for (const auto& [value, gravity, keyboard, after, valueLine, resetLine] : cases) {
        ConsoleCapture cap(keyboard);
        float r = value;
        EXPECT_EQ(crevin2(" lat ", r, -90.0f, 90.0f, "sproj", gravity), 1);
        EXPECT_FLOAT_EQ(r, after);
        const auto lines = cap.lines();
        EXPECT_EQ(missingInOrder(lines, {" Problem in subroutine: sproj", valueLine, resetLine}),
                  "")
            << gravity;
        EXPECT_EQ(countLines(lines, " unknown  gravity = 7"), gravity == 7);
        EXPECT_EQ(lines[1].substr(0, 4), gravity == 0 ? " ///" : " ***");
    }
    ConsoleCapture cap;
    float nan = std::nanf(""), edge = 90.0f;
    EXPECT_EQ(crevin2("x", nan, 0.0f, 1.0f, "s", 0) + crevin2("x", edge, -90.0f, 90.0f, "s", 0), 0);
    EXPECT_TRUE(cap.output().empty());
}

TEST(ValueChecks, RegionCodes) {
    ConsoleCapture cap("\n\n");
    const float x[] = {0, -1, 2, 0.5f, 2, -1, 0.5f, -1, 0.5f, std::nanf(""), 0.5f};
    const float y[] = {1, 2, -1, 0.5f, 0.5f, 0.5f, 2, -1, -1, 0.5f, std::nanf("")};
    std::array<int32_t, 11> loc{};
    locate2dbox(loc.data(), 0.0f, 1.0f, 0.0f, 1.0f, x, y, 11);
    EXPECT_EQ(loc, (std::array<int32_t, 11>{0, 1, 5, 0, 4, 8, 2, 7, 6, -1, -2}));
    EXPECT_EQ(missingInOrder(cap.lines(), {" X RANGE TEST FAILED FOR:", " Xmin =   0.0000    ",
                                           " Y RANGE TEST FAILED FOR:", " => SET LOCATION =  -2"}),
              "");
    int32_t untouched = 42;
    locate2dbox(&untouched, 0, 1, 0, 1, x, y, 0);
    EXPECT_EQ(untouched, 42);
}

TEST(StopQuestions, ResumingPaths) {
    {
        ConsoleCapture cap("\n\n");  // STOP defaults to No at level 0, then the pause
        errortail01(0);
        const auto lines = cap.lines();
        EXPECT_EQ(lines[0], " RECOVERABLE ERROR ====> CAN RESUME EXECUTION");
        EXPECT_EQ(missingInOrder(lines, {" Default = No ", " RESUMING EXECUTION"}), "");
        EXPECT_EQ(countLines(lines, kTwilight), 0);
        EXPECT_EQ(lines[lines.size() - 2], " ===> HIT RETURN TO CONTINUE");
    }
    {
        ConsoleCapture cap("n\n\n");  // level 2: unrecoverable wording, no twilight lines
        errortail01(2);
        const auto lines = cap.lines();
        EXPECT_EQ(missingInOrder(lines, {" UNRECOVERABLE ERROR =====> QUITTING ADVISED",
                                         " RESUMING EXECUTION"}),
                  "");
        EXPECT_EQ(countLines(lines, kTwilight), 0);
    }
    ConsoleCapture cap("\nn\n");
    errorstop(0);  // RESUME defaults to Yes
    errorstop(1);
    errorstop(3);  // nothing
    errorstop(-1);
    const auto lines = cap.lines();
    EXPECT_EQ(lines[0], " RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED");
    EXPECT_EQ(countLines(lines, " UNRECOVERABLE ERROR ==> QUITTING ADVISED"), 1);
    EXPECT_EQ(slice(lines, static_cast<int>(lines.size()) - 2, 2),
              (Lines{" THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE", " RESUMING EXECUTION"}));
}

TEST(StopQuestionsDeathTest, StoppingPathsEndTheRunWithFailure) {
    struct Case {
        const char* keyboard;
        void (*ask)(int32_t);
        int32_t gravity;
    };
    // At the end of the keyboard input the STOP question takes its default, Yes.
    const Case cases[] = {
        {"y\n", errortail01, 1}, {"n\n", errorstop, 0}, {"", errorstop, 2}, {"", errorstop, 1}};
    for (const Case& c : cases) {
        EXPECT_EXIT(
            {
                ConsoleCapture cap(c.keyboard);
                c.ask(c.gravity);
            },
            testing::ExitedWithCode(1), "")
            << c.keyboard << c.gravity;
    }
}

}  // namespace
}  // namespace tensova::test

// Value checks and the questions that may end the run.

#include "console/checks.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using test::ConsoleCapture;
using Lines = std::vector<std::string>;

bool contains(const Lines& lines, const std::string& line) {
    return test::findLine(lines, line) >= 0;
}

TEST(ValueChecks, IntegersInsideAndOutsideAndMaximum) {
    ConsoleCapture cap("n\n\nn\n\n");
    EXPECT_EQ(cinvin(1, 1, 35, "sub", "isub"), 0);
    EXPECT_EQ(cinvin(35, 1, 35, "sub", "isub"), 0);
    EXPECT_EQ(cinmax(7, 7, "sub", "n"), 0);
    EXPECT_TRUE(cap.output().empty());
    // Answering No to STOP lets the run go on, with the twilight lines.
    EXPECT_EQ(cinvin(36, 1, 35, "  plsubplot  ", " isub "), 1);
    const auto lines = cap.lines();
    EXPECT_EQ(lines[3], " ***        subroutine cinvin            ***");
    EXPECT_EQ(lines[9], " isub = 36");
    EXPECT_EQ(lines[10], " outside [ 1 , 35 ]");
    EXPECT_EQ(lines[11], " Problem originated in :");
    EXPECT_EQ(lines[12], " subroutine: plsubplot");
    EXPECT_TRUE(contains(lines, " UNRECOVERABLE ERROR =====> QUITTING ADVISED"));
    EXPECT_TRUE(contains(lines, " Default = Yes"));
    EXPECT_TRUE(contains(lines, " ENTERING THE TWILIGHT ZONE OF COMPUTING !"));
    EXPECT_EQ(lines.back(), " " + std::string(43, '*'));
    EXPECT_EQ(cinmax(9, 7, "sub", "n"), 1);
    EXPECT_TRUE(contains(cap.lines(), " n = 9 > max = 7"));
}

TEST(ValueChecks, RealsAreResetToTheNearerBound) {
    struct Case {
        float r;
        int32_t gravity;
        const char* keyboard;
        float after;
        const char* valueLine;
        const char* resetLine;
    };
    const Case cases[] = {
        {95.0f, 0, "\n", 90.0f, " lat = 95. outside [ -90. , 90. ]", " ==> RESET lat = 90."},
        {-95.4f, 1, "\n", -90.0f, " lat = -95. outside [ -90. , 90. ]", " ==> RESET lat = -90."},
        {100.0f, 2, "\n\n", 90.0f, " lat = 100. outside [ -90. , 90. ]", " ==> RESET lat = 90."},
        {100.0f, 3, "n\n\n", 90.0f, " lat = 100. outside [ -90. , 90. ]", " ==> RESET lat = 90."},
        {100.0f, 7, "n\n\n", 90.0f, " lat = 100. outside [ -90. , 90. ]", " ==> RESET lat = 90."}};
    for (const auto& c : cases) {
        ConsoleCapture cap(c.keyboard);
        float r = c.r;
        EXPECT_EQ(crevin2(" lat ", r, -90.0f, 90.0f, "sproj", c.gravity), 1);
        EXPECT_FLOAT_EQ(r, c.after);
        const auto lines = cap.lines();
        EXPECT_TRUE(contains(lines, " Problem in subroutine: sproj"));
        EXPECT_TRUE(contains(lines, c.valueLine)) << c.gravity;
        EXPECT_TRUE(contains(lines, c.resetLine)) << c.gravity;
        EXPECT_EQ(contains(lines, " unknown  gravity = 7"), c.gravity == 7);
        EXPECT_EQ(lines[1].substr(0, 4), c.gravity == 0 ? " ///" : " ***");
    }
    ConsoleCapture cap;
    float nan = std::nanf(""), edge = 90.0f;
    EXPECT_EQ(crevin2("x", nan, 0.0f, 1.0f, "s", 0), 0);
    EXPECT_EQ(crevin2("x", edge, -90.0f, 90.0f, "s", 0), 0);
    EXPECT_TRUE(cap.output().empty());
}

TEST(ValueChecks, RegionCodes) {
    ConsoleCapture cap("\n\n");
    const float x[] = {0.0f, -1.0f, 2.0f, 0.5f,          2.0f, -1.0f,
                       0.5f, -1.0f, 0.5f, std::nanf(""), 0.5f};
    const float y[] = {1.0f, 2.0f,  -1.0f, 0.5f, 0.5f,         0.5f,
                       2.0f, -1.0f, -1.0f, 0.5f, std::nanf("")};
    int32_t loc[11] = {};
    locate2dbox(loc, 0.0f, 1.0f, 0.0f, 1.0f, x, y, 11);
    const int32_t want[] = {0, 1, 5, 0, 4, 8, 2, 7, 6, -1, -2};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(loc[i], want[i]) << i;
    const auto lines = cap.lines();
    EXPECT_TRUE(contains(lines, " X RANGE TEST FAILED FOR:"));
    EXPECT_TRUE(contains(lines, " Y RANGE TEST FAILED FOR:"));
    EXPECT_TRUE(contains(lines, " Xmin =   0.0000    "));
    EXPECT_TRUE(contains(lines, " => SET LOCATION =  -2"));
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
        EXPECT_TRUE(contains(lines, " Default = No "));
        EXPECT_TRUE(contains(lines, " RESUMING EXECUTION"));
        EXPECT_FALSE(contains(lines, " ENTERING THE TWILIGHT ZONE OF COMPUTING !"));
        EXPECT_EQ(lines[lines.size() - 2], " ===> HIT RETURN TO CONTINUE");
    }
    {
        ConsoleCapture cap("n\n\n");  // level 2: unrecoverable wording, no twilight lines
        errortail01(2);
        const auto lines = cap.lines();
        EXPECT_TRUE(contains(lines, " UNRECOVERABLE ERROR =====> QUITTING ADVISED"));
        EXPECT_TRUE(contains(lines, " RESUMING EXECUTION"));
        EXPECT_FALSE(contains(lines, " ENTERING THE TWILIGHT ZONE OF COMPUTING !"));
    }
    {
        ConsoleCapture cap("\nn\n");
        errorstop(0);  // RESUME defaults to Yes
        errorstop(1);
        errorstop(3);  // nothing
        errorstop(-1);
        const auto lines = cap.lines();
        EXPECT_EQ(lines[0], " RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED");
        EXPECT_TRUE(contains(lines, " UNRECOVERABLE ERROR ==> QUITTING ADVISED"));
        EXPECT_EQ(lines.back(), " RESUMING EXECUTION");
        EXPECT_EQ(lines[lines.size() - 2], " THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE");
    }
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
}  // namespace tensova

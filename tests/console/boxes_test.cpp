// Boxes, menu frames and banners, line for line; value checks and the questions that may end
// the run.

#include "console/boxes.hpp"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <array>
#include <cmath>

#include "console/banners.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/menus.hpp"
#include "console/runinfo.hpp"
#include "support/console_capture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// Heads and tails of menus; the traces show only with the maximum output.
TEST(Frames, HeadsTailsAndTraces) {
    ConsoleCapture cap;
    const Stamp s("listfio", "1.00", "25-03-94");
    submenuhead(s);
    mainmenuhead(s);
    menutail();
    subhead(s);
    subtail(s);
    iocom.lwito[2] = true;
    subhead(s);
    subtail(s);
    EXPECT_EQ(cap.lines(),
              (subHead("listfio") + Lines{rule('@'), " @ main program listfio    ", subHead("")[2],
                                          rule('@'), rule('@'), " @ subroutine  listfio    ",
                                          " @ version 1.00 on 25-03-94  ", rule('@'), rule('@'),
                                          " @ exiting listfio    ", rule('@')}));
}

TEST(Banners, EndBannerPictureFollowsLastDigitOfSeconds) {
    const Stamp s("tensova", " 9.0", "01-06-2010");
    struct Case {
        const char* time;
        std::size_t pictureLines;  // lines of the picture including its two blank lines
        std::size_t indent, width;
        const char* firstDrawn;
    };
    // clang-format off
    const Case cases[] = {
        {"10:00:00", 20, 4, 40, "            &&&&&&&&&&&&"},  // happy face
        {"10:00:01", 7, 1, 30, "                 S A T O R"},
        {"10:00:02", 9, 1, 30, "              -------------"},
        {"10:00:03", 10, 1, 44, R"(                \|/ ____ \|/    -     -     )"},
        {"10:00:04", 8, 1, 30, ""}, {"10:00:09", 8, 1, 30, ""}, {"10:00:05", 15, 1, 35, ""},
        {"10:00:06", 20, 1, 36, ""}, {"10:00:07", 12, 1, 43, "-+"},
        {"10:00:08", 12, 1, 43, "-------------+"},
        {"10:00:0x", 10, 1, 44, R"(                \|/ ____ \|/    -     -     )"}};
    // clang-format on
    for (const auto& c : cases) {
        ConsoleCapture cap;
        maintailAt(s, c.time);
        const auto lines = cap.lines();
        ASSERT_EQ(lines.size(), 6 + c.pictureLines) << c.time;
        EXPECT_EQ(lines[1], " @ PROGRAM tensova");
        EXPECT_EQ(lines[3], std::string(" @ EXECUTION TERMINATED AT: ") + c.time);
        EXPECT_EQ(lines[5], std::string(c.indent + 2, ' ')) << c.time;
        EXPECT_EQ(lines[6], std::string(c.indent, ' ') + fit(c.firstDrawn, c.width)) << c.time;
        EXPECT_EQ(lines.back(), " " + std::string(43, '@'));
    }
}

TEST(Banners, FacesDifferOnlyInTheMouth) {
    std::vector<std::string> faces[2];
    for (int sorry = 0; sorry < 2; ++sorry) {
        ConsoleCapture cap;
        sorry ? sorryface() : happyface();
        faces[sorry] = cap.lines();
        ASSERT_EQ(faces[sorry].size(), 20u);
    }
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(faces[0][i] == faces[1][i], i != 12 && i != 14) << i;
    EXPECT_EQ(faces[0][0], "      ");
    EXPECT_EQ(faces[0][12].size(), 44u);
}

TEST(RunInfo, SystemDescription) {
    constexpr int32_t i586 = ('i' << 24) | ('5' << 16) | ('8' << 8) | '6';
    EXPECT_EQ(describeSystem(false, "", false, 0, false, 0), "MacOS?-CPU?-?MHz");
    EXPECT_EQ(describeSystem(true, "Linux6.18", true, i586, true, 2600000000LL),
              "Linux6.18-i86-2.6GHz");
    EXPECT_EQ(describeSystem(true, "Linux10.12", true, 12345, true, 999000000LL),
              "Linux10.1-CPU?\?\?\?-999MHz");
    EXPECT_EQ(describeSystem(true, "Linux6.1", true, 0x108, true, 733300000LL),
              "Linux6.1-PPC750-733MHz");
    EXPECT_EQ(describeSystem(true, "Linux6.1", true, 0, true, 1960000000LL),
              "Linux6.1-M68000-2.0GHz");
    // The system that runs is named, with its major and minor release.
    utsname u{};
    ASSERT_EQ(uname(&u), 0);
    const std::string release = u.release;
    const std::string majorMinor = release.substr(0, release.find('.', release.find('.') + 1));
    const std::string system = hostname(25);
    EXPECT_EQ(system.substr(0, system.find('-')), trimmed(fit(u.sysname + majorMinor, 9)));
}

TEST(RunInfo, NameCutAndDateAndTimeShapes) {
    smaininfo(Stamp("tensova_long_name", " 9.0", "01-06-2010"));
    EXPECT_EQ(runinfocom.mainName, "tensova_lon");
    EXPECT_EQ(runinfocom.user, "Mac user  ");
    ASSERT_EQ(runinfocom.runDate.size(), 10u);
    EXPECT_EQ(runinfocom.runDate[4], '-');
    ASSERT_EQ(runinfocom.runTime.size(), 8u);
    EXPECT_EQ(runinfocom.runTime[2], ':');
}

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

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
    expectGolden(cap.lines(), "console_boxes.txt#frames");
}

// The picture of the end banner follows the last digit of the seconds (a happy face for 0, the
// sorry face differs from it in the mouth alone).
TEST(Banners, EndBannerPictureFollowsLastDigitOfSeconds) {
    const Stamp s("tensova", " 9.0", "01-06-2010");
    for (const char* time : {"10:00:00", "10:00:01", "10:00:02", "10:00:03", "10:00:04", "10:00:05",
                             "10:00:06", "10:00:07", "10:00:08", "10:00:09", "10:00:0x"}) {
        ConsoleCapture cap;
        maintailAt(s, time);
        expectGolden(cap.lines(), std::string("end_banners.txt#") + time);
    }
    ConsoleCapture cap;
    sorryface();
    expectGolden(cap.lines(), "end_banners.txt#sorry face");
}

TEST(RunInfo, SystemDescription) {
    for (const auto& c : tableRows("system_descriptions.txt", ';')) {
        SCOPED_TRACE(c.at(0) + " " + c.at(1) + " " + c.at(2));
        const auto cpu = numbers(c.at(1)), clock = numbers(c.at(2));
        EXPECT_EQ(describeSystem(!c[0].empty(), c[0], cpu.at(0) == 1, int32_t(cpu.at(1)),
                                 clock.at(0) == 1, static_cast<int64_t>(clock.at(1))),
                  c.at(3));
    }
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

TEST(ValueChecks, IntegersInsideAndOutsideAndMaximum) {
    ConsoleCapture cap("n\n\nn\n\n");
    EXPECT_EQ(cinvin(1, 1, 35, "sub", "isub") + cinvin(35, 1, 35, "sub", "isub") +
                  cinmax(7, 7, "sub", "n"),
              0);
    EXPECT_TRUE(cap.output().empty());
    // Answering No to STOP lets the run go on, with the twilight lines.
    EXPECT_EQ(cinvin(36, 1, 35, "  plsubplot  ", " isub "), 1);
    EXPECT_EQ(cinmax(9, 7, "sub", "n"), 1);
    expectGolden(cap.lines(), "console_boxes.txt#integer checks");
}

TEST(ValueChecks, RealsAreResetToTheNearerBound) {
    for (const auto& c : tableRows("reals_reset.txt", ';')) {
        SCOPED_TRACE(c.at(0));
        const auto n = numbers(c.at(0) + " " + c.at(2));
        ConsoleCapture cap(c.at(1));
        float r = float(n.at(0));
        EXPECT_EQ(crevin2(" lat ", r, -90.0f, 90.0f, "sproj", int32_t(n.at(1))), 1);
        EXPECT_FLOAT_EQ(r, float(n.at(2)));
        expectGolden(cap.lines(), "console_boxes.txt#gravity " + std::to_string(int(n[1])));
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
    expectGolden(cap.lines(), "console_boxes.txt#region codes");
    int32_t untouched = 42;
    locate2dbox(&untouched, 0, 1, 0, 1, x, y, 0);
    EXPECT_EQ(untouched, 42);
}

TEST(StopQuestions, ResumingPaths) {
    // STOP defaults to No at level 0, then the pause; at level 2 the wording is unrecoverable,
    // without the twilight lines. RESUME defaults to Yes; gravity 3 says nothing.
    ConsoleCapture cap("\n\nn\n\n\nn\n");
    errortail01(0);
    errortail01(2);
    errorstop(0);
    errorstop(1);
    errorstop(3);
    errorstop(-1);
    expectGolden(cap.lines(), "console_boxes.txt#resuming");
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

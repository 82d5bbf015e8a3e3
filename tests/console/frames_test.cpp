// Boxes, menu frames and banners, line for line.

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include "console/banners.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/menus.hpp"
#include "console/runinfo.hpp"
#include "support/console_capture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// An error box of a name too long for it; with the pause flag off it has no pause, and at the end
// of the input its pause ends.
TEST(Boxes, LongNamesAreCutPauseFlagOffSkipsThePauseAndEndOfInputEndsIt) {
    ConsoleCapture cap("");
    iocom.pauseOn = false;
    Stamp s("x", "1", "d");
    s.name = "abcdefghijklmnopqrst";  // 20 characters: loses its last 3
    errorhead(s);
    errortail00();
    iocom.pauseOn = true;
    errortail00();
    EXPECT_EQ(cap.lines(), (errorHead("abcdefghijklmnopq") +
                            Lines{rule('*'), " ===> HIT RETURN TO CONTINUE", rule('*')}));
}

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
        {"10:00:01", 7, 1, 30, "                 S A T O R"}, {"10:00:02", 9, 1, 30, "              -------------"},
        {"10:00:03", 10, 1, 44, R"(                \|/ ____ \|/    -     -     )"},
        {"10:00:04", 8, 1, 30, ""}, {"10:00:09", 8, 1, 30, ""}, {"10:00:05", 15, 1, 35, ""},
        {"10:00:06", 20, 1, 36, ""}, {"10:00:07", 12, 1, 43, "-+"}, {"10:00:08", 12, 1, 43, "-------------+"},
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

}  // namespace
}  // namespace tensova::test

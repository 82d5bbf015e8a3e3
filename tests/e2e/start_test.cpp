// The program's start and end as a user sees them.

#include <gtest/gtest.h>

#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// The start-up trace, then the banner, which waits for one line: the next one is the menu's.
TEST(Start, BannerFrameAndClosingBanner) {
    const Session s("\n9999\n");
    EXPECT_EQ(s.result.status, 0);
    const auto lines = splitLines(maskVolatile(s.result.out));
    const std::string dashes = " @------------------------------------------";
    // clang-format off
    const Lines head = subHead("initsio") + Lines{
        " INITIALIZING INPUT/OUTPUT", " standard  input unit        =  5",
        " standard output unit        =  6", " error     input unit        =  5",
        " error    output unit        =  6", " minimum output enabled      :  T",
        " more    output enabled      :  T", " maximum output enabled      :  F",
        " command file open status    :  F", " plot    file open status    :  F",
        " pause after warning or error:  T", rule('@'), rule('@'), " @",
        " @       MAIN PROGRAM: tensova", " @            Version:  9.0",
        " @               Date: 01-06-2010", " @", dashes, " @ Running on: <date> at: <time>",
        " @ On system: <system>", dashes, " @ tensova: seismotectonics of focal mechanisms",
        " @ Reads Global CMT ndk and dek files,  ", " @ selects events by area, depth, rake  ",
        " @ and quality, lists and writes them,  ", " @ draws seismicity maps with stress    ",
        " @ directions and focal-mechanism       ", " @ sheets as PostScript pages.          ",
        " @ Free software, shipped with its source", " @ Report of any problem is appreciated ",
        dashes, " @         HIT RETURN TO CONTINUE", rule('@')};
    // clang-format on
    EXPECT_EQ(slice(lines, 0, static_cast<int>(head.size())), head);
    EXPECT_EQ(s.count(" New value =          9999"), 1);
    EXPECT_GT(findLine(lines, " @ EXECUTION TERMINATED AT: <time>"), 0);
    EXPECT_TRUE(s.result.err.empty()) << s.result.err;
}

TEST(Harness, GhostscriptCountsPagesOfAValidFile) {
    if (!ghostscriptAvailable()) GTEST_SKIP() << "Ghostscript (gs) is not installed";
    TempDir dir;
    dir.write("two.ps",
              "%!PS-Adobe-2.0\n%%Pages: 2\n"
              "newpath 100 100 moveto 200 200 lineto stroke showpage\n"
              "newpath 50 50 moveto 80 300 lineto stroke showpage\n%%EOF\n");
    const auto ok = renderPostScript(dir.file("two.ps"), "", dir.file("p.png"));
    EXPECT_EQ(ok.exitCode, 0) << ok.log;
    EXPECT_FALSE(ok.error) << ok.log;
    EXPECT_EQ(ok.pages, 2);
    EXPECT_TRUE(dir.exists("p.png"));
    dir.write("bad.ps", "%!PS\nnewpath 100 100 moveto undefinedthing stroke showpage\n");
    const auto bad = renderPostScript(dir.file("bad.ps"));
    EXPECT_TRUE(bad.error || bad.exitCode != 0);
}

}  // namespace
}  // namespace tensova::test

// The program's start and end as a user sees them.

#include <gtest/gtest.h>

#include "e2e/session.hpp"
#include "support/ghostscript.hpp"

namespace tensova {
namespace {

using test::TempDir;

TEST(Start, BannerFrameAndClosingBanner) {
    const test::Session s("\n");
    const auto lines = test::splitLines(test::maskVolatile(s.result.out));
    ASSERT_GE(lines.size(), 40u);
    const std::vector<std::string> head = {
        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
        " @ subroutine initsio    ",
        " @==========================================",
        " INITIALIZING INPUT/OUTPUT",
        " standard  input unit        =  5",
        " standard output unit        =  6",
        " error     input unit        =  5",
        " error    output unit        =  6",
        " minimum output enabled      :  T",
        " more    output enabled      :  T",
        " maximum output enabled      :  F",
        " command file open status    :  F",
        " plot    file open status    :  F",
        " pause after warning or error:  T",
        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
        " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
        " @",
        " @       MAIN PROGRAM: tensova",
        " @            Version:  9.0",
        " @               Date: 01-06-2010",
        " @",
        " @------------------------------------------",
        " @ Running on: <date> at: <time>",
        " @ On system: <system>",
    };
    EXPECT_EQ(test::Lines(lines.begin(), lines.begin() + head.size()), head);
    EXPECT_EQ(lines[15 + 20], " @         HIT RETURN TO CONTINUE");
    EXPECT_EQ(lines[15 + 21], " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@");
    EXPECT_TRUE(s.result.err.empty()) << s.result.err;
}

TEST(Harness, GhostscriptCountsPagesOfAValidFile) {
    if (!test::ghostscriptAvailable()) GTEST_SKIP() << "Ghostscript (gs) is not installed";
    TempDir dir;
    dir.write("two.ps",
              "%!PS-Adobe-2.0\n%%Pages: 2\n"
              "newpath 100 100 moveto 200 200 lineto stroke showpage\n"
              "newpath 50 50 moveto 80 300 lineto stroke showpage\n%%EOF\n");
    const auto ok = test::renderPostScript(dir.file("two.ps"), "", dir.file("p.png"));
    EXPECT_EQ(ok.exitCode, 0) << ok.log;
    EXPECT_FALSE(ok.error) << ok.log;
    EXPECT_EQ(ok.pages, 2);
    EXPECT_TRUE(dir.exists("p.png"));
    dir.write("bad.ps", "%!PS\nnewpath 100 100 moveto undefinedthing stroke showpage\n");
    const auto bad = test::renderPostScript(dir.file("bad.ps"));
    EXPECT_TRUE(bad.error || bad.exitCode != 0);
}

}  // namespace
}  // namespace tensova

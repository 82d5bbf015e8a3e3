// Selecting events as a user does it: from the main menu into the reader, its selection menu,
// a typed polygon and a latitude band, the read and its summary, the listing; then a whole
// session from a command file. The end of the input at each question of the selection is among the
// waiting points of the menu tests; boxes of polygon files and contours are shown in full by the
// selection menu's own tests.

#include <gtest/gtest.h>

#include "catalogue/catalogue_samples.hpp"
#include "console/text.hpp"
#include "e2e/session.hpp"
#include "support/transcript.hpp"

namespace tensova {
namespace {

using test::Lines;
using test::Session;

// seven.ndk of tests/data: seven events at (latitude, longitude) (20, 20), (35, 30), (11, 30),
// (42, 30), (25, 50), (20, 70) and (-5, 30), around the quadrangle of corners (0, 10), (60, 10),
// (60, 40), (0, 40) (longitude, latitude). With great-circle edges its lower edge runs at 11.5
// degrees north at longitude 30 and its upper edge at 44.1.
TEST(SelectionRun, TypedPolygonAndLatitudeBandKeepExactlyTheEventsInside) {
    const Session s(
        "\n1000\n100\n10\ny\n100\ny\n110\n-10\n41\n250\ny\n253\n4\n"
        "261\n0\n10\n262\n60\n10\n263\n60\n40\n264\n0\n40\n99\n1001\ncat.ndk\n1100\n9999\n",
        {{"cat.ndk", test::testData("seven.ndk")}});
    EXPECT_EQ(s.result.status, 0);
    // The tests table, the read's summary (7 read, 3 kept) and the listing of those kept: the
    // three inside both. Refused: below the lower edge though above its parallel, above the
    // latitude band though inside the polygon, east of it, south of it.
    test::expectGolden(test::fromMainMenu(s.result.out), "menu_sessions.txt#typed polygon");
}

// A whole session from a command file, ended by its quit: help, the Si-Sh switch and file, a
// typed contour, a polygon file in its place and a longitude band, the read, the listing and the
// writer (the command file is in tests/data). Menus and prompts stay short; reports, help and
// boxes show, and the boxes pause on the keyboard. The quit closes the Si-Sh file after the command
// file.
TEST(SelectionRun, WholeSessionFromACommandFileEndedByItsQuit) {
    const Session s("\n5000\n5001\ncmds.txt\n\n",
                    {{"cat.ndk", test::testData("seven.ndk")},
                     {"poly.txt", "3 1\n0 0\n60 0\n0 60\n"},
                     {"cmds.txt", test::testData("selection_session.cmd")}});
    EXPECT_EQ(s.result.status, 0);
    // From the command file on: the short menus, the reports, the help, the boxes with their
    // pauses, the tests table and the listing; then the keyboard's menu, the quit and the banner.
    const Lines lines = test::splitLines(test::maskVolatile(s.result.out));
    const int started = test::findLine(lines, " Standard input redirected from") - 1;
    ASSERT_GT(started, 0);
    test::expectGolden(test::slice(lines, started, static_cast<int>(lines.size()) - started),
                       "command_session.txt");
    // East of 25 and inside the triangle, whose third edge runs at 45 degrees north at
    // longitude 30: (35, 30), (11, 30) and (42, 30). (20, 20) lies west of 25.
    EXPECT_EQ(s.dir.read("out.ndk"),
              test::ndkAt(35, 30) + test::ndkAt(11, 30) + test::ndkAt(42, 30));
}

}  // namespace
}  // namespace tensova

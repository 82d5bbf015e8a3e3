// Files the program refuses: the box says why, nothing of the file is taken, and answers piped in
// or read from a command file end there, since their next lines were meant for a menu that read
// the file. At a terminal the box shows and the run goes on with the settings in force.

#include <gtest/gtest.h>

#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// The selection polygon switched on, then the file named, a return for its box, the read of
// cat.ndk and its events written to sel.ndk.
std::string selectThrough(const std::string& polygonFile) {
    return "1000\n100\n10\ny\n250\ny\n" +
           (polygonFile.empty() ? std::string() : "252\n" + polygonFile + "\n\n") +
           "99\n1001\ncat.ndk\n1200\n1001\nsel.ndk\n\n99\n9999\n";
}

// seven.ndk of tests/data as cat.ndk, a polygon file of two vertices and one whose three vertices
// coincide.
Files polygonFiles() {
    return {{"cat.ndk", testData("seven.ndk")},
            {"two.poly", "2 1\n128 30\n148 30\n"},
            {"zero.poly", "3 1\n0 0\n0 0\n0 0\n"}};
}

// At a terminal the box shows, and the selection goes on with the polygon in force: the events
// written are those of a run that never named the file.
TEST(RefusedPolygonFile, AtATerminalKeepsThePolygonInForce) {
    const Session refused("\n" + selectThrough("two.poly"), polygonFiles(), Keyboard::Terminal);
    const Session never("\n" + selectThrough(""), polygonFiles(), Keyboard::Terminal);
    EXPECT_EQ(refused.result.status, 0);
    EXPECT_EQ(refused.count(" => KEEPING # vertices =      3"), 1);
    ASSERT_TRUE(refused.dir.exists("sel.ndk"));
    EXPECT_EQ(refused.dir.read("sel.ndk"), never.dir.read("sel.ndk"));
}

// In a command file the refusal ends the file, and the keyboard leaves the menus: sel.ndk, which
// the file's later lines would have written, is not.
TEST(RefusedPolygonFile, EndsTheCommandFile) {
    Files files = polygonFiles();
    files.emplace_back("m.cmd", selectThrough("two.poly"));
    // At a terminal the keyboard takes over; from a pipe the run ends there.
    for (const Keyboard k : {Keyboard::Terminal, Keyboard::Pipe}) {
        const Session s("\n5000\n5001\nm.cmd\n\n99\n99\n9999\n", files, k);
        EXPECT_EQ(s.result.status, k == Keyboard::Terminal ? 0 : 1);
        EXPECT_EQ(s.count(" => POLYGON INPUT FAILED"), 1);
        EXPECT_FALSE(s.dir.exists("sel.ndk"));
    }
}

// Every reader of a file: a refused one ends piped answers, status 1, in a box that says why;
// nothing is written after it, and the plot file open is finished. At a terminal the same keys
// show the box and go on to the quit. Neither takes anything of the file: a polygon file of two
// vertices, one whose vertices coincide (refused as it is read, not on leaving the menu);
// tonga.poly, a polygon file of the selection tests, as an overlay (whose points a degree would
// read -30, its first latitude); a colour table of 4 colours that ends after 2; a points file
// whose second record cannot be read.
TEST(RefusedFiles, EndPipedAnswersAndChangeNoSetting) {
    const std::string map = "\n1000\n1001\ncat.ndk\n2001\n";
    const struct {
        const char* what;
        std::string keys;
        Files files;
        const char* box;      // a line of the box
        const char* never;    // a line that never shows, or nothing
        const char* written;  // at a terminal only, or nothing
    } cases[] = {
        {"polygon file", "\n" + selectThrough("two.poly"), polygonFiles(),
         " number of vertices = 2", " NEED TO FIX POLYGON CONTOUR", "sel.ndk"},
        {"polygon contour", "\n" + selectThrough("zero.poly"), polygonFiles(),
         " INCONSISTENT CONTOUR: vertices 1 and 2", " NEED TO FIX POLYGON CONTOUR", "sel.ndk"},
        {"overlay",
         map + "343\nn\n1000\n\nov.ps\n6\ntonga.poly\n\n\n99\n99\n9999\n\n",
         {{"tonga.poly", "4 1\n-175 -30\n-170 -30\n-170 -10\n-175 -10\n"}},
         " FILE ENDS AT LINE 5 AFTER 3 OF 4 VERTICES",
         " Nb of points for 1 deg .....11   -30.000",
         "ov.ps"},
        {"colour table",
         "\n330\n52\n300\nbad.col\n\n99\n99\n9999\n",
         {{"bad.col", "4\n0 1 2 3 a\n1 0 0 0 b\n"}},
         " WHILE READING LINE NUMBER     4",
         " Current nb of colors:    4",
         nullptr},
        {"points",
         map + "1000\n\npts.ps\n200\nbad.txt\n99\n99\n\n\n\n99\n\n99\n99\n99\n9999\n\n",
         {{"bad.txt", "'B'\n'x' 'y'\n1 2\n3 none\n"}},
         " WHILE READING DATA",
         nullptr,
         "pts.ps"},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.what);
        c.files.emplace_back("cat.ndk", testData("six.ndk"));
        for (const Keyboard keyboard : {Keyboard::Pipe, Keyboard::Terminal}) {
            const bool piped = keyboard == Keyboard::Pipe;
            const Session s(c.keys, c.files, keyboard);
            EXPECT_EQ(s.result.status, piped ? 1 : 0);
            EXPECT_EQ(s.count(c.box), 1);
            if (c.never != nullptr) {
                EXPECT_EQ(s.count(c.never), 0);
            }
            if (c.written == nullptr) continue;
            if (std::string(c.written).ends_with(".ps")) {
                expectRenders(s.dir.file(c.written));
            } else {
                EXPECT_EQ(s.dir.exists(c.written), !piped);
            }
        }
    }
}

}  // namespace
}  // namespace tensova::test

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

// A refused polygon file ends piped answers: nothing is selected or written, status 1. So does
// one whose contour the selection cannot use, as it is read rather than on leaving the menu.
TEST(RefusedPolygonFile, EndsPipedAnswers) {
    const struct {
        const char* file;
        Lines box;
    } cases[] = {
        {"two.poly",
         {" at line 1 of the polygon file", " number of vertices = 2", " outside [3,9]",
          " => POLYGON INPUT FAILED", " => KEEPING # vertices =      3"}},
        {"zero.poly",
         {" INCONSISTENT CONTOUR: vertices 1 and 2", " ||OV1 x OV2|| = 0",
          " => POLYGON INPUT FAILED"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Session s("\n" + selectThrough(c.file), polygonFiles());
        EXPECT_EQ(s.result.status, 1);
        EXPECT_EQ(block(s.lines, c.box), c.box);
        EXPECT_FALSE(s.dir.exists("sel.ndk"));
        EXPECT_EQ(s.count(" NEED TO FIX POLYGON CONTOUR"), 0);
    }
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
    const Session s("\n5000\n5001\nm.cmd\n\n99\n99\n9999\n", files);
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" => POLYGON INPUT FAILED"), 1);
    EXPECT_FALSE(s.dir.exists("sel.ndk"));
}

// tonga.poly, a polygon file of the selection tests, is no overlay file: the overlay reader
// refuses it, and its menu keeps the points a degree it had (not -30, the first latitude).
const Files kOverlayFiles = {{"tonga.poly", "4 1\n-175 -30\n-170 -30\n-170 -10\n-175 -10\n"}};
const std::string kOverlayRun =
    "\n1000\n1001\ncat.ndk\n2001\n343\nn\n1000\n\nov.ps\n6\ntonga.poly\n";

TEST(RefusedOverlayFile, AtATerminalChangesNoSetting) {
    Files files = kOverlayFiles;
    files.emplace_back("cat.ndk", testData("six.ndk"));
    const Session s(kOverlayRun + "\n\n99\n99\n9999\n\n", files, Keyboard::Terminal);
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" WHILE READING FILE tonga.poly"), 1);
    EXPECT_EQ(s.count(" Nb of points for 1 deg .....11    10.000"), 2);
    EXPECT_EQ(s.count(" Nb of points for 1 deg .....11   -30.000"), 0);
    expectRenders(s.dir.file("ov.ps"));
}

// Every reader of a file: a refused one ends piped answers, status 1, in a box that says why;
// the plot file open is finished. At a terminal the same keys show the box and go on to the
// quit.
TEST(RefusedFiles, EndPipedAnswers) {
    const std::string six = testData("six.ndk");
    const std::string map = "\n1000\n1001\ncat.ndk\n2001\n";
    const struct {
        const char* what;
        std::string keys;
        Files files;
        const char* box;  // a line of the box
        const char* plot;
    } cases[] = {
        {"overlay", kOverlayRun + "\n\n99\n99\n9999\n\n", kOverlayFiles,
         " FILE ENDS AT LINE 5 AFTER 3 OF 4 VERTICES", "ov.ps"},
        {"colour table",
         "\n330\n52\n300\nbad.col\n\n99\n99\n9999\n",
         {{"bad.col", "4\n0 1 2 3 a\n1 0 0 0 b\n"}},
         " WHILE READING LINE NUMBER     4",
         nullptr},
        {"points",
         map + "1000\n\npts.ps\n200\nbad.txt\n99\n99\n\n\n\n99\n\n99\n99\n99\n9999\n\n",
         {{"bad.txt", "'B'\n'x' 'y'\n1 2\n3 none\n"}},
         " WHILE READING DATA",
         "pts.ps"},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.what);
        c.files.emplace_back("cat.ndk", six);
        const Session s(c.keys, c.files);
        EXPECT_EQ(s.result.status, 1);
        EXPECT_EQ(s.count(c.box), 1);
        if (c.plot != nullptr) expectRenders(s.dir.file(c.plot));
        const Session t(c.keys, c.files, Keyboard::Terminal);
        EXPECT_EQ(t.result.status, 0);
        EXPECT_EQ(t.count(c.box), 1);
        if (c.plot != nullptr) expectRenders(t.dir.file(c.plot));
    }
}

}  // namespace
}  // namespace tensova::test

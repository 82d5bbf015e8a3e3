// The plot commands of the main menu: opening and closing the plot file, the plot parameters
// with a colour file, and plot files finished however the run ends.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "console/text.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova {
namespace {

using test::Session;

// The file ends with its trailer, and Ghostscript draws its one page.
void expectComplete(const Session& s, const std::string& name) {
    EXPECT_TRUE(s.dir.read(name).ends_with("\n%%EOF\n")) << name;
    test::expectRenders(s.dir.file(name), "", 1);
}

TEST(PlotMenu, OpenTwiceSetFromAColourFileCloseTwiceAndQuit) {
    // 10 with the settings kept, again (a warning); 330: the colour file (its two colours leave
    // the fill colour outside: a warning), line colour 2, text size 0.8; 20 with its return,
    // again (a warning); quit.
    const Session s(
        "\n10\n\nplot.ps\n10\n\n330\n52\n300\ncolours.txt\n\n99\n12\n2\n31\n0."
        "8\n99\n20\n\n20\n\n9999\n",
        {{"colours.txt", "2\n0 100 100 100 paper\n1 0 0 0 ink\n2 0 0 100 blue\n"}});
    EXPECT_EQ(s.result.status, 0);
    test::expectGolden(test::fromMainMenu(s.result.out), "plot_menu.txt");
    expectComplete(s, "plot.ps");
}

TEST(PlotMenu, TheEndOfInputFinishesAnOpenPlotFile) {
    // At the main prompt, at the return that closes the file, at the return of the quit's close.
    for (const std::string last : {"", "20\n", "9999\n"}) {
        const Session s("\n10\n\nplot.ps\n" + last);
        EXPECT_EQ(s.result.status, 1) << last;
        EXPECT_EQ(s.lines.back(), " ===> STOPPING EXECUTION") << last;
        expectComplete(s, "plot.ps");
    }
}

// A settings file that cannot be written (a folder in its place, a full disk) is never said to be
// written: the warning alone, with its pause, and the plot file is written all the same.
TEST(PlotMenu, AnUnwritableSettingsFileIsNotSaidToBeWritten) {
    const bool full = std::filesystem::exists("/dev/full");
    for (const std::string what : {"folder", "full disk"}) {
        if (what == "full disk" && !full) continue;
        SCOPED_TRACE(what);
        Session s;
        const std::string settings = s.dir.file("pslib7_ini.txt");
        ASSERT_EQ(what == "folder" ? mkdir(settings.c_str(), 0755)
                                   : symlink("/dev/full", settings.c_str()),
                  0);
        s.run("\n10\n\n\nplot.ps\n20\n\n9999\n");
        EXPECT_EQ(s.result.status, 0);
        EXPECT_EQ(s.count(" pslib7_ini.txt updated or created"), 0);
        EXPECT_EQ(s.count(" pslib7_ini.txt could not be written"), 1);
        expectComplete(s, "plot.ps");
    }
    if (!full) GTEST_SKIP() << "no /dev/full here: the full-disk case was not run";
}

}  // namespace
}  // namespace tensova

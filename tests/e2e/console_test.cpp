// The console at a terminal: every question shows before the run waits for its answer, the run
// shows all it wrote when it ends, and a long transcript reaches the terminal in few writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "e2e/session.hpp"
#include "support/ghostscript.hpp"

namespace tensova::test {
namespace {

// The last line of the first `size` bytes of a transcript.
std::string lastLineOf(const std::string& out, std::size_t size) {
    const std::string shown = out.substr(0, size);
    const std::size_t end = shown.ends_with('\n') ? shown.size() - 1 : shown.size();
    const std::size_t start = shown.rfind('\n', end == 0 ? 0 : end - 1);
    return shown.substr(start == std::string::npos ? 0 : start + 1, end - start - 1);
}

// At each wait the terminal shows the question whole, up to its last line; the run's last
// lines show when it quits and when its input ends.
TEST(ConsoleAtATerminal, ShowsEachQuestionBeforeItWaitsAndAllWhenItStops) {
    const std::string banner = " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@";
    const Lines questions = {banner,                     // the start banner's pause
                             " Enter your choice",       // the main menu
                             " Default =           99",  // the reader's menu
                             " Default =  ",             // the name of the catalogue
                             " Enter your choice"};      // the main menu again
    const struct {
        const char* name;
        const char* keys;
        int status;
        const char* last;  // the last line the terminal shows
    } cases[] = {{"quit", "\n1000\n1001\ncat.ndk\n9999\n", 0, banner.c_str()},
                 {"end of input", "\n1000\n1001\ncat.ndk\n", 1, " ===> STOPPING EXECUTION"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        dir.write("cat.ndk", testData("seven.ndk"));
        const RunResult r = runTensovaAtConsole(c.keys, dir.path());
        EXPECT_EQ(r.status, c.status);
        ASSERT_GE(r.waits.size(), questions.size());
        for (std::size_t k = 0; k < questions.size(); ++k)
            EXPECT_EQ(lastLineOf(r.out, r.waits[k]), questions[k]) << "wait " << k;
        EXPECT_EQ(lastLineOf(r.out, r.out.size()), c.last);
    }
}

// A world map of 25,000 events shows some 76,000 lines: they reach the terminal a buffer at a
// time, not a line at a time (strace counts the writes).
TEST(ConsoleAtATerminal, AMapOfManyEventsReachesItInFewWrites) {
    if (std::system("command -v strace >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "strace is not installed (setup.sh installs it): the writes to the "
                        "console cannot be counted";
    TempDir dir;
    const std::string gencat = "'" TENSOVA_GENCAT "' 25000 ndk '" + dir.file("big.ndk") + "'";
    ASSERT_EQ(std::system(gencat.c_str()), 0);
    const std::string keys =
        "\n1000\n1001\nbig.ndk\n2001\n320\n10\n-80 80 30\n20\n-180 180 30\n99\n343\nn\n340\nn\n"
        "1000\n\n\n\n20\n\n99\n9999\n";
    const std::vector<std::string> strace = {"strace",      "-f", "-e",
                                             "trace=write", "-o", dir.file("writes.txt")};
    const RunResult r = runTensovaAtConsole(keys, dir.path(), strace, 60);
    EXPECT_EQ(r.status, 0);
    EXPECT_GT(std::count(r.out.begin(), r.out.end(), '\n'), 75000);
    std::ifstream trace(dir.file("writes.txt"));
    int writes = 0;
    for (std::string line; std::getline(trace, line);)
        writes += line.find(" write(1, ") != line.npos;
    EXPECT_GT(writes, 0);
    EXPECT_LE(writes, 5000);
    expectRenders(dir.file("seis.map.ps"));
}

}  // namespace
}  // namespace tensova::test

// The README's key sequences, read out of README.md itself and piped into the real binary as
// written, so that the README cannot drift from what runs: the first session, the Si-Sh recipe,
// the command file japan.cmd started from the menu and piped whole, and gencat, whose synthetic
// catalogue the others read. Each run ends at its 9999 with exit status 0, never at the end of
// its input.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <string_view>

#include "catalogue/catalogue_samples.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/run_binary.hpp"

namespace tensova::test {
namespace {

const std::string kReadme = readFile(TENSOVA_README);

// The README's text between `anchor` and the next `end`; a failure when either is missing.
std::string after(const std::string& anchor, const std::string& end) {
    const std::size_t a = kReadme.find(anchor);
    const std::size_t b = a == std::string::npos ? a : kReadme.find(end, a + anchor.size());
    if (b == std::string::npos) {
        ADD_FAILURE() << "README.md lacks \"" << anchor << "\" or what ends it";
        return "";
    }
    return kReadme.substr(a + anchor.size(), b - a - anchor.size());
}

// The lines typed for a README list of keys: each key between backquotes is a line, "return" an
// empty line; commas, semicolons and "then" separate them. Any other word makes a list that
// nobody can type as written.
std::string typed(std::string_view list) {
    std::string keys;
    std::size_t i = 0;
    while (i < list.size()) {
        if (list[i] == '`') {
            const std::size_t close = list.find('`', i + 1);
            if (close == std::string_view::npos) {
                ADD_FAILURE() << "a key without its closing backquote: " << list;
                break;
            }
            keys += std::string(list.substr(i + 1, close - i - 1)) + "\n";
            i = close + 1;
        } else if (std::isspace(static_cast<unsigned char>(list[i])) || list[i] == ',' ||
                   list[i] == ';') {
            ++i;
        } else {
            const std::size_t end = std::min(list.find_first_of(" \n,;`", i), list.size());
            const std::string_view word = list.substr(i, end - i);
            if (word == "return") {
                keys += "\n";
            } else if (word != "then") {
                ADD_FAILURE() << "not a key: \"" << word << "\" in: " << list;
            }
            i = end;
        }
    }
    return keys;
}

// The keys of the README table that follows `header`: the first cell of each row, in order.
std::string tableKeys(const std::string& header) {
    std::string keys;
    for (const std::string& row : splitLines(after(header + "\n|---|---|\n", "\n\n")))
        keys += typed(std::string_view(row).substr(1, row.find(" |", 1) - 1));
    return keys;
}

// Runs the README's gencat line in `dir` with the gencat that was built; the catalogue it wrote.
std::string gencatCatalogue(const TempDir& dir) {
    const std::string line = after("\n    cmake --build build --target gencat && ", "\n");
    const std::string command = "./build/bench/gencat ";
    EXPECT_TRUE(line.starts_with(command)) << line;
    EXPECT_TRUE(std::string_view(TENSOVA_GENCAT).ends_with("/bench/gencat"));
    const std::string args = line.substr(command.size());
    const std::string run = "cd '" + dir.path() + "' && '" TENSOVA_GENCAT "' " + args;
    EXPECT_EQ(std::system(run.c_str()), 0) << run;
    return dir.read(args.substr(args.rfind(' ') + 1));
}

// A catalogue like the README's January 2015: the first `total` events of `generated`, `kept`
// of them moved into the first session's area (latitudes 0 to 50, longitudes 120 to 150), the
// others, where they fall in it, out of it.
std::string likeJanuary(const std::string& generated, int kept, int total) {
    const Lines all = splitLines(generated);
    EXPECT_GE(all.size(), 5u * static_cast<std::size_t>(total));
    std::string out;
    for (int k = 0; k < total && 5u * static_cast<std::size_t>(k + 1) <= all.size(); ++k) {
        const Lines ev(all.begin() + 5 * k, all.begin() + 5 * k + 5);
        const double lat = std::stod(ev[0].substr(26, 7)), lon = std::stod(ev[0].substr(33, 8));
        const bool inside = lat >= 0 && lat <= 50 && lon >= 120 && lon <= 150;
        out += k < kept ? ndkMoved(ev, 1 + k, 121 + k % 29)
                        : ndkMoved(ev, lat, inside ? lon - 60 : lon);
    }
    return out;
}

// A reader's summary row of events read and kept.
std::string summary(int read, int kept) {
    char row[64];
    std::snprintf(row, sizeof row, " | Nb of data | %10d | %10d |", read, kept);
    return row;
}

void expectRunsToItsEnd(const Session& s) {
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" END OF INPUT"), 0);
    EXPECT_EQ(s.count(" ===> HIT RETURN TO CONTINUE"), 0);  // no box took a key
    EXPECT_EQ(s.count(" ===> HIT RETURN TO RESUME COMMANDS"), 0);
}

TEST(Readme, EveryKeySequenceRunsAsWritten) {
    // The README's own figures of the first session: events kept and read.
    const std::string row = after("| `1001`, `jan15.ndk` |", "\n");
    std::smatch counts;
    ASSERT_TRUE(std::regex_search(row, counts, std::regex(R"(\((\d+) of (\d+) for )"))) << row;
    const int kept = std::stoi(counts[1]), read = std::stoi(counts[2]);

    const std::string first = tableKeys("| keys | what happens |");
    const std::string recipe = tableKeys("| keys | why |");
    const std::string commands = after("```text\n", "```\n");
    const std::string cmdName = after("This file, saved as `", "`");
    const std::string started = typed(after("(start tensova, ", ")"));
    EXPECT_TRUE(std::regex_search(kReadme, std::regex(R"(The same lines, after one empty line for)"
                                                      R"(\s+the\s+banner, can also be piped in:)"
                                                      R"(\s+`\./build/tensova < session\.txt`)")));
    ASSERT_FALSE(first.empty() || recipe.empty() || commands.empty());

    TempDir made;
    const std::string generated = gencatCatalogue(made);
    ASSERT_FALSE(generated.empty());
    struct Catalogues {
        const char* what;
        std::string jan15, qcmt;
    };
    std::vector<Catalogues> sets = {{"made", likeJanuary(generated, kept, read), generated}};
    const std::filesystem::path real(TENSOVA_REAL_DATA);
    if (std::filesystem::exists(real / "gcmt_2015-01_jan15.ndk")) {
        sets.push_back({"real", readFile((real / "gcmt_2015-01_jan15.ndk").string()),
                        readFile((real / "qcmt_2018-02_to_2019-09.ndk").string())});
    }
    for (const Catalogues& c : sets) {
        SCOPED_TRACE(c.what);
        const Files files = {{"jan15.ndk", c.jan15}, {"qcmt.ndk", c.qcmt}, {cmdName, commands}};
        const int pages = (kept + 19) / 20;
        {
            SCOPED_TRACE("first session");
            Session s(first, files);
            expectRunsToItsEnd(s);
            EXPECT_EQ(s.count(summary(read, kept)), 1);
            EXPECT_EQ(splitLines(s.dir.read("out.ndk")).size(), 5u * kept);
            EXPECT_EQ(splitLines(s.dir.read("out.tab")).size(), 2u + kept);
            expectRenders(s.dir.file("seis.map.ps"), "", 1);
            expectRenders(s.dir.file("fps_bb.ps"), "", pages);
            // Piped again into the same folder, it stops at out.ndk, which it keeps, and no
            // later key becomes the name of a file.
            const std::string written = s.dir.read("out.ndk");
            s.run(first);
            EXPECT_EQ(s.result.status, 1);
            EXPECT_EQ(s.count(" piped answers and command files never replace a file"), 1);
            EXPECT_EQ(s.dir.read("out.ndk"), written);
            EXPECT_FALSE(s.dir.exists("2001"));
        }
        {
            SCOPED_TRACE("Si-Sh recipe");
            const Session s(recipe, files);
            expectRunsToItsEnd(s);
            EXPECT_EQ(splitLines(s.dir.read("sish.txt")).size(), 1 + splitLines(c.qcmt).size() / 5);
            expectRenders(s.dir.file("seis.map.ps"), "", 1);
        }
        for (const auto& [how, input] :
             {std::pair{"command file", started}, std::pair{"piped", "\n" + commands}}) {
            SCOPED_TRACE(how);
            const Session s(input, files);
            expectRunsToItsEnd(s);
            EXPECT_EQ(splitLines(s.dir.read("sish.txt")).size(), 1u + kept);
            expectRenders(s.dir.file("seis.map.ps"), "", 1);
            expectRenders(s.dir.file("fps_bb.ps"), "", pages);
        }
    }
}

TEST(Readme, HoldsNoMergeConflictMarkers) {
    // A line that begins as git marks the sides of a conflict is text that nobody chose.
    const std::regex marker(R"((^|\n)(<<<<<<<|>>>>>>>) )");
    EXPECT_FALSE(std::regex_search(kReadme, marker));
}

}  // namespace
}  // namespace tensova::test

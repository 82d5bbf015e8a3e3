// The fit of a map to its page, through the binary: maps whose labels stand off the page on
// their first fit, below its bottom margin among others, are fitted again into smaller boxes,
// two, three and four times, and let out again as far as their marks stay on the page; one whose
// labels would need more shrinks than that is fitted at a share of its box instead, centred.
// Each keeps its place to the hundredth of a point (golden map_fits.txt: the grid's extent and
// every label where it stands).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "e2e/map_files.hpp"
#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova {
namespace {

// The grid's extent (its open paths: lines and ticks) and its labels, as the plot file holds
// them.
test::Lines fitOf(const std::string& ps) {
    const test::PsPage page = test::psPages(ps).at(0);
    std::array<double, 4> box{1e9, 1e9, -1e9, -1e9};
    for (const test::PsPath& p : page.paths)
        for (const auto& [x, y] : p.points)
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x),
                   std::max(box[3], y)};
    char line[96];
    std::snprintf(line, sizeof line, "grid %.2f %.2f %.2f %.2f", box[0], box[1], box[2], box[3]);
    test::Lines out{line};
    for (const test::PsText& t : page.texts) {
        if (!t.number()) continue;
        std::snprintf(line, sizeof line, "%s at %.2f %.2f", t.text.c_str(), t.x, t.y);
        out.emplace_back(line);
    }
    return out;
}

TEST(MapFit, LabelsOffThePageShrinkTheMapAndLetItOut) {
    const std::string north = "320\n10\n55 80 5\n20\n160 -140 10\n33\n3\n99\n";
    const struct {
        const char* name;
        std::string keys;
        const test::PlotPage& page;
    } cases[] = {
        {"two shrinks", "300\n15\n99\n99\n" + north, test::kPortrait},
        {"three shrinks", "300\n15\n99\n99\n320\n10\n60 80 5\n20\n160 -140 10\n33\n3\n99\n",
         test::kPortrait},
        {"four shrinks", "300\n13\n99\n99\n99\n320\n10\n0 50 10\n20\n120 150 10\n33\n15\n99\n",
         test::kPortrait},
        {"a share of the box", "300\n24\n99\n99\n99\n320\n10\n40 70 5\n20\n-20 40 10\n33\n4\n99\n",
         test::kA4Landscape},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::Session s("\n2001\n" + c.keys + "343\nn\n340\nn\n1000\n" + c.page.opening +
                              "map.ps\n\n\n\n\n20\n\n9999\n\n");
        EXPECT_EQ(s.result.status, 0);
        test::expectGolden(fitOf(s.dir.read("map.ps")), std::string("map_fits.txt#") + c.name);
        test::expectRenders(s.dir.file("map.ps"));
    }
}

}  // namespace
}  // namespace tensova

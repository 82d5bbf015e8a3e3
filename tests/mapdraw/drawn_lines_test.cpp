// Whether a label names its line, on lines laid out by hand (cm): a label box of 1 by 0.4 cm
// whose lower left corner stands at (1, 1), beside the end (1, 0.9) of the meridian 10 E, which
// runs down from there.

#include "mapdraw/drawn_lines.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numeric/angles.hpp"

namespace tensova {
namespace {

TEST(DrawnLines, ALabelNamesItsOwnLineDrawnNearestToIt) {
    const Box label{1.0f, 1.0f, 2.0f, 1.4f};
    const std::array<float, 2> end{1.0f, 0.9f};
    const PaperChord meridian{1.0f, 0.9f, 1.0f, -3.0f};
    const struct {
        const char* name;
        std::vector<PaperChord> own;    // the meridian's chords
        std::vector<PaperChord> other;  // the parallel 20 N's
        float value;                    // of the meridian named, degrees
        bool names;
    } cases[] = {
        {"its line beside it", {meridian}, {}, 10, true},
        {"its line not drawn", {}, {}, 10, false},
        {"its line shown at a point alone", {{1.0f, 0.9f, 1.0f, 0.9f}}, {}, 10, false},
        {"its line farther than it reaches", {{1.0f, 0.2f, 1.0f, -3.0f}}, {}, 10, false},
        {"a meridian in another turn", {meridian}, {}, 370, true},
        {"another line nearer", {meridian}, {{1.5f, 0.98f, 3.0f, 0.98f}}, 10, false},
        {"another line nearer by less than a few points",
         {meridian},
         {{1.5f, 0.93f, 3.0f, 0.93f}},
         10,
         true},
        {"another line through its end", {meridian}, {{1.0f, 0.9f, 3.0f, 1.1f}}, 10, true},
        {"another line across its box", {meridian}, {{0.0f, 1.2f, 3.0f, 1.2f}}, 10, false},
        // Its chord's box holds the end, the chord itself passes 0.16 cm from it.
        {"another line across its box, around its end",
         {meridian},
         {{0.9f, 1.3f, 1.5f, 0.5f}},
         10,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DrawnLines lines;
        lines.of(true, rad(10.0f)) = c.own;
        lines.of(false, rad(20.0f)) = c.other;
        EXPECT_EQ(lines.names(true, rad(c.value), end, label, 0.5f, 0.05f), c.names);
    }
}

}  // namespace
}  // namespace tensova

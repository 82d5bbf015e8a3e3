#pragma once
// The grid's lines as they stand on the paper, each with its ticks, and whether a label's box
// stands by its own line: the line drawn nearest to it.

#include <array>
#include <deque>
#include <vector>

#include "mapdraw/map_drawing.hpp"
#include "numeric/figures.hpp"

namespace tensova {

class DrawnLines {
  public:
    // The chords (cm) of the meridian or parallel of that value (radians; a meridian in any
    // turn), kept from the first asking on, where they stay while other lines are added.
    std::vector<PaperChord>& of(bool meridian, float value);

    // Whether a label in the box (cm) names its line, the meridian or parallel of that value,
    // which ends at `end` (cm) beside it: the line is drawn (a chord of no length, where the map
    // shows a point of it alone, is not), its chords come within `reach` (cm)
    // of the box, and no other line comes nearer to the box by more than `few` (cm), but where
    // that line passes within `few` of the end (a corner, a rim, a pole).
    bool names(bool meridian, float value, const std::array<float, 2>& end, const Box& box,
               float reach, float few) const;

    // Both ends of every chord of every line (cm).
    std::vector<std::array<float, 2>> ends() const;

  private:
    // A line, and the boxes of its chords in runs of kRun (and of them all), which let a label
    // pass over the lines and the runs that stand too far from it.
    struct Line {
        bool meridian = false;
        float value = 0.0f;
        std::vector<PaperChord> chords;
        std::vector<Box> runs;
        Box all;
        std::size_t boxed = 0;  // chords the boxes hold
    };
    static void box(Line& l);
    // Whether a chord of the line comes nearer to the box than `than`.
    static bool nearer(const Line& l, const Box& box, float than);
    // Whether a chord of the line comes within `within` of the point.
    static bool passes(const Line& l, const std::array<float, 2>& at, float within);

    mutable std::deque<Line> lines_;  // a line stays where it is as others are added
};

}  // namespace tensova

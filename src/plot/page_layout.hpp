#pragma once
// Where a plot stands on the page of the plot file, in centimetres: a heading of run information
// and counts at the top, and below it the box that a map fills. The portrait A4 page keeps the
// layout it always had; a wider page widens the box and centres the run information on itself,
// and a landscape page, being short, holds its heading nearer its top edge.

#include <string>

#include "numeric/figures.hpp"
#include "postscript/page.hpp"

namespace tensova {

struct PageLayout {
    float width = 0.0f, height = 0.0f;  // the page
    float centre = 0.0f;                // the run information's lines are centred here
    float left = 0.0f;                  // the counts' lines begin here
    float top = 0.0f;                   // baseline of the heading's first line
    Box box;                            // from the page's lower left margins up to the heading
    std::string name;                   // the page, for the console
    float headingBottom = 0.0f;         // the heading's lowest point; the page's top before it

    // The layout of a page whose heading is drawn, its lowest point at `bottom` (cm): the box
    // ends a little below it, where it ended at the heading's first baseline.
    void under(float bottom);
    // The page below the heading.
    Box belowHeading() const;
};

PageLayout pageLayout(const Page& page);

// The layout of the page of the plot file opened last.
PageLayout plotPageLayout();

}  // namespace tensova

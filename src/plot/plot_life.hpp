#pragma once
// The life of a plot: opening the plot file, new pages, closing it, and the plot parameters
// (transforms, colour table and attributes) with their menu.

#include <cstdint>
#include <string>

#include "console/stop.hpp"

namespace tensova {

// Opens the plot file (fname, whose size is its declared length, proposes the name and receives
// the one used; every caller passes inter 2) and brings the plot to a known state: subplot 1
// current, every attribute at its default; with inter 2 or 3 the subplot scaling and the colour
// table are kept, else they are reset too. A plot already open only gets a warning, and drawing
// goes on in it.
void plinit(std::string& fname, int32_t inter);
// Closes the plot file with its trailer; a closed plot only gets a warning.
void plend();
// At the end of a drawing: the plot file takes all that was drawn; true while it has refused
// none of it. A file that refused a write has been reported, naming it, and closed, and the
// plot with it: the drawing stops there.
bool plotwritten();
// The same at the end of a page or of a step of a drawing, where the file takes only what the
// buffers cannot hold: written a page at a time, its writes would no longer fall on the disk's
// blocks.
bool plotstepwritten();
// A RUN that draws into the plot file holds this for as long as it runs: a run that stops
// before the RUN ends names the file, which lacks the rest of the drawing.
[[nodiscard]] RunWriting drawingRun();
// Asks what to do before drawing on an open plot: a new page (the default), a new file, or
// drawing on over the current page.
void newpage();
// The plot parameters. Modes 4, 5, 8 and 9 reset the angle constants, the scaling of every
// subplot and the colour table; 6 and 7 keep the scaling and refresh its map to the device; 4 to
// 7 also reset every attribute while the plot is open; even modes then open the plot-parameter
// menu (setters called in mode 2 for modes 0 to 3, else 4).
void splotparam2(int32_t inter);

}  // namespace tensova

#pragma once
// Drawing in user units of the current subplot (texts also in centimetres): pen moves,
// polylines, polygons, texts and symbols, converted to device units and handed to the
// PostScript device. Polylines and polygons of any length pass through the 501-point plot
// buffer, in pieces that share their end points.

#include <cstdint>
#include <string_view>

#include "numeric/figures.hpp"

namespace tensova {

// ipen 0 moves (starting a new path), 1 draws a line from the current point; other values
// do nothing.
void usplot(float x, float y, int32_t ipen);
// The open polyline through the n points.
void usline(const float* x, const float* y, int32_t n);
// The closed polygon, filled by the fill style and outlined in the line colour. More than 501
// vertices are drawn as several polygons, with a warning after each but the last.
void uspolygon(const float* x, const float* y, int32_t n);
// The text at the point, at its full length, with the current text attributes.
void ustext2(float x, float y, std::string_view text);
void cmtext2(float x, float y, std::string_view text);
// The box (centimetres on the paper) that ustext2 would cover with the text at the point, as
// the device measures it; false where the text cannot be placed.
bool ustextbox(float x, float y, std::string_view text, Box& box);
// The same for a text at a point in centimetres, as cmtext2 would draw it.
bool cmtextbox(float x, float y, std::string_view text, Box& box);
// Copies the chunk of x and y that begins at point `is` (from 1) into the buffer, at most nbuf
// points; nout receives their number and `is` the index of the last one copied, so the next
// chunk begins where this one ends. Starting beyond nx is an error box: nothing is copied,
// false is returned.
bool buffer2(float* xbuf, float* ybuf, int32_t nbuf, int32_t& nout, const float* x, const float* y,
             int32_t nx, int32_t& is);

// How many warning boxes points beyond the device range may still give before they are
// clamped without a word; below zero, one box for every coordinate, as by default. Returns the
// number it replaces.
int32_t sclampboxes(int32_t boxes);

// One run of a drawing (a map, a sheet): while it lasts, points beyond the device range give
// one warning box in all, not one each; at its end the boxes left before it hold again.
class ClampBoxRun {
  public:
    ClampBoxRun() : before_(sclampboxes(1)) {}
    ~ClampBoxRun() { sclampboxes(before_); }
    ClampBoxRun(const ClampBoxRun&) = delete;
    ClampBoxRun& operator=(const ClampBoxRun&) = delete;

  private:
    int32_t before_;
};

// One symbol of the current type and size at each of the n points.
void ussymbol(const float* x, const float* y, int32_t n);

}  // namespace tensova

#pragma once
// The PostScript device: the plot file with its settings, head, pages and trailer, and the
// drawing operators in device units (points). Only the plot library calls these.
//
// Every operator writes whole lines to the open plot file at once; while no plot file is open
// they write nothing. Coordinates passed by reference may come back clamped to the device
// range.

#include <cstdint>
#include <string>
#include <string_view>

#include "numeric/figures.hpp"

namespace tensova {

// Opens the plot file: reads or creates the settings file "pslib7_ini.txt", lets the user
// keep or change the settings, asks for the file name (fname, whose size is its declared
// length, receives the name opened) and writes the head. The chooser's mode is inter mod 2.
void intplinit(std::string& fname, int32_t inter);
// Page break in the same file.
void intnewpage();
// Trailer; closes the plot file.
void psend();
// Hands what was drawn so far on to the plot file: all of it with `wholeFile` (the end of a
// drawing), else what the plot unit's buffer cannot hold (a page end, cheap).
// True while the file has refused none of it. The first write it refuses (a full disk, a
// file-size limit) gets an error box naming the file, which is then closed as it stands; false
// from then on, and while no file is open, so that the drawing stops there.
bool pswritten(bool wholeFile);
// The close dialog: waits for one line, then finishes the file.
void intplend();
// The name of the plot file open, or of the last one opened.
std::string_view psfilename();

// inew 1 starts a new path at the point, 0 only moves the current point, any other value
// writes no move. A pending path is stroked first.
void psmoveto(float& x, float& y, int32_t inew);
// One line segment to each of the n points.
void pslineto(float* x, float* y, int32_t n);
// Strokes the pending path, if any, in the line colour.
void psstrokepath();
// The polyline through n points, stroked at once; one of no length is drawn as a round dot.
void deline(float* x, float* y, int32_t n);
// ipen 0 moves to the point starting a new path, ipen 1 draws a line to it.
void deplot(float& x, float& y, int32_t ipen);
// How many warning boxes coordinates clamped to the device range may still give: below zero,
// as by default, one for every coordinate clamped; otherwise that many, and after them the
// coordinates are clamped without a word. Returns the number it replaces.
int32_t psclampboxes(int32_t boxes);
// Strokes the pending path, then sets the line width (points).
void intslinewidth(float w);

// k -1 makes slot 1 current, 1 the line colour, 3 the text colour; written only in a colour
// plot and only when it differs from the colour last written.
void psrgbcolor(int32_t k);
// A closed polygon of n vertices, filled or hollow by the fill style, outlined in the line
// colour.
void depolygon(float* x, float* y, int32_t n);
// The text at the point with the current font, height, angle, colour and justification.
void detext2(float& x, float& y, std::string_view text);
// The box (device units) that detext2 would cover with the text at the point: across, the
// advance widths of its characters; up, from just under its baseline to the top of a capital.
// The widths and heights are those of the characters of a number (digits, blank, point, signs,
// asterisk); any other character counts an em wide and a descender deep. False where detext2
// would write nothing.
bool detextbox(float x, float y, std::string_view text, Box& box);
// Sets the text height, given in centimetres.
void intstextsize(float h);

}  // namespace tensova

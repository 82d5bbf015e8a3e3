#pragma once
// Value checks on values a caller already holds, and the questions that may stop the run.

#include <cstdint>
#include <string_view>

namespace tensova {

// 0 when ivmin <= iv <= ivmax; else an error box ending with the STOP question, and 1.
int32_t cinvin(int32_t iv, int32_t ivmin, int32_t ivmax, std::string_view subname,
               std::string_view varname);
// 0 when iv <= ivmax; else an error box ending with the STOP question, and 1.
int32_t cinmax(int32_t iv, int32_t ivmax, std::string_view subname, std::string_view varname);
// 0 when r is not outside [rmin, rmax]; else a box by gravity (0 warning, 1 error, 2
// recoverable, 3 unrecoverable, 4 fatal), r reset to the nearer bound (not for 4), and 1.
int32_t crevin2(std::string_view varname, float& r, float rmin, float rmax,
                std::string_view subname, int32_t igravity);
// Region code of each point against the box: 1 2 3 above, 8 0 4 level, 7 6 5 below;
// -1 or -2 (with a warning box) for an x or y that cannot be placed.
void locate2dbox(int32_t* iloc, float xmin, float xmax, float ymin, float ymax, const float* x,
                 const float* y, int32_t n);

// Tail of an error box with the STOP question (level 0 recoverable, default No; else default
// Yes); Yes ends the run.
void errortail01(int32_t level);
// Epilogue by level: 0 asks RESUME (No ends the run), 1 asks STOP (Yes ends the run), 2 ends
// the run; any other level does nothing.
void errorstop(int32_t level);

}  // namespace tensova

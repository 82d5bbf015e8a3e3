#pragma once
// The plot file as the drawing operators see it: whether a document is open, the line writer,
// the operator names of the dialect, number and string texts, and the point the file's
// current path stands at.

#include <string>
#include <string_view>

namespace tensova {

struct PsDevice {
    bool open = false;      // from the head to the trailer
    bool hasPoint = false;  // a move or a line was written since the opening
    float lastX = 0.0f;     // the last point written in a move or a line
    float lastY = 0.0f;
    bool current = false;   // the file's path has a current point
    bool needMove = false;  // the path's last point was skipped: the next one starts a subpath
    bool resume = false;    // a line came with no current point: it starts at the last point
    std::string name;       // the plot file's name, for the box that says it was not written
};
inline PsDevice psdevice;

// The dialect's path operators.
struct PsOps {
    std::string_view newpath;  // empty when the dialect has none
    std::string_view move;
    std::string_view line;
    std::string_view stroke;
    std::string_view width;
    std::string_view roundCaps;  // line ends drawn round, and back to the default butt ends
    std::string_view buttCaps;
};
const PsOps& psops();

// Writes one line to the plot file; nothing while no document is open. Lines are gathered
// and reach the file in large pieces, at the latest when the document ends.
void psLine(std::string_view line);
// Room for n more characters of the document: where to write them (nullptr when n exceeds the
// whole gathering buffer); psCommit then takes what was written up to `end`.
char* psSpace(std::size_t n);
void psCommit(const char* end);
// Hands what was gathered to the plot unit.
void psFlush();
// Forgets what was gathered: a new document does not inherit the rest of one whose file was
// closed without its trailer.
void psDiscard();
// After the operator that paints the path: nothing is pending and the file has no current point.
void endPath();
// A coordinate or width: two decimals in as few characters as it needs, at most ten.
std::string psnum(float x);
// The same written at out, which has room for kPsnumRoom characters (it may write them all);
// returns the end of the number.
inline constexpr std::size_t kPsnumRoom = 16;
char* psnumAt(char* out, float x);
// The text as a PostScript string, parentheses included: backslash and parentheses escaped,
// control bytes as three octal digits.
std::string psString(std::string_view text);
// The same rotation as an angle inside (-360, 360).
float reduceAngle(float degrees);

}  // namespace tensova

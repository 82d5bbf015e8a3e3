#include "console/banners.hpp"

#include <initializer_list>
#include <string>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/runinfo.hpp"

namespace tensova {
namespace {

constexpr std::string_view kRule = "@------------------------------------------";

// A picture: a blank line, each line at the picture's width after its indent, a blank line.
void picture(std::size_t indent, std::size_t width, std::initializer_list<std::string_view> lines) {
    const std::string pad(indent, ' ');
    unitWrite(iocom.stdOut, pad + "  ");
    for (auto l : lines) unitWrite(iocom.stdOut, pad + fit(l, width));
    unitWrite(iocom.stdOut, pad + "  ");
}

void face(std::string_view mouth12, std::string_view mouth14) {
    picture(
        4, 40,
        {"            &&&&&&&&&&&&            ", "        &&                &&        ",
         "     &&                      &&     ", "   &&                          &&   ",
         "  &&                            &&  ", " &&                              && ",
         " &        &&&          &&&        & ", "&&        &&&          &&&        &&",
         "&&                                &&", "&&                                &&",
         "&&                                &&", mouth12, " &&      &&&            &&&      && ",
         mouth14, "   &&                          &&   ", "     &&                      &&     ",
         "        &&                &&        ", "            &&&&&&&&&&&&            "});
}

// The section sign of the two offset pictures, written in the console's own encoding.
constexpr std::string_view kS = "\u00a7";

std::string offsetLine(std::string_view pattern) {
    std::string out;
    for (char c : pattern) {
        if (c == '$')
            out += kS;
        else
            out += c;
    }
    return out;
}

// The width counts characters, so lines with section signs are padded before the signs are
// put in.
void offsetPicture(std::initializer_list<std::string_view> lines) {
    unitWrite(iocom.stdOut, "   ");
    for (auto l : lines) unitWrite(iocom.stdOut, " " + offsetLine(fit(l, 43)));
    unitWrite(iocom.stdOut, "   ");
}

}  // namespace

void happyface() {
    face(" &     &&                  &&     & ", "  &&        &&&&&&&&&&&&        &&  ");
}

void sorryface() {
    face(" &          &&&&&&&&&&&&          & ", "  &&   &&                  &&   &&  ");
}

void tetrakis() {
    picture(1, 30,
            {"                            ", "                     O      ",
             "                   O   O    ", "                 O   O   O  ",
             "               O   O   O   O", "                            "});
}

void tetratemple1() {
    picture(1, 35,
            {"                                ", "                     O          ",
             "                  O     O       ", "               O     O     O    ",
             "            O     O     O     O ",
             "            =================== ", "              | |   | |   | |   ",
             "              | |   | |   | |   ", "              | |   | |   | |   ",
             "              | |   | |   | |   ", "              | |   | |   | |   ",
             "           =====================", "                                "});
}

void tetratemple2() {
    picture(1, 36,
            {"                                    ", "                         O          ",
             "                      O /   O       ", "                   O   /       O    ",
             "                O     /           O ", "               /     O           / /",
             "              /   O     O       / / ", "             / O     O     O   / /  ",
             "            O     O     O     O /   ", "            ===================/    ",
             "              | |   | |   | | ||    ", "              | |   | |   | | ||===/",
             "              | |   | |   | |     / ", "             /| |   | |   | |    /  ",
             "            / | |   | |   | |   /   ", "           /===================/    ",
             "           =====================    ", "                                    "});
}

void endfun1() {
    picture(1, 44,
            {R"(                \|/ ____ \|/    -     -     )",
             R"(       \|/       @~/ ,. \~@   o' \,=./ `o   )",
             R"(      (o -)     /_( \__/ )_\     (o o)      )",
             R"(|-oo0--(_)--0oo----\--U-/----oo0--(_)--0oo-|)",
             R"(|                                          |)",
             R"(|            THAT'S ALL FOLKS !            |)",
             R"(|                                          |)",
             R"(|------------------------------------------|)"});
}

void carmag33() {
    picture(1, 30,
            {"              -------------", "              | 8 | 1 | 6 |",
             "              |---|---|---|", "              | 3 | 5 | 7 |",
             "              |---|---|---|", "              | 4 | 9 | 2 |",
             "              -------------"});
}

void offsetnf() {
    offsetPicture({R"(-+                                         )",
                   R"(&&\-------------+                          )",
                   R"(---\&&&&&&&&&&&&&\-------------+           )",
                   R"(0000\-------------\&&&&&&&&&&&&&\----------)",
                   R"(=====\0000000000000\-------------\&&&&&&&&&)",
                   R"(######\=============\0000000000000\--------)",
                   R"($$$$$$$\#############\=============\0000000)",
                   R"($$$$$$$$\$$$$$$$$$$$$$\#############\======)",
                   R"($$$$$$$$$\$$$$$$$$$$$$$\$$$$$$$$$$$$$\#####)",
                   R"($$$$$$$$$$\$$$$$$$$$$$$$\$$$$$$$$$$$$$\$$$$)"});
}

void offsetrf() {
    offsetPicture({"-------------+                             ",
                   "&&&&&&&&&&&&/-------------+                ",
                   "-----------/&&&&&&&&&&&&&/-------------+   ",
                   "0000000000/-------------/&&&&&&&&&&&&&/----",
                   "=========/0000000000000/-------------/&&&&&",
                   "########/=============/0000000000000/------",
                   "$$$$$$$/#############/=============/0000000",
                   "$$$$$$/$$$$$$$$$$$$$/#############/========",
                   "$$$$$/$$$$$$$$$$$$$/$$$$$$$$$$$$$/#########",
                   "$$$$/$$$$$$$$$$$$$/$$$$$$$$$$$$$/$$$$$$$$$$"});
}

void sator() {
    picture(
        1, 30,
        {"                 S A T O R", "                 A R E P O", "                 T E N E T",
         "                 O P E R A", "                 R O T A S"});
}

void progheadkt(const Stamp& s) {
    const std::string system = hostname(25);
    const std::string time = c8time();
    const std::string date = c10date();
    wout({kAts43});
    wout({"@"});
    wout({"@       MAIN PROGRAM:", trimmed(s.name)});
    wout({"@            Version:", s.version});
    wout({"@               Date:", s.date});
    wout({"@"});
    wout({kRule});
    wout({"@ Running on:", date, "at:", time});
    // A system description of blanks still shows its one blank.
    std::string_view sys = trimmed(system);
    wout({"@ On system:", sys});
    wout({kRule});
    wout({"@ tensova: seismotectonics of focal mechanisms"});
    wout({fit("@ Reads Global CMT ndk and dek files,", 39)});
    wout({fit("@ selects events by area, depth, rake", 39)});
    wout({fit("@ and quality, lists and writes them,", 39)});
    wout({fit("@ draws seismicity maps with stress", 39)});
    wout({fit("@ directions and focal-mechanism", 39)});
    wout({fit("@ sheets as PostScript pages.", 39)});
    wout({"@ Free software, shipped with its source"});
    wout({"@ Report of any problem is appreciated "});
    wout({kRule});
    // A wait as every other: at a terminal whatever the line holds, and even when there is
    // none, the run goes on.
    awaitReturn({s, "HIT RETURN TO CONTINUE"}, [] {
        wout({"@         HIT RETURN TO CONTINUE"});
        wout({kAts43});
    });
}

void maintailAt(const Stamp& s, const std::string& time) {
    wout({kAts43});
    wout({"@ PROGRAM", trimmed(s.name)});
    wout({"@ Version:", s.version});
    wout({"@ EXECUTION TERMINATED AT:", time});
    wout({kRule});
    const char digit = time.size() >= 8 ? time[7] : ' ';
    switch (digit) {
        case '0':
            happyface();
            break;
        case '1':
            sator();
            break;
        case '2':
            carmag33();
            break;
        case '4':
        case '9':
            tetrakis();
            break;
        case '5':
            tetratemple1();
            break;
        case '6':
            tetratemple2();
            break;
        case '7':
            offsetnf();
            break;
        case '8':
            offsetrf();
            break;
        default:
            endfun1();
            break;
    }
    wout({kAts43});
}

void maintail(const Stamp& s) {
    maintailAt(s, c8time());
}

}  // namespace tensova

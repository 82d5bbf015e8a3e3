#pragma once
// Start and end banners and the small pictures of the end banner.

#include "console/text.hpp"

namespace tensova {

// The 22-line start banner, then a wait for one line of the standard input.
void progheadkt(const Stamp& s);
// The end banner with the picture chosen by the last digit of the seconds.
void maintail(const Stamp& s);
// The end banner for a given time (hh:mm:ss).
void maintailAt(const Stamp& s, const std::string& time);

void happyface();
void sorryface();
void tetrakis();
void tetratemple1();
void tetratemple2();
void endfun1();
void carmag33();
void offsetnf();
void offsetrf();
void sator();

}  // namespace tensova

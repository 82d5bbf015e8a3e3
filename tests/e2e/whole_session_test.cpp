// The whole program: one command-file session that uses every main-menu entry on the real
// catalogue of January 2015, each file it writes checked against the catalogue itself.
//
// The Si-Sh axes are checked against the catalogue's own P, B and T axes (ndk line 5), which
// the best double couple shares with the moment tensor: within 2 degrees, the rounding of the
// planes and of the axes to whole degrees. From the same axes, as a seismologist reads them: the
// steepest axis is Sv; SHmax is the azimuth of P when P is the flattest, of B when B is the
// flattest and P the steepest, else that of the flattest axis turned by 90 degrees. Both are
// checked where no two plunges lie within 3 degrees of each other.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/session.hpp"
#include "support/ghostscript.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

// The session: help; read with the latitude and longitude tests (Japan to the Philippines); list;
// write ndk and a table; open the plot file, widen its lines (330), switch the Si-Sh file on
// and open it; map plane 1 on the open page with the grid from the test bounds; close the plot
// (its close asks for a return); map plane 2 in the map's own file; close it and the Si-Sh
// file; the sheet of two pages; quit, which closes the sheet. The command file is in tests/data.

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string t; in >> t;) w.push_back(t);
    return w;
}

// Numbers compare by value ("10." is 10), anything else as text.
bool same(const std::string& a, const std::string& b) {
    std::size_t na = 0, nb = 0;
    try {
        const double x = std::stod(a, &na), y = std::stod(b, &nb);
        if (na == a.size() && nb == b.size()) return x == y;
    } catch (...) {
    }
    return a == b;
}

// Angle in degrees between two axes (either sense) given by azimuth and plunge.
double between(double az1, double pl1, double az2, double pl2) {
    const double r = M_PI / 180.0;
    const auto v = [r](double az, double pl) {
        return std::array<double, 3>{std::cos(pl * r) * std::cos(az * r),
                                     std::cos(pl * r) * std::sin(az * r), std::sin(pl * r)};
    };
    const auto a = v(az1, pl1), b = v(az2, pl2);
    const double d = std::fabs(a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
    return std::acos(std::min(1.0, d)) / r;
}

struct Event {
    Lines lines;  // the five ndk lines
    std::string date() const { return lines[0].substr(5, 10); }
    double lat() const { return std::stod(lines[0].substr(27, 6)); }
    double lon() const { return std::stod(lines[0].substr(33, 8)); }
};

void expectSiSh(const Lines& sish, const std::vector<Event>& events, int plane) {
    for (std::size_t k = 0; k < events.size(); ++k) {
        const Lines& ev = events[k].lines;
        const auto r = words(sish.at(k)), t = words(ev[4]), head = words(ev[0].substr(27));
        ASSERT_EQ(r.size(), 16u) << sish[k];
        ASSERT_EQ(t.size(), 17u) << ev[4];
        EXPECT_EQ(r[0] + " " + r[1], ev[0].substr(5, 21)) << sish[k];
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(std::stod(r[2 + j]), std::stod(head[j]), 0.006) << sish[k];
            EXPECT_TRUE(same(r[5 + j], t[static_cast<std::size_t>(11 + 3 * plane + j)])) << sish[k];
        }
        // S1, S2, S3 against P, B, T: azimuth and plunge from the line's tokens.
        double az[3], pl[3];
        for (int a = 0; a < 3; ++a) {
            const auto c = static_cast<std::size_t>(9 - 3 * a);
            az[a] = std::stod(t[c]), pl[a] = std::stod(t[c - 1]);
            EXPECT_LT(between(az[a], pl[a], std::stod(r[8 + 2 * a]), std::stod(r[9 + 2 * a])), 2.0)
                << "S" << a + 1 << ": " << sish[k];
        }
        int steep = 0, flat = 0;
        for (int a = 1; a < 3; ++a) {
            if (pl[a] > pl[steep]) steep = a;
            if (pl[a] < pl[flat]) flat = a;
        }
        const int middle = 3 - steep - flat;
        if (pl[steep] - pl[middle] < 3 || pl[middle] - pl[flat] < 3) continue;
        EXPECT_EQ(std::stoi(r[14]), steep + 1) << sish[k];
        const double shmax = az[flat] + (flat == 0 || (flat == 1 && steep == 0) ? 0 : 90);
        EXPECT_NEAR(std::remainder(std::stod(r[15]) - shmax, 180.0), 0.0, 2.0) << sish[k];
    }
}

TEST(WholeSession, EveryMainMenuEntryOnARealCatalogue) {
    const std::string real = std::string(TENSOVA_REAL_DATA) + "/gcmt_2015-01_jan15.ndk";
    if (!std::filesystem::exists(real)) GTEST_SKIP() << "real catalogue " << real << " is absent";
    Session s;
    // Read in place, under a name that fits the 40 characters of the file table.
    std::filesystem::create_symlink(real, s.dir.file("jan15.ndk"));
    s.run("\n5000\n5001\nsession.cmd\n", {{"session.cmd", testData("whole_session.cmd")}}, 60);
    EXPECT_EQ(s.result.status, 0);
    EXPECT_EQ(s.count(" ===> HIT RETURN TO RESUME COMMANDS"), 0);  // no box on the way
    EXPECT_EQ(s.count("        Did you REALLY expect help ?        "), 1);
    EXPECT_GE(s.find(" | Nb of data |        210 |         34 |"), 0);

    // The events the tests keep, in catalogue order.
    const Lines all = splitLines(readFile(real));
    std::vector<Event> kept;
    std::string ndk;
    for (std::ptrdiff_t i = 0; i + 5 <= std::ssize(all); i += 5) {
        const Event e{Lines(all.begin() + i, all.begin() + i + 5)};
        if (e.lat() < 0 || e.lat() > 50 || e.lon() < 120 || e.lon() > 150) continue;
        kept.push_back(e);
        for (const std::string& l : e.lines) ndk += l + "\n";
    }
    ASSERT_EQ(kept.size(), 34u);
    EXPECT_EQ(s.dir.read("out.ndk"), ndk);

    // The listing: one row per event, in order, with the start of its region.
    int row = s.find(" |   date   |  lat |  long |     region      |") + 2;
    for (const Event& e : kept)
        EXPECT_NE(s.at(row++).find(e.lines[0].substr(56, 15)), std::string::npos) << e.date();
    EXPECT_EQ(s.at(row), " |-------------------------------------------|");

    // The table: its name, its header, then per event the catalogue's fields.
    const Lines table = splitLines(s.dir.read("out.tab"));
    ASSERT_EQ(table.size(), kept.size() + 2);
    for (std::size_t k = 0; k < kept.size(); ++k) {
        std::vector<std::string> f;
        std::istringstream in(table[k + 2]);
        for (std::string x; std::getline(in, x, '\t');) {
            x = words(x).empty() ? "" : x.substr(x.find_first_not_of(' '));
            if (x.size() > 1 && x.front() == '\'') x = x.substr(1, x.size() - 2);
            f.push_back(x);
        }
        ASSERT_EQ(f.size(), 70u) << table[k + 2];
        const Lines& ev = kept[k].lines;
        EXPECT_EQ(f[1] + " " + f[2], ev[0].substr(5, 21));
        EXPECT_EQ(f[9], ev[1].substr(0, 16));
        auto cat = words(ev[3]), five = words(ev[4]);
        cat.insert(cat.end(), five.begin(), five.end());
        for (std::size_t j = 0; j < cat.size(); ++j)
            EXPECT_TRUE(same(f[37 + j], cat[j])) << kept[k].date() << " field " << 38 + j;
    }

    // The Si-Sh file: a header and 34 records from each map, plane 1 then plane 2.
    const Lines sish = splitLines(s.dir.read("sish.txt"));
    ASSERT_EQ(sish.size(), 70u);
    EXPECT_EQ(sish[35], sish[0]);
    expectSiSh(Lines(sish.begin() + 1, sish.begin() + 35), kept, 0);
    expectSiSh(Lines(sish.begin() + 36, sish.end()), kept, 1);

    // The plot files: pages, trailer, and the wider lines only where 330 set them.
    EXPECT_EQ(s.dir.read("pslib7_ini.txt"), "  F   1 P    2\n    \n");
    const std::string wide = "1.42 setlinewidth";
    EXPECT_NE(s.dir.read("seis.ps").find(wide), std::string::npos);
    EXPECT_EQ(s.dir.read("seis.map.ps").find(wide), std::string::npos);
    for (const auto& [name, pages] :
         {std::pair{"seis.ps", 1}, std::pair{"seis.map.ps", 1}, std::pair{"fps_bb.ps", 2}}) {
        const Lines ps = splitLines(s.dir.read(name));
        ASSERT_GE(ps.size(), 3u) << name;
        EXPECT_EQ(slice(ps, static_cast<int>(ps.size()) - 3, 3),
                  (Lines{"%%Trailer", "%%Pages:   " + std::to_string(pages), "%%EOF"}))
            << name;
        expectRenders(s.dir.file(name), "", pages);
    }
}

}  // namespace
}  // namespace tensova::test

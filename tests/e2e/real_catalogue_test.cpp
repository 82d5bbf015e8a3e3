// Each selection test on the real monthly catalogue of January 2015 (210 events), set from the
// menus as a user does it, against counts made without the program.
//
// The expected counts come from awk over the file's fixed columns (in double precision), run
// once when this test was written. Per event (five lines), with l = (NR-1)%5:
//   l==0: lat=substr($0,27,7)  lon=substr($0,34,8)  depth=substr($0,42,6)
//   l==3: component j (0..5) value substr($0,3+13*j,7), error substr($0,10+13*j,6);
//         m += w*v*v, d += w*e*e with w 1 for j<3 and 2 otherwise; nfree counts e >= 0.001
//   l==4: T=substr($0,4,8) B=substr($0,19,8) P=substr($0,34,8) rake1=substr($0,64,5)
//         rake2=substr($0,76,5); fclvd = -B/max(|T|,|P|); erel = sqrt(d/m)
// then a plain count of the condition, e.g. `awk '$1>=-25 && $1<=15' | wc -l`.
// For the great-circle polygons the count does not use vectors: a quadrangle whose sides are
// meridians keeps the longitudes between them, and its edge through the corners (l1, phi) and
// (l2, phi) lies at latitude atan(tan(phi) cos(lon - (l1+l2)/2) / cos((l2-l1)/2)) at longitude
// lon; a region bounded by the equator and two meridians keeps lat >= 0 and the longitudes
// between, and its antipodal region lat <= 0 and the longitudes opposite. Straight edges keep
// the plain longitude-latitude box. Every bound was chosen at least 0.01 degrees away from any
// event (0.0003 for the quality limits) except where the boundary itself is tested: depths of
// exactly 10 and 35 km and rakes of exactly 60, 120, 150 and 180 degrees are kept.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/run_binary.hpp"

namespace tensova {
namespace {

using test::findLine;
using test::splitLines;
using test::TempDir;
using Lines = std::vector<std::string>;

const std::string kRealFile = std::string(TENSOVA_REAL_DATA) + "/gcmt_2015-01_jan15.ndk";

// The nine vertices of the northern region from 150 east to 150 west, up to the pole and down
// again, in a polygon file (great circles).
const std::string kNine =
    "9 1\n150 0\n170 0\n-170 0\n-150 0\n-150 30\n-150 60\n0 90\n150 60\n150 30\n";

// The cases, their answers and counts are the rows of a table of tests/data.
TEST(RealCatalogue, EachTestKeepsTheIndependentCount) {
    if (!std::filesystem::exists(kRealFile))
        GTEST_SKIP() << "real catalogue " << kRealFile << " is absent";
    const auto cases = test::tableRows("real_selections.txt", ';');
    ASSERT_EQ(cases.size(), 20u);
    // A copy, never a link: a run that went astray and wrote to the name must not reach the
    // shared file.
    const std::string real = test::readFile(kRealFile);
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("jan15.ndk", real);
        dir.write("nine.txt", kNine);
        std::string answers;
        std::istringstream in(c.at(1));
        for (std::string a; in >> a;) answers += a + "\n";
        const auto r = test::runTensova(
            "\n1000\n100\n10\ny\n" + answers + "99\n1001\njan15.ndk\n9999\n", dir.path());
        EXPECT_EQ(r.status, 0) << c[0];
        const Lines lines = splitLines(r.out);
        char counts[64];
        std::snprintf(counts, sizeof counts, " | Nb of data |        210 | %10d |",
                      std::stoi(c.at(2)));
        EXPECT_GE(findLine(lines, counts), 0) << c[0] << ": expected " << c[2] << " kept";
        if (c.size() > 3 && !c[3].empty()) {
            EXPECT_GE(findLine(lines, " " + c[3]), 0) << c[0] << ": " << c[3];
        }
        EXPECT_EQ(findLine(lines, " ===> HIT RETURN TO CONTINUE"), -1) << c[0];
    }
}

}  // namespace
}  // namespace tensova

// Stress symbols: where each arrow and bar lies for each regime and symbol type (a table of
// tests/data, which works the places out), and the set-up of their sizes and types.

#include "seismo/shmax_symbols.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "plot/attributes.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/plot_fixture.hpp"

namespace tensova::test {
namespace {

TEST(ShmaxSymbols, PairsByRegimeAndType) {
    const auto cases = tableRows("shmax_pairs.txt", ';');
    ASSERT_EQ(cases.size(), 6u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at(0));
        const auto n = numbers(c.at(0));
        const int32_t isv = int32_t(n.at(0));
        PlotDocument doc("\n\n");
        matrixMap(10, 8, 2.5f, 0, 0, 2.5f);
        mapshpar = {0.4f, 0.13f, int32_t(n.at(2)), int32_t(n.at(1))};
        plt2blk.symbsize = 0.7f;
        plt2blk.symbtype = 5;
        const float x = 0, y = 0, az = rad(float(n.at(3)));
        dmapsh2(&x, &y, &az, &isv, 1);
        EXPECT_EQ(plt2blk.symbsize, 0.7f);
        EXPECT_EQ(plt2blk.symbtype, 5);
        const auto got = paths(doc.finish());
        std::istringstream polygons(c.at(1));
        std::size_t k = 0;
        for (std::string polygon; std::getline(polygons, polygon, '/'); ++k) {
            const auto want = numbers(polygon);
            ASSERT_LT(k, got.size()) << c[0];
            EXPECT_TRUE(got[k].filled) << c[0];
            ASSERT_EQ(got[k].points.size(), want.at(0)) << c[0] << " polygon " << k;
            expectNear(got[k].points[0], toDevice({float(want.at(1)), float(want.at(2))}),
                       c[0] + " polygon " + std::to_string(k));
        }
        EXPECT_EQ(got.size(), k) << c[0];
        const auto out = splitLines(doc.console.output());
        EXPECT_EQ(countLines(out, " isv outside [1,3]"), isv == 0 ? 2 : 0) << c[0];
        EXPECT_EQ(countLines(out, " data nb =    1"), isv == 0 ? 2 : 0) << c[0];
        EXPECT_EQ(findLine(out, " => will plot bars for Shmin") != -1, isv == 0) << c[0];
    }
}

TEST(ShmaxSymbols, SettingsByMode) {
    ConsoleCapture cap("\n\n\n10\n0\n30\n5\n40\n2\n99\n");
    float major = 1, minor = 1;
    int32_t epi = 3, isha = 1;
    smapsh2(major, minor, epi, isha, 5);
    EXPECT_TRUE(mapshpar.sizmaxa == 0.4f && mapshpar.sizmina == 0.13f && mapshpar.epitype == -1 &&
                mapshpar.isha == 0);
    // Bad values from the caller are reset, the minor size to 0.2.
    major = -1, minor = 0, isha = 7, epi = 44;
    smapsh2(major, minor, epi, isha, 1);
    EXPECT_TRUE(major == 0.4f && minor == 0.2f && isha == 0 && mapshpar.epitype == 44);
    // A size of 0 entered in the menu is kept, with the epicentres' symbol 5; mode 3 reads them
    // back as they are.
    smapsh2(major, minor, epi, isha, 2);
    major = 5;
    smapsh2(major, minor, epi, isha, 3);
    EXPECT_EQ(major, 0.0f);
    EXPECT_EQ(epi, 5);
    EXPECT_EQ(isha, 2);
    expectGolden(cap.lines(), "shmax_settings.txt");
}

}  // namespace
}  // namespace tensova::test

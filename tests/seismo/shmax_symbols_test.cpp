// Stress symbols: where each arrow and bar lies for each regime and symbol type, and the
// set-up of their sizes and types.
//
// With 2.5 cm to the user unit, 5 cm are 2 user units: the major length a is 0.4 * 2 = 0.8
// and the minor length b is 0.13 * 2 = 0.26. A symbol starts 0.2 a = 0.16 from the epicentre;
// the half-width of a bar is 3/28 of its length.

#include "seismo/shmax_symbols.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "plot/attributes.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/plot_fixture.hpp"

namespace tensova::test {
namespace {

constexpr float kBar = 0.8f * 3 / 28, kMinorBar = 0.26f * 3 / 28;

TEST(ShmaxSymbols, PairsByRegimeAndType) {
    // Each polygon drawn: its vertex count and its first vertex, the tip of an arrow, the
    // corner (0, -half-width) of a bar in its own frame, the east point of the epicentre's
    // circle of 0.4 cm. The epicentre at the origin.
    using Polygon = std::array<float, 3>;
    const struct {
        int32_t isv, isha, epitype;
        float azimuth;  // degrees
        std::vector<Polygon> polygons;
    } cases[] = {
        // Thrust, SHmax north: inward arrows along y, Shmin bars along x.
        {3, 0, 0, 0, {{7, 0, .16f}, {7, 0, -.16f}, {4, .16f, -kBar}, {4, -.16f, kBar}}},
        // Normal faulting, small SHmax: minor bars along y, outward arrows along x.
        {1, -1, 0, 0, {{4, kMinorBar, .16f}, {4, -kMinorBar, -.16f}, {7, -.96f, 0}, {7, .96f, 0}}},
        // Strike-slip, SHmax east, small Shmin: the outward arrows' bodies end 0.16 out.
        {2, 1, 0, 90, {{7, .16f, 0}, {7, -.16f, 0}, {7, 0, .42f}, {7, 0, -.42f}}},
        {3, 2, -1, 0, {{20, .08f, 0}, {7, 0, .16f}, {7, 0, -.16f}}},
        {1, -2, 0, 0, {{7, -.96f, 0}, {7, .96f, 0}}},
        // No regime: bars both ways, each pair with its warning.
        {0, 0, 0, 0, {{4, kBar, .16f}, {4, -kBar, -.16f}, {4, .16f, -kBar}, {4, -.16f, kBar}}},
    };
    for (const auto& c : cases) {
        PlotDocument doc("\n\n");
        matrixMap(10, 8, 2.5f, 0, 0, 2.5f);
        mapshpar = {0.4f, 0.13f, c.epitype, c.isha};
        plt2blk.symbsize = 0.7f;
        plt2blk.symbtype = 5;
        const float x = 0, y = 0, az = rad(c.azimuth);
        dmapsh2(&x, &y, &az, &c.isv, 1);
        EXPECT_EQ(plt2blk.symbsize, 0.7f);
        EXPECT_EQ(plt2blk.symbtype, 5);
        const auto got = paths(doc.finish());
        const std::string what = "isv " + std::to_string(c.isv) + " isha " + std::to_string(c.isha);
        ASSERT_EQ(got.size(), c.polygons.size()) << what;
        for (std::size_t k = 0; k < got.size(); ++k) {
            EXPECT_TRUE(got[k].filled) << what;
            ASSERT_EQ(got[k].points.size(), c.polygons[k][0]) << what << " polygon " << k;
            expectNear(got[k].points[0], toDevice({c.polygons[k][1], c.polygons[k][2]}),
                       what + " polygon " + std::to_string(k));
        }
        const auto out = splitLines(doc.console.output());
        EXPECT_EQ(countLines(out, " isv outside [1,3]"), c.isv == 0 ? 2 : 0) << what;
        EXPECT_EQ(findLine(out, " => will plot bars for Shmin") != -1, c.isv == 0) << what;
    }
}

TEST(ShmaxSymbols, SettingsByMode) {
    ConsoleCapture cap("\n\n\n10\n0\n40\n2\n99\n");
    float major = 1, minor = 1;
    int32_t epi = 3, isha = 1;
    smapsh2(major, minor, epi, isha, 5);
    EXPECT_TRUE(mapshpar.sizmaxa == 0.4f && mapshpar.sizmina == 0.13f && mapshpar.epitype == -1 &&
                mapshpar.isha == 0);
    // Bad values from the caller are reset, the minor size to 0.2.
    major = -1, minor = 0, isha = 7, epi = 44;
    smapsh2(major, minor, epi, isha, 1);
    EXPECT_TRUE(major == 0.4f && minor == 0.2f && isha == 0 && mapshpar.epitype == 44);
    // A size of 0 entered in the menu is kept; mode 3 reads it back as it is.
    smapsh2(major, minor, epi, isha, 2);
    major = 5;
    smapsh2(major, minor, epi, isha, 3);
    EXPECT_EQ(major, 0.0f);
    EXPECT_EQ(isha, 2);
    expectGolden(cap.lines(), "shmax_settings.txt");
}

}  // namespace
}  // namespace tensova::test

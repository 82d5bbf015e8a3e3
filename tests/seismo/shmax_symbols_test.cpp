// Stress symbols: where each arrow and bar lies for each regime and symbol type, and the
// set-up of their sizes and types.
//
// With 2.5 cm to the user unit, 5 cm are 2 user units: the major length a is 0.4 * 2 = 0.8
// and the minor length b is 0.13 * 2 = 0.26. A symbol starts 0.2 a = 0.16 from the epicentre;
// the half-width of a bar is 3/28 of its length.

#include "seismo/shmax_symbols.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "mapdraw/grid.hpp"
#include "mapdraw/projection_menu.hpp"
#include "plot/attributes.hpp"
#include "plot/plot_blocks.hpp"
#include "plot/plot_fixture.hpp"
#include "projection/projection.hpp"
#include "seismo/principal_axes.hpp"

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

// The default map (Mercator, the default grid scaled into the page) with the symbols of six
// mechanisms, whose SHmax azimuths come from an independent computation (the Aki-Richards
// axes of each plane, python3): on the page each pair lies along its azimuth, north up.
TEST(ShmaxSymbols, MapPageOfSixMechanisms) {
    const struct {
        float lon, lat, strike, dip, rake, shmax;
    } events[] = {
        {-50, 45, 30, 60, 45, 330.105f},  {0, 45, 120, 70, -30, 82.056f},
        {50, 45, 200, 50, 150, 71.467f},  {-50, -20, 310, 20, 95, 35.300f},
        {0, -20, 75, 35, -100, 263.219f}, {50, -20, 150, 80, 10, 104.136f},
    };
    PlotDocument doc;
    int32_t iproj = 0;
    sprojll2(iproj, 5);
    float f[7] = {};
    int32_t k[4] = {};
    sllgrid3(f[0], f[1], f[2], f[3], f[4], f[5], k[0], f[6], k[1], k[2], k[3], 5);
    float major = 0, minor = 0;
    int32_t epi = 0, isha = 0;
    smapsh2(major, minor, epi, isha, 5);
    float xmin = 0, ymin = 0, xmax = 0, ymax = 0, x0 = 2, y0 = 2, width = 17, height = 26;
    int32_t iso = 1;
    extrllgrid(xmin, ymin, xmax, ymax);
    sus2cm3(x0, y0, width, height, xmin, xmax, ymin, ymax, iso, 1);
    drawllgrid();
    std::vector<Point> centres;
    for (const auto& e : events) {
        float x = rad(e.lon), y = rad(e.lat);
        projlln(&x, &y, &x, &y, 1);
        std::array<float, 3> az{}, pl{};
        fsadr2steff(az, pl, rad(e.strike), rad(e.dip), rad(e.rake), 0);
        float azshmax = 0;
        int32_t isv = 0;
        siap2sv(&azshmax, &isv, &az[0], &pl[0], &az[1], &pl[1], &az[2], &pl[2], 0, 1);
        EXPECT_NEAR(deg(azshmax), e.shmax, 0.01f) << e.strike;
        dmapsh2(&x, &y, &azshmax, &isv, 1);
        centres.push_back(toDevice({x, y}));
    }
    doc.finish();
    expectRenders(doc.path);
    const Image page = renderImage(doc.path);
    ASSERT_GT(page.width, 0);
    // The middle of a symbol (0.6 of the 2 cm major length out) is in the light grey of the
    // default fill, the diagonal between two pairs is not.
    const auto filled = [&](Point c, float azimuth) {
        const float r = 0.6f * 2 * 28.35f, t = rad(azimuth);
        const auto rgb = page.at(c[0] + r * std::sin(t), c[1] + r * std::cos(t));
        return std::abs(rgb[0] - 204) < 20 && rgb[1] == rgb[0] && rgb[2] == rgb[0];
    };
    for (std::size_t i = 0; i < centres.size(); ++i) {
        for (const float turn : {0, 90, 180, 270})
            EXPECT_TRUE(filled(centres[i], events[i].shmax + turn)) << i << " " << turn;
        EXPECT_FALSE(filled(centres[i], events[i].shmax + 45)) << i;
    }
}

}  // namespace
}  // namespace tensova::test

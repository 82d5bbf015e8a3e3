// Stereonet projections against textbook radii, and the set-up of the projection number.

#include "seismo/stereonet_projection.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "console/console.hpp"
#include "numeric/angles.hpp"
#include "support/console_capture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

class NetTest : public ::testing::Test {
  protected:
    void SetUp() override { trigoset(); }
    // A fresh console whose keyboard holds the given lines.
    void keyboard(const std::string& text) {
        cap.reset();
        cap = std::make_unique<ConsoleCapture>(text);
    }
    Lines lines() { return splitLines(cap->output()); }

    std::unique_ptr<ConsoleCapture> cap = std::make_unique<ConsoleCapture>();
};

// Direct axes (x north, y east) from the textbook radii, theta = 90 - plunge the angle from the
// vertical: Schmidt r = sqrt(2) sin(theta/2), Wulff r = tan(theta/2); x = r cos az, y = r sin az
// (python3, double precision). Retrograde axes swap x and y.
TEST_F(NetTest, ReferenceDirections) {
    const struct {
        float az, pl;
        float xs, ys, xw, yw;  // Schmidt, Wulff; NAN: beyond any plot
    } cases[] = {{0, 0, 1.0f, 0.0f, 1.0f, 0.0f},
                 {90, 0, 0.0f, 1.0f, 0.0f, 1.0f},
                 {30, 45, 0.4686896f, 0.2705981f, 0.3587195f, 0.2071068f},
                 {150.1f, 4.56f, -0.8317227f, 0.4782618f, -0.8005098f, 0.4603135f},
                 {245.93f, 51.87f, -0.1884032f, -0.4217729f, -0.1409526f, -0.3155467f},
                 {200, -30, -1.1508837f, -0.4188874f, -1.6275954f, -0.5923963f},
                 {0, 90, 0.0f, 0.0f, 0.0f, 0.0f},
                 {300, -90, 0.7071068f, -1.2247449f, NAN, NAN}};
    for (const auto& c : cases) {
        const std::array<std::array<float, 2>, 4> want = {
            {{c.xw, c.yw}, {c.yw, c.xw}, {c.xs, c.ys}, {c.ys, c.xs}}};
        for (int32_t iproj = 1; iproj <= 4; ++iproj) {
            sspro(iproj, 1);
            // In place, as great circles are projected: x over az, y over pl.
            float x = rad(c.az), y = rad(c.pl);
            spron(&x, &y, &x, &y, 1);
            const auto& w = want[static_cast<std::size_t>(iproj - 1)];
            if (std::isnan(w[0])) {
                EXPECT_GT(std::hypot(x, y), 1e6f);  // straight up: far out on the other side
                continue;
            }
            EXPECT_NEAR(x, w[0], 1e-6) << "proj " << iproj << " az " << c.az << " pl " << c.pl;
            EXPECT_NEAR(y, w[1], 1e-6) << "proj " << iproj << " az " << c.az << " pl " << c.pl;
        }
    }
    float x = 5.0f, y = 6.0f, az = 0.0f, pl = rad(-30.0f);
    spron(&x, &y, &az, &pl, 0);
    EXPECT_EQ(x, 5.0f);
    EXPECT_EQ(y, 6.0f);
    float cmax = 90.0f;  // a net cut at the primitive keeps upward directions on it
    sschmidt(cmax, 1);
    spron(&x, &y, &az, &pl, 1);
    EXPECT_NEAR(y, 1.0f, 1e-6);
}

// The start-up gives projection 4 whatever the caller held, and the Schmidt net of 180 degrees.
TEST_F(NetTest, StartUpTranscript) {
    keyboard("");
    int32_t iproj = 1;
    sspro(iproj, 5);
    EXPECT_EQ(iproj, 4);
    EXPECT_EQ(sprojtype.iproj, 4);
    EXPECT_FLOAT_EQ(schmidtparams.cmax, anglerad(kPi));
    EXPECT_EQ(schmidtparams.factor, 1.4142135f);
    const Lines want =
        subHead("sspro") +
        Lines{" INITIALIZING STEREOGRAPHIC PROJECTION", " projection number =    4",
              " projection = Schmidt, retrograde X,Y axis"} +
        subHead("sschmidt") +
        Lines{" INITIALIZING SCHMIDT PROJECTION", " Azimuthal Equal Area (Lambert,1772)"};
    EXPECT_EQ(lines(), want);
}

// The menu on the stored number (shown at every output level), a refused answer, then the
// Wulff net with retrograde axes.
TEST_F(NetTest, MenuTranscript) {
    keyboard("7\n\n2\n");  // the refusal's box waits for one line
    sprojtype.iproj = 4;
    iocom.lwito = {true, false, false};
    int32_t iproj = 0;
    sspro(iproj, 2);
    EXPECT_EQ(iproj, 2);
    EXPECT_EQ(sprojtype.iproj, 2);
    EXPECT_FLOAT_EQ(wulfparams.cmax, anglerad(kPi));
    const std::string dashes = " " + std::string(43, '-');
    // clang-format off
    const Lines menu = subHead("sspro") + Lines{
        " STEREOGRAPHIC PROJECTION SET UP", " (azimuth,plunge) ---> (x,y) in plane", dashes,
        "           &&&&&&&&&&&&&             ", "            &&&&&&&&&&&              ",
        "              &&&&&#&                ", "                &&& .                ",
        "                     .               ", "      /***************.*************/",
        "     /                 .           / ", "    /                  |          /  ",
        "   /                   V         /   ", "  /                    #        /    ",
        " /*****************************/     ", dashes, " current projection number =    4",
        dashes, " Projection                   command", " Wulff = conformal = Inversion",
        "    direct     X,Y axis ............1", "    retrograde X,Y axis ............2",
        " Schmidt = Lambert Azimuthal equal area", "    direct     X,Y axis ............3",
        "    retrograde X,Y axis ............4", " " + std::string(43, '@')};
    // clang-format on
    const Lines tail = subHead("swulf") + Lines{" INITIALIZING WULFF PROJECTION",
                                                " Inversion or stereographic conformal"};
    const Lines out = lines();
    ASSERT_GE(out.size(), menu.size() + tail.size());
    EXPECT_EQ(Lines(out.begin(), out.begin() + menu.size()), menu);
    EXPECT_EQ(Lines(out.end() - tail.size(), out.end()), tail);
    EXPECT_NE(cap->output().find("outside"), std::string::npos) << "7 is refused";
}

// A projection number outside 1 to 4, found stored or met while projecting: an error box, then
// the menu offering the default net, so that an empty answer settles it.
TEST_F(NetTest, UnknownNumberLeadsToTheMenu) {
    const struct {
        const char* keyboard;
        bool projecting;
        int32_t chosen;
        const char *boxLine, *menuLine;
    } cases[] = {{"\n\n", false, 4, " iproj =    9", " current projection number =    9"},
                 {"\n3\n", true, 3, " iproj =     9", " current projection number =    4"}};
    for (const auto& c : cases) {
        keyboard(c.keyboard);
        sprojtype.iproj = 9;
        float x = 0.0f, y = 0.0f, az = rad(90.0f), pl = 0.0f;
        int32_t iproj = 0;
        if (c.projecting)
            spron(&x, &y, &az, &pl, 1);
        else
            sspro(iproj, 3);
        EXPECT_EQ(sprojtype.iproj, c.chosen);
        const Lines out = lines();
        const auto box = std::find(out.begin(), out.end(), c.boxLine);
        ASSERT_NE(box, out.end()) << cap->output();
        EXPECT_EQ(*(box + 1), " NO SUCH PROJECTION AVALAIBLE");
        EXPECT_NE(std::find(box, out.end(), c.menuLine), out.end());
        if (c.projecting) {
            EXPECT_NEAR(y, 1.0f, 1e-6);  // projection 3: direct axes
        }
    }
}

}  // namespace
}  // namespace tensova::test

// The map driver called as the main menu calls it, with the Si-Sh switch on but no Si-Sh file
// open, and a plunge threshold that flags the second event.

#include "seismo/seismicity_map.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/files.hpp"
#include "numeric/angles.hpp"
#include "plot/colour_table.hpp"
#include "plot/plot_life.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"
#include "support/transcript.hpp"

namespace tensova {
namespace {

TEST(SeismicityMap, NoSiShFileOneWarningAndTheMapIsDrawn) {
    test::InFolder here;
    // Threshold 60; no points, no overlays; RUN opens map.ps; the warning's pause; leave;
    // close the plot file.
    test::ConsoleCapture cap("400\n60\n343\nn\n340\nn\n1000\n\nmap.ps\n\n99\n\n");
    trigoset();
    initfio(1, 2);
    scolortable(5);
    float xd[2], yd[2];
    const float lon[2] = {0.0f, 10.0f}, lat[2] = {45.0f, 40.0f}, depth[2] = {12.0f, 30.0f};
    const float strike[2] = {30.0f, 30.0f}, dip[2] = {45.0f, 60.0f}, rake[2] = {90.0f, 45.0f};
    const char* texts = "2010/01/122010/01/13";
    const auto call = [&](int32_t mode) {
        mapseis4(xd, yd, lon, lat, depth, texts, 10, texts, 10, strike, dip, rake, 2, 2, 2, true, 1,
                 mode);
    };
    call(5);
    call(0);
    plend();
    // One warning; 30/60/45 has its steepest axis at 51.9 degrees: flagged, as event 2.
    test::expectGolden(cap.lines(), "seismicity_map.txt");
    const std::vector<std::string> ps = test::splitLines(test::readFile("map.ps"));
    EXPECT_EQ(test::countLines(ps, "(Number of data: 2) show"), 1);
    EXPECT_GE(test::countLines(ps, "closepath gsave"), 2);
}

}  // namespace
}  // namespace tensova

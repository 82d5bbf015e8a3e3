// The listing of the stored events, as both of its callers show it.

#include "catalogue/listing.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "catalogue/store.hpp"
#include "support/console_capture.hpp"

namespace tensova {
namespace {

const Stamp kMain("tensova", " 9.0", "01-06-2010");
const std::string kRule = " |-------------------------------------------|";
const std::string kTitle = " |               EXTRACTED DATA              |";

// The main menu's head and the frame above the table, then the given lines.
std::vector<std::string> mainFrame(const std::vector<std::string>& rest) {
    std::vector<std::string> lines = {" @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                                      " @ main program tensova    ",
                                      " @==========================================",
                                      kRule,
                                      kTitle,
                                      kRule};
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

template <std::size_t N>
void put(Text<N>& t, std::string_view s) {
    std::memset(t.data(), ' ', N);
    std::memcpy(t.data(), s.data(), std::min(N, s.size()));
}

void event(std::size_t i, std::string_view date, float lat, float lon, std::string_view region) {
    put(gcmtblk.date1[i], date);
    gcmtblk.rlat[i] = lat;
    gcmtblk.rlong[i] = lon;
    put(gcmtblk.region[i], region);
}

TEST(Listing, RowsOfTheStoredEvents) {
    test::ConsoleCapture cap;
    gcmtblk.dataType = kNdkData;
    gcmtblk.count = 5;
    event(0, "2005/01/01", 13.78f, -88.78f, "NEAR COAST OF REGION");
    event(1, "01/01/05", -29.0f, -177.6f, "KERMADEC ISLANDS REGION");
    event(2, "1999/12/31", 0.4f, -0.4f, "FIJI");
    event(3, "2000/01/01", -90.0f, -180.0f, "SOUTH POLE");
    event(4, "2000/01/02", -29.5f, 2.5f, "TIES");
    event(5, "not listed", 1.0f, 1.0f, "BEYOND THE COUNT");
    listgcmt(ListingHead::MainMenu, kMain, 1100);
    const std::vector<std::string> want = mainFrame({
        " |   date   |  lat |  long |     region      |",
        kRule,
        " | 2005/01/ |  14. |  -89. | NEAR COAST OF R |",
        " | 01/01/05 | -29. | -178. | KERMADEC ISLAND |",
        " | 1999/12/ |   0. |    0. | FIJI            |",
        " | 2000/01/ | -90. | -180. | SOUTH POLE      |",
        " | 2000/01/ | -30. |    3. | TIES            |",
        kRule,
    });
    EXPECT_EQ(cap.lines(), want);
    for (const std::string& l : want)
        if (l[1] == '|') {
            EXPECT_EQ(l.size(), 46u) << l;
        }
}

TEST(Listing, DekStoreWithoutEventsShowsTheFrameOnly) {
    test::ConsoleCapture cap;
    gcmtblk.dataType = kDekData;
    gcmtblk.count = 0;
    listgcmt(ListingHead::SubMenu, Stamp("gcmtwrite", " 2.2", "22-09-2009"), 1100);
    const auto lines = cap.lines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], " @ subroutine gcmtwrite  ");
    EXPECT_EQ(lines[6], " |   date   |  lat |  long |     region      |");
    EXPECT_EQ(lines[7], kRule);
    EXPECT_EQ(lines[8], kRule);
}

TEST(Listing, NoDataGivesTheWarningBox) {
    test::ConsoleCapture cap("\n");
    gcmtblk.dataType = kNoData;
    gcmtblk.count = 0;
    listgcmt(ListingHead::MainMenu, kMain, 1100);
    const std::string slashes = " " + std::string(43, '/');
    const std::vector<std::string> want = mainFrame({
        slashes,
        " ///        subroutine tensova           ///",
        " ///               WARNING               ///",
        slashes,
        " DATA TYPE ID =      0",
        " COMMAND      =   1100",
        " NO LISTING PROCEDURE FOR THIS",
        " ==> NO ACTION",
        " ===> HIT RETURN TO CONTINUE",
        slashes,
        kRule,
    });
    EXPECT_EQ(cap.lines(), want);
}

}  // namespace
}  // namespace tensova

// Si-Sh records keep their columns: a value too wide for its field fills it with asterisks,
// texts are cut or padded to 10, the sign of a flagged index is dropped, and an SHmax of 270
// degrees is written as 90. (The worked examples are checked through the program itself.)

#include "seismo/sish_file.hpp"

#include <gtest/gtest.h>

#include <string>

#include "numeric/angles.hpp"

namespace tensova {
namespace {

TEST(SishFile, FieldsKeepTheirColumns) {
    trigoset();
    SishEvent e;
    e.date = "2010/01/12T";
    e.time = "1:2";
    e.lat = -123.456f, e.lon = 12345.5f, e.depth = 12345.0f;
    e.strike = 99999.0f, e.dip = -100.0f, e.rake = -1000.0f;
    e.isv = -3;
    e.azshmax = rad(270.0f);
    std::string r;
    appendSishRecord(r, e);
    EXPECT_EQ(r,
              " 2010/01/12        1:2 ****** ******* ***** ***** **** *****    0.0   0.0    0.0   "
              "0.0    0.0   0.0 3    90.0");
    EXPECT_EQ(sishHeader().size(), kSishWidth);
}

}  // namespace
}  // namespace tensova

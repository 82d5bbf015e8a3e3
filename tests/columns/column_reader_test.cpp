// The column file reader as the point menu calls it: records, the report, the failures that lead
// to the recovery menu, and the choices of that menu and of the read menu.

#include "columns/column_reader.hpp"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "columns/column_setup.hpp"
#include "console/text.hpp"
#include "console/units.hpp"
#include "support/console_capture.hpp"
#include "support/run_binary.hpp"

namespace tensova {
namespace {

using Lines = std::vector<std::string>;
using test::findLine;

constexpr float kUntouched = -7.5f;
constexpr int32_t kUnit = 12;

// The point menu's arguments: longitude and latitude into 1,000 rows of 2 columns.
struct PointFile {
    std::string title = fit("", 20);
    std::string fname = fit("", 40);
    int32_t ndisp = 4, iskip = 2, ititle = 1, iheader = 2;
    std::array<int32_t, 2> jacol{1, 2};
    std::array<int32_t, 2> jfcol{1, 2};
    std::array<std::string, 2> varnam{fit("X-long", 10), fit("Y-lat", 10)};
    int32_t nvar = 2;
    std::vector<float> rdat = std::vector<float>(2000, kUntouched);
    std::array<std::string, 2> rvarcolnam{fit("", 10), fit("", 10)};
    int32_t nread = -1;
    int32_t ncolmax = 0;
    int32_t ndim1 = 1000;

    int32_t read(int32_t inter) {
        return readreal6(title, fname, "long-lat data input", kUnit, ndisp, iskip, ititle, iheader,
                         jacol, jfcol, varnam, nvar,
                         std::span<float>(rdat.data(), static_cast<std::size_t>(ndim1) * 2),
                         rvarcolnam, nread, ncolmax, ndim1, 2, 1, inter);
    }
    std::pair<float, float> row(int k) const {
        return {rdat[static_cast<std::size_t>(k)], rdat[static_cast<std::size_t>(ndim1 + k)]};
    }
};

class ColumnReader : public ::testing::Test {
  protected:
    void SetUp() override { readrealsetup = Readrealsetup{}; }
};

TEST_F(ColumnReader, LongitudeLatitudeFileWithTheFullReport) {
    test::InFolder here;
    here.dir.write("sites.lonlat",
                   test::readFile(std::string(TENSOVA_TEST_DATA) + "/sites.lonlat"));
    test::ConsoleCapture cap("sites.lonlat\n99\n99\n\n");
    PointFile p;
    EXPECT_EQ(p.read(0), 0);
    EXPECT_EQ(p.nread, 3);
    EXPECT_EQ(p.row(0), std::make_pair(25.396f, 36.404f));
    EXPECT_EQ(p.row(1), std::make_pair(23.524f, 37.615f));  // a record over two lines
    EXPECT_EQ(p.row(2), std::make_pair(27.153f, 36.586f));
    EXPECT_EQ(p.row(3), std::make_pair(kUntouched, kUntouched));
    EXPECT_EQ(p.title, "Volcanoes of the Aeg");
    EXPECT_EQ(p.rvarcolnam, (std::array<std::string, 2>{"longitude ", "latitude  "}));
    EXPECT_EQ(p.ncolmax, 2);
    EXPECT_FALSE(unitIsOpen(kUnit));
    const Lines out = cap.lines();
    const int shown = findLine(out, " ==>Line nb:   1 = Header: Title ===========");
    ASSERT_GE(shown, 0);
    EXPECT_EQ(
        Lines(out.begin() + shown, out.begin() + shown + 9),
        (Lines{" ==>Line nb:   1 = Header: Title ===========", "   'Volcanoes of the Aegean arc'",
               " ==>Line nb:   2 = Header: Column names ====",
               "   'longitude'   'latitude'   'height'",
               " ==>Line nb:   3 = Data ====================", "    25.396    36.404    367",
               " ==>Line nb:   4 = Data ====================", "    23.524",
               " " + std::string(43, '=')}));
    const int rows = findLine(out, " |nb|   name   |nb|   name   |nb|   name   |");
    ASSERT_GE(rows, 0);
    EXPECT_EQ(out[static_cast<std::size_t>(rows + 2)],
              " | 1|X-long    | 1|longitude | 1|longitude | 1");
    EXPECT_EQ(out[static_cast<std::size_t>(rows + 3)],
              " | 2|Y-lat     | 2|latitude  | 2|latitude  | 2");
    const int report = findLine(out, " @ subroutine getfreal   ");
    ASSERT_GE(report, 0);
    EXPECT_EQ(Lines(out.begin() + report + 2, out.end()),
              (Lines{" Input file name: sites.lonlat", " Title: Volcanoes of the Aegean arc",
                     "     Number of variable status", " Could read up to:  99",
                     " Actually read   :   2", "         Array status             ",
                     " Could read up to:  1000 lines", " Actually read   :     3 lines",
                     " Can use up to   :   2 columns", " Actually used   :   2 columns",
                     " input file sites.lonlat closed", " " + std::string(43, '@')}));
}

// Bytes that are no column file, the same at every run.
std::string randomBytes() {
    std::mt19937 engine(20240519u);
    std::string s(4096, ' ');
    for (char& c : s) c = static_cast<char>(engine() & 0xffu);
    return s;
}

TEST_F(ColumnReader, RecordsAndFailuresOfTheSilentRead) {
    const std::string head = "'Stations'\n'lon' 'lat'\n";
    struct Case {
        const char* what;
        std::string content;
        int32_t ndim1, ititle, iheader;
        int32_t ierr, nread;
        std::vector<std::pair<float, float>> rows;  // the first rows afterwards
        std::string said;                           // a line of the transcript
    };
    const std::vector<std::pair<float, float>> none{{kUntouched, kUntouched}};
    const std::string stored = " Stored   2 variables and ";
    // clang-format off
    const Case cases[] = {
        {"split, surplus, blank", head + "1 2\n3\n\n4\n5 6 7\n8,9\n", 1000, 1, 2, 0, 4,
         {{1, 2}, {3, 4}, {5, 6}, {8, 9}}, stored + "    4 lines"},
        {"cut last record", head + "1 2\n3", 1000, 1, 2, 0, 1, {{1, 2}, none[0]}, ""},
        {"more than the array", head + "1 2\n3 4\n5 6\n", 2, 1, 2, 0, 2, {{1, 2}, {3, 4}},
         " The array size has been reached"},
        {"headers only", head, 1000, 1, 2, 0, 0, none, stored + "    0 lines"},
        {"no names line", "'T'\n\n1e1 -2.5D0\n", 1000, 1, 0, 0, 1, {{10, -2.5f}},
         " Name of column   2 File.col.2 "},
        {"bad value after good records", head + "1 2\n3 4\n5 x\n", 1000, 1, 2, 1, -1, none,
         " WHILE READING   3 th DATA LINE"},
        {"end of file before the names", "'T'\n", 1000, 1, 2, 1, -1, none,
         " WHILE READING COLUMN HEADERS"},
        {"end of file in the skipped lines", "x\n", 1000, 0, 0, 1, -1, none,
         " WHILE READING   2 th HEADER LINE"},
        {"random bytes", randomBytes(), 1000, 1, 2, 1, -1, none, " Try again on same file ......1"}
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        readrealsetup = Readrealsetup{};
        test::InFolder here;
        here.dir.write("c.txt", c.content);
        // Every pause and the recovery menu take the same answer: the exit.
        std::string keyboard;
        for (int i = 0; i < 12; ++i) keyboard += "99\n";
        test::ConsoleCapture cap(keyboard);
        PointFile p;
        p.fname = fit("c.txt", 40);
        p.ndim1 = c.ndim1;
        p.ititle = c.ititle;
        p.iheader = c.iheader;
        EXPECT_EQ(p.read(1), c.ierr);
        EXPECT_EQ(p.nread, c.nread);
        for (std::size_t k = 0; k < c.rows.size(); ++k)
            EXPECT_EQ(p.row(static_cast<int>(k)), c.rows[k]) << k;
        const std::string out = cap.output();
        if (!c.said.empty()) {
            EXPECT_NE(out.find(c.said + "\n"), std::string::npos) << out;
        }
        // Nothing from the file drives the terminal.
        EXPECT_EQ(out.find_first_of(std::string("\0\r\x1b", 3)), std::string::npos);
        EXPECT_FALSE(unitIsOpen(kUnit));
    }
}

TEST_F(ColumnReader, RecoveryAndReadMenuChoices) {
    test::InFolder here;
    here.dir.write("bad.txt", "'T'\n'a' 'b'\n1 2\n3 none\n");
    here.dir.write("good.txt", "'T'\n'a' 'b'\n1 2\n3 4\n");
    struct Case {
        std::string keyboard;
        int32_t ierr;
        Lines said;  // in this order
        std::string absent;
    };
    // File, header menu, correspondence menu, read menu; pauses of the data error box and of
    // the recovery box, then the recovery choice.
    const std::string failedRead = "bad.txt\n99\n99\n\n\n\n";
    const std::string goodRead = "good.txt\n99\n99\n\n";
    const Case cases[] = {
        {failedRead + "1\n99\n99\n\n\n\n0\n" + goodRead,
         0,
         {" WHILE READING   2 th DATA LINE", " input file bad.txt rewound", " WHILE READING DATA",
          " IN FILE: bad.txt", " ------------------------------", " Try again on same file ......1",
          " New file ....................0", " Exit .......................99",
          " input file bad.txt rewound", " OF FILE: bad.txt", " input file bad.txt closed",
          " OF FILE: good.txt", " input file good.txt closed"},
         ""},
        {failedRead + "\n" + goodRead, 0, {" input file bad.txt closed", " OF FILE: good.txt"}, ""},
        {failedRead + "99\n", 1, {" WHILE READING DATA", " input file bad.txt closed"}, ""},
        {"good.txt\n99\n99\n99\n",
         1,
         {" EXITING WITHOUT READING DATA FILE", " input file good.txt closed"},
         ""},
        {"good.txt\n99\n99\n5\n\n99\n",
         1,
         {" Default =         1000", " IN FILE: good.txt", " input file good.txt closed"},
         " " + std::string(43, '*') + "\n " + std::string(43, '*')}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keyboard);
        readrealsetup = Readrealsetup{};
        test::ConsoleCapture cap(c.keyboard);
        PointFile p;
        EXPECT_EQ(p.read(0), c.ierr);
        const Lines out = cap.lines();
        int at = 0;
        for (const std::string& line : c.said) {
            at = findLine(out, line, at);
            ASSERT_GE(at, 0) << line;
        }
        if (!c.absent.empty()) {
            EXPECT_EQ(cap.output().find(c.absent), std::string::npos);
        }
        EXPECT_EQ(p.row(0), c.ierr == 0 ? std::make_pair(1.0f, 2.0f)
                                        : std::make_pair(kUntouched, kUntouched));
        EXPECT_FALSE(unitIsOpen(kUnit));
    }
}

TEST_F(ColumnReader, DefaultsOpenNoFile) {
    test::ConsoleCapture cap;
    PointFile p;
    EXPECT_EQ(p.read(5), 0);
    EXPECT_EQ(std::make_tuple(readrealsetup.ndisp, readrealsetup.iskip, readrealsetup.ititle,
                              readrealsetup.iheader, readrealsetup.nvar),
              std::make_tuple(3, 2, 1, 2, 0));
    EXPECT_EQ(p.nvar, 0);
    EXPECT_EQ(p.rvarcolnam, (std::array<std::string, 2>{"Nodata.1  ", "Nodata.2  "}));
    const Lines out = cap.lines();
    EXPECT_GE(findLine(out, " INITIALIZING INPUT FILE TYPE"), 0);
    EXPECT_GE(findLine(out, " Input file not yet open"), 0);
    EXPECT_FALSE(unitIsOpen(kUnit));
}

}  // namespace
}  // namespace tensova

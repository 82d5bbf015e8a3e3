// The column file reader as the point menu calls it: records, the report, the failures that lead
// to the recovery menu, and the choices of that menu and of the read menu; and the header set-up
// and the correspondence dialog called on their own.

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "columns/column_reader.hpp"
#include "columns/column_setup.hpp"
#include "columns/correspondence.hpp"
#include "columns/header_lines.hpp"
#include "console/fields.hpp"
#include "console/text.hpp"
#include "console/units.hpp"
#include "support/console_capture.hpp"
#include "support/transcript.hpp"

namespace tensova::test {
namespace {

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

// Pauses of the boxes and the menu all take the same answer: the exit.
std::string exits(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "99\n";
    return s;
}

// Every test starts from the reader's set-up of a fresh run.
class Columns : public ::testing::Test {
  protected:
    void SetUp() override { readrealsetup = Readrealsetup{}; }
};

TEST_F(Columns, LongitudeLatitudeFileWithTheFullReport) {
    InFolder here;
    here.dir.write("sites.lonlat", testData("sites.lonlat"));
    ConsoleCapture cap("sites.lonlat\n99\n99\n\n");
    PointFile p;
    EXPECT_EQ(p.read(0), 0);
    EXPECT_EQ(p.nread, 3);
    // The second record runs over two lines.
    EXPECT_EQ((std::array{p.row(0), p.row(1), p.row(2), p.row(3)}),
              (std::array{std::pair(25.396f, 36.404f), std::pair(23.524f, 37.615f),
                          std::pair(27.153f, 36.586f), std::pair(kUntouched, kUntouched)}));
    EXPECT_EQ(p.title, "Volcanoes of the Aeg");
    EXPECT_EQ(p.rvarcolnam, (std::array<std::string, 2>{"longitude ", "latitude  "}));
    EXPECT_EQ(p.ncolmax, 2);
    EXPECT_FALSE(unitIsOpen(kUnit));
    // The file, header, correspondence and read menus, then the report.
    expectGolden(cap.lines(), "column_read.txt");
}

// Bytes that are no column file, the same at every run.
std::string randomBytes() {
    std::mt19937 engine(20240519u);
    std::string s(4096, ' ');
    for (char& c : s) c = static_cast<char>(engine() & 0xffu);
    return s;
}

TEST_F(Columns, RecordsAndFailuresOfTheSilentRead) {
    const auto cases = tableRows("column_reads.txt", ';');
    ASSERT_EQ(cases.size(), 12u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at(0));
        const auto set = numbers(c.at(2)), got = numbers(c.at(3)), rows = numbers(c.at(4));
        readrealsetup = Readrealsetup{};
        InFolder here;
        here.dir.write("c.txt", c.at(1) == "random" ? randomBytes() : c[1]);
        // Every pause and the recovery menu take the same answer: the exit.
        ConsoleCapture cap(exits(12));
        PointFile p;
        p.fname = fit("c.txt", 40);
        p.ndim1 = int32_t(set.at(0)), p.ititle = int32_t(set.at(1)), p.iheader = int32_t(set.at(2));
        if (set.size() > 3) p.ndisp = int32_t(set[3]);
        EXPECT_EQ(std::tuple(p.read(1), p.nread),
                  std::tuple(int32_t(got.at(0)), int32_t(got.at(1))));
        for (std::size_t k = 0; 2 * k < rows.size(); ++k)
            EXPECT_EQ(p.row(static_cast<int>(k)),
                      std::pair(float(rows[2 * k]), float(rows[2 * k + 1])))
                << k;
        const std::string out = cap.output();
        for (std::size_t k = 5; k < c.size(); ++k)
            EXPECT_TRUE(c[k].empty() || countLines(cap.lines(), c[k]) > 0) << out;
        // Nothing from the file drives the terminal.
        EXPECT_EQ(out.find_first_of(std::string("\0\r\x1b", 3)), std::string::npos);
        EXPECT_FALSE(unitIsOpen(kUnit));
    }
}

TEST_F(Columns, RecoveryAndReadMenuChoices) {
    InFolder here;
    here.dir.write("bad.txt", "'T'\n'a' 'b'\n1 2\n3 none\n");
    here.dir.write("good.txt", "'T'\n'a' 'b'\n1 2\n3 4\n");
    here.dir.write("names.txt", "'T'\n'open\n1 2\n3 4\n");
    // File, header menu, correspondence menu, read menu; pauses of the data error box and of
    // the recovery box, then the recovery choice: try again, a new file, the default, exit. Then
    // the read menu's exit, and a choice it does not know, then its exit. A number that neither
    // menu knows is asked again.
    const std::string failedRead = "bad.txt\n99\n99\n\n\n\n";
    const std::string goodRead = "good.txt\n99\n99\n\n";
    const std::pair<std::string, int32_t> cases[] = {
        {failedRead + "1\n99\n99\n\n\n\n0\n" + goodRead, 0},
        {failedRead + "\n" + goodRead, 0},
        {failedRead + "99\n", 1},
        {"good.txt\n99\n99\n99\n", 1},
        {"good.txt\n99\n99\n5\n99\n", 1},
        {failedRead + "7\n0\n" + goodRead, 0},
        {"names.txt\n99\n\n\n99\n\n99\n", 1}};  // names unreadable: two boxes, then exit
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& [keyboard, ierr] = cases[k];
        SCOPED_TRACE(keyboard);
        readrealsetup = Readrealsetup{};
        ConsoleCapture cap(keyboard);
        PointFile p;
        EXPECT_EQ(p.read(0), ierr);
        expectGolden(cap.lines(), "columns.txt#choices " + std::to_string(k));
        EXPECT_EQ(p.row(0),
                  ierr == 0 ? std::make_pair(1.0f, 2.0f) : std::make_pair(kUntouched, kUntouched));
        EXPECT_FALSE(unitIsOpen(kUnit));
    }
}

// A file refused and left through the recovery menu changes no setting: the caller's title,
// counts and names and the reader's own are as they were, the header lines typed for it
// included.
TEST_F(Columns, ARefusedFileLeftChangesNoSetting) {
    InFolder here;
    here.dir.write("bad.txt", "'T'\n'a' 'b'\n1 2\n3 none\n");
    // Three lines shown; the menus, the pauses of the two boxes, the exit.
    ConsoleCapture cap("bad.txt\n100\n3\n99\n99\n\n\n\n99\n");
    PointFile p;
    const auto settings = [&] {
        const Readrealsetup& b = readrealsetup;
        return std::tuple(p.title, p.ndisp, p.nvar, p.ncolmax, p.rvarcolnam, b.ndisp, b.nvar,
                          b.nfcol, b.jcol[0], b.namvar[0], b.namfcol[0], b.namfcol[1]);
    };
    const auto before = settings();
    EXPECT_EQ(p.read(0), 1);
    EXPECT_EQ(countLines(cap.lines(), " nb of lines to display in dialog.100   3"), 1);
    EXPECT_EQ(settings(), before);
    EXPECT_EQ(p.row(0), std::make_pair(kUntouched, kUntouched));
}

TEST_F(Columns, DefaultsOpenNoFile) {
    ConsoleCapture cap;
    PointFile p;
    EXPECT_EQ(p.read(5), 0);
    EXPECT_EQ(std::make_tuple(readrealsetup.ndisp, readrealsetup.iskip, readrealsetup.ititle,
                              readrealsetup.iheader, readrealsetup.nvar),
              std::make_tuple(3, 2, 1, 2, 0));
    EXPECT_EQ(p.nvar, 0);
    EXPECT_EQ(p.rvarcolnam, (std::array<std::string, 2>{"Nodata.1  ", "Nodata.2  "}));
    expectGolden(cap.lines(), "columns.txt#defaults");
    EXPECT_FALSE(unitIsOpen(kUnit));
}

TEST_F(Columns, HeaderDisplayMenuAndItsLimits) {
    InFolder here;
    const std::string wide(249, 'w');
    here.dir.write("h.txt", "'T' 'a' 'b'\n" + wide + "z\n1 2\n");
    ASSERT_TRUE(unitOpen(kUnit, "h.txt", OpenStatus::Old));
    // A negative count is refused; lowering the header below the title and names lines resets
    // them on leaving (two warning pauses).
    ConsoleCapture cap("110\n-1\n\n0\n99\n\n\n");
    int32_t ndisp = 3, iskip = 2, ititle = 1, iheader = 1;
    EXPECT_EQ(sfheader1(ndisp, iskip, ititle, iheader, fit("h.txt", 40), kUnit, 0), 0);
    EXPECT_EQ(std::make_tuple(ndisp, iskip, ititle, iheader), std::make_tuple(3, 0, 0, 0));
    EXPECT_EQ(std::make_tuple(readrealsetup.ndisp, readrealsetup.iskip, readrealsetup.ititle,
                              readrealsetup.iheader),
              std::make_tuple(3, 0, 0, 0));
    // A file shorter than the display ends it with a warning, rewound.
    EXPECT_EQ(showfhead1(fit("h.txt", 40), kUnit, 5, 2, 1, 2), 1);
    expectGolden(cap.lines(), "columns.txt#header display");
    std::string line;
    ASSERT_EQ(unitReadLine(kUnit, line), ReadResult::Ok);
    EXPECT_EQ(line, "'T' 'a' 'b'");
}

// The correspondence dialog at an edit level on the caller's entries, with no file open.
struct Correspondence {
    std::array<int32_t, 99> jcola{};
    std::array<int32_t, 99> jfcola{};
    std::array<std::string, 99> namvara;
    std::array<std::string, 2> namrcol{fit("", 10), fit("", 10)};
    int32_t nvar = 2;
    int32_t ncolmax = 0;
    Correspondence() {
        namvara.fill(fit("", 10));
        namvara[0] = fit("X-long", 10);
        namvara[1] = fit("Y-lat", 10);
        jcola[0] = jfcola[0] = 1;
        jcola[1] = jfcola[1] = 2;
    }
    Lines run(const std::string& keyboard, int32_t ilevel, int32_t capacity = 2) {
        ConsoleCapture cap(keyboard);
        const auto n = static_cast<std::size_t>(capacity);
        EXPECT_EQ(scol2var2(std::span(jcola).first(n), std::span(jfcola).first(n),
                            std::span(namvara).first(n), nvar, namrcol, ncolmax, 2, "p.txt", kUnit,
                            ilevel, 0),
                  0);
        return cap.lines();
    }
};

TEST_F(Columns, ColumnsAndCountsOutOfRangeAreReset) {
    Correspondence c;
    c.jfcola = {120, -3};
    c.jcola = {0, 5};
    c.run(exits(12), 1);
    EXPECT_EQ(std::make_pair(c.jfcola[0], c.jfcola[1]), std::make_pair(1, 1));
    EXPECT_EQ(std::make_pair(c.jcola[0], c.jcola[1]), std::make_pair(1, 2));
    EXPECT_EQ(c.ncolmax, 2);
    EXPECT_EQ(c.namrcol, (std::array<std::string, 2>{"File.col.1", "File.col.1"}));
    EXPECT_EQ(std::make_tuple(readrealsetup.nvar, readrealsetup.nfcol, readrealsetup.jcol[1]),
              std::make_tuple(2, 1, 2));
    for (const int32_t count : {-4, 7}) {
        SCOPED_TRACE("nvar " + std::to_string(count));
        Correspondence d;
        d.nvar = count;
        expectGolden(d.run(exits(12), 1), "columns.txt#nvar " + std::to_string(count));
        EXPECT_EQ(d.nvar, count < 0 ? 0 : 2);
    }
}

TEST_F(Columns, EditLevels) {
    // Level 0: rows without entry numbers; an entry number only shows the menu again.
    Correspondence c;
    expectGolden(c.run("\n\n1\n\n99\n", 0), "columns.txt#level 0");
    // Level 4: one more variable takes its defaults, the others keep theirs; then the last
    // one is moved to file column 7 and named.
    Correspondence d;
    d.jfcola[1] = 5;
    d.run("\n\n200\n3\n\n3\nDepth\n2\n7\n\n99\n", 4, 3);
    EXPECT_EQ(d.nvar, 3);
    EXPECT_EQ(d.jfcola[1], 5);
    EXPECT_EQ(std::make_tuple(d.jcola[2], d.jfcola[2], d.namvara[2]),
              std::make_tuple(2, 7, fit("Depth", 10)));
    EXPECT_EQ(readrealsetup.namvar[2], fit("Depth", 11));
    EXPECT_EQ(readrealsetup.nfcol, 7);
    // 99 variables: 99 leaves the menu rather than naming the last one.
    Correspondence e;
    e.nvar = 99;
    for (int k = 0; k < 99; ++k)
        e.jcola[static_cast<std::size_t>(k)] = 1, e.jfcola[static_cast<std::size_t>(k)] = k + 1;
    e.run("\n\n99\n", 1, 99);
    EXPECT_EQ(readrealsetup.nvar, 99);
}

// Listing type 1 shows the array's columns, each by its name, down to the last one, before the
// correspondence (each pass over the menu pauses at the header's box).
TEST_F(Columns, TheArrayStatusListsEveryArrayColumn) {
    const Lines want = {" |               ARRAY STATUS              |",
                        " |-----------------------------------------|",
                        " |  ARRAY col  |                           |",
                        " |-------------|---------------------------|",
                        " |nb|   name   |                           |",
                        " |--|----------|---------------------------|",
                        " | 1|File.col.1|",
                        " | 2|File.col.2|",
                        " |-----------------------------------------|",
                        " |          CORRESPONDANCE STATUS          |"};
    Correspondence c;
    EXPECT_EQ(block(c.run("\n\n300\n1\n\n99\n", 1), want), want);
}

}  // namespace
}  // namespace tensova::test

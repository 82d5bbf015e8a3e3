// Colour table files read from the colour table's menu: what is read, what is said, and a
// table left as it was by a file that could not be read to its end.

#include "plot/colour_table.hpp"

#include "plot_fixture.hpp"

namespace tensova::test {

struct ColourFile {
    std::string text;
    int32_t colours;
    int32_t slot;  // a slot set from the file: its name and red percentage
    std::string name;
    float red;
    bool refused = false;  // the table stays as it was, every slot and the number of colours
};

std::string records(int from, int to) {
    std::string s;
    for (int k = from; k <= to; ++k)
        s += std::to_string(k) + " 10 20 30 c" + std::to_string(k) + "\n";
    return s;
}

const ColourFile kFiles[] = {
    // Names quoted or not, a record going on across lines, a line past the last record.
    {"3\n0, 100, 100, 100, 'Paper white'\n1 0 0 0\nInk\n2 0 0 100 Blue\n3 100 0 0 \"Red\"\nx\n", 3,
     0, "Paper wh", 100},
    {"15\n" + records(0, 12), 12, 12, "c12", 10},  // more colours than the table holds
    // Slot 7 set twice: by the record for 20, then by its own.
    {"12\n" + records(0, 5) + "20 1 2 3 twenty\n" + records(7, 12), 12, 7, "c7", 10},
    {"2\n0 100 100 100 w\n1 120 -5 0 b\n2 0 0 0 k\n", 2, 1, "b", 100},  // percentages reset
    // Refused files: a value that is not a number, too few records, none, a cut last line
    // ("Bl" may be "Blue" cut short where a copy stopped), a count of 0. Nothing of them is
    // applied.
    {"2\n0 100 100 100 w\n1 zero 0 0 b\n", 12, 0, "White-bk", 100, true},
    {"4\n0 1 2 3 a\n1 0 0 0 b\n", 12, 1, "Black", 0, true},
    {"", 12, 2, "Red", 50, true},
    {"2\n0 100 100 100 w\n1 100 0 0 r\n2 0 0 100 Bl", 12, 2, "Red", 50, true},
    // A count of 0: the table holds one colour at the least, two records with the background,
    // and the file holds one.
    {"0\n0 0 0 0 ink\n", 12, 0, "White-bk", 100, true}};

// The whole table: the number of colours, then each slot's name and percentages.
std::string table() {
    std::string s = std::to_string(plt2blk.ncolor) + (psattributes.colorplot ? " colour" : " bw");
    for (std::size_t k = 0; k < kColourSlots; ++k)
        s += " " + pltcharblk.colornam[k] + std::to_string(psattributes.red[k]) +
             std::to_string(psattributes.green[k]) + std::to_string(psattributes.blue[k]);
    return s;
}

// The menu reads `text` as colours.txt on a table at its defaults; `before` is the table then.
struct ColourFileRead {
    explicit ColourFileRead(const std::string& text) {
        folder.dir.write("colours.txt", text);
        iocom.pauseOn = false;
        psattributes.fillcolor = 12;
        before = table();
        scolortable(0);
    }
    InFolder folder;
    std::string before;
    PlotDocument doc{"300\ncolours.txt\n99\n"};
};

TEST(ColourTable, ColourFiles) {
    // The menu offers the last file read as the next name: colours.txt read first makes that
    // default the same whatever this process ran before.
    ColourFileRead{kFiles[0].text};
    for (const ColourFile& f : kFiles) {
        SCOPED_TRACE(f.text);
        ColourFileRead read(f.text);
        PlotDocument& doc = read.doc;
        // What each file gives rise to is a part of the golden file, in the order of the files.
        expectGolden(doc.console.lines(),
                     "plot_life.txt#colour file " + std::to_string(&f - kFiles));
        const auto k = static_cast<std::size_t>(f.slot);
        EXPECT_TRUE(plt2blk.ncolor == f.colours && psattributes.colorplot);
        EXPECT_EQ(pltcharblk.colornam[k], fit(f.name, 8));
        EXPECT_EQ(psattributes.red[k], f.red);
        EXPECT_LE(psattributes.fillcolor, plt2blk.ncolor);  // the colours in use stay in the table
        EXPECT_EQ(table() == read.before, f.refused);
    }
}

}  // namespace tensova::test

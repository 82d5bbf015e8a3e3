// Colour table files read from the colour table's menu: what is read, what is said, and a
// table still in order after a file that could not be read to its end.

#include "plot/colour_table.hpp"

#include "plot_fixture.hpp"

namespace tensova::test {

struct ColourFile {
    std::string text;
    Lines said;  // in this order
    int32_t colours;
    int32_t slot;  // a slot set from the file: its name and red percentage
    std::string name;
    float red;
};

std::string records(int from, int to) {
    std::string s;
    for (int k = from; k <= to; ++k)
        s += std::to_string(k) + " 10 20 30 c" + std::to_string(k) + "\n";
    return s;
}

const Lines kRead = {" Input file colours.txt is closed", " Could read up to:   12 DATA"};

// clang-format off
const ColourFile kFiles[] = {
    // Names quoted or not, a record going on across lines, a line past the last record.
    {"3\n0, 100, 100, 100, 'Paper white'\n1 0 0 0\nInk\n2 0 0 100 Blue\n3 100 0 0 \"Red\"\nx\n",
     kRead + Lines{" Actually read   :    3 DATA"}, 3, 0, "Paper wh", 100},
    {"15\n" + records(0, 12), {" trying to set nb of color  =  15", " max nb of color  =  12",
     " ===> RESET nb of color =  12", " Actually read   :   12 DATA"}, 12, 12, "c12", 10},
    {"12\n" + records(0, 5) + "20 1 2 3 twenty\n" + records(7, 12), {" trying to set color nb =  20",
     " when nb of color  =  12", " ===> RESET nb of color =   7", " Actually read   :   12 DATA"},
     12, 7, "c7", 10},  // slot 7 set twice: by the record for 20, then by its own
    {"2\n0 100 100 100 w\n1 120 -5 0 b\n2 0 0 0 k\n", {" red (%) = 120. outside [ 0. , 100. ]", " ==> RESET green (%) = 0."},
     2, 1, "b", 100},
    {"2\n0 100 100 100 w\n1 zero 0 0 b\n",
     {" WHILE READING LINE NUMBER     3", " Input file colours.txt is closed"}, 2, 0, "w", 100},
    {"4\n0 1 2 3 a\n1 0 0 0 b\n",
     {" END OF FILE REACHED UNEXPECTEDLY", " WHILE READING LINE NUMBER     4"}, 4, 1, "b", 0},
    {"", {" END OF FILE REACHED UNEXPECTEDLY", " WHILE READING LINE NUMBER     1"}, 12, 2, "Red", 50},
};
// clang-format on

TEST(ColourTable, ColourFiles) {
    for (const ColourFile& f : kFiles) {
        SCOPED_TRACE(f.text);
        InFolder folder;
        folder.dir.write("colours.txt", f.text);
        PlotDocument doc("300\ncolours.txt\n99\n");
        iocom.pauseOn = false;
        psattributes.fillcolor = 12;
        scolortable(0);
        const Lines said = doc.console.lines();
        int at = 0;
        for (const auto& l : f.said) EXPECT_GE(at = findLine(said, l, at), 0) << l;
        const auto k = static_cast<std::size_t>(f.slot);
        EXPECT_TRUE(plt2blk.ncolor == f.colours && psattributes.colorplot);
        EXPECT_EQ(pltcharblk.colornam[k], fit(f.name, 8));
        EXPECT_EQ(psattributes.red[k], f.red);
        // The colours in use stay in the table, and the menu lists it again.
        EXPECT_LE(psattributes.fillcolor, plt2blk.ncolor);
        EXPECT_EQ(countLines(said, " " + std::string(kColourListHead)), 2);
    }
}

}  // namespace tensova::test

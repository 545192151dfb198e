// Enter and double-click conveniences of the grids, and the dotted-address
// splitter.

#include "gridkit/UComon.h"
#include "support/MemoryGrids.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::MemoryColumnGrid;

// Three data rows, three visible data columns and one hidden column.
MemoryColumnGrid threeByThree()
{
    return MemoryColumnGrid({{"a", "b", "c", "h"}, {"d", "e", "f", "h"}, {"g", "h", "i", "h"}}, {}, 1);
}

TEST(GridKeyPress, EnterMovesToTheNextVisibleCellAndWrapsToRowOne)
{
    struct Case
    {
        const char* name;
        bool option;
        int key;
        int column, row;
        bool consumed;
        int toColumn, toRow;
    };
    const Case cases[] = {
        {"next column", true, kEnterKey, 1, 1, true, 2, 1},
        {"last visible column goes to the next row", true, kEnterKey, 3, 1, true, 1, 2},
        {"last column of the last row goes to row 1", true, kEnterKey, 3, 3, true, 1, 1},
        {"no current cell: consumed, nothing moves", true, kEnterKey, 0, 0, true, 0, 0},
        {"another key passes", true, 'a', 1, 1, false, 1, 1},
        {"option off: Enter passes", false, kEnterKey, 3, 3, false, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryColumnGrid grid = threeByThree();
        grid.setCurrentCell(c.column, c.row);
        EXPECT_EQ(Grid_KeyPress(grid, c.key, c.option), c.consumed);
        EXPECT_EQ(grid.currentColumn(), c.toColumn);
        EXPECT_EQ(grid.currentRow(), c.toRow);
    }
}

TEST(GridDblClickCell, FitsAHeaderColumnOnlyWithTheOptionOn)
{
    MemoryColumnGrid grid = threeByThree();
    Grid_DblClickCell(grid, 1, 2, true);
    Grid_DblClickCell(grid, 0, 2, false);
    EXPECT_TRUE(grid.fitted.empty());
    Grid_DblClickCell(grid, 0, 2, true);
    EXPECT_EQ(grid.fitted, std::vector<int>{2});
}

TEST(SplitIpAddress, SplitsFourPartsAndAcceptsOnlyBytes)
{
    struct Case
    {
        const char* text;
        bool ok;
        const char* a;
        const char* b;
        const char* c;
        const char* d;
    };
    // "-" marks an output left as it was.
    const Case cases[] = {
        {" 192.168.2.205 ", true, "192", "168", "2", "205"},
        {"10 . 0 .0. 1", true, "10", "0", "0", "1"},
        {"10.0.0 .1", true, "10", "0", "0", "1"},
        {"0x0A.$10.0.255", true, "0x0A", "$10", "0", "255"},
        {"10.0.0.300", false, "10", "0", "0", "300"},
        {"1.2.3.4.5", false, "1", "2", "3", "4.5"},
        {"10.0.abc.1", false, "10", "0", "abc", "1"},
        {"10.0.0", false, "10", "0", "-", "-"},
        {"10.0", false, "10", "-", "-", "-"},
        {"10", false, "-", "-", "-", "-"},
        {"10.0.0.", false, "10", "0", "0", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string a = "-", b = "-", cc = "-", d = "-";
        EXPECT_EQ(Split_IP_Address(c.text, a, b, cc, d), c.ok);
        EXPECT_EQ(a, c.a);
        EXPECT_EQ(b, c.b);
        EXPECT_EQ(cc, c.c);
        EXPECT_EQ(d, c.d);
    }
}

} // namespace
} // namespace cfq

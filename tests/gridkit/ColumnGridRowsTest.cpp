// Row operations of the column-grid kind over small in-memory grids.

#include "app/AppState.h"
#include "gridkit/UComon.h"
#include "support/MemoryGrids.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::GridRows;
using test::MemoryColumnGrid;
using Kind = test::RecordingMessages::Kind;
using Shown = test::RecordingMessages::Shown;

const std::string kOverwrite = "Row Already used. Do you want to overwrite the values?";

// Flag (check-box editor), Group Name, Num Variables, Mnemonic (hidden).
const GridRows kThreeRows = {
    {"Y", "Inputs", "8", "m1"},
    {"N", "Outputs", "4", "m2"},
    {"Y", "Status", "2", "m3"},
};
const std::set<int> kFlagColumn = {1};
constexpr int kHidden = 1;

struct MoveCase
{
    const char* name;
    int row;
    bool tick;
    GridRows expected;
};

TEST(ColumnGridRows, DeleteMovesRowsUpAndEmptiesTheLastRow)
{
    // clang-format off
    const MoveCase cases[] = {
        {"first row", 1, false,
         {{"N", "Outputs", "4", "m2"}, {"Y", "Status", "2", "m3"}, {"", "", "", ""}}},
        {"last row", 3, false,
         {{"Y", "Inputs", "8", "m1"}, {"N", "Outputs", "4", "m2"}, {"", "", "", ""}}},
    };
    // clang-format on
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryColumnGrid grid(kThreeRows, kFlagColumn, kHidden);
        const GridRows before = grid.rows(true);
        DeleteRow_ACG(c.row, grid);
        EXPECT_EQ(grid.rows(), c.expected);
        EXPECT_EQ(grid.rows(true)[0], before[0]) << "header row touched";
    }
}

TEST(ColumnGridRows, InsertMovesRowsDownAndDropsTheLastRow)
{
    // clang-format off
    const MoveCase cases[] = {
        {"middle row, no tick", 2, false,
         {{"Y", "Inputs", "8", "m1"}, {"", "", "", ""}, {"N", "Outputs", "4", "m2"}}},
        {"middle row, tick", 2, true,
         {{"Y", "Inputs", "8", "m1"}, {"Y", "", "", ""}, {"N", "Outputs", "4", "m2"}}},
        {"last row", 3, false,
         {{"Y", "Inputs", "8", "m1"}, {"N", "Outputs", "4", "m2"}, {"", "", "", ""}}},
    };
    // clang-format on
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryColumnGrid grid(kThreeRows, kFlagColumn, kHidden);
        InsertRow_ACG(c.row, grid, c.tick);
        EXPECT_EQ(grid.rows(), c.expected);
    }
}

class ColumnGridPaste : public ::testing::Test
{
protected:
    ColumnGridPaste() { state.Text_Table.Init_Text_Table(); }

    AppState state;
    test::ScriptedMessages messages;
};

TEST_F(ColumnGridPaste, CopyTakesEveryTextAndLeavesTheCheckEntries)
{
    state.Clipboard.Row_Clipboard_Check = {true, false};
    MemoryColumnGrid grid(kThreeRows, kFlagColumn, kHidden);
    CopyRow_ACG(grid, 2, state.Clipboard);
    EXPECT_EQ(state.Clipboard.Row_Clipboard, (std::vector<std::string>{"N", "Outputs", "4", "m2"}));
    EXPECT_EQ(state.Clipboard.Row_Clipboard_Check, (std::vector<bool>{true, false}));
}

TEST_F(ColumnGridPaste, OverwriteQuestionIsAskedOnlyForTextThatIsNotBlankOutsideCheckBoxColumns)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> target;
        bool asked;
    };
    const Case cases[] = {
        {"empty row", {"", "", "", ""}, false},
        {"blanks only", {"", "  ", " ", ""}, false},
        {"only content in the check-box column", {"Y", "", "", ""}, false},
        {"a name", {"", " Inputs", "", ""}, true},
        {"text in the hidden column", {"", "", "", "m"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryColumnGrid grid({{"N", "Outputs", "4", "m2"}, c.target}, kFlagColumn, kHidden);
        CopyRow_ACG(grid, 1, state.Clipboard);
        if (c.asked)
            messages.answerQuestion(true);
        EXPECT_TRUE(PasteRow_ACG(grid, 2, true, state, messages));
        EXPECT_EQ(grid.rows()[1], (std::vector<std::string>{"N", "Outputs", "4", "m2"}));
        const std::vector<Shown> expected =
            c.asked ? std::vector<Shown>{{Kind::Question, kOverwrite}} : std::vector<Shown>{};
        EXPECT_EQ(messages.takeShown(), expected);
    }
}

TEST_F(ColumnGridPaste, NoToTheOverwriteQuestionLeavesTheRow)
{
    MemoryColumnGrid grid(kThreeRows, kFlagColumn, kHidden);
    CopyRow_ACG(grid, 1, state.Clipboard);
    messages.answerQuestion(false);
    EXPECT_FALSE(PasteRow_ACG(grid, 3, true, state, messages));
    EXPECT_EQ(grid.rows(), kThreeRows);
    EXPECT_EQ(messages.takeShown(), (std::vector<Shown>{{Kind::Question, kOverwrite}}));
}

TEST_F(ColumnGridPaste, RefusedPastesLeaveTheGridUnchanged)
{
    const std::string copyFirst = "Error!!! Copy a valid row before Paste it";
    const std::string doesNotFit = "Error in the Copy values!!! Copy a valid row before Paste it";
    MemoryColumnGrid grid(kThreeRows, kFlagColumn, kHidden);

    state.Clipboard.Row_Clipboard = {"Y", "Inputs", "8", "m1"};
    EXPECT_FALSE(PasteRow_ACG(grid, 3, false, state, messages));
    EXPECT_EQ(messages.takeShown(), (std::vector<Shown>{{Kind::Error, copyFirst}}));

    // A row of the variable editor (nine columns) into the group grid.
    state.Clipboard.Row_Clipboard.assign(9, "x");
    EXPECT_FALSE(PasteRow_ACG(grid, 3, true, state, messages));
    EXPECT_EQ(messages.takeShown(), (std::vector<Shown>{{Kind::Error, doesNotFit}}));
    EXPECT_EQ(grid.rows(), kThreeRows);
}

} // namespace
} // namespace cfq

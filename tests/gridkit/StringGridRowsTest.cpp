// Row operations of the string-grid kind over small in-memory grids.

#include "app/AppState.h"
#include "gridkit/UComon.h"
#include "support/MemoryGrids.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::GridRows;
using test::MemoryStringGrid;
using Kind = test::RecordingMessages::Kind;
using Shown = test::RecordingMessages::Shown;

const std::string kOverwrite = "Row Already used. Do you want to overwrite the values?";
const std::string kDoesNotFit = "Error in the Copy values!!! Copy a valid row before Paste it";
const std::string kCopyFirst = "Error!!! Copy a valid row before Paste it";

// Enable, Type, Length, a second check box, Mnemonic (hidden).
const GridRows kFourRows = {
    {"[x]", "Bool", "ro:1", "[ ]", "m1"},
    {"[ ]", "Int16", "ro:2", "[x]", "m2"},
    {"[x]", "String", "10", "[ ]", "m3"},
    {"ro:[ ]", "Array", "20", "[x]", "m4"},
};
constexpr int kHidden = 1;

struct MoveCase
{
    const char* name;
    int row;
    bool tick;
    GridRows expected;
};

TEST(StringGridRows, DeleteMovesRowsUpAndLeavesAnEmptyReadOnlyLastRow)
{
    // clang-format off
    const MoveCase cases[] = {
        {"middle row, tick", 2, true,
         {{"[x]", "Bool", "ro:1", "[ ]", "m1"},
          {"[x]", "String", "10", "[ ]", "m3"},
          {"ro:[ ]", "Array", "20", "[x]", "m4"},
          {"ro:[x]", "ro:", "ro:", "ro:[ ]", "ro:"}}},
        {"third of four rows, no tick", 3, false,
         {{"[x]", "Bool", "ro:1", "[ ]", "m1"},
          {"[ ]", "Int16", "ro:2", "[x]", "m2"},
          {"ro:[ ]", "Array", "20", "[x]", "m4"},
          {"ro:[ ]", "ro:", "ro:", "ro:[ ]", "ro:"}}},
        {"last row only empties it", 4, true,
         {{"[x]", "Bool", "ro:1", "[ ]", "m1"},
          {"[ ]", "Int16", "ro:2", "[x]", "m2"},
          {"[x]", "String", "10", "[ ]", "m3"},
          {"ro:[x]", "ro:", "ro:", "ro:[ ]", "ro:"}}},
    };
    // clang-format on
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryStringGrid grid(kFourRows, kHidden);
        const GridRows before = grid.rows(true);
        DeleteRow_ASG(c.row, grid, c.tick);
        EXPECT_EQ(grid.rows(), c.expected);
        EXPECT_EQ(grid.rows(true)[0], before[0]) << "header row touched";
    }
}

TEST(StringGridRows, InsertMovesRowsDownAndLeavesAnEditableEmptyRow)
{
    // clang-format off
    const MoveCase cases[] = {
        {"middle row, tick", 2, true,
         {{"[x]", "Bool", "ro:1", "[ ]", "m1"},
          {"[x]", "", "", "[ ]", ""},
          {"[ ]", "Int16", "ro:2", "[x]", "m2"},
          {"[x]", "String", "10", "[ ]", "m3"}}},
        {"first row over read-only cells, no tick", 1, false,
         {{"[ ]", "", "", "[ ]", ""},
          {"[x]", "Bool", "ro:1", "[ ]", "m1"},
          {"[ ]", "Int16", "ro:2", "[x]", "m2"},
          {"[x]", "String", "10", "[ ]", "m3"}}},
        {"last row only empties it and makes it editable", 4, true,
         {{"[x]", "Bool", "ro:1", "[ ]", "m1"},
          {"[ ]", "Int16", "ro:2", "[x]", "m2"},
          {"[x]", "String", "10", "[ ]", "m3"},
          {"[x]", "", "", "[ ]", ""}}},
    };
    // clang-format on
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryStringGrid grid(kFourRows, kHidden);
        const GridRows before = grid.rows(true);
        InsertRow_ASG(c.row, grid, c.tick);
        EXPECT_EQ(grid.rows(), c.expected);
        EXPECT_EQ(grid.rows(true)[0], before[0]) << "header row touched";
    }
}

TEST(StringGridRows, DeleteOfTheLastRowAfterAnInsertMakesTheRowReadOnlyAgain)
{
    MemoryStringGrid grid({{"[x]", "Bool"}, {"[x]", "Int8"}});
    InsertRow_ASG(2, grid, true);
    EXPECT_EQ(grid.rows(), (GridRows{{"[x]", "Bool"}, {"[x]", ""}}));
    DeleteRow_ASG(1, grid, true);
    EXPECT_EQ(grid.rows(), (GridRows{{"[x]", ""}, {"ro:[x]", "ro:"}}));
}

class StringGridPaste : public ::testing::Test
{
protected:
    StringGridPaste() { state.Text_Table.Init_Text_Table(); }

    AppState state;
    test::ScriptedMessages messages;
};

TEST_F(StringGridPaste, CopyTakesCheckBoxesAsYAndNAndEveryColumnIncludingHiddenOnes)
{
    MemoryStringGrid grid(kFourRows, kHidden);
    CopyRow_ASG(grid, 2, state.Clipboard);
    EXPECT_EQ(state.Clipboard.Row_Clipboard, (std::vector<std::string>{"N", "Int16", "2", "Y", "m2"}));
    EXPECT_EQ(state.Clipboard.Row_Clipboard_Check, (std::vector<bool>{true, false, false, true, false}));

    CopyRow_ASG(grid, 1, state.Clipboard);
    EXPECT_EQ(state.Clipboard.Row_Clipboard.front(), "Y");
}

TEST_F(StringGridPaste, PasteTicksFromYAndKeepsTheTargetsReadOnlyFlags)
{
    MemoryStringGrid grid({{"[x]", "Array", "20", "AB"}, {"[ ]", "", "ro:", ""}});
    CopyRow_ASG(grid, 1, state.Clipboard);

    EXPECT_TRUE(PasteRow_ASG(grid, 2, true, state, messages));
    EXPECT_EQ(grid.rows()[1], (std::vector<std::string>{"[x]", "Array", "ro:20", "AB"}));
}

TEST_F(StringGridPaste, RefusedPastesLeaveTheGridUnchanged)
{
    struct Case
    {
        const char* name;
        bool copied;
        std::vector<std::string> clipboard;
        std::string message;
    };
    const Case cases[] = {
        {"no copy made", false, {"Y", "Bool", "1"}, kCopyFirst},
        {"no copy made, clipboard of another width", false, {"Y"}, kCopyFirst},
        {"nine entries into three columns", true, {"Y", "Int8", "1", "n", "", "", "", "", "m"}, kDoesNotFit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryStringGrid grid({{"[ ]", "", ""}});
        state.Clipboard.Row_Clipboard = c.clipboard;
        state.Clipboard.Row_Clipboard_Check.assign(c.clipboard.size(), false);
        EXPECT_FALSE(PasteRow_ASG(grid, 1, c.copied, state, messages));
        EXPECT_EQ(grid.rows(), (GridRows{{"[ ]", "", ""}}));
        EXPECT_EQ(messages.takeShown(), (std::vector<Shown>{{Kind::Error, c.message}}));
    }
}

TEST_F(StringGridPaste, OverwriteQuestionIsAskedOnlyForTextInCellsWithoutCheckBox)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> target;
        bool asked;
    };
    const Case cases[] = {
        {"empty row", {"[ ]", "", ""}, false},
        {"only content a ticked check box", {"[x]", "", ""}, false},
        {"blanks count as content", {"[ ]", "", "  "}, true},
        {"a Type", {"[x]", "Int8", ""}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryStringGrid grid({{"[ ]", "Int16", "2"}, c.target});
        CopyRow_ASG(grid, 1, state.Clipboard);
        if (c.asked)
            messages.answerQuestion(true);
        EXPECT_TRUE(PasteRow_ASG(grid, 2, true, state, messages));
        EXPECT_EQ(grid.rows()[1], (std::vector<std::string>{"[ ]", "Int16", "2"}));
        const std::vector<Shown> expected =
            c.asked ? std::vector<Shown>{{Kind::Question, kOverwrite}} : std::vector<Shown>{};
        EXPECT_EQ(messages.takeShown(), expected);
    }
}

TEST_F(StringGridPaste, NoToTheOverwriteQuestionLeavesTheRow)
{
    MemoryStringGrid grid({{"[ ]", "Int16", "2"}, {"[x]", "Bool", "ro:1"}});
    CopyRow_ASG(grid, 1, state.Clipboard);
    messages.answerQuestion(false);
    EXPECT_FALSE(PasteRow_ASG(grid, 2, true, state, messages));
    EXPECT_EQ(grid.rows()[1], (std::vector<std::string>{"[x]", "Bool", "ro:1"}));
    EXPECT_EQ(messages.takeShown(), (std::vector<Shown>{{Kind::Question, kOverwrite}}));
}

TEST_F(StringGridPaste, ClipboardOfTheColumnGridKindPastesAsTexts)
{
    // A column-grid copy leaves the check entries of an earlier string-grid
    // copy; entries beyond them count as texts.
    state.Clipboard.Row_Clipboard = {"Y", "Bool", "1"};
    state.Clipboard.Row_Clipboard_Check = {true};
    MemoryStringGrid grid({{"[ ]", "", ""}});
    EXPECT_TRUE(PasteRow_ASG(grid, 1, true, state, messages));
    EXPECT_EQ(grid.rows(), (GridRows{{"[x]", "Bool", "1"}}));
}

} // namespace
} // namespace cfq

// The row and selection bookkeeping behind the tool's tables: what a click,
// a drag and adding or deleting rows do to the selection.
#include <gtest/gtest.h>

#include "gui/TableRows.hpp"

namespace {

using Reason = TableRows::Reason;

TableRows rows_of(int count)
{
    TableRows rows;
    for (int i = 0; i < count; ++i)
        rows.insert(i);
    return rows;
}

TEST(TableRows, RowsAreAppendedWhenThePositionLiesBeyondTheEnd)
{
    TableRows rows;
    EXPECT_EQ(rows.insert(5), 0);
    EXPECT_EQ(rows.insert(-1), 1);
    EXPECT_EQ(rows.insert(0), 0);
    EXPECT_EQ(rows.count(), 3);
    EXPECT_FALSE(rows.remove(3));
    EXPECT_TRUE(rows.remove(2));
    EXPECT_EQ(rows.count(), 2);
}

TEST(TableRows, ASelectionMovesWithRowsInsertedAboveIt)
{
    TableRows rows = rows_of(4);
    rows.select(2);
    rows.insert(1);
    EXPECT_EQ(rows.selected_row(), 3);
    EXPECT_TRUE(rows.is_selected(3));
    EXPECT_FALSE(rows.is_selected(2));
    rows.insert(4);  // below: stays
    EXPECT_EQ(rows.selected_row(), 3);
}

TEST(TableRows, DeletingTheSelectedRowLeavesNoSelection)
{
    TableRows rows = rows_of(3);
    rows.select(1);
    rows.remove(1);
    EXPECT_EQ(rows.selected_row(), -1);
    EXPECT_EQ(rows.selected_count(), 0);
    EXPECT_TRUE(rows.selected_rows().empty());
}

TEST(TableRows, DeletingARowAboveTheSelectionKeepsTheSameRowSelected)
{
    TableRows rows = rows_of(4);
    rows.select(3);
    rows.remove(0);
    EXPECT_EQ(rows.selected_row(), 2);
    EXPECT_EQ(rows.selected_rows(), std::vector<int>{2});
}

TEST(TableRows, SelectingTwiceCountsOnce)
{
    TableRows rows = rows_of(3);
    rows.select(1);
    rows.select(1);
    EXPECT_EQ(rows.selected_count(), 1);
    rows.deselect(1);
    rows.deselect(1);
    EXPECT_EQ(rows.selected_count(), 0);
    EXPECT_EQ(rows.selected_row(), -1);
    rows.select(7);  // no such row
    EXPECT_EQ(rows.selected_count(), 0);
}

TEST(TableRows, SelectAllAndDeselectAll)
{
    TableRows rows = rows_of(3);
    rows.select_all();
    EXPECT_EQ(rows.selected_count(), 3);
    EXPECT_EQ(rows.selected_row(), 0);
    rows.deselect_all();
    EXPECT_EQ(rows.selected_count(), 0);
    EXPECT_EQ(rows.selected_row(), -1);
}

TEST(TableRows, Button1SelectsOneRowAtATime)
{
    TableRows rows = rows_of(5);
    rows.click(Reason::Begin, 1, 1, false);
    rows.click(Reason::Begin, 3, 1, false);
    EXPECT_EQ(rows.selected_rows(), std::vector<int>{3});
    EXPECT_EQ(rows.selected_row(), 3);
}

TEST(TableRows, Button1OnTheOnlySelectedRowDeselectsIt)
{
    TableRows rows = rows_of(5);
    rows.click(Reason::Begin, 2, 1, false);
    rows.click(Reason::Begin, 2, 1, false);
    EXPECT_EQ(rows.selected_count(), 0);
}

TEST(TableRows, Button1OnOneOfSeveralSelectedRowsKeepsOnlyIt)
{
    TableRows rows = rows_of(5);
    for (int row : {0, 2, 4})
        rows.click(Reason::Begin, row, 1, true);
    EXPECT_EQ(rows.selected_count(), 3);
    rows.click(Reason::Begin, 2, 1, false);
    EXPECT_EQ(rows.selected_rows(), std::vector<int>{2});
}

TEST(TableRows, CtrlButton1AndButton2AddAndRemoveRows)
{
    TableRows rows = rows_of(5);
    rows.click(Reason::Begin, 0, 1, true);
    rows.click(Reason::Begin, 3, 2, false);
    EXPECT_EQ(rows.selected_rows(), (std::vector<int>{0, 3}));
    rows.click(Reason::Begin, 0, 2, false);
    EXPECT_EQ(rows.selected_rows(), std::vector<int>{3});
    rows.click(Reason::Begin, 1, 3, false);  // other buttons do nothing
    EXPECT_EQ(rows.selected_rows(), std::vector<int>{3});
}

TEST(TableRows, DraggingButton1SelectsTheRangeFromThePress)
{
    TableRows rows = rows_of(6);
    rows.click(Reason::Begin, 4, 1, false);
    rows.click(Reason::Extend, 1, 1, false);
    EXPECT_EQ(rows.selected_rows(), (std::vector<int>{1, 2, 3, 4}));
    rows.click(Reason::Extend, 5, 1, false);
    EXPECT_EQ(rows.selected_rows(), (std::vector<int>{4, 5}));
    rows.click(Reason::End, 5, 1, false);
    EXPECT_EQ(rows.selected_rows(), (std::vector<int>{4, 5}));
}

TEST(TableRows, ClicksOutsideTheDataRowsAreIgnored)
{
    TableRows rows = rows_of(2);
    rows.click(Reason::Begin, 1, 1, false);
    rows.click(Reason::Begin, 4, 1, false);
    rows.click(Reason::Begin, -1, 1, false);
    EXPECT_EQ(rows.selected_rows(), std::vector<int>{1});
}

TEST(TableRows, ADragWithoutAPressSelectsNothing)
{
    TableRows rows = rows_of(3);
    rows.click(Reason::Extend, 2, 1, false);
    EXPECT_EQ(rows.selected_count(), 0);
}

}  // namespace

// The row and selection bookkeeping behind the tool's tables: what a click,
// a drag and adding or deleting rows do to the selection.
#include <gtest/gtest.h>

#include <vector>

#include "gui/TableRows.hpp"

namespace {

using Reason = TableRows::Reason;
using Rows = std::vector<int>;

TableRows rows_of(int count)
{
    TableRows rows;
    for (int i = 0; i < count; ++i)
        rows.insert(i);
    return rows;
}

TEST(TableRows, SelectionFollowsItsRowThroughInsertsAndDeletes)
{
    TableRows rows;
    EXPECT_EQ(rows.insert(5), 0);  // beyond the end: appended
    EXPECT_EQ(rows.insert(-1), 1);
    EXPECT_EQ(rows.insert(0), 0);
    EXPECT_EQ(rows.insert(3), 3);
    EXPECT_EQ(rows.count(), 4);
    rows.select(2);
    rows.insert(1);  // above: the selection moves down
    EXPECT_EQ(rows.selected_rows(), Rows{3});
    EXPECT_TRUE(rows.is_selected(3));
    EXPECT_FALSE(rows.is_selected(2));
    rows.insert(4);  // below: it stays
    EXPECT_EQ(rows.selected_row(), 3);
    rows.remove(0);  // above: it moves up
    EXPECT_EQ(rows.selected_row(), 2);
    EXPECT_EQ(rows.selected_rows(), Rows{2});
    EXPECT_FALSE(rows.remove(rows.count()));
    EXPECT_TRUE(rows.remove(2));  // the selected row: no selection is left
    EXPECT_EQ(rows.selected_row(), -1);
    EXPECT_TRUE(rows.selected_rows().empty());
}

TEST(TableRows, SelectingTwiceCountsOnceAndRowsThatDoNotExistAreIgnored)
{
    TableRows rows = rows_of(3);
    rows.select(1);
    rows.select(1);
    EXPECT_EQ(rows.selected_count(), 1);
    rows.deselect(1);
    rows.deselect(1);
    EXPECT_EQ(rows.selected_count(), 0);
    EXPECT_EQ(rows.selected_row(), -1);
    rows.select(7);
    EXPECT_EQ(rows.selected_count(), 0);
    rows.select_all();
    EXPECT_EQ(rows.selected_count(), 3);
    EXPECT_EQ(rows.selected_row(), 0);
    rows.deselect_all();
    EXPECT_EQ(rows.selected_count(), 0);
    EXPECT_EQ(rows.selected_row(), -1);
}

TEST(TableRows, ClicksAndDragsOfThePointer)
{
    struct Click {
        Reason reason;
        int row, button;
        bool ctrl;
    };
    const Reason B = Reason::Begin, E = Reason::Extend;
    const int kAny = -2;  // selected_row not checked
    const struct {
        const char* what;
        int count;
        std::vector<Click> clicks;
        Rows selected;
        int last;
    } rows[] = {
        {"button 1 selects one row at a time", 5, {{B, 1, 1, false}, {B, 3, 1, false}}, {3}, 3},
        {"button 1 on the only selected row deselects it", 5, {{B, 2, 1, false}, {B, 2, 1, false}}, {}, -1},
        {"ctrl with button 1 adds", 5, {{B, 0, 1, true}, {B, 2, 1, true}, {B, 4, 1, true}}, {0, 2, 4}, kAny},
        {"button 1 on one of several keeps only it", 5,
         {{B, 0, 1, true}, {B, 2, 1, true}, {B, 4, 1, true}, {B, 2, 1, false}}, {2}, 2},
        {"button 2 adds", 5, {{B, 0, 1, true}, {B, 3, 2, false}}, {0, 3}, kAny},
        {"button 2 removes, other buttons do nothing", 5,
         {{B, 0, 1, true}, {B, 3, 2, false}, {B, 0, 2, false}, {B, 1, 3, false}}, {3}, kAny},
        {"a drag selects the range from the press", 6, {{B, 4, 1, false}, {E, 1, 1, false}}, {1, 2, 3, 4}, kAny},
        {"and follows the pointer back past it", 6,
         {{B, 4, 1, false}, {E, 1, 1, false}, {E, 5, 1, false}, {Reason::End, 5, 1, false}}, {4, 5}, kAny},
        {"clicks outside the data rows are ignored", 2,
         {{B, 1, 1, false}, {B, 4, 1, false}, {B, -1, 1, false}}, {1}, kAny},
        {"a drag without a press selects nothing", 3, {{E, 2, 1, false}}, {}, -1},
    };
    for (const auto& row : rows) {
        TableRows table = rows_of(row.count);
        for (const Click& c : row.clicks)
            table.click(c.reason, c.row, c.button, c.ctrl);
        EXPECT_EQ(table.selected_rows(), row.selected) << row.what;
        EXPECT_EQ(table.selected_count(), static_cast<int>(row.selected.size())) << row.what;
        if (row.last != kAny) {
            EXPECT_EQ(table.selected_row(), row.last) << row.what;
        }
    }
}

}  // namespace

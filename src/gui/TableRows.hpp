// The row and selection bookkeeping of a Table, apart from the widget: how
// many rows hold data, which are selected, which was selected last, which
// cells are editable, and how a click begins, extends or ends a selection of
// whole rows.
#pragma once

#include <vector>

class TableRows {
public:
    // What a pointer action does to the selection.
    enum class Reason { Begin, Extend, End };

    int count() const { return static_cast<int>(selected_.size()); }
    int selected_count() const;
    // The row selected last, -1 when none is selected.
    int selected_row() const { return selected_row_; }
    bool is_selected(int row) const;
    std::vector<int> selected_rows() const;

    // Inserts a row at position, or at the end when position lies beyond
    // it; a selection at or below the new row moves down with it. Returns
    // the row's index.
    int insert(int position);
    // Removes an existing row (false for a row that does not exist).
    bool remove(int row);
    void clear();

    // Cells the user may edit (text the row holds); rows keep theirs as rows
    // are inserted and removed.
    void set_editable(int row, int column, bool editable);
    bool is_editable(int row, int column) const;

    void select(int row);
    void deselect(int row);
    void select_all();
    void deselect_all();

    // The selection policy of the pointer: button 1 alone selects one row
    // (or deselects the only selected row), Ctrl with button 1 or button 2
    // adds or removes a row, dragging button 1 selects the range from the
    // row where the press began.
    void click(Reason reason, int row, int button, bool ctrl);

private:
    void begin(int row, int button, bool ctrl);
    void extend(int row, bool ctrl);

    std::vector<bool> selected_;
    std::vector<std::vector<bool>> editable_;  // per row, per column
    int selected_row_ = -1;
    int anchor_ = -1;
};

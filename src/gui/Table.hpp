// A table of rows over the Xbae matrix widget: text cells (a few of them
// editable), column labels, a minimum of blank rows always shown, and
// whole-row selection with the pointer (button 1 picks a row, Ctrl+button 1
// or button 2 adds or removes one, dragging button 1 selects a range;
// button 1 on an editable cell edits it).
#pragma once

#include <functional>
#include <string>

#include <X11/Intrinsic.h>

#include "gui/TableRows.hpp"

class Table {
public:
    Table() = default;
    explicit Table(Widget parent) : parent_(parent) {}
    virtual ~Table() = default;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    void set_parent(Widget parent) { parent_ = parent; }
    Widget get_parent() const { return parent_; }
    Widget get_table() const { return table_; }

    // Creates the matrix "al_table" under the parent with at least rows
    // rows and columns columns, cells neither editable nor traversable.
    void create_table(int rows, int columns);
    virtual void create_table();

    // How many columns the table asks room for; the rest scroll into view.
    void set_visible_columns(int columns);
    // Column label and width in characters.
    virtual void create_col_label(int column, const char* text, int width);
    // A cell's text; a row or column not created yet is refused with a
    // line on standard output.
    virtual void create_cell(int row, int column, const char* text);
    // A cell the user edits in place: a click with button 1 opens it.
    void create_edit_cell(int row, int column, const char* text);
    std::string get_cell(int row, int column) const;
    // Ends the cell edit under way, keeping (commit) or dropping (cancel)
    // what was typed; unmap hides the edit field.
    void commit(char unmap);
    void cancel(char unmap);
    bool is_editable(int row, int column) const { return rows_.is_editable(row, column); }

    // Inserts a data row at position (at the end when beyond it).
    virtual int add_row(int position);
    virtual void delete_row(int row);
    // Deletes every selected row.
    void delete_selected();
    // No data rows, nothing selected; the blank rows stay.
    void clear_all();

    // Whole-row selection with the pointer, on or off.
    virtual void allow_select(char on);
    // Called after the user's pointer changed the selection.
    void set_select_listener(std::function<void()> listener) { select_listener_ = std::move(listener); }
    void select_row(int row);
    void deselect_row(int row);
    void select_all();
    void deselect_all();
    // row when it is selected, else -1.
    int is_selected(int row) const { return rows_.is_selected(row) ? row : -1; }
    int get_num_rows() const { return rows_.count(); }
    int get_num_cols() const;
    int get_num_selected() const { return rows_.selected_count(); }
    virtual int get_selected_row() const { return rows_.selected_row(); }

    int get_top_row() const;
    // A row outside the data rows is ignored.
    void set_top_row(int row);
    void repaint_off();
    void repaint_on();

    // For the pointer actions: the reason named by the action's parameter,
    // the row under the pointer, the button and Ctrl.
    virtual void select_cb(Widget widget, void* call_data);

protected:
    const TableRows& rows() const { return rows_; }

private:
    // Text beyond ASCII is drawn through a font set, taken on first need.
    void use_font_set();

    void show_selection();
    // Widget rows: the data rows, or the minimum when there are fewer.
    int widget_rows() const;

    bool font_set_ = false;
    int min_rows_ = 10;
    int min_columns_ = 5;
    Widget parent_ = nullptr;
    Widget table_ = nullptr;
    TableRows rows_;
    std::function<void()> select_listener_;
};

// Lines labels up with their fields: a form whose children come in label and
// field pairs, each label right-aligned beside its field, one row per pair,
// the fields starting in one column and stretching to the right edge. Serves
// where a label/field aligner or caption widget is wanted (the login dialog,
// the window's name and type rows).
#pragma once

#include <vector>

#include <X11/Intrinsic.h>

#include "gui/Args.hpp"

class CaptionLayout {
public:
    // Creates the managed form name under parent.
    CaptionLayout(Widget parent, const char* name, int horizontal_spacing = 15, int vertical_spacing = 6,
                  Args args = Args());

    Widget form() const { return form_; }

    // One row; both widgets are children of form() (for a scrolled list,
    // pass its scrolled window as the field).
    void add_row(Widget label, Widget field);

    // Places the rows; call after the last add_row, and again after rows
    // were added or cleared.
    void finish();

    // Forgets every row; destroying their widgets is the caller's.
    void clear_rows() { rows_.clear(); }

private:
    struct Row {
        Widget label;
        Widget field;
    };

    Widget form_;
    int horizontal_spacing_;
    int vertical_spacing_;
    std::vector<Row> rows_;
};

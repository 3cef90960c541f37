// The array part of the display page ("array_form"): which members the array
// shows and in which order, its orientation, its number of rows or columns
// and the size of its cells.
#pragma once

#include <X11/Intrinsic.h>

#include "platform/QvTopoNode.hpp"
#include "platform/Types.hpp"
#include "ui/MemberColumns.hpp"

class ObjectConfig;

class ArraySection {
public:
    // Builds the section, unmanaged, under parent (the page's row column),
    // showing the layout of a new array.
    void create(ObjectConfig* window, Widget parent);

    void set(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden,
             QvTopoNode::ArrayOrientation orientation, unsigned long columns, const QvTopoNode::ArrayCellSize& cell);
    // A custom cell width below 1 is reported and corrected to 1.
    void get(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden,
             QvTopoNode::ArrayOrientation& orientation, unsigned long& columns, QvTopoNode::ArrayCellSize& cell);
    // Horizontal, square, longest label, height 25.
    void set_defaults();

    // "Show>>>", "<<<Hide", "Up", "Down": true when something was selected.
    bool show_selected();
    bool hide_selected();
    bool move_up();
    bool move_down();

    // The unit label follows the orientation; the fields' sensitivity
    // follows the layout and width toggles.
    void orientation_toggled();
    void layout_toggled();
    void width_toggled();
    // Return in the number and width fields: a negative number is reported
    // and left in place.
    void check_columns_entry();
    void check_width_entry();

    void show(bool shown);
    void set_editable(bool editable);

    Widget form() const { return form_; }
    MemberColumns& columns() { return columns_; }

private:
    void create_layout_rows(ObjectConfig* window);
    void show_orientation(QvTopoNode::ArrayOrientation orientation);
    // A number shown with its "fit" toggle (square, longest label) for 0,
    // else with its "custom" toggle.
    void show_number(Widget fit, Widget custom, Widget field, unsigned long value);
    void update_field_sensitivity();

    Widget form_ = nullptr;
    MemberColumns columns_;
    Widget horizontal_ = nullptr, vertical_ = nullptr;
    Widget square_ = nullptr, custom_layout_ = nullptr, columns_field_ = nullptr, unit_label_ = nullptr;
    Widget fit_ = nullptr, custom_width_ = nullptr, width_field_ = nullptr;
    Widget height_field_ = nullptr;
    bool editable_ = true;
};

#include "ui/ArraySection.hpp"

#include <Xm/Form.h>
#include <Xm/RowColumn.h>
#include <Xm/ToggleB.h>

#include "gui/MemberCallback.hpp"
#include "gui/WidgetMaker.hpp"
#include "process/Catalogue.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/PageWidgets.hpp"
#include "widgets/CaptionLayout.hpp"

namespace {

const MemberColumns::Names kArrayNames = {
    "array_hide_label", 40, "array_hide_list", "rowcol5", "array_show_members", 41, "array_hide_members", 42,
    "array_show_label", 45, "array_show_list", "rowcol6", "array_move_up_button", 43, "array_move_down_button", 44,
};

// A radio pair with a number field and its unit beside it.
struct Choice {
    Widget first = nullptr, second = nullptr, field = nullptr, unit = nullptr;
    Widget form = nullptr;
};

struct ChoiceNames {
    const char* form;
    const char* radio;
    const char* first;
    int first_number;
    const char* first_text;
    const char* second;
    int second_number;
    const char* second_text;
    const char* row;
    const char* field;
    const char* unit;
    int unit_number;
    const char* unit_text;
};

Choice make_choice(Widget parent, const ChoiceNames& n)
{
    Choice choice;
    choice.form = make_form(parent, n.form);
    Args radio_args;
    radio_args.add(XmNtopAttachment, XmATTACH_FORM).add(XmNleftAttachment, XmATTACH_FORM);
    Widget radio = make_radio_box(choice.form, n.radio, radio_args);
    // One above the other, so that the field sits beside "Custom".
    XtVaSetValues(radio, XmNorientation, XmVERTICAL, nullptr);
    choice.first = make_toggle(radio, n.first, cat_text(kToolSet, n.first_number, n.first_text));
    choice.second = make_toggle(radio, n.second, cat_text(kToolSet, n.second_number, n.second_text));
    Args row_args;
    row_args.add(XmNbottomAttachment, XmATTACH_OPPOSITE_WIDGET)
        .add(XmNbottomWidget, radio)
        .add(XmNleftAttachment, XmATTACH_WIDGET)
        .add(XmNleftWidget, radio)
        .add(XmNleftOffset, 6);
    Widget row = make_row(choice.form, n.row, row_args);
    choice.field = make_text_field(row, n.field, Args().add(XmNcolumns, 5));
    choice.unit = make_label(row, n.unit, cat_text(kToolSet, n.unit_number, n.unit_text));
    return choice;
}

std::string decimal(unsigned long value) { return std::to_string(value); }

}  // namespace

void ArraySection::create(ObjectConfig* window, Widget parent)
{
    form_ = make_form(parent, "array_form");
    columns_.create(form_, kArrayNames);
    add_member_callback<ObjectConfig, &ObjectConfig::array_show_cb>(columns_.show_button(), XmNactivateCallback,
                                                                    window);
    add_member_callback<ObjectConfig, &ObjectConfig::array_hide_cb>(columns_.hide_button(), XmNactivateCallback,
                                                                    window);
    add_member_callback<ObjectConfig, &ObjectConfig::array_move_up_cb>(columns_.up_button(), XmNactivateCallback,
                                                                       window);
    add_member_callback<ObjectConfig, &ObjectConfig::array_move_down_cb>(columns_.down_button(),
                                                                         XmNactivateCallback, window);
    create_layout_rows(window);
    set_defaults();
    show(false);
}

void ArraySection::create_layout_rows(ObjectConfig* window)
{
    Args aligner_args;
    aligner_args.add(XmNtopAttachment, XmATTACH_WIDGET)
        .add(XmNtopWidget, columns_.bottom())
        .add(XmNtopOffset, 8)
        .add(XmNleftAttachment, XmATTACH_FORM);
    CaptionLayout aligner(form_, "widget11", 10, 4, aligner_args);
    Widget parent = aligner.form();

    Widget orient_label = make_label(parent, "array_orient_label", cat_text(kToolSet, 46, "Orientation:"));
    Widget orient_radio = make_radio_box(parent, "array_orient_radio");
    horizontal_ = make_toggle(orient_radio, "array_orient_horiz", cat_text(kToolSet, 47, "Horizontal             "));
    vertical_ = make_toggle(orient_radio, "array_orient_vert", cat_text(kToolSet, 48, "Vertical"));
    for (Widget toggle : {horizontal_, vertical_})
        add_member_callback<ObjectConfig, &ObjectConfig::array_orientation_changed_cb>(
            toggle, XmNvalueChangedCallback, window);

    Widget layout_label = make_label(parent, "array_num_col_label", cat_text(kToolSet, 49, "Layout:"));
    const Choice layout = make_choice(parent, {"form6", "array_num_col_radio", "array_num_col_square", 50, "Square",
                                               "array_num_col_custom", 51, "Custom", "rowcol7",
                                               "array_num_col_chars", "layout_label", 52, "Rows"});
    square_ = layout.first, custom_layout_ = layout.second, columns_field_ = layout.field, unit_label_ = layout.unit;
    for (Widget toggle : {square_, custom_layout_})
        add_member_callback<ObjectConfig, &ObjectConfig::array_num_col_changed_cb>(toggle, XmNvalueChangedCallback,
                                                                                   window);
    add_member_callback<ObjectConfig, &ObjectConfig::array_num_col_chars_cb>(columns_field_, XmNactivateCallback,
                                                                             window);

    Widget width_label = make_label(parent, "array_cell_label", cat_text(kToolSet, 53, "Cell Width:"));
    const Choice width = make_choice(parent, {"form7", "array_cell_radio", "array_cell_fit", 54, "Longest Label",
                                              "array_cell_custom", 55, "Custom", "rowcol8", "array_cell_chars",
                                              "array_cell_chars_label", 56, "Characters"});
    fit_ = width.first, custom_width_ = width.second, width_field_ = width.field;
    for (Widget toggle : {fit_, custom_width_})
        add_member_callback<ObjectConfig, &ObjectConfig::array_cell_changed_cb>(toggle, XmNvalueChangedCallback,
                                                                                window);
    add_member_callback<ObjectConfig, &ObjectConfig::array_cell_chars_cb>(width_field_, XmNactivateCallback, window);

    Widget height_label = make_label(parent, "array_cell_label", cat_text(kToolSet, 57, "Cell Height:"));
    Widget height_row = make_row(parent, "rowcol9");
    height_field_ = make_text_field(height_row, "array_height_value", Args().add(XmNcolumns, 5));
    make_label(height_row, "array_cell_label", cat_text(kToolSet, 58, "Pixels"));

    aligner.add_row(orient_label, orient_radio);
    aligner.add_row(layout_label, layout.form);
    aligner.add_row(width_label, width.form);
    aligner.add_row(height_label, height_row);
    aligner.finish();
}

void ArraySection::set(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden,
                       QvTopoNode::ArrayOrientation orientation, unsigned long columns,
                       const QvTopoNode::ArrayCellSize& cell)
{
    columns_.set_members(shown, hidden);
    show_orientation(orientation);
    show_number(square_, custom_layout_, columns_field_, columns);
    show_number(fit_, custom_width_, width_field_, cell.width);
    set_field_text(height_field_, decimal(cell.height));
    show(true);
}

void ArraySection::get(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden,
                       QvTopoNode::ArrayOrientation& orientation, unsigned long& columns,
                       QvTopoNode::ArrayCellSize& cell)
{
    columns_.append_members(shown, hidden);

    orientation = toggle_is_set(horizontal_) ? QvTopoNode::Horizontal : QvTopoNode::Vertical;
    show_orientation(orientation);

    // A negative number (reported when typed) counts as none.
    const long number = toggle_is_set(square_) ? 0 : field_number(columns_field_);
    columns = number > 0 ? static_cast<unsigned long>(number) : 0;

    cell.width = 0;
    if (toggle_is_set(custom_width_)) {
        const long width = field_number(width_field_);
        if (width < 1) {
            page_error(cat_text(kToolSet, 912, "Custom cell width must be greater than 0!\nResetting to 1.."));
            set_field_text(width_field_, "1");
            cell.width = 1;
        } else {
            cell.width = static_cast<unsigned long>(width);
        }
    }
    const long height = field_number(height_field_);
    cell.height = height > 0 ? static_cast<unsigned long>(height) : 0;
}

void ArraySection::set_defaults()
{
    show_orientation(QvTopoNode::Horizontal);
    show_number(square_, custom_layout_, columns_field_, 0);
    show_number(fit_, custom_width_, width_field_, 0);
    set_field_text(height_field_, "25");
}

void ArraySection::show_orientation(QvTopoNode::ArrayOrientation orientation)
{
    if (orientation == QvTopoNode::Horizontal)
        select_toggle(horizontal_, vertical_);
    else
        select_toggle(vertical_, horizontal_);
    orientation_toggled();
}

void ArraySection::show_number(Widget fit, Widget custom, Widget field, unsigned long value)
{
    if (value == 0) {
        select_toggle(fit, custom);
        set_field_text(field, "1");
    } else {
        select_toggle(custom, fit);
        set_field_text(field, decimal(value));
    }
    update_field_sensitivity();
}

void ArraySection::orientation_toggled()
{
    if (toggle_is_set(horizontal_))
        set_label_text(unit_label_, cat_text(kToolSet, 910, "Rows"));
    else
        set_label_text(unit_label_, cat_text(kToolSet, 911, "Columns"));
}

void ArraySection::layout_toggled() { update_field_sensitivity(); }

void ArraySection::width_toggled() { update_field_sensitivity(); }

void ArraySection::update_field_sensitivity()
{
    XtSetSensitive(columns_field_, (editable_ && !toggle_is_set(square_)) ? True : False);
    XtSetSensitive(width_field_, (editable_ && !toggle_is_set(fit_)) ? True : False);
}

void ArraySection::check_columns_entry()
{
    if (field_number(columns_field_) < 0)
        page_error(cat_text(kToolSet, 220, "Cannot enter negative row/column."));
}

void ArraySection::check_width_entry()
{
    if (field_number(width_field_) < 0)
        page_error(cat_text(kToolSet, 219, "Cannot enter negative cell width."));
}

bool ArraySection::show_selected() { return columns_.show_selected(); }

bool ArraySection::hide_selected() { return columns_.hide_selected(); }

bool ArraySection::move_up() { return columns_.move_up(); }

bool ArraySection::move_down() { return columns_.move_down(); }

void ArraySection::show(bool shown) { set_managed(form_, shown); }

void ArraySection::set_editable(bool editable)
{
    editable_ = editable;
    columns_.set_buttons_sensitive(editable);
    set_sensitive({horizontal_, vertical_, square_, custom_layout_, fit_, custom_width_, height_field_}, editable);
    update_field_sensitivity();
}

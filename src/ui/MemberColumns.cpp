#include "ui/MemberColumns.hpp"

#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/RowColumn.h>

#include "gui/WidgetMaker.hpp"
#include "process/Catalogue.hpp"
#include "ui/PageWidgets.hpp"

namespace {

constexpr int kVisibleMembers = 4;
constexpr Dimension kListWidth = 150;

// A scrolled list of fixed width below label, to the right of left (or at
// the form's edge).
Widget member_list(Widget form, const char* name, Widget label, Widget left)
{
    Args list_args;
    list_args.add(XmNlistSizePolicy, XmCONSTANT).add(XmNwidth, kListWidth);
    Widget list = make_scrolled_list(form, name, kVisibleMembers, XmSINGLE_SELECT, list_args);
    Args place;
    place.add(XmNtopAttachment, XmATTACH_WIDGET).add(XmNtopWidget, label).add(XmNtopOffset, 2);
    if (left)
        place.add(XmNleftAttachment, XmATTACH_WIDGET).add(XmNleftWidget, left).add(XmNleftOffset, 8);
    else
        place.add(XmNleftAttachment, XmATTACH_FORM);
    place.set_on(XtParent(list));
    return list;
}

Widget column_label(Widget form, const char* name, int number, const char* text, Widget left)
{
    Args args;
    args.add(XmNtopAttachment, XmATTACH_FORM);
    if (left)
        args.add(XmNleftAttachment, XmATTACH_WIDGET).add(XmNleftWidget, left).add(XmNleftOffset, 8);
    else
        args.add(XmNleftAttachment, XmATTACH_FORM);
    return make_label(form, name, cat_text(kToolSet, number, text), args);
}

// A column of two buttons level with the lists, right of list.
Widget button_column(Widget form, const char* name, Widget list)
{
    Args args;
    args.add(XmNorientation, XmVERTICAL)
        .add(XmNpacking, XmPACK_COLUMN)
        .add(XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET)
        .add(XmNtopWidget, XtParent(list))
        .add(XmNtopOffset, 10)
        .add(XmNleftAttachment, XmATTACH_WIDGET)
        .add(XmNleftWidget, XtParent(list))
        .add(XmNleftOffset, 8);
    return make_widget(xmRowColumnWidgetClass, form, name, args);
}

}  // namespace

void MemberColumns::create(Widget form, const Names& n)
{
    Widget hide_label = column_label(form, n.hide_label, n.hide_label_number, "Hide Members", nullptr);
    hidden_ = MemberList(member_list(form, n.hide_list, hide_label, nullptr));
    Widget move_row = button_column(form, n.move_row, hidden_.widget());
    show_button_ = make_button(move_row, n.show_button, cat_text(kToolSet, n.show_button_number, "Show>>>"));
    hide_button_ = make_button(move_row, n.hide_button, cat_text(kToolSet, n.hide_button_number, "<<<Hide"));

    Widget show_label = column_label(form, n.show_label, n.show_label_number, "Show Members", move_row);
    shown_ = MemberList(member_list(form, n.show_list, show_label, move_row));
    Widget order_row = button_column(form, n.order_row, shown_.widget());
    up_button_ = make_button(order_row, n.up_button, cat_text(kToolSet, n.up_button_number, "Up"));
    down_button_ = make_button(order_row, n.down_button, cat_text(kToolSet, n.down_button_number, "Down"));
}

void MemberColumns::set_buttons_sensitive(bool sensitive)
{
    set_sensitive({show_button_, hide_button_, up_button_, down_button_}, sensitive);
}

void MemberColumns::set_members(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden)
{
    shown_.set_items(shown);
    hidden_.set_items(hidden);
}

void MemberColumns::append_members(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden) const
{
    const RWTValSlist<RWCString> shown_items = shown_.items();
    const RWTValSlist<RWCString> hidden_items = hidden_.items();
    shown.insert(shown.end(), shown_items.begin(), shown_items.end());
    hidden.insert(hidden.end(), hidden_items.begin(), hidden_items.end());
}

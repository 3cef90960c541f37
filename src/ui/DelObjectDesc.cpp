#include "ui/DelObjectDesc.hpp"

#include <string>
#include <vector>

#include <Xm/Form.h>
#include <Xm/List.h>

#include "gui/ListSelection.hpp"
#include "gui/MemberCallback.hpp"
#include "gui/TemplateDialog.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"
#include "help/HelpLauncher.hpp"
#include "process/Catalogue.hpp"
#include "ui/NumberedGroup.hpp"

NumberedGroup* current_user_data = nullptr;

void DelObjectDesc::create(Widget parent, const char* name)
{
    Widget box = create_template(parent, name, "del_template",
                                 cat_text(kToolSet, 167, "Delete Object Description"));
    Widget ok = make_button(box, "del_ok_button", cat_text(kToolSet, 168, "OK"));
    Widget apply = make_button(box, "del_apply_button", cat_text(kToolSet, 169, "Apply"));
    Widget cancel = make_button(box, "del_cancel_button", cat_text(kToolSet, 170, "Cancel"));
    Widget help_button = make_button(box, "del_help_button", cat_text(kToolSet, 171, "Help"));

    set_answer_buttons(box, ok, cancel);
    Widget form = make_form(box, "del_form");
    del_list_ = make_titled_list(form, "del_label", cat_text(kToolSet, 172, "Select Number to Delete"),
                                 "del_list", 7, XmMULTIPLE_SELECT);

    XtAddCallback(ok, XmNactivateCallback, ok_pressed, this);
    add_member_callback<DelObjectDesc, &DelObjectDesc::apply_button_cb>(apply, XmNactivateCallback, this);
    XtAddCallback(cancel, XmNactivateCallback, cancel_pressed, this);
    add_member_callback<DelObjectDesc, &DelObjectDesc::help_button_cb>(help_button, XmNactivateCallback, this);
}

void DelObjectDesc::ok_pressed(Widget widget, XtPointer client_data, XtPointer call_data)
{
    auto* self = static_cast<DelObjectDesc*>(client_data);
    XtUnmanageChild(self->_xd_dialogwidget);
    self->ok_button_cb(widget, call_data);
}

// Cancel deletes nothing.
void DelObjectDesc::cancel_pressed(Widget, XtPointer client_data, XtPointer)
{
    XtUnmanageChild(static_cast<DelObjectDesc*>(client_data)->_xd_dialogwidget);
}

void DelObjectDesc::fill_list(int count)
{
    std::vector<std::string> numbers;
    for (int number = 1; number <= count; ++number)
        numbers.push_back(std::to_string(number));
    set_list_items(del_list_, numbers);
}

void DelObjectDesc::apply_button_cb(Widget, XtPointer)
{
    if (!current_user_data)
        return;
    const std::vector<int> positions = selected_positions(del_list_);
    current_user_data->remove_data(static_cast<int>(positions.size()), positions.data());
    fill_list(current_user_data->get_num_of_groups());
}

void DelObjectDesc::ok_button_cb(Widget widget, XtPointer call_data)
{
    apply_button_cb(widget, call_data);
    XtPopdown(_xd_rootwidget);
}

void DelObjectDesc::help_button_cb(Widget, XtPointer) { show_help_topic(help, kHelpTopic); }

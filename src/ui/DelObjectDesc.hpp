// The delete-object-description dialog "del_obj_desc_dialog": lists the
// numbers of a stored-data group's entries and deletes the ones selected.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/XdXmDialog.hpp"

class DelObjectDesc : public xd_XmDialog_c {
public:
    virtual void create(Widget parent, const char* name = "del_obj_desc_dialog");
    virtual void help_button_cb(Widget widget, XtPointer call_data);
    // Deletes the selected entries of current_user_data and renumbers.
    virtual void apply_button_cb(Widget widget, XtPointer call_data);
    // Apply, then pop the dialog down.
    virtual void ok_button_cb(Widget widget, XtPointer call_data);

    // Empties del_list and fills it with 1 to count, unselected.
    void fill_list(int count);

    Widget shell() const { return _xd_rootwidget; }
    Widget del_template() const { return _xd_dialogwidget; }
    Widget del_list() const { return del_list_; }

    static constexpr int kHelpTopic = 1140;

private:
    // The buttons whose first act is to take the dialog down.
    static void ok_pressed(Widget widget, XtPointer client_data, XtPointer call_data);
    static void cancel_pressed(Widget widget, XtPointer client_data, XtPointer call_data);

    Widget del_list_ = nullptr;
};

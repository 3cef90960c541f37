// A chooser dialog of an agent dialog (SNMP MIBs, RPC agents): a dialog shell
// whose work area receives the two-list chooser. OK is the owner's to handle.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/XdXmDialog.hpp"

class ChooserDialog : public xd_XmDialog_c {
public:
    // The dialog shell name under parent, titled with catalogue text title_number.
    virtual void create(Widget parent, const char* name, int title_number, const char* title);

    virtual void cancel_button_cb(Widget widget, XtPointer call_data);

    Widget ok_button() const { return ok_button_; }
    Widget help_button() const { return help_button_; }
    Widget work_form() const { return work_form_; }

private:
    Widget ok_button_ = nullptr;
    Widget help_button_ = nullptr;
    Widget work_form_ = nullptr;
};

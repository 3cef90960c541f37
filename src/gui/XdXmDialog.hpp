// Base of the dialog classes: a shell (the root widget) around one dialog
// widget, shown and hidden by managing that child.
#pragma once

#include "gui/XdXtWidget.hpp"

class xd_XmDialog_c : public xd_XtWidget_c {
public:
    // Manage / unmanage the dialog widget, when the root widget exists.
    virtual void xd_show();
    virtual void xd_hide();
    // Destroys the shell and with it the dialog widget.
    void xd_destroy() override;

    Widget xd_dialogwidget() const { return _xd_dialogwidget; }

protected:
    // Builds the dialog shell shell_name under parent, titled title, with the
    // unmanaged template box box_name in it; returns the box. Closing the
    // shell from the window manager presses the box's cancel button
    // (set_answer_buttons) or hides the box.
    Widget create_template(Widget parent, const char* shell_name, const char* box_name, const char* title);

    Widget _xd_dialogwidget = nullptr;
};

#include "ui/ErrorDialog.hpp"

#include <Xm/Xm.h>

#include "gui/ErrDialogBox.hpp"
#include "main/Catalogue.hpp"

ErrDialogBox* error_box = nullptr;
int error_done = 1;

void error_dialog(Widget parent, const char* message, XtCallbackProc ok, XtCallbackProc cancel)
{
    error_box = new ErrDialogBox(parent, message);
    error_box->change_title(cat_text(kToolSet, 300, "Object Properties: Error"));
    error_box->add_callback(OK_BUTTON, ok, &error_done);
    error_box->add_callback(CANCEL_BUTTON, cancel, &error_done);
    error_box->manage();

    XtAppContext context = XtWidgetToApplicationContext(parent);
    error_done = 0;
    // Timers and server input count as events too: a callback of either
    // may close the dialog.
    while (error_done == 0)
        XtAppProcessEvent(context, XtIMAll);
}

void cancel_error(Widget, XtPointer client_data, XtPointer call_data)
{
    delete error_box;
    error_box = nullptr;
    const auto* reason = static_cast<XmAnyCallbackStruct*>(call_data);
    // The reason is never 0, so storing it ends the loop.
    *static_cast<int*>(client_data) = (reason && reason->reason != 0) ? reason->reason : 1;
}

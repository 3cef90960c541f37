// The modal error dialog every part of the tool reports failures with. It
// runs its own event loop and returns only after the user has closed it.
#pragma once

#include <X11/Intrinsic.h>

class ErrDialogBox;

// The error box on screen (the latest one), or null.
extern ErrDialogBox* error_box;
// 0 while the current error dialog is open; set non-zero when it closes.
extern int error_done;

// Shows message in an application-modal dialog titled "Object Properties:
// Error" on parent; ok and cancel are attached to its buttons with &error_done
// as client data. Dispatches events until error_done becomes non-zero.
void error_dialog(Widget parent, const char* message, XtCallbackProc ok, XtCallbackProc cancel);

// Closes the current error dialog and ends the loop of error_dialog.
void cancel_error(Widget widget, XtPointer client_data, XtPointer call_data);

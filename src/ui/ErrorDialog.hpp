// The modal error dialog every part of the tool reports failures with. It
// runs its own event loop and returns only after the user has closed it.
// Dialogs opened while one is up stack: each call waits for its own box,
// and the one on top is closed first.
#pragma once

#include <X11/Intrinsic.h>

class ErrDialogBox;

// The error box on top (the latest one still open), or null.
extern ErrDialogBox* error_box;

// Shows message in an application-modal dialog titled "Object Properties:
// Error" on parent; ok and cancel are attached to its buttons (ok also to
// the window manager's close, the box showing only OK) with the address of
// this dialog's completion flag as client data. Dispatches events until the
// dialog is closed, whichever way it goes away.
void error_dialog(Widget parent, const char* message, XtCallbackProc ok, XtCallbackProc cancel);

// Closes the error dialog whose completion flag client_data points at and
// ends the loop of its error_dialog.
void cancel_error(Widget widget, XtPointer client_data, XtPointer call_data);

// Closes every error dialog on screen (the program is about to end).
void close_error_dialogs();

// Routing the window manager's close request (WM_DELETE_WINDOW) of a shell.
#pragma once

#include <X11/Intrinsic.h>

// Calls callback when the window manager asks to close shell; the shell's
// own delete response stays as it is.
void add_close_handler(Widget shell, XtCallbackProc callback, XtPointer client_data);
// The same, with the shell's delete response set to do nothing, so that the
// callback alone decides what a close does.
void close_callback(Widget shell, XtCallbackProc callback, XtPointer client_data);

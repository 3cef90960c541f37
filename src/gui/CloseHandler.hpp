// Routing the window manager's close request (WM_DELETE_WINDOW) of a shell.
#pragma once

#include <X11/Intrinsic.h>

// Calls callback when the window manager asks to close shell; the shell's
// own delete response stays as it is.
void add_close_handler(Widget shell, XtCallbackProc callback, XtPointer client_data);
// The same, with the shell's delete response set to do nothing, so that the
// callback alone decides what a close does.
void close_callback(Widget shell, XtCallbackProc callback, XtPointer client_data);

// Makes a close of the dialog shell around box what the dialog's Cancel is:
// after the close callbacks added above have run, a box still managed has
// its cancel button (XmNcancelButton) pressed; with that hidden, its
// default button (the only button of an OK box); with neither, it is
// hidden. The shell never just unmaps, which would leave the box managed,
// its wait unanswered and the dialog impossible to show again.
void close_as_cancel(Widget shell, Widget box);

// Presses a push button (widget or gadget) as a click does; false when it
// is insensitive or hidden.
bool press_button(Widget button, XEvent* event = nullptr);

// The ways the program ends from the windows: Cancel, the window manager's
// close, and the loss of the server. Nothing is saved on the way out.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/CloseHandler.hpp"  // close_callback, with which start-up routes the windows' close

// client_data 0: end at once with status 0. Non-zero: the server connection
// is lost; say so in an error dialog whose OK ends the program.
void exit_callback(Widget widget, XtPointer client_data, XtPointer call_data);

// Takes down the error dialog on screen, if any, and ends with status 0.
void exit_no_save(Widget widget, XtPointer client_data, XtPointer call_data);

// The platform's disconnection callback.
void qv_disc_cb(void* client_data, void* event_data);

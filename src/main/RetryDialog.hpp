// The retry dialog after a failed connection attempt: "Error: Connection
// failed" with the platform's error text, Retry and Cancel.
#pragma once

#include <X11/Intrinsic.h>

// Shows the dialog on parent and waits for the answer; true for Retry.
// Escape, closing the window and the box going away count as Cancel. After
// a cancelled login it shows nothing and returns false.
bool retry_dialog(Widget parent, XtAppContext context, const char* message, bool login_cancelled);

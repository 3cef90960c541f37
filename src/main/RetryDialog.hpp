// The retry dialog after a failed connection attempt: "Error: Connection
// failed" with the platform's error text, Retry and Cancel.
#pragma once

#include <X11/Intrinsic.h>

// -1 pending, 1 Retry, 0 Cancel.
extern int retry_result;

// Shows the dialog on parent and waits for the answer; true for Retry. After
// a cancelled login it shows nothing and returns false.
bool retry_dialog(Widget parent, XtAppContext context, const char* message);

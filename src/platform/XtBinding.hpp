// Binds the client library to an X toolkit application context: server events
// and the disconnection then arrive as callbacks from the X event loop, also
// inside nested loops that dispatch X events. Only this part of the library
// needs Xt; it lives in the qvplatform_xt library.
#pragma once

#include <X11/Intrinsic.h>

void set_app_context(XtAppContext context);

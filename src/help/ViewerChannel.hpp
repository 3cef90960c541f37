// Handing a command to a running help viewer: the command goes into the
// client's record on the root window, and a client message wakes the viewer.
#pragma once

#include <X11/Xlib.h>

#include "help/HelpRecord.hpp"
#include "help/HelpRootProperty.hpp"

class ViewerChannel {
public:
    // Writes the record and sends its viewer window the wake-up message.
    // False when the X server reported an error: the window is gone.
    static bool deliver(Display* display, const HelpRootProperty& property, const HelpRecord& record);
};

// Shows a window and brings it to the front.
#pragma once

#include <X11/Intrinsic.h>

// Manages the widget and raises its parent's window to the top of the stack.
void g2_win_show(Widget widget);

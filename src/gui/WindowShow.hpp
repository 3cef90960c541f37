// Shows a window and brings it to the front; names it for the window manager.
#pragma once

#include <string>

#include <X11/Intrinsic.h>

// Manages the widget and raises its parent's window to the top of the stack.
void g2_win_show(Widget widget);

// Gives a shell its title and icon name: the toolkit's resources, and once
// the shell is realized (call again then) the UTF-8 names window managers
// read first, in a UTF-8 locale.
void set_window_names(Widget shell, const std::string& title);

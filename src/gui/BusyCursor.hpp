// The busy cursor the main window shows over a shell while a long operation
// runs. One cursor per process, created on first use and kept.
#pragma once

#include <X11/Intrinsic.h>

// Defines the hourglass on the shell's window and flushes, so it shows at once.
void set_busy_cursor(Widget shell);  // any realized widget will do
// Removes it again (when it was ever created) and flushes.
void reset_busy_cursor(Widget shell);

// The X toolkit state of the process: set once by start-up.
#pragma once

#include <X11/Intrinsic.h>

extern XtAppContext app_context;
extern Display* display;
// The main shell: the object properties window, or in agent mode the agent
// dialog that is the only window.
extern Widget root_widget;

// The class of every top-level shell, and so of the app-defaults file.
inline constexpr const char* kAppClass = "QV_tolvar";

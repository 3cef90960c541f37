#include "gui/XtGlobals.hpp"

XtAppContext app_context = nullptr;
Display* display = nullptr;
Widget root_widget = nullptr;

// The template message box: the shape of most of the tool's windows.
// Push-button children of the box form its action area, the first other
// child its work area.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/Args.hpp"

// Creates, unmanaged, the template message box name in shell. Its buttons
// decide themselves whether the window goes away.
Widget create_template_box(Widget shell, const char* name, Args args = Args());

// The box's keyboard answers: Return presses default_button, Escape
// presses cancel_button (null: no such key).
void set_answer_buttons(Widget box, Widget default_button, Widget cancel_button);

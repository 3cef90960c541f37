// A dialog shell around a template message box: the shape of most of the
// tool's dialogs. Push-button children of the box form its action area, the
// first other child its work area.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/Args.hpp"

struct TemplateDialog {
    Widget shell = nullptr;
    Widget box = nullptr;
};

// Creates the dialog shell shell_name under parent, titled title, and in it
// the unmanaged template message box box_name.
TemplateDialog create_template_dialog(Widget parent, const char* shell_name, const char* box_name,
                                      const char* title, Args box_args = Args());

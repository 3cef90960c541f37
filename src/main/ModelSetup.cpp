#include "main/ModelSetup.hpp"

#include "gui/XtGlobals.hpp"
#include "model/ModelContext.hpp"
#include "ui/ErrorDialog.hpp"

void init_model_context()
{
    // Failures of the model are shown over the main shell; both buttons only
    // close the dialog.
    model_context().report = [](const RWCString& message) {
        error_dialog(root_widget, message.c_str(), cancel_error, cancel_error);
    };
}

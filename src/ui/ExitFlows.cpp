#include "ui/ExitFlows.hpp"

#include <Xm/Xm.h>

#include "gui/XtGlobals.hpp"
#include "process/Catalogue.hpp"
#include "process/ProgramExit.hpp"
#include "ui/ErrorDialog.hpp"

void exit_callback(Widget widget, XtPointer client_data, XtPointer)
{
    if (client_data == nullptr)
        program_exit(0);
    error_dialog(widget, cat_text(kToolSet, 303, "Platform has disconnected"), exit_no_save, exit_no_save);
    // The dialog's buttons end the program; should its loop ever return, the
    // server is still gone.
    program_exit(0);
}

void exit_no_save(Widget, XtPointer, XtPointer)
{
    close_error_dialogs();
    program_exit(0);
}

void qv_disc_cb(void*, void*)
{
    exit_callback(root_widget, reinterpret_cast<XtPointer>(1), nullptr);
}

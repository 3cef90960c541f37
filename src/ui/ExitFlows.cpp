#include "ui/ExitFlows.hpp"

#include <Xm/Protocols.h>
#include <Xm/Xm.h>

#include "gui/ErrDialogBox.hpp"
#include "gui/XtGlobals.hpp"
#include "main/Catalogue.hpp"
#include "main/ProgramExit.hpp"
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
    if (error_box) {
        delete error_box;
        error_box = nullptr;
    }
    program_exit(0);
}

void close_callback(Widget shell, XtCallbackProc callback, XtPointer client_data)
{
    XtVaSetValues(shell, XmNdeleteResponse, XmDO_NOTHING, nullptr);
    Atom delete_window = XmInternAtom(XtDisplay(shell), const_cast<char*>("WM_DELETE_WINDOW"), False);
    XmAddWMProtocolCallback(shell, delete_window, callback, client_data);
}

void qv_disc_cb(void*, void*)
{
    exit_callback(root_widget, reinterpret_cast<XtPointer>(1), nullptr);
}

#include "gui/CloseHandler.hpp"

#include <Xm/Protocols.h>
#include <Xm/Xm.h>

void add_close_handler(Widget shell, XtCallbackProc callback, XtPointer client_data)
{
    Atom delete_window = XmInternAtom(XtDisplay(shell), const_cast<char*>("WM_DELETE_WINDOW"), False);
    XmAddWMProtocolCallback(shell, delete_window, callback, client_data);
}

void close_callback(Widget shell, XtCallbackProc callback, XtPointer client_data)
{
    XtVaSetValues(shell, XmNdeleteResponse, XmDO_NOTHING, nullptr);
    add_close_handler(shell, callback, client_data);
}

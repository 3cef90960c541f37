#include "gui/CloseHandler.hpp"

#include <X11/IntrinsicP.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/Xm.h>

namespace {

Atom delete_atom(Widget shell)
{
    return XmInternAtom(XtDisplay(shell), const_cast<char*>("WM_DELETE_WINDOW"), False);
}

// Runs after the shell's close callbacks: whatever they left open is
// answered with its Cancel, or with its default button when Cancel is
// hidden (a box with OK alone), or else just hidden.
void cancel_after_close(Widget, XtPointer client_data, XtPointer call_data)
{
    auto box = static_cast<Widget>(client_data);
    if (box->core.being_destroyed || !XtIsManaged(box))
        return;
    Widget cancel = nullptr, default_button = nullptr;
    XtVaGetValues(box, XmNcancelButton, &cancel, XmNdefaultButton, &default_button, nullptr);
    const auto* close = static_cast<XmAnyCallbackStruct*>(call_data);
    XEvent* event = close ? close->event : nullptr;
    if (cancel && press_button(cancel, event))
        return;
    if (!(cancel && XtIsManaged(cancel)) && default_button && press_button(default_button, event))
        return;
    XtUnmanageChild(box);
}

}  // namespace

void add_close_handler(Widget shell, XtCallbackProc callback, XtPointer client_data)
{
    XmAddWMProtocolCallback(shell, delete_atom(shell), callback, client_data);
}

void close_callback(Widget shell, XtCallbackProc callback, XtPointer client_data)
{
    XtVaSetValues(shell, XmNdeleteResponse, XmDO_NOTHING, nullptr);
    add_close_handler(shell, callback, client_data);
}

void close_as_cancel(Widget shell, Widget box)
{
    XtVaSetValues(shell, XmNdeleteResponse, XmDO_NOTHING, nullptr);
    XmSetWMProtocolHooks(shell, delete_atom(shell), nullptr, nullptr, cancel_after_close, box);
}

bool press_button(Widget button, XEvent* event)
{
    if (!XtIsManaged(button) || !XtIsSensitive(button))
        return false;
    XmPushButtonCallbackStruct data{};
    data.reason = XmCR_ACTIVATE;
    data.event = event;
    data.click_count = 1;
    XtCallCallbacks(button, XmNactivateCallback, &data);
    return true;
}

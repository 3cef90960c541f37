#include "ui/ErrorDialog.hpp"

#include <algorithm>
#include <memory>
#include <vector>

#include <Xm/Xm.h>

#include "gui/ErrDialogBox.hpp"
#include "process/Catalogue.hpp"
#include "ui/DialogTexts.hpp"

ErrDialogBox* error_box = nullptr;

namespace {

// One open error dialog: its box and the flag its loop waits on. The flag
// comes first so that its address, the callbacks' client data, finds the frame.
struct ErrorFrame {
    int done = 0;
    std::unique_ptr<ErrDialogBox> box;
};

std::vector<ErrorFrame*> open_frames;

void refresh_top() { error_box = open_frames.empty() ? nullptr : open_frames.back()->box.get(); }

ErrorFrame* frame_of(XtPointer client_data)
{
    for (ErrorFrame* frame : open_frames)
        if (&frame->done == client_data)
            return frame;
    return nullptr;
}

// The box went away without a button (its shell destroyed from outside):
// the wait ends all the same, and nobody destroys the widget again.
void box_destroyed_cb(Widget, XtPointer client_data, XtPointer)
{
    ErrorFrame* frame = frame_of(client_data);
    if (!frame)
        return;
    frame->box->widget_destroyed();
    if (frame->done == 0)
        frame->done = 1;
}

}  // namespace

void error_dialog(Widget parent, const char* message, XtCallbackProc ok, XtCallbackProc cancel)
{
    ErrorFrame frame;
    frame.box = std::make_unique<ErrDialogBox>(parent, message, error_box_texts());
    ErrDialogBox* box = frame.box.get();
    box->change_title(cat_text(kToolSet, 300, "Object Properties: Error"));
    box->add_callback(OK_BUTTON, reinterpret_cast<AppsDialogBox::CallbackFunction>(ok), &frame.done);
    box->add_callback(CANCEL_BUTTON, reinterpret_cast<AppsDialogBox::CallbackFunction>(cancel), &frame.done);
    box->add_callback(CLOSE_MENUITEM, reinterpret_cast<AppsDialogBox::CallbackFunction>(ok), &frame.done);
    XtAddCallback(box->getwidget(), XmNdestroyCallback, box_destroyed_cb, &frame.done);
    open_frames.push_back(&frame);
    refresh_top();
    box->manage();

    XtAppContext context = XtWidgetToApplicationContext(parent);
    // Timers and server input count as events too: a callback of either
    // may close the dialog.
    while (frame.done == 0)
        XtAppProcessEvent(context, XtIMAll);

    open_frames.erase(std::remove(open_frames.begin(), open_frames.end(), &frame), open_frames.end());
    if (Widget w = frame.box->getwidget())
        XtRemoveCallback(w, XmNdestroyCallback, box_destroyed_cb, &frame.done);
    frame.box.reset();
    refresh_top();
}

void cancel_error(Widget, XtPointer client_data, XtPointer call_data)
{
    ErrorFrame* frame = frame_of(client_data);
    if (!frame)
        return;
    if (frame->box->getwidget())
        frame->box->unmanage();
    const auto* reason = static_cast<XmAnyCallbackStruct*>(call_data);
    // The reason is never 0, so storing it ends the loop.
    frame->done = (reason && reason->reason != 0) ? reason->reason : 1;
}

void close_error_dialogs()
{
    for (ErrorFrame* frame : open_frames) {
        if (Widget w = frame->box ? frame->box->getwidget() : nullptr) {
            XtRemoveCallback(w, XmNdestroyCallback, box_destroyed_cb, &frame->done);
            frame->box->unmanage();
        }
        if (frame->done == 0)
            frame->done = 1;
    }
    refresh_top();
}

#include "main/RetryDialog.hpp"

#include <Xm/Xm.h>

#include "gui/ErrDialogBox.hpp"
#include "process/Catalogue.hpp"
#include "ui/DialogTexts.hpp"

namespace {

// The open dialog and its answer: -1 pending, 1 Retry, 0 Cancel.
struct RetryWait {
    ErrDialogBox* box;
    int result = -1;
};

RetryWait& wait_of(void* client_data) { return *static_cast<RetryWait*>(client_data); }

void retry_cb(Widget, void* wait, void*) { wait_of(wait).result = 1; }

void give_up_cb(Widget, void* wait, void*)
{
    if (wait_of(wait).result == -1)
        wait_of(wait).result = 0;
}

// However the box goes away, the wait ends as Cancel.
void box_destroyed_cb(Widget widget, XtPointer wait, XtPointer call_data)
{
    wait_of(wait).box->widget_destroyed();
    give_up_cb(widget, wait, call_data);
}

}  // namespace

bool retry_dialog(Widget parent, XtAppContext context, const char* message, bool login_cancelled)
{
    if (login_cancelled)
        return false;
    ErrDialogBox box(parent, message, error_box_texts());
    RetryWait wait{&box};
    box.change_title(cat_text(kDialogSet, 808, "Error: Connection failed"));
    box.label_button(OK_BUTTON, cat_text(kDialogSet, 809, "Retry"));
    box.label_button(CANCEL_BUTTON, cat_text(kDialogSet, 806, "Cancel"));
    box.manage_button(CANCEL_BUTTON);
    box.add_callback(OK_BUTTON, retry_cb, &wait);
    box.add_callback(CANCEL_BUTTON, give_up_cb, &wait);
    box.add_callback(CLOSE_MENUITEM, give_up_cb, &wait);
    XtAddCallback(box.getwidget(), XmNdestroyCallback, box_destroyed_cb, &wait);
    box.manage();

    while (wait.result == -1)
        XtAppProcessEvent(context, XtIMAll);
    if (Widget w = box.getwidget())
        XtRemoveCallback(w, XmNdestroyCallback, box_destroyed_cb, &wait);
    return wait.result != 0;
}

#include "main/RetryDialog.hpp"

#include <Xm/Xm.h>

#include "gui/ErrDialogBox.hpp"
#include "process/Catalogue.hpp"
#include "ui/DialogTexts.hpp"

namespace {

// -1 pending, 1 Retry, 0 Cancel; client data of the dialog's callbacks.
void retry_cb(Widget, void* result, void*) { *static_cast<int*>(result) = 1; }

void give_up_cb(Widget, void* result, void*)
{
    if (*static_cast<int*>(result) == -1)
        *static_cast<int*>(result) = 0;
}

}  // namespace

bool retry_dialog(Widget parent, XtAppContext context, const char* message, bool login_cancelled)
{
    if (login_cancelled)
        return false;
    int result = -1;
    ErrDialogBox box(parent, message, error_box_texts());
    box.change_title(cat_text(kDialogSet, 808, "Error: Connection failed"));
    box.label_button(OK_BUTTON, cat_text(kDialogSet, 809, "Retry"));
    box.label_button(CANCEL_BUTTON, cat_text(kDialogSet, 806, "Cancel"));
    box.manage_button(CANCEL_BUTTON);
    box.add_callback(OK_BUTTON, retry_cb, &result);
    box.add_callback(CANCEL_BUTTON, give_up_cb, &result);
    box.add_callback(CLOSE_MENUITEM, give_up_cb, &result);
    box.manage();

    while (result == -1)
        XtAppProcessEvent(context, XtIMAll);
    return result != 0;
}

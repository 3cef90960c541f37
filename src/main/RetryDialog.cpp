#include "main/RetryDialog.hpp"

#include "gui/ErrDialogBox.hpp"
#include "main/Catalogue.hpp"
#include "main/LoginDialog.hpp"

int retry_result = -1;

namespace {

void retry_cb(Widget, XtPointer, XtPointer) { retry_result = 1; }

void give_up_cb(Widget, XtPointer, XtPointer) { retry_result = 0; }

}  // namespace

bool retry_dialog(Widget parent, XtAppContext context, const char* message)
{
    if (login_result == 0) {
        retry_result = 0;
        return false;
    }
    ErrDialogBox box(parent, message);
    box.change_title(cat_text(kDialogSet, 808, "Error: Connection failed"));
    box.label_button(OK_BUTTON, cat_text(kDialogSet, 809, "Retry"));
    box.label_button(CANCEL_BUTTON, cat_text(kDialogSet, 806, "Cancel"));
    box.manage_button(CANCEL_BUTTON);
    box.add_callback(OK_BUTTON, retry_cb, nullptr);
    box.add_callback(CANCEL_BUTTON, give_up_cb, nullptr);
    box.add_callback(CLOSE_MENUITEM, give_up_cb, nullptr);
    box.manage();

    retry_result = -1;
    while (retry_result == -1)
        XtAppProcessEvent(context, XtIMAll);
    return retry_result != 0;
}

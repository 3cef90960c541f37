#include "gui/ErrDialogBox.hpp"

#include <Xm/MessageB.h>

#include "main/Catalogue.hpp"

ErrDialogBox::ErrDialogBox(Widget parent, const char* message)
    : AppsDialogBox(create_modal(XmCreateErrorDialog, parent, "ErrorDialog"))
{
    change_title(cat_text(kDialogSet, 606, "Error"));
    label_button(OK_BUTTON, cat_text(kDialogSet, 405, "OK"));
    label_button(CANCEL_BUTTON, cat_text(kDialogSet, 406, "Cancel"));
    label_button(HELP_BUTTON, cat_text(kDialogSet, 807, "Help"));
    unmanage_button(CANCEL_BUTTON);
    unmanage_button(HELP_BUTTON);
    setmessage(message);
}

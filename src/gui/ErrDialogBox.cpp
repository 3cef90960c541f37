#include "gui/ErrDialogBox.hpp"

#include <Xm/MessageB.h>

#include "gui/Args.hpp"
#include "main/Catalogue.hpp"

namespace {

Widget create_error_dialog(Widget parent)
{
    Args args;
    args.add(XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL);
    return XmCreateErrorDialog(parent, const_cast<char*>("ErrorDialog"), args.list(), args.count());
}

}  // namespace

ErrDialogBox::ErrDialogBox(Widget parent, const char* message) : AppsDialogBox(create_error_dialog(parent))
{
    change_title(cat_text(kDialogSet, 606, "Error"));
    label_button(OK_BUTTON, cat_text(kDialogSet, 405, "OK"));
    label_button(CANCEL_BUTTON, cat_text(kDialogSet, 406, "Cancel"));
    label_button(HELP_BUTTON, cat_text(kDialogSet, 807, "Help"));
    unmanage_button(CANCEL_BUTTON);
    unmanage_button(HELP_BUTTON);
    setmessage(message);
}

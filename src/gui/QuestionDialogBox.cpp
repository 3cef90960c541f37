#include "gui/QuestionDialogBox.hpp"

#include <Xm/MessageB.h>

#include "main/Catalogue.hpp"

QuestionDialogBox::QuestionDialogBox(Widget parent, const char* message)
    : AppsDialogBox(create_modal(XmCreateQuestionDialog, parent, "QuestionDialog"))
{
    change_title(cat_text(kDialogSet, 607, "Question"));
    label_button(OK_BUTTON, cat_text(kDialogSet, 610, "OK"));
    label_button(CANCEL_BUTTON, cat_text(kDialogSet, 611, "CANCEL"));
    label_button(HELP_BUTTON, cat_text(kDialogSet, 507, "Help"));
    unmanage_button(HELP_BUTTON);
    setmessage(message);
}

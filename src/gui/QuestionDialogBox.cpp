#include "gui/QuestionDialogBox.hpp"

#include <Xm/MessageB.h>

QuestionDialogBox::QuestionDialogBox(Widget parent, const char* message, const BoxTexts& texts)
    : AppsDialogBox(create_modal(XmCreateQuestionDialog, parent, "QuestionDialog"))
{
    change_title(texts.title.c_str());
    label_button(OK_BUTTON, texts.ok.c_str());
    label_button(CANCEL_BUTTON, texts.cancel.c_str());
    label_button(HELP_BUTTON, texts.help.c_str());
    unmanage_button(HELP_BUTTON);
    setmessage(message);
}

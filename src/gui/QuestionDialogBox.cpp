#include "gui/QuestionDialogBox.hpp"

#include <Xm/MessageB.h>

#include "gui/Args.hpp"
#include "main/Catalogue.hpp"

namespace {

Widget create_question_dialog(Widget parent)
{
    Args args;
    args.add(XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL);
    return XmCreateQuestionDialog(parent, const_cast<char*>("QuestionDialog"), args.list(), args.count());
}

}  // namespace

QuestionDialogBox::QuestionDialogBox(Widget parent, const char* message)
    : AppsDialogBox(create_question_dialog(parent))
{
    change_title(cat_text(kDialogSet, 607, "Question"));
    label_button(OK_BUTTON, cat_text(kDialogSet, 610, "OK"));
    label_button(CANCEL_BUTTON, cat_text(kDialogSet, 611, "CANCEL"));
    label_button(HELP_BUTTON, cat_text(kDialogSet, 507, "Help"));
    unmanage_button(HELP_BUTTON);
    setmessage(message);
}

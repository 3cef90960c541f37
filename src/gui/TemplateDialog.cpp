#include "gui/TemplateDialog.hpp"

#include <Xm/MessageB.h>

Widget create_template_box(Widget shell, const char* name, Args args)
{
    // Buttons decide themselves whether the dialog goes away (Apply must not).
    args.add(XmNdialogType, XmDIALOG_TEMPLATE).add(XmNautoUnmanage, False);
    return XmCreateMessageBox(shell, const_cast<char*>(name), args.list(), args.count());
}

void set_answer_buttons(Widget box, Widget default_button, Widget cancel_button)
{
    Args().add(XmNdefaultButton, default_button).add(XmNcancelButton, cancel_button).set_on(box);
}

#include "gui/TemplateDialog.hpp"

#include <Xm/DialogS.h>
#include <Xm/MessageB.h>

TemplateDialog create_template_dialog(Widget parent, const char* shell_name, const char* box_name,
                                      const char* title, Args box_args)
{
    TemplateDialog dialog;
    Args shell_args;
    shell_args.add(XmNtitle, title).add(XmNallowShellResize, True);
    dialog.shell = XmCreateDialogShell(parent, const_cast<char*>(shell_name), shell_args.list(), shell_args.count());
    // Buttons decide themselves whether the dialog goes away (Apply must not).
    box_args.add(XmNdialogType, XmDIALOG_TEMPLATE).add(XmNautoUnmanage, False);
    dialog.box = XmCreateMessageBox(dialog.shell, const_cast<char*>(box_name), box_args.list(), box_args.count());
    return dialog;
}

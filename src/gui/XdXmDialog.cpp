#include "gui/XdXmDialog.hpp"

#include <Xm/DialogS.h>

#include "gui/Args.hpp"
#include "gui/CloseHandler.hpp"
#include "gui/TemplateDialog.hpp"

void xd_XmDialog_c::xd_show()
{
    if (_xd_rootwidget && _xd_dialogwidget)
        XtManageChild(_xd_dialogwidget);
}

void xd_XmDialog_c::xd_hide()
{
    if (_xd_rootwidget && _xd_dialogwidget)
        XtUnmanageChild(_xd_dialogwidget);
}

void xd_XmDialog_c::xd_destroy()
{
    xd_XtWidget_c::xd_destroy();
    _xd_dialogwidget = nullptr;
}

Widget xd_XmDialog_c::create_template(Widget parent, const char* shell_name, const char* box_name, const char* title)
{
    Args shell_args;
    shell_args.add(XmNtitle, title).add(XmNallowShellResize, True);
    _xd_rootwidget =
        XmCreateDialogShell(parent, const_cast<char*>(shell_name), shell_args.list(), shell_args.count());
    _xd_dialogwidget = create_template_box(_xd_rootwidget, box_name);
    close_as_cancel(_xd_rootwidget, _xd_dialogwidget);
    return _xd_dialogwidget;
}

#include "gui/XdXmDialog.hpp"

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

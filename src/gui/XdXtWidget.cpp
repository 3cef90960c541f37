#include "gui/XdXtWidget.hpp"

void xd_XtWidget_c::xd_enable()
{
    if (_xd_rootwidget)
        XtSetSensitive(_xd_rootwidget, True);
}

void xd_XtWidget_c::xd_disable()
{
    if (_xd_rootwidget)
        XtSetSensitive(_xd_rootwidget, False);
}

void xd_XtWidget_c::xd_destroy()
{
    if (_xd_rootwidget) {
        XtDestroyWidget(_xd_rootwidget);
        _xd_rootwidget = nullptr;
    }
}

#include "gui/WindowShow.hpp"

void g2_win_show(Widget widget)
{
    if (!widget)
        return;
    XtManageChild(widget);
    Widget parent = XtParent(widget);
    if (parent && XtIsRealized(parent))
        XRaiseWindow(XtDisplay(parent), XtWindow(parent));
}

#include "gui/WindowShow.hpp"

#include <cstring>
#include <langinfo.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <Xm/Xm.h>

void g2_win_show(Widget widget)
{
    if (!widget)
        return;
    XtManageChild(widget);
    Widget parent = XtParent(widget);
    if (parent && XtIsRealized(parent))
        XRaiseWindow(XtDisplay(parent), XtWindow(parent));
}

void set_window_names(Widget shell, const std::string& title)
{
    XtVaSetValues(shell, XmNtitle, title.c_str(), nullptr);
    // Dialog shells have no icon name resource: the property is set directly.
    if (XtIsTopLevelShell(shell))
        XtVaSetValues(shell, XmNiconName, title.c_str(), nullptr);
    if (!XtIsRealized(shell))
        return;
    Display* dpy = XtDisplay(shell);
    char* texts[] = {const_cast<char*>(title.c_str())};
    XTextProperty icon_name{};
    if (XmbTextListToTextProperty(dpy, texts, 1, XStdICCTextStyle, &icon_name) >= Success) {
        XSetWMIconName(dpy, XtWindow(shell), &icon_name);
        XFree(icon_name.value);
    }
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        return;
    const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    for (const char* name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME"})
        XChangeProperty(dpy, XtWindow(shell), XInternAtom(dpy, name, False), utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
}

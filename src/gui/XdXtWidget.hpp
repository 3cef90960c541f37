// Base of every window class: the root widget of the wrapped widget tree.
#pragma once

#include <X11/Intrinsic.h>

class xd_XtWidget_c {
public:
    xd_XtWidget_c() = default;
    virtual ~xd_XtWidget_c() = default;
    xd_XtWidget_c(const xd_XtWidget_c&) = delete;
    xd_XtWidget_c& operator=(const xd_XtWidget_c&) = delete;

    // Makes the root widget sensitive / insensitive.
    virtual void xd_enable();
    virtual void xd_disable();
    // Destroys the root widget (with its tree), when there is one, and forgets it.
    virtual void xd_destroy();

    Widget xd_rootwidget() const { return _xd_rootwidget; }

protected:
    Widget _xd_rootwidget = nullptr;
};

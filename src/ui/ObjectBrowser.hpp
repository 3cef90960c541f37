// The object browser dialog "object_browser": an outline of the server's
// containment tree in a scrolled window, with Add, Close and Help. Add writes
// the selected object's name, relative to the tree's root, into the Object
// Path of the agent dialog the tree was opened for.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/XdXmDialog.hpp"

class ObjectBrowser : public xd_XmDialog_c {
public:
    virtual void create(Widget parent, const char* name = "object_browser");

    // Hides the dialog and drops the tree (also on the window manager's close).
    virtual void object_browser_close_cb(Widget widget, XtPointer call_data);
    virtual void object_browser_help_cb(Widget widget, XtPointer call_data);
    virtual void object_browser_add_cb(Widget widget, XtPointer call_data);

    Widget shell() const { return _xd_rootwidget; }
    // The scrolled window the outline is created in.
    Widget navigator_window() const { return navigator_window_; }

    // What Add does, also for a browser node dropped on an agent dialog.
    static void add_selected();

    static constexpr int kHelpTopic = 1140;

private:
    Widget navigator_window_ = nullptr;
};

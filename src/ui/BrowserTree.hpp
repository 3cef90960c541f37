// The object browser's tree: built on a root object, opened node by node as
// the user opens them, one object selected at a time, and dropped whole.
#pragma once

#include <string>

#include <X11/Intrinsic.h>

class Browser;

// Creates the outline "mw_navigator" in the browser's scrolled window.
void create_browser_window(Widget parent);

// Derives root and the objects below it down to default_scope levels and
// shows them. derive_in_progress is set meanwhile.
void build_tree(const std::string& root);
// Drops every object and node, hides the browser dialog and forgets the root
// and the receiving dialog.
void destroy_tree();

// The outline's node state callback: opening a node derives it once and
// shows its children closed.
void node_state_cb(Widget widget, XtPointer client_data, XtPointer call_data);

// Single selection: the object named name becomes the selection, or, when it
// was the selection, nothing is selected.
void object_selected(const std::string& name);
// Swap the node's colours and keep the selected list.
void select(Browser* object);
void deselect(Browser* object);
// Deselects everything and forgets the current selection.
void deselect_all();

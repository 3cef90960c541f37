// The outline of expandable nodes the object browser shows: Motif's XmOutline
// with push buttons as nodes. A node has a state (open or closed), a parent
// node and a sibling it is inserted before; destroying a node destroys the
// nodes below it.
#pragma once

#include <X11/Intrinsic.h>

// Node states as the outline numbers them.
enum OutlineNodeState { kOutlineOpen = 1, kOutlineClosed = 2 };

// A managed outline named name in parent, with autoClose off (reopening a
// node shows its children as the user left them) and node_state_cb called
// with an XmHierarchyNodeStateData when the user opens or closes a node.
Widget create_outline(Widget parent, const char* name, XtCallbackProc node_state_cb, XtPointer client_data);

// A managed push button node of the outline, named name and labelled label,
// below parent_node (none: a root), before insert_before (none: last), with
// translations instead of the push button's own when given.
Widget create_outline_node(Widget outline, Widget parent_node, Widget insert_before, const char* name,
                           const char* label, int state, XtTranslations translations = nullptr);

void set_outline_node_state(Widget node, int state);

// Stops the outline laying itself out until the matching resume, so that
// many nodes are placed once (the outline is laid out again on resume).
void suspend_outline_layout(Widget outline);
void resume_outline_layout(Widget outline);

// Drag and drop with mouse button 2: members of a monitor and children of an
// array between their hidden and shown lists, and object browser nodes onto
// the SNMP, RPC and MIS dialogs' Object Path. Each kind of drag has its own
// target type, so a drop site takes only what belongs on it.
#pragma once

#include <X11/Intrinsic.h>

// The "start_drag" action on button 2 of a display page section's two
// lists (monitor members, or array children with array set), each list a
// drop site for what is dragged out of the other.
void init_section_drag(Widget shown, Widget hidden, bool array);
// The same for the first browser node; later nodes are created with its
// translations (browser_drag_translations).
void init_browser_drag_actions(Widget node);
// The translations of a browser node with its drag action, once a node has
// had them installed: later nodes are created with them, which costs far
// less than installing them on each (none before the first node).
XtTranslations browser_drag_translations();

// Replaces any drop site of the widget by one for browser nodes.
void register_config_drop_site(Widget field);

// A 1-bit pixmap from the glyph directory, for a drag icon.
Pixmap get_icon(Widget widget, const char* file);

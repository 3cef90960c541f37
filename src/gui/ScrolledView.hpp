// Scrolled windows with automatic scrolling, as the property pages use them:
// the work area fills the view, and the fields in it keep their keys.
#pragma once

#include <X11/Intrinsic.h>

// Keeps the work area at least as large as the view: a larger window
// stretches the work area (and what is attached to its edges) instead of
// leaving empty space beside it; below the work area's own size the view
// scrolls. Follows later changes of the view and of the work area's size.
void fill_view(Widget scrolled_window);

// The clip window of such a window is handed End (among the keys it binds
// to scroll its view) even while a text field inside has the keyboard
// focus, and scrolls instead of moving the field's insertion point. This
// gives every key the clip window is handed to the widget inside the view
// that has the focus; the view's own keys act only when nothing inside it
// has the focus.
void give_keys_to_focus(Widget scrolled_window);

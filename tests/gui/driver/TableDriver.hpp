// Pointer actions on a Table's matrix and on lists through the X server, as a
// user's: clicks on a cell (with Ctrl when asked), a drag of button 1 from
// one row to another, a click on a list item. Each returns once the tool has
// handled the events.
#pragma once

#include <X11/Intrinsic.h>

namespace qv::gui {

void click_cell(Widget matrix, int row, int column, unsigned int button, bool ctrl = false);
void drag_rows(Widget matrix, int from, int to);
// A click on the item at a 1-based position of a list (scrolled into view),
// which changes whether the item is selected.
void click_list_item(Widget list, int position, unsigned int button);

}  // namespace qv::gui

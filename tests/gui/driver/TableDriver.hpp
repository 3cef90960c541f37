// Pointer actions on a Table's matrix through the X server, as a user's:
// clicks on a cell (with Ctrl when asked), a drag of button 1 from one row
// to another. Each returns once the tool has handled the events.
#pragma once

#include <X11/Intrinsic.h>

namespace qv::gui {

void click_cell(Widget matrix, int row, int column, unsigned int button, bool ctrl = false);
void drag_rows(Widget matrix, int from, int to);

}  // namespace qv::gui

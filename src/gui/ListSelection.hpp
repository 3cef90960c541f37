// What is selected in an XmList, as 1-based positions (Motif's numbering).
#pragma once

#include <vector>

#include <X11/Intrinsic.h>

// The first selected position, 0 when nothing is selected.
int first_selected_position(Widget list);
// Every selected position, in ascending order.
std::vector<int> selected_positions(Widget list);

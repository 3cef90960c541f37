// What an XmList holds, and what is selected in it as 1-based positions
// (Motif's numbering).
#pragma once

#include <string>
#include <vector>

#include <X11/Intrinsic.h>

// The texts of the list's items, in order.
std::vector<std::string> list_items(Widget list);
// The first selected position, 0 when nothing is selected.
int first_selected_position(Widget list);
// Every selected position, in ascending order.
std::vector<int> selected_positions(Widget list);

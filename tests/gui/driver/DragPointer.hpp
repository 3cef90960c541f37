// Clicks and drags as a user makes them: real pointer events sent through
// the X server (xdotool, XTest), while the tool handles its events.
#pragma once

#include <X11/Intrinsic.h>

namespace qv::gui {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// A point of a widget (its own coordinates) on the screen.
ScreenPoint screen_point(Widget widget, Position x, Position y);
ScreenPoint center_of(Widget widget);

// A click with button 1 in the middle of widget.
void click(Widget widget);

// Presses button 2 at from, moves to to in steps, releases; returns once the
// tool has handled the events of the drop.
void drag_with_button2(ScreenPoint from, ScreenPoint to);

}  // namespace qv::gui

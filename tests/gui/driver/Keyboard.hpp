// Editing a text field the way the keyboard does: through the field's own
// actions, so its verify callbacks see what a user's keys would cause.
#pragma once

#include <string>

#include <X11/Intrinsic.h>

namespace qv::gui {

// Types text one character at a time at the insertion point.
void type_text(Widget field, const std::string& text);
// Inserts text in one go, as a paste does.
void paste_text(Widget field, const std::string& text);
void press_backspace(Widget field);
// Moves the insertion point to the beginning of the line.
void move_to_start(Widget field);
int insertion_position(Widget field);

}  // namespace qv::gui

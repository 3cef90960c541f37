// Drives the tool's real widgets in-process for the GUI tests: find a widget
// by name, set text, press buttons through their callbacks, pump events until
// something holds, and answer modal dialogs from a timer while the tool's own
// nested loop waits for them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <X11/Intrinsic.h>

namespace qv::gui {

// A widget named name below any of the tool's top-level shells (popups
// included); null when there is none.
Widget find_widget(const char* name);
// Below root only.
Widget find_widget_in(Widget root, const char* name);

// Processes events until condition holds; false when it did not within the
// limit (a hang guard, not a timing assertion).
bool pump_until(const std::function<bool()>& condition, double limit_seconds = 30);

// Presses a push button (or a text field's Return) through its callbacks; a
// widget no user could press (insensitive, unmanaged, gone) fails the test.
void activate(Widget widget);
// Whether a user could press the widget now.
bool pressable(Widget widget);
// A message box's OK, Cancel or Help button (XmDIALOG_OK_BUTTON ...).
void press_box_button(Widget box, unsigned char child);

void set_text(Widget text_field, const std::string& text);
std::string text_of(Widget text_field);
std::string label_of(Widget label);
std::string message_of(Widget message_box);
// The title of the shell a widget lives in.
std::string shell_title(Widget widget);
bool is_shown(Widget widget);
// Whether the widget's window is on the screen (mapped, with its parents).
bool is_viewable(Widget widget);

// Gives a shell the keyboard focus, as a window manager would, once it is
// on the screen; false when it did not appear.
bool give_focus(Widget shell);

// Sends the window manager's close request (WM_DELETE_WINDOW) to a shell.
void send_wm_delete(Widget shell);
// The same to any window, from any connection (as the window manager's own).
void send_wm_delete(Display* dpy, Window window);

// Resizes a shell's window as a window manager does and lets the tool lay
// it out again.
void resize_window(Widget shell, int width, int height);

// Runs xdotool with args (keys, pointer) through the X server while the tool
// handles events, then handles whatever they caused.
void xdotool(const std::vector<std::string>& args);
// Handles every event the X server has for the tool so far (a round trip,
// then the queue), until no more come: redraws, input already sent.
void settle();

// Runs action on the named widget once it is managed and realized, so it
// works inside the tool's nested dialog loops; the action runs within an
// event dispatch, as a user's click does. With repeat, it runs again for
// every new widget of that name.
void on_widget(const char* name, std::function<void(Widget)> action, bool repeat = false);

}  // namespace qv::gui

#include "driver/Keyboard.hpp"

#include <Xm/TextF.h>

namespace qv::gui {
namespace {

XEvent key_event(Widget field, char c = '\0')
{
    XEvent event{};
    event.xkey.type = KeyPress;
    event.xkey.display = XtDisplay(field);
    event.xkey.window = XtIsRealized(field) ? XtWindow(field) : None;
    event.xkey.same_screen = True;
    if (c) {
        const char name[2] = {c, '\0'};
        event.xkey.keycode = XKeysymToKeycode(event.xkey.display, XStringToKeysym(name));
        if (c >= 'A' && c <= 'Z')
            event.xkey.state = ShiftMask;
    }
    return event;
}

void call_action(Widget field, const char* action, char c = '\0')
{
    XEvent event = key_event(field, c);
    XtCallActionProc(field, action, &event, nullptr, 0);
}

}  // namespace

// Letters and digits only: each is the key of that name.
void type_text(Widget field, const std::string& text)
{
    for (char c : text)
        call_action(field, "self-insert", c);
}

void paste_text(Widget field, const std::string& text)
{
    XmTextFieldInsert(field, XmTextFieldGetInsertionPosition(field), const_cast<char*>(text.c_str()));
}

void press_backspace(Widget field) { call_action(field, "delete-previous-character"); }

void move_to_start(Widget field) { call_action(field, "beginning-of-line"); }

int insertion_position(Widget field) { return static_cast<int>(XmTextFieldGetInsertionPosition(field)); }

}  // namespace qv::gui

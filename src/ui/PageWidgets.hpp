// Small widget helpers the property pages share: radio boxes and toggles,
// text field contents, sensitivity of a group of controls, and the error
// dialog on the main window.
#pragma once

#include <initializer_list>
#include <string>

#include <X11/Intrinsic.h>

#include "gui/Args.hpp"

// A managed radio box (one toggle on at a time) laid out horizontally.
Widget make_radio_box(Widget parent, const char* name, Args args = Args());
Widget make_toggle(Widget parent, const char* name, const char* text, Args args = Args());
// A managed row-column laying its children out in one row.
Widget make_row(Widget parent, const char* name, Args args = Args());

void set_field_text(Widget field, const std::string& text);
std::string field_text(Widget field);
// The field's text read as a decimal integer (atoi: leading blanks and a
// sign, up to the first other character; 0 for none).
long field_number(Widget field);

// Sets one toggle of a pair and clears the other, without notification.
void select_toggle(Widget on, Widget off);
bool toggle_is_set(Widget toggle);

void set_sensitive(std::initializer_list<Widget> widgets, bool sensitive);
// Manages (shows) or unmanages (hides) the widget.
void set_managed(Widget widget, bool managed);

// Whether the user may edit what a right guards: always while creating.
bool may_edit(unsigned char right);

// The modal error dialog on the main window, returning when it is closed.
void page_error(const std::string& message);
// A catalogue text of the tool's set with one "%d" or "%s" filled in.
std::string page_text(int number, const char* fallback, int value);
std::string page_text(int number, const char* fallback, const std::string& value);

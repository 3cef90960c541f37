// Helpers that create the common managed widgets by name, so the window
// classes read as their widget trees rather than as XtSetArg boilerplate.
#pragma once

#include <string>
#include <vector>

#include <X11/Intrinsic.h>

#include "gui/Args.hpp"

// A managed widget of any class.
Widget make_widget(WidgetClass widget_class, Widget parent, const char* name, Args args = Args());

Widget make_form(Widget parent, const char* name, Args args = Args());
Widget make_label(Widget parent, const char* name, const char* text, Args args = Args());
Widget make_button(Widget parent, const char* name, const char* text, Args args = Args());
Widget make_text_field(Widget parent, const char* name, Args args = Args());
// A frame with a title label child; the label is returned through title.
Widget make_frame(Widget parent, const char* name, const char* title_name, const char* title_text,
                  Widget* title = nullptr, Args args = Args());
// A scrolled list; its scrolled window is the list's parent.
Widget make_scrolled_list(Widget parent, const char* name, int visible_items, unsigned char selection_policy,
                          Args args = Args());
// Replaces a list's items with texts, none selected.
void set_list_items(Widget list, const std::vector<std::string>& texts);
// A label across the top of a form and a scrolled list filling the rest; returns the list.
Widget make_titled_list(Widget form, const char* label_name, const char* label_text, const char* list_name,
                        int visible_items, unsigned char selection_policy);

void set_label_text(Widget label, const char* text);
std::string get_label_text(Widget label);

// The main window's object identification: the name field, the list of
// objects being edited and its Add and Delete buttons, and OK.
#include "ui/ObjectConfig.hpp"

void ObjectConfig::name_selected_cb(Widget, XtPointer) {}
void ObjectConfig::name_changed_cb(Widget, XtPointer) {}
void ObjectConfig::add_name_button_cb(Widget, XtPointer) {}
void ObjectConfig::delete_name_button_cb(Widget, XtPointer) {}
void ObjectConfig::apply_button_cb(Widget, XtPointer) {}
void ObjectConfig::ok_button_cb(Widget, XtPointer) {}

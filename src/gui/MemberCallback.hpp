// Toolkit callbacks that land in a virtual member function: the toolkit calls
// a static trampoline with the object as client data, and the trampoline calls
// the member, so a derived class can override any callback.
//
//   add_member_callback<ObjectConfig, &ObjectConfig::help_button_cb>(button, XmNactivateCallback, this);
#pragma once

#include <X11/Intrinsic.h>

template <class T, void (T::*Member)(Widget, XtPointer)>
void member_trampoline(Widget widget, XtPointer client_data, XtPointer call_data)
{
    (static_cast<T*>(client_data)->*Member)(widget, call_data);
}

template <class T, void (T::*Member)(Widget, XtPointer)>
void add_member_callback(Widget widget, const char* callback_name, T* object)
{
    XtAddCallback(widget, callback_name, &member_trampoline<T, Member>, static_cast<XtPointer>(object));
}

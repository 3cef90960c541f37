// The login dialog: asks the login name and password when the server wants
// them, in a nested event loop. Only one login dialog exists at a time.
#pragma once

#include <X11/Intrinsic.h>

#include "platform/Types.hpp"

class XtHelp;

// The help launcher of the login dialog, created once.
extern XtHelp* login_help;

// Shows the dialog on parent with user as the proposed login name and blocks
// until OK (1: user and password hold the entries) or Cancel (0); closing
// the window counts as Cancel.
int get_password_gui(RWCString& user, RWCString& password, Widget parent, XtAppContext context);

// The dialog's callbacks; client_data is the open dialog's state.
void okay_cb(Widget widget, XtPointer client_data, XtPointer call_data);
void cancel_cb(Widget widget, XtPointer client_data, XtPointer call_data);
void help_cb(Widget widget, XtPointer client_data, XtPointer call_data);
// Keeps the login field's text.
void login_cb(Widget widget, XtPointer client_data, XtPointer call_data);
// Keeps the typed password and shows asterisks (PasswordMask).
void passwd_cb(Widget widget, XtPointer client_data, XtPointer call_data);

inline constexpr int kLoginHelpTopic = 10;

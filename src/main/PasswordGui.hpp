// The login prompter of the tool: while it exists, the client library asks
// it for credentials, and it asks the user in the login dialog.
#pragma once

#include <X11/Intrinsic.h>

#include "platform/Platform.hpp"

class PasswordGui : public PasswordTty {
public:
    PasswordGui(Widget parent, XtAppContext context) : parent_(parent), context_(context) {}

    int password_function(RWCString& user, RWCString& password) override;
    // The user cancelled the last login dialog: no retry is offered.
    bool login_cancelled() const { return cancelled_; }

private:
    bool cancelled_ = false;
    Widget parent_;
    XtAppContext context_;
};

// Asks through the login dialog on parent.
int password_function_gui(RWCString& user, RWCString& password, Widget parent, XtAppContext context);

#include "main/PasswordGui.hpp"

#include "main/LoginDialog.hpp"

int PasswordGui::password_function(RWCString& user, RWCString& password)
{
    return password_function_gui(user, password, parent_, context_);
}

int password_function_gui(RWCString& user, RWCString& password, Widget parent, XtAppContext context)
{
    return get_password_gui(user, password, parent, context);
}

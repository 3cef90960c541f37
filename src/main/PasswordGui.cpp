#include "main/PasswordGui.hpp"

#include "main/LoginDialog.hpp"

int PasswordGui::password_function(RWCString& user, RWCString& password)
{
    const int answer = password_function_gui(user, password, parent_, context_);
    cancelled_ = answer == 0;
    return answer;
}

int password_function_gui(RWCString& user, RWCString& password, Widget parent, XtAppContext context)
{
    return get_password_gui(user, password, parent, context);
}

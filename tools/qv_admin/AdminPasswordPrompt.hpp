// The login prompter of qv_admin: the user from --user, the password from
// QV_PASSWORD (for scripts) or asked on the terminal.
#pragma once

#include <string>

#include "platform/Platform.hpp"

class AdminPasswordPrompt : public PasswordTty {
public:
    explicit AdminPasswordPrompt(std::string user) : user_(std::move(user)) {}
    int password_function(RWCString& user, RWCString& password) override;

private:
    std::string user_;
};

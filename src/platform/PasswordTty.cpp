#include "platform/Platform.hpp"
#include "platform/TerminalInput.hpp"

namespace {
PasswordTty* g_current = nullptr;
}

PasswordTty::PasswordTty() : previous_(g_current)
{
    g_current = this;
}

PasswordTty::~PasswordTty()
{
    if (g_current == this)
        g_current = previous_;
}

PasswordTty* PasswordTty::current() { return g_current; }

int PasswordTty::password_function(RWCString& user, RWCString& password)
{
    const std::string proposed = user.empty() ? "" : " [" + user + "]";
    auto login = TerminalInput::read_line("Login" + proposed + ": ", true);
    if (!login)
        return 0;
    if (!login->empty())
        user = *login;
    auto secret = TerminalInput::read_line("Password: ", false);
    if (!secret)
        return 0;
    password = *secret;
    return 1;
}

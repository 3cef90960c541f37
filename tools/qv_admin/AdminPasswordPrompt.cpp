#include "AdminPasswordPrompt.hpp"

#include <cstdlib>

#include "platform/TerminalInput.hpp"

int AdminPasswordPrompt::password_function(RWCString& user, RWCString& password)
{
    if (!user_.empty())
        user = user_;
    if (const char* env = std::getenv("QV_PASSWORD")) {
        password = env;
        return 1;
    }
    auto typed = TerminalInput::read_line("Password for " + user + ": ", false);
    if (!typed)
        return 0;
    password = *typed;
    return 1;
}

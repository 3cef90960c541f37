#include "help/XtHelpError.hpp"

void XtHelpError::setMessage(const char* text)
{
    has_message_ = text != nullptr;
    message_ = text ? text : "";
}

const char* XtHelpError::getMessage() const { return has_message_ ? message_.c_str() : nullptr; }

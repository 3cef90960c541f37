// The reason the last help operation failed.
#pragma once

#include <string>

class XtHelpError {
public:
    virtual ~XtHelpError() = default;
    // Replaces the message; null clears it.
    void setMessage(const char* text);
    // The message, or null when there is none.
    const char* getMessage() const;

private:
    std::string message_;
    bool has_message_ = false;
};

// A request refused: the protocol's error code and a text for the user.
#pragma once

#include <stdexcept>
#include <string>

namespace qv::server {

enum class ErrorCode {
    Malformed = 1,
    UnknownOperation = 2,
    NoSuchObject = 3,
    AlreadyExists = 4,
    NotAuthorized = 5,
    InvalidValue = 6,
    Login = 7,
    ServerError = 8,
    InvalidName = 9,
    Conflict = 10,
};

class RequestError : public std::runtime_error {
public:
    RequestError(ErrorCode code, const std::string& text) : std::runtime_error(text), code_(code) {}
    ErrorCode code() const { return code_; }
    int number() const { return static_cast<int>(code_); }

private:
    ErrorCode code_;
};

}  // namespace qv::server

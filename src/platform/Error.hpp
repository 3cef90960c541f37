// The error state of a platform object (the connection keeps one).
#pragma once

#include <string>

#include "platform/Types.hpp"

// X11 defines a macro of the same name as an enumerator below; keep the
// header usable after X headers.
#pragma push_macro("None")
#undef None

class Error {
public:
    enum Type { None = 0, Connection = 1, Server = 2, Timeout = 3, Usage = 4, Protocol = 5 };

    DataUnit get_error_string() const { return error_string_; }
    int get_error_type() const { return error_type_; }
    void reset_error()
    {
        error_type_ = None;
        error_string_ = DataUnit();
    }
    void set_error(int type, std::string text)
    {
        error_type_ = type;
        error_string_ = DataUnit(std::move(text));
    }

private:
    int error_type_ = None;
    DataUnit error_string_;
};
#pragma pop_macro("None")

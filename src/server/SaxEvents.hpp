// The events of nlohmann::json's SAX parser as one value, so that a reader is
// one state machine that can hand any stretch of its input on, to another
// reader or to a JSON builder (JsonCapture).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

namespace qv::server {

struct SaxEvent {
    enum class Kind { Null, Boolean, Integer, Unsigned, Float, String, Key, ObjectStart, ObjectEnd, ArrayStart, ArrayEnd };

    Kind kind = Kind::Null;
    bool boolean = false;
    std::int64_t integer = 0;       // Integer (the parser gives only negative numbers so)
    std::uint64_t unsigned_number = 0;
    double number = 0;
    std::string* text = nullptr;    // String, Key: the parser's buffer, free to be moved from
    const std::string* spelling = nullptr;  // Float: the number as written

    bool opens() const { return kind == Kind::ObjectStart || kind == Kind::ArrayStart; }
    bool closes() const { return kind == Kind::ObjectEnd || kind == Kind::ArrayEnd; }
};

// A handler for nlohmann::json::sax_parse that gives every event to on(); on
// returning false stops the parse. A syntax error stops it too, its text kept.
class SaxEvents {
public:
    using json = nlohmann::json;

    virtual ~SaxEvents() = default;

    bool null() { return emit({SaxEvent::Kind::Null}); }
    bool boolean(bool value)
    {
        SaxEvent e{SaxEvent::Kind::Boolean};
        e.boolean = value;
        return on(e);
    }
    bool number_integer(json::number_integer_t value)
    {
        SaxEvent e{SaxEvent::Kind::Integer};
        e.integer = value;
        return on(e);
    }
    bool number_unsigned(json::number_unsigned_t value)
    {
        SaxEvent e{SaxEvent::Kind::Unsigned};
        e.unsigned_number = value;
        return on(e);
    }
    bool number_float(json::number_float_t value, const std::string& spelling)
    {
        SaxEvent e{SaxEvent::Kind::Float};
        e.number = value;
        e.spelling = &spelling;
        return on(e);
    }
    bool string(std::string& value)
    {
        SaxEvent e{SaxEvent::Kind::String};
        e.text = &value;
        return on(e);
    }
    bool binary(json::binary_t&) { return false; }  // not in JSON text
    bool start_object(std::size_t) { return emit({SaxEvent::Kind::ObjectStart}); }
    bool key(std::string& name)
    {
        SaxEvent e{SaxEvent::Kind::Key};
        e.text = &name;
        return on(e);
    }
    bool end_object() { return emit({SaxEvent::Kind::ObjectEnd}); }
    bool start_array(std::size_t) { return emit({SaxEvent::Kind::ArrayStart}); }
    bool end_array() { return emit({SaxEvent::Kind::ArrayEnd}); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e)
    {
        syntax_error_ = e.what();
        return false;
    }

    // Empty unless the text was not JSON.
    const std::string& syntax_error() const { return syntax_error_; }

protected:
    virtual bool on(SaxEvent& e) = 0;

private:
    bool emit(SaxEvent e) { return on(e); }

    std::string syntax_error_;
};

}  // namespace qv::server

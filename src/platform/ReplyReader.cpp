#include "platform/ReplyReader.hpp"

namespace {

const nlohmann::json& empty_object()
{
    static const nlohmann::json value = nlohmann::json::object();
    return value;
}

const nlohmann::json& empty_array()
{
    static const nlohmann::json value = nlohmann::json::array();
    return value;
}

// What a value is, for a problem text: "null", "a string", "3.5".
std::string describe(const nlohmann::json& v)
{
    switch (v.type()) {
    case nlohmann::json::value_t::null:
        return "null";
    case nlohmann::json::value_t::boolean:
        return "a boolean";
    case nlohmann::json::value_t::string:
        return "a string";
    case nlohmann::json::value_t::array:
        return "an array";
    case nlohmann::json::value_t::object:
        return "an object";
    default:
        return v.is_number() ? v.dump() : std::string("binary data");
    }
}

}  // namespace

ReplyReader::ReplyReader(const nlohmann::json& value, std::string what) : ReplyReader(value, std::move(what), nullptr)
{
    if (!value.is_object())
        fail(what_ + " is " + describe(value) + ", expected an object");
}

ReplyReader::ReplyReader(const nlohmann::json& value, std::string what, std::string* problem)
    : value_(value.is_object() ? value : empty_object()), what_(std::move(what)), problem_(problem ? problem : &own_problem_)
{
}

ReplyReader ReplyReader::item(const nlohmann::json& value, std::string what)
{
    if (!value.is_object())
        fail(what + " in " + what_ + " is " + describe(value) + ", expected an object");
    return ReplyReader(value, std::move(what) + " in " + what_, problem_);
}

std::string ReplyReader::quoted(const std::string& text)
{
    constexpr std::size_t kLongest = 60;
    std::string q = nlohmann::json(text).dump(-1, ' ', true, nlohmann::json::error_handler_t::replace);
    if (q.size() > kLongest)
        q = q.substr(0, kLongest - 4) + "...\"";
    return q;
}

void ReplyReader::fail(const std::string& problem)
{
    if (problem_->empty())
        *problem_ = problem;
}

void ReplyReader::field_problem(const char* name, const std::string& found, const std::string& expected)
{
    fail("field '" + std::string(name) + "' of " + what_ + " is " + found + ", expected " + expected);
}

const nlohmann::json* ReplyReader::field(const char* name, Expect expect, bool required)
{
    static const char* const expected[] = {"a string", "an integer", "a boolean", "a number",
                                           "an object", "an array", "an array of strings"};
    const auto it = value_.find(name);
    if (it == value_.end()) {
        if (required)
            field_problem(name, "missing", expected[static_cast<int>(expect)]);
        return nullptr;
    }
    bool fits = false;
    switch (expect) {
    case Expect::Text:
        fits = it->is_string();
        break;
    case Expect::Integer:
        fits = it->is_number_integer();
        break;
    case Expect::Flag:
        fits = it->is_boolean();
        break;
    case Expect::Number:
        fits = it->is_number();
        break;
    case Expect::Object:
        fits = it->is_object();
        break;
    case Expect::Array:
    case Expect::Texts:
        fits = it->is_array();
        break;
    }
    if (!fits) {
        field_problem(name, describe(*it), expected[static_cast<int>(expect)]);
        return nullptr;
    }
    return &*it;
}

std::int64_t ReplyReader::in_range(const char* name, const nlohmann::json* v, std::int64_t fallback,
                                   std::int64_t min, std::int64_t max)
{
    if (!v)
        return fallback;
    bool fits;
    if (v->is_number_unsigned()) {
        const std::uint64_t u = v->get<std::uint64_t>();
        fits = max >= 0 && u <= static_cast<std::uint64_t>(max) && (min <= 0 || u >= static_cast<std::uint64_t>(min));
    } else {
        const std::int64_t i = v->get<std::int64_t>();
        fits = i >= min && i <= max;
    }
    if (fits)
        return v->get<std::int64_t>();
    field_problem(name, v->dump(), "an integer from " + std::to_string(min) + " to " + std::to_string(max));
    return fallback;
}

std::vector<std::string> ReplyReader::strings_of(const char* name, const nlohmann::json* v)
{
    std::vector<std::string> out;
    if (!v)
        return out;
    for (const auto& item : *v) {
        if (!item.is_string()) {
            fail("field '" + std::string(name) + "' of " + what_ + " holds " + describe(item) +
                 ", expected strings only");
            return {};
        }
        out.push_back(item.get<std::string>());
    }
    return out;
}

std::string ReplyReader::text(const char* name)
{
    const auto* v = field(name, Expect::Text, true);
    return v ? v->get<std::string>() : std::string();
}

std::int64_t ReplyReader::integer(const char* name, std::int64_t min, std::int64_t max)
{
    return in_range(name, field(name, Expect::Integer, true), 0, min, max);
}

bool ReplyReader::flag(const char* name)
{
    const auto* v = field(name, Expect::Flag, true);
    return v && v->get<bool>();
}

double ReplyReader::number(const char* name)
{
    const auto* v = field(name, Expect::Number, true);
    return v ? v->get<double>() : 0.0;
}

const nlohmann::json& ReplyReader::object(const char* name)
{
    const auto* v = field(name, Expect::Object, true);
    return v ? *v : empty_object();
}

const nlohmann::json& ReplyReader::array(const char* name)
{
    const auto* v = field(name, Expect::Array, true);
    return v ? *v : empty_array();
}

std::vector<std::string> ReplyReader::texts(const char* name)
{
    return strings_of(name, field(name, Expect::Texts, true));
}

std::string ReplyReader::text_or(const char* name, std::string fallback)
{
    const auto* v = field(name, Expect::Text, false);
    return v ? v->get<std::string>() : std::move(fallback);
}

std::int64_t ReplyReader::integer_or(const char* name, std::int64_t fallback, std::int64_t min, std::int64_t max)
{
    return in_range(name, field(name, Expect::Integer, false), fallback, min, max);
}

bool ReplyReader::flag_or(const char* name, bool fallback)
{
    const auto* v = field(name, Expect::Flag, false);
    return v ? v->get<bool>() : fallback;
}

double ReplyReader::number_or(const char* name, double fallback)
{
    const auto* v = field(name, Expect::Number, false);
    return v ? v->get<double>() : fallback;
}

const nlohmann::json& ReplyReader::object_or_empty(const char* name)
{
    const auto* v = field(name, Expect::Object, false);
    return v ? *v : empty_object();
}

const nlohmann::json& ReplyReader::array_or_empty(const char* name)
{
    const auto* v = field(name, Expect::Array, false);
    return v ? *v : empty_array();
}

std::vector<std::string> ReplyReader::texts_or_empty(const char* name)
{
    return strings_of(name, field(name, Expect::Texts, false));
}

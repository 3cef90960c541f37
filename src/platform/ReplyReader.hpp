// Reads the fields of a server reply or event as docs/protocol.md documents
// them, without throwing. A field of another type than documented (or a
// required one that is absent) makes the reply malformed: the reader keeps
// the first such problem ("field 'code' of the error reply is null, expected
// an integer") and the read gives the empty value. The caller reads every
// field, then hands a malformed reply to Platform::reject_reply.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

class ReplyReader {
public:
    static constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    static constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    static constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
    static constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

    // what names the value in problems: "the get reply", "the album event".
    ReplyReader(const nlohmann::json& value, std::string what);
    ReplyReader(const ReplyReader&) = delete;
    ReplyReader& operator=(const ReplyReader&) = delete;

    // Fields that must be there.
    std::string text(const char* name);
    std::int64_t integer(const char* name, std::int64_t min = kMin, std::int64_t max = kMax);
    bool flag(const char* name);
    double number(const char* name);
    const nlohmann::json& object(const char* name);
    const nlohmann::json& array(const char* name);
    std::vector<std::string> texts(const char* name);

    // Optional fields: absent gives the fallback, another type is still a problem.
    std::string text_or(const char* name, std::string fallback);
    std::int64_t integer_or(const char* name, std::int64_t fallback, std::int64_t min = kMin,
                            std::int64_t max = kMax);
    bool flag_or(const char* name, bool fallback);
    double number_or(const char* name, double fallback);
    const nlohmann::json& object_or_empty(const char* name);
    const nlohmann::json& array_or_empty(const char* name);
    std::vector<std::string> texts_or_empty(const char* name);

    bool has(const char* name) const { return value_.contains(name); }

    // A reader of an object inside this value (a list item, a record) whose
    // problems are this reader's; value must be an object.
    ReplyReader item(const nlohmann::json& value, std::string what);

    // A problem the caller found itself (a name that does not parse).
    void fail(const std::string& problem);
    // A text of the server's for a problem: quoted, escaped, ASCII, short.
    static std::string quoted(const std::string& text);
    bool ok() const { return problem_->empty(); }
    const std::string& problem() const { return *problem_; }
    const std::string& what() const { return what_; }

private:
    enum class Expect { Text, Integer, Flag, Number, Object, Array, Texts };
    ReplyReader(const nlohmann::json& value, std::string what, std::string* problem);
    // The field when present with the expected type; null otherwise (a
    // problem unless it is absent and optional).
    const nlohmann::json* field(const char* name, Expect expect, bool required);
    std::int64_t in_range(const char* name, const nlohmann::json* v, std::int64_t fallback, std::int64_t min,
                          std::int64_t max);
    std::vector<std::string> strings_of(const char* name, const nlohmann::json* v);
    void field_problem(const char* name, const std::string& found, const std::string& expected);

    const nlohmann::json& value_;
    std::string what_;
    std::string own_problem_;
    std::string* problem_;
};

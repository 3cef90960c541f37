// Recursive-descent parser of value notation against a type; see Asn1.hpp.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "protocol/Asn1.hpp"
#include "protocol/Asn1Lexer.hpp"

namespace qv::asn1 {

class ValueParser {
public:
    explicit ValueParser(std::string_view text) : lexer_(text) {}

    // The whole text as one value of the type; nothing, with error() set, otherwise.
    ValuePtr parse(const TypePtr& type);
    const std::string& error() const { return error_; }

private:
    using Out = std::shared_ptr<Value>;

    Out value(const TypePtr& type, int depth);
    Out element(const TypePtr& type, int depth);
    Out lone_item_list(const TypePtr& type, int depth);
    Out string(const TypePtr& type);
    Out integer(const TypePtr& type);
    Out real(const TypePtr& type);
    Out boolean(const TypePtr& type);
    Out enumeration(const TypePtr& type);
    Out record(const TypePtr& type, int depth);
    bool record_item(Value& record, std::size_t& next, int depth);
    Out list(const TypePtr& type, int depth);
    Out choice(const TypePtr& type, int depth);
    Out make(const TypePtr& type);
    std::nullptr_t fail(const Token& found, const std::string& expected);
    std::nullptr_t refuse(const std::string& why);

    Lexer lexer_;
    std::string error_;
    std::size_t parts_ = 0;
};

}  // namespace qv::asn1

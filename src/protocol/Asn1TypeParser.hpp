// Recursive-descent parser of ASN.1 syntax texts; see Asn1.hpp for the grammar.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "protocol/Asn1.hpp"
#include "protocol/Asn1Lexer.hpp"

namespace qv::asn1 {

class TypeParser {
public:
    explicit TypeParser(std::string_view text) : lexer_(text) {}

    // The whole text as one type; nothing, with error() set, otherwise.
    TypePtr parse();
    const std::string& error() const { return error_; }

private:
    std::shared_ptr<Type> type(int depth);
    std::shared_ptr<Type> simple(const Token& word);
    std::shared_ptr<Type> constructed(Kind kind, int depth);
    std::shared_ptr<Type> collection(Kind kind, int depth);
    std::shared_ptr<Type> enumerated();
    struct EnumeratorsSeen;
    bool enumerator(Type& type, EnumeratorsSeen& seen);
    bool expect(TokenKind kind, const char* what);
    std::nullptr_t fail(const Token& found, const std::string& expected);

    Lexer lexer_;
    std::string error_;
};

}  // namespace qv::asn1

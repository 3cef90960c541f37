// The ASN.1 syntax text of each stored-data attribute.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "server/Database.hpp"

namespace qv::server {

class SyntaxStore {
public:
    explicit SyntaxStore(Database& db) : db_(db) {}

    std::optional<std::string> find(const std::string& attribute);
    void put(const std::string& attribute, const std::string& syntax);
    std::map<std::string, std::string> all();

private:
    Database& db_;
};

}  // namespace qv::server

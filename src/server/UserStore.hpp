// Users: name, Argon2id password hash, rights. Never a password in clear.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "server/Database.hpp"

namespace qv::server {

struct UserRecord {
    std::string name;
    std::string hash;
    std::set<std::string> rights;
};

class UserStore {
public:
    explicit UserStore(Database& db) : db_(db) {}

    std::optional<UserRecord> find(const std::string& name);
    void put(const UserRecord& user);  // adds or replaces
    bool remove(const std::string& name);
    std::vector<UserRecord> all();

private:
    Database& db_;
};

}  // namespace qv::server

// Users: name, Argon2id password hash, rights. Never a password in clear.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "server/Database.hpp"

namespace qv::server {

struct UserRecord {
    std::int64_t id = 0;  // never reused: a new account of an old name is another user
    std::string name;
    std::string hash;
    std::set<std::string> rights;
};

class UserStore {
public:
    explicit UserStore(Database& db) : db_(db) {}

    std::optional<UserRecord> find(const std::string& name);
    std::optional<UserRecord> find(std::int64_t id);
    // Adds a user, or changes the hash and rights of the one of that name
    // (which keeps its id).
    void put(const UserRecord& user);
    bool remove(const std::string& name);
    std::vector<UserRecord> all();

private:
    Database& db_;
};

}  // namespace qv::server

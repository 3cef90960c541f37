#include "server/UserStore.hpp"

#include <nlohmann/json.hpp>
#include <sqlite3.h>

namespace qv::server {
namespace {

std::set<std::string> parse_rights(const std::string& text)
{
    std::set<std::string> out;
    const auto j = nlohmann::json::parse(text, nullptr, false);
    if (j.is_array())
        for (const auto& r : j)
            if (r.is_string())
                out.insert(r.get<std::string>());
    return out;
}

UserRecord read_user(Statement& s) { return {s.integer(3), s.text(0), s.text(1), parse_rights(s.text(2))}; }

}  // namespace

std::optional<UserRecord> UserStore::find(const std::string& name)
{
    StatementUse s(db_.prepare("SELECT name, hash, rights, id FROM users WHERE name = ?1"));
    s->bind(1, name);
    if (!s->step())
        return std::nullopt;
    return read_user(*s);
}

std::optional<UserRecord> UserStore::find(std::int64_t id)
{
    db_.share_read();  // the rights read at every request of a logged-in session
    StatementUse s(db_.prepare("SELECT name, hash, rights, id FROM users WHERE id = ?1"));
    s->bind(1, id);
    if (!s->step())
        return std::nullopt;
    return read_user(*s);
}

void UserStore::put(const UserRecord& user)
{
    StatementUse s(db_.prepare("INSERT INTO users(name, hash, rights) VALUES(?1, ?2, ?3) "
                               "ON CONFLICT(name) DO UPDATE SET hash = excluded.hash, rights = excluded.rights"));
    s->bind(1, user.name).bind(2, user.hash).bind(3, nlohmann::json(user.rights).dump());
    s->run();
}

bool UserStore::remove(const std::string& name)
{
    StatementUse s(db_.prepare("DELETE FROM users WHERE name = ?1"));
    s->bind(1, name);
    s->run();
    return sqlite3_changes(db_.handle()) > 0;
}

std::vector<UserRecord> UserStore::all()
{
    StatementUse s(db_.prepare("SELECT name, hash, rights, id FROM users ORDER BY name"));
    std::vector<UserRecord> out;
    while (s->step())
        out.push_back(read_user(*s));
    return out;
}

}  // namespace qv::server

#include "server/SyntaxStore.hpp"

namespace qv::server {

std::optional<std::string> SyntaxStore::find(const std::string& attribute)
{
    StatementUse s(db_.prepare("SELECT syntax FROM syntaxes WHERE name = ?1"));
    s->bind(1, attribute);
    if (!s->step())
        return std::nullopt;
    return s->text(0);
}

void SyntaxStore::put(const std::string& attribute, const std::string& syntax)
{
    StatementUse s(db_.prepare("INSERT OR REPLACE INTO syntaxes(name, syntax) VALUES(?1, ?2)"));
    s->bind(1, attribute).bind(2, syntax);
    s->run();
}

std::map<std::string, std::string> SyntaxStore::all()
{
    StatementUse s(db_.prepare("SELECT name, syntax FROM syntaxes ORDER BY name"));
    std::map<std::string, std::string> out;
    while (s->step())
        out.emplace(s->text(0), s->text(1));
    return out;
}

}  // namespace qv::server

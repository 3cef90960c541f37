#include "server/ObjectStore.hpp"

#include <sqlite3.h>

namespace qv::server {
namespace {

StoredObject read_object(Statement& s)
{
    StoredObject o;
    o.dn = s.text(0);
    o.parent = s.text(1);
    o.cls = s.text(2);
    o.attrs = nlohmann::json::parse(s.text(3), nullptr, false);
    if (o.attrs.is_discarded() || !o.attrs.is_object())
        o.attrs = nlohmann::json::object();
    return o;
}

std::string dump_attrs(const nlohmann::json& attrs)
{
    return attrs.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

std::optional<StoredObject> ObjectStore::find(const std::string& dn)
{
    StatementUse s(db_.prepare("SELECT dn, parent, class, attrs FROM objects WHERE dn = ?1"));
    s->bind(1, dn);
    if (!s->step())
        return std::nullopt;
    return read_object(*s);
}

bool ObjectStore::find_text(const std::string& dn, std::string& cls, std::string& attrs)
{
    db_.share_read();
    StatementUse s(db_.prepare("SELECT class, attrs FROM objects WHERE dn = ?1"));
    s->bind_static(1, dn);
    if (!s->step())
        return false;
    cls = s->text(0);
    attrs = s->text(1);
    return true;
}

std::optional<std::string> ObjectStore::class_of(const std::string& dn)
{
    StatementUse s(db_.prepare("SELECT class FROM objects WHERE dn = ?1"));
    s->bind(1, dn);
    if (!s->step())
        return std::nullopt;
    return s->text(0);
}

void ObjectStore::insert(const StoredObject& object)
{
    StatementUse s(db_.prepare("INSERT INTO objects(dn, parent, class, attrs) VALUES(?1, ?2, ?3, ?4)"));
    s->bind(1, object.dn).bind(2, object.parent).bind(3, object.cls).bind(4, dump_attrs(object.attrs));
    s->run();
}

bool ObjectStore::insert_new(const StoredObject& object)
{
    return insert_new_text(object.dn, object.parent, object.cls, dump_attrs(object.attrs));
}

bool ObjectStore::insert_new_text(std::string_view dn, std::string_view parent, std::string_view cls,
                                  std::string_view attrs)
{
    StatementUse s(db_.prepare(
        "INSERT INTO objects(dn, parent, class, attrs) VALUES(?1, ?2, ?3, ?4) ON CONFLICT(dn) DO NOTHING"));
    s->bind_static(1, dn).bind_static(2, parent).bind_static(3, cls).bind_static(4, attrs);
    s->run();
    return sqlite3_changes(db_.handle()) > 0;
}

void ObjectStore::update_attrs(const std::string& dn, const nlohmann::json& attrs)
{
    update_attrs_text(dn, dump_attrs(attrs));
}

void ObjectStore::update_attrs_text(std::string_view dn, std::string_view attrs)
{
    StatementUse s(db_.prepare("UPDATE objects SET attrs = ?2 WHERE dn = ?1"));
    s->bind_static(1, dn).bind_static(2, attrs);
    s->run();
}

void ObjectStore::remove(const std::string& dn)
{
    StatementUse s(db_.prepare("DELETE FROM objects WHERE dn = ?1"));
    s->bind(1, dn);
    s->run();
}

std::vector<ObjectRef> ObjectStore::children(const std::string& parent, const std::string& cls)
{
    std::vector<ObjectRef> out;
    if (cls.empty()) {
        StatementUse s(db_.prepare("SELECT dn, class FROM objects WHERE parent = ?1 ORDER BY rowid"));
        s->bind(1, parent);
        while (s->step())
            out.push_back({s->text(0), s->text(1)});
    } else {
        StatementUse s(
            db_.prepare("SELECT dn, class FROM objects WHERE parent = ?1 AND class = ?2 ORDER BY rowid"));
        s->bind(1, parent).bind(2, cls);
        while (s->step())
            out.push_back({s->text(0), s->text(1)});
    }
    return out;
}

std::vector<ObjectRef> ObjectStore::subtree(const std::string& dn)
{
    StatementUse s(db_.prepare(R"sql(
        WITH RECURSIVE below(dn, class, depth) AS (
          SELECT dn, class, 0 FROM objects WHERE dn = ?1
          UNION ALL
          SELECT o.dn, o.class, below.depth + 1 FROM objects o JOIN below ON o.parent = below.dn
        )
        SELECT dn, class FROM below ORDER BY depth)sql"));
    s->bind(1, dn);
    std::vector<ObjectRef> out;
    while (s->step())
        out.push_back({s->text(0), s->text(1)});
    return out;
}

std::vector<StoredObject> ObjectStore::of_class(const std::string& cls)
{
    StatementUse s(db_.prepare("SELECT dn, parent, class, attrs FROM objects WHERE class = ?1 ORDER BY rowid"));
    s->bind(1, cls);
    std::vector<StoredObject> out;
    while (s->step())
        out.push_back(read_object(*s));
    return out;
}

std::vector<StoredObject> ObjectStore::all()
{
    // Creation order puts every parent before its children: an object can
    // only be created below one that exists.
    StatementUse s(db_.prepare("SELECT dn, parent, class, attrs FROM objects ORDER BY rowid"));
    std::vector<StoredObject> out;
    while (s->step())
        out.push_back(read_object(*s));
    return out;
}

std::int64_t ObjectStore::page(const std::string& below, std::int64_t after, std::size_t max_bytes,
                               const std::function<void(StoredObject&&)>& take)
{
    // Creation order puts parents first; a subtree is its root and the
    // names that begin with the root's and a "/" (the next character is "0").
    StatementUse s(db_.prepare(below.empty() ? "SELECT dn, parent, class, attrs, rowid FROM objects "
                                               "WHERE rowid > ?1 ORDER BY rowid"
                                             : "SELECT dn, parent, class, attrs, rowid FROM objects WHERE rowid > ?1 "
                                               "AND (dn = ?2 OR (dn > ?3 AND dn < ?4)) ORDER BY rowid"));
    s->bind(1, after);
    if (!below.empty())
        s->bind(2, below).bind(3, below + "/").bind(4, below + "0");
    std::size_t bytes = 0;
    while (s->step()) {
        if (bytes >= max_bytes)
            return s->integer(4) - 1;
        bytes += s->text(0).size() + s->text(3).size() + 64;
        take(read_object(*s));
    }
    return 0;
}

std::int64_t ObjectStore::count(const std::string& below)
{
    // The same subtree as page(), by the dn index.
    StatementUse s(db_.prepare(below.empty() ? "SELECT count(*) FROM objects"
                                             : "SELECT count(*) FROM objects WHERE dn = ?1 OR (dn > ?2 AND dn < ?3)"));
    if (!below.empty())
        s->bind(1, below).bind(2, below + "/").bind(3, below + "0");
    return s->step() ? s->integer(0) : 0;
}

}  // namespace qv::server

#include "server/TopoIndex.hpp"

#include <algorithm>

namespace qv::server {

void TopoIndex::put_node(const NodeRow& row)
{
    StatementUse s(db_.prepare(
        "INSERT OR REPLACE INTO topo_nodes(dn, system, number, name, type) VALUES(?1, ?2, ?3, ?4, ?5)"));
    s->bind_static(1, row.dn).bind_static(2, row.system).bind(3, row.number).bind_static(4, row.name);
    s->bind_static(5, row.type);
    s->run();
}

void TopoIndex::remove_node(const std::string& dn)
{
    {
        StatementUse s(db_.prepare("DELETE FROM topo_nodes WHERE dn = ?1"));
        s->bind(1, dn);
        s->run();
    }
    put_references(dn, {});
}

std::optional<NodeRow> TopoIndex::node(const std::string& dn)
{
    StatementUse s(db_.prepare("SELECT dn, system, number, name, type FROM topo_nodes WHERE dn = ?1"));
    s->bind(1, dn);
    if (!s->step())
        return std::nullopt;
    return NodeRow{s->text(0), s->text(1), s->integer(2), s->text(3), s->text(4)};
}

std::vector<std::string> TopoIndex::find_by_name(const std::string& name, const std::vector<std::string>& systems)
{
    StatementUse s(db_.prepare("SELECT dn, system FROM topo_nodes WHERE name = ?1 ORDER BY number, system"));
    s->bind(1, name);
    std::vector<std::string> out;
    while (s->step()) {
        if (systems.empty() || std::find(systems.begin(), systems.end(), s->text(1)) != systems.end())
            out.push_back(s->text(0));
    }
    return out;
}

bool TopoIndex::type_in_use(const std::string& type)
{
    StatementUse s(db_.prepare("SELECT 1 FROM topo_nodes WHERE type = ?1 LIMIT 1"));
    s->bind(1, type);
    return s->step();
}

std::int64_t TopoIndex::allocate_number(const std::string& system)
{
    const std::string key = "topoNodeId:" + system;
    std::int64_t highest = 0;
    {
        StatementUse s(db_.prepare("SELECT max(number) FROM topo_nodes WHERE system = ?1"));
        s->bind(1, system);
        if (s->step() && !s->is_null(0))
            highest = s->integer(0);
    }
    {
        StatementUse s(db_.prepare("SELECT value FROM counters WHERE name = ?1"));
        s->bind(1, key);
        if (s->step())
            highest = std::max(highest, s->integer(0));
    }
    const std::int64_t next = highest + 1;
    StatementUse s(db_.prepare("INSERT OR REPLACE INTO counters(name, value) VALUES(?1, ?2)"));
    s->bind(1, key).bind(2, next);
    s->run();
    return next;
}

void TopoIndex::put_references(const std::string& source, const std::vector<NodeReference>& refs, bool is_new)
{
    if (!is_new) {
        StatementUse s(db_.prepare("DELETE FROM topo_refs WHERE source = ?1"));
        s->bind(1, source);
        s->run();
    }
    StatementUse s(db_.prepare("INSERT INTO topo_refs(source, attr, position, target) VALUES(?1, ?2, ?3, ?4)"));
    std::int64_t position = 0;
    for (const auto& ref : refs) {
        s->bind_static(1, source).bind_static(2, ref.attr).bind(3, position++).bind_static(4, ref.target);
        s->run();
        s->reset();
    }
}

std::vector<std::string> TopoIndex::parents(const std::string& node)
{
    StatementUse s(
        db_.prepare("SELECT target FROM topo_refs WHERE source = ?1 AND attr = 'parents' ORDER BY position"));
    s->bind(1, node);
    std::vector<std::string> out;
    while (s->step())
        out.push_back(s->text(0));
    return out;
}

std::vector<std::string> TopoIndex::referrers(const std::string& target)
{
    StatementUse s(db_.prepare("SELECT DISTINCT source FROM topo_refs WHERE target = ?1"));
    s->bind(1, target);
    std::vector<std::string> out;
    while (s->step())
        out.push_back(s->text(0));
    return out;
}

}  // namespace qv::server

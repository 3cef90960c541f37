#include "server/NodeLoader.hpp"

#include <algorithm>
#include <string_view>
#include <utility>

#include "protocol/Dn.hpp"
#include "server/JsonText.hpp"
#include "server/RequestError.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

// Entries prepared, then written table after table.
constexpr std::size_t kRun = 2048;

// Runs fn; a refusal it throws names the entry.
template <typename Fn>
void naming(std::size_t entry, const NodeEntry& node, Fn fn)
{
    try {
        fn();
    } catch (const RequestError& e) {
        throw RequestError(e.code(), "nodes[" + std::to_string(entry) + "] (id " + std::to_string(node.id) +
                                         "): " + e.what());
    }
}

std::string as_json_string(std::string_view text)
{
    std::string out;
    json_text::append_string(out, text);
    return out;
}

// A node list names each node once, in its first place (NodeSchema::normalize).
std::vector<std::string> listed_dns(const std::vector<std::int64_t>& ids, const std::string& system)
{
    std::vector<std::string> out;
    out.reserve(ids.size());
    for (auto it = ids.begin(); it != ids.end(); ++it)
        if (std::find(ids.begin(), it, *it) == it)
            out.push_back(node_dn(system, *it));
    return out;
}

std::string list_text(const std::vector<std::string>& dns)
{
    std::string out = "[";
    for (const auto& dn : dns) {
        if (out.size() > 1)
            out += ',';
        json_text::append_string(out, dn);
    }
    return out + "]";
}

// One position per parent view: a later one for the same parent wins.
std::vector<NodeLocation> one_per_parent(const std::vector<NodeLocation>& given)
{
    std::vector<NodeLocation> out;
    for (const auto& place : given) {
        out.erase(std::remove_if(out.begin(), out.end(), [&](const auto& p) { return p.parent == place.parent; }),
                  out.end());
        out.push_back(place);
    }
    return out;
}

std::string places_text(const std::vector<NodeLocation>& places, const std::vector<std::string>& parent_dns)
{
    std::string out = "[";
    for (std::size_t i = 0; i < places.size(); ++i) {
        out += i ? ",{\"parent\":" : "{\"parent\":";
        json_text::append_string(out, parent_dns[i]);
        out += ",\"x\":" + std::to_string(places[i].x) + ",\"y\":" + std::to_string(places[i].y) +
               ",\"z\":" + std::to_string(places[i].z) + "}";
    }
    return out + "]";
}

std::string text_of(const json& value) { return value.dump(-1, ' ', false, json::error_handler_t::replace); }

}  // namespace

void NodeLoader::load(const std::vector<NodeEntry>& nodes, std::size_t first, const std::string& system,
                      ChangeSet* changes)
{
    std::vector<Row> rows;
    for (std::size_t begin = 0; begin < nodes.size(); begin += kRun) {
        const std::size_t end = std::min(nodes.size(), begin + kRun);
        rows.clear();
        for (std::size_t i = begin; i < end; ++i)
            naming(first + i, nodes[i], [&] { rows.push_back(prepare(nodes[i], system)); });
        write(nodes, begin, rows, first, system, changes);
    }
}

NodeLoader::Row NodeLoader::prepare(const NodeEntry& e, const std::string& system)
{
    Row row;
    std::vector<std::pair<std::string_view, std::string>> members;  // name, JSON text
    // Checked in the order of a whole JSON object's members: the plain ones
    // by name, then the references.
    bool name_done = !e.name, type_done = !e.type;
    auto typed_before = [&](std::string_view member) {
        if (!name_done && std::string_view("name") < member) {
            NodeSchema::check_name(*e.name);
            name_done = true;
        }
        if (!type_done && std::string_view("typeName") < member) {
            schema_.check_type(*e.type);
            type_done = true;
        }
    };
    json other;  // the members read as JSON, as stored
    for (auto it = e.plain.begin(); it != e.plain.end(); ++it) {
        typed_before(it.key());
        other[it.key()] = schema_.normalize(it.key(), it.value());
    }
    typed_before("\x7f");
    for (auto it = e.references.begin(); it != e.references.end(); ++it)
        other[it.key()] = schema_.normalize(it.key(), it.value());
    for (auto it = other.begin(); it != other.end(); ++it)
        members.emplace_back(it.key(), text_of(it.value()));

    if (e.name)
        row.name = *e.name;
    else if (other.contains("name"))
        row.name = other["name"].get<std::string>();
    if (!other.contains("name"))
        members.emplace_back("name", as_json_string(row.name));
    if (e.type) {
        row.type = *e.type;
        members.emplace_back("typeName", as_json_string(row.type));
    } else if (other.contains("typeName")) {
        row.type = other["typeName"].get<std::string>();
    }
    std::vector<std::string> parents, links, place_parents;
    if (e.parents)
        members.emplace_back("parents", list_text(parents = listed_dns(*e.parents, system)));
    if (e.links)
        members.emplace_back("links", list_text(links = listed_dns(*e.links, system)));
    if (e.locations) {
        const auto places = one_per_parent(*e.locations);
        for (const auto& p : places)
            place_parents.push_back(node_dn(system, p.parent));
        members.emplace_back("logicalLocations", places_text(places, place_parents));
    }

    std::sort(members.begin(), members.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    row.attrs = "{";
    for (const auto& [name, text] : members) {
        if (row.attrs.size() > 1)
            row.attrs += ',';
        json_text::append_string(row.attrs, name);
        row.attrs += ':';
        row.attrs += text;
    }
    row.attrs += '}';

    // The references in the order NodeSchema::references gives them.
    for (const auto& attr : NodeSchema::node_list_attributes()) {
        std::vector<std::string>* typed = attr == "parents" && e.parents ? &parents
                                          : attr == "links" && e.links  ? &links
                                                                        : nullptr;
        if (typed) {
            for (auto& dn : *typed)
                row.refs.push_back({attr, std::move(dn)});
        } else if (auto it = other.find(attr); it != other.end()) {
            for (const auto& dn : *it)
                row.refs.push_back({attr, dn.get<std::string>()});
        }
    }
    for (auto& dn : place_parents)
        row.refs.push_back({"logicalLocations", std::move(dn)});
    if (auto it = other.find("logicalLocations"); it != other.end())
        for (const auto& place : *it)
            row.refs.push_back({"logicalLocations", place["parent"].get<std::string>()});
    return row;
}

void NodeLoader::write(const std::vector<NodeEntry>& nodes, std::size_t begin, std::vector<Row>& rows,
                       std::size_t first, const std::string& system, ChangeSet* changes)
{
    const std::string parent = qv::dn::format(qv::dn::system_dn(system));
    // Most nodes of a load are new: one insert finds out.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const NodeEntry& node = nodes[begin + i];
        naming(first + begin + i, node, [&] {
            rows[i].existed = !objects_.insert_new_text(node.dn, parent, "topoNode", rows[i].attrs);
            if (!rows[i].existed)
                return;
            if (objects_.class_of(node.dn) != std::optional<std::string>("topoNode"))
                throw RequestError(ErrorCode::Conflict, node.dn + " exists and is not a topology node");
            objects_.update_attrs_text(node.dn, rows[i].attrs);
        });
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const NodeEntry& node = nodes[begin + i];
        index_.put_node(NodeRow{node.dn, system, node.id, rows[i].name, rows[i].type});
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        index_.put_references(nodes[begin + i].dn, rows[i].refs, !rows[i].existed);
    if (!changes)
        return;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const NodeEntry& node = nodes[begin + i];
        if (!rows[i].existed) {
            changes->push_back({Change::Kind::Created, node.dn, "topoNode", parent, {}});
            continue;
        }
        const json stored = json::parse(rows[i].attrs);
        std::vector<std::string> names;
        for (auto it = stored.begin(); it != stored.end(); ++it)
            names.push_back(it.key());
        changes->push_back({Change::Kind::AttributesChanged, node.dn, "topoNode", parent, std::move(names)});
    }
}

}  // namespace qv::server

#include "server/NodeLoader.hpp"

#include <algorithm>
#include <charconv>
#include <iterator>
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

void append_number(std::string& out, std::int64_t n)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end);
}

// A node list names each node once, in its first place (NodeSchema::normalize).
void add_listed(std::vector<NodeReference>& refs, const std::string& attr, const std::vector<std::int64_t>& ids,
                const std::string& system)
{
    for (auto it = ids.begin(); it != ids.end(); ++it)
        if (std::find(ids.begin(), it, *it) == it)
            refs.push_back({attr, node_dn(system, *it)});
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

// A member of a node's stored attributes, spelt once all are known: the
// object's text lists them by name.
struct Member {
    enum class Kind { Other, Name, Type, Parents, Links, Places };
    std::string_view name;
    Kind kind;
    const json* value = nullptr;  // Other
};

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

    Member members[16];
    std::size_t count = 0;
    std::vector<Member> more;  // an entry of unusually many members
    auto add = [&](std::string_view name, Member::Kind kind, const json* value = nullptr) {
        if (count < std::size(members))
            members[count++] = Member{name, kind, value};
        else
            more.push_back(Member{name, kind, value});
    };
    for (auto it = other.begin(); it != other.end(); ++it)
        add(it.key(), Member::Kind::Other, &it.value());
    if (e.name)
        row.name = *e.name;
    else if (other.contains("name"))
        row.name = other["name"].get<std::string>();
    if (!other.contains("name"))
        add("name", Member::Kind::Name);
    if (e.type) {
        row.type = *e.type;
        add("typeName", Member::Kind::Type);
    } else if (other.contains("typeName")) {
        row.type = other["typeName"].get<std::string>();
    }

    // The references in the order NodeSchema::references gives them; the
    // text of a list given as numbers is spelt from its references below.
    std::size_t parents[2] = {0, 0}, links[2] = {0, 0}, places_at = 0;
    for (const auto& attr : NodeSchema::node_list_attributes()) {
        const bool typed_parents = attr == "parents" && e.parents;
        const bool typed_links = !typed_parents && attr == "links" && e.links;
        if (typed_parents || typed_links) {
            std::size_t* range = typed_parents ? parents : links;
            range[0] = row.refs.size();
            add_listed(row.refs, attr, typed_parents ? *e.parents : *e.links, system);
            range[1] = row.refs.size();
            add(attr, typed_parents ? Member::Kind::Parents : Member::Kind::Links);
        } else if (auto it = other.find(attr); it != other.end()) {
            for (const auto& dn : *it)
                row.refs.push_back({attr, dn.get<std::string>()});
        }
    }
    std::vector<NodeLocation> merged;
    const std::vector<NodeLocation>* places = nullptr;
    if (e.locations) {
        places = e.locations->size() > 1 ? &(merged = one_per_parent(*e.locations)) : &*e.locations;
        places_at = row.refs.size();
        for (const auto& p : *places)
            row.refs.push_back({"logicalLocations", node_dn(system, p.parent)});
        add("logicalLocations", Member::Kind::Places);
    }
    if (auto it = other.find("logicalLocations"); it != other.end())
        for (const auto& place : *it)
            row.refs.push_back({"logicalLocations", place["parent"].get<std::string>()});

    Member* first = members;
    Member* last = members + count;
    if (!more.empty()) {
        more.insert(more.begin(), members, members + count);
        first = more.data();
        last = first + more.size();
    }
    std::sort(first, last, [](const Member& a, const Member& b) { return a.name < b.name; });
    std::string& out = row.attrs;
    out.reserve(256);
    out += '{';
    for (const Member* it = first; it != last; ++it) {
        const Member& m = *it;
        if (out.size() > 1)
            out += ',';
        json_text::append_string(out, m.name);
        out += ':';
        switch (m.kind) {
        case Member::Kind::Other: out += text_of(*m.value); break;
        case Member::Kind::Name: json_text::append_string(out, row.name); break;
        case Member::Kind::Type: json_text::append_string(out, row.type); break;
        case Member::Kind::Parents:
        case Member::Kind::Links: {
            const std::size_t* range = m.kind == Member::Kind::Parents ? parents : links;
            out += '[';
            for (std::size_t i = range[0]; i < range[1]; ++i) {
                if (i > range[0])
                    out += ',';
                append_dn_text(out, row.refs[i].target, system);
            }
            out += ']';
            break;
        }
        case Member::Kind::Places:
            out += '[';
            for (std::size_t i = 0; i < places->size(); ++i) {
                const NodeLocation& p = (*places)[i];
                out += i ? ",{\"parent\":" : "{\"parent\":";
                append_dn_text(out, row.refs[places_at + i].target, system);
                out += ",\"x\":";
                append_number(out, p.x);
                out += ",\"y\":";
                append_number(out, p.y);
                out += ",\"z\":";
                append_number(out, p.z);
                out += '}';
            }
            out += ']';
            break;
        }
    }
    out += '}';
    return row;
}

void NodeLoader::append_dn_text(std::string& out, const std::string& dn, const std::string& system)
{
    // The DNs of a load's nodes differ only in their numbers: the system's
    // part is escaped once.
    if (dn_prefix_.empty() || system != dn_system_) {
        dn_system_ = system;
        const std::string first = node_dn(system, 1);
        dn_prefix_ = first.substr(0, first.size() - 1);
        dn_prefix_text_.clear();
        json_text::append_string(dn_prefix_text_, dn_prefix_);
        dn_prefix_text_.pop_back();  // the closing quote
    }
    if (dn.size() > dn_prefix_.size() && dn.compare(0, dn_prefix_.size(), dn_prefix_) == 0 &&
        dn.find_first_not_of("0123456789", dn_prefix_.size()) == std::string::npos) {
        out += dn_prefix_text_;
        out.append(dn, dn_prefix_.size());
        out += '"';
    } else {
        json_text::append_string(out, dn);
    }
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
        index_.put_node(NodeRow{node.dn, system, node.id, std::move(rows[i].name), std::move(rows[i].type)});
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

#include "server/NodeListReader.hpp"

#include "server/JsonCheck.hpp"

namespace qv::server {

using nlohmann::json;

bool NodeListReader::read(std::string_view list, std::vector<std::pair<NodeEntry, json>>& out)
{
    NodeListReader reader(list);
    return reader.list(out);
}

void NodeListReader::space()
{
    while (p_ < end_ && (*p_ == ' ' || *p_ == '\n' || *p_ == '\r' || *p_ == '\t'))
        ++p_;
}

bool NodeListReader::take(char c)
{
    space();
    if (p_ == end_ || *p_ != c)
        return false;
    ++p_;
    return true;
}

bool NodeListReader::list(std::vector<std::pair<NodeEntry, json>>& out)
{
    if (!take('['))
        return false;
    if (take(']'))
        return take_end();
    do {
        NodeEntry e;
        json rest = json::object();
        if (!entry(e, rest))
            return false;
        out.emplace_back(std::move(e), std::move(rest));
    } while (take(','));
    return take(']') && take_end();
}

bool NodeListReader::entry(NodeEntry& e, json& rest)
{
    if (!take('{'))
        return false;
    if (take('}'))
        return true;
    unsigned seen = 0;  // bits of the members read as plain values
    do {
        std::string_view name;
        if (!key(name) || !take(':') || !member(name, e, rest, seen))
            return false;
    } while (take(','));
    return take('}');
}

bool NodeListReader::member(std::string_view key, NodeEntry& e, json& rest, unsigned& seen)
{
    static const std::string_view kPlain[] = {"id", "name", "type", "parents", "links", "locations"};
    unsigned bit = 0;
    for (unsigned i = 0; i < std::size(kPlain) && !bit; ++i)
        bit = key == kPlain[i] ? 1u << i : 0;
    if (!bit) {
        std::string_view value;
        if (!skip_value(value))
            return false;
        json parsed = json::parse(value, nullptr, false);
        if (parsed.is_discarded())
            return false;
        rest[std::string(key)] = std::move(parsed);
        return true;
    }
    if (seen & bit)
        return false;
    seen |= bit;
    space();
    switch (bit) {
    case 1u << 0: return node_number(e.id);
    case 1u << 1: return text(e.name.emplace());
    case 1u << 2: return text(e.type.emplace());
    case 1u << 3: return ids(e.parents.emplace());
    case 1u << 4: return ids(e.links.emplace());
    default: return places(e.locations.emplace());
    }
}

bool NodeListReader::ids(std::vector<std::int64_t>& out)
{
    if (!take('['))
        return false;
    if (take(']'))
        return true;
    do {
        std::int64_t id = 0;
        if (!node_number(id))
            return false;
        out.push_back(id);
    } while (take(','));
    return take(']');
}

bool NodeListReader::places(std::vector<NodeLocation>& out)
{
    if (!take('['))
        return false;
    if (take(']'))
        return true;
    do {
        out.emplace_back();
        if (!place(out.back()))
            return false;
    } while (take(','));
    return take(']');
}

bool NodeListReader::place(NodeLocation& out)
{
    if (!take('{') || take('}'))
        return false;  // a place names its parent
    unsigned seen = 0;
    do {
        std::string_view axis;
        if (!key(axis) || !take(':'))
            return false;
        std::int64_t* fields[] = {&out.parent, &out.x, &out.y, &out.z};
        const std::string_view names[] = {"parent", "x", "y", "z"};
        int at = 0;
        while (at < 4 && axis != names[at])
            ++at;
        if (at == 4 || (seen & (1u << at)))
            return false;
        seen |= 1u << at;
        if (at == 0) {
            if (!node_number(out.parent))
                return false;
            continue;
        }
        bool negative = false;
        if (!number(*fields[at], negative))
            return false;
        if (negative ? *fields[at] < check::kInt32Min : *fields[at] > check::kInt32Max)
            return false;
    } while (take(','));
    return (seen & 1u) && take('}');
}

bool NodeListReader::key(std::string_view& out)
{
    space();
    if (p_ == end_ || *p_ != '"')
        return false;
    const char* start = ++p_;
    while (p_ < end_ && *p_ != '"' && *p_ != '\\')
        ++p_;
    if (p_ == end_ || *p_ == '\\')
        return false;  // an escaped key: the SAX reader's
    out = std::string_view(start, static_cast<std::size_t>(p_ - start));
    ++p_;
    return true;
}

bool NodeListReader::text(std::string& out)
{
    // Checked JSON: a string without escapes is its own value.
    std::string_view raw;
    if (!key(raw))
        return false;
    out.assign(raw.data(), raw.size());
    return true;
}

bool NodeListReader::number(std::int64_t& out, bool& negative)
{
    space();
    negative = p_ < end_ && *p_ == '-';
    const char* start = negative ? p_ + 1 : p_;
    const char* at = start;
    std::int64_t value = 0;
    while (at < end_ && *at >= '0' && *at <= '9' && at - start < 16)
        value = value * 10 + (*at++ - '0');
    // Only short integers: a fraction, an exponent or more digits are
    // another shape.
    if (at == start || (at < end_ && ((*at >= '0' && *at <= '9') || *at == '.' || *at == 'e' || *at == 'E')))
        return false;
    p_ = at;
    out = negative ? -value : value;
    return true;
}

bool NodeListReader::node_number(std::int64_t& out)
{
    bool negative = false;
    return number(out, negative) && !negative && out >= 1 && out <= kMaxNodeId;
}

bool NodeListReader::skip_value(std::string_view& out)
{
    space();
    const char* start = p_;
    int depth = 0;
    while (p_ < end_) {
        const char c = *p_;
        if (c == '"') {
            for (++p_; p_ < end_ && *p_ != '"'; ++p_)
                if (*p_ == '\\')
                    ++p_;
            if (p_ == end_)
                return false;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']' || c == ',') {
            if (depth == 0)
                break;
            if (c != ',')
                --depth;
        }
        ++p_;
    }
    if (depth != 0 || p_ == start)
        return false;
    out = std::string_view(start, static_cast<std::size_t>(p_ - start));
    return true;
}

}  // namespace qv::server

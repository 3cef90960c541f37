#include "protocol/DocumentParts.hpp"

#include <fstream>
#include <set>
#include <stdexcept>

namespace qv::proto {
namespace {

using nlohmann::json;

json parse_file(const std::string& path, const json::parser_callback_t& callback)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    json document = json::parse(in, callback, /*allow_exceptions=*/false);
    if (document.is_discarded())
        throw std::runtime_error(path + " is not a topology document (not valid JSON)");
    if (!document.is_object())
        throw std::runtime_error(path + " is not a topology document (not a JSON object)");
    return document;
}

// The entries of the long lists, gathered into parts of about part_bytes.
class Runs {
public:
    Runs(const json& head, const DocumentParts::Sink& sink, std::size_t part_bytes)
        : sink_(sink), part_bytes_(part_bytes)
    {
        for (const char* member : {"format", "version"})
            if (head.contains(member))
                stamp_[member] = head[member];
    }

    void add(const std::string& member, json entry)
    {
        if (member != member_)
            flush();
        member_ = member;
        bytes_ += entry.dump().size() + 1;
        entries_.push_back(std::move(entry));
        if (bytes_ >= part_bytes_)
            flush();
    }

    void flush()
    {
        if (entries_.empty())
            return;
        json part = stamp_;
        part[member_] = std::move(entries_);
        entries_ = json::array();
        bytes_ = 0;
        sink_(std::move(part));
    }

private:
    const DocumentParts::Sink& sink_;
    std::size_t part_bytes_;
    json stamp_ = json::object();
    std::string member_;
    json entries_ = json::array();
    std::size_t bytes_ = 0;
};

}  // namespace

bool DocumentParts::is_long_list(const std::string& member)
{
    return member == "nodes" || member == "objects" || member == "users";
}

void DocumentParts::split_file(const std::string& path, const Sink& sink, std::size_t part_bytes)
{
    using event_t = json::parse_event_t;
    std::string member;  // the top-level member being read
    // Calls take(member, entry) for each entry of a long list as soon as it
    // is read, and keeps it out of the document.
    auto entries = [&](const std::function<bool(json&)>& take) {
        return [&member, take](int depth, event_t event, json& parsed) {
            if (depth == 1 && event == event_t::key)
                member = parsed.get<std::string>();
            const bool entry_done = event == event_t::value || event == event_t::object_end ||
                                    event == event_t::array_end;
            return !(depth == 2 && entry_done && is_long_list(member)) || take(parsed);
        };
    };
    // First pass: the document less the long lists' entries.
    json head = parse_file(path, entries([](json&) { return false; }));
    // A list that is not a list is the loader's to refuse, as it stands.
    std::set<std::string> lists;
    for (auto it = head.begin(); it != head.end();)
        if (is_long_list(it.key()) && it->is_array()) {
            lists.insert(it.key());
            it = head.erase(it);
        } else {
            ++it;
        }
    sink(head);
    if (lists.empty())
        return;
    // Second pass: each entry of the long lists, handed on and dropped.
    Runs runs(head, sink, part_bytes);
    member.clear();
    parse_file(path, entries([&](json& entry) {
        if (lists.count(member))
            runs.add(member, std::move(entry));
        return false;
    }));
    runs.flush();
}

}  // namespace qv::proto

#include "server/EventHub.hpp"

#include <vector>

#include <nlohmann/json.hpp>

#include "server/Session.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

const char* notification_type(Change::Kind kind)
{
    switch (kind) {
    case Change::Kind::Created:
        return "objectCreation";
    case Change::Kind::Deleted:
        return "objectDeletion";
    case Change::Kind::AttributesChanged:
    case Change::Kind::Account:
        break;
    }
    return "attributeValueChange";
}

}  // namespace

void EventHub::add(const std::shared_ptr<Session>& session) { sessions_[session->number()] = session; }

void EventHub::remove(std::uint64_t number)
{
    if (sessions_.erase(number) && on_remove_)
        on_remove_(number);
}

std::size_t EventHub::count_from(const std::string& address) const
{
    std::size_t n = 0;
    for (const auto& [number, weak] : sessions_)
        if (auto s = weak.lock(); s && s->address() == address)
            ++n;
    return n;
}

void EventHub::for_each(const std::function<void(Session&)>& fn) const
{
    std::vector<std::shared_ptr<Session>> live;
    for (const auto& [number, weak] : sessions_)
        if (auto s = weak.lock())
            live.push_back(std::move(s));
    for (const auto& s : live)
        fn(*s);
}

void EventHub::publish(const ChangeSet& changes)
{
    if (changes.empty() || sessions_.empty())
        return;
    std::vector<std::shared_ptr<Session>> live;
    for (const auto& [number, weak] : sessions_)
        if (auto s = weak.lock(); s && !s->closed())
            live.push_back(std::move(s));
    for (const auto& change : changes) {
        if (change.kind == Change::Kind::Account)
            continue;  // accounts are no managed objects
        const char* type = notification_type(change.kind);
        json note{{"event", "notification"}, {"type", type}, {"dn", change.dn}, {"class", change.cls}};
        if (change.kind == Change::Kind::AttributesChanged)
            note["attributes"] = change.attrs;
        for (const auto& session : live) {
            if (session->closed() || !session->logged_in())
                continue;
            if (session->discriminator().admits(change.cls, type))
                session->send(note);
            if (change.kind == Change::Kind::AttributesChanged || session->albums().empty())
                continue;
            for (auto album : session->albums().matching(change.parent, change.cls))
                session->send(json{{"event", "album"},
                                   {"album", album},
                                   {"type", change.kind == Change::Kind::Created ? "OBJECT_CREATED"
                                                                                 : "OBJECT_DESTROYED"},
                                   {"dn", change.dn},
                                   {"class", change.cls}});
        }
    }
}

void EventHub::close_all(const std::string& reason)
{
    auto copy = sessions_;
    for (const auto& [number, weak] : copy)
        if (auto s = weak.lock())
            s->close(reason);
    sessions_.clear();
}

}  // namespace qv::server

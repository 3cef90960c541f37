#include "platform/EventRouter.hpp"

#include <optional>

#include "platform/AlbumState.hpp"
#include "platform/EventLoop.hpp"
#include "platform/ReplyReader.hpp"

namespace {

// Notification types of the protocol and the event names callers subscribe to.
std::string notification_event_name(const std::string& type)
{
    if (type == "objectCreation")
        return "OBJECT_CREATED";
    if (type == "objectDeletion")
        return "OBJECT_DESTROYED";
    if (type == "attributeValueChange")
        return "ATTRIBUTE_CHANGED";
    return type;
}

// Reads an event frame; nothing for a kind this client does not know (a
// newer server's), and a problem for a known kind of another shape.
std::optional<ServerEvent> read_event(const nlohmann::json& frame, std::string& problem)
{
    ReplyReader r(frame, "the event");
    const std::string kind = r.text("event");
    ServerEvent e;
    if (kind == "notification") {
        ReplyReader n(frame, "the notification");
        e.type = n.text("type");
        e.dn = n.text("dn");
        e.objclass = n.text_or("class", "");
        n.texts_or_empty("attributes");
        problem = n.problem();
    } else if (kind == "album") {
        ReplyReader a(frame, "the album event");
        e.kind = ServerEvent::AlbumChange;
        e.album = static_cast<int>(a.integer("album", ReplyReader::kInt32Min, ReplyReader::kInt32Max));
        e.type = a.text("type");
        e.dn = a.text("dn");
        e.objclass = a.text_or("class", "");
        problem = a.problem();
    } else {
        problem = r.problem();
        return std::nullopt;
    }
    return problem.empty() ? std::optional<ServerEvent>(std::move(e)) : std::nullopt;
}

}  // namespace

void EventRouter::when(const std::string& event, const Callback& callback)
{
    if (callback.valid())
        callbacks_[event].push_back(callback);
}

int EventRouter::register_album(const std::shared_ptr<AlbumState>& album)
{
    const int number = next_album_++;
    albums_[number] = album;
    return number;
}

void EventRouter::forget_album(int number) { albums_.erase(number); }

std::vector<std::shared_ptr<AlbumState>> EventRouter::albums_holding(const std::string& dn) const
{
    std::vector<std::shared_ptr<AlbumState>> out;
    for (const auto& [number, weak] : albums_)  // map order: oldest first
        if (auto album = weak.lock())
            if (album->index_of(dn) >= 0)
                out.push_back(album);
    return out;
}

void EventRouter::detach_albums()
{
    for (auto& [number, weak] : albums_)
        if (auto album = weak.lock())
            album->detach();
    albums_.clear();
}

void EventRouter::reset(EventLoop* loop)
{
    loop_ = loop;
    disconnect_reported_ = false;
}

bool EventRouter::wanted(const ServerEvent& event) const
{
    if (event.kind == ServerEvent::Notification)
        return callbacks_.count(notification_event_name(event.type)) > 0;
    auto it = albums_.find(event.album);
    return it != albums_.end() && !it->second.expired();
}

std::string EventRouter::push(const nlohmann::json& frame)
{
    std::string problem;
    std::optional<ServerEvent> event = read_event(frame, problem);
    // A client that never asked for an event (qv_admin, a tool without a
    // loop) must not pile up the server's notifications.
    if (event && wanted(*event)) {
        pending_.push_back(std::move(*event));
        schedule();
    }
    return problem;
}

void EventRouter::push_disconnected()
{
    if (disconnect_reported_)
        return;
    disconnect_reported_ = true;
    ServerEvent e;
    e.kind = ServerEvent::Disconnected;
    pending_.push_back(std::move(e));
    schedule();
}

void EventRouter::schedule()
{
    if (!loop_ || scheduled_)
        return;
    scheduled_ = true;
    std::weak_ptr<EventRouter> weak = weak_from_this();
    loop_->defer([weak] {
        if (auto router = weak.lock()) {
            router->scheduled_ = false;
            router->deliver_pending();
        }
    });
}

int EventRouter::deliver_pending()
{
    int delivered = 0;
    // A callback may make requests that queue further events: take one at a
    // time so nested deliveries keep the order.
    while (!pending_.empty()) {
        ServerEvent event = std::move(pending_.front());
        pending_.pop_front();
        deliver(event);
        ++delivered;
    }
    return delivered;
}

void EventRouter::deliver(const ServerEvent& event)
{
    switch (event.kind) {
    case ServerEvent::Notification:
        fire(notification_event_name(event.type), event.dn, event.objclass);
        break;
    case ServerEvent::AlbumChange:
        deliver_album_event(event);
        break;
    case ServerEvent::Disconnected:
        fire("DISCONNECTED", "", "");
        break;
    }
}

void EventRouter::deliver_album_event(const ServerEvent& event)
{
    auto it = albums_.find(event.album);
    if (it == albums_.end())
        return;
    if (auto album = it->second.lock())
        album->apply(event.type, event.dn, event.objclass);
}

void EventRouter::fire(const std::string& name, const std::string& dn, const std::string& objclass)
{
    auto it = callbacks_.find(name);
    if (it == callbacks_.end())
        return;
    PlatformEvent e{name, dn, objclass, "", &platform_};
    const std::vector<Callback> targets = it->second;
    for (const Callback& cb : targets)
        cb(&e);
}

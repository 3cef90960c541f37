#include "platform/EventRouter.hpp"

#include "platform/AlbumState.hpp"
#include "platform/EventLoop.hpp"

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

bool EventRouter::wanted(const nlohmann::json& event) const
{
    const std::string kind = event.value("event", std::string());
    if (kind == "notification")
        return callbacks_.count(notification_event_name(event.value("type", std::string()))) > 0;
    if (kind == "album") {
        auto it = albums_.find(event.value("album", 0));
        return it != albums_.end() && !it->second.expired();
    }
    return false;
}

void EventRouter::push(nlohmann::json event)
{
    // A client that never asked for an event (qv_admin, a tool without a
    // loop) must not pile up the server's notifications.
    if (!wanted(event))
        return;
    pending_.push_back(std::move(event));
    schedule();
}

void EventRouter::push_disconnected()
{
    if (disconnect_reported_)
        return;
    disconnect_reported_ = true;
    pending_.push_back({{"event", "DISCONNECTED"}});
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
        nlohmann::json event = std::move(pending_.front());
        pending_.pop_front();
        deliver(event);
        ++delivered;
    }
    return delivered;
}

void EventRouter::deliver(const nlohmann::json& event)
{
    const std::string kind = event.value("event", std::string());
    if (kind == "notification")
        deliver_notification(event);
    else if (kind == "album")
        deliver_album_event(event);
    else if (kind == "DISCONNECTED")
        fire("DISCONNECTED", "", "");
}

void EventRouter::deliver_notification(const nlohmann::json& event)
{
    fire(notification_event_name(event.value("type", std::string())), event.value("dn", std::string()),
         event.value("class", std::string()));
}

void EventRouter::deliver_album_event(const nlohmann::json& event)
{
    auto it = albums_.find(event.value("album", 0));
    if (it == albums_.end())
        return;
    if (auto album = it->second.lock())
        album->apply(event.value("type", std::string()), event.value("dn", std::string()),
                     event.value("class", std::string()));
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

// Where a connection's events go: queued as they arrive (also while a
// request waits), then delivered from the event loop through its defer, or
// by Platform::dispatch_events when there is no loop. Notifications go to the
// Platform's callbacks, album events to the album they name.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/Platform.hpp"

struct AlbumState;

// An event as read from the server's frame (or the connection's loss).
struct ServerEvent {
    enum Kind { Notification, AlbumChange, Disconnected };
    Kind kind = Notification;
    std::string type;  // the notification type, or the album event's
    std::string dn;
    std::string objclass;
    int album = 0;
};

class EventRouter : public std::enable_shared_from_this<EventRouter> {
public:
    explicit EventRouter(Platform& platform) : platform_(platform) {}

    void when(const std::string& event, const Callback& callback);

    // Albums are numbered per connection; the router holds them weakly.
    int register_album(const std::shared_ptr<AlbumState>& album);
    void forget_album(int number);
    // The albums holding dn, oldest first.
    std::vector<std::shared_ptr<AlbumState>> albums_holding(const std::string& dn) const;
    void detach_albums();

    // A frame with "event" from the connection; dropped at once when no
    // callback or album could take it. Returns why the event does not have
    // its documented shape; empty when it does.
    std::string push(const nlohmann::json& event);
    // The connection was lost: "DISCONNECTED" follows once.
    void push_disconnected();
    // A new connection: a later loss is reported again.
    void reset(EventLoop* loop);

    bool has_pending() const { return !pending_.empty(); }
    // Delivers what is queued, in order; the number delivered.
    int deliver_pending();

private:
    bool wanted(const ServerEvent& event) const;
    void schedule();
    void deliver(const ServerEvent& event);
    void deliver_album_event(const ServerEvent& event);
    void fire(const std::string& name, const std::string& dn, const std::string& objclass);

    Platform& platform_;
    EventLoop* loop_ = nullptr;
    std::map<std::string, std::vector<Callback>> callbacks_;
    std::map<int, std::weak_ptr<AlbumState>> albums_;
    int next_album_ = 1;
    std::deque<ServerEvent> pending_;
    bool scheduled_ = false;
    bool disconnect_reported_ = false;
};

// Marks that events were delivered inside a waiting call (see current_cookie).
void advance_cookie();

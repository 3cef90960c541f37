// The open connections, and the delivery of what a committed request changed:
// notifications through each connection's discriminator, album events to the
// connections tracking the parent.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <map>
#include <memory>

#include "server/ChangeSet.hpp"

namespace qv::server {

class Session;

class EventHub {
public:
    void add(const std::shared_ptr<Session>& session);
    void remove(std::uint64_t number);
    // Told of each connection that ends.
    void on_remove(std::function<void(std::uint64_t)> listener) { on_remove_ = std::move(listener); }
    void publish(const ChangeSet& changes);
    // Closes every connection (server shutdown).
    void close_all(const std::string& reason);
    std::size_t size() const { return sessions_.size(); }
    // The open connections from one IP address.
    std::size_t count_from(const std::string& address) const;
    // Runs fn for every open connection.
    void for_each(const std::function<void(Session&)>& fn) const;

private:
    std::map<std::uint64_t, std::weak_ptr<Session>> sessions_;
    std::function<void(std::uint64_t)> on_remove_;
};

}  // namespace qv::server

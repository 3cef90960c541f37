// What the copies of one Album share: its properties, derivation, images and
// callbacks. The event router applies the server's album events to it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Platform.hpp"

struct AlbumEntry {
    std::string dn;
    std::string objclass;
};

struct AlbumState {
    AlbumState(std::string name, Platform* platform);
    ~AlbumState();
    AlbumState(const AlbumState&) = delete;
    AlbumState& operator=(const AlbumState&) = delete;

    bool tracking() const;
    bool auto_image() const;
    int index_of(const std::string& dn) const;
    // An album event of the server: "OBJECT_CREATED" or "OBJECT_DESTROYED".
    void apply(const std::string& type, const std::string& dn, const std::string& objclass);
    void fire(const std::string& event, const std::string& dn, const std::string& objclass);
    // Stops the server's tracking without waiting for its answer.
    void release_on_server();
    // The platform went away: nothing more can be asked.
    void detach() { platform = nullptr; }

    std::string name;
    Platform* platform;
    int number = 0;  // the number the server knows the album by, 0 before derive
    std::map<std::string, std::string> props;
    std::string derivation;
    std::vector<AlbumEntry> images;
    std::map<std::string, std::vector<Callback>> callbacks;
    bool tracked_on_server = false;
    QvStatus status;
};

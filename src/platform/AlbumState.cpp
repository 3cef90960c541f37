#include "platform/AlbumState.hpp"

#include "platform/Connection.hpp"
#include "platform/EventRouter.hpp"

AlbumState::AlbumState(std::string album_name, Platform* owner) : name(std::move(album_name)), platform(owner)
{
    props["NICKNAME"] = name;
    props["TRACKMODE"] = "NOTRACK";
    props["AUTOIMAGE"] = "YES";
}

AlbumState::~AlbumState()
{
    release_on_server();
}

bool AlbumState::tracking() const
{
    auto it = props.find("TRACKMODE");
    return it != props.end() && it->second == "TRACK";
}

bool AlbumState::auto_image() const
{
    auto it = props.find("AUTOIMAGE");
    return it == props.end() || it->second != "NO";
}

int AlbumState::index_of(const std::string& dn) const
{
    for (std::size_t i = 0; i < images.size(); ++i)
        if (images[i].dn == dn)
            return static_cast<int>(i);
    return -1;
}

void AlbumState::fire(const std::string& event, const std::string& dn, const std::string& objclass)
{
    auto it = callbacks.find(event);
    if (it == callbacks.end())
        return;
    PlatformEvent e{event, dn, objclass, name, platform};
    // A callback may subscribe more callbacks: walk a copy.
    const std::vector<Callback> targets = it->second;
    for (const Callback& cb : targets)
        cb(&e);
}

void AlbumState::apply(const std::string& type, const std::string& dn, const std::string& objclass)
{
    if (type == "OBJECT_CREATED") {
        const bool include = auto_image() && index_of(dn) < 0;
        if (include)
            images.push_back(AlbumEntry{dn, objclass});
        fire("OBJECT_CREATED", dn, objclass);
        if (include)
            fire("IMAGE_INCLUDED", dn, objclass);
    } else if (type == "OBJECT_DESTROYED") {
        const int at = index_of(dn);
        if (at >= 0)
            images.erase(images.begin() + at);
        fire("OBJECT_DESTROYED", dn, objclass);
        if (at >= 0)
            fire("IMAGE_EXCLUDED", dn, objclass);
    }
}

void AlbumState::release_on_server()
{
    if (platform && number > 0) {
        platform->events().forget_album(number);
        if (tracked_on_server && platform->is_connected())
            platform->connection().send_only("release_album", {{"album", number}});
    }
    tracked_on_server = false;
    number = 0;
}

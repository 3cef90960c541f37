// derive and release_album: the objects directly below a base, and tracking
// of later creations and deletions there.
#pragma once

#include "server/Dispatcher.hpp"
#include "server/ObjectStore.hpp"

namespace qv::server {

class AlbumOps {
public:
    AlbumOps(ObjectStore& store, std::string local_system)
        : store_(store), local_system_(std::move(local_system))
    {
    }
    void register_in(Dispatcher& dispatcher);

private:
    void derive(Call& call);

    ObjectStore& store_;
    std::string local_system_;
};

}  // namespace qv::server

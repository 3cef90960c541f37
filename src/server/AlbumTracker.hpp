// The tracked albums of one connection: the base each follows and its class
// filter, by the client's album number.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace qv::server {

struct AlbumSpec {
    std::string base;  // canonical DN whose direct children the album holds
    std::string cls;   // only objects of this class, when not empty
};

class AlbumTracker {
public:
    // A connection may track this many albums at once; more is a client bug.
    static constexpr std::size_t kMaxAlbums = 10000;

    // False when the limit is reached.
    bool track(std::int64_t album, AlbumSpec spec);
    void release(std::int64_t album) { albums_.erase(album); }
    // The albums an object created or deleted below parent belongs to.
    std::vector<std::int64_t> matching(const std::string& parent, const std::string& cls) const;
    bool empty() const { return albums_.empty(); }

private:
    std::map<std::int64_t, AlbumSpec> albums_;
};

}  // namespace qv::server
